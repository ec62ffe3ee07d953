#include "codec.h"

#include <iconv.h>

#include <cstdint>
#include <vector>

namespace cp949 {
namespace {

// The code page as two tables, built once from iconv on first use: every double-byte code to its
// character, and every character of the Basic Multilingual Plane back to its code. CP949 maps only into
// that plane and no two codes share a character, so one table is the other turned round.
class Tables {
public:
    Tables() : decode_(size_t(kLeadCount) * 256, 0), encode_(0x10000, 0) {
        iconv_t cd = iconv_open("UTF-16LE", "CP949");
        if (cd == reinterpret_cast<iconv_t>(-1))
            return; // no converter: every double-byte code stays unknown
        for (int lead = kFirstLead; lead <= kLastLead; ++lead) {
            for (int trail = 0; trail < 256; ++trail) {
                char in[2] = {char(lead), char(trail)};
                unsigned char out[4];
                char *inPtr = in;
                size_t inLeft = sizeof in;
                char *outPtr = reinterpret_cast<char *>(out);
                size_t outLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1) || outLeft != 2)
                    continue;
                const char16_t ch = char16_t(out[0] | (out[1] << 8));
                if (ch < 0x80 || QChar::isSurrogate(ch))
                    continue; // never produced by CP949; kept out so encode stays one byte for ASCII
                const std::uint16_t code = std::uint16_t((lead << 8) | trail);
                decode_[size_t(lead - kFirstLead) * 256 + size_t(trail)] = ch;
                if (encode_[ch] == 0)
                    encode_[ch] = code;
            }
        }
        iconv_close(cd);
    }

    // The character of a lead and trail byte, or 0 when they are no CP949 character.
    char16_t decode(unsigned char lead, unsigned char trail) const {
        return decode_[size_t(lead - kFirstLead) * 256 + trail];
    }
    // The double-byte code of a character, or 0 when the code page has none.
    std::uint16_t encode(char32_t cp) const { return cp < 0x10000 ? encode_[cp] : 0; }

    static constexpr int kFirstLead = 0x81;
    static constexpr int kLastLead = 0xFE;
    static constexpr int kLeadCount = kLastLead - kFirstLead + 1;

private:
    std::vector<char16_t> decode_;
    std::vector<std::uint16_t> encode_;
};

const Tables &tables() {
    static const Tables t;
    return t;
}

const QByteArray kReplacement("\xA3\xBF"); // full-width question mark

bool isLeadByte(unsigned char b) { return b >= 0x81 && b <= 0xFE; }

// Calls f(codePoint) for each character; a lone surrogate is passed as it is.
template <typename F> void forEachCodePoint(const QString &text, F f) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t cp = text.at(i).unicode();
        if (QChar::isHighSurrogate(cp) && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        f(cp);
    }
}

} // namespace

int charBytes(char32_t cp) { return (cp < 0x80 || cp == WonSign) ? 1 : 2; }

int byteLength(const QString &text) {
    int n = 0;
    forEachCodePoint(text, [&](char32_t cp) { n += charBytes(cp); });
    return n;
}

QByteArray encode(const QString &text) {
    const Tables &t = tables();
    QByteArray out;
    out.reserve(text.size() * 2);
    forEachCodePoint(text, [&](char32_t cp) {
        if (cp < 0x80) {
            out.append(char(cp));
            return;
        }
        if (cp == WonSign) {
            out.append('\\');
            return;
        }
        const std::uint16_t code = t.encode(cp);
        if (code == 0) {
            out.append(kReplacement);
            return;
        }
        out.append(char(code >> 8));
        out.append(char(code & 0xFF));
    });
    return out;
}

QString decode(const QByteArray &bytes) { return decode(bytes.constData(), bytes.size()); }

namespace {

// Decodes n bytes into o, which has room for n characters; returns the end of what was written.
char16_t *decodeTo(const char *data, qsizetype n, char16_t *o) {
    const Tables &t = tables();
    const auto *in = reinterpret_cast<const unsigned char *>(data);
    qsizetype i = 0;
    while (i < n) {
        const unsigned char b = in[i];
        if (b < 0x80) {
            *o++ = b;
            ++i;
            continue;
        }
        if (!isLeadByte(b)) {
            *o++ = 0xFFFD;
            ++i;
            continue;
        }
        if (i + 1 >= n)
            break; // half a character at the end: dropped
        const char16_t ch = t.decode(b, in[i + 1]);
        if (ch != 0) {
            *o++ = ch;
            i += 2;
        } else {
            *o++ = 0xFFFD;
            ++i;
        }
    }
    return o;
}

} // namespace

QString decode(const char *data, qsizetype size) {
    if (size <= 0)
        return {};
    QString out(size, Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(out.data());
    out.truncate(decodeTo(data, size, begin) - begin);
    return out;
}

QString decodeJoined(QByteArrayView first, char16_t separator, QByteArrayView second) {
    QString out(first.size() + 1 + second.size(), Qt::Uninitialized);
    char16_t *const begin = reinterpret_cast<char16_t *>(out.data());
    char16_t *o = decodeTo(first.data(), first.size(), begin);
    *o++ = separator;
    o = decodeTo(second.data(), second.size(), o);
    out.truncate(o - begin);
    return out;
}

QString cutToBytes(const QString &text, int maxBytes) {
    if (maxBytes <= 0)
        return {};
    int used = 0;
    int pos = 0;
    const int n = int(text.size());
    while (pos < n) {
        char32_t cp = text.at(pos).unicode();
        int units = 1;
        if (QChar::isHighSurrogate(cp) && pos + 1 < n && text.at(pos + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(pos), text.at(pos + 1));
            units = 2;
        }
        const int w = charBytes(cp);
        if (used + w > maxBytes)
            break;
        used += w;
        pos += units;
    }
    return text.left(pos);
}

QByteArray cutBytes(const QByteArray &bytes, int maxBytes) {
    if (maxBytes <= 0)
        return {};
    if (bytes.size() <= maxBytes)
        return bytes;
    int i = 0;
    int last = 0; // end of the last whole character
    while (i < maxBytes) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        const int w = isLeadByte(b) ? 2 : 1;
        if (i + w > maxBytes)
            break;
        i += w;
        last = i;
    }
    return bytes.left(last);
}

} // namespace cp949
