#include "network_folder.h"

#include <QFile>
#include <QUuid>

#include <fcntl.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

// The magic numbers of statfs(2) for the network file systems an office's shared folder is on.
constexpr unsigned long kNfs = 0x6969;
constexpr unsigned long kSmb = 0x517B;
constexpr unsigned long kCifs = 0xFF534D42;
constexpr unsigned long kSmb2 = 0xFE534D42;
constexpr unsigned long kFuse = 0x65735546; // sshfs, and the desktop's own network mounts (gvfs)
constexpr unsigned long kCoda = 0x73757245;
constexpr unsigned long kAfs = 0x5346414F;
constexpr unsigned long kNinePee = 0x01021997;
constexpr unsigned long kCeph = 0x00C36400;

} // namespace

bool IsNetworkFolder(const QString &path) {
    struct statfs fs {};
    if (statfs(QFile::encodeName(path).constData(), &fs) != 0)
        return false;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case kNfs:
    case kSmb:
    case kCifs:
    case kSmb2:
    case kFuse:
    case kCoda:
    case kAfs:
    case kNinePee:
    case kCeph: return true;
    default: return false;
    }
}

void ForgetCachedListing(const QString &folder) {
    if (!IsNetworkFolder(folder))
        return;
    const QByteArray probe =
        QFile::encodeName(folder + QStringLiteral("/.~zaruziz-") + QUuid::createUuid().toString(QUuid::Id128));
    const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    ::close(fd);
    ::unlink(probe.constData());
}
