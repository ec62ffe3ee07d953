#include "recording_prompts.h"

#include <QFile>

void RecordingPrompts::record(const QString &line) const {
    QFile f(log_);
    if (f.open(QIODevice::Append))
        f.write((line + u'\n').toUtf8());
}

void RecordingPrompts::info(QWidget *, const QString &message, const QString &caption) {
    record(QStringLiteral("info|%1|%2").arg(caption, message));
}
bool RecordingPrompts::askYesNo(QWidget *, const QString &message, const QString &caption) {
    record(QStringLiteral("ask|%1|%2").arg(caption, message));
    return qEnvironmentVariableIntValue("ZARU_TEST_ANSWER_YES") != 0;
}
bool RecordingPrompts::askProceed(QWidget *, const QString &message, const QString &caption, const QString &) {
    record(QStringLiteral("proceed|%1|%2").arg(caption, message));
    return qEnvironmentVariableIntValue("ZARU_TEST_ANSWER_YES") != 0;
}
YesNoCancel RecordingPrompts::askYesNoCancel(QWidget *, const QString &message, const QString &caption) {
    record(QStringLiteral("ask3|%1|%2").arg(caption, message));
    return YesNoCancel::Cancel;
}
int RecordingPrompts::askChoice(QWidget *, const QString &message, const QString &caption, const QStringList &,
                                int safeIndex) {
    record(QStringLiteral("choice|%1|%2").arg(caption, message));
    const QByteArray answer = qgetenv("ZARU_TEST_CHOICE");
    return answer.isEmpty() ? safeIndex : answer.toInt();
}
void RecordingPrompts::error(QWidget *, const QString &message, const QString &caption) {
    record(QStringLiteral("error|%1|%2").arg(caption, message));
}
void RecordingPrompts::plain(QWidget *, const QString &message, const QString &caption) {
    record(QStringLiteral("plain|%1|%2").arg(caption, message));
}
QString RecordingPrompts::openFile(QWidget *, const FileDialogRequest &r) {
    record(QStringLiteral("open|") + r.title);
    return {};
}
QString RecordingPrompts::saveFile(QWidget *, const FileDialogRequest &r) {
    record(QStringLiteral("save|") + r.title);
    return {};
}
QString RecordingPrompts::chooseFolder(QWidget *, const QString &title, const QString &) {
    record(QStringLiteral("folder|") + title);
    return {};
}
bool RecordingPrompts::printerSetup(QWidget *, QPrinter &) {
    record(QStringLiteral("printer-setup"));
    return false;
}
