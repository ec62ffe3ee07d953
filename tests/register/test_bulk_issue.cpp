// The bulk-issue spreadsheet of the National Tax Service from the register's tax invoices: the rows of
// its two templates cell for cell, the check that lists what the service would refuse, the five-line
// invoices, files of at most 100 invoices, and nothing left behind by a write that fails.

#include "bulk_issue.h"
#include "errors.h"
#include "xlsx_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace reg::bulk;

namespace {

Money won(qint64 w) { return Money::fromWon(w); }

// A tax invoice of the supplier 우리상사 to 한빛문구, with lines of (item, quantity, unit price) whose
// supply and tax are quantity x price and a tenth of it.
InvoiceDocument Invoice(const QString &date, const QList<std::tuple<QString, qint64, qint64>> &lines,
                        bool withTax = true) {
    InvoiceDocument d = InvoiceDocument::empty(false);
    d.supplier = {QStringLiteral("220-81-62517"), QStringLiteral("우리상사"), QStringLiteral("김우리"),
                  QStringLiteral("서울특별시 중구 세종대로 110"), QStringLiteral("도소매"), QStringLiteral("문구")};
    d.buyer = {QStringLiteral("123-45-67891"), QStringLiteral("한빛문구"), QStringLiteral("이한빛"),
               QStringLiteral("부산광역시 해운대구 센텀로 45"), QStringLiteral("소매"), QStringLiteral("사무용품")};
    d.issueDate = date;
    for (int i = 0; i < lines.size(); ++i) {
        const auto &[item, quantity, price] = lines.at(i);
        InvoiceLine &l = d.lines[i];
        l.date = date.mid(5, 2) + u'/' + date.mid(8, 2);
        l.item = item;
        l.quantity = won(quantity);
        l.unitPrice = won(price);
        l.supply = won(quantity * price);
        l.tax = withTax ? won(quantity * price / 10) : Money();
    }
    return d;
}

Source From(const QString &path, const InvoiceDocument &d, const QString &email = {}) {
    return Source{path, d, reg::SummaryChoice::Automatic, email};
}

Choices FirstQuarter(FiveLines five = FiveLines::Fold) {
    return Choices{QStringLiteral("office@woori.kr"), QDate(2026, 1, 1), QDate(2026, 3, 31), five};
}

QStringList ReasonsOf(const Plan &plan, const QString &path) {
    QStringList out;
    for (const Refusal &r : plan.refusals)
        if (r.path == path)
            out << r.reason;
    return out;
}

} // namespace

TEST(BulkIssue, ColumnTitlesAreTheTemplatesOwn) {
    const QStringList tax = ColumnTitles(Form::TaxInvoice);
    ASSERT_EQ(tax.size(), 59); // A to BG
    EXPECT_EQ(tax.at(0), QStringLiteral("전자(세금)계산서 종류\n(01:일반, 02:영세율)"));
    EXPECT_EQ(tax.at(1), QStringLiteral("작성일자"));
    EXPECT_EQ(tax.at(2), QStringLiteral("공급자 등록번호\n(\"-\" 없이 입력)"));
    EXPECT_EQ(tax.at(3), QStringLiteral("공급자\n 종사업장번호"));      // D, with the template's blank
    EXPECT_EQ(tax.at(11), QStringLiteral("공급받는자 \n종사업장번호")); // L
    EXPECT_EQ(tax.at(17), QStringLiteral("공급받는자 이메일1"));        // R
    EXPECT_EQ(tax.at(19), QStringLiteral("공급가액\n합계"));                  // T
    EXPECT_EQ(tax.at(20), QStringLiteral("세액\n합계"));                      // U
    EXPECT_EQ(tax.at(22), QStringLiteral("일자1\n(2자리, 작성년월 제외)"));   // W
    EXPECT_EQ(tax.at(22 + 8 * 3 + 7), QStringLiteral("품목비고4"));           // BB
    EXPECT_EQ(tax.at(54), QStringLiteral("현금"));                            // BC
    EXPECT_EQ(tax.at(58), QStringLiteral("영수(01),\n청구(02)"));             // BG

    const QStringList plain = ColumnTitles(Form::Invoice);
    ASSERT_EQ(plain.size(), 54); // A to BB
    EXPECT_EQ(plain.at(19), QStringLiteral("공급가액\n합계")); // T
    EXPECT_EQ(plain.at(20), QStringLiteral("비고"));           // U
    EXPECT_EQ(plain.at(21), QStringLiteral("일자1\n(2자리, 작성년월 제외)"));
    EXPECT_FALSE(plain.join(u'|').contains(QStringLiteral("세액")));
    EXPECT_EQ(plain.at(49), QStringLiteral("현금"));           // AX
    EXPECT_EQ(plain.at(53), QStringLiteral("영수(01),\n청구(02)")); // BB
}

