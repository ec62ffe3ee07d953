#pragma once
// The money type and the texts made from amounts: grid text with thousands separators, money text with the
// won sign, and amounts in Korean number words. Widths count CP949 bytes.

#include <QChar>
#include <QString>
#include <cstdint>

// Fixed point: the value times 10000, in a signed 64-bit integer.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromRaw(std::int64_t raw) { return Money(raw); }
    static constexpr Money fromWon(std::int64_t won) { return Money(won * Scale); }

    constexpr std::int64_t raw() const { return raw_; }
    // Whole won, the fraction truncated toward zero.
    constexpr std::int64_t won() const { return raw_ / Scale; }
    constexpr Money truncated() const { return Money(won() * Scale); }
    long double toLongDouble() const { return static_cast<long double>(raw_) / Scale; }

    constexpr Money operator+(Money o) const { return Money(raw_ + o.raw_); }
    constexpr Money operator-(Money o) const { return Money(raw_ - o.raw_); }
    constexpr Money operator-() const { return Money(-raw_); }
    Money &operator+=(Money o) {
        raw_ += o.raw_;
        return *this;
    }
    Money &operator-=(Money o) {
        raw_ -= o.raw_;
        return *this;
    }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(std::int64_t raw) : raw_(raw) {}
    std::int64_t raw_ = 0;
};

// The amount's shortest decimal text: "1234000", "-12.5", "0.0001".
QString DecimalText(Money amount);

// Table 0: Hangul number words, table 1: Hanja. The words of the whole won followed by "원";
// zero and negative amounts give "원".
QString AmountInWords(int table, Money amount);

// The whole amount with thousands separators, right-aligned in width - 3 bytes. An amount whose
// text does not fit the width gives width - 3 blanks.
QString FormatAmountText(Money amount, int width);

// The amount as money text: the won sign in front of the digits, thousands separators, no decimals,
// right-aligned in width bytes. With dropSign the won sign is left out. A text longer than the width
// is returned whole, without blanks.
QString FormatMoneyText(Money amount, int width, bool dropSign);

// Reads an amount typed or shown with blanks and thousands separators. Text with nothing but blanks,
// commas and minus signs is 0. Raises NumberConversionError for text that is not a number.
Money ParseAmount(const QString &text);

// The trimmed text with copies of fill in front up to width bytes; a text as long or longer is
// returned trimmed and unchanged.
QString PadLeftChar(QChar fill, const QString &text, int width);

// count copies of c (count 0-255); a zero character gives empty text.
QString RepeatChar(QChar c, int count);

// The text with fill in front up to width bytes; a text as long or longer stays unchanged.
QString PadLeftTo(const QString &text, int width, QChar fill = u' ');

// The text trimmed of surrounding blanks, with every c removed.
QString RemoveChar(QChar c, const QString &text);

// The text with every blank removed.
QString RemoveBlanks(const QString &text);

// The text without leading (trailing) blanks and control characters.
QString TrimLeftText(const QString &text);
QString TrimRightText(const QString &text);
