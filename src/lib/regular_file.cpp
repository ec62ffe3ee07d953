#include "regular_file.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString reasonForMode(mode_t mode) {
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QStringLiteral("파일이 아니라 폴더입니다.");
    if (S_ISFIFO(mode))
        return QStringLiteral("일반 파일이 아니라 파이프(FIFO)입니다.");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("일반 파일이 아니라 장치 파일입니다.");
    if (S_ISSOCK(mode))
        return QStringLiteral("일반 파일이 아니라 소켓입니다.");
    return QStringLiteral("일반 파일이 아닙니다.");
}

QString systemReason(int error) {
    switch (error) {
    case ENOENT: return QStringLiteral("파일이 없습니다.");
    case EACCES:
    case EPERM: return QStringLiteral("파일을 읽을 권한이 없습니다.");
    case ELOOP: return QStringLiteral("심볼릭 링크가 너무 많이 이어집니다.");
    case ENAMETOOLONG: return QStringLiteral("경로가 너무 깁니다.");
    case ENOTDIR: return QStringLiteral("경로 가운데 폴더가 아닌 것이 있습니다.");
    case EIO: return QStringLiteral("입출력 오류가 났습니다.");
    default: return QStringLiteral("시스템 오류 %1 (%2)").arg(error).arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

} // namespace

QString NotARegularFileReason(const QString &path) {
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return reasonForMode(st.st_mode);
}

bool OpenRegularFileForReading(QFile &file, QString *reason) {
    const QByteArray name = QFile::encodeName(file.fileName());
    // Looked at before opening, so that no device is ever opened; checked again on what was opened, in
    // case the name changed hands in between. O_NONBLOCK keeps that open from waiting on a FIFO.
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        *reason = systemReason(errno);
        return false;
    }
    if (const QString why = reasonForMode(st.st_mode); !why.isEmpty()) {
        *reason = why;
        return false;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = systemReason(errno);
        return false;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *reason = reasonForMode(st.st_mode);
        if (reason->isEmpty())
            *reason = systemReason(errno);
        ::close(fd);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        *reason = file.errorString();
        ::close(fd);
        return false;
    }
    return true;
}
