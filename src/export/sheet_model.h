#pragma once
// A worksheet as the exports draw it: cells addressed by row and column (or by letters, "B5", "AN20"),
// merged ranges, values, fonts, alignment, wrap, column widths, row heights, borders, fills and pictures.
// Operations are applied in the order they are issued, with a spreadsheet's rules:
//  - a border is one line shared by the two cells it separates, so a later border on either cell
//    replaces an earlier one;
//  - setting only the colour or the weight of an edge that has no line turns a thin continuous line on;
//  - alignment and wrap set on any cell of a merged area apply to the whole area;
//  - an operation on the whole sheet (all columns) changes the defaults of every cell, written or not.
// Nothing here knows a file format; the .xlsx writer reads the finished sheet.

#include <QHash>
#include <QImage>
#include <QList>
#include <QMap>
#include "money.h"

#include <QString>

#include <optional>

namespace sheet {

// Colours are the spreadsheet's colour numbers: blue * 65536 + green * 256 + red.
inline constexpr int kFormBlue = 8388608;   // dark blue (0, 0, 128): the printed form
inline constexpr int kBlack = 0;            // data
inline constexpr int kWhite = 16777215;     // hides a line
inline constexpr int kLightBlue = 14005883; // (123, 182, 213): fill of the statement's boxes

// The bold font style name of a Korean spreadsheet.
inline const QString kBoldStyle = QStringLiteral("굵게");

enum class HAlign { General, Left, Center, Right };
enum class VAlign { Bottom, Center, Top };
enum class LineStyle { None, Continuous };
enum class Weight { Hairline, Thin, Medium, Thick };
enum class Edge { Left, Top, Right, Bottom };

struct Border {
    LineStyle style = LineStyle::None;
    Weight weight = Weight::Thin;
    int colour = kBlack;
    bool operator==(const Border &) const = default;
};

struct Font {
    QString name = QStringLiteral("Calibri");
    double size = 11;
    bool bold = false;
    int colour = kBlack;
    bool operator==(const Font &) const = default;
};

struct CellFormat {
    Font font;
    HAlign horizontal = HAlign::General;
    VAlign vertical = VAlign::Bottom;
    bool wrap = false;
    bool shrink = false;     // text smaller than its font rather than cut or shown as "###"
    std::optional<int> fill; // interior colour, none when unset
    bool operator==(const CellFormat &) const = default;
};

struct Cell {
    QString value;     // as shown; an apostrophe typed in front is not part of it
    bool text = false; // stored as text because the value was written with an apostrophe
    CellFormat format;
    std::optional<double> number; // a number written as one (setNumber), shown in numberFormat
    QString numberFormat;
};

// Number formats of the sheets' numbers: amounts with thousands separators, amounts with the won sign, and
// quantities as their digits.
inline const QString kAmountFormat = QStringLiteral("#,##0");
inline const QString kWonFormat = QStringLiteral("\"\u20a9\"#,##0");
inline const QString kQuantityFormat = QStringLiteral("General");
// A quantity written with more decimals than its value needs ("1.50") keeps them in the sheet.
inline QString QuantityFormat(int decimals) {
    return decimals > 0 ? QStringLiteral("0.") + QString(decimals, u'0') : kQuantityFormat;
}

struct CellRef {
    int row = 1; // from 1
    int col = 1; // from 1: A = 1 ... AN = 40
    bool operator==(const CellRef &) const = default;
};

struct Range {
    int top = 1, left = 1, bottom = 1, right = 1;
    bool contains(int row, int col) const { return row >= top && row <= bottom && col >= left && col <= right; }
    bool intersects(const Range &o) const {
        return !(o.right < left || o.left > right || o.bottom < top || o.top > bottom);
    }
    bool operator==(const Range &) const = default;
};

inline constexpr int kMaxRows = 1048576;
inline constexpr int kMaxCols = 16384;

// "A" = 1 ... "Z" = 26, "AA" = 27; 0 for text that is not column letters.
int ColumnNumber(const QString &letters);
QString ColumnLetters(int col);
// "B5" or "AN20"; raises std::invalid_argument on a malformed address.
CellRef ParseCell(const QString &address);
// "B2:G2" or a single cell "AM2"; raises std::invalid_argument on a malformed address.
Range ParseRange(const QString &address);
QString CellAddress(int row, int col);

struct Picture {
    QImage image;
    double left = 0; // points from the sheet's top-left corner
    double top = 0;
    QString source; // the file it came from
};

class Sheet {
public:
    explicit Sheet(QString name);

