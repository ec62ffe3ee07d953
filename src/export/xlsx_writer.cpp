#include "xlsx_writer.h"

#include "errors.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <xlsxwriter.h>

#include <memory>

namespace sheet {

StoredValue StoreValue(const Cell &cell) {
    if (cell.number)
        return {StoredValue::Number, *cell.number,
                cell.numberFormat == kQuantityFormat ? QString() : cell.numberFormat};
    if (cell.value.isEmpty())
        return {};
    if (cell.text)
        return {StoredValue::Text, 0, QString()};
    static const QRegularExpression plain(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    static const QRegularExpression grouped(QStringLiteral("^[+-]?[0-9]{1,3}(,[0-9]{3})+$"));
    const QString t = cell.value.trimmed();
    const bool isPlain = plain.match(t).hasMatch();
    const bool isGrouped = !isPlain && grouped.match(t).hasMatch();
    if (!isPlain && !isGrouped)
        return {StoredValue::Text, 0, QString()};
    QString digits = t;
    digits.remove(u',');
    // More digits than a double holds exactly: keep the text as typed.
    int significant = 0;
    bool leading = true;
    for (QChar ch : digits) {
        if (!ch.isDigit())
            continue;
        if (leading && ch == u'0')
            continue;
        leading = false;
        ++significant;
    }
    if (significant > 15)
        return {StoredValue::Text, 0, QString()};
    return {StoredValue::Number, digits.toDouble(), isGrouped ? kAmountFormat : QString()};
}

int ColumnPixels(double width, int characterPixels) {
    if (width <= 0)
        return 0;
    if (width < 1)
        return int(width * (characterPixels + 5) + 0.5);
    return int(width * characterPixels + 0.5) + 5;
}

double FileColumnWidth(double formWidth) {
    const int pixels = ColumnPixels(formWidth, kFormCharacterPixels);
    const int padding = ColumnPixels(1, kFileCharacterPixels) - kFileCharacterPixels;
    // Below one character a width has no padding of its own.
    if (pixels < ColumnPixels(1, kFileCharacterPixels))
        return double(pixels) / (kFileCharacterPixels + padding);
    return double(pixels - padding) / kFileCharacterPixels;
}

PictureColumn PictureColumnAt(const Sheet &sheet, double points) {
    int remaining = PointsToPixels(points);
    int col = 1;
    while (col < kMaxCols && remaining >= ColumnPixels(sheet.columnWidth(col), kFormCharacterPixels)) {
        remaining -= ColumnPixels(sheet.columnWidth(col), kFormCharacterPixels);
        ++col;
    }
    return {col, remaining};
}

namespace {

lxw_color_t rgbOf(int colour) {
    const unsigned c = unsigned(colour) & 0xffffffu;
    const lxw_color_t rgb = ((c & 0xff) << 16) | (c & 0xff00) | ((c >> 16) & 0xff);
    return rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : rgb; // 0 means "no colour" to the library
}

uint8_t lineOf(const Border &b) {
    if (b.style == LineStyle::None)
        return LXW_BORDER_NONE;
    switch (b.weight) {
    case Weight::Hairline: return LXW_BORDER_HAIR;
    case Weight::Thin: return LXW_BORDER_THIN;
    case Weight::Medium: return LXW_BORDER_MEDIUM;
    case Weight::Thick: return LXW_BORDER_THICK;
    }
    return LXW_BORDER_THIN;
}

struct FullFormat {
    CellFormat cell;
    Border left, top, right, bottom;
    QString numberFormat;

    QByteArray key() const {
        QByteArray k = cell.font.name.toUtf8();
        auto num = [&](double v) {
            k += '|';
            k += QByteArray::number(v);
        };
        num(cell.font.size);
        num(cell.font.bold);
        num(cell.font.colour);
        num(int(cell.horizontal));
        num(int(cell.vertical));
        num(cell.wrap);
        num(cell.shrink);
        num(cell.fill ? *cell.fill : -1);
        for (const Border *b : {&left, &top, &right, &bottom}) {
            num(int(b->style));
            num(int(b->weight));
            num(b->colour);
        }
        k += '|';
        k += numberFormat.toUtf8();
        return k;
    }
};

class Formats {
public:
    explicit Formats(lxw_workbook *wb) : wb_(wb) {}

    lxw_format *get(const FullFormat &f) {
        const QByteArray k = f.key();
        auto it = cache_.constFind(k);
        if (it != cache_.constEnd())
            return *it;
        lxw_format *fmt = workbook_add_format(wb_);
        const QByteArray name = f.cell.font.name.toUtf8();
        format_set_font_name(fmt, name.constData());
        format_set_font_size(fmt, f.cell.font.size);
        if (f.cell.font.bold)
            format_set_bold(fmt);
        format_set_font_color(fmt, rgbOf(f.cell.font.colour));
        switch (f.cell.horizontal) {
        case HAlign::General: break;
        case HAlign::Left: format_set_align(fmt, LXW_ALIGN_LEFT); break;
        case HAlign::Center: format_set_align(fmt, LXW_ALIGN_CENTER); break;
        case HAlign::Right: format_set_align(fmt, LXW_ALIGN_RIGHT); break;
        }
        switch (f.cell.vertical) {
        case VAlign::Bottom: format_set_align(fmt, LXW_ALIGN_VERTICAL_BOTTOM); break;
        case VAlign::Center: format_set_align(fmt, LXW_ALIGN_VERTICAL_CENTER); break;
        case VAlign::Top: format_set_align(fmt, LXW_ALIGN_VERTICAL_TOP); break;
        }
        if (f.cell.wrap)
            format_set_text_wrap(fmt);
        if (f.cell.shrink)
            format_set_shrink(fmt);
        if (f.cell.fill) {
            format_set_pattern(fmt, LXW_PATTERN_SOLID);
            format_set_bg_color(fmt, rgbOf(*f.cell.fill));
        }
        format_set_left(fmt, lineOf(f.left));
        format_set_top(fmt, lineOf(f.top));
        format_set_right(fmt, lineOf(f.right));
        format_set_bottom(fmt, lineOf(f.bottom));
        if (f.left.style != LineStyle::None)
            format_set_left_color(fmt, rgbOf(f.left.colour));
        if (f.top.style != LineStyle::None)
            format_set_top_color(fmt, rgbOf(f.top.colour));
        if (f.right.style != LineStyle::None)
            format_set_right_color(fmt, rgbOf(f.right.colour));
        if (f.bottom.style != LineStyle::None)
            format_set_bottom_color(fmt, rgbOf(f.bottom.colour));
        if (!f.numberFormat.isEmpty())
            format_set_num_format(fmt, f.numberFormat.toUtf8().constData());
        cache_.insert(k, fmt);
        return fmt;
    }

private:
    lxw_workbook *wb_;
    QHash<QByteArray, lxw_format *> cache_;
};

[[noreturn]] void fail(const QString &path, lxw_error error) {
    QFile::remove(path);
    throw IoError(QStringLiteral("%1 을(를) 쓸 수 없습니다. (%2)").arg(path, QString::fromUtf8(lxw_strerror(error))));
}

} // namespace

void WriteXlsx(const Sheet &sheet, const QString &path) {
    const QByteArray fileName = QFile::encodeName(path);
    lxw_workbook *wb = workbook_new(fileName.constData());
    if (!wb)
        fail(path, LXW_ERROR_CREATING_XLSX_FILE);
    // The workbook frees itself in workbook_close(); every path below ends there.
    const QByteArray sheetName = sheet.name().toUtf8();
    lxw_worksheet *ws = workbook_add_worksheet(wb, sheetName.constData());
    if (!ws) {
        workbook_close(wb);
        fail(path, LXW_ERROR_SHEETNAME_LENGTH_EXCEEDED);
    }
    Formats formats(wb);
    QList<QByteArray> keepAlive;

    // Defaults of every column: the sheet's format with its default lines on all four sides.
    FullFormat sheetFormat{sheet.sheetFormat(), sheet.sheetBorder(), sheet.sheetBorder(),
                           sheet.sheetBorder(), sheet.sheetBorder(), QString()};
    lxw_format *columnFormat = formats.get(sheetFormat);
    const QMap<int, double> &widths = sheet.columnWidths();
    const int lastSet = widths.isEmpty() ? 0 : widths.lastKey();
    int first = 1;
    while (first <= lastSet) {
        int last = first;
        const double w = sheet.columnWidth(first);
        while (last + 1 <= lastSet && sheet.columnWidth(last + 1) == w)
            ++last;
        worksheet_set_column(ws, lxw_col_t(first - 1), lxw_col_t(last - 1), FileColumnWidth(w), columnFormat);
        first = last + 1;
    }
    if (first <= kMaxCols)
        worksheet_set_column(ws, lxw_col_t(first - 1), lxw_col_t(kMaxCols - 1),
                             FileColumnWidth(sheet.sheetColumnWidth()), columnFormat);

    worksheet_set_default_row(ws, sheet.sheetRowHeight(), LXW_FALSE);
    for (auto it = sheet.rowHeights().begin(); it != sheet.rowHeights().end(); ++it) {
        double height = it.value();
        // The library takes a height equal to its own default (15) for "not set" and leaves it out of the
        // file, where the row would then take the sheet's default. Such a row is written a hair higher,
        // which no program shows.
        if (height == LXW_DEF_ROW_HEIGHT && sheet.sheetRowHeight() != LXW_DEF_ROW_HEIGHT)
            height += 0.01;
        worksheet_set_row(ws, lxw_row_t(it.key() - 1), height, nullptr);
    }

    // Merged areas first; the cells written below then replace the blanks the merge leaves.
    for (const Range &m : sheet.merges()) {
        const lxw_error e = worksheet_merge_range(ws, lxw_row_t(m.top - 1), lxw_col_t(m.left - 1),
                                                  lxw_row_t(m.bottom - 1), lxw_col_t(m.right - 1), "", nullptr);
        if (e != LXW_NO_ERROR) {
            workbook_close(wb);
            fail(path, e);
        }
    }

    // Every cell that has a value or a format of its own, and every cell beside a line of its own.
    QList<CellRef> refs = sheet.cellRefs();
    QSet<quint64> seen;
    for (const CellRef &r : refs)
        seen.insert((quint64(r.row) << 32) | quint32(r.col));
    for (const CellRef &r : sheet.cellsBesideSetLines())
        if (!seen.contains((quint64(r.row) << 32) | quint32(r.col))) {
            seen.insert((quint64(r.row) << 32) | quint32(r.col));
            refs.append(r);
        }

    for (const CellRef &r : refs) {
        const Cell &c = sheet.cell(r);
        const StoredValue v = StoreValue(c);
        FullFormat f{c.format,
                     sheet.border(r, Edge::Left),
                     sheet.border(r, Edge::Top),
                     sheet.border(r, Edge::Right),
                     sheet.border(r, Edge::Bottom),
                     v.kind == StoredValue::Number ? v.format : QString()};
        // Some programs draw a merged area's outline from its top-left cell alone: give that cell the
        // area's right and bottom lines as well.
        if (const std::optional<Range> m = sheet.mergeAt(r); m && m->top == r.row && m->left == r.col) {
            f.right = sheet.border(CellRef{m->top, m->right}, Edge::Right);
            f.bottom = sheet.border(CellRef{m->bottom, m->left}, Edge::Bottom);
        }
        lxw_format *fmt = formats.get(f);
        const lxw_row_t row = lxw_row_t(r.row - 1);
        const lxw_col_t col = lxw_col_t(r.col - 1);
        lxw_error e = LXW_NO_ERROR;
        switch (v.kind) {
        case StoredValue::Blank: e = worksheet_write_blank(ws, row, col, fmt); break;
        case StoredValue::Number: e = worksheet_write_number(ws, row, col, v.number, fmt); break;
        case StoredValue::Text: {
            keepAlive.append(c.value.toUtf8());
            e = worksheet_write_string(ws, row, col, keepAlive.last().constData(), fmt);
            break;
        }
        }
        if (e != LXW_NO_ERROR) {
            workbook_close(wb);
            fail(path, e);
        }
    }

    // Pictures as PNG, at their offset from the top-left corner of the sheet.
    for (const Picture &p : sheet.pictures()) {
        QImage image = p.image;
        image.setDotsPerMeterX(3780); // 96 dpi: shown at its pixel size
        image.setDotsPerMeterY(3780);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            continue;
        keepAlive.append(png);
        lxw_image_options options{};
        const PictureColumn at = PictureColumnAt(sheet, p.left);
        options.x_offset = at.offset;
        options.y_offset = PointsToPixels(p.top);
        options.x_scale = 1;
        options.y_scale = 1;
        const lxw_error e = worksheet_insert_image_buffer_opt(
            ws, 0, lxw_col_t(at.col - 1), reinterpret_cast<const unsigned char *>(keepAlive.last().constData()),
            size_t(keepAlive.last().size()), &options);
        if (e != LXW_NO_ERROR) {
            workbook_close(wb);
            fail(path, e);
        }
    }

    // The form prints on one A4 page across.
    worksheet_set_paper(ws, 9);
    worksheet_fit_to_pages(ws, 1, 0);
    worksheet_activate(ws);
    const lxw_error e = workbook_close(wb);
    if (e != LXW_NO_ERROR)
        fail(path, e);
}

} // namespace sheet
