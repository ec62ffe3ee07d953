// The calculator's arithmetic, key by key.

#include "calc_engine.h"

#include <gtest/gtest.h>

namespace {

// Feeds keys: digits, ".", "+", "-", "*", "/", "=", "C" (clear), "E" (clear entry), "<" (backspace),
// "~" (negate).
QString Keys(CalcEngine &e, const char *keys) {
    for (const char *k = keys; *k; ++k) {
        switch (*k) {
        case '.': e.point(); break;
        case '+': e.op(CalcEngine::Op::Add); break;
        case '-': e.op(CalcEngine::Op::Subtract); break;
        case '*': e.op(CalcEngine::Op::Multiply); break;
        case '/': e.op(CalcEngine::Op::Divide); break;
        case '=': e.equals(); break;
        case 'C': e.clear(); break;
        case 'E': e.clearEntry(); break;
        case '<': e.backspace(); break;
        case '~': e.negate(); break;
        default: e.digit(*k - '0'); break;
        }
    }
    return e.display();
}

QString Keys(const char *keys) {
    CalcEngine e;
    return Keys(e, keys);
}

} // namespace

TEST(CalcEngine, OperationsApplyInTheOrderTyped) {
    EXPECT_EQ(Keys("12+30="), "42");
    EXPECT_EQ(Keys("2+3*4="), "20");
    EXPECT_EQ(Keys("100-250="), "-150");
    EXPECT_EQ(Keys("7/2="), "3.5");
    EXPECT_EQ(Keys("2+3+"), "5");   // the running total shows when the next operator is pressed
    EXPECT_EQ(Keys("5+*3="), "15"); // a second operator replaces the first
    EXPECT_EQ(Keys("9="), "9");
}

TEST(CalcEngine, RepeatedEqualsRepeatsTheLastOperation) {
    EXPECT_EQ(Keys("2*3==="), "54");
    EXPECT_EQ(Keys("10-1=="), "8");
}

TEST(CalcEngine, DecimalsShowWithoutBinaryNoise) {
    EXPECT_EQ(Keys(".1+.2="), "0.3");
    EXPECT_EQ(Keys("1/3="), "0.33333333333333");
    EXPECT_EQ(Keys("1.10*3="), "3.3");
    EXPECT_EQ(Keys("1..5"), "1.5");  // a second point is ignored
    EXPECT_EQ(Keys("0.50"), "0.50"); // the entry shows as typed
}

// Results carry on at full precision, as on a desk calculator; only the display is rounded.
TEST(CalcEngine, ResultsKeepFullPrecisionBetweenOperations) {
    EXPECT_EQ(Keys("10000/3*3="), "10,000");
    EXPECT_EQ(Keys("10000/3=*3="), "10,000");
    EXPECT_EQ(Keys("1/3=~*3="), "-1"); // a negated result too
    EXPECT_EQ(Keys("1/3=5+1="), "6");  // a new number typed after a result replaces it
}

TEST(CalcEngine, ThousandsSeparatorsInTheIntegerPartOnly) {
    EXPECT_EQ(Keys("1234567.125"), "1,234,567.125");
    EXPECT_EQ(Keys("1234567~"), "-1,234,567");
    EXPECT_EQ(Keys("999*1000="), "999,000");
    EXPECT_EQ(CalcEngine::groupThousands("123"), "123");
    EXPECT_EQ(CalcEngine::groupThousands("-1000.5"), "-1,000.5");
}

TEST(CalcEngine, EntryEditing) {
    EXPECT_EQ(Keys("1234<<"), "12");
    EXPECT_EQ(Keys("5<"), "0");
    EXPECT_EQ(Keys("12+34E5="), "17"); // CE drops the entry, keeps the pending addition
    EXPECT_EQ(Keys("12+34C"), "0");
    EXPECT_EQ(Keys("12+3=<"), "15"); // a result is not edited by backspace
    EXPECT_EQ(Keys("0007"), "7");
    EXPECT_EQ(Keys("1234567890123456789"), "123,456,789,012,345"); // at most 15 digits
}

TEST(CalcEngine, DivisionByZeroShowsAnErrorUntilTheNextNumber) {
    CalcEngine e;
    Keys(e, "5/0=");
    EXPECT_TRUE(e.hasError());
    EXPECT_EQ(e.display(), QString::fromUtf8("0으로 나눌 수 없습니다"));
    EXPECT_EQ(e.plainText(), "0");
    Keys(e, "+"); // operators are ignored while the error shows
    EXPECT_TRUE(e.hasError());
    EXPECT_EQ(Keys(e, "4+4="), "8");
    EXPECT_FALSE(e.hasError());
}

TEST(CalcEngine, VeryLargeResultsSwitchToExponentForm) {
    EXPECT_EQ(Keys("999999999999999*10="), "9.99999999999999e+15");
    CalcEngine e;
    EXPECT_EQ(e.plainText(), "0");
    Keys(e, "12.");
    EXPECT_EQ(e.plainText(), "12");
}
