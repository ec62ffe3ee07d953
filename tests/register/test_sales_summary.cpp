// The VAT-return summaries: sums per buyer and per section against sums the test keeps itself, the rules
// of which invoice goes where, and the printed form and sheet that carry them.
#include "document_index.h"
#include "register_fixtures.h"
#include "regnum.h"
#include "sales_summary.h"
#include "sample_supplier.h"
#include "summary_form.h"
#include "spreadsheet_export.h"
#include "summary_sheet.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <random>

using namespace reg;

namespace {

const Submitter kSubmitter{QStringLiteral("220-81-62517"), QStringLiteral("우리상사"), QStringLiteral("김대표"),
                           QStringLiteral("서울특별시 중구 을지로 100")};

struct Expected {
    int documents = 0;
    qint64 supply = 0, tax = 0;
};

// Generated documents written and indexed as the register does, with the sums kept aside.
TEST(SalesSummary, GeneratedInvoicesSumPerBuyerAndSectionAsCountedIndependently) {
    QTemporaryDir dir;
    const QString work = dir.path() + QStringLiteral("/Work");
    const DateRange period = VatPeriod(2026, VatHalf::First, VatPart::Preliminary);
    std::mt19937 random(20260101);
    std::map<QString, Expected> taxed, free;
    Expected resident;
    for (int i = 0; i < 120; ++i) {
        // Dates from 10 days before the period to 10 days after it: both edges are hit.
        const QDate date = period.from.addDays(int(random() % 111) - 10);
        const bool in = period.contains(date);
        const QString number = QStringLiteral("%1-45-6789%2").arg(101 + i % 7).arg(i % 7);
        const qint64 supply = 1000 + qint64(random() % 5000000);
        const bool zeroTax = i % 5 == 0;
        const qint64 tax = zeroTax ? 0 : supply / 10;
        regfx::Invoice doc{
            date, number, QStringLiteral("매출처%1").arg(i % 7), {{QStringLiteral("품목"), supply, tax}}};
        if (i % 11 == 0) { // a resident number of an individual
            doc.individual = true;
            doc.buyerNumber = QStringLiteral("800101-10000%1").arg(i % 3 + 10);
        }
        regfx::Write(work, QStringLiteral("%1/d%2.Dy5").arg(i % 4).arg(i), doc);
        // Statements and quotations never enter the summaries.
        if (i % 13 == 0)
            regfx::Write(work, QStringLiteral("s%1.Gy5").arg(i),
                         {date, number, QStringLiteral("명세서"), {{QStringLiteral("품목"), 777, 77}}, true});
        if (!in)
            continue;
        if (doc.individual) {
            if (!zeroTax) {
                ++resident.documents;
                resident.supply += supply;
                resident.tax += tax;
            }
            continue;
        }
        Expected &e = (zeroTax ? free : taxed)[number.split(u'-').join(QString())];
        ++e.documents;
        e.supply += supply;
        e.tax += tax;
    }
    regfx::WriteBytes(work + QStringLiteral("/broken.Dy5"), QByteArray(228, '\x7f'));

    DocumentIndex index(dir.path() + QStringLiteral("/register.sqlite"));
    const QVector<RegisterEntry> entries = index.refresh(work);
    const SalesSummary s = BuildSalesSummary(entries, period, SummaryKind::TaxInvoice, kSubmitter, QDate(2026, 4, 20));

    ASSERT_EQ(s.buyers.size(), qsizetype(taxed.size()));
    Expected all;
    int row = 0;
    for (const auto &[number, expected] : taxed) { // std::map: ordered by number, as the form is
        const BuyerLine &b = s.buyers.at(row++);
        EXPECT_EQ(b.number, number);
        EXPECT_EQ(b.documents, expected.documents) << number.toStdString();
        EXPECT_EQ(b.supply, expected.supply) << number.toStdString();
        EXPECT_EQ(b.tax, expected.tax) << number.toStdString();
        all.documents += expected.documents;
        all.supply += expected.supply;
        all.tax += expected.tax;
    }
    EXPECT_EQ(s.paperBusiness, (SummaryLine{int(taxed.size()), all.documents, all.supply, all.tax}));
    EXPECT_EQ(s.paperResident.documents, resident.documents);
    EXPECT_EQ(s.paperResident.supply, resident.supply);
    EXPECT_EQ(s.paperResident.tax, resident.tax);
    EXPECT_EQ(s.electronicSubtotal(), SummaryLine{});
    EXPECT_EQ(s.total().supply, all.supply + resident.supply);
    EXPECT_EQ(s.total().documents, all.documents + resident.documents);

    const SalesSummary f = BuildSalesSummary(entries, period, SummaryKind::TaxFree, kSubmitter, QDate(2026, 4, 20));
    ASSERT_EQ(f.buyers.size(), qsizetype(free.size()));
    qint64 freeSupply = 0;
    for (const auto &[number, expected] : free)
        freeSupply += expected.supply;
    EXPECT_EQ(f.paperBusiness.supply, freeSupply);
    EXPECT_EQ(f.paperBusiness.tax, 0);
}

RegisterEntry invoice(const QDate &date, const QString &number, const QString &name, qint64 supply, qint64 tax,
                      qint64 modified = 0) {
    RegisterEntry e;
    e.path = QStringLiteral("/w/%1-%2.Dy5").arg(number, date.toString(Qt::ISODate));
    e.date = date;
    e.buyerNumber = number;
    e.buyerName = name;
    e.supply = supply;
    e.tax = tax;
    e.modified = modified;
    return e;
}

TEST(SalesSummary, LatestNameResidentsInOneLineAndTheUsersChoiceOfSummary) {
    const DateRange period = VatPeriod(2026, VatHalf::Second, VatPart::Final); // October to December
    QVector<RegisterEntry> entries{
        invoice(QDate(2026, 12, 31), QStringLiteral("1234567890"), QStringLiteral("가나상회(주)"), 300, 30),
        invoice(QDate(2026, 10, 1), QStringLiteral("1234567890"), QStringLiteral("가나상회"), 100, 10),
        invoice(QDate(2026, 9, 30), QStringLiteral("1234567890"), QStringLiteral("옛이름"), 5000, 500),
        invoice(QDate(2027, 1, 1), QStringLiteral("1234567890"), QStringLiteral("새해이름"), 7000, 700),
        invoice(QDate(2026, 11, 5), QStringLiteral("0987654321"), QStringLiteral("영세율상사"), 900, 0),
    };
    RegisterEntry person =
        invoice(QDate(2026, 11, 1), QStringLiteral("8001011000011"), QStringLiteral("홍길동"), 40, 4);
    person.buyerKind = BuyerKind::Individual;
    entries << person;
    person.buyerNumber = QStringLiteral("8001012000022");
    entries << person;

    SalesSummary s = BuildSalesSummary(entries, period, SummaryKind::TaxInvoice, kSubmitter, QDate(2027, 1, 10));
    ASSERT_EQ(s.buyers.size(), 1);
    EXPECT_EQ(s.buyers[0].name, QStringLiteral("가나상회(주)")); // the latest invoice's name
    EXPECT_EQ(s.buyers[0].documents, 2);                         // both edge days, nothing outside
    EXPECT_EQ(s.buyers[0].supply, 400);
    EXPECT_EQ(s.paperResident, (SummaryLine{2, 2, 80, 8}));
    EXPECT_EQ(s.total(), (SummaryLine{3, 4, 480, 48}));

    // The zero-rated invoice goes to the tax invoice summary once the user says so.
    entries[4].summary = SummaryChoice::TaxInvoice;
    s = BuildSalesSummary(entries, period, SummaryKind::TaxInvoice, kSubmitter, QDate(2027, 1, 10));
    ASSERT_EQ(s.buyers.size(), 2);
    EXPECT_EQ(s.buyers[0].number, QStringLiteral("0987654321"));
    EXPECT_TRUE(BuildSalesSummary(entries, period, SummaryKind::TaxFree, kSubmitter, {}).buyers.isEmpty());
}

// Invoices the user marked as issued electronically move into the electronic rows, in totals only; the
// paper section and its buyer lines keep the rest.
TEST(SalesSummary, ElectronicallyIssuedInvoicesCountInTheElectronicRowsOnly) {
    const DateRange period = VatPeriod(2026, VatHalf::Second, VatPart::Final);
    QVector<RegisterEntry> entries{
        invoice(QDate(2026, 10, 5), QStringLiteral("1234567890"), QStringLiteral("가나상회"), 100, 10),
        invoice(QDate(2026, 10, 6), QStringLiteral("1234567890"), QStringLiteral("가나상회"), 200, 20),
        invoice(QDate(2026, 11, 7), QStringLiteral("2208162517"), QStringLiteral("다라상사"), 400, 40),
        invoice(QDate(2026, 12, 8), QStringLiteral("2208162517"), QStringLiteral("다라상사"), 800, 80),
    };
    RegisterEntry person = invoice(QDate(2026, 11, 1), QStringLiteral("8001011000011"), QStringLiteral("홍길동"), 50, 5);
    person.buyerKind = BuyerKind::Individual;
    entries << person;
    entries[1].electronic = entries[2].electronic = entries[3].electronic = entries[4].electronic = true;

    const SalesSummary s = BuildSalesSummary(entries, period, SummaryKind::TaxInvoice, kSubmitter, QDate(2027, 1, 10));
    EXPECT_EQ(s.electronicBusiness, (SummaryLine{2, 3, 1400, 140}));
    EXPECT_EQ(s.electronicResident, (SummaryLine{1, 1, 50, 5}));
    ASSERT_EQ(s.buyers.size(), 1); // no buyer lines for the electronic ones
    EXPECT_EQ(s.buyers[0].supply, 100);
    EXPECT_EQ(s.paperSubtotal(), (SummaryLine{1, 1, 100, 10}));
    EXPECT_EQ(s.total(), (SummaryLine{4, 5, 1550, 155}));
}

TEST(SalesSummary, TheUnregisteredSampleBusinessNeverSubmitsItsNumber) {
    EXPECT_EQ(SubmitterOf(sample::Supplier()).number, SupplierNumberText(SampleSupplierNumber()));
    EXPECT_NE(SubmitterOf(sample::Supplier()).number, SampleSupplierNumber());
}

SalesSummary manyBuyers(int count, SummaryKind kind) {
    QVector<RegisterEntry> entries;
    for (int i = 0; i < count; ++i)
        entries << invoice(QDate(2026, 2, 1), QStringLiteral("1%1").arg(i, 9, 10, QLatin1Char('0')),
                           QStringLiteral("거래처 %1").arg(i + 1), 999999999999LL - i,
                           kind == SummaryKind::TaxInvoice ? 99999999999LL : 0);
    return BuildSalesSummary(entries, VatPeriod(2026, VatHalf::First, VatPart::Whole), kind, kSubmitter,
                             QDate(2026, 7, 10));
}

TEST(SalesSummaryForm, BuyersRunOntoFurtherPagesWithEveryDigitShown) {
    const SalesSummary s = manyBuyers(kFirstPageBuyers + kNextPageBuyers + 3, SummaryKind::TaxInvoice);
    auto forms = SalesSummaryForms(s);
    ASSERT_EQ(forms.size(), 3u);
    EXPECT_EQ(forms[0]->text(QStringLiteral("title")), QStringLiteral("매출처별 세금계산서합계표(갑)"));
    EXPECT_EQ(forms[1]->text(QStringLiteral("title")), QStringLiteral("매출처별 세금계산서합계표(을)"));
    EXPECT_EQ(forms[0]->text(QStringLiteral("subNumber")), kSubmitter.number);
    EXPECT_EQ(forms[0]->text(QStringLiteral("subWritten")), QStringLiteral("2026년 7월 10일"));
    EXPECT_EQ(forms[0]->text(QStringLiteral("eSubtotalSupply")), QStringLiteral("0"));
    EXPECT_EQ(forms[0]->text(QStringLiteral("pBusinessBuyers")),
              QString::number(kFirstPageBuyers + kNextPageBuyers + 3));
    EXPECT_EQ(forms[0]->text(QStringLiteral("row01Number")), QStringLiteral("100-00-00000"));
    EXPECT_EQ(forms[0]->text(QStringLiteral("row01Supply")), QStringLiteral("999,999,999,999"));
    // Numbering goes on across pages; the last page holds the last three, and the form's other lines empty.
    EXPECT_EQ(forms[1]->text(QStringLiteral("row01No")), QString::number(kFirstPageBuyers + 1));
    EXPECT_EQ(forms[2]->text(QStringLiteral("row03No")), QString::number(kFirstPageBuyers + kNextPageBuyers + 3));
    EXPECT_EQ(forms[2]->text(QStringLiteral("row04No")), QString());
    EXPECT_TRUE(forms[2]->has(QStringLiteral("row15No")));
    EXPECT_FALSE(forms[2]->has(QStringLiteral("row16No")));
    EXPECT_TRUE(forms[1]->text(QStringLiteral("subLine")).contains(kSubmitter.number));
    EXPECT_EQ(forms[2]->text(QStringLiteral("page")), QStringLiteral("- 3 / 3 -"));

    // Rendered, the largest totals come out whole.
    const report::RenderedReport r = RenderSalesSummary(s);
    ASSERT_EQ(r.pages.size(), 3u);
    const QString total = TotalText(Money::fromWon(s.total().supply));
    EXPECT_TRUE(r.pages[0].texts().join(u'\n').contains(total)) << total.toStdString();
    EXPECT_TRUE(r.pages[0].texts().join(u'\n').contains(QStringLiteral("전자세금계산서 외의 발급분")));
    // Pictures of the pages for review.
    QDir().mkpath(QStringLiteral(ZARU_SCREENSHOT_DIR));
    for (size_t i = 0; i < r.pages.size(); ++i)
        report::PageImage(r.pages[i], 96).save(QStringLiteral(ZARU_SCREENSHOT_DIR "/sales-summary-%1.png").arg(i + 1));

    const SalesSummary free = manyBuyers(2, SummaryKind::TaxFree);
    auto freeForms = SalesSummaryForms(free);
    ASSERT_EQ(freeForms.size(), 1u);
    EXPECT_EQ(freeForms[0]->text(QStringLiteral("title")), QStringLiteral("매출처별 계산서합계표(갑)"));
    EXPECT_FALSE(freeForms[0]->has(QStringLiteral("row01Tax")));
    EXPECT_FALSE(freeForms[0]->has(QStringLiteral("totalTax")));
}

TEST(SalesSummarySheet, TotalsAndBuyersInTheirCells) {
    const SalesSummary s = manyBuyers(3, SummaryKind::TaxInvoice);
    const sheet::Sheet sh = BuildSalesSummarySheet(s);
    EXPECT_EQ(sh.value(QStringLiteral("A1")), QStringLiteral("매출처별 세금계산서합계표(갑)"));
    const int t = kSheetTotalsFirstRow;
    EXPECT_EQ(sh.value(sheet::CellAddress(t, 4)), QStringLiteral("3"));
    EXPECT_EQ(sh.value(sheet::CellAddress(t, 6)), TotalText(Money::fromWon(s.total().supply)));
    EXPECT_EQ(sh.value(sheet::CellAddress(t + 3, 6)), QStringLiteral("0")); // the electronic subtotal
    EXPECT_EQ(sh.value(sheet::CellAddress(t + 4, 6)), TotalText(Money::fromWon(s.paperBusiness.supply)));
    const int b = kSheetBuyerHeaderRow + 1;
    EXPECT_EQ(sh.value(sheet::CellAddress(b, 2)), QStringLiteral("100-00-00000"));
    EXPECT_TRUE(sh.cell(sheet::CellRef{b, 2}).text);
    EXPECT_EQ(sh.value(sheet::CellAddress(b + 2, 3)), QStringLiteral("거래처 3"));
    EXPECT_EQ(sh.value(sheet::CellAddress(b + 2, 7)), QStringLiteral("99,999,999,999"));
    EXPECT_EQ(sh.value(sheet::CellAddress(b + 3, 1)), QString()); // the form's lines, empty past the last buyer
    EXPECT_FALSE(sh.hasCell(kSheetSecondPageRow, 1));             // three buyers: no page (을)

    // A long address wraps in a row as high as its lines, in the summary without tax (narrower) too.
    SalesSummary longAddress = manyBuyers(1, SummaryKind::TaxFree);
    longAddress.submitter.address =
        QStringLiteral("서울특별시 영등포구 여의대로 108 파크원타워 2동 45층 4512호 (여의도동, 우리상사 본점)");
    const sheet::Sheet wrapped = BuildSalesSummarySheet(longAddress);
    EXPECT_GE(wrapped.rowHeight(6), 3 * 13.5);
    EXPECT_EQ(wrapped.value(QStringLiteral("A1")), QStringLiteral("매출처별 계산서합계표(갑)"));

    // The pages (을) follow one below the other, fifteen buyers each.
    const sheet::Sheet two = BuildSalesSummarySheet(manyBuyers(kFirstPageBuyers + 1, SummaryKind::TaxInvoice));
    EXPECT_EQ(two.value(sheet::CellAddress(kSheetSecondPageRow, 1)), QStringLiteral("매출처별 세금계산서합계표(을)"));
    EXPECT_EQ(two.value(sheet::CellAddress(kSheetSecondPageRow + 2, 1)), QStringLiteral("- 2 / 2 -"));
    const int firstOfPage = kSheetSecondPageRow + kSheetPageHeaderOffset + 1;
    EXPECT_EQ(two.value(sheet::CellAddress(firstOfPage, 1)), QString::number(kFirstPageBuyers + 1));
    EXPECT_EQ(two.value(sheet::CellAddress(firstOfPage + 1, 1)), QString());

    // Written as a workbook and handed to the spreadsheet program.
    struct Recording : SpreadsheetOpener {
        QStringList opened;
        bool open(const QString &path) override {
            opened << path;
            return true;
        }
    } opener;
    setSpreadsheetOpener(&opener);
    const QString path = ExportSalesSummarySheet(manyBuyers(60, SummaryKind::TaxFree), nullptr);
    setSpreadsheetOpener(nullptr);
    ASSERT_EQ(opener.opened, QStringList{path});
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(2) == "PK"); // a zip container, as .xlsx files are
    file.close();
    QFile::remove(path);
}

} // namespace
