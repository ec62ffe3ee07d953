// Every form filled with boundary documents (the widest amount each column takes, the longest names,
// addresses and item texts the document files keep) and rendered: no text may be wider or taller than
// its box, and every text, amounts above all, must be drawn whole.

#include "arithmetic.h"
#include "codec.h"
#include "print_fill.h"
#include "print_fixtures.h"
#include "report_renderer.h"
#include "test_support.h"

#include <QDir>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <iostream>
#include <map>

using namespace printjobs;
using fixtures::u;
using report::PageItem;

namespace {

// Text of exactly `bytes` CP949 bytes made of the given pattern repeated.
QString Filled(const QString &pattern, int bytes) {
    QString out;
    for (int i = 0; cp949::byteLength(out) < bytes; ++i) {
        const QChar c = pattern.at(i % pattern.size());
        if (cp949::byteLength(out + c) > bytes)
            break;
        out += c;
    }
    while (cp949::byteLength(out) < bytes)
        out += u'W';
    return out;
}

// The longest texts the document files keep: company 35 bytes, representative 20, address 70, business
// type and item 25; item name 25, specification 16, remark 10, unit 4. Wide letters are the hardest case.
struct Texts {
    QString pattern; // what the texts are made of
};

void BoundaryParties(InvoiceSnapshot &d, const QString &p) {
    d.aSaNo = QStringLiteral("214-86-12345");
    d.aSangho = Filled(p, 35);
    d.aName = Filled(p, 20);
    d.aAddr = Filled(p, 70);
    d.aUpTea = Filled(p, 25);
    d.aUpJong = Filled(p, 25);
    d.bSaNo = QStringLiteral("105-81-67890");
    d.bSangho = Filled(p, 35);
    d.bName = Filled(p, 20);
    d.bAddr = Filled(p, 70);
    d.bUpTea = Filled(p, 25);
    d.bUpJong = Filled(p, 25);
}

// The widest amounts the grid cells take: quantity 999,999, unit price 999,999,999, supply
// 9,999,999,990 (quantity 10), tax 999,999,999.
void BoundaryLine(QStringList &r, const InvoiceColumns &c, const QString &p, bool statement) {
    r[c.date] = QStringLiteral("12/31");
    r[c.item] = Filled(p, 25);
    r[c.spec] = Filled(p, 16);
    if (statement)
        r[c.unit] = Filled(p, 4);
    r[c.quantity] = FormatAmountText(Money::fromWon(10), kQuantityWidth);
    r[c.unitPrice] = FormatAmountText(Money::fromWon(999999999), kUnitPriceWidth);
    r[c.supply] = FormatAmountText(Money::fromWon(9999999990LL), kSupplyWidth);
    r[c.tax] = FormatAmountText(Money::fromWon(999999999), kTaxWidth);
    r[c.remark] = Filled(p, 10);
}

InvoiceSnapshot BoundaryTaxInvoice(const QString &p) {
    InvoiceSnapshot d;
    BoundaryParties(d, p);
    d.DayEdt = QStringLiteral("2026.12.08");
    d.DtyfNo = QStringLiteral("999");
    d.DtyeNo = QStringLiteral("999");
    d.DtysNo = QStringLiteral("99-9999");
    d.receipt = false;
    const InvoiceColumns c = ColumnsOf(GridKind::TaxInvoice);
    for (int i = 0; i < 5; ++i)
        BoundaryLine(d.dGrid[i], c, p, false);
    // The first line with the widest quantity instead.
    d.dGrid[0][c.quantity] = FormatAmountText(Money::fromWon(999999), kQuantityWidth);
    QList<QStringList> rows = d.dGrid;
    const InvoiceTotals t = ShowInvoiceTotals(Money::fromWon(49999999950LL), Money::fromWon(4999999995LL));
    d.Totmy = t.Totmy;
    d.Cashmy = t.Totmy;
    d.Checkmy = t.Totmy;
    d.Billmy = t.Totmy;
    d.Creditmy = t.Totmy;
    d.La = t.La;
    d.Lb = t.Lb;
    return d;
}

InvoiceSnapshot BoundaryStatement(const QString &p, int lines) {
    InvoiceSnapshot d;
    d.statement = true;
    BoundaryParties(d, p);
    d.grDay = QStringLiteral("2026.12.08");
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    for (int i = 0; i < lines; ++i)
        BoundaryLine(d.gGrid[i], c, p, true);
    d.gGrid[0][c.quantity] = FormatAmountText(Money::fromWon(999999), kQuantityWidth);
    d.gMnyEdt = TotalText(Money::fromWon(9999999990LL * lines));
    d.gVatEdt = TotalText(Money::fromWon(999999999LL * lines));
    d.gTotEdt = TotalText(Money::fromWon(10999999989LL * lines));
    return d;
}

QuotationSnapshot BoundaryQuotation(const QString &p) {
    QuotationSnapshot q;
    q.SangHoEdt = Filled(p, 40);
    q.NameEdt = Filled(p, 40);
    q.mTelEdit = QStringLiteral("(0505)1234-5678");
    q.AddrEdt = Filled(p, 90);
    q.Day1Edt = QStringLiteral("2026.12.08");
    q.Day2Edt = QStringLiteral("2026.12.31");
    for (int i = 0; i < 7; ++i)
        q.fMemo << Filled(p, 90);
    for (int i = 0; i < 20; ++i) {
        QStringList &r = q.kGrid[i];
        r[kcol::item] = Filled(p, 30);
        r[kcol::spec] = Filled(p, 20);
        r[kcol::unit] = Filled(p, 4);
        r[kcol::quantity] = FormatAmountText(Money::fromWon(10), kQuantityWidth);
        r[kcol::unitPrice] = FormatAmountText(Money::fromWon(999999999), kUnitPriceWidth);
        r[kcol::remark] = Filled(p, 15);
    }
    q.kGrid[0][kcol::quantity] = FormatAmountText(Money::fromWon(9), kQuantityWidth);
    q.MsgLabel = RecalculateQuotation(q.kGrid).MsgLabel;
    return q;
}

// Amount texts: digits with separators, perhaps a sign or the won sign.
bool IsAmount(const QString &text) {
    static const QRegularExpression amount(QStringLiteral("^-?\u20A9?-?[0-9][0-9,]*$"));
    return amount.match(text).hasMatch();
}

QString WithoutBlanks(QString text) {
    text.remove(u' ');
    text.remove(report::kBreakMark);
    text.remove(u'\n');
    return text;
}

// Checks every text item of the rendered form against its box and against the label's text.
void ExpectEverythingFits(report::ReportForm &form, const QString &pngName) {
    SCOPED_TRACE(form.className().toStdString());
    const report::RenderedReport rendered = report::Render(form);
    ASSERT_EQ(rendered.pages.size(), 1u);
    int amounts = 0;
    double narrowest = 1;
    QString narrowestName;
    for (const PageItem &item : rendered.pages.front().items) {
        if (item.type != PageItem::Type::Text)
            continue;
        SCOPED_TRACE(item.name.toStdString() + " \"" + item.lines.join(u'|').toStdString() + "\"");
        const QRectF area = item.textArea();
        const std::vector<QRectF> lines = item.lineRects();
        ASSERT_FALSE(lines.empty());
        for (const QRectF &line : lines) {
            EXPECT_GE(line.left(), area.left() - 0.01);
            EXPECT_LE(line.right(), area.right() + 0.01);
        }
        const double stackTop = lines.front().top(), stackBottom = lines.back().bottom();
        EXPECT_GE(stackTop, item.rect.top() - 0.01);
        EXPECT_LE(stackBottom, item.rect.bottom() + 0.01);
        EXPECT_LE(item.scaleX, item.scaleY + 1e-9) << "never widened";

        // Whole: what is drawn is the label's text, nothing left out.
        const QString drawn = item.lines.join(QString());
        const QString wanted = form.label(item.name).printText();
        EXPECT_EQ(WithoutBlanks(drawn), WithoutBlanks(wanted));
        if (IsAmount(wanted.trimmed())) {
            ++amounts;
            ASSERT_EQ(item.lines.size(), 1);
            EXPECT_EQ(item.lines.front().trimmed(), wanted.trimmed());
            // An amount stays a readable size.
            EXPECT_GE(item.scaleY, 0.6);
            if (item.scaleX < narrowest) {
                narrowest = item.scaleX;
                narrowestName = item.name + u' ' + wanted.trimmed();
            }
        }
    }
    EXPECT_GT(amounts, 0);
    std::cout << "[ fit      ] " << form.className().toStdString() << ": narrowest amount "
              << narrowestName.toStdString() << " at " << narrowest << " of its width\n";
    const QString dir = QStringLiteral(ZARU_REPORT_OUT);
    QDir().mkpath(dir);
    report::PageImage(rendered.pages.front(), 150).save(dir + u'/' + pngName);
}

PrintOptions Options(PrintPage page) {
    PrintOptions o;
    o.page = page;
    o.preview = false;
    o.message = Filled(u("메시지"), 50);
    return o;
}

struct PrintFit : ::testing::TestWithParam<const char *> {
    ScratchAppFolder app;
    QString pattern() const { return QString::fromUtf8(GetParam()); }
    QString suffix() const { return pattern().at(0) == u'W' ? QStringLiteral("-latin") : QString(); }
};

} // namespace

