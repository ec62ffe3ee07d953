#include "codec.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <optional>

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
    EXPECT_EQ(decode(QByteArray("a\xFF"
                                "b")),
              QStringLiteral("a\uFFFDb"));
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

// The codec's tables agree with the system converter on every double-byte code and on every character
// of the Basic Multilingual Plane, including the pairs whose trail byte is not one (which must not
// swallow the ASCII byte after a stray lead byte).
TEST(Codec, TablesAgreeWithTheSystemConverterOnEveryCode) {
    iconv_t toUtf16 = iconv_open("UTF-16LE", "CP949");
    iconv_t toCp949 = iconv_open("CP949", "UTF-16LE");
    ASSERT_NE(toUtf16, reinterpret_cast<iconv_t>(-1));
    ASSERT_NE(toCp949, reinterpret_cast<iconv_t>(-1));
    auto convert = [](iconv_t cd, QByteArray in) -> std::optional<QByteArray> {
        char out[8];
        char *inPtr = in.data();
        size_t inLeft = size_t(in.size());
        char *outPtr = out;
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        // Only a whole conversion of both bytes into one character counts (the converter reports a few
        // pairs that it does not convert as done).
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || inLeft != 0 || outPtr - out != 2)
            return std::nullopt;
        return QByteArray(out, outPtr - out);
    };
    int codes = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const char bytes[2] = {char(lead), char(trail)};
            const QByteArray pair(bytes, 2);
            const auto expected = convert(toUtf16, pair);
            const QString got = decode(pair);
            if (expected) {
                ++codes;
                ASSERT_EQ(got, QString::fromUtf16(reinterpret_cast<const char16_t *>(expected->constData()), 1))
                    << std::hex << lead << ' ' << trail;
            } else {
                // The lead byte alone is not a character; the trail byte is read on its own.
                ASSERT_EQ(got.size(), trail < 0x80 ? 2 : (trail >= 0x81 && trail <= 0xFE ? 1 : 2))
                    << std::hex << lead << ' ' << trail;
                ASSERT_EQ(got.at(0), QChar(0xFFFD));
            }
        }
    }
    EXPECT_GT(codes, 17000); // KS X 1001 with the extended Hangul of CP949
    for (char32_t cp = 0x80; cp < 0x10000; ++cp) {
        if (QChar::isSurrogate(cp) || cp == WonSign)
            continue;
        const char16_t unit = char16_t(cp);
        const auto expected = convert(toCp949, QByteArray(reinterpret_cast<const char *>(&unit), sizeof unit));
        const QByteArray got = encode(QString(QChar(unit)));
        ASSERT_EQ(got, expected.value_or(QByteArray("\xA3\xBF"))) << std::hex << unsigned(cp);
    }
    iconv_close(toUtf16);
    iconv_close(toCp949);
}
