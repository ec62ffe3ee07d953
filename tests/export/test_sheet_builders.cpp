// The three export sheets, checked cell by cell against the paper forms they draw.

#include "export_fixtures.h"
#include "sheet_invoice.h"
#include "sheet_quotation.h"
#include "sheet_statement.h"
#include "test_support.h"

#include "amount_columns.h"
#include "regnum.h"
#include "settings_keys.h"
#include "xlsx_writer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>

using namespace sheet;

namespace {

ExportSettings settingsWithMessage(const char *message) {
    ExportSettings s;
    s.message = QString::fromUtf8(message);
    return s;
}

bool hasMerge(const Sheet &s, const char *range) { return s.merges().contains(ParseRange(QLatin1String(range))); }

const Border kHairBlue{LineStyle::Continuous, Weight::Hairline, kFormBlue};
const Border kThinBlue{LineStyle::Continuous, Weight::Thin, kFormBlue};
const Border kThinWhite{LineStyle::Continuous, Weight::Thin, kWhite};
const Border kHairBlack{LineStyle::Continuous, Weight::Hairline, kBlack};
const Border kThinBlack{LineStyle::Continuous, Weight::Thin, kBlack};

// The cell holds the amount as a number the spreadsheet computes with, in the format, showing `shown`; the
// file stores that number (a quantity in the spreadsheet's general format).
::testing::AssertionResult IsNumber(const Sheet &s, const QString &address, Money amount, const QString &format,
                                    const QString &shown) {
    const Cell &c = s.cell(address);
    // The number a spreadsheet reads from the amount's decimal text.
    const double expected = DecimalText(amount).toDouble();
    if (!c.number || *c.number != expected || c.text || c.numberFormat != format || c.value != shown) {
        const QString number = c.number ? QString::number(*c.number, 'f', 4) : QStringLiteral("no number");
        return ::testing::AssertionFailure()
               << address.toStdString() << ": " << number.toStdString() << " as \"" << c.numberFormat.toStdString()
               << "\" showing \"" << c.value.toStdString() << "\"; expected " << DecimalText(amount).toStdString()
               << " as \"" << format.toStdString() << "\" showing \"" << shown.toStdString() << '"';
    }
    const StoredValue stored = StoreValue(c);
    if (stored.kind != StoredValue::Number || stored.number != expected ||
        stored.format != (format == kQuantityFormat ? QString() : format))
        return ::testing::AssertionFailure() << address.toStdString() << " is not stored as the number";
    return ::testing::AssertionSuccess();
}
::testing::AssertionResult IsNumber(const Sheet &s, const char *address, Money amount, const QString &format,
                                    const char *shown) {
    return IsNumber(s, QLatin1String(address), amount, format, QString::fromUtf8(shown));
}

// An empty cell: no value, no number.
::testing::AssertionResult IsEmpty(const Sheet &s, const QString &address) {
    const Cell &c = s.cell(address);
    if (!c.value.isEmpty() || c.number)
        return ::testing::AssertionFailure() << address.toStdString() << " holds \"" << c.value.toStdString() << '"';
    return ::testing::AssertionSuccess();
}

} // namespace

// --- Tax invoice ---

