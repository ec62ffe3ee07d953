#include "amount_columns.h"

#include "codec.h"
#include "errors.h"

namespace {

const AmountLimits kLimits[] = {
    {kQuantityWidth, true, kQuantityDecimals, kQuantityColumnName, 25},
    {kUnitPriceWidth, true, 0, kUnitPriceColumnName, 25},
    {kSupplyWidth, true, 0, kSupplyColumnName, 14},
    {kTaxWidth, true, 0, kTaxColumnName, 20},
    {kQuantityWidth, false, kQuantityDecimals, kQuantityColumnName, 0},
    {kUnitPriceWidth, false, 0, kUnitPriceColumnName, 0},
    {kQuotationAmountWidth, false, 0, kSupplyColumnName, 0},
};

bool decimalsHeld(Money value, int decimals) {
    std::int64_t unit = Money::Scale;
    for (int i = 0; i < decimals; ++i)
        unit /= 10;
    return value.raw() % unit == 0;
}

} // namespace

const AmountLimits &LimitsOf(AmountColumn column) { return kLimits[int(column)]; }

bool Holds(AmountColumn column, Money value) {
    const AmountLimits &l = LimitsOf(column);
    return (l.negative || value.raw() >= 0) && decimalsHeld(value, l.decimals) && FitsAmountCell(value, l.width);
}

void CheckHeld(AmountColumn column, Money value, const QString &where) {
    const AmountLimits &l = LimitsOf(column);
    const QString place = where.isEmpty() ? QString() : where + u' ';
    if (!l.negative && value.raw() < 0)
        throw NumberConversionError(DecimalText(value),
                                    QStringLiteral("%1%2에는 음수를 넣을 수 없습니다.").arg(place, l.name));
    if (!decimalsHeld(value, l.decimals))
        throw NumberConversionError(
            DecimalText(value), l.decimals == 0 ? QStringLiteral("%1%2에는 소수를 넣을 수 없습니다.").arg(place, l.name)
                                                : QStringLiteral("%1%2은(는) 소수점 아래 %3 자리까지 넣을 수 있습니다.")
                                                      .arg(place, l.name)
                                                      .arg(l.decimals));
    if (FitsAmountCell(value, l.width))
        return;
    try {
        AmountCellText(value, l.width, l.name);
    } catch (const AmountTooLargeError &e) {
        throw AmountTooLargeError(place + e.message());
    }
}

int WrittenDecimals(Money value, const QString &text) {
    const QString bare = RemoveBlanks(text);
    const qsizetype point = bare.indexOf(u'.');
    if (point < 0)
        return 0;
    const int written = int(qMin<qsizetype>(bare.size() - point - 1, kQuantityDecimals));
    const QString own = DecimalText(value);
    const qsizetype ownPoint = own.indexOf(u'.');
    const int needed = ownPoint < 0 ? 0 : int(own.size() - ownPoint - 1);
    return written > needed ? written : 0;
}

QString CellText(AmountColumn column, Money value, int decimals) {
    const AmountLimits &l = LimitsOf(column);
    if ((column == AmountColumn::Quantity || column == AmountColumn::QuotationQuantity) && value.raw() != 0) {
        QString text = DecimalText(value);
        const qsizetype point = text.indexOf(u'.');
        const int shown = point < 0 ? 0 : int(text.size() - point - 1);
        if (decimals > shown)
            text += (point < 0 ? QStringLiteral(".") : QString()) + QString(decimals - shown, u'0');
        return text;
    }
    return FormatAmountText(value, l.width);
}

QString StoredText(AmountColumn column, Money value, int decimals) {
    if (value.raw() == 0)
        return QStringLiteral("0");
    const AmountLimits &l = LimitsOf(column);
    const QString shown = RemoveChar(u',', CellText(column, value, decimals));
    if (l.storedBytes == 0 || cp949::byteLength(shown) <= l.storedBytes)
        return shown;
    return DecimalText(value);
}
