#pragma once
// The arithmetic of the four-function calculator, apart from its window: digits build the entry, an
// operator applies the pending one (so 2 + 3 × 4 = gives 20, as on a desk calculator), "=" repeated
// repeats the last operation, and division by zero shows an error until the next key.

#include <QString>

class CalcEngine {
public:
    enum class Op { None, Add, Subtract, Multiply, Divide };

    void digit(int d); // 0..9
    void point();      // decimal point
    void op(Op o);     // + - × ÷
    void equals();
    void clear();      // C: everything
    void clearEntry(); // CE: the number being typed
    void backspace();
    void negate(); // ±

    // The display text with thousands separators, e.g. "1,234.5", or the error text.
    QString display() const;
    // The number without separators, for the clipboard, e.g. "1234.5"; "0" while an error is shown.
    QString plainText() const;
    double value() const;
    bool hasError() const { return !error_.isEmpty(); }
    Op pending() const { return pending_; }

    // The longest entry, in digits.
    static constexpr int kMaxDigits = 15;

    // Text of a value: at most 15 significant digits, no trailing zeros, no separators.
    static QString formatPlain(double v);
    // Thousands separators in the integer part of a plain number text.
    static QString groupThousands(const QString &plain);

private:
    double entryValue() const;
    void setResult(double v);
    bool apply(Op o, double lhs, double rhs, double &result);
    void recoverFromError();

    QString entry_ = QStringLiteral("0"); // the number as typed or as the last result, no separators
    bool startNew_ = true;                // the next digit starts a new number
    // The last result at full precision: the display shows it rounded to 15 digits, but the next
    // operation goes on from the exact value (10000 ÷ 3 × 3 is 10000, not 9999.99999999999).
    double result_ = 0;
    bool entryIsResult_ = false;
    double acc_ = 0; // left operand of the pending operation
    Op pending_ = Op::None;
    Op lastOp_ = Op::None; // for a repeated "="
    double lastOperand_ = 0;
    QString error_;
};
