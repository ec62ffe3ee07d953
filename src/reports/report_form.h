#pragma once
// The report engine's form model. A form is data: a page with margins and bands printed once one under
// the other; each band holds labels, shapes, pictures and memos at fixed boxes in report pixels (96 per
// inch) relative to the band's top-left corner. Every element has a name unique within its form, so print
// jobs fill and adjust elements by name. The renderer (report_renderer.h) turns a filled form into pages.

#include <QColor>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace report {

// Report pixels per inch and per millimetre.
inline constexpr double kPixelsPerInch = 96.0;
inline constexpr double kPixelsPerMm = kPixelsPerInch / 25.4;

// The colours of the printed copies.
inline const QColor kNavy{0, 0, 128};
inline const QColor kRed{255, 0, 0};
inline const QColor kBlueShade{243, 247, 252}; // light fill of the buyer's copy cells
inline const QColor kRedShade{255, 238, 242};  // light fill of the supplier's copy cells
inline const QColor kWebAddressGrey{128, 128, 128};

enum class HAlign { Left, Center, Right };

// Marks a place in a label's text where the word wrapper may break a line; it takes no room and is
// never drawn (a zero-width space).
inline constexpr QChar kBreakMark{0x200B};

struct FontSpec {
    QString family = QStringLiteral("굴림");
    int pixelSize = 12;
    bool bold = false;
};

class Element {
public:
    enum class Kind { Label, Shape, Picture, Memo };
    virtual ~Element() = default;
    virtual Kind kind() const = 0;

    QString name;
    int band = 0;
    QRectF rect; // report pixels, relative to the band
    int tag = 0; // 0: data; 1 or 2: part of the printed form (see each form)
    bool visible = true;
};

// A fixed box of text. The print handler, when set, receives the caption just before the label is drawn
// and returns the text to draw; the caption itself is left as it was.
class Label : public Element {
public:
    Kind kind() const override { return Kind::Label; }

    QString text;
    FontSpec font;
    QColor color = Qt::black;
    HAlign align = HAlign::Left;
    bool wordWrap = false;
    struct Frame {
        bool left = false, top = false, right = false, bottom = false;
        QColor color = Qt::black;
        double width = 1;
    } frame;
    std::function<QString(const QString &)> printHandler;

    // The text that is drawn: the caption passed through the print handler.
    QString printText() const { return printHandler ? printHandler(text) : text; }
};

// Several lines of text in a box, wrapped at words.
class Memo : public Label {
public:
    Memo() { wordWrap = true; }
    Kind kind() const override { return Kind::Memo; }
    void setLines(const QStringList &lines) { text = lines.join(u'\n'); }
};

class Shape : public Element {
public:
    // TopAndBottom draws the box's upper and lower edges, LeftAndRight its two sides; HorLine and VertLine
    // a single line through the box's middle.
    enum class Type { Rectangle, HorLine, VertLine, TopAndBottom, LeftAndRight };
    Kind kind() const override { return Kind::Shape; }

    Type type = Type::Rectangle;
    QColor penColor = Qt::black;
    double penWidth = 1;
    Qt::PenStyle penStyle = Qt::SolidLine; // Qt::NoPen: not drawn
    std::optional<QColor> brush;           // fill; none leaves what lies under the box visible
};

// A picture drawn at its own size (one image pixel to one report pixel) from the box's top-left corner.
class Picture : public Element {
public:
    Kind kind() const override { return Kind::Picture; }
    QImage image;
    bool grey = false; // drawn in grey (black-and-white printing)
    // Loads the file as a seal picture (seal_picture.h): a file that cannot serve as one leaves the picture
    // empty. True when a picture was loaded.
    bool load(const QString &path);
    void clear() { image = QImage(); }
};

struct Band {
    QString name;
    double width = 0;
    double height = 0;
};

enum class MarginUnit { TenthMm, Mm };

struct Margins {
    int top = 0, bottom = 0, left = 0, right = 0; // in the form's margin unit
};

// Which tags mark a form's printed words.
using TagRule = std::function<bool(int tag)>;
TagRule TagIs(int tag);
TagRule TagIsOneOrTwo();

// How the paper and colour pass treats the form.
struct PaperOptions {
    bool formPaper = false;           // pre-printed paper: shapes and form words are not printed
    bool blackWhite = false;          // form elements drawn black
    TagRule isFormLabel = TagIs(1);   // which labels are form words
    bool clearRightFrame = false;     // form paper also switches off a form label's right frame line
    std::optional<QColor> shapeBrush; // brush every shape gets when an option is on (statements: white)
};

class ReportForm {
public:
    ReportForm(QString className, MarginUnit unit);
    ReportForm(const ReportForm &) = delete;
    ReportForm &operator=(const ReportForm &) = delete;
    virtual ~ReportForm() = default;

