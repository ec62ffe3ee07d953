#include "codec.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace cp949 {
namespace {

// One conversion descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // reset shift state
        return cd_;
    }

private:
    iconv_t cd_;
};

Converter &toCp949() {
    thread_local Converter c("CP949", "UTF-8");
    return c;
}
Converter &fromCp949() {
    thread_local Converter c("UTF-8", "CP949");
    return c;
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
    QByteArray out;
    out.reserve(text.size() * 2);
    Converter &conv = toCp949();
    forEachCodePoint(text, [&](char32_t cp) {
        if (cp < 0x80) {
            out.append(char(cp));
            return;
        }
        if (cp == WonSign) {
            out.append('\\');
            return;
        }
        const QByteArray utf8 = QString::fromUcs4(&cp, 1).toUtf8();
        char buf[8];
        char *in = const_cast<char *>(utf8.constData());
        size_t inLeft = size_t(utf8.size());
        char *o = buf;
        size_t outLeft = sizeof buf;
        if (!conv.valid() || iconv(conv.get(), &in, &inLeft, &o, &outLeft) == size_t(-1) || o - buf != 2)
            out.append(kReplacement);
        else
            out.append(buf, 2);
    });
    return out;
}

QString decode(const QByteArray &bytes) {
    Converter &conv = fromCp949();
    QString out;
    out.reserve(bytes.size());
    const int n = int(bytes.size());
    int i = 0;
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            out.append(QChar(b));
            ++i;
            continue;
        }
        if (!isLeadByte(b) || i + 1 >= n) {
            if (i + 1 >= n && isLeadByte(b))
                break; // half a character at the end: dropped
            out.append(QChar(0xFFFD));
            ++i;
            continue;
        }
        char pair[2] = {bytes[i], bytes[i + 1]};
        char buf[8];
        char *in = pair;
        size_t inLeft = 2;
        char *o = buf;
        size_t outLeft = sizeof buf;
        if (conv.valid() && iconv(conv.get(), &in, &inLeft, &o, &outLeft) != size_t(-1)) {
            out.append(QString::fromUtf8(buf, int(o - buf)));
            i += 2;
        } else {
            out.append(QChar(0xFFFD));
            ++i;
        }
    }
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
