#include "money.h"

#include "codec.h"
#include "errors.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <limits>

namespace {

constexpr std::array<std::array<const char16_t *, 10>, 2> kDigitWords{{
    {u"", u"일", u"이", u"삼", u"사", u"오", u"육", u"칠", u"팔", u"구"},
    {u"", u"壹", u"貳", u"參", u"四", u"五", u"六", u"七", u"八", u"九"},
}};

constexpr std::array<std::array<const char16_t *, 4>, 2> kPositionWords{{
    {u"", u"십", u"백", u"천"},
    {u"", u"拾", u"百", u"千"},
}};

constexpr std::array<std::array<const char16_t *, 19>, 2> kGroupWords{{
    {u"", u"만", u"억", u"조", u"경", u"해", u"자", u"양", u"구", u"간", u"정", u"재", u"극", u"만극", u"항하사",
     u"만항하사", u"아승기", u"만아승기", u"나유타"},
    {u"", u"萬", u"億", u"兆", u"京", u"垓", u"子", u"穰", u"溝", u"澗", u"正", u"載", u"極", u"萬極", u"恒河沙",
     u"萬恒河沙", u"阿僧祇", u"萬阿僧祇", u"那由他"},
}};

// Rounds raw (value x 10000) to a multiple of unit, halves away from zero.
std::int64_t roundRaw(std::int64_t raw, std::int64_t unit) {
    const std::int64_t q = raw / unit;
    const std::int64_t r = raw % unit;
    if (2 * std::llabs(r) >= unit)
        return (q + (raw < 0 ? -1 : 1)) * unit;
    return q * unit;
}

// Digits of a non-negative whole number with "," between thousands.
QString groupThousands(std::uint64_t whole) {
    QString digits = QString::number(whole);
    QString out;
    out.reserve(digits.size() + digits.size() / 3);
    const int n = int(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out.append(u',');
        out.append(digits.at(i));
    }
    return out;
}

std::uint64_t magnitude(std::int64_t v) { return v < 0 ? std::uint64_t(0) - std::uint64_t(v) : std::uint64_t(v); }

bool isBlankOrControl(QChar c) { return c.unicode() <= 0x20; }

int digitCount(std::uint64_t v) {
    int n = 1;
    while (v >= 10) {
        v /= 10;
        ++n;
    }
    return n;
}

// The length of DecimalText(amount), without making it.
int decimalTextLength(Money amount) {
    const std::int64_t raw = amount.raw();
    const std::uint64_t mag = magnitude(raw);
    int n = digitCount(mag / Money::Scale) + (raw < 0 ? 1 : 0);
    std::uint64_t frac = mag % Money::Scale;
    if (frac != 0) {
        int places = 4;
        while (frac % 10 == 0) {
            frac /= 10;
            --places;
        }
        n += 1 + places;
    }
    return n;
}

} // namespace

QString DecimalText(Money amount) {
    const std::int64_t raw = amount.raw();
    const std::uint64_t mag = magnitude(raw);
    QString text = QString::number(mag / Money::Scale);
    std::uint64_t frac = mag % Money::Scale;
    if (frac != 0) {
        QString f = QString::number(frac).rightJustified(4, u'0');
        while (f.endsWith(u'0'))
            f.chop(1);
        text += u'.' + f;
    }
    if (raw < 0)
        text.prepend(u'-');
    return text;
}

QString AmountInWords(int table, Money amount) {
    const int t = (table == 1) ? 1 : 0;
    QString result = QStringLiteral("원");
    std::int64_t won = amount.won();
    if (won <= 0)
        return result;
    int group = 0;
    do {
        QString groupText;
        bool any = false;
        std::int64_t four = won % 10000;
        for (int pos = 0; pos < 4; ++pos) {
            const int d = int(four % 10);
            four /= 10;
            if (d > 0) {
                groupText.prepend(QString::fromUtf16(kPositionWords[t][pos]));
                groupText.prepend(QString::fromUtf16(kDigitWords[t][d]));
                any = true;
            }
        }
        if (any && group < 19)
            groupText.append(QString::fromUtf16(kGroupWords[t][group]));
        result.prepend(groupText);
        ++group;
        won /= 10000;
    } while (won > 0);
    return result;
}

