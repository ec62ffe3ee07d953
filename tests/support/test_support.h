#pragma once
// Shared helpers of the tests: a scratch application folder, CP949 byte files, scripted prompts.

#include "prompts.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>

// Points the application folder at a fresh temporary folder for the life of the object.
class ScratchAppFolder {
public:
    ScratchAppFolder();
    ~ScratchAppFolder();
    QString path() const; // ends in "/"
    QString file(const QString &name) const { return path() + name; }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir dir_;
};

// Prompts that answer from a script and record what was asked.
class ScriptedPrompts : public Prompts {
public:
    ScriptedPrompts();
    ~ScriptedPrompts() override;

    std::deque<bool> yesNoAnswers;              // answers to askYesNo, in order; an unexpected question fails the test
    std::deque<YesNoCancel> yesNoCancelAnswers; // answers to askYesNoCancel, in order
    std::deque<QString> fileAnswers;            // answers to file dialogs (empty string: cancelled)
    QStringList shown;                          // every message shown or asked, in order
    QList<QWidget *> noticeParents;             // the parent of each info, error and plain notice, in order
    QList<FileDialogRequest> fileRequests;

    void info(QWidget *, const QString &message, const QString &caption) override;
    bool askYesNo(QWidget *, const QString &message, const QString &caption) override;
    std::deque<bool> proceedAnswers; // answers to askProceed, in order
    bool askProceed(QWidget *, const QString &message, const QString &caption, const QString &proceedText) override;
    YesNoCancel askYesNoCancel(QWidget *, const QString &message, const QString &caption) override;
    std::deque<int> choiceAnswers; // answers to askChoice, in order (the button's index)
    int askChoice(QWidget *, const QString &message, const QString &caption, const QStringList &buttons,
                  int safeIndex) override;
    void error(QWidget *, const QString &message, const QString &caption) override;
    void plain(QWidget *, const QString &message, const QString &caption) override;
    QString openFile(QWidget *, const FileDialogRequest &request) override;
    QString saveFile(QWidget *, const FileDialogRequest &request) override;
    std::deque<QString> folderAnswers; // answers to folder dialogs (empty string: cancelled)
    QString chooseFolder(QWidget *, const QString &title, const QString &folder) override;
    int printerSetups = 0; // how often the printer set-up dialog was asked for
    bool printerSetupAnswer = false;
    bool printerSetup(QWidget *, QPrinter &printer) override;
};

// CP949 bytes of a text, for building fixture files byte by byte.
QByteArray cp(const char *utf8);

// An uncompressed BMP file of width x height pixels at 8 bits a pixel, its header written field by
// field: a grey palette and every pixel mid grey, so that rows the file lacks would show as black.
// pixelBytes is how much pixel data follows the header; -1 for all the header announces.
QByteArray BmpBytes(qint32 width, qint32 height, qint64 pixelBytes = -1);
