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

} // namespace storage
