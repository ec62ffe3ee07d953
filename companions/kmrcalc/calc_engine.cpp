#include "calc_engine.h"

#include <cmath>

namespace {
int digitCount(const QString &s) {
    int n = 0;
    for (QChar c : s)
        n += c.isDigit() ? 1 : 0;
    return n;
}
} // namespace

void CalcEngine::recoverFromError() {
    if (!error_.isEmpty())
        clear();
}

void CalcEngine::digit(int d) {
    recoverFromError();
    entryIsResult_ = false;
    if (d < 0 || d > 9)
        return;
    if (startNew_) {
        entry_ = QString::number(d);
        startNew_ = false;
        return;
    }
    if (digitCount(entry_) >= kMaxDigits)
        return;
    if (entry_ == QLatin1String("0"))
        entry_ = QString::number(d);
    else if (entry_ == QLatin1String("-0"))
        entry_ = QLatin1Char('-') + QString::number(d);
    else
        entry_ += QString::number(d);
}

void CalcEngine::point() {
    recoverFromError();
    entryIsResult_ = false;
    if (startNew_) {
        entry_ = QStringLiteral("0.");
        startNew_ = false;
        return;
    }
    if (!entry_.contains(QLatin1Char('.')) && digitCount(entry_) < kMaxDigits)
        entry_ += QLatin1Char('.');
}

bool CalcEngine::apply(Op o, double lhs, double rhs, double &result) {
    switch (o) {
    case Op::Add: result = lhs + rhs; break;
    case Op::Subtract: result = lhs - rhs; break;
    case Op::Multiply: result = lhs * rhs; break;
    case Op::Divide:
        if (rhs == 0) {
            error_ = QString::fromUtf8("0으로 나눌 수 없습니다");
            return false;
        }
        result = lhs / rhs;
        break;
    case Op::None: result = rhs; break;
    }
    if (!std::isfinite(result) || std::fabs(result) >= 1e100) {
        error_ = QString::fromUtf8("계산 범위를 넘었습니다");
        return false;
    }
    return true;
}

void CalcEngine::setResult(double v) {
    entry_ = formatPlain(v);
    startNew_ = true;
    result_ = v;
    entryIsResult_ = true;
}

void CalcEngine::op(Op o) {
    if (!error_.isEmpty())
        return;
    if (pending_ != Op::None && !startNew_) {
        double r = 0;
        if (!apply(pending_, acc_, entryValue(), r))
            return;
        setResult(r);
    }
    acc_ = entryValue();
    pending_ = o;
    startNew_ = true;
}

void CalcEngine::equals() {
    if (!error_.isEmpty())
        return;
    double r = 0;
    if (pending_ != Op::None) {
        lastOp_ = pending_;
        lastOperand_ = entryValue();
        if (!apply(pending_, acc_, lastOperand_, r))
            return;
        pending_ = Op::None;
    } else if (lastOp_ != Op::None) {
        if (!apply(lastOp_, entryValue(), lastOperand_, r))
            return;
    } else {
        r = entryValue();
    }
    setResult(r);
}

void CalcEngine::clear() { *this = CalcEngine(); }

void CalcEngine::clearEntry() {
    if (!error_.isEmpty()) {
        clear();
        return;
    }
    entry_ = QStringLiteral("0");
    startNew_ = false;
    entryIsResult_ = false;
}

void CalcEngine::backspace() {
    if (!error_.isEmpty()) {
        clear();
        return;
    }
    if (startNew_)
        return;
    entry_.chop(1);
    if (entry_.isEmpty() || entry_ == QLatin1String("-"))
        entry_ = QStringLiteral("0");
}

void CalcEngine::negate() {
    if (!error_.isEmpty())
        return;
    if (entry_.startsWith(QLatin1Char('-')))
        entry_.remove(0, 1);
    else if (entry_ != QLatin1String("0"))
        entry_.prepend(QLatin1Char('-'));
    result_ = -result_;
    // A negated result is a new entry that can be used as an operand.
}

double CalcEngine::entryValue() const { return entryIsResult_ ? result_ : entry_.toDouble(); }

double CalcEngine::value() const { return error_.isEmpty() ? entryValue() : 0; }

QString CalcEngine::plainText() const {
    if (!error_.isEmpty())
        return QStringLiteral("0");
    QString s = entry_;
    if (s.endsWith(QLatin1Char('.')))
        s.chop(1);
    return s;
}

QString CalcEngine::display() const { return error_.isEmpty() ? groupThousands(entry_) : error_; }

QString CalcEngine::formatPlain(double v) {
    if (v == 0)
        return QStringLiteral("0");
    const double a = std::fabs(v);
    if (a >= 1e15 || a < 1e-9)
        return QString::number(v, 'g', 15);
    const int intDigits = a < 1 ? 1 : int(std::floor(std::log10(a))) + 1;
    QString s = QString::number(v, 'f', std::max(0, 15 - intDigits));
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0')))
            s.chop(1);
        if (s.endsWith(QLatin1Char('.')))
            s.chop(1);
    }
    if (s == QLatin1String("-0"))
        s = QStringLiteral("0");
    return s;
}

QString CalcEngine::groupThousands(const QString &plain) {
    if (plain.contains(QLatin1Char('e')))
        return plain;
    QString sign;
    QString rest = plain;
    if (rest.startsWith(QLatin1Char('-'))) {
        sign = QStringLiteral("-");
        rest.remove(0, 1);
    }
    const qsizetype dot = rest.indexOf(QLatin1Char('.'));
    QString intPart = dot < 0 ? rest : rest.left(dot);
    const QString fraction = dot < 0 ? QString() : rest.mid(dot);
    for (qsizetype i = intPart.size() - 3; i > 0; i -= 3)
        intPart.insert(i, QLatin1Char(','));
    return sign + intPart + fraction;
}