    const QString &className() const { return className_; }

    // What the printed document is called: the PDF's title, the proposed PDF file name and the print
    // job's name. Empty: the form's class name stands in.
    QString documentTitle;

    // Page: A4 portrait unless changed.
    QSizeF pageSizeMm{210.0, 297.0};
    MarginUnit marginUnit() const { return unit_; }
    Margins margins;
    // A margin in millimetres.
    double marginMm(int value) const { return unit_ == MarginUnit::TenthMm ? value / 10.0 : value; }

    // Bands, printed once each, one under the other from the top margin.
    int addBand(const QString &name, double width, double height);
    std::vector<Band> &bands() { return bands_; }
    const std::vector<Band> &bands() const { return bands_; }
    Band &band(const QString &name);
    // The top of a band on the page, in report pixels below the top margin.
    double bandTop(int index) const;

    // Building. Names must be unique; an empty name gets a generated one.
    Label &addLabel(int band, const QString &name, const QRectF &rect, const QString &text, const FontSpec &font = {},
                    HAlign align = HAlign::Left, const QColor &color = Qt::black, int tag = 0);
    Memo &addMemo(int band, const QString &name, const QRectF &rect, const FontSpec &font = {});
    Shape &addShape(int band, const QString &name, Shape::Type type, const QRectF &rect, const QColor &pen,
                    double penWidth = 1, Qt::PenStyle style = Qt::SolidLine, int tag = 0);
    Shape &addRect(int band, const QRectF &rect, const QColor &pen, double penWidth = 1) {
        return addShape(band, QString(), Shape::Type::Rectangle, rect, pen, penWidth);
    }
    Picture &addPicture(int band, const QString &name, const QRectF &rect);

    // Finding by name. label(), shape() and picture() raise AppError for a name the form does not hold
    // (or that names an element of another kind); find() returns nullptr.
    Element *find(const QString &name) const;
    Label &label(const QString &name) const;
    Memo &memo(const QString &name) const;
    Shape &shape(const QString &name) const;
    Picture &picture(const QString &name) const;
    bool has(const QString &name) const { return find(name) != nullptr; }
    // Sets the caption of a label (or the text of a memo).
    void setText(const QString &name, const QString &text) { label(name).text = text; }
    QString text(const QString &name) const { return label(name).text; }

    // Every element in creation order.
    const std::vector<std::unique_ptr<Element>> &elements() const { return elements_; }
    QStringList names() const;

    // Attaches a print handler to each named label.
    void setPrintHandler(const QStringList &names, const std::function<QString(const QString &)> &handler);

    // Runs once before the form is rendered (the forms switch word wrap on there).
    std::function<void(ReportForm &)> beforePrint;

    // --- The passes the print jobs apply ---

    // Margins from the base values moved by the top offset t and the left offset l (both in the form's
    // margin unit): the content moves right by l and down by t while the printable area keeps its size.
    void applyMargins(int baseTop, int baseBottom, int baseLeft, int baseRight, int t, int l);
    // Form paper and black-and-white. Does nothing when both options are off. Data labels are never touched.
    void applyPaperOptions(const PaperOptions &options);
    // Draws every shape and every form label in one colour; shapes whose tag passes shadedShapes get the
    // given fill (the shaded cells), other shapes get otherBrush when it is set.
    void recolour(const QColor &colour, const TagRule &isFormLabel, const TagRule &shadedShapes,
                  const std::optional<QColor> &shadedBrush, const std::optional<QColor> &otherBrush = {});
    // Black-and-white printing of what the form words do not cover: coloured data labels (the receipt or
    // claim word) turn black and pictures (the seal) print in grey.
    void inkToBlack();
    // Loads the seal picture into every seal image of the form (adjmge, bdjmge, djmage), its white made
    // transparent (a seal is ink). An empty path, or a file that ReadSealPicture refuses, leaves them
    // empty; nothing is reported here (the print job tells the user, once per job). True when loaded.
    bool loadSeal(const QString &path);
    // The seal images the form holds.
    QStringList sealNames() const;
    // The message line; clearWebAddress empties the maker's web address.
    void setFooter(const QString &message, bool clearWebAddress);

private:
    QString uniqueName(const QString &requested, const QString &prefix);
    template <class T> T &typed(const QString &name, Element::Kind kind, const char *what) const;
    void add(std::unique_ptr<Element> e);

    QString className_;
    MarginUnit unit_;
    std::vector<Band> bands_;
    std::vector<std::unique_ptr<Element>> elements_;
    QHash<QString, Element *> byName_;
    int generated_ = 0;
};

} // namespace report
