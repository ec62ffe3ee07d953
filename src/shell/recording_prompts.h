#pragma once
// Prompts for a program started by a test in a process of its own: every message is appended to a log
// file and answered at once (OK, or the answer the log's owner put in the environment), so that no
// dialog waits for a person who is not there. Used only when ZARU_TEST_PROMPTS_LOG names a file.

#include "prompts.h"

#include <QString>

class RecordingPrompts final : public Prompts {
public:
    explicit RecordingPrompts(QString logPath) : log_(std::move(logPath)) {}
    void record(const QString &line) const;

    void info(QWidget *, const QString &message, const QString &caption) override;
    bool askYesNo(QWidget *, const QString &message, const QString &caption) override;
    bool askProceed(QWidget *, const QString &message, const QString &caption, const QString &proceedText) override;
    YesNoCancel askYesNoCancel(QWidget *, const QString &message, const QString &caption) override;
    int askChoice(QWidget *, const QString &message, const QString &caption, const QStringList &buttons,
                  int safeIndex) override;
    void error(QWidget *, const QString &message, const QString &caption) override;
    void plain(QWidget *, const QString &message, const QString &caption) override;
    QString openFile(QWidget *, const FileDialogRequest &) override;
    QString saveFile(QWidget *, const FileDialogRequest &) override;
    QString chooseFolder(QWidget *, const QString &title, const QString &folder) override;
    bool printerSetup(QWidget *, QPrinter &) override;

private:
    QString log_;
};
