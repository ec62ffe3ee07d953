#pragma once
// Replacing a whole file so that it is never lost: the document files, the settings file and the PDFs.
//
// The new content goes into a new file beside the old one; every write is checked, the file is flushed to
// the disk and closed, and only then renamed over the old one. A full disk, a file size limit or any other
// failure removes the new file and leaves the old one exactly as it was. A process killed at any moment
// leaves either the old or the new file whole (at worst a stray temporary file beside it).

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace safefile {

enum class InPlace {
    Never,              // a folder that cannot take the new file is a failure
    WhenFolderReadOnly, // then the old file is rewritten in place, if it may be written
};

// Replaces (or creates) the file at path with bytes. Returns true on success. On failure returns false,
// sets *reason to the system's explanation (when reason is given) and leaves any old file unchanged.
//
// InPlace::WhenFolderReadOnly: when the folder refuses a new file but the file itself is writable, the
// file is rewritten where it lies. A write that fails there puts the old content back, which always fits
// in the space the old file held.
bool ReplaceFile(const QString &path, const QByteArray &bytes, QString *reason = nullptr,
                 InPlace inPlace = InPlace::Never);

// Removes from folder the temporary files that ReplaceFile left there when a process was killed midway:
// only files named "<name>.tmp-<letters and digits>" whose <name> ends in one of suffixes (compared
// without regard to case), and only once they are older than minimumAge seconds, so that another save
// still writing one (on another PC of a shared folder, too) is never touched. Returns how many went.
int RemoveLeftoverTemporaryFiles(const QString &folder, const QStringList &suffixes, int minimumAge = 60);

} // namespace safefile
