#include "arithmetic.h"

#include "amount_columns.h"
#include "codec.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

QString cleanNumberText(const QString &text) {
    QString s = RemoveBlanks(text);
    s.remove(u',');
    return s;
}

const QString kTooLarge = QStringLiteral("금액이 너무 큽니다. 수량과 단가를 확인하세요.");

// Whole won of a long double, truncated toward zero, raised when outside the money range.
Money truncatedWon(long double won) {
    const long double t = std::trunc(won);
    constexpr long double limit = static_cast<long double>(std::numeric_limits<std::int64_t>::max() / Money::Scale);
    if (!(std::fabs(t) <= limit))
        throw AmountTooLargeError(kTooLarge);
    return Money::fromWon(static_cast<std::int64_t>(t));
}

// Products of two fixed-point values: in units of 10^-8 won they need more than 64 bits.
__extension__ using Wide = __int128;
constexpr Wide kProductScale = Wide(Money::Scale) * Money::Scale;

// Whole won of a product in units of 10^-8 won (C++ division truncates toward zero).
Money wholeWonOfProduct(Wide product) {
    const Wide won = product / kProductScale;
    constexpr Wide limit = std::numeric_limits<std::int64_t>::max() / Money::Scale;
    if (won > limit || won < -limit)
        throw AmountTooLargeError(kTooLarge);
    return Money::fromWon(static_cast<std::int64_t>(won));
}

Wide exactProduct(Money unitPrice, Money quantity) { return Wide(unitPrice.raw()) * Wide(quantity.raw()); }

QString maxShownText(int width) {
    // The largest amount the cell can show: width - 3 characters with separators.
    const int digits = ((width - 3) * 3 + 1) / 4;
    QString nines(digits, u'9');
    return FormatAmountText(Money::fromWon(nines.toLongLong()), width).trimmed();
}

} // namespace

bool FitsAmountCell(Money amount, int width) {
    // FormatAmountText shows 0 for a value whose digits alone are wider than the cell: that is no fit.
    return DecimalText(amount).size() <= width && !FormatAmountText(amount, width).trimmed().isEmpty();
}

QString AmountCellText(Money amount, int width, const QString &columnName) {
    if (FitsAmountCell(amount, width))
        return FormatAmountText(amount, width);
    if (columnName.isEmpty())
        throw AmountTooLargeError(
            QStringLiteral("금액이 너무 큽니다. 이 칸에는 %1 까지 입력할 수 있습니다.").arg(maxShownText(width)));
    throw AmountTooLargeError(QStringLiteral("%1 칸에 들어갈 수 없는 금액입니다. %1 칸에는 %2 까지 들어갑니다.")
                                  .arg(columnName, maxShownText(width)));
}

Money ParseQuantity(const QString &text) { return ParseAmount(cleanNumberText(text)); }

bool HasTooManyQuantityDecimals(const QString &text) {
    const QString s = cleanNumberText(text);
    const qsizetype point = s.indexOf(u'.');
    return point >= 0 && s.size() - point - 1 > kQuantityDecimals;
}

Money TaxRule(Money supply) {
    const long double product = static_cast<long double>(supply.raw()) * 0.1L;
    return truncatedWon(product / Money::Scale);
}

Money TaxCheck(Money supply, Money tax) {
    const Money t = TaxRule(supply);
    if (t != tax && std::llabs((t - tax).raw()) > 2 * Money::Scale)
        return t;
    return tax;
}

Money LineProductWithCorrection(Money unitPrice, Money quantity) {
    // The nudge is one ten-thousandth of a won: 10^4 in units of 10^-8 won.
    const Wide p = exactProduct(unitPrice, quantity);
    constexpr Wide nudge = Money::Scale;
    return wholeWonOfProduct(p > 0 ? p + nudge : p - nudge);
}

Money LineProductWithoutCorrection(Money unitPrice, Money quantity) {
    return wholeWonOfProduct(exactProduct(unitPrice, quantity));
}

Money IncludedTax(Money value) {
    const std::int64_t d = 11 * Money::Scale;
    const std::int64_t n = value.raw();
    std::int64_t q = n / d;
    const std::int64_t r = n % d;
    const std::int64_t twice = 2 * std::llabs(r);
    if (twice > d || (twice == d && (q % 2 != 0)))
        q += (n < 0) ? -1 : 1;
    return Money::fromWon(q);
}

QString BlankCountMark(int blanks) {
    static const char16_t *const kMarks[16] = {u"0", u"①", u"②", u"③", u"④", u"⑤", u"⑥", u"⑦",
                                               u"⑧", u"⑨", u"⑩", u"⑪", u"⑫", u"⑬", u"⑭", u"⑮"};
    if (blanks < 0 || blanks > 15)
        return QStringLiteral("#");
    return QString::fromUtf16(kMarks[blanks]);
}

QString TotalText(Money amount) { return FormatMoneyText(amount, 0, true); }

InvoiceTotals ShowInvoiceTotals(Money supply, Money tax) {
    InvoiceTotals t;
    t.supply = supply;
    t.tax = tax;
    t.Totmy = TotalText(supply + tax);
    t.gMnyEdt = TotalText(supply);
    t.gVatEdt = TotalText(tax);

    auto boxes = [](const QString &digits, int count, bool &overflow) {
        QStringList out;
        overflow = cp949::byteLength(digits) > 11 || (count == 10 && digits.size() > 10);
        const QString s = PadLeftChar(u'x', digits, 11);
        for (int i = 1; i <= count; ++i) {
            if (overflow) {
                out << QStringLiteral("#");
                continue;
            }
            const QChar c = s.at(s.size() - i);
            out << (c == u'x' ? QStringLiteral(" ") : QString(c));
        }
        return out;
    };
    const QString s = DecimalText(supply);
    t.La = boxes(s, 11, t.supplyOverflow);
    t.La << (t.supplyOverflow ? QStringLiteral("#") : BlankCountMark(11 - int(s.size())));
    t.Lb = boxes(DecimalText(tax), 10, t.taxOverflow);
    return t;
}

InvoiceTotals RecalculateInvoice(QList<InvoiceLine> &lines, int currentLine, bool keepSupply) {
    if (currentLine >= 1 && currentLine <= lines.size() && !keepSupply) {
        const InvoiceLine &line = lines.at(currentLine - 1);
        if (line.quantity.raw() != 0 && line.unitPrice.raw() != 0) {
            const Money supply = LineProductWithCorrection(line.unitPrice, line.quantity);
            CheckHeld(AmountColumn::Supply, supply);
            if (supply != line.supply)
                lines[currentLine - 1].supply = supply;
        }
    }
    Money supply, tax;
    for (const InvoiceLine &line : std::as_const(lines)) {
        supply += line.supply;
        tax += line.tax;
    }
    return ShowInvoiceTotals(supply, tax);
}

QString QuotationAmountLine(Money total) {
    return QStringLiteral(" 一金 : ") + AmountInWords(0, total) + QStringLiteral("整  ( ") +
           FormatMoneyText(total, 16, false) + QStringLiteral(" )");
}

QuotationTotals RecalculateQuotation(const QList<QuotationLine> &lines) {
    Money total;
    for (const QuotationLine &line : lines) {
        const Money amount = line.amount();
        CheckHeld(AmountColumn::QuotationAmount, amount);
        total += amount;
    }
    return {total, QuotationAmountLine(total)};
}
