#include "test_support.h"

#include "codec.h"
#include "settings.h"

#include <QFile>
#include <gtest/gtest.h>

ScratchAppFolder::ScratchAppFolder() {
    SetApplicationFolderForTesting(dir_.path());
    ForgetSessionSettingsForTesting();
}
ScratchAppFolder::~ScratchAppFolder() {
    SetApplicationFolderForTesting(QString());
    ForgetSessionSettingsForTesting();
}
QString ScratchAppFolder::path() const { return dir_.path() + u'/'; }

void ScratchAppFolder::write(const QString &name, const QByteArray &bytes) const {
    QFile f(file(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray ScratchAppFolder::read(const QString &name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

ScriptedPrompts::ScriptedPrompts() { setPrompts(this); }
ScriptedPrompts::~ScriptedPrompts() { setPrompts(nullptr); }

void ScriptedPrompts::info(QWidget *, const QString &message, const QString &) { shown << message; }
void ScriptedPrompts::error(QWidget *, const QString &message, const QString &) { shown << message; }
void ScriptedPrompts::plain(QWidget *, const QString &message, const QString &) { shown << message; }

bool ScriptedPrompts::askYesNo(QWidget *, const QString &message, const QString &) {
    shown << message;
    if (yesNoAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << message.toStdString();
        return false;
    }
    const bool a = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return a;
}

bool ScriptedPrompts::askProceed(QWidget *, const QString &message, const QString &, const QString &) {
    shown << message;
    if (proceedAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << message.toStdString();
        return false;
    }
    const bool a = proceedAnswers.front();
    proceedAnswers.pop_front();
    return a;
}

QString ScriptedPrompts::chooseFolder(QWidget *, const QString &title, const QString &) {
    if (folderAnswers.empty()) {
        ADD_FAILURE() << "unexpected folder dialog: " << title.toStdString();
        return {};
    }
    const QString a = folderAnswers.front();
    folderAnswers.pop_front();
    return a;
}

int ScriptedPrompts::askChoice(QWidget *, const QString &message, const QString &, const QStringList &, int safeIndex) {
    shown << message;
    if (choiceAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << message.toStdString();
        return safeIndex;
    }
    const int a = choiceAnswers.front();
    choiceAnswers.pop_front();
    return a;
}

YesNoCancel ScriptedPrompts::askYesNoCancel(QWidget *, const QString &message, const QString &) {
    shown << message;
    if (yesNoCancelAnswers.empty()) {
        ADD_FAILURE() << "unexpected question: " << message.toStdString();
        return YesNoCancel::Cancel;
    }
    const YesNoCancel a = yesNoCancelAnswers.front();
    yesNoCancelAnswers.pop_front();
    return a;
}

QString ScriptedPrompts::openFile(QWidget *, const FileDialogRequest &request) {
    fileRequests << request;
    if (fileAnswers.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return {};
    }
    const QString a = fileAnswers.front();
    fileAnswers.pop_front();
    return a;
}

QString ScriptedPrompts::saveFile(QWidget *parent, const FileDialogRequest &request) {
    return openFile(parent, request);
}

QByteArray cp(const char *utf8) { return cp949::encode(QString::fromUtf8(utf8)); }

bool ScriptedPrompts::printerSetup(QWidget *, QPrinter &) {
    ++printerSetups;
    shown << QStringLiteral("<printer set-up>");
    return printerSetupAnswer;
}
