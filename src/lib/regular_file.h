#pragma once
// Opening a file the user named for reading, safely: only a regular file is opened. A FIFO, a device, a
// socket or a folder in its place is refused with its reason, and never opened in a way that could
// block (a FIFO without a writer blocks an ordinary open for good).

#include <QFile>
#include <QString>

// Opens file (named by its file name) for reading. On failure returns false and sets *reason to a Korean
// sentence saying why (the system's reason where the system refused).
bool OpenRegularFileForReading(QFile &file, QString *reason);

// The Korean reason for something at path that is there but is not a regular file, or empty when it is
// one or is not there at all. Looks through symbolic links.
QString NotARegularFileReason(const QString &path);