// Row 7 onward against values computed here from the documents: registration numbers without "-",
// YYYYMMDD, two-digit days, the codes, amounts as plain digits; every cell text and none a formula.
TEST(BulkIssue, RowsHoldTheDocumentsCellForCell) {
    InvoiceDocument taxed = Invoice(QStringLiteral("2026.02.14"),
                                    {{QStringLiteral("볼펜"), 3, 1500}, {QStringLiteral("=SUM(A1)"), 2, 12000}});
    taxed.lines[1].remark = QStringLiteral("+긴급");
    taxed.lines[0].date = QStringLiteral("02/03");
    taxed.cash = won(10000);
    taxed.credit = won(19950);
    taxed.receipt = false;
    InvoiceDocument zeroRated = Invoice(QStringLiteral("2026.03.02"), {{QStringLiteral("수출품"), 1, 500000}}, false);
    InvoiceDocument taxFree = Invoice(QStringLiteral("2026.01.31"), {{QStringLiteral("쌀"), 10, 40000}}, false);
    Source zero = From(QStringLiteral("b.Dy5"), zeroRated);
    zero.summary = reg::SummaryChoice::TaxInvoice; // the register puts it with the tax invoices: 영세율

    const Plan plan = PlanBulkIssue(
        {From(QStringLiteral("a.Dy5"), taxed, QStringLiteral("buy@hanbit.kr")), zero, From(QStringLiteral("c.Dy5"), taxFree)},
        FirstQuarter());
    ASSERT_TRUE(plan.refusals.isEmpty()) << plan.refusals.first().reason.toStdString();
    const QList<Row> tax = plan.rowsOf(Form::TaxInvoice), plain = plan.rowsOf(Form::Invoice);
    ASSERT_EQ(tax.size(), 2);
    ASSERT_EQ(plain.size(), 1);

    const QStringList a = tax.at(0).cells;
    ASSERT_EQ(a.size(), 59);
    const QStringList expectedHead{"01", "20260214", "2208162517", "", "우리상사", "김우리",
                                   "서울특별시 중구 세종대로 110", "도소매", "문구", "office@woori.kr", "1234567891", "",
                                   "한빛문구", "이한빛", "부산광역시 해운대구 센텀로 45", "소매", "사무용품",
                                   "buy@hanbit.kr", "", "28500", "2850", ""};
    EXPECT_EQ(a.mid(0, 22), expectedHead);
    EXPECT_EQ(a.mid(22, 8), (QStringList{"03", "볼펜", "", "3", "1500", "4500", "450", ""}));
    EXPECT_EQ(a.mid(30, 8), (QStringList{"14", "=SUM(A1)", "", "2", "12000", "24000", "2400", "+긴급"}));
    EXPECT_EQ(a.mid(38, 16), QStringList(16, QString()));
    EXPECT_EQ(a.mid(54), (QStringList{"10000", "", "", "19950", "02"}));

    const QStringList b = tax.at(1).cells;
    EXPECT_EQ(b.at(0), QStringLiteral("02"));
    EXPECT_EQ(b.at(20), QStringLiteral("0"));
    EXPECT_EQ(b.at(58), QStringLiteral("01"));

    const QStringList c = plain.at(0).cells;
    ASSERT_EQ(c.size(), 54);
    EXPECT_EQ(c.at(0), QStringLiteral("05"));
    EXPECT_EQ(c.at(1), QStringLiteral("20260131"));
    EXPECT_EQ(c.at(19), QStringLiteral("400000")); // T: 공급가액 합계
    EXPECT_EQ(c.mid(21, 7), (QStringList{"31", "쌀", "", "10", "40000", "400000", ""}));

    // The sheet: title, notices, titles in row 6, data from row 7, all of it text, no formula.
    const sheet::Sheet s = BuildSheet(Form::TaxInvoice, tax);
    EXPECT_EQ(s.name(), QStringLiteral("엑셀업로드양식"));
    EXPECT_EQ(s.value(QStringLiteral("A1")), QStringLiteral("엑셀 업로드 양식(전자세금계산서-일반(영세율))"));
    EXPECT_TRUE(s.value(QStringLiteral("A2")).contains(QStringLiteral("실제 업로드할 DATA는 7행부터")));
    EXPECT_TRUE(s.value(QStringLiteral("A3")).contains(QStringLiteral("100건 초과 자료는 처리 안됨")));
    EXPECT_TRUE(s.value(QStringLiteral("A5")).isEmpty());
    const QStringList titles = ColumnTitles(Form::TaxInvoice);
    for (int col = 1; col <= 59; ++col) {
        EXPECT_EQ(s.cell(sheet::CellRef{6, col}).value, titles.at(col - 1)) << col;
        for (int row = 7; row <= 8; ++row) {
            const sheet::Cell &cell = s.cell(sheet::CellRef{row, col});
            EXPECT_EQ(cell.value, tax.at(row - 7).cells.at(col - 1)) << row << "," << col;
            if (!cell.value.isEmpty()) {
                EXPECT_EQ(sheet::StoreValue(cell).kind, sheet::StoredValue::Text) << row << "," << col;
            }
        }
    }
}

