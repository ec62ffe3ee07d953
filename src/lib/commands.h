#pragma once
// The application's general error handler. Every user command runs through RunCommand: an error that
// escapes the command is shown in a message box with its Korean text, and the program goes on.

#include "errors.h"
#include "prompts.h"

#include <exception>
#include <new>

class QWidget;

// Shows the message of an error that ended a command.
void ShowCommandError(QWidget *parent, const QString &message);

template <typename F> bool RunCommand(QWidget *parent, F &&command) {
    try {
        command();
        return true;
    } catch (const AppError &e) {
        ShowCommandError(parent, e.message());
    } catch (const std::bad_alloc &) {
        ShowCommandError(parent, QStringLiteral("메모리가 부족하여 작업을 마치지 못했습니다."));
    } catch (const std::exception &e) {
        ShowCommandError(parent,
                         QStringLiteral("작업 중 오류가 발생했습니다: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return false;
}
