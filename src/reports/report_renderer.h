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

// Text keeps this distance from the sides of its box: boxes often begin on a rule one pixel wide, so
// the text keeps a pixel clear of it.
inline constexpr double kTextInset = 2.0;
// How far text is condensed sideways before it is made smaller.
inline constexpr double kMinCondense = 0.75;

struct PageItem {
    enum class Type { Fill, Picture, Line, Text };
    Type type = Type::Line;
    QString name; // the label's name (text)
    QRectF rect;  // fill, picture and text box, in report pixels from the paper's top-left corner
    QRectF clip;  // pictures are drawn inside it
    QLineF line;
    QPen pen;
    QColor color; // fill or text colour
    QImage image;
    QFont font;
    QStringList lines;
    HAlign align = HAlign::Left;
    double lineSpacing = 0; // from one line to the next, before scaling
    double ascent = 0;
    double descent = 0;
    // Text that would not fit its box is drawn condensed (scaleX below scaleY) and, when condensing is
    // not enough, smaller (scaleY below 1). Nothing of it is ever cut off.
    double scaleX = 1;
    double scaleY = 1;
    double textTop = 0; // top of the first line

    // Where each line of a text item is drawn: its advance and its line height, scaled.
    std::vector<QRectF> lineRects() const;
    // The room text may take: the box less the inset at its sides.
    QRectF textArea() const;
};

struct RenderedPage {
    QSizeF sizePx;               // the paper, in report pixels
    std::vector<PageItem> items; // in drawing order
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

// Breaks text into lines no wider than width: after blanks or at break marks where a line has one, else
// between characters. Line ends in the text always break. Break marks do not appear in the lines.
QStringList WrapText(const QString &text, const QFont &font, double width);

// A file name for the document of that title: characters no file name may hold become "_".
QString DocumentFileName(const QString &title, const QString &suffix);

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