TEST(BulkIssue, FiveLinesAreFoldedOrLeftOutAsChosen) {
    const InvoiceDocument five = Invoice(QStringLiteral("2026.03.10"), {{QStringLiteral("A"), 1, 1000},
                                                                        {QStringLiteral("B"), 2, 1000},
                                                                        {QStringLiteral("C"), 3, 1000},
                                                                        {QStringLiteral("토너"), 4, 1000},
                                                                        {QStringLiteral("용지"), 5, 1000}});
    const Plan folded = PlanBulkIssue({From(QStringLiteral("f.Dy5"), five)}, FirstQuarter(FiveLines::Fold));
    ASSERT_EQ(folded.rows.size(), 1);
    EXPECT_TRUE(folded.rows.at(0).folded);
    const QStringList fourth = folded.rows.at(0).cells.mid(22 + 3 * 8, 8);
    EXPECT_EQ(fourth, (QStringList{"10", "토너 외 1건", "", "", "", "9000", "900", ""}));
    EXPECT_EQ(folded.rows.at(0).cells.at(19), QStringLiteral("15000")); // the totals stay whole
    EXPECT_EQ(folded.rows.at(0).cells.at(20), QStringLiteral("1500"));

    const Plan left = PlanBulkIssue({From(QStringLiteral("f.Dy5"), five)}, FirstQuarter(FiveLines::LeaveOut));
    EXPECT_TRUE(left.rows.isEmpty());
    EXPECT_EQ(ReasonsOf(left, QStringLiteral("f.Dy5")),
              QStringList{QStringLiteral("품목이 5줄입니다 (4줄까지 올릴 수 있습니다)")});
}

