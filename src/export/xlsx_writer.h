#pragma once
// Writes a finished sheet model as an .xlsx workbook of one worksheet.

#include "sheet_model.h"

#include <QString>

namespace sheet {

// Writes the sheet to path (replacing a file there). Raises IoError when the file cannot be written; no
// partial file is left behind then.
void WriteXlsx(const Sheet &sheet, const QString &path);

// How a value typed into a cell is stored: plain decimal numbers ("03", "-1", "2.5") and numbers with
// thousands separators ("1,234") become numbers, everything else (and every value written as text) stays
// text. Never a formula: a value starting with "=" is text.
struct StoredValue {
    enum Kind { Blank, Number, Text } kind = Blank;
    double number = 0;
    QString format; // the number's format ("#,##0" for a text written with thousands separators); empty: none
};
StoredValue StoreValue(const Cell &cell);

// Points to pixels at 96 pixels per inch.
inline int PointsToPixels(double points) { return int(points * 96.0 / 72.0 + 0.5); }

// A column width counts characters of the workbook's standard font, so its size in pixels depends on
// the program that shows it. The forms were measured on columns of the Korean spreadsheet standard font,
// 9 pixels a character; this file's standard font takes 7. The file therefore holds wider widths, so
// that each column keeps the pixels the form was drawn with.
inline constexpr int kFormCharacterPixels = 9;
inline constexpr int kFileCharacterPixels = 7;
// Pixels of a column of the given width (characters) for a character width in pixels, padding included.
int ColumnPixels(double width, int characterPixels);
// The width in this file's characters of a form column of the given width in the form's characters.
double FileColumnWidth(double formWidth);

// Where a picture placed the given points right of the sheet's left edge lands, counted on the form's
// columns: the column (from 1) and the offset into it in pixels.
struct PictureColumn {
    int col = 1;
    int offset = 0;
};
PictureColumn PictureColumnAt(const Sheet &sheet, double points);

} // namespace sheet
