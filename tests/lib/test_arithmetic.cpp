#include "amount_columns.h"
#include "arithmetic.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
Money won(std::int64_t w) { return Money::fromWon(w); }

// A statement or tax invoice line with quantity, unit price, supply and tax as given.
InvoiceLine line(const char *qty, const char *price, std::int64_t supply = 0, std::int64_t tax = 0) {
    InvoiceLine l;
    l.quantity = ParseAmount(s(qty));
    l.unitPrice = ParseAmount(s(price));
    l.supply = won(supply);
    l.tax = won(tax);
    return l;
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
    auto q = [](const char *text) { return ParseQuantity(s(text)); };
    EXPECT_EQ(LineProductWithCorrection(won(333), q("3")), won(999));
    EXPECT_EQ(LineProductWithCorrection(won(1001), q("2.5")), won(2502));
    EXPECT_EQ(LineProductWithCorrection(won(-333), q("3")), won(-999));
    EXPECT_EQ(LineProductWithCorrection(won(0), q("3")), won(0));
    EXPECT_EQ(LineProductWithCorrection(won(10), q("0.7")), won(7));
    // The nudge of one ten-thousandth is part of the rule: 1.9999 x 1 + 0.0001 is 2.
    EXPECT_EQ(LineProductWithCorrection(won(1), q("1.9999")), won(2));
    EXPECT_EQ(LineProductWithCorrection(won(-1), q("1.9999")), won(-2));
    EXPECT_EQ(LineProductWithoutCorrection(won(1001), q("2.5")), won(2502));
    EXPECT_EQ(LineProductWithoutCorrection(won(-1001), q("2.5")), won(-2502));
    // Decimal quantities whose binary approximation lies just below the product lost a won.
    EXPECT_EQ(LineProductWithoutCorrection(won(1500), q("1.3")), won(1950));
    EXPECT_EQ(LineProductWithoutCorrection(won(90), q("1.3")), won(117));
    EXPECT_EQ(LineProductWithoutCorrection(won(1), q("1.9999")), won(1));
    // Products beyond what a 64-bit fixed-point value holds are refused, not wrapped.
    EXPECT_THROW(LineProductWithoutCorrection(won(999'999'999'999), q("99999999")), AmountTooLargeError);
}

TEST(Rules, IncludedTaxRoundsHalvesToEven) {
    EXPECT_EQ(IncludedTax(won(11000)), won(1000));
    EXPECT_EQ(IncludedTax(Money::fromRaw(605000)), won(6)); // 60.5 / 11 = 5.5 -> 6
    EXPECT_EQ(IncludedTax(Money::fromRaw(495000)), won(4)); // 49.5 / 11 = 4.5 -> 4
    EXPECT_EQ(IncludedTax(won(16)), won(1));                // 1.45 -> 1
    EXPECT_EQ(IncludedTax(won(-11000)), won(-1000));
}

TEST(Quantities, ParsedAsDecimals) {
    EXPECT_EQ(ParseQuantity(s(" 2.5")), Money::fromRaw(25000));
    EXPECT_EQ(ParseQuantity(s("1,000")), won(1000));
    EXPECT_EQ(ParseQuantity(s("-0.0001")), Money::fromRaw(-1));
    EXPECT_EQ(ParseQuantity(s("-")), Money());
    EXPECT_EQ(ParseQuantity(s("")), Money());
    EXPECT_THROW(ParseQuantity(s("2개")), NumberConversionError);
    EXPECT_FALSE(HasTooManyQuantityDecimals(s("1.2345")));
    EXPECT_FALSE(HasTooManyQuantityDecimals(s("12,345")));
    EXPECT_TRUE(HasTooManyQuantityDecimals(s("1.23456")));
}

// --- Line products against exact decimal arithmetic ---

namespace {

// Exact decimal arithmetic of its own, as on paper, to compare the grid arithmetic with: digit strings
// multiplied digit by digit, the decimal point placed by counting.
struct Decimal {
    bool negative = false;
    std::string digits; // without the point, most significant first
    int decimals = 0;   // digits after the point
};

Decimal decimalOf(const std::string &text) {
    Decimal d;
    for (char ch : text) {
        if (ch == '-')
            d.negative = true;
        else if (ch >= '0' && ch <= '9')
            d.digits += ch;
    }
    const auto point = text.find('.');
    d.decimals = point == std::string::npos ? 0 : int(text.size() - point - 1);
    return d;
}

Decimal times(const Decimal &a, const Decimal &b) {
    std::string out(a.digits.size() + b.digits.size(), '0');
    for (int i = int(a.digits.size()) - 1; i >= 0; --i) {
        int carry = 0;
        for (int j = int(b.digits.size()) - 1; j >= 0; --j) {
            const int k = i + j + 1;
            const int v = (out[k] - '0') + (a.digits[i] - '0') * (b.digits[j] - '0') + carry;
            out[k] = char('0' + v % 10);
            carry = v / 10;
        }
        out[i] = char(out[i] + carry);
    }
    return {a.negative != b.negative, out, a.decimals + b.decimals};
}

// The value in ten-thousandths of a won (the product of a whole-won price and a quantity of at most four
// decimals has no more decimals than that).
std::int64_t tenThousandths(const Decimal &d) {
    std::string digits = d.digits + std::string(4, '0');
    digits.resize(digits.size() - d.decimals);
    const std::int64_t v = std::stoll(digits);
    return d.negative ? -v : v;
}

// truncate(p) and truncate(p +- 0.0001), p the exact product, in whole won.
std::int64_t truncatedProduct(const Decimal &p) { return tenThousandths(p) / 10000; }
std::int64_t truncatedProductWithNudge(const Decimal &p) {
    const std::int64_t n = tenThousandths(p);
    return (n > 0 ? n + 1 : n - 1) / 10000;
}

struct RandomLine {
    std::string quantity;
    std::string price;
};

// Quantities with one to four decimals, prices in whole won, half of them round (1,500, 90, 23,000), where
// a product that is exactly whole is most often met; negative prices when asked.
RandomLine randomLine(std::mt19937_64 &rng, bool negativePrices) {
    std::uniform_int_distribution<int> whole(0, 999), decimals(1, 4), digit(0, 9), percent(0, 99), zeros(1, 3);
    std::uniform_int_distribution<std::int64_t> price(1, 999'999), leading(1, 999);
    RandomLine line;
    line.quantity = std::to_string(whole(rng)) + '.';
    for (int i = decimals(rng); i > 0; --i)
        line.quantity += char('0' + digit(rng));
    std::int64_t p = price(rng);
    if (percent(rng) < 50) {
        p = leading(rng);
        for (int i = zeros(rng); i > 0; --i)
            p *= 10;
    }
    line.price = (negativePrices && percent(rng) < 20 ? "-" : "") + std::to_string(p);
    return line;
}

} // namespace

TEST(ExactProducts, TenThousandRandomLinesHaveNoDifference) {
    std::mt19937_64 rng(20261208);
    constexpr int kLines = 10000;
    int differences = 0;

    // Quotations of 20 lines: every amount truncate(quantity x price), and the total their sum.
    for (int done = 0; done < kLines / 2; done += 20) {
        QList<QuotationLine> lines(20);
        std::int64_t expectedTotal = 0;
        QList<std::int64_t> expected;
        for (QuotationLine &l : lines) {
            const RandomLine line = randomLine(rng, false);
            l.quantity = ParseAmount(QString::fromStdString(line.quantity));
            l.unitPrice = ParseAmount(QString::fromStdString(line.price));
            expected << truncatedProduct(times(decimalOf(line.quantity), decimalOf(line.price)));
            expectedTotal += expected.last();
        }
        const QuotationTotals t = RecalculateQuotation(lines);
        for (int i = 0; i < lines.size(); ++i)
            differences += lines[i].amount() != won(expected[i]);
        differences += t.total != won(expectedTotal);
    }

    // Tax invoices of 5 lines: lines computed as Enter in the price column computes them (the rule with
    // correction), and as Enter in the quantity column does (quantity typed after the price).
    for (int done = 0; done < kLines / 2; done += 5) {
        QList<InvoiceLine> lines(5);
        std::int64_t expectedSupply = 0;
        for (int i = 0; i < lines.size(); ++i) {
            const RandomLine line = randomLine(rng, true);
            const Decimal product = times(decimalOf(line.quantity), decimalOf(line.price));
            lines[i].quantity = ParseAmount(QString::fromStdString(line.quantity));
            lines[i].unitPrice = ParseAmount(QString::fromStdString(line.price));
            RecalculateInvoice(lines, i + 1, false);
            differences += lines[i].supply != won(truncatedProductWithNudge(product));
            const Money typedAfter = LineProductWithoutCorrection(lines[i].unitPrice, lines[i].quantity);
            differences += typedAfter != won(truncatedProduct(product));
            expectedSupply += truncatedProductWithNudge(product);
        }
        const InvoiceTotals t = RecalculateInvoice(lines, 1, true);
        differences += t.supply != won(expectedSupply);
    }
    EXPECT_EQ(differences, 0);
}

TEST(InvoiceTotals, AllLinesEmpty) {
    QList<InvoiceLine> lines(5);
    const InvoiceTotals t = RecalculateInvoice(lines, 1, false);
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
    const QStringList expectedLa = {s("0"), s("0"), s("5"), s("4"), s("3"), s("2"),
                                    s("1"), s(" "), s(" "), s(" "), s(" "), s("④")};
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

TEST(RecalculateInvoice, DerivesTheCurrentLinesSupplyUnlessKept) {
    QList<InvoiceLine> lines(30);
    lines[0] = line("3", "333", 0, 99);
    lines[1] = line("2.5", "1001", 5, 250);
    InvoiceTotals t = RecalculateInvoice(lines, 1, false);
    EXPECT_EQ(lines[0].supply, won(999));
    EXPECT_EQ(lines[1].supply, won(5)); // not the current line: left as it stands
    EXPECT_EQ(t.supply, won(1004));
    EXPECT_EQ(t.tax, won(349));

    lines[1].supply = won(777);
    t = RecalculateInvoice(lines, 2, true);
    EXPECT_EQ(lines[1].supply, won(777));
    EXPECT_EQ(t.supply, won(999 + 777));
}

TEST(RecalculateInvoice, SupplyTooLargeForItsColumnIsRefusedAndNothingChanges) {
    QList<InvoiceLine> lines(5);
    lines[0] = line("100000", "999999999");
    const QList<InvoiceLine> before = lines;
    EXPECT_THROW(RecalculateInvoice(lines, 1, false), AmountTooLargeError);
    EXPECT_EQ(lines, before);
    // A negative supply of ten digits does not fit its column either: refused, not shown blank.
    lines[0] = line("-2", "999999999");
    EXPECT_THROW(RecalculateInvoice(lines, 1, false), AmountTooLargeError);
}

TEST(RecalculateQuotation, AmountsAndTheAmountLine) {
    QList<QuotationLine> lines(20);
    lines[0].quantity = ParseAmount(s("2.5"));
    lines[0].unitPrice = won(1001);
    lines[1].unitPrice = won(5000); // quantity 0 makes its amount 0
    const QuotationTotals t = RecalculateQuotation(lines);
    EXPECT_EQ(lines[0].amount(), won(2502));
    EXPECT_EQ(lines[1].amount(), won(0));
    EXPECT_EQ(t.total, won(2502));
    EXPECT_EQ(t.MsgLabel, s(" 一金 : 이천오백이원整  ( ") + FormatMoneyText(won(2502), 16, false) + s(" )"));
    lines[2].quantity = won(100000);
    lines[2].unitPrice = won(999999999);
    EXPECT_THROW(RecalculateQuotation(lines), AmountTooLargeError);
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

// Every value an amount column holds, up to its widest positive and negative values (and with the
// quantity's four decimals), shows whole in its cell and is stored in its slot as text that reads back
// exactly: no stage may cut what the editor accepts.
TEST(AmountColumns, EveryValueHeldShowsWholeAndIsStoredWhole) {
    const AmountColumn columns[] = {AmountColumn::Quantity,
                                    AmountColumn::UnitPrice,
                                    AmountColumn::Supply,
                                    AmountColumn::Tax,
                                    AmountColumn::QuotationQuantity,
                                    AmountColumn::QuotationUnitPrice,
                                    AmountColumn::QuotationAmount};
    for (AmountColumn column : columns) {
        const AmountLimits &limits = LimitsOf(column);
        for (int sign : {1, -1}) {
            if (sign < 0 && !limits.negative) {
                EXPECT_FALSE(Holds(column, won(-1))) << limits.name.toStdString();
                continue;
            }
            // The widest value of nines the column holds, and that one more digit is refused.
            std::int64_t widest = 0;
            while (Holds(column, won(sign * (widest * 10 + 9))))
                widest = widest * 10 + 9;
            ASSERT_GT(widest, 0) << limits.name.toStdString();
            EXPECT_FALSE(Holds(column, won(sign * (widest + 1)))) << limits.name.toStdString();
            QList<Money> values{won(sign * widest), won(sign * (widest / 1000 + 1)), won(sign)};
            if (limits.decimals > 0)
                values << Money::fromRaw(sign * (won(widest / 1000).raw() + 1)) << Money::fromRaw(sign * 1);
            for (Money v : values) {
                if (!Holds(column, v))
                    continue;
                const std::string what = limits.name.toStdString() + " " + DecimalText(v).toStdString();
                EXPECT_EQ(ParseAmount(CellText(column, v)), v) << what;
                const QString stored = StoredText(column, v);
                EXPECT_EQ(ParseAmount(stored), v) << what;
                if (limits.storedBytes > 0) {
                    EXPECT_LE(stored.size(), limits.storedBytes) << what;
                }
            }
        }
    }
    // The values that once came back blank from a file: twelve characters with their minus sign.
    EXPECT_TRUE(Holds(AmountColumn::UnitPrice, won(-999999999)));
    EXPECT_TRUE(Holds(AmountColumn::Tax, won(-999999999)));
    EXPECT_FALSE(Holds(AmountColumn::UnitPrice, won(1000000000)));
}
