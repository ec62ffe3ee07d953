#pragma once
// The application object. Every event goes through notify(); an error that escapes the handler of a
// user action there (a command not wrapped in RunCommand) is shown like any other failed command, and
// the program goes on instead of ending. The input method guard watches every composition (input_method.h).

#include <QApplication>

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};
