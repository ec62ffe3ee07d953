#include "report_renderer.h"

#include "fonts.h"
#include "safe_write.h"

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
    case Shape::Type::HorLine:
        add(QLineF(r.left(), r.center().y(), r.right(), r.center().y()));
        break;
    case Shape::Type::VertLine:
        add(QLineF(r.center().x(), r.top(), r.center().x(), r.bottom()));
        break;
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

void AddLabel(const Label &label, const QPointF &origin, std::vector<PageItem> &lines,
              std::vector<PageItem> &texts) {
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
    item.rect = r;
    item.font = ReportFont(label.font);
    const QFontMetricsF fm(item.font);
    // Lines follow each other at the font's size plus one pixel, as the forms were drawn for.
    item.lineSpacing = label.font.pixelSize + 1;
    item.ascent = fm.ascent();
    item.color = label.color;
    item.align = label.align;
    if (label.wordWrap) {
        item.lines = WrapText(text, item.font, r.width());
        // Lines that would start below the box are not printed.
        const int fit = std::max(1, int((r.height() + 2) / item.lineSpacing));
        if (item.lines.size() > fit)
            item.lines = item.lines.mid(0, fit);
    } else {
        item.lines = text.split(u'\n');
    }
    // Text stays inside its box sideways; a line may reach a little below the box for its descenders.
    item.clip = QRectF(r.left(), r.top() - 2, r.width(),
                       std::max(r.height(), item.lineSpacing * item.lines.size()) + 3);
    texts.push_back(item);
}

} // namespace

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
        if (fm.horizontalAdvance(para) <= width) {
            out << para;
            continue;
        }
        QString line;
        qsizetype lastBlank = -1;
        for (qsizetype i = 0; i < para.size(); ++i) {
            const QChar c = para.at(i);
            const qsizetype len = c.isHighSurrogate() && i + 1 < para.size() ? 2 : 1;
            const QString piece = para.mid(i, len);
            if (line.isEmpty() && piece == u" ")
                continue; // a wrapped line does not begin with a blank
            if (!line.isEmpty() && fm.horizontalAdvance(line + piece) > width && piece != u" ") {
                if (lastBlank > 0) {
                    out << line.left(lastBlank).trimmed();
                    line = line.mid(lastBlank + 1);
                } else {
                    out << line;
                    line.clear();
                }
                lastBlank = -1;
                for (qsizetype k = line.size() - 1; k > 0; --k)
                    if (line.at(k) == u' ') {
                        lastBlank = k;
                        break;
                    }
            }
            if (piece == u" ")
                lastBlank = line.size();
            line += piece;
            i += len - 1;
        }
        out << line.trimmed();
    }
    return out;
}

RenderedReport Render(ReportForm &form) {
    EnsureFonts();
    if (form.beforePrint)
        form.beforePrint(form);

    RenderedReport report;
    report.title = form.className();
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
        case Element::Kind::Shape:
            AddShape(page, static_cast<const Shape &>(*e), origin, lines);
            break;
        case Element::Kind::Label:
        case Element::Kind::Memo:
            AddLabel(static_cast<const Label &>(*e), origin, lines, texts);
            break;
        case Element::Kind::Picture: {
            const auto &p = static_cast<const Picture &>(*e);
            if (p.image.isNull())
                break;
            PageItem item;
            item.type = PageItem::Type::Picture;
            item.image = p.image;
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
        case PageItem::Type::Fill:
            painter.fillRect(i.rect, i.color);
            break;
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
            painter.setClipRect(i.clip, Qt::IntersectClip);
            painter.setFont(i.font);
            painter.setPen(i.color);
            const QFontMetricsF fm(i.font);
            double y = i.rect.top() + i.ascent;
            for (const QString &line : i.lines) {
                double x = i.rect.left();
                if (i.align != HAlign::Left) {
                    const double w = fm.horizontalAdvance(line);
                    x = i.align == HAlign::Right ? i.rect.right() - w : i.rect.left() + (i.rect.width() - w) / 2;
                }
                if (!line.contains(u' ')) {
                    painter.drawText(QPointF(x, y), line);
                } else {
                    // Word by word, at the places the whole line would put them: PDF readers then find the
                    // blanks between the words.
                    qsizetype start = 0;
                    while (start < line.size()) {
                        qsizetype end = line.indexOf(u' ', start);
                        if (end < 0)
                            end = line.size();
                        if (end > start)
                            painter.drawText(QPointF(x + fm.horizontalAdvance(line.left(start)), y),
                                             line.mid(start, end - start));
                        start = end + 1;
                    }
                }
                y += i.lineSpacing;
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
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
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
