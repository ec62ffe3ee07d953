#include "SdLabel.h"

#include <QPainter>

TSdLabel::TSdLabel(QWidget *parent) : TSdLabel(QString(), parent) {}

TSdLabel::TSdLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent) {
    shadowColor_ = palette().color(QPalette::Active, QPalette::Dark);
    setFont(QFont(QStringLiteral("System")));
}

void TSdLabel::SetShadowColor(const QColor &color) {
    if (color == shadowColor_)
        return;
    shadowColor_ = color;
    update();
}

void TSdLabel::SetShadowDepth(int depth) {
    if (depth == shadowDepth_)
        return;
    shadowDepth_ = depth;
    updateGeometry();
    update();
}

void TSdLabel::SetShadowDirection(TShadowDirection direction) {
    if (direction == shadowDirection_)
        return;
    shadowDirection_ = direction;
    update();
}

TSdLabel::Placement TSdLabel::Place(const QRect &rect, int depth, TShadowDirection direction) {
    Placement p{rect, rect};
    switch (direction) {
    case TShadowDirection::sdUpLeft: p.text.translate(depth, depth); break;
    case TShadowDirection::sdUpRight:
        p.text.translate(0, depth);
        p.shadow.translate(depth, 0);
        break;
    case TShadowDirection::sdDnLeft:
        p.shadow.translate(0, depth);
        p.text.translate(depth, 0);
        break;
    case TShadowDirection::sdDnRight: p.shadow.translate(depth, depth); break;
    }
    return p;
}

QSize TSdLabel::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextExpandTabs, QLabel::text());
    const int m = 2 * margin();
    return QSize(text.width() + qAbs(shadowDepth_) + m, text.height() + qAbs(shadowDepth_) + m);
}

void TSdLabel::paintEvent(QPaintEvent *) {
    QPainter p(this);
    if (autoFillBackground())
        p.fillRect(rect(), palette().color(backgroundRole()));
    const Placement place = Place(contentsRect(), shadowDepth_, shadowDirection_);
    int flags = int(alignment()) | Qt::TextExpandTabs;
    if (wordWrap())
        flags |= Qt::TextWordWrap;
    // Without a buddy the label shows "&" as it stands; with one the accelerator is underlined.
    QString caption = text();
    if (buddy())
        flags |= Qt::TextShowMnemonic;
    p.setFont(font());
    p.setPen(shadowColor_);
    p.drawText(place.shadow, flags, caption);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(place.text, flags, caption);
}