TEST(TaxInvoiceSheet, FrameSizesAndLines) {
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), {});
    EXPECT_EQ(s.name(), QStringLiteral("세금계산서"));
    EXPECT_EQ(s.sheetColumnWidth(), 1);
    EXPECT_EQ(s.sheetRowHeight(), 15);
    for (int r : {5, 6, 7, 8, 11})
        EXPECT_EQ(s.rowHeight(r), 24) << r;
    EXPECT_EQ(s.rowHeight(9), 15);
    EXPECT_EQ(s.columnWidth(4), 2);
    EXPECT_EQ(s.columnWidth(5), 2);
    EXPECT_EQ(s.columnWidth(6), 1);
    // Visible once the sizes are set, before the first line is drawn.
    ASSERT_TRUE(s.visibleAfter());
    EXPECT_LT(*s.visibleAfter(), 20);

    EXPECT_EQ(s.sheetBorder(), kThinWhite);
    EXPECT_EQ(s.format(QStringLiteral("A1")).font, (Font{QStringLiteral("굴림"), 9, false, kFormBlue}));
    EXPECT_EQ(s.border(QStringLiteral("M14"), Edge::Right), kHairBlue);
    EXPECT_EQ(s.border(QStringLiteral("B14"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AN3"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AN19"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("B3"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("B20"), Edge::Bottom), kThinWhite); // outside the form
    // Grouping lines keep the form colour.
    EXPECT_EQ(s.border(QStringLiteral("C5"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("T6"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("V5"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AN5"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("K10"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("K9"), Edge::Right), kHairBlue);
    EXPECT_EQ(s.border(QStringLiteral("AE9"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AD11"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AF11"), Edge::Bottom), kHairBlue);
    // Title and copy label read as one line.
    // (the colour changes, the hairline stays)
    const Border hairWhite{LineStyle::Continuous, Weight::Hairline, kWhite};
    EXPECT_EQ(s.border(QStringLiteral("R3"), Edge::Right), hairWhite);
    EXPECT_EQ(s.border(QStringLiteral("S4"), Edge::Right), hairWhite);
    EXPECT_EQ(s.border(QStringLiteral("R4"), Edge::Left), hairWhite);
    EXPECT_EQ(s.border(QStringLiteral("S3"), Edge::Bottom), hairWhite);
    // The outer frame above and the line below stay.
    EXPECT_EQ(s.border(QStringLiteral("R3"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("S3"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("R4"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("S4"), Edge::Bottom), kThinBlue);
}

TEST(TaxInvoiceSheet, Labels) {
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), {});
    for (const char *m : {"B2:G2", "B3:R4", "S3:AC4", "AD3:AG4", "AH3:AJ3", "AK3:AN3", "B5:B8", "U5:U8", "U9:U11",
                          "AF10:AN11", "F11:I11", "D12:O12", "AG18:AN19", "B20:AN20"})
        EXPECT_TRUE(hasMerge(s, m)) << m;
    EXPECT_EQ(s.value(QStringLiteral("B3")), QStringLiteral("세  금  계  산  서"));
    EXPECT_EQ(s.format(QStringLiteral("B3")).font, (Font{QStringLiteral("굴림"), 18, true, kFormBlue}));
    EXPECT_EQ(s.format(QStringLiteral("B3")).horizontal, HAlign::Right);
    EXPECT_EQ(s.format(QStringLiteral("S3")).horizontal, HAlign::Left);
    EXPECT_TRUE(s.format(QStringLiteral("AD3")).wrap);
    EXPECT_EQ(s.value(QStringLiteral("U5")), QStringLiteral("공급자받는자"));
    EXPECT_EQ(s.format(QStringLiteral("U5")).horizontal, HAlign::Left);
    EXPECT_EQ(s.value(QStringLiteral("J10")), QStringLiteral("백"));
    EXPECT_EQ(s.value(QStringLiteral("T10")), QStringLiteral("일"));
    EXPECT_EQ(s.value(QStringLiteral("V10")), QStringLiteral("십"));
    EXPECT_EQ(s.value(QStringLiteral("AE10")), QStringLiteral("일"));
    EXPECT_EQ(s.value(QStringLiteral("AA18")), QStringLiteral("외상미수금"));
    EXPECT_EQ(s.format(QStringLiteral("B12")).font.colour, kFormBlue);
}

TEST(TaxInvoiceSheet, PartiesDateAndDigits) {
    InvoiceDocument d = sampleTaxInvoice();
    d.supplier.number = SampleSupplierNumber();
    d.buyer.number = SampleSupplierNumber();
    const Sheet s = BuildTaxInvoiceSheet(d, {});
    // The reminder stands in the supplier's number only.
    EXPECT_EQ(s.value(QStringLiteral("F5")), QStringLiteral("사업자번호를 변경하세요"));
    EXPECT_EQ(s.value(QStringLiteral("Z5")), SampleSupplierNumber());
    EXPECT_EQ(s.format(QStringLiteral("F5")).font, (Font{QStringLiteral("굴림"), 13, true, kBlack}));
    EXPECT_EQ(s.value(QStringLiteral("Q6")), QStringLiteral("김철수"));
    EXPECT_EQ(s.value(QStringLiteral("AK6")), QStringLiteral("이영희"));
    EXPECT_EQ(s.value(QStringLiteral("AH8")), QStringLiteral("문구"));
    EXPECT_EQ(s.format(QStringLiteral("Z7")).horizontal, HAlign::Left);
    EXPECT_TRUE(s.format(QStringLiteral("Z7")).wrap);

    // 2005.03.07: the year as the text 05, month and day as typed.
    EXPECT_EQ(s.value(QStringLiteral("B11")), QStringLiteral("05"));
    EXPECT_TRUE(s.cell(QStringLiteral("B11")).text);
    EXPECT_EQ(s.value(QStringLiteral("D11")), QStringLiteral("03"));
    EXPECT_FALSE(s.cell(QStringLiteral("D11")).text);
    EXPECT_EQ(s.value(QStringLiteral("E11")), QStringLiteral("07"));

    // The digit boxes of the totals 1,234,000 and 123,400, and the blank count.
    EXPECT_EQ(s.value(QStringLiteral("F11")), QStringLiteral("④"));
    EXPECT_EQ(s.value(QStringLiteral("M11")), QStringLiteral(" ")); // ten-millions place is blank
    EXPECT_EQ(s.value(QStringLiteral("N11")), QStringLiteral("1")); // millions
    EXPECT_EQ(s.value(QStringLiteral("T11")), QStringLiteral("0")); // units
    EXPECT_EQ(s.value(QStringLiteral("Z11")), QStringLiteral("1")); // tax hundred-thousands
    EXPECT_EQ(s.value(QStringLiteral("AE11")), QStringLiteral("0"));
    EXPECT_EQ(s.format(QStringLiteral("AE11")).font.colour, kBlack);
}

TEST(TaxInvoiceSheet, ItemLinesAsNumbersAndZeroSuppression) {
    InvoiceDocument d = sampleTaxInvoice();
    d.lines[2].item = QStringLiteral("견본"); // text, no amounts
    d.lines[3] = invoiceLine("03/08", "낱개", 0, 1200, 0, 0);
    d.lines[3].quantity = Money::fromRaw(15000); // 1.5
    d.lines[3].supply = won(1800);
    const Sheet s = BuildTaxInvoiceSheet(d, {});
    EXPECT_EQ(s.value(QStringLiteral("B13")), QStringLiteral("03"));
    EXPECT_TRUE(s.cell(QStringLiteral("B13")).text);
    EXPECT_EQ(s.value(QStringLiteral("C13")), QStringLiteral("07"));
    EXPECT_TRUE(s.cell(QStringLiteral("C13")).text);
    EXPECT_EQ(s.value(QStringLiteral("D13")), QStringLiteral("복사용지 A4"));
    EXPECT_EQ(s.value(QStringLiteral("P13")), QStringLiteral("80g"));
    EXPECT_EQ(s.value(QStringLiteral("AK13")), QStringLiteral("박스"));
    // Quantities as their digits, amounts with thousands separators, all numbers to compute with.
    EXPECT_TRUE(IsNumber(s, "U13", won(10), kQuantityFormat, "10"));
    EXPECT_TRUE(IsNumber(s, "X13", won(23400), kAmountFormat, "23,400"));
    EXPECT_TRUE(IsNumber(s, "AB13", won(234000), kAmountFormat, "234,000"));
    EXPECT_TRUE(IsNumber(s, "AG13", won(23400), kAmountFormat, "23,400"));
    EXPECT_TRUE(IsNumber(s, "AB14", won(1000000), kAmountFormat, "1,000,000"));
    EXPECT_TRUE(IsNumber(s, "U16", Money::fromRaw(15000), kQuantityFormat, "1.5"));
    EXPECT_EQ(s.format(QStringLiteral("X13")).horizontal, HAlign::Right);
    EXPECT_TRUE(s.format(QStringLiteral("X13")).shrink);
    EXPECT_EQ(s.format(QStringLiteral("D13")).horizontal, HAlign::Left);
    EXPECT_TRUE(hasMerge(s, "AB17:AF17"));
    // A zero leaves its cell empty, on a line with text and on the empty lines alike.
    for (const char *c : {"U15", "X15", "AB15", "AG15", "AG16", "U17", "X17", "AB17", "AG17"})
        EXPECT_TRUE(IsEmpty(s, QLatin1String(c)));
    EXPECT_EQ(s.value(QStringLiteral("D15")), QStringLiteral("견본"));
    // An empty date column leaves empty text cells.
    EXPECT_EQ(s.value(QStringLiteral("B17")), QString());
}

TEST(TaxInvoiceSheet, PaymentsAsWonNumbersClaimAndFooter) {
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), settingsWithMessage("고맙습니다"));
    // The total is the lines' supply and tax; a payment of 0 leaves its cell empty.
    EXPECT_TRUE(IsNumber(s, "B19", won(1357400), kWonFormat, "₩1,357,400"));
    EXPECT_EQ(s.format(QStringLiteral("B19")).horizontal, HAlign::Right);
    EXPECT_TRUE(s.format(QStringLiteral("B19")).shrink);
    EXPECT_TRUE(IsNumber(s, "I19", won(357400), kWonFormat, "₩357,400"));
    EXPECT_TRUE(IsEmpty(s, QStringLiteral("O19")));
    EXPECT_TRUE(IsEmpty(s, QStringLiteral("U19")));
    EXPECT_TRUE(IsNumber(s, "AA19", won(1000000), kWonFormat, "₩1,000,000"));
    EXPECT_EQ(s.value(QStringLiteral("AG18")), QStringLiteral("이 금액을 청구함"));
    EXPECT_EQ(s.value(QStringLiteral("AF10")), QString());
    EXPECT_EQ(s.value(QStringLiteral("B20")), QStringLiteral("고맙습니다"));
    EXPECT_EQ(s.format(QStringLiteral("B20")).horizontal, HAlign::Left);

    // No lines: no total; a receipt.
    InvoiceDocument receipt = sampleTaxInvoice();
    receipt.receipt = true;
    receipt.lines = InvoiceDocument::empty(false).lines;
    receipt.bill = won(-5000);
    const Sheet r = BuildTaxInvoiceSheet(receipt, {});
    EXPECT_EQ(r.value(QStringLiteral("AG18")), QStringLiteral("이 금액을 영수함"));
    EXPECT_TRUE(IsEmpty(r, QStringLiteral("B19")));
    EXPECT_TRUE(IsNumber(r, "U19", won(-5000), kWonFormat, "-₩5,000"));
}

// The widest negative unit price and tax a line takes stay whole, and so do the totals they make.
TEST(TaxInvoiceSheet, TheWidestNegativeAmountsShowWhole) {
    InvoiceDocument d = InvoiceDocument::empty(false);
    d.lines[0] = invoiceLine("12/31", "반품", 1, -999999999, -999999999, -999999999);
    ASSERT_TRUE(Holds(AmountColumn::UnitPrice, d.lines[0].unitPrice));
    ASSERT_TRUE(Holds(AmountColumn::Supply, d.lines[0].supply));
    ASSERT_TRUE(Holds(AmountColumn::Tax, d.lines[0].tax));
    d.cash = d.total();
    const Sheet s = BuildTaxInvoiceSheet(d, {});
    EXPECT_TRUE(IsNumber(s, "X13", won(-999999999), kAmountFormat, "-999,999,999"));
    EXPECT_TRUE(IsNumber(s, "AB13", won(-999999999), kAmountFormat, "-999,999,999"));
    EXPECT_TRUE(IsNumber(s, "AG13", won(-999999999), kAmountFormat, "-999,999,999"));
    EXPECT_TRUE(IsNumber(s, "B19", won(-1999999998), kWonFormat, "-₩1,999,999,998"));
    EXPECT_TRUE(IsNumber(s, "I19", won(-1999999998), kWonFormat, "-₩1,999,999,998"));
}

TEST(TaxInvoiceSheet, SealPictureOnlyFromAPictureFile) {
    QTemporaryDir dir;
    ExportSettings settings;
    settings.sealPath = dir.filePath(QStringLiteral("dojang.bmp"));
    EXPECT_TRUE(BuildTaxInvoiceSheet(sampleTaxInvoice(), settings).pictures().isEmpty()); // missing

    QFile junk(settings.sealPath);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_TRUE(BuildTaxInvoiceSheet(sampleTaxInvoice(), settings).pictures().isEmpty());

    ASSERT_TRUE(writeSealBitmap(settings.sealPath));
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), settings);
    ASSERT_EQ(s.pictures().size(), 1);
    EXPECT_EQ(s.pictures().at(0).left, 220);
    EXPECT_EQ(s.pictures().at(0).top, 83);
    // The seal is ink: its white paper is transparent, its red ring stays.
    const QImage &seal = s.pictures().at(0).image;
    EXPECT_EQ(seal.pixelColor(1, 1).alpha(), 0);
    EXPECT_EQ(seal.pixelColor(30, 12), QColor(220, 0, 0));
}

// --- Transaction statement ---

TEST(StatementSheet, TwelveLinesFormAndTotals) {
    InvoiceDocument d = sampleStatement(3);
    d.lines[0].quantity = Money();
    d.lines[0].remark = QStringLiteral(" 0 ");
    const Sheet s = BuildStatementSheet(d, settingsWithMessage("명세서 메시지"));
    EXPECT_EQ(s.name(), QStringLiteral("거래명세서"));
    EXPECT_EQ(s.sheetColumnWidth(), 2);
    EXPECT_EQ(s.sheetRowHeight(), 16);
    EXPECT_EQ(s.rowHeight(1), 7);
    EXPECT_EQ(s.rowHeight(3), 5);
    EXPECT_EQ(s.rowHeight(22), 21);
    EXPECT_EQ(s.rowHeight(21), 16);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("F"))), 5);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("D"))), 2);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("W"))), 5);

    EXPECT_EQ(s.value(QStringLiteral("H2")), QStringLiteral("거  래  명  세  표"));
    EXPECT_EQ(s.format(QStringLiteral("H2")).font, (Font{QStringLiteral("명조"), 18, true, kFormBlue}));
    EXPECT_EQ(s.value(QStringLiteral("H3")), QString(28, QChar(u'〓')));
    EXPECT_EQ(s.format(QStringLiteral("T4")).fill, kLightBlue);
    EXPECT_EQ(s.value(QStringLiteral("B4")), QStringLiteral("    No."));

    EXPECT_EQ(s.border(QStringLiteral("W21"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("B5"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("W22"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("W23"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("K15"), Edge::Bottom), kHairBlue);

    // Items, with the zero quantity left out, the amounts as numbers and the remarks as written.
    EXPECT_EQ(s.value(QStringLiteral("B10")), QStringLiteral("03/01"));
    EXPECT_TRUE(s.cell(QStringLiteral("B10")).text);
    EXPECT_EQ(s.value(QStringLiteral("E11")), QStringLiteral("품목 2"));
    EXPECT_EQ(s.value(QStringLiteral("N11")), QStringLiteral("EA"));
    EXPECT_TRUE(IsEmpty(s, QStringLiteral("P10")));
    EXPECT_TRUE(IsNumber(s, "Q10", won(1000), kAmountFormat, "1,000"));
    EXPECT_EQ(s.value(QStringLiteral("W10")), QStringLiteral(" 0 "));
    EXPECT_TRUE(IsNumber(s, "P12", won(3), kQuantityFormat, "3"));
    EXPECT_TRUE(IsNumber(s, "S12", won(3000), kAmountFormat, "3,000"));
    EXPECT_TRUE(IsNumber(s, "U12", won(300), kAmountFormat, "300"));
    EXPECT_EQ(s.format(QStringLiteral("P12")).horizontal, HAlign::Right);
    EXPECT_EQ(s.format(QStringLiteral("W12")).horizontal, HAlign::Left);
    for (const char *c : {"P21", "Q21", "S21", "U21"})
        EXPECT_TRUE(IsEmpty(s, QLatin1String(c)));
    EXPECT_TRUE(hasMerge(s, "U21:V21"));
    EXPECT_FALSE(hasMerge(s, "U22:V22"));

    // Totals in row 22, footer in row 23.
    EXPECT_EQ(s.value(QStringLiteral("B22")), QStringLiteral("미수금"));
    EXPECT_EQ(s.value(QStringLiteral("U22")), QStringLiteral("인수자         (인)"));
    EXPECT_TRUE(IsNumber(s, "J22", won(6000), kWonFormat, "₩6,000"));
    EXPECT_TRUE(IsNumber(s, "O22", won(600), kWonFormat, "₩600"));
    EXPECT_TRUE(IsNumber(s, "S22", won(6600), kWonFormat, "₩6,600"));
    EXPECT_EQ(s.format(QStringLiteral("S22")).horizontal, HAlign::Right);
    for (const char *c : {"B22", "E22", "I22", "M22", "R22", "J22", "O22", "S22"})
        EXPECT_EQ(s.format(QLatin1String(c)).fill, kLightBlue) << c;
    EXPECT_TRUE(hasMerge(s, "U22:W22"));
    EXPECT_TRUE(hasMerge(s, "B23:W23"));
    EXPECT_EQ(s.value(QStringLiteral("B23")), QStringLiteral("명세서 메시지"));
    EXPECT_EQ(s.format(QStringLiteral("B23")).horizontal, HAlign::Left);
}

TEST(StatementSheet, PartiesWithTheReminder) {
    InvoiceDocument d = sampleStatement(1);
    d.supplier.number = SampleSupplierNumber();
    d.buyer.number = SampleSupplierNumber();
    const Sheet s = BuildStatementSheet(d, {});
    EXPECT_EQ(s.value(QStringLiteral("F5")), QStringLiteral("사업자번호를 변경하세요"));
    EXPECT_EQ(s.value(QStringLiteral("Q5")), SampleSupplierNumber());
    EXPECT_EQ(s.format(QStringLiteral("Q5")).font, (Font{QStringLiteral("굴림"), 13, true, kBlack}));
    EXPECT_EQ(s.value(QStringLiteral("K6")), QStringLiteral("김철수"));
    EXPECT_EQ(s.value(QStringLiteral("U8")), QStringLiteral("문구"));
    EXPECT_TRUE(hasMerge(s, "U8:W8"));
    EXPECT_EQ(s.value(QStringLiteral("N5")), QStringLiteral("공급자받는자"));
}

TEST(StatementSheet, LineThirteenDecidesBetweenTwelveAndThirtyLines) {
    InvoiceDocument d = sampleStatement(2);
    d.lines[12].item = QStringLiteral("열세번째");
    const Sheet s = BuildStatementSheet(d, settingsWithMessage("끝"));
    EXPECT_EQ(StatementExtension(d), 18);
    EXPECT_EQ(s.value(QStringLiteral("E22")), QStringLiteral("열세번째"));
    EXPECT_EQ(s.value(QStringLiteral("B39")), QString());
    EXPECT_TRUE(hasMerge(s, "B39:D39"));
    EXPECT_EQ(s.value(QStringLiteral("B40")), QStringLiteral("미수금"));
    EXPECT_EQ(s.rowHeight(40), 21);
    EXPECT_EQ(s.rowHeight(22), 16);
    EXPECT_EQ(s.value(QStringLiteral("B41")), QStringLiteral("끝"));
    EXPECT_EQ(s.border(QStringLiteral("B39"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("C40"), Edge::Bottom), kThinBlue);

    // 1 x -1 and no text: the sum is zero, so line 13 is not exported.
    InvoiceDocument zero = sampleStatement(2);
    zero.lines[12].quantity = won(1);
    zero.lines[12].unitPrice = won(-1);
    EXPECT_EQ(StatementExtension(zero), 0);
    // A line after an empty 13th is exported too: the thirty lines are there.
    InvoiceDocument late = sampleStatement(2);
    late.lines[14].item = QStringLiteral("열다섯번째");
    EXPECT_EQ(StatementExtension(late), 18);
    EXPECT_EQ(BuildStatementSheet(late, {}).value(QStringLiteral("E24")), QStringLiteral("열다섯번째"));
    const Sheet z = BuildStatementSheet(zero, {});
    EXPECT_EQ(z.value(QStringLiteral("B22")), QStringLiteral("미수금"));
    EXPECT_EQ(z.value(QStringLiteral("P22")), QString());

    // A blank size (규격), a date and a remark count nothing; a tax does.
    InvoiceLine line;
    line.spec = QStringLiteral("   ");
    line.date = QStringLiteral("03/13");
    line.remark = QStringLiteral("비고");
    EXPECT_FALSE(StatementLineInUse(line));
    line.tax = won(1000);
    EXPECT_TRUE(StatementLineInUse(line));
    late.lines[20] = line;
    EXPECT_TRUE(IsNumber(BuildStatementSheet(late, {}), "U30", won(1000), kAmountFormat, "1,000"));
    // A line whose supply and tax cancel out counts in the totals, so it is in the sheet too.
    InvoiceDocument cancelling = sampleStatement(12);
    cancelling.lines[12].supply = won(100);
    cancelling.lines[12].tax = won(-100);
    EXPECT_EQ(StatementExtension(cancelling), 18);
    EXPECT_TRUE(IsNumber(BuildStatementSheet(cancelling, {}), "S22", won(100), kAmountFormat, "100"));
}

TEST(StatementSheet, ZeroTotalsStayEmptyButFilled) {
    InvoiceDocument d = sampleStatement(0);
    QTemporaryDir dir;
    ExportSettings settings;
    settings.sealPath = dir.filePath(QStringLiteral("seal.bmp"));
    ASSERT_TRUE(writeSealBitmap(settings.sealPath));
    const Sheet s = BuildStatementSheet(d, settings);
    for (const char *c : {"J22", "O22", "S22"}) {
        EXPECT_TRUE(IsEmpty(s, QLatin1String(c)));
        EXPECT_EQ(s.format(QLatin1String(c)).fill, kLightBlue) << c;
    }
    ASSERT_EQ(s.pictures().size(), 1);
    EXPECT_EQ(s.pictures().at(0).left, 225);
    EXPECT_EQ(s.pictures().at(0).top, 73);
}

// --- Quotation ---

TEST(Quotation, SpreadName) {
    EXPECT_EQ(SpreadName(QStringLiteral("홍길")), QStringLiteral("홍       길"));
    EXPECT_EQ(SpreadName(QStringLiteral("홍길동")), QStringLiteral("홍    길    동"));
    EXPECT_EQ(SpreadName(QStringLiteral("남궁길동")), QStringLiteral("남  궁  길  동"));
    EXPECT_EQ(SpreadName(QStringLiteral("남궁길동이")), QStringLiteral("남궁길동이"));
    EXPECT_EQ(SpreadName(QStringLiteral("홍")), QStringLiteral("홍"));
    EXPECT_EQ(SpreadName(QString()), QString());
    // Byte pieces: two single-byte letters make one piece; a piece never splits a character.
    EXPECT_EQ(SpreadName(QStringLiteral("ab홍")), QStringLiteral("ab       홍"));
    EXPECT_EQ(SpreadName(QStringLiteral("a홍b")), QStringLiteral("a홍b"));
}

TEST(QuotationSheet, FrameInBlackAndTheSupplierRecord) {
    ExportSettings settings;
    settings.sangho = QStringLiteral("한빛상사");
    settings.upjong = QStringLiteral("문구");
    settings.saNo = QStringLiteral("123-45-67891");
    settings.name = QStringLiteral("홍 길 동");
    settings.addr = QStringLiteral("서울 중구");
    settings.tel = QStringLiteral("02-1234-5678");
    const Sheet s = BuildQuotationSheet(sampleQuotation(), settings);
    EXPECT_EQ(s.name(), QStringLiteral("견적서"));
    EXPECT_EQ(s.format(QStringLiteral("Z99")).font.colour, kBlack);
    EXPECT_EQ(s.sheetRowHeight(), 18);
    EXPECT_EQ(s.rowHeight(4), 30);
    EXPECT_EQ(s.rowHeight(11), 2);
    EXPECT_EQ(s.rowHeight(43), 11);
    EXPECT_EQ(s.rowHeight(44), 18);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("F"))), 13);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("L"))), 2);

    EXPECT_EQ(s.value(QStringLiteral("B2")), QStringLiteral("見       積        書"));
    EXPECT_EQ(s.format(QStringLiteral("B2")).font, (Font{QStringLiteral("명조"), 18, true, kBlack}));
    EXPECT_EQ(s.border(QStringLiteral("C20"), Edge::Bottom), kHairBlack);
    EXPECT_EQ(s.border(QStringLiteral("K20"), Edge::Right), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("K43"), Edge::Bottom), kThinBlack);

    // Customer block: open at the top, closed below; supplier block framed.
    EXPECT_EQ(s.value(QStringLiteral("B5")), QStringLiteral("하늘문구  귀하"));
    EXPECT_EQ(s.format(QStringLiteral("B5")).font, (Font{QStringLiteral("굴림"), 16, true, kBlack}));
    EXPECT_EQ(s.border(QStringLiteral("C5"), Edge::Top), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("G5"), Edge::Top), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("C5"), Edge::Bottom), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("B5"), Edge::Left), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("H5"), Edge::Top), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("H5"), Edge::Left), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("F7"), Edge::Right), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("G8"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I5"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I6"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I7"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I8"), Edge::Bottom), kThinBlack);

    EXPECT_EQ(s.value(QStringLiteral("D6")), QStringLiteral("  이영희"));
    EXPECT_EQ(s.value(QStringLiteral("D8")), QStringLiteral(" 2005년03월14일"));
    EXPECT_EQ(s.value(QStringLiteral("F8")), QStringLiteral("051- 742-1234"));
    EXPECT_EQ(s.value(QStringLiteral("H5")), QStringLiteral("한빛상사"));
    EXPECT_EQ(s.format(QStringLiteral("H5")).font.size, 16);
    EXPECT_EQ(s.value(QStringLiteral("H6")), QStringLiteral("문구 사업번호: 123-45-67891"));
    EXPECT_EQ(s.value(QStringLiteral("H7")), QStringLiteral("대     표 :    홍    길    동   [印]"));
    EXPECT_EQ(s.value(QStringLiteral("J10")), QStringLiteral("견적일:2005년03월07일"));
    EXPECT_EQ(s.border(QStringLiteral("B10"), Edge::Left), kThinWhite);
    EXPECT_EQ(s.value(QStringLiteral("B12")), QStringLiteral("금액   一金 : 이십삼만사천원整  (         ₩234,000 )"));
    EXPECT_EQ(s.value(QStringLiteral("B44")), QStringLiteral("한빛상사  Tel.02-1234-5678"));
    EXPECT_EQ(s.format(QStringLiteral("B44")).horizontal, HAlign::Left);
    for (const char *m : {"A11:L11", "A13:L13", "G5:G8", "B43:K43", "C34:E34", "B44:K44"})
        EXPECT_TRUE(hasMerge(s, m)) << m;
    // Rows 9 and 35 stay unmerged, so no margin cell's white edge stands for the lines above them.
    EXPECT_FALSE(hasMerge(s, "A9:L9"));
    EXPECT_FALSE(hasMerge(s, "A35:L35"));
    for (const char *c : {"B9", "F9", "H9", "K9", "B35", "K35"})
        EXPECT_EQ(s.border(QLatin1String(c), Edge::Top).colour, kBlack) << c;
    EXPECT_EQ(s.border(QStringLiteral("G9"), Edge::Top).colour, kWhite);
    // Inside the spacer rows no line shows, as in a merged row.
    for (const char *c : {"C9", "J9", "C35", "J35"})
        EXPECT_EQ(s.border(QLatin1String(c), Edge::Left).colour, kWhite) << c;
}

