#include "application.h"

#include "commands.h"

#include <QWidget>

bool GuardedApplication::notify(QObject *receiver, QEvent *event) {
    bool handled = false;
    QWidget *window = receiver && receiver->isWidgetType() ? static_cast<QWidget *>(receiver)->window() : nullptr;
    RunCommand(window, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
