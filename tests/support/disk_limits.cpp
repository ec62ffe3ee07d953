#include "disk_limits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr unsigned kNobody = 65534;
}

TinyDisk::TinyDisk(int kilobytes) {
    QTemporaryDir dir;
    dir.setAutoRemove(false);
    path_ = dir.path() + u'/';
    const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
    mounted_ = ::mount("tmpfs", QFile::encodeName(dir.path()).constData(), "tmpfs", 0, options.constData()) == 0;
}

TinyDisk::~TinyDisk() {
    if (mounted_)
        ::umount(QFile::encodeName(path_).constData());
    QDir(path_).removeRecursively();
}

void TinyDisk::fill(const QString &name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return;
    const QByteArray block(512, 'x');
    while (f.write(block) == block.size()) {
    }
    // The last part of a block still fits byte by byte.
    while (f.write("x", 1) == 1) {
    }
}

int RunInChild(const std::function<int()> &body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 99;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return WEXITSTATUS(status);
}

int RunWithFileSizeLimit(long limitBytes, const std::function<int()> &body) {
    return RunInChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(limitBytes), rlim_t(limitBytes)};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 98;
        return body();
    });
}

unsigned OrdinaryUserId() { return ::geteuid() == 0 ? kNobody : ::geteuid(); }

int RunAsOrdinaryUser(const std::function<int()> &body) {
    return RunInChild([&] {
        if (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            return 97;
        return body();
    });
}