TEST(QuotationSheet, LineNumbersZerosMemoAndBlankDays) {
    QuotationDocument q = sampleQuotation();
    q.quoteDate = QStringLiteral("    .  .  ");
    q.deliveryDate = QStringLiteral("    .  .  ");
    // Line 3: text without amounts gets no number; line 4: a unit price alone does, its amount 0 stays
    // empty; line 12: 1.5 x 1,001 is 1,501 (the won truncated).
    q.lines[2].item = QStringLiteral("참고 품목");
    q.lines[3].unitPrice = won(5000);
    q.lines[11].quantity = Money::fromRaw(15000);
    q.lines[11].unitPrice = won(1001);
    QTemporaryDir dir;
    ExportSettings settings;
    settings.sealPath = dir.filePath(QStringLiteral("seal.bmp"));
    ASSERT_TRUE(writeSealBitmap(settings.sealPath));
    const Sheet s = BuildQuotationSheet(q, settings);

    EXPECT_EQ(s.value(QStringLiteral("B15")), QStringLiteral(" 1"));
    EXPECT_TRUE(s.cell(QStringLiteral("B15")).text);
    EXPECT_EQ(s.value(QStringLiteral("C15")), QStringLiteral("복사용지 A4"));
    EXPECT_EQ(s.value(QStringLiteral("G15")), QStringLiteral("박스"));
    EXPECT_TRUE(IsNumber(s, "H15", won(10), kQuantityFormat, "10"));
    EXPECT_TRUE(IsNumber(s, "I15", won(23400), kAmountFormat, "23,400"));
    EXPECT_TRUE(IsNumber(s, "J15", won(234000), kAmountFormat, "234,000"));
    EXPECT_EQ(s.format(QStringLiteral("J15")).horizontal, HAlign::Right);
    EXPECT_TRUE(s.format(QStringLiteral("J15")).shrink);
    EXPECT_EQ(s.format(QStringLiteral("K15")).horizontal, HAlign::Left);
    // Line 2 is an empty line: no number, no zeros.
    for (const char *c : {"B16", "H16", "I16", "J16", "B17", "H17", "I17", "J17", "H18", "J18"})
        EXPECT_TRUE(IsEmpty(s, QLatin1String(c)));
    EXPECT_EQ(s.value(QStringLiteral("C17")), QStringLiteral("참고 품목"));
    EXPECT_EQ(s.value(QStringLiteral("B18")), QStringLiteral(" 4"));
    EXPECT_TRUE(IsNumber(s, "I18", won(5000), kAmountFormat, "5,000"));
    EXPECT_EQ(s.value(QStringLiteral("B26")), QStringLiteral("12"));
    EXPECT_TRUE(s.cell(QStringLiteral("B26")).text);
    EXPECT_TRUE(IsNumber(s, "H26", Money::fromRaw(15000), kQuantityFormat, "1.5"));
    EXPECT_TRUE(IsNumber(s, "J26", won(1501), kAmountFormat, "1,501"));
    EXPECT_EQ(s.value(QStringLiteral("B34")), QString());
    EXPECT_EQ(s.value(QStringLiteral("C14")), QStringLiteral("품       목"));

    // Two memo lines: B37, B38; the rest empty.
    EXPECT_EQ(s.value(QStringLiteral("B36")), QStringLiteral(" ※ 참고사항 "));
    EXPECT_EQ(s.value(QStringLiteral("B37")), QStringLiteral("1. 부가세 별도"));
    EXPECT_EQ(s.value(QStringLiteral("B38")), QStringLiteral("2. 견적 유효기간: 30일"));
    for (int r = 39; r <= 43; ++r)
        EXPECT_EQ(s.value(QStringLiteral("B%1").arg(r)), QString()) << r;
    EXPECT_EQ(s.format(QStringLiteral("B40")).horizontal, HAlign::Left);
    EXPECT_EQ(s.border(QStringLiteral("C38"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("C43"), Edge::Bottom), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("C35"), Edge::Bottom), kThinBlack);

    EXPECT_EQ(s.value(QStringLiteral("D8")), QStringLiteral("     년  월  일"));
    EXPECT_EQ(s.value(QStringLiteral("J10")), QStringLiteral("견적일:    년  월  일"));
    ASSERT_EQ(s.pictures().size(), 1);
    EXPECT_EQ(s.pictures().at(0).left, 455);
    EXPECT_EQ(s.pictures().at(0).top, 103);
}