    const QString &name() const { return name_; }
    void setName(const QString &name) { name_ = name; }

    // --- Whole sheet (every column) ---
    void setSheetBorderColour(int colour);
    void setSheetFont(const QString &name, double size, int colour);
    void setSheetAlignment(HAlign horizontal, VAlign vertical);
    void setSheetColumnWidth(double width);
    void setSheetRowHeight(double height);

    // --- Ranges, by address text ("B2:G2", "AM2") or by numbers ---
    void merge(const QString &range) { merge(ParseRange(range)); }
    void merge(const Range &range);

    // Writes a value into the cell. A leading apostrophe makes a text cell and is dropped.
    void setValue(const QString &cell, const QString &value) { setValue(ParseCell(cell), value); }
    void setValue(CellRef cell, const QString &value);
    void setValue(int row, int col, const QString &value) { setValue(CellRef{row, col}, value); }
    // A number the spreadsheet can compute with, in one of the formats above; the value shows as that
    // format shows it ("1,234,000", "₩1,234,000", "2.5").
    void setNumber(CellRef cell, Money amount, const QString &format);
    void setNumber(const QString &cell, Money amount, const QString &format) {
        setNumber(ParseCell(cell), amount, format);
    }

    void setFontName(const QString &range, const QString &name) { setFontName(ParseRange(range), name); }
    void setFontName(const Range &range, const QString &name);
    void setFontSize(const QString &range, double size) { setFontSize(ParseRange(range), size); }
    void setFontSize(const Range &range, double size);
    // The style by name: "굵게" is bold, any other name regular.
    void setFontStyle(const QString &range, const QString &style) { setFontStyle(ParseRange(range), style); }
    void setFontStyle(const Range &range, const QString &style);
    void setFontColour(const QString &range, int colour) { setFontColour(ParseRange(range), colour); }
    void setFontColour(const Range &range, int colour);
    void setHorizontalAlignment(const QString &range, HAlign a) { setHorizontalAlignment(ParseRange(range), a); }
    void setHorizontalAlignment(const Range &range, HAlign a);
    void setVerticalAlignment(const QString &range, VAlign a) { setVerticalAlignment(ParseRange(range), a); }
    void setVerticalAlignment(const Range &range, VAlign a);
    void setWrap(const QString &range, bool wrap) { setWrap(ParseRange(range), wrap); }
    void setWrap(const Range &range, bool wrap);
    // Shrink to fit: a value wider than its cell is shown smaller, never cut or as "###".
    void setShrinkToFit(const QString &range, bool shrink) { setShrinkToFit(ParseRange(range), shrink); }
    void setShrinkToFit(const Range &range, bool shrink);
    void setFill(const QString &range, int colour) { setFill(ParseRange(range), colour); }
    void setFill(const Range &range, int colour);

    // Columns of the range take the width (in characters), rows the height (in points).
    void setColumnWidth(const QString &range, double width) { setColumnWidth(ParseRange(range), width); }
    void setColumnWidth(const Range &range, double width);
    void setRowHeight(const QString &range, double height) { setRowHeight(ParseRange(range), height); }
    void setRowHeight(const Range &range, double height);

    // Borders of every cell of the range (its outline and the lines inside).
    void setBorderColour(const QString &range, int colour) { setBorderColour(ParseRange(range), colour); }
    void setBorderColour(const Range &range, int colour);
    void setBorderStyle(const QString &range, LineStyle s) { setBorderStyle(ParseRange(range), s); }
    void setBorderStyle(const Range &range, LineStyle s);
    void setBorderWeight(const QString &range, Weight w) { setBorderWeight(ParseRange(range), w); }
    void setBorderWeight(const Range &range, Weight w);
    // One outer edge of the range.
    void setEdgeColour(const QString &range, Edge e, int colour) { setEdgeColour(ParseRange(range), e, colour); }
    void setEdgeColour(const Range &range, Edge e, int colour);
    void setEdgeStyle(const QString &range, Edge e, LineStyle s) { setEdgeStyle(ParseRange(range), e, s); }
    void setEdgeStyle(const Range &range, Edge e, LineStyle s);
    void setEdgeWeight(const QString &range, Edge e, Weight w) { setEdgeWeight(ParseRange(range), e, w); }
    void setEdgeWeight(const Range &range, Edge e, Weight w);

