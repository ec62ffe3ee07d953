#include "workpath.h"

#include "errors.h"
#include "settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>

namespace {
const QString kSection = QStringLiteral("작업폴더");
const QString kKey = QStringLiteral("wPath");

QString withSeparator(QString path) {
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}
} // namespace

namespace {

// Why a stored work folder cannot be used, or empty when it can (it is then created when missing).
QString workFolderProblem(const QString &path, bool cut) {
    if (cut)
        return QStringLiteral("폴더 이름이 너무 깁니다(설정 파일에는 %1바이트까지 들어갑니다).").arg(kIniValueLimit);
    if (QDir::isRelativePath(path))
        return QStringLiteral("전체 경로가 아닙니다.");
    const QByteArray bytes = QFile::encodeName(path);
    if (bytes.size() >= PATH_MAX)
        return QStringLiteral("경로가 너무 깁니다(이 시스템에서는 %1바이트 미만이어야 합니다).").arg(PATH_MAX);
    for (const QByteArray &part : bytes.split('/'))
        if (part.size() > NAME_MAX)
            return QStringLiteral("경로 가운데 이름 하나가 너무 깁니다(%1바이트까지 됩니다).").arg(NAME_MAX);
    const QFileInfo info(QDir::cleanPath(path));
    if (info.exists() && !info.isDir())
        return QStringLiteral("폴더가 아니라 파일입니다.");
    if (!QDir().mkpath(path))
        return QStringLiteral("폴더를 만들 수 없습니다.");
    return {};
}

} // namespace

QString GetWorkPath(const QString &iniFileName, QString *problem) {
    const QString defaultFolder = DataFolder() + QStringLiteral("Work/");
    QString path = IniReadStr(iniFileName, kSection, kKey, QString());
    if (path.isEmpty()) {
        path = defaultFolder;
        IniKeepStr(iniFileName, kSection, kKey, path);
    } else if (IsWindowsPath(path)) {
        // A folder of the older Windows program ("C:\ZaruZiz\Work\"): the default stands in for it, and
        // the stored value stays for the user to see in the reset question.
        path = defaultFolder;
    }
    path = withSeparator(QDir::fromNativeSeparators(path));
    const QString why = workFolderProblem(path, IniValueCut(iniFileName, kSection, kKey));
    if (why.isEmpty())
        return path;
    // The stored value stays as it is, for the user to see and correct; nothing is created elsewhere.
    if (problem)
        *problem =
            QStringLiteral("작업 폴더로 저장된 곳을 쓸 수 없어 기본 작업 폴더를 씁니다.\n%1\n%2\n기본 작업 폴더: %3")
                .arg(QDir::toNativeSeparators(path.left(200)) + (path.size() > 200 ? QStringLiteral("…") : QString()),
                     why, QDir::toNativeSeparators(defaultFolder));
    QDir().mkpath(defaultFolder);
    return defaultFolder;
}

void SetWorkPath(const QString &fileName, const QString &iniFileName) {
    const QString folder = withSeparator(QFileInfo(fileName).absolutePath());
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        throw IoError(QStringLiteral("폴더를 열 수 없습니다: %1").arg(QDir::toNativeSeparators(folder)));
    IniKeepStr(iniFileName, kSection, kKey, folder);
}

namespace {
const QString kRegisterSection = QStringLiteral("문서목록");
const QString kRegisterFolderKey = QStringLiteral("rPath");
const QString kSavedKey = QStringLiteral("rSaved");
constexpr int kSavedKept = 100;
const QChar kSavedSeparator = u'|';
} // namespace

QString GetRegisterFolder(const QString &iniFileName) {
    QString folder = IniReadStr(iniFileName, kRegisterSection, kRegisterFolderKey, QString());
    if (folder.isEmpty() || IsWindowsPath(folder)) {
        folder = DataFolder() + QStringLiteral("Work");
        QDir().mkpath(folder);
    }
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

void SetRegisterFolder(const QString &folder, const QString &iniFileName) {
    IniKeepStr(iniFileName, kRegisterSection, kRegisterFolderKey, QDir::cleanPath(folder));
}

QStringList SavedDocuments(const QString &iniFileName) {
    return IniReadStr(iniFileName, kRegisterSection, kSavedKey, QString()).split(kSavedSeparator, Qt::SkipEmptyParts);
}

void NoteSavedDocument(const QString &path, const QString &iniFileName) {
    QStringList saved = SavedDocuments(iniFileName);
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (clean.contains(kSavedSeparator))
        return;
    saved.removeAll(clean);
    saved << clean;
    while (saved.size() > kSavedKept)
        saved.removeFirst();
    IniKeepStr(iniFileName, kRegisterSection, kSavedKey, saved.join(kSavedSeparator));
}
