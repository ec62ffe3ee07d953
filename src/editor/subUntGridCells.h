#pragma once
// The item lines of a grid as the editor's computations read and write them. An amount cell keeps its
// value as Money beside the text its column shows; the text is made from the value and never read back.
// The cell being edited reads as what its cell editor shows, taken as its column takes typed text, and is
// never overwritten under the user's fingers.

#include "amount_columns.h"
#include "document.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>

#include <optional>

class THStringGrid;

// The amount column at a grid column; none for a text column (and for the tax invoice's hidden unit).
std::optional<AmountColumn> AmountColumnAt(GridKind kind, int col);

// Text typed into a cell of the column, as its value: blanks and separators are ignored, empty or "-"
// alone is 0. Raises NumberConversionError for text that is not a number or a value the column does not
// take (a minus sign, decimals), AmountTooLargeError for one its column cannot show; the message names
// the column.
Money TypedAmount(AmountColumn column, const QString &text);

// The text of one cell as the user sees it (the editor's text for the cell under edit).
QString CellNow(const THStringGrid *grid, int row, int col);
// The value an amount cell keeps, and the decimals a quantity cell's value is written with.
Money CellAmount(const THStringGrid *grid, int row, int col);
int CellDecimals(const THStringGrid *grid, int row, int col);
// The value of an amount cell as the user sees it: the cell under edit reads its editor's text
// (TypedAmount, which raises for text that cannot stand).
Money AmountNow(const THStringGrid *grid, GridKind kind, int row, int col);
// Sets an amount cell's value (a quantity's with the decimals it is written with) and the text its column
// shows for it. Raises, changing nothing, when the column cannot hold the value. The cell under edit is
// left to its editor.
void SetCellAmount(THStringGrid *grid, GridKind kind, int row, int col, Money value, int decimals = 0);
// The same for the cell under edit too: the edit being kept.
void WriteCellAmount(THStringGrid *grid, GridKind kind, int row, int col, Money value, int decimals = 0);
// Empties an item line: no text, every amount 0 (a quotation line keeps its number).
void ClearItemLine(THStringGrid *grid, GridKind kind, int row);

// The lines of a tax invoice or statement grid, and of a quotation grid, as their cells keep them.
QList<InvoiceLine> InvoiceLinesOf(const THStringGrid *grid, GridKind kind);
QList<QuotationLine> QuotationLinesOf(const THStringGrid *grid);
// Shows lines in a grid (missing lines empty). Raises, before anything changes, for an amount its column
// cannot hold.
void ShowInvoiceLines(THStringGrid *grid, GridKind kind, const QList<InvoiceLine> &lines);
void ShowQuotationLines(THStringGrid *grid, const QList<QuotationLine> &lines);

// Every item cell, as shown and kept, to return to when an edit is refused.
struct CellContent {
    QString text;
    QVariant value, decimals;
};
using GridContent = QList<QList<CellContent>>;
// The cells of the item lines first .. last (every line when last is -1), and putting them back from line first.
GridContent ContentOf(const THStringGrid *grid, GridKind kind, int first = 1, int last = -1);
void RestoreContent(THStringGrid *grid, const GridContent &content, int first = 1);
