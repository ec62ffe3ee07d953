#include "test_support.h"

#include "codec.h"
#include "settings.h"

#include <QFile>
#include <QtEndian>
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

void ScriptedPrompts::info(QWidget *parent, const QString &message, const QString &) {
    shown << message;
    noticeParents << parent;
}
void ScriptedPrompts::error(QWidget *parent, const QString &message, const QString &) {
    shown << message;
    noticeParents << parent;
}
void ScriptedPrompts::plain(QWidget *parent, const QString &message, const QString &) {
    shown << message;
    noticeParents << parent;
}

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

QByteArray BmpBytes(qint32 width, qint32 height, qint64 pixelBytes) {
    QByteArray b;
    const auto u16 = [&b](quint16 v) {
        char c[2];
        qToLittleEndian(v, c);
        b.append(c, 2);
    };
    const auto u32 = [&b](quint32 v) {
        char c[4];
        qToLittleEndian(v, c);
        b.append(c, 4);
    };
    constexpr quint32 kHeaders = 14 + 40, kPalette = 256 * 4;
    const qint64 rowBytes = (qint64(width) * 8 + 31) / 32 * 4;
    const qint64 dataBytes = rowBytes * qAbs(qint64(height));
    if (pixelBytes < 0)
        pixelBytes = dataBytes;
    // File header: kind, file size, two reserved words, where the pixel data starts.
    b.append("BM");
    u32(quint32(kHeaders + kPalette + dataBytes));
    u32(0);
    u32(kHeaders + kPalette);
    // Picture header: its length, width, height, planes, bits a pixel, no compression, data size,
    // resolution (72 per inch), colours used and important.
    u32(40);
    u32(quint32(width));
    u32(quint32(height));
    u16(1);
    u16(8);
    u32(0);
    u32(quint32(dataBytes));
    u32(2835);
    u32(2835);
    u32(256);
    u32(0);
    for (quint32 i = 0; i < 256; ++i)
        u32(i * 0x010101u);
    b.append(QByteArray(qsizetype(pixelBytes), char(0x80)));
    return b;
}
