#pragma once
// Korean code page (CP949) at the edges of the program: document files, the settings file, and every rule
// that counts bytes (widths, cuts, break insertion, name spacing). Text lives in QString everywhere else.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace cp949 {

// The won sign shown on screen. On disk and in every byte count it is the one-byte code 0x5C.
inline constexpr char16_t WonSign = u'\u20A9';

// Encodes text as CP949. A character the code page cannot hold becomes a full-width question mark (two
// bytes), so a byte length computed by byteLength() always equals the length of the encoded text.
QByteArray encode(const QString &text);

// Decodes CP949 bytes. A lone lead byte at the end (half a character left by an old cut) is dropped;
// a byte sequence that is not CP949 becomes U+FFFD, one for each bad byte.
QString decode(const QByteArray &bytes);
QString decode(const char *data, qsizetype size);
// Two decoded pieces with a separator between them, as one string: decode(first) + separator +
// decode(second), without the intermediate strings.
QString decodeJoined(QByteArrayView first, char16_t separator, QByteArrayView second);

// Bytes the text takes in CP949: one for ASCII and the won sign, two for every other character.
int byteLength(const QString &text);

// Bytes one character takes (a surrogate pair counts as one character of two bytes).
int charBytes(char32_t codePoint);

// The longest prefix of the text that takes at most maxBytes bytes; never splits a character.
QString cutToBytes(const QString &text, int maxBytes);

// The longest prefix of CP949 bytes of at most maxBytes that does not end in half a character.
QByteArray cutBytes(const QByteArray &bytes, int maxBytes);

} // namespace cp949
