#include "application.h"

#include "commands.h"
#include "input_method.h"

#include <QWidget>

GuardedApplication::GuardedApplication(int &argc, char **argv) : QApplication(argc, argv) {
    InstallInputMethodGuard(this);
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event) {
    bool handled = false;
    QWidget *window = receiver && receiver->isWidgetType() ? static_cast<QWidget *>(receiver)->window() : nullptr;
    RunCommand(window, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
