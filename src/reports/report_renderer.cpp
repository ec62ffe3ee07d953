#include "report_renderer.h"

#include "fonts.h"
#include "safe_write.h"
#include "seal_ink.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace report {

namespace {

void EnsureFonts() {
    static bool done = false;
    if (!done) {
        InstallFontSubstitutions();
        done = true;
    }
}

QPen ShapePen(const Shape &s) {
    QPen pen(s.penColor, s.penWidth, s.penStyle, Qt::FlatCap, Qt::MiterJoin);
    return pen;
}

// Lines of a shape; the pen lies inside the shape's box.
void AddShape(RenderedPage &page, const Shape &s, const QPointF &origin, std::vector<PageItem> &lines) {
    const QRectF r = s.rect.translated(origin);
    if (s.brush && s.type == Shape::Type::Rectangle) {
        PageItem fill;
        fill.type = PageItem::Type::Fill;
        fill.rect = r;
        fill.color = *s.brush;
        page.items.push_back(fill);
    }
    if (s.penStyle == Qt::NoPen || s.penWidth <= 0)
        return;
    const double h = s.penWidth / 2;
    const double l = r.left() + h, t = r.top() + h, rr = r.right() - h, b = r.bottom() - h;
    auto add = [&](QLineF line) {
        PageItem item;
        item.type = PageItem::Type::Line;
        item.line = line;
        item.pen = ShapePen(s);
        lines.push_back(item);
    };
    switch (s.type) {
    case Shape::Type::Rectangle:
        // Each side runs the full length so that corners of wide pens are closed.
        add(QLineF(r.left(), t, r.right(), t));
        add(QLineF(r.left(), b, r.right(), b));
        add(QLineF(l, r.top(), l, r.bottom()));
        add(QLineF(rr, r.top(), rr, r.bottom()));
        break;
    case Shape::Type::HorLine: add(QLineF(r.left(), r.center().y(), r.right(), r.center().y())); break;
    case Shape::Type::VertLine: add(QLineF(r.center().x(), r.top(), r.center().x(), r.bottom())); break;
    case Shape::Type::TopAndBottom:
        add(QLineF(r.left(), t, r.right(), t));
        add(QLineF(r.left(), b, r.right(), b));
        break;
    case Shape::Type::LeftAndRight:
        add(QLineF(l, r.top(), l, r.bottom()));
        add(QLineF(rr, r.top(), rr, r.bottom()));
        break;
    }
}

// The width of the widest line.
double WidestLine(const QStringList &lines, const QFontMetricsF &fm) {
    double w = 0;
    for (const QString &line : lines)
        w = std::max(w, fm.horizontalAdvance(line));
    return w;
}

// Fits the text into the box: lines not wider than the box (less its insets) and, when there is more
// than one line, their stack not taller than the box. A line too wide is first condensed sideways down to
// kMinCondense, then made smaller; wrapped text is wrapped again at each step, so that condensing or a
// smaller size may save a line. The text itself is never shortened.
void FitText(PageItem &item, const QString &text, bool wrap) {
    const QFontMetricsF fm(item.font);
    const double width = std::max(1.0, item.rect.width() - 2 * kTextInset);
    const double height = std::max(1.0, item.rect.height());
    auto stackHeight = [&](qsizetype lines) { return double(lines) * item.lineSpacing; };

    if (!wrap) {
        QStringList lines = text.split(u'\n');
        for (QString &line : lines)
            line.remove(kBreakMark);
        item.lines = lines;
        const double widest = WidestLine(lines, fm);
        double sx = widest > width ? width / widest : 1.0;
        double sy = sx >= kMinCondense ? 1.0 : sx / kMinCondense;
        // Several lines in a box too low for them are made smaller as well.
        if (lines.size() > 1 && stackHeight(lines.size()) * sy > height) {
            sy = height / stackHeight(lines.size());
            sx = std::min(sx, sy);
        }
        item.scaleX = sx;
        item.scaleY = sy;
        return;
    }

    // Wrapped text: the largest size, and at it the least condensing, at which all lines fit.
    for (double sy = 1.0; sy > 0.2; sy -= 0.05) {
        for (double condense = 1.0; condense >= kMinCondense - 1e-9; condense -= 0.05) {
            const double sx = sy * condense;
            const QStringList lines = WrapText(text, item.font, width / sx);
            if (stackHeight(lines.size()) * sy <= height + 1e-9 && WidestLine(lines, fm) * sx <= width + 1e-9) {
                item.lines = lines;
                item.scaleX = sx;
                item.scaleY = sy;
                return;
            }
        }
    }
    // A text too long for any readable size: the smallest size, every line kept.
    item.scaleY = 0.2;
    item.scaleX = 0.2 * kMinCondense;
    item.lines = WrapText(text, item.font, width / item.scaleX);
}

void AddLabel(const Label &label, const QPointF &origin, std::vector<PageItem> &lines, std::vector<PageItem> &texts) {
    const QRectF r = label.rect.translated(origin);
    const auto &f = label.frame;
    auto frameLine = [&](QLineF line) {
        PageItem item;
        item.type = PageItem::Type::Line;
        item.line = line;
        item.pen = QPen(f.color, f.width, Qt::SolidLine, Qt::FlatCap);
        lines.push_back(item);
    };
    const double h = f.width / 2;
    if (f.top)
        frameLine(QLineF(r.left(), r.top() + h, r.right(), r.top() + h));
    if (f.bottom)
        frameLine(QLineF(r.left(), r.bottom() - h, r.right(), r.bottom() - h));
    if (f.left)
        frameLine(QLineF(r.left() + h, r.top(), r.left() + h, r.bottom()));
    if (f.right)
        frameLine(QLineF(r.right() - h, r.top(), r.right() - h, r.bottom()));

    const QString text = label.printText();
    if (text.isEmpty())
        return;
    PageItem item;
    item.type = PageItem::Type::Text;
    item.name = label.name;
    item.rect = r;
    item.font = ReportFont(label.font);
    const QFontMetricsF fm(item.font);
    // Lines follow each other at the font's size plus one pixel, as the forms were drawn for.
    item.lineSpacing = label.font.pixelSize + 1;
    item.ascent = fm.ascent();
    item.descent = fm.descent();
    item.color = label.color;
    item.align = label.align;
    FitText(item, text, label.wordWrap);
    // A single line sits at the top of its box, as drawn; wrapped text is centred in its box's height.
    const double stack = item.lines.size() * item.lineSpacing * item.scaleY;
    item.textTop = label.wordWrap ? r.top() + (r.height() - stack) / 2 : r.top();
    texts.push_back(item);
}

} // namespace