TEST_P(PrintFit, TaxInvoiceAndInvoiceWithoutTax) {
    const InvoiceSnapshot doc = BoundaryTaxInvoice(pattern());
    PrintOptions o = Options(PrintPage::TaxInvoice);
    ExpectEverythingFits(*FillTaxInvoice(doc, o), u"boundary-tax-invoice"_qs + suffix() + u".png"_qs);
    o.withTax = false;
    ExpectEverythingFits(*FillTaxInvoice(doc, o), u"boundary-invoice-without-tax"_qs + suffix() + u".png"_qs);
}

TEST_P(PrintFit, StatementShortAndLongForms) {
    PrintOptions o = Options(PrintPage::Statement);
    o.balance = Money::fromWon(99999999999LL);
    ExpectEverythingFits(*FillStatementSheet(BoundaryStatement(pattern(), 12), o, 0, false),
                         u"boundary-statement"_qs + suffix() + u".png"_qs);
    ExpectEverythingFits(*FillLongStatement(BoundaryStatement(pattern(), 30), o),
                         u"boundary-statement-long"_qs + suffix() + u".png"_qs);
}

TEST_P(PrintFit, ReceiptAndQuotation) {
    PrintOptions o = Options(PrintPage::Statement);
    o.statement = false;
    ExpectEverythingFits(*FillReceipt(BoundaryStatement(pattern(), 15), o),
                         u"boundary-receipt"_qs + suffix() + u".png"_qs);
    ExpectEverythingFits(*FillQuotation(BoundaryQuotation(pattern()), Options(PrintPage::Quotation)),
                         u"boundary-quotation"_qs + suffix() + u".png"_qs);
}

// Hangul (two bytes a syllable) and capital W (the widest letter a byte).
INSTANTIATE_TEST_SUITE_P(Texts, PrintFit, ::testing::Values("(주)대한민국중공업해양플랜트", "WMWMWM"));
