#include "sheet_model.h"

#include "seal_ink.h"
#include "seal_picture.h"

#include <QImageReader>

#include <algorithm>
#include <stdexcept>

namespace sheet {

int ColumnNumber(const QString &letters) {
    if (letters.isEmpty() || letters.size() > 3)
        return 0;
    int n = 0;
    for (QChar ch : letters) {
        const char16_t u = ch.toUpper().unicode();
        if (u < u'A' || u > u'Z')
            return 0;
        n = n * 26 + (u - u'A' + 1);
    }
    return n <= kMaxCols ? n : 0;
}

QString ColumnLetters(int col) {
    QString s;
    while (col > 0) {
        const int d = (col - 1) % 26;
        s.prepend(QChar(u'A' + d));
        col = (col - 1) / 26;
    }
    return s;
}

CellRef ParseCell(const QString &address) {
    qsizetype i = 0;
    while (i < address.size() && address[i].isLetter() && address[i].unicode() < 0x80)
        ++i;
    const int col = ColumnNumber(address.left(i));
    bool ok = false;
    const QString digits = address.mid(i);
    const int row = digits.toInt(&ok);
    if (col == 0 || !ok || row < 1 || row > kMaxRows || digits.startsWith(u'+') || digits.startsWith(u'-'))
        throw std::invalid_argument("bad cell address: " + address.toStdString());
    return {row, col};
}

Range ParseRange(const QString &address) {
    const qsizetype colon = address.indexOf(u':');
    const CellRef a = ParseCell(colon < 0 ? address : address.left(colon));
    const CellRef b = colon < 0 ? a : ParseCell(address.mid(colon + 1));
    return {std::min(a.row, b.row), std::min(a.col, b.col), std::max(a.row, b.row), std::max(a.col, b.col)};
}

QString CellAddress(int row, int col) { return ColumnLetters(col) + QString::number(row); }

Sheet::Sheet(QString name) : name_(std::move(name)) {}

void Sheet::check(const Range &r) {
    if (r.top < 1 || r.left < 1 || r.bottom > kMaxRows || r.right > kMaxCols || r.top > r.bottom || r.left > r.right)
        throw std::invalid_argument("range outside the sheet");
}

Cell &Sheet::cellForWrite(int row, int col) {
    auto it = cells_.find(key(row, col));
    if (it == cells_.end())
        it = cells_.insert(key(row, col), Cell{QString(), false, sheetFormat_, std::nullopt, QString()});
    return *it;
}

template <class F> void Sheet::forEachFormat(const Range &range, F &&change) {
    check(range);
    ++operations_;
    if (isWholeSheet(range)) {
        change(sheetFormat_);
        for (Cell &c : cells_)
            change(c.format);
        return;
    }
    for (int r = range.top; r <= range.bottom; ++r)
        for (int c = range.left; c <= range.right; ++c)
            change(cellForWrite(r, c).format);
}

Range Sheet::widenToMerges(Range range) const {
    bool grown = true;
    while (grown) {
        grown = false;
        for (const Range &m : merges_) {
            if (!m.intersects(range))
                continue;
            const Range u{std::min(range.top, m.top), std::min(range.left, m.left), std::max(range.bottom, m.bottom),
                          std::max(range.right, m.right)};
            if (!(u == range)) {
                range = u;
                grown = true;
            }
        }
    }
    return range;
}

std::optional<Range> Sheet::mergeAt(CellRef ref) const {
    for (const Range &m : merges_)
        if (m.contains(ref.row, ref.col))
            return m;
    return std::nullopt;
}

// --- Whole sheet ---

void Sheet::setSheetBorderColour(int colour) { setBorderColour(kWholeSheet, colour); }

void Sheet::setSheetFont(const QString &name, double size, int colour) {
    setFontName(kWholeSheet, name);
    setFontSize(kWholeSheet, size);
    setFontColour(kWholeSheet, colour);
}

void Sheet::setSheetAlignment(HAlign horizontal, VAlign vertical) {
    setVerticalAlignment(kWholeSheet, vertical);
    setHorizontalAlignment(kWholeSheet, horizontal);
}

void Sheet::setSheetColumnWidth(double width) {
    ++operations_;
    sheetColumnWidth_ = width;
    columnWidths_.clear();
}

void Sheet::setSheetRowHeight(double height) {
    ++operations_;
    sheetRowHeight_ = height;
    rowHeights_.clear();
}

// --- Cells ---

void Sheet::merge(const Range &range) {
    check(range);
    ++operations_;
    const Range area = widenToMerges(range);
    merges_.erase(std::remove_if(merges_.begin(), merges_.end(), [&](const Range &m) { return m.intersects(area); }),
                  merges_.end());
    if (area.top == area.bottom && area.left == area.right)
        return; // one cell: nothing to merge
    merges_.append(area);
    for (int r = area.top; r <= area.bottom; ++r)
        for (int c = area.left; c <= area.right; ++c)
            cellForWrite(r, c);
}

void Sheet::setValue(CellRef ref, const QString &value) {
    check({ref.row, ref.col, ref.row, ref.col});
    ++operations_;
    Cell &c = cellForWrite(ref.row, ref.col);
    c.text = value.startsWith(u'\'');
    c.value = c.text ? value.mid(1) : value;
    c.number.reset();
    c.numberFormat.clear();
}

void Sheet::setNumber(CellRef ref, Money amount, const QString &format) {
    check({ref.row, ref.col, ref.row, ref.col});
    ++operations_;
    Cell &c = cellForWrite(ref.row, ref.col);
    c.text = false;
    c.number = double(amount.raw()) / Money::Scale;
    c.numberFormat = format;
    if (format == kWonFormat)
        c.value = FormatMoneyText(amount, 0, false);
    else if (format == kAmountFormat)
        c.value = FormatMoneyText(amount, 0, true);
    else
        c.value = DecimalText(amount);
}

void Sheet::setFontName(const Range &range, const QString &name) {
    forEachFormat(range, [&](CellFormat &f) { f.font.name = name; });
}
void Sheet::setFontSize(const Range &range, double size) {
    forEachFormat(range, [&](CellFormat &f) { f.font.size = size; });
}
void Sheet::setFontStyle(const Range &range, const QString &style) {
    const bool bold = style == kBoldStyle;
    forEachFormat(range, [&](CellFormat &f) { f.font.bold = bold; });
}
void Sheet::setFontColour(const Range &range, int colour) {
    forEachFormat(range, [&](CellFormat &f) { f.font.colour = colour; });
}
void Sheet::setHorizontalAlignment(const Range &range, HAlign a) {
    forEachFormat(isWholeSheet(range) ? range : widenToMerges(range), [&](CellFormat &f) { f.horizontal = a; });
}
void Sheet::setVerticalAlignment(const Range &range, VAlign a) {
    forEachFormat(isWholeSheet(range) ? range : widenToMerges(range), [&](CellFormat &f) { f.vertical = a; });
}
void Sheet::setWrap(const Range &range, bool wrap) {
    forEachFormat(isWholeSheet(range) ? range : widenToMerges(range), [&](CellFormat &f) { f.wrap = wrap; });
}
void Sheet::setShrinkToFit(const Range &range, bool shrink) {
    forEachFormat(isWholeSheet(range) ? range : widenToMerges(range), [&](CellFormat &f) { f.shrink = shrink; });
}
void Sheet::setFill(const Range &range, int colour) {
    forEachFormat(range, [&](CellFormat &f) { f.fill = colour; });
}

void Sheet::setColumnWidth(const Range &range, double width) {
    check(range);
    ++operations_;
    if (range.left == 1 && range.right >= kMaxCols) {
        setSheetColumnWidth(width);
        return;
    }
    for (int c = range.left; c <= range.right; ++c)
        columnWidths_[c] = width;
}

void Sheet::setRowHeight(const Range &range, double height) {
    check(range);
    ++operations_;
    if (range.top == 1 && range.bottom >= kMaxRows) {
        setSheetRowHeight(height);
        return;
    }
    for (int r = range.top; r <= range.bottom; ++r)
        rowHeights_[r] = height;
}

// --- Lines ---

Border Sheet::line(Line kind, int row, int col) const {
    const auto &lines = kind == Line::Horizontal ? hLines_ : vLines_;
    return lines.value(key(row, col), sheetBorder_);
}

template <class F> void Sheet::changeLine(Line kind, int row, int col, F &&change) {
    auto &lines = kind == Line::Horizontal ? hLines_ : vLines_;
    auto it = lines.find(key(row, col));
    if (it == lines.end())
        it = lines.insert(key(row, col), sheetBorder_);
    change(*it);
}

template <class F> void Sheet::changeAllLines(const Range &range, F &&change) {
    check(range);
    ++operations_;
    if (isWholeSheet(range)) {
        change(sheetBorder_);
        for (Border &b : hLines_)
            change(b);
        for (Border &b : vLines_)
            change(b);
        return;
    }
    for (int r = range.top - 1; r <= range.bottom; ++r)
        for (int c = range.left; c <= range.right; ++c)
            changeLine(Line::Horizontal, r, c, change);
    for (int r = range.top; r <= range.bottom; ++r)
        for (int c = range.left - 1; c <= range.right; ++c)
            changeLine(Line::Vertical, r, c, change);
}

template <class F> void Sheet::changeEdge(const Range &range, Edge e, F &&change) {
    check(range);
    ++operations_;
    switch (e) {
    case Edge::Left:
    case Edge::Right: {
        const int c = e == Edge::Left ? range.left - 1 : range.right;
        for (int r = range.top; r <= std::min(range.bottom, kMaxRows); ++r)
            changeLine(Line::Vertical, r, c, change);
        break;
    }
    case Edge::Top:
    case Edge::Bottom: {
        const int r = e == Edge::Top ? range.top - 1 : range.bottom;
        for (int c = range.left; c <= std::min(range.right, kMaxCols); ++c)
            changeLine(Line::Horizontal, r, c, change);
        break;
    }
    }
}

namespace {
// A colour or a weight given to a side without a line turns on a thin continuous line.
void turnOn(Border &b) {
    if (b.style == LineStyle::None) {
        b.style = LineStyle::Continuous;
        b.weight = Weight::Thin;
    }
}
auto colourChange(int colour) {
    return [colour](Border &b) {
        turnOn(b);
        b.colour = colour;
    };
}
auto weightChange(Weight w) {
    return [w](Border &b) {
        turnOn(b);
        b.weight = w;
    };
}
auto styleChange(LineStyle s) {
    return [s](Border &b) {
        if (s == LineStyle::None)
            b = Border{};
        else
            turnOn(b);
    };
}
} // namespace

void Sheet::setBorderColour(const Range &range, int colour) { changeAllLines(range, colourChange(colour)); }
void Sheet::setBorderStyle(const Range &range, LineStyle s) { changeAllLines(range, styleChange(s)); }
void Sheet::setBorderWeight(const Range &range, Weight w) { changeAllLines(range, weightChange(w)); }
void Sheet::setEdgeColour(const Range &range, Edge e, int colour) { changeEdge(range, e, colourChange(colour)); }
void Sheet::setEdgeStyle(const Range &range, Edge e, LineStyle s) { changeEdge(range, e, styleChange(s)); }
void Sheet::setEdgeWeight(const Range &range, Edge e, Weight w) { changeEdge(range, e, weightChange(w)); }

Border Sheet::border(CellRef ref, Edge e) const {
    switch (e) {
    case Edge::Left: return line(Line::Vertical, ref.row, ref.col - 1);
    case Edge::Right: return line(Line::Vertical, ref.row, ref.col);
    case Edge::Top: return line(Line::Horizontal, ref.row - 1, ref.col);
    case Edge::Bottom: return line(Line::Horizontal, ref.row, ref.col);
    }
    return sheetBorder_;
}

QList<CellRef> Sheet::cellsBesideSetLines() const {
    QList<CellRef> out;
    auto add = [&](int r, int c) {
        if (r >= 1 && c >= 1 && r <= kMaxRows && c <= kMaxCols)
            out.append({r, c});
    };
    for (auto it = hLines_.begin(); it != hLines_.end(); ++it) {
        if (*it == sheetBorder_)
            continue;
        const int r = int(it.key() >> 32), c = int(it.key() & 0xffffffffu);
        add(r, c);
        add(r + 1, c);
    }
    for (auto it = vLines_.begin(); it != vLines_.end(); ++it) {
        if (*it == sheetBorder_)
            continue;
        const int r = int(it.key() >> 32), c = int(it.key() & 0xffffffffu);
        add(r, c);
        add(r, c + 1);
    }
    return out;
}

// --- Cells read back ---

const Cell &Sheet::cell(CellRef ref) const {
    auto it = cells_.constFind(key(ref.row, ref.col));
    if (it != cells_.constEnd())
        return *it;
    blank_ = Cell{QString(), false, sheetFormat_, std::nullopt, QString()};
    return blank_;
}

QList<CellRef> Sheet::cellRefs() const {
    QList<CellRef> out;
    out.reserve(cells_.size());
    for (auto it = cells_.begin(); it != cells_.end(); ++it)
        out.append({int(it.key() >> 32), int(it.key() & 0xffffffffu)});
    std::sort(out.begin(), out.end(),
              [](const CellRef &a, const CellRef &b) { return a.row != b.row ? a.row < b.row : a.col < b.col; });
    return out;
}

// --- Pictures ---

bool Sheet::insertPicture(const QString &path, bool ink) {
    ++operations_;
    QImage image;
    if (ink) {
        // The seal: checked as printing checks it, so that a damaged picture never becomes a black block.
        image = report::ReadSealPicture(path).image;
        if (image.isNull())
            return false;
        image = SealInk(image);
    } else {
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        image = reader.read();
        if (image.isNull())
            return false;
    }
    pictures_.append(Picture{image, 0, 0, path});
    return true;
}

void Sheet::movePictures(double right, double down) {
    ++operations_;
    for (Picture &p : pictures_) {
        p.left += right;
        p.top += down;
    }
}

} // namespace sheet
