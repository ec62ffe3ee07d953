#pragma once
// The program's window a companion window belongs over: the modal window in front (the editor), else the
// active window, else the first visible one. Named as the companion's transient parent, the window system
// keeps the companion over it and places it there, also where a program cannot place its windows itself
// (Wayland).

#include <QApplication>
#include <QWidget>
#include <QWindow>

inline void BelongToProgramWindow(QWidget *companion) {
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner || owner == companion)
        owner = QApplication::activeWindow();
    if (!owner || owner == companion) {
        owner = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != companion && w->isVisible() && w->windowType() != Qt::ToolTip && w->windowType() != Qt::Popup) {
                owner = w;
                break;
            }
    }
    if (!owner || owner == companion)
        return;
    companion->winId(); // makes the native window that carries the transient parent
    if (QWindow *window = companion->windowHandle())
        window->setTransientParent(owner->window()->windowHandle());
}
