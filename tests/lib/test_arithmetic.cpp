#include "arithmetic.h"

#include <gtest/gtest.h>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
Money won(std::int64_t w) { return Money::fromWon(w); }

// A statement or tax invoice row with quantity, unit price, supply and tax typed as given.
QStringList row(GridKind kind, const char *qty, const char *price, const char *supply = "0", const char *tax = "0") {
    QStringList r = EmptyItemRow(kind, 1);
    const InvoiceColumns c = ColumnsOf(kind);
    r[c.quantity] = s(qty);
    r[c.unitPrice] = s(price);
    r[c.supply] = s(supply);
    r[c.tax] = s(tax);
    return r;
}
} // namespace

TEST(Rules, TaxRuleTruncatesTowardZero) {
    EXPECT_EQ(TaxRule(won(12345)), won(1234));
    EXPECT_EQ(TaxRule(won(-12345)), won(-1234));
    EXPECT_EQ(TaxRule(won(1000)), won(100));
    EXPECT_EQ(TaxRule(won(9)), won(0));
}

TEST(Rules, TaxCheckToleratesTwoWon) {
    EXPECT_EQ(TaxCheck(won(10000), won(1002)), won(1002));
    EXPECT_EQ(TaxCheck(won(10000), won(998)), won(998));
    EXPECT_EQ(TaxCheck(won(10000), won(1003)), won(1000));
    EXPECT_EQ(TaxCheck(won(10000), won(997)), won(1000));
}

TEST(Rules, LineProducts) {
    EXPECT_EQ(LineProductWithCorrection(won(333), 3), won(999));
    EXPECT_EQ(LineProductWithCorrection(won(1001), 2.5L), won(2502));
    EXPECT_EQ(LineProductWithCorrection(won(-333), 3), won(-999));
    EXPECT_EQ(LineProductWithCorrection(won(0), 3), won(0));
    // 0.7 x 10 would truncate to 6 in binary floating point without the nudge.
    EXPECT_EQ(LineProductWithCorrection(won(10), 0.7L), won(7));
    EXPECT_EQ(LineProductWithoutCorrection(won(1001), 2.5L), won(2502));
    EXPECT_EQ(LineProductWithoutCorrection(won(-1001), 2.5L), won(-2502));
}

TEST(Rules, IncludedTaxRoundsHalvesToEven) {
    EXPECT_EQ(IncludedTax(won(11000)), won(1000));
    EXPECT_EQ(IncludedTax(Money::fromRaw(605000)), won(6));   // 60.5 / 11 = 5.5 -> 6
    EXPECT_EQ(IncludedTax(Money::fromRaw(495000)), won(4));   // 49.5 / 11 = 4.5 -> 4
    EXPECT_EQ(IncludedTax(won(16)), won(1));                  // 1.45 -> 1
    EXPECT_EQ(IncludedTax(won(-11000)), won(-1000));
}

TEST(Quantities, ParsedAsDecimals) {
    EXPECT_EQ(ParseQuantity(s(" 2.5")), 2.5L);
    EXPECT_EQ(ParseQuantity(s("1,000")), 1000.0L);
    EXPECT_EQ(ParseQuantity(s("-")), 0.0L);
    EXPECT_EQ(ParseQuantity(s("")), 0.0L);
    EXPECT_THROW(ParseQuantity(s("2개")), NumberConversionError);
}

TEST(InvoiceTotals, AllLinesEmpty) {
    QList<QStringList> rows = EmptyItemRows(GridKind::TaxInvoice);
    const InvoiceTotals t = RecalculateInvoice(rows, GridKind::TaxInvoice, 1, false);
    EXPECT_EQ(t.La.value(0), s("0"));
    for (int i = 1; i < 11; ++i)
        EXPECT_EQ(t.La[i], s(" ")) << i;
    EXPECT_EQ(t.La[11], s("⑩"));
    EXPECT_EQ(t.Lb.value(0), s("0"));
    EXPECT_EQ(t.Lb.value(9), s(" "));
    EXPECT_EQ(t.Totmy, s("0"));
}

TEST(InvoiceTotals, DigitBoxesAndBlankCount) {
    const InvoiceTotals t = ShowInvoiceTotals(won(1234500), won(123450));
    const QStringList expectedLa = {s("0"), s("0"), s("5"), s("4"), s("3"), s("2"), s("1"),
                                    s(" "), s(" "), s(" "), s(" "), s("④")};
    EXPECT_EQ(t.La, expectedLa);
    EXPECT_EQ(t.Lb.mid(0, 7), (QStringList{s("0"), s("5"), s("4"), s("3"), s("2"), s("1"), s(" ")}));
    EXPECT_EQ(t.Totmy, s("1,357,950"));
    EXPECT_EQ(t.gMnyEdt, s("1,234,500"));
    EXPECT_EQ(t.gVatEdt, s("123,450"));
    EXPECT_FALSE(t.supplyOverflow);
}

