#include "texts.h"

#include <gtest/gtest.h>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

TEST(Phone, StoredAndDisplayFormsRoundTrip) {
    EXPECT_EQ(PhoneDisplayText(s("(031)123-4567")), s("031- 123-4567"));
    EXPECT_EQ(PhoneStoredText(s("031- 123-4567"), 4), s("( 031) 123-4567"));
    EXPECT_EQ(PhoneDisplayText(s("( 031) 123-4567")), s("031- 123-4567"));
    EXPECT_EQ(PhoneDisplayText(s("(  02)1234-5678")), s(" 02-1234-5678"));
    EXPECT_EQ(PhoneStoredText(s("02-1234-5678"), 4), s("(  02)1234-5678"));
}

TEST(Phone, LocalPartSplitsBeforeTheLastFourDigits) {
    EXPECT_EQ(PhoneStoredText(s("031-1234567"), 4), s("( 031) 123-4567"));
    EXPECT_EQ(PhoneStoredText(s("031-12345678"), 4), s("( 031)1234-5678"));
    EXPECT_EQ(PhoneDisplayText(s("(031)12345678")), s("031-1234-5678"));
}

TEST(Phone, NumberTypedWithoutHyphensKeepsEveryCharacter) {
    EXPECT_EQ(PhoneStoredText(s("0311234567"), 4), s("0311234567"));
    EXPECT_EQ(PhoneDisplayText(s("0311234567")), s("0311234567"));
    EXPECT_EQ(PhoneStoredText(s("031-"), 4), s("031-"));
    EXPECT_EQ(PhoneDisplayText(s("031-")), s("031-"));
    EXPECT_EQ(PhoneDisplayText(s("")), s(""));
    EXPECT_EQ(PhoneStoredText(s(""), 4), s(""));
}

TEST(Phone, AreaOnlyInParentheses) { EXPECT_EQ(PhoneDisplayText(s("(031)")), s("031")); }

TEST(DateText, CompleteOrEmpty) {
    EXPECT_TRUE(IsDateTextComplete(u'.', s("2001.05.27")));
    EXPECT_TRUE(IsDateTextComplete(u'.', s("    .  .  ")));
    EXPECT_FALSE(IsDateTextComplete(u'.', s("2001.05.2 ")));
    EXPECT_FALSE(IsDateTextComplete(u'.', s("2001.05.2")));
    EXPECT_TRUE(IsDateTextComplete(u'.', s("2001.13.45")));
}

TEST(WinVersion, TableRows) {
    auto code = [](int platform, int major, int minor, quint32 build = 0, const char *sp = "") {
        return WinVersionCode({platform, major, minor, build, QString::fromLatin1(sp)});
    };
    EXPECT_EQ(code(0, 0, 0), 1);
    EXPECT_EQ(code(1, 4, 0, 0, " B"), 4);
    EXPECT_EQ(code(1, 4, 0, 0, " C"), 3);
    EXPECT_EQ(code(1, 4, 10, 0, " A"), 6);
    EXPECT_EQ(code(1, 4, 10), 5);
    EXPECT_EQ(code(1, 4, 90, 0x045A0BB8u), 7);
    EXPECT_EQ(code(1, 4, 90, 0x045A0BB9u), 0);
    EXPECT_EQ(code(1, 4, 50), 2);
    EXPECT_EQ(code(2, 3, 51), 9);
    EXPECT_EQ(code(2, 4, 0), 10);
    EXPECT_EQ(code(2, 5, 0), 11);
    EXPECT_EQ(code(2, 5, 1), 12);
    EXPECT_EQ(code(2, 5, 2), 13);
    EXPECT_EQ(code(2, 5, 3), 8);
    EXPECT_EQ(code(2, 6, 1), 14);
    EXPECT_EQ(code(2, 10, 0), 0);
    EXPECT_EQ(code(3, 0, 0), 0);
    // Code 14, the one the main window's layout asks about, belongs to the NT line's version 6 alone.
    for (int platform = 0; platform <= 3; ++platform)
        for (int major = 0; major <= 10; ++major)
            for (int minor : {0, 1, 2, 3, 10, 90})
                EXPECT_EQ(code(platform, major, minor) == 14, platform == 2 && major == 6)
                    << platform << ' ' << major << '.' << minor;
}