    // Inserts the picture file at the top-left corner of the sheet (its active cell A1). A file that
    // cannot be read as a picture inserts nothing; returns whether a picture was inserted.
    // ink: the picture is a seal, whose white is paper (made transparent).
    bool insertPicture(const QString &path, bool ink = false);
    // Moves every picture of the sheet by the given points.
    void movePictures(double right, double down);

    // Marks the moment the sheet becomes visible to the user (the number of operations issued so far).
    void makeVisible() { visibleAfter_ = operations_; }

    // --- Reading the finished sheet ---
    const Cell &cell(CellRef ref) const;
    const Cell &cell(const QString &address) const { return cell(ParseCell(address)); }
    QString value(const QString &address) const { return cell(address).value; }
    const CellFormat &format(const QString &address) const { return cell(address).format; }
    bool hasCell(int row, int col) const { return cells_.contains(key(row, col)); }
    // Every written or formatted cell, ordered by row and column.
    QList<CellRef> cellRefs() const;

    // The line on one side of a cell.
    Border border(CellRef ref, Edge e) const;
    Border border(const QString &address, Edge e) const { return border(ParseCell(address), e); }
    const Border &sheetBorder() const { return sheetBorder_; }
    // Lines set apart from the sheet's default, as the cells on their two sides.
    QList<CellRef> cellsBesideSetLines() const;

    const QList<Range> &merges() const { return merges_; }
    // The merged area holding the cell, if any.
    std::optional<Range> mergeAt(CellRef ref) const;

    double columnWidth(int col) const { return columnWidths_.value(col, sheetColumnWidth_); }
    double rowHeight(int row) const { return rowHeights_.value(row, sheetRowHeight_); }
    double sheetColumnWidth() const { return sheetColumnWidth_; }
    double sheetRowHeight() const { return sheetRowHeight_; }
    const QMap<int, double> &columnWidths() const { return columnWidths_; }
    const QMap<int, double> &rowHeights() const { return rowHeights_; }
    const CellFormat &sheetFormat() const { return sheetFormat_; }

    const QList<Picture> &pictures() const { return pictures_; }
    std::optional<int> visibleAfter() const { return visibleAfter_; }
    int operations() const { return operations_; }

private:
    static quint64 key(int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); }
    static bool isWholeSheet(const Range &r) {
        return r.top <= 1 && r.left <= 1 && r.bottom >= kMaxRows && r.right >= kMaxCols;
    }
    static void check(const Range &r);
    Cell &cellForWrite(int row, int col);
    template <class F> void forEachFormat(const Range &range, F &&change);
    Range widenToMerges(Range range) const;

    // Lines: the one below row r in column c (horizontal) and the one right of column c in row r
    // (vertical); row 0 and column 0 stand for the sheet's top and left edges.
    enum class Line { Horizontal, Vertical };
    Border line(Line kind, int row, int col) const;
    template <class F> void changeLine(Line kind, int row, int col, F &&change);
    template <class F> void changeAllLines(const Range &range, F &&change);
    template <class F> void changeEdge(const Range &range, Edge e, F &&change);

    QString name_;
    CellFormat sheetFormat_;
    Border sheetBorder_;
    double sheetColumnWidth_ = 8.43;
    double sheetRowHeight_ = 15;
    QHash<quint64, Cell> cells_;
    QHash<quint64, Border> hLines_;
    QHash<quint64, Border> vLines_;
    QList<Range> merges_;
    QMap<int, double> columnWidths_;
    QMap<int, double> rowHeights_;
    QList<Picture> pictures_;
    std::optional<int> visibleAfter_;
    int operations_ = 0;
    mutable Cell blank_;
};

// The whole sheet as a range ("all columns").
inline constexpr Range kWholeSheet{1, 1, kMaxRows, kMaxCols};

} // namespace sheet