// Every invoice the service would refuse is listed with every reason, and none of them is in a file.
TEST(BulkIssue, TheCheckListsEveryRefusalWithItsReason) {
    const InvoiceDocument good = Invoice(QStringLiteral("2026.02.01"), {{QStringLiteral("볼펜"), 1, 1000}});
    InvoiceDocument noNumber = good;
    noNumber.buyer.number.clear();
    InvoiceDocument badNumber = good;
    badNumber.buyer.number = QStringLiteral("105-81-67890");
    InvoiceDocument longName = good;
    longName.buyer.name = QString(36, u'가'); // 72 bytes, 70 allowed
    InvoiceDocument zero = good;
    zero.lines[0].supply = Money();
    zero.lines[0].tax = Money();
    InvoiceDocument negative = good;
    negative.lines[0].supply = won(-1000);
    negative.lines[0].tax = won(-100);
    const InvoiceDocument late = Invoice(QStringLiteral("2026.04.01"), {{QStringLiteral("볼펜"), 1, 1000}});
    InvoiceDocument otherMonth = good;
    otherMonth.lines[0].date = QStringLiteral("01/30");

    const Plan plan = PlanBulkIssue({From(QStringLiteral("good"), good), From(QStringLiteral("noNumber"), noNumber),
                                     From(QStringLiteral("badNumber"), badNumber),
                                     From(QStringLiteral("longName"), longName), From(QStringLiteral("zero"), zero),
                                     From(QStringLiteral("negative"), negative), From(QStringLiteral("late"), late),
                                     From(QStringLiteral("otherMonth"), otherMonth)},
                                    FirstQuarter());
    ASSERT_EQ(plan.rows.size(), 1);
    EXPECT_EQ(plan.rows.at(0).path, QStringLiteral("good"));
    EXPECT_EQ(ReasonsOf(plan, QStringLiteral("noNumber")), QStringList{QStringLiteral("공급받는자 등록번호가 없습니다")});
    EXPECT_EQ(ReasonsOf(plan, QStringLiteral("badNumber")),
              QStringList{QStringLiteral("공급받는자 등록번호가 올바르지 않습니다 (105-81-67890)")});
    EXPECT_EQ(ReasonsOf(plan, QStringLiteral("longName")),
              QStringList{QStringLiteral("공급받는자 상호이(가) 너무 깁니다 (72바이트, 70바이트까지)")});
    EXPECT_EQ(ReasonsOf(plan, QStringLiteral("zero")).size(), 1);
    EXPECT_TRUE(ReasonsOf(plan, QStringLiteral("zero")).value(0).startsWith(QStringLiteral("합계가 0 이하")));
    EXPECT_TRUE(ReasonsOf(plan, QStringLiteral("negative")).value(0).startsWith(QStringLiteral("합계가 0 이하")));
    EXPECT_EQ(ReasonsOf(plan, QStringLiteral("late")),
              QStringList{QStringLiteral("작성일자 2026.04.01이(가) 기간 2026.01.01~2026.03.31 밖입니다")});
    EXPECT_EQ(ReasonsOf(plan, QStringLiteral("otherMonth")),
              QStringList{QStringLiteral("품목 1의 일자 01/30이(가) 작성월과 다릅니다")});
}

// 100 invoices make one file, 101 two and 250 three, each with its own rows; a file that cannot be
// written takes the files of the same run with it.
TEST(BulkIssue, AHundredInvoicesAFileAndNothingHalfWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto plan = [](int count) {
        QList<Source> sources;
        for (int i = 0; i < count; ++i)
            sources << From(QStringLiteral("%1.Dy5").arg(i),
                            Invoice(QStringLiteral("2026.02.%1").arg(1 + i % 28, 2, 10, QLatin1Char('0')),
                                    {{QStringLiteral("품목%1").arg(i), 1, 1000 + i}}));
        return PlanBulkIssue(sources, FirstQuarter());
    };
    const QString base = QStringLiteral("세금계산서등록양식(일반)");
    EXPECT_EQ(WriteBulkFiles(plan(100), dir.path()), QStringList{dir.filePath(base + QStringLiteral(".xlsx"))});
    EXPECT_EQ(FileNames(Form::TaxInvoice, 101),
              (QStringList{base + QStringLiteral("_1of2.xlsx"), base + QStringLiteral("_2of2.xlsx")}));
    const QStringList three = WriteBulkFiles(plan(250), dir.path());
    ASSERT_EQ(three.size(), 3);
    EXPECT_EQ(QFileInfo(three.at(2)).fileName(), base + QStringLiteral("_3of3.xlsx"));
    for (const QString &path : three)
        EXPECT_GT(QFileInfo(path).size(), 0) << path.toStdString();
    EXPECT_EQ(BuildSheet(Form::TaxInvoice, plan(250).rows.mid(200, 100)).value(QStringLiteral("X56")),
              QStringLiteral("품목249"));

    // The second file's place is taken by a folder: the first file of that run is removed again.
    QDir(dir.path()).mkdir(QStringLiteral("fail"));
    const QString failing = dir.filePath(QStringLiteral("fail"));
    QDir(failing).mkdir(base + QStringLiteral("_2of2.xlsx"));
    EXPECT_THROW(WriteBulkFiles(plan(101), failing), IoError);
    EXPECT_FALSE(QFile::exists(QDir(failing).filePath(base + QStringLiteral("_1of2.xlsx"))));
    EXPECT_EQ(QDir(failing).entryList(QDir::Files).size(), 0);
}
