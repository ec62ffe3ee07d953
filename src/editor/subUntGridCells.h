#pragma once
// The item rows of a grid as cell texts, read and written the way the editor's computations need them:
// the cell being edited reads as what its cell editor shows, and is never overwritten under the user's
// fingers.

#include "document_snapshot.h"

#include <QList>
#include <QStringList>

class THStringGrid;

// Item rows 1..n (index 0 = row 1), every column; the cell under edit as its editor shows it.
QList<QStringList> ItemRowsNow(const THStringGrid *grid, GridKind kind);
// Writes rows back into item rows 1..n; the cell under edit is left to its editor.
void WriteItemRows(THStringGrid *grid, const QList<QStringList> &rows);
// The text of one cell as the user sees it (the editor's text for the cell under edit).
QString CellNow(const THStringGrid *grid, int row, int col);

// Text widths of the amount columns of a grid kind; 0 for a text column.
int AmountWidthOf(GridKind kind, int col);
