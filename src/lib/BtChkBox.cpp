#include "BtChkBox.h"

#include <QBitmap>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kCell = 13;

// The default glyphs: a sunken white box, empty, ticked, or ticked on grey.
QPixmap drawGlyph(TBitCheckBox::State state) {
    QPixmap pm(kCell, kCell);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(QColor(128, 128, 128));
    p.drawLine(0, 0, kCell - 1, 0);
    p.drawLine(0, 0, 0, kCell - 1);
    p.setPen(Qt::white);
    p.drawLine(kCell - 1, 1, kCell - 1, kCell - 1);
    p.drawLine(1, kCell - 1, kCell - 1, kCell - 1);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(1, 1, kCell - 3, 1);
    p.drawLine(1, 1, 1, kCell - 3);
    p.fillRect(2, 2, kCell - 4, kCell - 4, state == TBitCheckBox::cbGrayed ? QColor(192, 192, 192) : Qt::white);
    if (state != TBitCheckBox::cbUnchecked) {
        p.setPen(state == TBitCheckBox::cbGrayed ? QColor(128, 128, 128) : Qt::black);
        for (int i = 0; i < 3; ++i) {
            p.drawLine(3, 5 + i, 5, 7 + i);
            p.drawLine(5, 7 + i, 9, 3 + i);
        }
    }
    return pm;
}

// A bitmap without transparency leaves out the colour of its bottom-left pixel.
QPixmap withTransparentColour(const QPixmap &pm) {
    if (pm.isNull() || pm.hasAlphaChannel())
        return pm;
    const QImage img = pm.toImage();
    QPixmap out = pm;
    out.setMask(QBitmap::fromImage(img.createMaskFromColor(img.pixel(0, img.height() - 1))));
    return out;
}

} // namespace

QPixmap TBitCheckBox::GlyphResource(const QString &name) {
    static const QHash<QString, QPixmap> resources{
        {QStringLiteral("CHECKED"), drawGlyph(cbChecked)},
        {QStringLiteral("GRAYED"), drawGlyph(cbGrayed)},
        {QStringLiteral("UNCHECKED"), drawGlyph(cbUnchecked)},
    };
    return resources.value(name);
}

TBitCheckBox::TBitCheckBox(QWidget *parent) : TBitCheckBox(QString(), parent) {}

TBitCheckBox::TBitCheckBox(const QString &caption, QWidget *parent) : QWidget(parent) {
    resize(97, 17);
    setFocusPolicy(Qt::StrongFocus);
    glyph_[cbChecked] = GlyphResource(QStringLiteral("CHECKED"));
    glyph_[cbGrayed] = GlyphResource(QStringLiteral("GRAYED"));
    glyph_[cbUnchecked] = GlyphResource(QStringLiteral("UNCHECKED"));
    SetCaption(caption);
}

void TBitCheckBox::SetCaption(const QString &caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    updateMnemonic();
    update();
}

void TBitCheckBox::SetAlignment(Qt::AlignmentFlag alignment) {
    if (alignment == alignment_)
        return;
    alignment_ = alignment;
    update();
}

void TBitCheckBox::SetAllowGrayed(bool allow) {
    if (allow == allowGrayed_)
        return;
    allowGrayed_ = allow;
    update();
}

void TBitCheckBox::SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }

void TBitCheckBox::SetState(State state) {
    if (state == state_)
        return;
    state_ = state;
    update();
    emit stateChanged(state_);
}

void TBitCheckBox::Toggle() {
    switch (state_) {
    case cbUnchecked: SetState(allowGrayed_ ? cbGrayed : cbChecked); break;
    case cbChecked: SetState(cbUnchecked); break;
    case cbGrayed: SetState(cbChecked); break;
    }
}

void TBitCheckBox::setGlyph(State which, const QPixmap &glyph) {
    static const char16_t *const names[3] = {u"UNCHECKED", u"CHECKED", u"GRAYED"};
    glyph_[which] = glyph.isNull() ? GlyphResource(QString::fromUtf16(names[which])) : glyph;
    const QPixmap &g = glyph_[which];
    if (g.height() > 0 && g.width() % g.height() == 0)
        setNumGlyphs(which, g.width() / g.height());
    update();
}

void TBitCheckBox::setNumGlyphs(State which, int n) {
    numGlyphs_[which] = qBound(1, n, 2);
    update();
}

QString TBitCheckBox::plainCaption() const {
    QString s;
    for (qsizetype i = 0; i < caption_.size(); ++i) {
        if (caption_.at(i) == u'&' && i + 1 < caption_.size())
            ++i;
        s += caption_.at(i);
    }
    return s;
}

QRect TBitCheckBox::CaptionRect() const {
    const QPixmap &g = glyph_[state_];
    const int cellWidth = g.width() / numGlyphs_[state_];
    const QFontMetrics fm(font());
    const int left = alignment_ == Qt::AlignRight ? cellWidth + 4 : 1;
    const int textWidth = fm.horizontalAdvance(plainCaption());
    const int textHeight = fm.height();
    const int top = (height() - textHeight) / 2 - 2;
    return QRect(left, top, textWidth, textHeight + 3).intersected(rect());
}

void TBitCheckBox::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setFont(font());

    const QRect captionRect = CaptionRect();
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (isEnabled()) {
        p.setPen(palette().color(QPalette::Active, QPalette::ButtonText));
        p.drawText(captionRect, flags, caption_);
    } else {
        p.setPen(palette().color(QPalette::Light));
        p.drawText(captionRect.translated(1, 1), flags, caption_);
        p.setPen(palette().color(QPalette::Disabled, QPalette::ButtonText));
        p.drawText(captionRect, flags, caption_);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = captionRect;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }

    const QPixmap &g = glyph_[state_];
    if (g.isNull())
        return;
    const int count = numGlyphs_[state_];
    const int cellWidth = g.width() / count;
    const int cell = (!isEnabled() && count == 2) ? 1 : 0;
    const int x = alignment_ == Qt::AlignRight ? 0 : width() - cellWidth;
    const int y = (height() - g.height()) / 2;
    p.drawPixmap(x, y, withTransparentColour(g), cell * cellWidth, 0, cellWidth, g.height());
}

void TBitCheckBox::clickedByUser() {
    Toggle();
    emit clicked();
    if (isVisible() && focusPolicy() != Qt::NoFocus && isEnabled())
        setFocus(Qt::MouseFocusReason);
}

void TBitCheckBox::mousePressEvent(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void TBitCheckBox::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        clickedByUser();
    event->accept();
}

void TBitCheckBox::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
        clickedByUser();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TBitCheckBox::updateMnemonic() {
    if (mnemonicId_ != 0)
        releaseShortcut(mnemonicId_);
    mnemonicId_ = 0;
    const QKeySequence key = QKeySequence::mnemonic(caption_);
    if (!key.isEmpty())
        mnemonicId_ = grabShortcut(key);
}

bool TBitCheckBox::event(QEvent *event) {
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->shortcutId() == mnemonicId_) {
        // The accelerator takes the focus and toggles without a click.
        if (isEnabled() && focusPolicy() != Qt::NoFocus) {
            setFocus(Qt::ShortcutFocusReason);
            Toggle();
        }
        return true;
    }
    return QWidget::event(event);
}

void TBitCheckBox::changeEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange: update(); break;
    default: break;
    }
    QWidget::changeEvent(event);
}