// --- Every amount the columns take, exactly ---

namespace {

// Random amounts each column takes: any number of digits up to the widest, a minus sign where the column
// takes one, decimals where it keeps them, and now and then 0. A fixed seed: the same documents each run.
class HeldAmounts {
public:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    Money operator()(AmountColumn column) {
        if (pick(0, 5) == 0)
            return Money();
        const AmountLimits &limits = LimitsOf(column);
        for (;;) {
            std::int64_t raw = 0;
            for (int i = pick(1, 11); i > 0; --i)
                raw = raw * 10 + pick(0, 9);
            raw *= Money::Scale;
            if (limits.decimals > 0 && pick(0, 2) == 0)
                raw += pick(0, 9999);
            if (limits.negative && pick(0, 2) == 0)
                raw = -raw;
            if (raw != 0 && Holds(column, Money::fromRaw(raw)))
                return Money::fromRaw(raw);
        }
    }

private:
    std::mt19937 rng_{20050307};
};

// Whole won with thousands separators, as the number formats show them.
QString Grouped(Money amount, bool wonSign) {
    QString digits = QString::number(amount.won() < 0 ? -amount.won() : amount.won());
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, u',');
    return (amount.won() < 0 ? QStringLiteral("-") : QString()) + (wonSign ? QStringLiteral("₩") : QString()) + digits;
}

