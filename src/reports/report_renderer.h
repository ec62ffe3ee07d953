#pragma once
// Renders a filled report form into pages, and draws those pages onto a printer, a PDF file or an image.
// Rendering runs the form's before-print set-up and every label's print handler once and lays the text
// out; the rendered pages are then self-contained and can be drawn at any scale, on any device.

#include "report_form.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QPen>
#include <QStringList>

#include <vector>

class QIODevice;
class QPainter;
class QPrinter;

namespace report {

struct PageItem {
    enum class Type { Fill, Picture, Line, Text };
    Type type = Type::Line;
    QRectF rect;    // fill, picture and text box, in report pixels from the paper's top-left corner
    QRectF clip;    // pictures and text are drawn inside it
    QLineF line;
    QPen pen;
    QColor color;   // fill or text colour
    QImage image;
    QFont font;
    QStringList lines;
    HAlign align = HAlign::Left;
    double lineSpacing = 0;
    double ascent = 0;
};

struct RenderedPage {
    QSizeF sizePx;                // the paper, in report pixels
    std::vector<PageItem> items;  // in drawing order
    // All text drawn on the page, in drawing order (for tests and searching).
    QStringList texts() const;
};

struct RenderedReport {
    QString title;
    std::vector<RenderedPage> pages;
    bool isEmpty() const { return pages.empty(); }
};

// The fonts' real families on this system; the forms name those of the system they were drawn on.
QFont ReportFont(const FontSpec &spec);

// Breaks text into lines no wider than width: at blanks where a line has one, else between characters.
// Line ends in the text always break.
QStringList WrapText(const QString &text, const QFont &font, double width);

// Lays out the form. Runs beforePrint and the print handlers.
RenderedReport Render(ReportForm &form);

// Draws a page onto a painter whose coordinates are report pixels from the paper's corner.
void PaintPage(const RenderedPage &page, QPainter &painter);

// The page as an image at dpi dots per inch, on white.
QImage PageImage(const RenderedPage &page, double dpi);

// Sends every page to the printer (full-page mode, A4). False when the printer could not be started.
bool PrintReport(const RenderedReport &report, QPrinter &printer);

// Writes the pages as a PDF with searchable text. False on failure; a file already at the path is then
// left as it was.
bool WritePdf(const RenderedReport &report, QIODevice *device);
bool WritePdf(const RenderedReport &report, const QString &path);

} // namespace report
