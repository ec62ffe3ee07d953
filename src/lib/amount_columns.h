#pragma once
// The one table of the amount columns' limits: how wide each column's text is, whether it takes a minus
// sign, how many decimals it keeps. The editor accepts only what its column holds; the file reader refuses
// (never blanks) a value beyond them; the writer, the printed forms and the sheets show every value the
// editor accepts whole.

#include "arithmetic.h"
#include "money.h"

#include <QString>

enum class AmountColumn {
    Quantity,           // 수량 of a tax invoice or statement line
    UnitPrice,          // 단가
    Supply,             // 공급가액
    Tax,                // 세액
    QuotationQuantity,  // 수량 of a quotation line
    QuotationUnitPrice, // 단가 of a quotation line
    QuotationAmount,    // 공급가액 of a quotation line (quantity x unit price)
};

struct AmountLimits {
    int width;       // characters of the column's text (FormatAmountText); the last three never show
    bool negative;   // takes a minus sign
    int decimals;    // decimals kept: 0 for whole won
    QString name;    // as the column's header calls it
    int storedBytes; // capacity of its slot in a tax invoice or statement record; 0: stored as a number
};

const AmountLimits &LimitsOf(AmountColumn column);

// Whether the column holds the value: its sign, its decimals and its width.
bool Holds(AmountColumn column, Money value);
// The value checked against the column: raises AmountTooLargeError naming the column when it does not fit,
// NumberConversionError for a minus sign or decimals the column does not take. what: where the value is
// ("3번째 줄"); empty for an edit in progress.
void CheckHeld(AmountColumn column, Money value, const QString &where = QString());

// The decimals a quantity's text is written with, kept where they are more than its value needs ("1.50"
// keeps 2; "1.5", "2" and "1,000" keep 0). What a quantity typed or stored shows again.
int WrittenDecimals(Money value, const QString &text);

// The text of the column's cell on the screen and on the printed forms: FormatAmountText of its width; a
// quantity other than zero as its decimal text, with at least the decimals it was written with.
QString CellText(AmountColumn column, Money value, int decimals = 0);

// The text of the value in a tax invoice or statement record: "0" for zero, else the cell text without
// thousands separators when it fits the slot, else the shortest decimal text.
QString StoredText(AmountColumn column, Money value, int decimals = 0);
