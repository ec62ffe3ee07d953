#include "report_form.h"

#include "errors.h"
#include "seal_ink.h"
#include "seal_picture.h"

#include <cmath>

namespace report {

bool Picture::load(const QString &path) {
    image = path.isEmpty() ? QImage() : ReadSealPicture(path).image;
    return !image.isNull();
}

TagRule TagIs(int tag) {
    return [tag](int t) { return t == tag; };
}

TagRule TagIsOneOrTwo() {
    return [](int t) { return t == 1 || t == 2; };
}

ReportForm::ReportForm(QString className, MarginUnit unit) : className_(std::move(className)), unit_(unit) {}

int ReportForm::addBand(const QString &name, double width, double height) {
    bands_.push_back(Band{name, width, height});
    return static_cast<int>(bands_.size()) - 1;
}

Band &ReportForm::band(const QString &name) {
    for (Band &b : bands_)
        if (b.name == name)
            return b;
    throw AppError(QStringLiteral("%1 has no band %2").arg(className_, name));
}

double ReportForm::bandTop(int index) const {
    double top = 0;
    for (int i = 0; i < index && i < static_cast<int>(bands_.size()); ++i)
        top += bands_[i].height;
    return top;
}

QString ReportForm::uniqueName(const QString &requested, const QString &prefix) {
    if (!requested.isEmpty()) {
        if (byName_.contains(requested))
            throw AppError(QStringLiteral("%1 already holds %2").arg(className_, requested));
        return requested;
    }
    QString name;
    do
        name = prefix + QString::number(++generated_);
    while (byName_.contains(name));
    return name;
}

void ReportForm::add(std::unique_ptr<Element> e) {
    byName_.insert(e->name, e.get());
    elements_.push_back(std::move(e));
}

Label &ReportForm::addLabel(int band, const QString &name, const QRectF &rect, const QString &text,
                            const FontSpec &font, HAlign align, const QColor &color, int tag) {
    auto l = std::make_unique<Label>();
    l->name = uniqueName(name, QStringLiteral("QRLabel"));
    l->band = band;
    l->rect = rect;
    l->text = text;
    l->font = font;
    l->align = align;
    l->color = color;
    l->frame.color = color;
    l->tag = tag;
    Label &ref = *l;
    add(std::move(l));
    return ref;
}

Memo &ReportForm::addMemo(int band, const QString &name, const QRectF &rect, const FontSpec &font) {
    auto m = std::make_unique<Memo>();
    m->name = uniqueName(name, QStringLiteral("QRMemo"));
    m->band = band;
    m->rect = rect;
    m->font = font;
    Memo &ref = *m;
    add(std::move(m));
    return ref;
}

Shape &ReportForm::addShape(int band, const QString &name, Shape::Type type, const QRectF &rect, const QColor &pen,
                            double penWidth, Qt::PenStyle style, int tag) {
    auto s = std::make_unique<Shape>();
    s->name = uniqueName(name, QStringLiteral("QRShape"));
    s->band = band;
    s->type = type;
    s->rect = rect;
    s->penColor = pen;
    s->penWidth = penWidth;
    s->penStyle = style;
    s->tag = tag;
    Shape &ref = *s;
    add(std::move(s));
    return ref;
}

Picture &ReportForm::addPicture(int band, const QString &name, const QRectF &rect) {
    auto p = std::make_unique<Picture>();
    p->name = uniqueName(name, QStringLiteral("QRImage"));
    p->band = band;
    p->rect = rect;
    Picture &ref = *p;
    add(std::move(p));
    return ref;
}

Element *ReportForm::find(const QString &name) const { return byName_.value(name, nullptr); }

template <class T> T &ReportForm::typed(const QString &name, Element::Kind kind, const char *what) const {
    Element *e = find(name);
    const bool fits = e && (e->kind() == kind || (kind == Element::Kind::Label && e->kind() == Element::Kind::Memo));
    if (!fits)
        throw AppError(QStringLiteral("%1 has no %2 named %3").arg(className_, QLatin1String(what), name));
    return static_cast<T &>(*e);
}

Label &ReportForm::label(const QString &name) const { return typed<Label>(name, Element::Kind::Label, "label"); }
Memo &ReportForm::memo(const QString &name) const { return typed<Memo>(name, Element::Kind::Memo, "memo"); }
Shape &ReportForm::shape(const QString &name) const { return typed<Shape>(name, Element::Kind::Shape, "shape"); }
Picture &ReportForm::picture(const QString &name) const {
    return typed<Picture>(name, Element::Kind::Picture, "picture");
}

QStringList ReportForm::names() const {
    QStringList out;
    out.reserve(static_cast<qsizetype>(elements_.size()));
    for (const auto &e : elements_)
        out << e->name;
    return out;
}

void ReportForm::setPrintHandler(const QStringList &names, const std::function<QString(const QString &)> &handler) {
    for (const QString &n : names)
        label(n).printHandler = handler;
}

void ReportForm::applyMargins(int baseTop, int baseBottom, int baseLeft, int baseRight, int t, int l) {
    margins.top = baseTop + t;
    margins.bottom = baseBottom - t;
    margins.left = baseLeft + l;
    margins.right = baseRight - l;
}

void ReportForm::applyPaperOptions(const PaperOptions &o) {
    if (!o.formPaper && !o.blackWhite)
        return;
    for (const auto &e : elements_) {
        if (e->kind() == Element::Kind::Shape) {
            auto &s = static_cast<Shape &>(*e);
            if (o.formPaper)
                s.penStyle = Qt::NoPen;
            if (o.blackWhite)
                s.penColor = Qt::black;
            if (o.shapeBrush)
                s.brush = o.shapeBrush;
        } else if (e->kind() == Element::Kind::Label && o.isFormLabel && o.isFormLabel(e->tag)) {
            auto &l = static_cast<Label &>(*e);
            if (o.formPaper) {
                l.text.clear();
                if (o.clearRightFrame)
                    l.frame.right = false;
            }
            if (o.blackWhite) {
                l.frame.color = Qt::black;
                l.color = Qt::black;
            }
        }
    }
    if (o.blackWhite)
        inkToBlack();
}

void ReportForm::inkToBlack() {
    for (const auto &e : elements_) {
        if (e->kind() == Element::Kind::Picture) {
            static_cast<Picture &>(*e).grey = true;
        } else if (e->kind() == Element::Kind::Label && e->tag == 0) {
            // Data are black already; only a data label drawn in a copy's colour changes. Grey stays grey.
            auto &l = static_cast<Label &>(*e);
            if (l.color.hsvSaturation() > 0)
                l.color = Qt::black;
        }
    }
}

void ReportForm::recolour(const QColor &colour, const TagRule &isFormLabel, const TagRule &shadedShapes,
                          const std::optional<QColor> &shadedBrush, const std::optional<QColor> &otherBrush) {
    for (const auto &e : elements_) {
        if (e->kind() == Element::Kind::Shape) {
            auto &s = static_cast<Shape &>(*e);
            s.penColor = colour;
            if (shadedShapes && shadedShapes(s.tag)) {
                if (shadedBrush)
                    s.brush = shadedBrush;
            } else if (otherBrush) {
                s.brush = otherBrush;
            }
        } else if (e->kind() == Element::Kind::Label && isFormLabel && isFormLabel(e->tag)) {
            auto &l = static_cast<Label &>(*e);
            l.color = colour;
            l.frame.color = colour;
        }
    }
}

QStringList ReportForm::sealNames() const {
    QStringList out;
    for (const char *n : {"adjmge", "bdjmge", "djmage"})
        if (Element *e = find(QLatin1String(n)); e && e->kind() == Element::Kind::Picture)
            out << e->name;
    return out;
}

bool ReportForm::loadSeal(const QString &path) {
    const QStringList names = sealNames();
    // Read once for all the form's seal images.
    QImage ink;
    if (!names.isEmpty() && !path.isEmpty()) {
        if (const QImage stored = ReadSealPicture(path).image; !stored.isNull())
            ink = SealInk(stored);
    }
    for (const QString &n : names)
        picture(n).image = ink;
    return !ink.isNull();
}

void ReportForm::setFooter(const QString &message, bool clearWebAddress) {
    if (has(QStringLiteral("ShangHo")))
        setText(QStringLiteral("ShangHo"), message);
    if (clearWebAddress && has(QStringLiteral("kelmorLabel")))
        setText(QStringLiteral("kelmorLabel"), QString());
}

} // namespace report