TEST(InvoiceTotals, TotalsTooLongForTheBoxesShowOverflowNotWrongDigits) {
    const InvoiceTotals a = ShowInvoiceTotals(won(123456789012), won(0)); // 12 digits
    EXPECT_TRUE(a.supplyOverflow);
    for (const QString &box : a.La)
        EXPECT_EQ(box, s("#"));
    const InvoiceTotals b = ShowInvoiceTotals(won(99999999999), won(12345678901)); // 11 and 11 digits
    EXPECT_FALSE(b.supplyOverflow);
    EXPECT_EQ(b.La[11], s("0"));
    EXPECT_TRUE(b.taxOverflow);
    EXPECT_EQ(b.Lb[0], s("#"));
}

TEST(RecalculateInvoice, DerivesTheCurrentRowsSupplyUnlessKept) {
    QList<QStringList> rows = EmptyItemRows(GridKind::Statement);
    rows[0] = row(GridKind::Statement, "3", "333", "0", "99");
    rows[1] = row(GridKind::Statement, "2.5", "1,001", "5", "250");
    InvoiceTotals t = RecalculateInvoice(rows, GridKind::Statement, 1, false);
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    EXPECT_EQ(rows[0][c.supply], FormatAmountText(won(999), 16));
    EXPECT_EQ(rows[1][c.supply], s("5")); // not the current row: left as it stands
    EXPECT_EQ(t.supply, won(1004));
    EXPECT_EQ(t.tax, won(349));

    rows[1][c.supply] = s("777");
    t = RecalculateInvoice(rows, GridKind::Statement, 2, true);
    EXPECT_EQ(rows[1][c.supply], s("777"));
    EXPECT_EQ(t.supply, won(999 + 777));
}

TEST(RecalculateInvoice, EmptyAmountCellsBecomeZero) {
    QList<QStringList> rows = EmptyItemRows(GridKind::TaxInvoice);
    const InvoiceColumns c = ColumnsOf(GridKind::TaxInvoice);
    rows[2][c.tax] = s("   ");
    rows[2][c.quantity] = QString();
    RecalculateInvoice(rows, GridKind::TaxInvoice, 1, true);
    EXPECT_EQ(rows[2][c.tax], s("0"));
    EXPECT_EQ(rows[2][c.quantity], s("0"));
}

TEST(RecalculateInvoice, SupplyTooLargeForItsCellIsRefusedAndNothingChanges) {
    QList<QStringList> rows = EmptyItemRows(GridKind::TaxInvoice);
    rows[0] = row(GridKind::TaxInvoice, "100000", "999999999");
    const QList<QStringList> before = rows;
    EXPECT_THROW(RecalculateInvoice(rows, GridKind::TaxInvoice, 1, false), AmountTooLargeError);
    EXPECT_EQ(rows, before);
}

TEST(RecalculateQuotation, AmountsAndTheAmountLine) {
    QList<QStringList> rows = EmptyItemRows(GridKind::Quotation);
    rows[0][kcol::quantity] = s("2.5");
    rows[0][kcol::unitPrice] = s("1,001");
    rows[1][kcol::quantity] = s("0");
    rows[1][kcol::unitPrice] = s("5,000");
    rows[1][kcol::amount] = s("5,000"); // typed, but quantity 0 makes it 0
    const QuotationTotals t = RecalculateQuotation(rows);
    EXPECT_EQ(rows[0][kcol::amount], FormatAmountText(won(2502), 16));
    EXPECT_EQ(rows[1][kcol::amount], FormatAmountText(won(0), 16));
    EXPECT_EQ(t.total, won(2502));
    EXPECT_EQ(t.MsgLabel, s(" 一金 : 이천오백이원整  ( ") + FormatMoneyText(won(2502), 16, false) + s(" )"));
}

TEST(AmountCells, RefuseWhatTheColumnCannotShow) {
    EXPECT_EQ(AmountCellText(won(999999999), 15), FormatAmountText(won(999999999), 15));
    try {
        AmountCellText(won(1000000000), 15);
        FAIL();
    } catch (const AmountTooLargeError &e) {
        EXPECT_TRUE(e.message().contains(s("999,999,999"))) << e.what();
    }
    EXPECT_TRUE(FitsAmountCell(won(9999999999), 16));
    EXPECT_FALSE(FitsAmountCell(won(10000000000), 16));
}

TEST(BlankCount, Marks) {
    EXPECT_EQ(BlankCountMark(0), s("0"));
    EXPECT_EQ(BlankCountMark(4), s("④"));
    EXPECT_EQ(BlankCountMark(15), s("⑮"));
}