// The cell shows the amount as its column's number, or is empty for 0.
::testing::AssertionResult Shows(const Sheet &s, const QString &address, Money amount, AmountColumn column) {
    if (amount.raw() == 0)
        return IsEmpty(s, address);
    const bool quantity = column == AmountColumn::Quantity || column == AmountColumn::QuotationQuantity;
    return IsNumber(s, address, amount, quantity ? kQuantityFormat : kAmountFormat,
                    quantity ? DecimalText(amount) : Grouped(amount, false));
}

// A total or payment: a number with the won sign, or empty for 0.
::testing::AssertionResult ShowsWon(const Sheet &s, const QString &address, Money amount) {
    return amount.raw() == 0 ? IsEmpty(s, address) : IsNumber(s, address, amount, kWonFormat, Grouped(amount, true));
}

InvoiceLine RandomInvoiceLine(HeldAmounts &held) {
    InvoiceLine l;
    l.quantity = held(AmountColumn::Quantity);
    l.unitPrice = held(AmountColumn::UnitPrice);
    l.supply = held(AmountColumn::Supply);
    l.tax = held(AmountColumn::Tax);
    return l;
}

} // namespace

TEST(SheetAmounts, EveryAmountTheColumnsTakeIsInTheSheetExactly) {
    HeldAmounts held;
    const auto cell = [](const char *col, int row) { return QLatin1String(col) + QString::number(row); };
    for (int round = 0; round < 12; ++round) {
        SCOPED_TRACE(round);

        InvoiceDocument invoice = InvoiceDocument::empty(false);
        Money supply, tax;
        for (InvoiceLine &l : invoice.lines) {
            l = RandomInvoiceLine(held);
            supply += l.supply;
            tax += l.tax;
        }
        invoice.cash = held(AmountColumn::Supply);
        invoice.check = held(AmountColumn::Supply);
        invoice.bill = held(AmountColumn::Supply);
        invoice.credit = held(AmountColumn::Supply);
        const Sheet t = BuildTaxInvoiceSheet(invoice, {});
        for (int g = 0; g < 5; ++g) {
            const InvoiceLine &l = invoice.lines.at(g);
            EXPECT_TRUE(Shows(t, cell("U", 13 + g), l.quantity, AmountColumn::Quantity));
            EXPECT_TRUE(Shows(t, cell("X", 13 + g), l.unitPrice, AmountColumn::UnitPrice));
            EXPECT_TRUE(Shows(t, cell("AB", 13 + g), l.supply, AmountColumn::Supply));
            EXPECT_TRUE(Shows(t, cell("AG", 13 + g), l.tax, AmountColumn::Tax));
        }
        EXPECT_TRUE(ShowsWon(t, QStringLiteral("B19"), supply + tax));
        EXPECT_TRUE(ShowsWon(t, QStringLiteral("I19"), invoice.cash));
        EXPECT_TRUE(ShowsWon(t, QStringLiteral("O19"), invoice.check));
        EXPECT_TRUE(ShowsWon(t, QStringLiteral("U19"), invoice.bill));
        EXPECT_TRUE(ShowsWon(t, QStringLiteral("AA19"), invoice.credit));

        // Every third statement within twelve lines, the others on any of the thirty.
        InvoiceDocument statement = InvoiceDocument::empty(true);
        const int used = round % 3 == 0 ? 12 : 30;
        supply = tax = Money();
        for (int i = 0; i < used; ++i) {
            if (held.pick(0, 1) == 0)
                continue;
            InvoiceLine &l = statement.lines[i];
            l = RandomInvoiceLine(held);
            l.item = QStringLiteral("품목");
            supply += l.supply;
            tax += l.tax;
        }
        const Sheet s = BuildStatementSheet(statement, {});
        const int shown = StatementExtension(statement) == 0 ? 12 : 30;
        for (int i = 0; i < 30; ++i) {
            const InvoiceLine &l = statement.lines.at(i);
            if (i >= shown) {
                EXPECT_TRUE(l.isEmpty()) << "line " << i + 1 << " is not in the sheet";
                continue;
            }
            EXPECT_TRUE(Shows(s, cell("P", 10 + i), l.quantity, AmountColumn::Quantity));
            EXPECT_TRUE(Shows(s, cell("Q", 10 + i), l.unitPrice, AmountColumn::UnitPrice));
            EXPECT_TRUE(Shows(s, cell("S", 10 + i), l.supply, AmountColumn::Supply));
            EXPECT_TRUE(Shows(s, cell("U", 10 + i), l.tax, AmountColumn::Tax));
        }
        const int totals = 10 + shown;
        EXPECT_EQ(s.value(cell("B", totals)), QStringLiteral("미수금"));
        EXPECT_TRUE(ShowsWon(s, cell("J", totals), supply));
        EXPECT_TRUE(ShowsWon(s, cell("O", totals), tax));
        EXPECT_TRUE(ShowsWon(s, cell("S", totals), supply + tax));

        // Quotation lines whose amount (quantity x unit price, the won truncated) its column takes.
        QuotationDocument quotation;
        Money total;
        std::vector<Money> amounts;
        for (QuotationLine &l : quotation.lines) {
            Money amount;
            do {
                l.quantity = held(AmountColumn::QuotationQuantity);
                l.unitPrice = held(AmountColumn::QuotationUnitPrice);
                const std::int64_t q = l.quantity.raw(), p = l.unitPrice.won(); // neither negative here
                amount = Money::fromWon(q / Money::Scale * p + q % Money::Scale * p / Money::Scale);
            } while (!Holds(AmountColumn::QuotationAmount, amount));
            amounts.push_back(amount);
            total += amount;
        }
        const Sheet q = BuildQuotationSheet(quotation, {});
        for (int i = 0; i < 20; ++i) {
            const QuotationLine &l = quotation.lines.at(i);
            EXPECT_TRUE(Shows(q, cell("H", 15 + i), l.quantity, AmountColumn::QuotationQuantity));
            EXPECT_TRUE(Shows(q, cell("I", 15 + i), l.unitPrice, AmountColumn::QuotationUnitPrice));
            EXPECT_TRUE(Shows(q, cell("J", 15 + i), amounts[size_t(i)], AmountColumn::QuotationAmount));
        }
        EXPECT_TRUE(q.value(QStringLiteral("B12")).contains(u' ' + Grouped(total, true) + QStringLiteral(" )")))
            << q.value(QStringLiteral("B12")).toStdString() << " for " << Grouped(total, true).toStdString();
    }
}
