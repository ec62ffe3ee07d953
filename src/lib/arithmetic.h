#pragma once
// The arithmetic of the item lines and totals, as pure functions over Money. The editor calls them after
// every change; the register sums documents with them.
//
// Line products are formed exactly on the fixed-point values (quantity and price both hold four
// decimals), results truncated toward zero to whole won.

#include "document.h"
#include "errors.h"
#include "money.h"

#include <QList>
#include <QString>
#include <QStringList>

// An amount that its column cannot show (its text would not fit the cell's width).
class AmountTooLargeError : public AppError {
public:
    using AppError::AppError;
};

// The amount as the text of an amount cell of the given width; raises AmountTooLargeError when the
// amount does not fit, so that no amount ever turns blank. The message names the column when a column
// name is given ("공급가액"), and tells the largest amount the column holds.
QString AmountCellText(Money amount, int width, const QString &columnName = QString());
// True when FormatAmountText can show the amount in that width.
bool FitsAmountCell(Money amount, int width);

// A quantity cell read as a decimal number (blanks and commas removed; empty or "-" alone is 0), as a
// fixed-point value with four decimals. Raises NumberConversionError for text that is not a number.
Money ParseQuantity(const QString &text);
// A quantity keeps at most four decimals; more than that cannot be computed exactly.
inline constexpr int kQuantityDecimals = 4;
// Whether a quantity text has more decimals than a quantity keeps.
bool HasTooManyQuantityDecimals(const QString &text);

// tax := truncate(supply x 0.1), the product formed on the fixed-point supply.
Money TaxRule(Money supply);
// The tax to show after the tax check: the typed tax when within 2 won of the tax rule, else the rule.
Money TaxCheck(Money supply, Money tax);
// supply of a line with the nudge of one ten-thousandth away from zero:
// truncate(unit price x quantity + 0.0001) when the product is positive, else truncate(... - 0.0001).
Money LineProductWithCorrection(Money unitPrice, Money quantity);
// truncate(unit price x quantity), the product formed exactly.
Money LineProductWithoutCorrection(Money unitPrice, Money quantity);
// The tax included in a VAT-inclusive value: value / 11 to the nearest won, halves to even.
Money IncludedTax(Money value);

// The blank count marks "0", "①" .. "⑮".
QString BlankCountMark(int blanks);

// What the tax invoice header and the statement totals show for supply sum S and tax sum V.
struct InvoiceTotals {
    Money supply;                // S
    Money tax;                   // V
    QString Totmy;               // S + V, also gTotEdt
    QString gMnyEdt;             // S
    QString gVatEdt;             // V
    QStringList La;              // La1 .. La11 (index 0 = La1), then La12 = the blank count mark
    QStringList Lb;              // Lb1 .. Lb10
    bool supplyOverflow = false; // S has more than 11 digits: the boxes show "#"
    bool taxOverflow = false;    // V has more than 10 digits
};
InvoiceTotals ShowInvoiceTotals(Money supply, Money tax);

// Text of a total field: the whole won with thousands separators ("1,234,500").
QString TotalText(Money amount);

// Derives the supply of line currentLine (1-based) from its quantity x unit price, unless keepSupply or
// either of them is 0; then the sums of the lines. Raises AmountTooLargeError, naming the supply column,
// when the derived supply does not fit it; lines are then left as they were.
InvoiceTotals RecalculateInvoice(QList<InvoiceLine> &lines, int currentLine, bool keepSupply);

// The quotation's total and its amount line. Raises AmountTooLargeError when a line's amount (quantity x
// unit price) does not fit its column.
struct QuotationTotals {
    Money total;
    QString MsgLabel;
};
QuotationTotals RecalculateQuotation(const QList<QuotationLine> &lines);
// " 一金 : <words>整  ( ₩<total> )"
QString QuotationAmountLine(Money total);