QString FormatAmountText(Money amount, int width) {
    if (width < 3)
        return {};
    Money value = amount;
    if (decimalTextLength(value) > width)
        value = Money();
    // Two decimals, rounded, then the decimals fall away with the last three bytes. The text is built
    // from its end in one buffer: this runs for every amount cell of every document loaded.
    const std::int64_t rounded = roundRaw(value.raw(), 100);
    const std::uint64_t mag = magnitude(rounded);
    char16_t text[40];
    char16_t *const end = text + std::size(text);
    char16_t *p = end;
    const std::uint64_t cents = (mag % Money::Scale) / 100;
    *--p = char16_t(u'0' + cents % 10);
    *--p = char16_t(u'0' + cents / 10);
    *--p = u'.';
    std::uint64_t whole = mag / Money::Scale;
    int digits = 0;
    do {
        if (digits > 0 && digits % 3 == 0)
            *--p = u',';
        *--p = char16_t(u'0' + whole % 10);
        whole /= 10;
        ++digits;
    } while (whole > 0);
    if (rounded < 0)
        *--p = u'-';
    const int length = int(end - p); // all ASCII: one byte each
    // Blanks in front up to width bytes, counted modulo 256 as the old formatting did: a text longer than
    // the width gets 256 minus the excess blanks.
    const int blanks = ((width - length) % 256 + 256) % 256;
    const int keep = width - 3;
    const int lead = std::min(keep, blanks);
    const int shown = keep > blanks ? std::min(length, keep - blanks) : 0;
    QString out(lead + shown, Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    std::fill_n(o, lead, u' ');
    std::copy_n(p, shown, o + lead);
    return out;
}

QString FormatMoneyText(Money amount, int width, bool dropSign) {
    const std::int64_t rounded = roundRaw(amount.raw(), Money::Scale);
    QString text = QString(QChar(cp949::WonSign)) + groupThousands(magnitude(rounded) / Money::Scale);
    if (rounded < 0)
        text.prepend(u'-');
    if (dropSign)
        text.remove(text.indexOf(QChar(cp949::WonSign)), 1);
    const int len = cp949::byteLength(text);
    if (len >= width)
        return text;
    return QString(width - len, u' ') + text;
}

Money ParseAmount(const QString &text) {
    QString s = RemoveBlanks(text);
    s.remove(u',');
    QString bare = s;
    bare.remove(u'-');
    if (bare.isEmpty())
        return Money();

    auto fail = [&]() -> Money {
        throw NumberConversionError(text, QStringLiteral("\"%1\" 은(는) 올바른 숫자가 아닙니다.").arg(text.trimmed()));
    };

    // [+|-] digits [. digits]  or  [+|-] . digits
    int i = 0;
    const int n = int(s.size());
    bool negative = false;
    if (i < n && (s[i] == u'-' || s[i] == u'+')) {
        negative = s[i] == u'-';
        ++i;
    }
    std::uint64_t whole = 0;
    int wholeDigits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 0x80) {
        whole = whole * 10 + std::uint64_t(s[i].unicode() - u'0');
        if (whole > std::uint64_t(std::numeric_limits<std::int64_t>::max() / Money::Scale))
            return fail();
        ++i;
        ++wholeDigits;
    }
    std::uint64_t frac = 0; // in units of 1/10000, plus one guard digit for rounding
    int fracDigits = 0;
    bool roundUp = false;
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 0x80) {
            const int d = s[i].unicode() - u'0';
            if (fracDigits < 4)
                frac = frac * 10 + std::uint64_t(d);
            else if (fracDigits == 4)
                roundUp = d >= 5;
            ++fracDigits;
            ++i;
        }
    }
    if (i != n || (wholeDigits == 0 && fracDigits == 0))
        return fail();
    for (int k = fracDigits; k < 4; ++k)
        frac *= 10;
    std::uint64_t raw = whole * Money::Scale + frac + (roundUp ? 1 : 0);
    if (raw > std::uint64_t(std::numeric_limits<std::int64_t>::max()))
        return fail();
    const std::int64_t signedRaw = negative ? -std::int64_t(raw) : std::int64_t(raw);
    return Money::fromRaw(signedRaw);
}

QString PadLeftChar(QChar fill, const QString &text, int width) { return PadLeftTo(text.trimmed(), width, fill); }

QString RepeatChar(QChar c, int count) {
    if (c.isNull() || count <= 0)
        return {};
    return QString(qMin(count, 255), c);
}

QString PadLeftTo(const QString &text, int width, QChar fill) {
    const int len = cp949::byteLength(text);
    const int fillBytes = cp949::charBytes(fill.unicode());
    if (len >= width || fillBytes <= 0)
        return text;
    return QString((width - len) / fillBytes, fill) + text;
}

QString RemoveChar(QChar c, const QString &text) {
    QString s = text.trimmed();
    s.remove(c);
    return s;
}

QString RemoveBlanks(const QString &text) {
    QString s = text;
    s.remove(u' ');
    return s;
}

QString TrimLeftText(const QString &text) {
    int i = 0;
    while (i < text.size() && isBlankOrControl(text[i]))
        ++i;
    return text.mid(i);
}

QString TrimRightText(const QString &text) {
    int i = int(text.size());
    while (i > 0 && isBlankOrControl(text[i - 1]))
        --i;
    return text.left(i);
}
