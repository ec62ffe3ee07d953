#include "errors.h"
#include "money.h"

#include <gtest/gtest.h>

namespace {
Money won(std::int64_t w) { return Money::fromWon(w); }
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

TEST(AmountInWords, HangulWords) {
    EXPECT_EQ(AmountInWords(0, won(1234000)), s("일백이십삼만사천원"));
    EXPECT_EQ(AmountInWords(0, won(1000)), s("일천원"));
    EXPECT_EQ(AmountInWords(0, won(20005)), s("이만오원"));
    EXPECT_EQ(AmountInWords(0, won(10)), s("일십원"));
    EXPECT_EQ(AmountInWords(0, won(110)), s("일백일십원"));
    EXPECT_EQ(AmountInWords(0, won(10000)), s("일만원"));
    EXPECT_EQ(AmountInWords(0, won(1000000)), s("일백만원"));
}

TEST(AmountInWords, EmptyGroupsAddNoGroupWord) {
    EXPECT_EQ(AmountInWords(0, won(100000000)), s("일억원"));
    EXPECT_EQ(AmountInWords(0, won(100010000)), s("일억일만원"));
    EXPECT_EQ(AmountInWords(0, won(1000000000001)), s("일조일원"));
}

TEST(AmountInWords, HanjaTableKeepsHangulWon) { EXPECT_EQ(AmountInWords(1, won(1234000)), s("壹百貳拾參萬四千원")); }

TEST(AmountInWords, FractionDroppedZeroAndNegativeGiveWonOnly) {
    EXPECT_EQ(AmountInWords(0, Money::fromRaw(123456700)), s("일만이천삼백사십오원"));
    EXPECT_EQ(AmountInWords(0, won(0)), s("원"));
    EXPECT_EQ(AmountInWords(0, won(-500)), s("원"));
    EXPECT_EQ(AmountInWords(0, Money::fromRaw(9999)), s("원"));
}

TEST(FormatAmountText, RightAlignedWithoutDecimals) {
    EXPECT_EQ(FormatAmountText(won(0), 10), s("      0"));
    EXPECT_EQ(FormatAmountText(won(1234000), 15), s("   1,234,000"));
    EXPECT_EQ(FormatAmountText(won(-1000), 15), s("      -1,000"));
    EXPECT_EQ(FormatAmountText(won(999999999), 15), s("999,999,999"
                                                      "")
                                                        .rightJustified(12));
    EXPECT_EQ(FormatAmountText(won(9999999999), 16), s("9,999,999,999"));
}

TEST(FormatAmountText, TooWideForTheColumnIsBlank) {
    EXPECT_EQ(FormatAmountText(won(1000000000), 15), QString(12, u' '));
    EXPECT_EQ(FormatAmountText(won(1000000000), 14), QString(11, u' '));
    EXPECT_EQ(FormatAmountText(won(10000000000), 16), QString(13, u' '));
    EXPECT_EQ(FormatAmountText(won(10000000), 10), QString(7, u' '));
}

TEST(FormatAmountText, DecimalsRoundBeforeTheyFallAway) {
    EXPECT_EQ(FormatAmountText(Money::fromRaw(12345 * 10000 + 6700), 15), s("      12,345"));
    EXPECT_EQ(FormatAmountText(Money::fromRaw(12345 * 10000 + 9999), 15), s("      12,346"));
}

TEST(FormatMoneyText, WonSignThousandsNoDecimals) {
    EXPECT_EQ(FormatMoneyText(won(1234000), 16, false), s("      \u20A91,234,000"));
    EXPECT_EQ(FormatMoneyText(won(1234000), 16, true), s("       1,234,000"));
    EXPECT_EQ(FormatMoneyText(won(0), 5, false), s("   \u20A90"));
    EXPECT_EQ(FormatMoneyText(won(-1500), 10, false), s("   -\u20A91,500"));
    EXPECT_EQ(FormatMoneyText(Money::fromRaw(15000), 4, true), s("   2"));
}

TEST(FormatMoneyText, TextWiderThanTheFieldIsKeptWhole) {
    // The amount must never vanish into blanks or turn into another number.
    EXPECT_EQ(FormatMoneyText(won(123456789), 5, false), s("\u20A9123,456,789"));
}

TEST(ParseAmount, BlanksCommasAndSigns) {
    EXPECT_EQ(ParseAmount(s("  1,234  ")), won(1234));
    EXPECT_EQ(ParseAmount(s("-")), won(0));
    EXPECT_EQ(ParseAmount(s("")), won(0));
    EXPECT_EQ(ParseAmount(s(" , - ")), won(0));
    EXPECT_EQ(ParseAmount(s("-1,000")), won(-1000));
    EXPECT_EQ(ParseAmount(s("12.5")), Money::fromRaw(125000));
    EXPECT_EQ(ParseAmount(s(".5")), Money::fromRaw(5000));
    EXPECT_EQ(ParseAmount(s("0.00005")), Money::fromRaw(1));
    EXPECT_EQ(ParseAmount(s("-0.00004")), Money::fromRaw(0));
    EXPECT_EQ(ParseAmount(FormatAmountText(won(987654321), 15)), won(987654321));
}

TEST(ParseAmount, TextThatIsNoNumberRaisesWithTheText) {
    for (const char *bad : {"abc", "1-2", "--5", "1.2.3", "12원", "1e5", "."}) {
        try {
            ParseAmount(s(bad));
            ADD_FAILURE() << "accepted " << bad;
        } catch (const NumberConversionError &e) {
            EXPECT_TRUE(e.message().contains(s(bad))) << e.what();
        }
    }
    // Larger than the money type can hold.
    EXPECT_THROW(ParseAmount(s("99999999999999999999")), NumberConversionError);
}

TEST(TextHelpers, Padding) {
    EXPECT_EQ(PadLeftChar(u'0', s("7"), 3), s("007"));
    EXPECT_EQ(PadLeftChar(u'0', s(" 12 "), 3), s("012"));
    EXPECT_EQ(PadLeftChar(u'x', s("1234"), 11), s("xxxxxxx1234"));
    EXPECT_EQ(PadLeftChar(u'0', s("1234"), 3), s("1234")); // never a run of 255 fill characters
    EXPECT_EQ(PadLeftTo(s("가"), 4), s("  가"));           // widths count bytes
    EXPECT_EQ(PadLeftTo(s("12345"), 3), s("12345"));
    EXPECT_EQ(RepeatChar(u'x', 0), QString());
    EXPECT_EQ(RepeatChar(u'x', 3), s("xxx"));
    EXPECT_EQ(RepeatChar(QChar(), 3), QString());
}

TEST(TextHelpers, RemovingAndTrimming) {
    EXPECT_EQ(RemoveChar(u',', s("  1,234,000 ")), s("1234000"));
    EXPECT_EQ(RemoveBlanks(s(" a b  c ")), s("abc"));
    EXPECT_EQ(TrimLeftText(s(" \t\r\n가나 ")), s("가나 "));
    EXPECT_EQ(TrimRightText(s(" 가나\r\n\t ")), s(" 가나"));
}
