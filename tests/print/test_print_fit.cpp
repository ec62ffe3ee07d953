// Every form filled with boundary documents (the widest amount each column takes, the longest names,
// addresses and item texts the document files keep) and rendered: no text may be wider or taller than
// its box, and every text, amounts above all, must be drawn whole.

#include "amount_columns.h"
#include "arithmetic.h"
#include "codec.h"
#include "print_fill.h"
#include "boundary_documents.h"
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
using namespace boundary;

namespace {

// Amount texts: digits with separators, perhaps a sign or the won sign, a quantity with its decimals.
bool IsAmount(const QString &text) {
    static const QRegularExpression amount(QStringLiteral("^-?\u20A9?-?[0-9][0-9,]*(\\.[0-9]+)?$"));
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
            // An amount stays a readable size. The receipt's quantity column is the narrowest of all forms,
            // fixed by the form paper: a quantity of ten characters ("99999.9999") fills it whole at just
            // over half its height.
            const bool receiptQuantity = form.className() == QStringLiteral("TprtqBillf") &&
                                         (item.name.startsWith(u"aNo") || item.name.startsWith(u"bNo"));
            EXPECT_GE(item.scaleY, receiptQuantity ? 0.55 : 0.6);
            // ZARU_FIT_REPORT=1 lists each amount column's widest amount and how much it was condensed.
            if (qEnvironmentVariableIsSet("ZARU_FIT_REPORT"))
                std::cout << "[ column   ] " << form.className().toStdString() << ' ' << item.name.toStdString() << ' '
                          << wanted.trimmed().toStdString() << " x" << item.scaleX << " y" << item.scaleY << '\n';
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

// The widest texts the amount columns print besides their largest amounts: a quantity with four decimals on
// the second line, the widest negative amounts on the third.
InvoiceDocument WithWidestTexts(InvoiceDocument d) {
    d.lines[1].quantity = Money::fromRaw(999999999); // 99999.9999
    InvoiceLine &negative = d.lines[2];
    negative.quantity = Money::fromRaw(-99999999); // -9999.9999
    negative.unitPrice = negative.supply = negative.tax = Money::fromWon(-999999999);
    EXPECT_TRUE(Holds(AmountColumn::Quantity, d.lines[1].quantity) &&
                Holds(AmountColumn::Quantity, negative.quantity) &&
                Holds(AmountColumn::UnitPrice, negative.unitPrice) && Holds(AmountColumn::Supply, negative.supply) &&
                Holds(AmountColumn::Tax, negative.tax));
    return d;
}

struct PrintFit : ::testing::TestWithParam<const char *> {
    ScratchAppFolder app;
    QString pattern() const { return QString::fromUtf8(GetParam()); }
    QString suffix() const { return pattern().at(0) == u'W' ? QStringLiteral("-latin") : QString(); }
};

} // namespace

TEST_P(PrintFit, TaxInvoiceAndInvoiceWithoutTax) {
    const InvoiceDocument doc = WithWidestTexts(BoundaryTaxInvoice(pattern()));
    PrintOptions o = Options(PrintPage::TaxInvoice);
    ExpectEverythingFits(*FillTaxInvoice(doc, o), u"boundary-tax-invoice"_qs + suffix() + u".png"_qs);
    o.withTax = false;
    ExpectEverythingFits(*FillTaxInvoice(doc, o), u"boundary-invoice-without-tax"_qs + suffix() + u".png"_qs);
}

TEST_P(PrintFit, StatementShortAndLongForms) {
    PrintOptions o = Options(PrintPage::Statement);
    o.balance = Money::fromWon(99999999999LL);
    ExpectEverythingFits(*FillStatementSheet(WithWidestTexts(BoundaryStatement(pattern(), 12)), o, 0, false),
                         u"boundary-statement"_qs + suffix() + u".png"_qs);
    ExpectEverythingFits(*FillLongStatement(WithWidestTexts(BoundaryStatement(pattern(), 30)), o),
                         u"boundary-statement-long"_qs + suffix() + u".png"_qs);
}

TEST_P(PrintFit, ReceiptAndQuotation) {
    PrintOptions o = Options(PrintPage::Statement);
    o.statement = false;
    ExpectEverythingFits(*FillReceipt(WithWidestTexts(BoundaryStatement(pattern(), 15)), o),
                         u"boundary-receipt"_qs + suffix() + u".png"_qs);
    QuotationDocument quotation = BoundaryQuotation(pattern());
    quotation.lines[1].quantity = Money::fromRaw(999999999); // 99999.9999
    quotation.lines[1].unitPrice = Money::fromWon(99999);
    ExpectEverythingFits(*FillQuotation(quotation, Options(PrintPage::Quotation)),
                         u"boundary-quotation"_qs + suffix() + u".png"_qs);
}

// Hangul (two bytes a syllable) and capital W (the widest letter a byte).
INSTANTIATE_TEST_SUITE_P(Texts, PrintFit, ::testing::Values("(주)대한민국중공업해양플랜트", "WMWMWM"));
