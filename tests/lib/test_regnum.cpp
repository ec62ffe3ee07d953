#include "regnum.h"

#include <gtest/gtest.h>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// A resident number with a correct check digit for the first twelve digits.
QString withCheckDigit(const QString &twelve) {
    static const int w[12] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += w[i] * (twelve[i].unicode() - u'0');
    return twelve + QString::number((11 - sum % 11) % 10);
}

NumberCheck resident(const QString &n) { return CheckRegistrationNumber(TChkKind::ceCitizen, n); }
NumberCheck business(const QString &n) { return CheckRegistrationNumber(TChkKind::ceBussiness, n); }
} // namespace

TEST(BusinessNumber, WithOrWithoutHyphensChecksTheSame) {
    EXPECT_TRUE(business(s("123-45-67891")).valid);
    EXPECT_TRUE(business(s("1234567891")).valid);
    EXPECT_EQ(business(s("1234567891")).verdict, s("맞아요 !"));
    EXPECT_FALSE(business(s("123-45-67890")).valid);
    EXPECT_EQ(business(s("123-45-67890")).verdict, s("틀려요 !  가짜!!"));
}

TEST(BusinessNumber, MalformedTexts) {
    EXPECT_EQ(business(s("123-4567891")).verdict, s("부정확한 수"));
    EXPECT_EQ(business(s("12345")).verdict, s("부정확한 수"));
    EXPECT_EQ(business(s("12345a7891")).verdict, s("숫자만 됩니다"));
}

TEST(BusinessNumber, NinthDigitCountsBothDigitsOfFiveTimesIt) {
    // d9 = 9: 5 x 9 = 45 adds 4 + 5. S = 1+6+21+4+15+42+7+24 + 9 = 129, so d10 = 1.
    EXPECT_TRUE(business(s("1234567891")).valid);
    // d9 = 1: 5 adds 0 + 5. S = 120 + 5 = 125, so d10 = 5.
    EXPECT_TRUE(business(s("1234567815")).valid);
    EXPECT_FALSE(business(s("1234567816")).valid);
}

TEST(ResidentNumber, CheckDigitRemainders) {
    // r = 0 needs 1, r = 1 needs 0.
    const QString a = withCheckDigit(s("900101100000"));
    EXPECT_TRUE(resident(a).valid);
    EXPECT_EQ(resident(a).verdict, s("맞아요 <맞음>"));
    EXPECT_TRUE(resident(a.left(6) + u'-' + a.mid(6)).valid);
    QString wrong = a;
    wrong[12] = QChar(u'0' + (a[12].unicode() - u'0' + 1) % 10);
    EXPECT_EQ(resident(wrong).verdict, s("틀려요 <가짜!!>"));

    // Search twelve digits whose remainder is 0 and 1 and check the rule at both ends.
    bool seen0 = false, seen1 = false;
    for (int tail = 0; tail < 100 && !(seen0 && seen1); ++tail) {
        const QString twelve = s("8001011") + QString::number(tail).rightJustified(5, u'0');
        static const int w[12] = {2, 3, 4, 5, 6, 7, 8, 9, 2, 3, 4, 5};
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += w[i] * (twelve[i].unicode() - u'0');
        const int r = sum % 11;
        if (r == 0) {
            seen0 = true;
            EXPECT_TRUE(resident(twelve + u'1').valid);
            EXPECT_FALSE(resident(twelve + u'0').valid);
        } else if (r == 1) {
            seen1 = true;
            EXPECT_TRUE(resident(twelve + u'0').valid);
            EXPECT_FALSE(resident(twelve + u'1').valid);
        }
    }
    EXPECT_TRUE(seen0 && seen1);
}

TEST(ResidentNumber, CenturyDigit) {
    for (char d : {'0', '5', '6', '7', '8', '9'})
        EXPECT_EQ(resident(withCheckDigit(s("900101") + QChar(d) + s("00000"))).verdict,
                  s("틀려요 ! 가짜 <성별 부정확>"));
    for (char d : {'1', '2', '3', '4'})
        EXPECT_TRUE(resident(withCheckDigit(s("900101") + QChar(d) + s("00000"))).valid);
}

TEST(ResidentNumber, MonthIsCheckedBeforeTheCenturyDigit) {
    EXPECT_EQ(resident(withCheckDigit(s("900001900000"))).verdict, s("틀려요 ! 가짜 <월>"));
    EXPECT_EQ(resident(withCheckDigit(s("901301100000"))).verdict, s("틀려요 ! 가짜 <월>"));
}

TEST(ResidentNumber, BirthDates) {
    // 29 February: 2000 is a leap year, 1900 is not.
    EXPECT_TRUE(resident(withCheckDigit(s("000229300000"))).valid);
    EXPECT_EQ(resident(withCheckDigit(s("000229100000"))).verdict, s("틀려요 ! 가짜 <날짜>"));
    EXPECT_EQ(resident(withCheckDigit(s("000230300000"))).verdict, s("틀려요 ! 가짜 <2월 날짜>"));
    EXPECT_EQ(resident(withCheckDigit(s("900431100000"))).verdict, s("틀려요 ! 가짜 <날짜>"));
    EXPECT_EQ(resident(withCheckDigit(s("900100100000"))).verdict, s("틀려요 ! 가짜 <날짜>"));
    EXPECT_TRUE(resident(withCheckDigit(s("901231200000"))).valid);
}

TEST(ResidentNumber, MalformedTexts) {
    EXPECT_EQ(resident(s("900101-100000")).verdict, s("부정확한 수"));
    EXPECT_EQ(resident(s("90010a-1000000")).verdict, s("숫자만 됩니다"));
    EXPECT_EQ(resident(s("")).verdict, s("부정확한 수"));
}

TEST(LeapYears, Rule) {
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2024));
    EXPECT_FALSE(IsLeapYear(2023));
}

TEST(SupplierNumberText, SampleNumberBecomesTheReminder) {
    EXPECT_EQ(SupplierNumberText(SampleSupplierNumber()), s("사업자번호를 변경하세요"));
    QString bare = SampleSupplierNumber();
    bare.remove(u'-');
    EXPECT_EQ(SupplierNumberText(u' ' + bare + u' '), s("사업자번호를 변경하세요"));
    EXPECT_EQ(SupplierNumberText(s("220-81-62517")), s("220-81-62517"));
    EXPECT_TRUE(CheckRegistrationNumber(TChkKind::ceBussiness, SampleSupplierNumber()).valid);
}
