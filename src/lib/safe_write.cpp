#include "safe_write.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace safefile {
namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// Writes all of bytes at offset; false with errno set when the system writes less.
bool writeAllAt(int fd, const char *data, size_t size, off_t offset) {
    while (size > 0) {
        const ssize_t n = ::pwrite(fd, data, size, offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        data += n;
        size -= size_t(n);
        offset += n;
    }
    return true;
}

bool readAll(int fd, QByteArray &out) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return false;
    out.resize(qsizetype(st.st_size));
    qsizetype done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(out.size() - done), done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            break;
        done += n;
    }
    out.truncate(done);
    return true;
}

// Best effort: makes the rename itself durable.
void syncFolder(const QByteArray &folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Rewrites the file in place; on failure the old content is written back and the length restored.
bool rewriteInPlace(const QByteArray &target, const QByteArray &bytes, int &error) {
    const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    QByteArray old;
    if (!readAll(fd, old)) {
        error = errno;
        ::close(fd);
        return false;
    }
    bool ok = writeAllAt(fd, bytes.constData(), size_t(bytes.size()), 0) && ::ftruncate(fd, off_t(bytes.size())) == 0 &&
              ::fsync(fd) == 0;
    if (!ok) {
        error = errno;
        // The old content fits in the blocks it held before, so this cannot run out of space.
        writeAllAt(fd, old.constData(), size_t(old.size()), 0);
        ::ftruncate(fd, off_t(old.size()));
        ::fsync(fd);
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    return ok;
}

} // namespace

bool ReplaceFile(const QString &path, const QByteArray &bytes, QString *reason, InPlace inPlace) {
    auto fail = [&](int error) {
        if (reason)
            *reason = systemReason(error);
        return false;
    };
    const QFileInfo info(path);
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    const QByteArray folder = QFile::encodeName(info.absolutePath());

    struct stat old {};
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(EISDIR);
    // A file the user may not write is not replaced behind his back.
    if (exists && ::access(target.constData(), W_OK) != 0)
        return fail(errno);

    // A new file beside the target; its name is unique so that two writers never share one.
    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = target + ".tmp-" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        const int error = errno;
        const bool folderRefused = error == EACCES || error == EPERM || error == EROFS;
        if (inPlace == InPlace::WhenFolderReadOnly && folderRefused && exists) {
            int inPlaceError = 0;
            if (rewriteInPlace(target, bytes, inPlaceError))
                return true;
            return fail(inPlaceError);
        }
        return fail(error);
    }

    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(temp.constData());
        return fail(error);
    };
    // The replacement keeps the old file's permissions; a new file gets the usual ones (umask applied).
    if (exists && ::fchmod(fd, old.st_mode & 07777) != 0)
        return abandon(errno);
    if (!writeAllAt(fd, bytes.constData(), size_t(bytes.size()), 0))
        return abandon(errno);
    if (::fsync(fd) != 0)
        return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return fail(error);
    }
    if (::rename(temp.constData(), target.constData()) != 0) {
        const int error = errno;
        ::unlink(temp.constData());
        return fail(error);
    }
    syncFolder(folder);
    return true;
}

int RemoveLeftoverTemporaryFiles(const QString &folder, const QStringList &suffixes, int minimumAge) {
    static const QRegularExpression leftover(QStringLiteral("^(.+)\\.tmp-[0-9a-z]{1,8}$"));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minimumAge);
    int removed = 0;
    const QDir dir(folder);
    for (const QFileInfo &info : dir.entryInfoList({QStringLiteral("*.tmp-*")}, QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = leftover.match(info.fileName());
        if (!match.hasMatch() || info.isSymLink())
            continue;
        const QString name = match.captured(1);
        const bool ours = std::any_of(suffixes.cbegin(), suffixes.cend(), [&](const QString &suffix) {
            return name.endsWith(suffix, Qt::CaseInsensitive);
        });
        if (ours && info.lastModified().toUTC() < before && QFile::remove(info.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

} // namespace safefile
