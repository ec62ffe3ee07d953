#pragma once
// Whole-file access for the document files.

#include <QByteArray>
#include <QString>

// The whole file, opened for reading only (a read-only document opens). Raises IoError naming the file
// when it cannot be opened or read, or is larger than any document (storage::kMaxDocumentFileSize).
QByteArray ReadDocumentBytes(const QString &path);

// Replaces the file at path with bytes: they are written to a temporary file beside it, which is then
// renamed over the target, so the old file stays whole until the new one is complete. Raises IoError
// naming the file when it cannot be written; the old file is then unchanged.
void WriteDocumentBytes(const QString &path, const QByteArray &bytes);

namespace storage {

// The path of the file in path's folder whose name equals path's without regard to case (the same document
// on a file system that tells case apart), or path itself when there is none.
QString ExistingNameIgnoringCase(const QString &path);

// What a document file held when this program last read or wrote it, to tell whether someone else has
// replaced it since (another PC on a shared folder). Its content decides, not its time: a network file
// system's times are cached and its clocks differ between PCs.
struct FileFingerprint {
    bool exists = false;
    qint64 size = 0;
    QByteArray digest; // of the bytes; "unreadable" for a file that could not be read
    bool operator==(const FileFingerprint &) const = default;
};
// The file at path as it is now.
FileFingerprint FingerprintOf(const QString &path);
// A file holding bytes.
FileFingerprint FingerprintOfBytes(const QByteArray &bytes);

// Removes the temporary files that saves killed midway left in folder (see
// safefile::RemoveLeftoverTemporaryFiles): those of document files only, once older than a minute.
int RemoveLeftoverSaves(const QString &folder);

} // namespace storage
