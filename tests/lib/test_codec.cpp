#include "codec.h"

#include <gtest/gtest.h>

using namespace cp949;

TEST(Codec, RoundTripsKoreanAndAscii) {
    const QString text = QStringLiteral("세금계산서 ABC 123 (주)한빛");
    const QByteArray bytes = encode(text);
    EXPECT_EQ(bytes.size(), byteLength(text));
    EXPECT_EQ(decode(bytes), text);
    // 가 is B0A1 in the Korean code page.
    EXPECT_EQ(encode(QStringLiteral("가")), QByteArray("\xB0\xA1"));
    // An extended-Hangul syllable of CP949 beyond the 2,350 of the base set.
    EXPECT_EQ(decode(encode(QStringLiteral("똠"))), QStringLiteral("똠"));
}

TEST(Codec, WonSignIsOneByte) {
    const QString money = QStringLiteral("\u20A91,000");
    EXPECT_EQ(byteLength(money), 6);
    EXPECT_EQ(encode(money), QByteArray("\\1,000"));
}

TEST(Codec, UnencodableCharacterTakesTheTwoBytesItIsCountedAs) {
    const QString text = QStringLiteral("a\U0001F600b"); // an emoji: no place in the code page
    EXPECT_EQ(byteLength(text), 4);
    EXPECT_EQ(encode(text).size(), 4);
}

TEST(Codec, DecodeDropsHalfCharacterAtTheEnd) {
    QByteArray bytes = encode(QStringLiteral("한글"));
    bytes.chop(1); // an old program cut the field in the middle of 글
    EXPECT_EQ(decode(bytes), QStringLiteral("한"));
    EXPECT_EQ(decode(QByteArray("\xB0")), QString());
}

TEST(Codec, DecodeReplacesBytesThatAreNotCp949) {
    EXPECT_EQ(decode(QByteArray("a\xFF" "b")), QStringLiteral("a\uFFFDb"));
    EXPECT_EQ(decode(QByteArray("\x80z")), QStringLiteral("\uFFFDz"));
}

TEST(Codec, CutsNeverSplitACharacter) {
    const QString text = QStringLiteral("가나다abc");
    EXPECT_EQ(cutToBytes(text, 5), QStringLiteral("가나"));
    EXPECT_EQ(cutToBytes(text, 6), QStringLiteral("가나다"));
    EXPECT_EQ(cutToBytes(text, 7), QStringLiteral("가나다a"));
    EXPECT_EQ(cutToBytes(text, 0), QString());
    EXPECT_EQ(cutToBytes(text, 100), text);

    const QByteArray bytes = encode(text);
    EXPECT_EQ(cutBytes(bytes, 5), encode(QStringLiteral("가나")));
    EXPECT_EQ(cutBytes(bytes, 1), QByteArray());
    EXPECT_EQ(cutBytes(bytes, 9), bytes);
}
