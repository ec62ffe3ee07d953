#include "look.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleFactory>
#include <QToolTip>
#include <QWidget>

namespace look {

namespace {

// Qt's own light face (Fusion on a desktop without a theme), which the windows were laid out and checked
// under, written out here: under a dark platform theme even the style's standard palette is the theme's.
// The selection is a deeper blue than Qt's, so that white text on it reads at 4.5:1.
QPalette BuildPalette() {
    struct Role {
        QPalette::ColorRole role;
        QRgb normal;
        QRgb disabled;
    };
    static const Role roles[] = {
        {QPalette::WindowText, 0xff000000, 0xffbebebe},  {QPalette::Button, 0xffefefef, 0xffefefef},
        {QPalette::Light, 0xffffffff, 0xffffffff},       {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
        {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},        {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
        {QPalette::Text, 0xff000000, 0xffbebebe},        {QPalette::BrightText, 0xffffffff, 0xffffffff},
        {QPalette::ButtonText, 0xff000000, 0xffbebebe},  {QPalette::Base, 0xffffffff, 0xffefefef},
        {QPalette::Window, 0xffefefef, 0xffefefef},      {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
        {QPalette::Highlight, 0xff1f6fa8, 0xff919191},   {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
        {QPalette::Link, 0xff0000ff, 0xff0000ff},        {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
        {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7}, {QPalette::NoRole, 0xff000000, 0xff000000},
        {QPalette::ToolTipBase, 0xffe9f8ef, 0xffe9f8ef}, {QPalette::ToolTipText, 0xff000000, 0xff000000},
        {QPalette::PlaceholderText, 0x80000000, 0x80000000},
    };
    QPalette palette;
    // Every role of every group is set, also those equal to Qt's defaults: a theme then fills in nothing.
    for (const Role &r : roles) {
        palette.setColor(QPalette::Active, r.role, QColor::fromRgba(r.normal));
        palette.setColor(QPalette::Inactive, r.role, QColor::fromRgba(r.normal));
        palette.setColor(QPalette::Disabled, r.role, QColor::fromRgba(r.disabled));
    }
    return palette;
}

} // namespace

QFont WindowFont() {
    QFont f(QStringLiteral("굴림"));
    f.setPixelSize(12);
    return f;
}

QPalette Palette() {
    static const QPalette palette = BuildPalette();
    return palette;
}

namespace {

void ApplyOnce();
bool OursInPlace();

bool applying = false;
QPointer<QStyle> ownStyle;

// A platform theme hands out its palettes and fonts again after the program has started and whenever
// the desktop changes: GNOME's with a theme change (also when the user switches to dark), qt6ct by
// setting the application's font and palette once the program runs and when its settings change. Ours
// go back on after each, once the theme is done. (The program stays aware of the desktop's settings: a
// theme told to ignore them, qt6ct, then answers the style's questions, such as the order of dialog
// buttons, with values it never read.)
class ThemeChangeWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        const bool themed = type == QEvent::ThemeChange ||
                            (type == QEvent::StyleChange && QApplication::style() != ownStyle) ||
                            (watched == qApp && (type == QEvent::ApplicationFontChange ||
                                                 type == QEvent::ApplicationPaletteChange));
        if (themed && !applying && !pending_) {
            pending_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    // Our own changes come back here too; only a change of the theme's is undone.
                    if (!OursInPlace())
                        ApplyOnce();
                    pending_ = false;
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool pending_ = false;
};

} // namespace

void Apply() {
    ApplyOnce();
    static ThemeChangeWatch *watch = nullptr;
    if (!watch) {
        watch = new ThemeChangeWatch(qApp);
        qApp->installEventFilter(watch);
    }
}

namespace {

bool OursInPlace() {
    for (const char *widgetClass : {"QLabel", "QAbstractButton", "QLineEdit", "QAbstractItemView", "QHeaderView"})
        if (QApplication::palette(widgetClass) != Palette() || QApplication::font(widgetClass) != WindowFont())
            return false;
    return QApplication::style() == ownStyle && qApp->styleSheet().isEmpty() && QApplication::palette() == Palette() &&
           QApplication::font() == WindowFont();
}

void ApplyOnce() {
    applying = true;
    const auto done = qScopeGuard([] { applying = false; });
    if (QApplication::style() != ownStyle)
        if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
            QApplication::setStyle(fusion);
            ownStyle = fusion;
        }
    // A style sheet a theme put on the whole program (qt6ct's own) would draw over ours.
    if (!qApp->styleSheet().isEmpty())
        qApp->setStyleSheet(QString());
    QApplication::setPalette(Palette());
    QApplication::setFont(WindowFont());
    // A platform theme may also give single widget classes palettes and fonts of their own (GNOME's gives
    // labels, buttons, fields and item views its dark ones), which win over the application's.
    for (const char *widgetClass : {"QToolButton", "QAbstractButton", "QCheckBox", "QRadioButton", "QHeaderView",
                                    "QAbstractItemView", "QMessageBoxLabel", "QTabBar", "QLabel", "QGroupBox",
                                    "QMenu", "QMenuBar", "QTextEdit", "QTextControl", "QLineEdit", "QComboBox",
                                    "QComboMenuItem", "QAbstractSpinBox", "QTipLabel", "QDockWidgetTitle",
                                    "QStatusBar", "QMdiSubWindowTitleBar", "QPushButton", "QTreeView",
                                    "QListView", "QTableView", "QPlainTextEdit", "QTextBrowser"}) {
        QApplication::setPalette(Palette(), widgetClass);
        QApplication::setFont(WindowFont(), widgetClass);
    }
    QFont tipFont(QStringLiteral("굴림"));
    tipFont.setPointSize(9);
    QToolTip::setFont(tipFont);
    QToolTip::setPalette(Palette());
}

} // namespace

Pair Face() {
    const QPalette p = Palette();
    return {p.color(QPalette::Active, QPalette::Window), p.color(QPalette::Active, QPalette::WindowText)};
}
Pair Field() {
    const QPalette p = Palette();
    return {p.color(QPalette::Active, QPalette::Base), p.color(QPalette::Active, QPalette::Text)};
}
Pair MainCaption() { return {QColor(40, 70, 130), Qt::white}; }
Pair EditorCaption() { return {QColor(0, 0, 128), Qt::white}; }
Pair PrintCaption() { return {QColor(0, 0, 0x40), Qt::yellow}; }
Pair PrintFace() { return {QColor(217, 215, 204), Qt::black}; }
Pair Hint() {
    const QPalette p = Palette();
    return {p.color(QPalette::Active, QPalette::ToolTipBase), p.color(QPalette::Active, QPalette::ToolTipText)};
}
QColor Alarm() { return QColor(200, 0, 0); }
QColor MessageInk() { return QColor(0, 0, 128); }

void SetPair(QWidget *widget, const Pair &pair, QPalette::ColorRole background, QPalette::ColorRole text) {
    QPalette p = widget->palette();
    p.setColor(background, pair.background);
    p.setColor(text, pair.text);
    widget->setPalette(p);
}

} // namespace look
