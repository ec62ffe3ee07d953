#include "document_io.h"

#include "errors.h"
#include "record_slots.h"
#include "regular_file.h"
#include "safe_write.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString native(const QString &path) { return QDir::toNativeSeparators(path); }

} // namespace

QByteArray ReadDocumentBytes(const QString &path) {
    QFile file(path);
    QString reason;
    if (!OpenRegularFileForReading(file, &reason))
        throw IoError(QStringLiteral("파일을 열 수 없습니다: %1\n%2").arg(native(path), reason));
    if (file.size() > storage::kMaxDocumentFileSize)
        throw IoError(storage::UnreadableFileMessage(
            path, QStringLiteral("문서 파일이 아닙니다(파일 크기 %1바이트).").arg(file.size())));
    QByteArray bytes = file.read(storage::kMaxDocumentFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        throw IoError(QStringLiteral("파일을 읽을 수 없습니다: %1\n%2").arg(native(path), file.errorString()));
    if (bytes.size() > storage::kMaxDocumentFileSize)
        throw IoError(storage::UnreadableFileMessage(path, QStringLiteral("문서 파일이 아닙니다.")));
    return bytes;
}

void WriteDocumentBytes(const QString &path, const QByteArray &bytes) {
    QString reason;
    if (!safefile::ReplaceFile(path, bytes, &reason))
        throw IoError(QStringLiteral("파일을 저장할 수 없습니다: %1\n%2").arg(native(path), reason));
    storage::RemoveLeftoverSaves(QFileInfo(path).absolutePath());
}

namespace storage {

QString ExistingNameIgnoringCase(const QString &path) {
    const QFileInfo info(path);
    if (info.exists())
        return path;
    const QDir folder = info.absoluteDir();
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden))
        if (name.compare(info.fileName(), Qt::CaseInsensitive) == 0)
            return folder.filePath(name);
    return path;
}

FileFingerprint FingerprintOf(const QString &path) {
    FileFingerprint f;
    const QFileInfo info(path);
    f.exists = info.exists() || info.isSymLink();
    if (!f.exists)
        return f;
    QFile file(path);
    QString reason;
    if (!OpenRegularFileForReading(file, &reason)) {
        f.digest = "unreadable";
        return f;
    }
    return FingerprintOfBytes(file.read(kMaxDocumentFileSize + 1));
}

FileFingerprint FingerprintOfBytes(const QByteArray &bytes) {
    FileFingerprint f;
    f.exists = true;
    f.size = bytes.size();
    f.digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return f;
}

int RemoveLeftoverSaves(const QString &folder) {
    static const QStringList suffixes{QStringLiteral(".Dy5"), QStringLiteral(".Gy5"), QStringLiteral(".Prc"),
                                      QStringLiteral(".Dnt"), QStringLiteral(".Gnt"), QStringLiteral(".Dty"),
                                      QStringLiteral(".Gty")};
    return safefile::RemoveLeftoverTemporaryFiles(folder, suffixes);
}

} // namespace storage
