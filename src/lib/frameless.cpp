#include "frameless.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTabBar>
#include <QWidget>
#include <QWindow>

namespace {

// A point is bare when nothing under it takes mouse presses of its own: no button, edit, list, spin box
// or slider, and no control that a click gives the focus to (the bitmap check boxes and any other
// control drawn by the program itself).
bool isBare(QWidget *w) {
    for (QWidget *p = w; p; p = p->parentWidget()) {
        if (qobject_cast<QAbstractButton *>(p) || qobject_cast<QLineEdit *>(p) ||
            qobject_cast<QAbstractScrollArea *>(p) || qobject_cast<QAbstractSpinBox *>(p) ||
            qobject_cast<QComboBox *>(p) || qobject_cast<QAbstractSlider *>(p) || qobject_cast<QTabBar *>(p))
            return false;
        if (!p->isWindow() && (p->focusPolicy() & Qt::ClickFocus))
            return false;
        if (p->isWindow())
            break;
    }
    return true;
}

class DragFilter : public QObject {
public:
    explicit DragFilter(QWidget *window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || w->window() != window_)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *e = static_cast<QMouseEvent *>(event);
            if (e->button() != Qt::LeftButton || !isBare(w))
                return false;
            // The window system moves the window where it can; elsewhere follow the mouse.
            if (window_->windowHandle() && window_->windowHandle()->startSystemMove())
                return true;
            dragging_ = true;
            grabOffset_ = e->globalPosition().toPoint() - window_->frameGeometry().topLeft();
            return true;
        }
        case QEvent::MouseMove:
            if (dragging_) {
                window_->move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - grabOffset_);
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (dragging_) {
                dragging_ = false;
                return true;
            }
            return false;
        default: return false;
        }
    }

private:
    QPointer<QWidget> window_;
    bool dragging_ = false;
    QPoint grabOffset_;
};

} // namespace

void EnableDragByBarePoints(QWidget *window) {
    auto *filter = new DragFilter(window);
    window->installEventFilter(filter);
    const auto children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        child->installEventFilter(filter);
}

void BringToFront(QWidget *window) {
    if (window->isMinimized())
        window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
}
