#include "workpath.h"

#include "errors.h"
#include "settings.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kSection = QStringLiteral("작업폴더");
const QString kKey = QStringLiteral("wPath");

QString withSeparator(QString path) {
    if (!path.endsWith(u'/'))
        path += u'/';
    return path;
}
} // namespace

QString GetWorkPath(const QString &iniFileName) {
    QString path = IniReadStr(iniFileName, kSection, kKey, QString());
    if (path.isEmpty()) {
        path = DataFolder() + QStringLiteral("Work/");
        IniWriteStr(iniFileName, kSection, kKey, path);
    } else if (IsWindowsPath(path)) {
        // A folder of the older Windows program ("C:\ZaruZiz\Work\"): the default stands in for it, and
        // the stored value stays for the user to see in the reset question.
        path = DataFolder() + QStringLiteral("Work/");
    }
    path = withSeparator(QDir::fromNativeSeparators(path));
    QDir().mkpath(path);
    return path;
}

void SetWorkPath(const QString &fileName, const QString &iniFileName) {
    const QString folder = withSeparator(QFileInfo(fileName).absolutePath());
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
        throw IoError(QStringLiteral("폴더를 열 수 없습니다: %1").arg(QDir::toNativeSeparators(folder)));
    IniWriteStr(iniFileName, kSection, kKey, folder);
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
    IniWriteStr(iniFileName, kRegisterSection, kRegisterFolderKey, QDir::cleanPath(folder));
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
    IniWriteStr(iniFileName, kRegisterSection, kSavedKey, saved.join(kSavedSeparator));
}
