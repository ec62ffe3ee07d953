#include "codec.h"
#include "print_handlers.h"

#include <gtest/gtest.h>

using namespace report;

namespace {
QString S(const char *utf8) { return QString::fromUtf8(utf8); }
// n Hangul syllables.
QString Hangul(int n) {
    QString s;
    for (int i = 0; i < n; ++i)
        s += QChar(0xAC00 + i * 7);
    return s;
}
} // namespace

TEST(BreakInsertion, TextWithinLimitIsUnchangedWithTrailingBlanks) {
    const QString address = Hangul(21); // 42 bytes
    EXPECT_EQ(BreakInsertion(address, 42), address);
    EXPECT_EQ(BreakInsertion(S("abc  "), 42), S("abc  "));
    EXPECT_EQ(BreakInsertion(QString(), 42), QString());
}

TEST(BreakInsertion, DoubleByteCharacterAcrossTheLimitGoesToTheNextLine) {
    // 41 single bytes then a Hangul syllable at bytes 42-43: the blank goes after byte 41.
    const QString address = QString(41, u'a') + Hangul(1);
    ASSERT_EQ(cp949::byteLength(address), 43);
    EXPECT_EQ(BreakInsertion(address, 42), QString(41, u'a') + kBreakMark + Hangul(1));
    // Byte 42 is the first byte of a syllable (bytes 42-43) after 20 syllables and one letter.
    const QString mixed = Hangul(20) + u'x' + Hangul(2);
    EXPECT_EQ(BreakInsertion(mixed, 42), Hangul(20) + u'x' + kBreakMark + Hangul(2));
}

TEST(BreakInsertion, SecondByteOfASyllableAtTheLimitBreaksBeforeIt) {
    const QString text = Hangul(22); // byte 42 is the second byte of syllable 21
    EXPECT_EQ(BreakInsertion(text, 42), Hangul(20) + kBreakMark + Hangul(22).mid(20));
}

TEST(BreakInsertion, SingleByteCharacterAtTheLimitStaysOnTheFirstLine) {
    const QString text = QString(45, u'b');
    EXPECT_EQ(BreakInsertion(text, 42), QString(42, u'b') + kBreakMark + QString(3, u'b'));
}

TEST(BreakInsertion, TrailingBlanksAreRemovedFirst) {
    EXPECT_EQ(BreakInsertion(QString(40, u'c') + QString(5, u' '), 42), QString(40, u'c'));
    EXPECT_EQ(BreakInsertion(QString(44, u'c') + QStringLiteral("  "), 42),
              QString(42, u'c') + kBreakMark + QStringLiteral("cc"));
}

TEST(BreakInsertion, TheWonSignCountsOneByte) {
    const QString text = QString(u'\u20A9') + QString(42, u'1');
    EXPECT_EQ(BreakInsertion(text, 42), QString(u'\u20A9') + QString(41, u'1') + kBreakMark + u'1');
}

TEST(RepresentativeName, ShortNamesGetTheSealMark) {
    EXPECT_EQ(RepresentativeName(Hangul(3)), Hangul(3) + S("(인)"));
    EXPECT_EQ(RepresentativeName(Hangul(4)), Hangul(4) + S("(인)")); // 8 bytes
    EXPECT_EQ(RepresentativeName(Hangul(3) + QStringLiteral("  ")), Hangul(3) + S("(인)"));
    EXPECT_EQ(RepresentativeName(QString()), S("(인)"));
}

TEST(RepresentativeName, LongNamesGetABreakInsteadOfTheMark) {
    EXPECT_EQ(RepresentativeName(Hangul(5)), Hangul(5));                                 // 10 bytes: unchanged
    EXPECT_EQ(RepresentativeName(Hangul(8)), Hangul(6) + kBreakMark + Hangul(8).mid(6)); // 16 bytes
    EXPECT_EQ(RepresentativeName(QString(9, u'a')), QString(9, u'a'));
}

TEST(ZeroBlank, OnlyASingleZeroIsBlanked) {
    EXPECT_EQ(ZeroBlank(S("0")), QString());
    EXPECT_EQ(ZeroBlank(S("   0 ")), QString());
    EXPECT_EQ(ZeroBlank(S("00")), S("00"));
    EXPECT_EQ(ZeroBlank(S("   1,200")), S("1,200"));
    EXPECT_EQ(ZeroBlank(S("0.5")), S("0.5"));
    EXPECT_EQ(ZeroBlank(QString()), QString());
}

TEST(TotalBlank, TheMoneyTextOfZeroIsBlanked) {
    EXPECT_EQ(TotalBlank(S("             ₩0")), QString());
    EXPECT_EQ(TotalBlank(S("\\0")), QString());
    EXPECT_EQ(TotalBlank(S("    ₩1,000")), S("₩1,000"));
    // Only the money text of zero: a plain "0" is printed (the statements test "0" instead).
    EXPECT_EQ(TotalBlank(S("0")), S("0"));
}

TEST(DateBlank, YearAndSlashAloneIsBlanked) {
    EXPECT_EQ(DateBlank(S("24/")), QString());
    EXPECT_EQ(DateBlank(S(" 24/ ")), QString());
    EXPECT_EQ(DateBlank(S("24/05/20")), S("24/05/20"));
    EXPECT_EQ(DateBlank(S("24/5")), S("24/5"));
}

TEST(TelephoneBlank, EmptyTelephonesAreBlanked) {
    EXPECT_EQ(TelephoneBlank(S("()")), QString());
    EXPECT_EQ(TelephoneBlank(S("( ) -  -")), S(""));
    EXPECT_EQ(TelephoneBlank(S("02-123-4567")), S("02-123-4567"));
    EXPECT_EQ(TelephoneBlank(S("123")), S("123"));
}