QRectF PageItem::textArea() const {
    return QRectF(rect.left() + kTextInset, rect.top(), std::max(0.0, rect.width() - 2 * kTextInset), rect.height());
}

std::vector<QRectF> PageItem::lineRects() const {
    std::vector<QRectF> out;
    const QFontMetricsF fm(font);
    const QRectF area = textArea();
    double top = textTop;
    for (const QString &line : lines) {
        const double w = fm.horizontalAdvance(line) * scaleX;
        double x = area.left();
        if (align == HAlign::Right)
            x = area.right() - w;
        else if (align == HAlign::Center)
            x = area.left() + (area.width() - w) / 2;
        out.emplace_back(x, top, w, lineSpacing * scaleY);
        top += lineSpacing * scaleY;
    }
    return out;
}

QStringList RenderedPage::texts() const {
    QStringList out;
    for (const PageItem &i : items)
        if (i.type == PageItem::Type::Text)
            out << i.lines.join(u'\n');
    return out;
}

QFont ReportFont(const FontSpec &spec) {
    EnsureFonts();
    QFont font(spec.family);
    font.setPixelSize(std::max(1, spec.pixelSize));
    font.setBold(spec.bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QStringList WrapText(const QString &text, const QFont &font, double width) {
    const QFontMetricsF fm(font);
    QStringList out;
    for (const QString &para : text.split(u'\n')) {
        // The characters to draw, and before which of them a line may break: after a blank, or where a
        // break mark stood.
        QString chars;
        QList<bool> breakBefore;
        bool mark = false;
        for (const QChar c : para) {
            if (c == kBreakMark) {
                mark = true;
                continue;
            }
            breakBefore.append(mark || (!chars.isEmpty() && chars.back() == u' '));
            chars += c;
            mark = false;
        }
        if (fm.horizontalAdvance(chars) <= width) {
            out << chars;
            continue;
        }
        auto skipBlanks = [&](qsizetype i) {
            while (i < chars.size() && chars.at(i) == u' ')
                ++i;
            return i;
        };
        qsizetype start = skipBlanks(0);
        for (qsizetype i = start; i < chars.size(); ++i) {
            // A pair of surrogates stays together.
            const qsizetype end = chars.at(i).isHighSurrogate() && i + 1 < chars.size() ? i + 2 : i + 1;
            if (chars.at(i) == u' ' || i == start || fm.horizontalAdvance(chars.mid(start, end - start)) <= width) {
                i = end - 1;
                continue;
            }
            qsizetype cut = i;
            for (qsizetype k = i; k > start; --k)
                if (breakBefore.at(k)) {
                    cut = k;
                    break;
                }
            QString line = chars.mid(start, cut - start);
            while (line.endsWith(u' '))
                line.chop(1);
            out << line;
            start = skipBlanks(cut);
            i = start - 1;
        }
        QString last = chars.mid(start);
        while (last.endsWith(u' '))
            last.chop(1);
        if (!last.isEmpty() || out.isEmpty())
            out << last;
    }
    return out;
}

QString DocumentFileName(const QString &title, const QString &suffix) {
    QString name = title.simplified();
    for (QChar &c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' || c == u'<' || c == u'>' ||
            c == u'|' || c.category() == QChar::Other_Control)
            c = u'_';
    if (name.isEmpty() || name.startsWith(u'.'))
        name.prepend(u'_');
    return name + u'.' + suffix;
}

RenderedReport Render(ReportForm &form) {
    EnsureFonts();
    if (form.beforePrint)
        form.beforePrint(form);

    RenderedReport report;
    report.title = form.documentTitle.isEmpty() ? form.className() : form.documentTitle;
    RenderedPage page;
    page.sizePx = form.pageSizeMm * kPixelsPerMm;
    // A negative top or left margin would push the form off the paper; it starts at the edge instead.
    const double left = std::max(0.0, form.marginMm(form.margins.left)) * kPixelsPerMm;
    const double top = std::max(0.0, form.marginMm(form.margins.top)) * kPixelsPerMm;

    std::vector<PageItem> pictures, lines, texts;
    for (const auto &e : form.elements()) {
        if (!e->visible || e->band < 0 || e->band >= static_cast<int>(form.bands().size()))
            continue;
        const QPointF origin(left, top + form.bandTop(e->band));
        switch (e->kind()) {
        case Element::Kind::Shape: AddShape(page, static_cast<const Shape &>(*e), origin, lines); break;
        case Element::Kind::Label:
        case Element::Kind::Memo: AddLabel(static_cast<const Label &>(*e), origin, lines, texts); break;
        case Element::Kind::Picture: {
            const auto &p = static_cast<const Picture &>(*e);
            if (p.image.isNull())
                break;
            PageItem item;
            item.type = PageItem::Type::Picture;
            item.name = p.name;
            item.image = p.grey ? GreyInk(p.image) : p.image;
            item.rect = QRectF(p.rect.topLeft() + origin, QSizeF(p.image.size()));
            const Band &b = form.bands()[e->band];
            item.clip = QRectF(origin, QSizeF(b.width, b.height));
            pictures.push_back(item);
            break;
        }
        }
    }
    // Fills first (already in), then pictures, the ruling and the text on top.
    for (auto *list : {&pictures, &lines, &texts})
        page.items.insert(page.items.end(), list->begin(), list->end());
    report.pages.push_back(std::move(page));
    return report;
}

void PaintPage(const RenderedPage &page, QPainter &painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const PageItem &i : page.items) {
        switch (i.type) {
        case PageItem::Type::Fill: painter.fillRect(i.rect, i.color); break;
        case PageItem::Type::Picture:
            painter.save();
            painter.setClipRect(i.clip, Qt::IntersectClip);
            painter.drawImage(i.rect, i.image);
            painter.restore();
            break;
        case PageItem::Type::Line:
            painter.setPen(i.pen);
            painter.drawLine(i.line);
            break;
        case PageItem::Type::Text: {
            painter.save();
            painter.setFont(i.font);
            painter.setPen(i.color);
            const QFontMetricsF fm(i.font);
            const std::vector<QRectF> at = i.lineRects();
            for (size_t n = 0; n < at.size(); ++n) {
                const QString &line = i.lines.at(qsizetype(n));
                // The baseline within the line's height, the font's own height centred on it.
                const double baseline =
                    at[n].top() + ((i.lineSpacing - i.ascent - i.descent) / 2 + i.ascent) * i.scaleY;
                painter.save();
                painter.translate(at[n].left(), baseline);
                painter.scale(i.scaleX, i.scaleY);
                if (!line.contains(u' ')) {
                    painter.drawText(QPointF(0, 0), line);
                } else {
                    // Word by word, at the places the whole line would put them: PDF readers then find the
                    // blanks between the words.
                    qsizetype start = 0;
                    while (start < line.size()) {
                        qsizetype end = line.indexOf(u' ', start);
                        if (end < 0)
                            end = line.size();
                        if (end > start)
                            painter.drawText(QPointF(fm.horizontalAdvance(line.left(start)), 0),
                                             line.mid(start, end - start));
                        start = end + 1;
                    }
                }
                painter.restore();
            }
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

QImage PageImage(const RenderedPage &page, double dpi) {
    const double scale = dpi / kPixelsPerInch;
    QImage image((page.sizePx * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintPage(page, painter);
    return image;
}

namespace {

bool PaintAll(const RenderedReport &report, QPagedPaintDevice &device, int resolution) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = resolution / kPixelsPerInch;
    for (size_t p = 0; p < report.pages.size(); ++p) {
        if (p > 0 && !device.newPage())
            return false;
        painter.save();
        painter.scale(scale, scale);
        PaintPage(report.pages[p], painter);
        painter.restore();
    }
    return painter.end();
}

QPageLayout A4FullPage() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

} // namespace

bool PrintReport(const RenderedReport &report, QPrinter &printer) {
    printer.setFullPage(true);
    printer.setPageLayout(A4FullPage());
    printer.setDocName(report.title);
    return PaintAll(report, printer, printer.resolution());
}

bool WritePdf(const RenderedReport &report, QIODevice *device) {
    QPdfWriter writer(device);
    writer.setPageLayout(A4FullPage());
    writer.setResolution(1200);
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("켈모르소프트"));
    return PaintAll(report, writer, writer.resolution());
}

bool WritePdf(const RenderedReport &report, const QString &path) {
    // The PDF is made in memory and then replaces the file whole, so a full disk or any other failure
    // leaves an old file intact.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!WritePdf(report, &buffer))
        return false;
    buffer.close();
    return safefile::ReplaceFile(path, buffer.data());
}

} // namespace report
