#pragma once
// What the three export sheets share: the settings they take, the sheet-wide defaults that open every
// sheet, the line helpers, the seal picture and the footer that close it.

#include "sheet_model.h"

#include <QString>

namespace sheet {

// The settings an export takes from the supplier record (the editor reads them from the settings file).
struct ExportSettings {
    QString sealPath; // empty: no seal
    QString message;  // footer line of the tax invoice and the statement
    // Supplier record, for the quotation.
    QString sangho, upjong, saNo, name, addr, tel;
};

// Sheet-wide defaults: white lines, font "굴림" size 9 in the form colour, centred both ways, then the
// width of every column and the height of every row.
void SetSheetDefaults(Sheet &s, int fontColour, double columnWidth, double rowHeight);

// A continuous line of the given weight and colour on every cell of the range, or on one outer edge.
void DrawAllLines(Sheet &s, const QString &range, Weight w, int colour);
void DrawEdge(Sheet &s, const QString &range, Edge e, Weight w, int colour);
// The bottom edge of every row of the range.
void DrawRowBottoms(Sheet &s, const QString &range, Weight w, int colour);

// Merges the range and writes the text into its top-left cell.
void MergedText(Sheet &s, const QString &range, const QString &text);

// Places the seal picture when the file exists and is a picture, moved right and down by points.
void PlaceSeal(Sheet &s, const QString &sealPath, double right, double down);

// The same text repeated: the double rule under the statement and quotation titles (28 characters).
QString TitleRule();

} // namespace sheet
