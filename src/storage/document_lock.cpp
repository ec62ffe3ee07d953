#include "document_lock.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QUuid>

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {

namespace {

std::atomic<int> staleAfterSeconds{600};

// A lock file still being written by its taker (created, not yet filled) is its taker's for this long.
constexpr int kUnfinishedLockSeconds = 10;
// No lock file is larger; anything larger is not one of ours.
constexpr qint64 kMaxLockFileSize = 4096;

QString firstLine(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readLine(256)).trimmed();
}

// The start time of process pid in clock ticks since boot (field 22 of /proc/PID/stat), or empty.
QString processStarted(qint64 pid) {
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray stat = f.read(4096);
    // The command name in parentheses may hold spaces: count the fields after its closing one.
    const qsizetype close = stat.lastIndexOf(')');
    if (close < 0)
        return {};
    const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
    // After the name, the state is field 3, so the start time (field 22) is the 20th here.
    return fields.size() > 19 ? QString::fromLatin1(fields[19]) : QString();
}

const LockHolder &self() {
    static const LockHolder holder = [] {
        LockHolder h;
        if (const passwd *pw = getpwuid(getuid())) {
            const QString full = QString::fromLocal8Bit(pw->pw_gecos).section(u',', 0, 0).trimmed();
            h.user = full.isEmpty() ? QString::fromLocal8Bit(pw->pw_name) : full;
        }
        if (h.user.isEmpty())
            h.user = qEnvironmentVariable("USER");
        char host[256] = {};
        if (gethostname(host, sizeof host - 1) == 0)
            h.host = QString::fromLocal8Bit(host);
        h.machine = firstLine(QStringLiteral("/etc/machine-id"));
        if (h.machine.isEmpty())
            h.machine = firstLine(QStringLiteral("/var/lib/dbus/machine-id"));
        h.boot = firstLine(QStringLiteral("/proc/sys/kernel/random/boot_id"));
        h.pid = getpid();
        h.started = processStarted(h.pid);
        return h;
    }();
    return holder;
}

QByteArray serialise(const LockHolder &h) {
    QString text;
    const auto line = [&text](const char *key, const QString &value) {
        QString clean = value;
        clean.replace(u'\n', u' ').replace(u'\r', u' ');
        text += QLatin1String(key) + u'=' + clean + u'\n';
    };
    line("user", h.user);
    line("host", h.host);
    line("machine", h.machine);
    line("boot", h.boot);
    line("pid", QString::number(h.pid));
    line("started", h.started);
    line("since", h.since.toUTC().toString(Qt::ISODate));
    line("token", h.token);
    return text.toUtf8();
}

struct LockFile {
    bool exists = false;
    bool readable = false; // a regular file we could read
    LockHolder holder;     // token empty when the file holds no lock of ours (still being written, foreign)
    QDateTime modified;
};

LockFile readLock(const QString &path) {
    LockFile lock;
    // Opened without asking first whether it is there: a network file system's cached answer may name a
    // file that another PC has removed meanwhile. The open asks the server, and its "not there" also
    // clears that cached answer, so that the next exclusive create reaches the server.
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        lock.exists = errno != ENOENT && errno != ENOTDIR;
        return lock;
    }
    lock.exists = true;
    struct stat st {};
    QFile f;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return lock;
    }
    lock.readable = true;
    lock.modified = QDateTime::fromSecsSinceEpoch(st.st_mtim.tv_sec).addMSecs(st.st_mtim.tv_nsec / 1000000);
    const QByteArray bytes = f.read(kMaxLockFileSize);
    for (const QString &line : QString::fromUtf8(bytes).split(u'\n')) {
        const QString key = line.section(u'=', 0, 0);
        const QString value = line.section(u'=', 1);
        if (key == QLatin1String("user"))
            lock.holder.user = value;
        else if (key == QLatin1String("host"))
            lock.holder.host = value;
        else if (key == QLatin1String("machine"))
            lock.holder.machine = value;
        else if (key == QLatin1String("boot"))
            lock.holder.boot = value;
        else if (key == QLatin1String("pid"))
            lock.holder.pid = value.toLongLong();
        else if (key == QLatin1String("started"))
            lock.holder.started = value;
        else if (key == QLatin1String("since"))
            lock.holder.since = QDateTime::fromString(value, Qt::ISODate);
        else if (key == QLatin1String("token"))
            lock.holder.token = value;
    }
    return lock;
}

bool processRuns(const LockHolder &h) {
    if (h.pid <= 0)
        return false;
    if (kill(static_cast<pid_t>(h.pid), 0) != 0 && errno != EPERM)
        return false;
    // A process number used again by another program after the holder ended.
    const QString started = processStarted(h.pid);
    return h.started.isEmpty() || started.isEmpty() || started == h.started;
}

bool isStale(const LockFile &lock) {
    const qint64 age = lock.modified.isValid() ? lock.modified.secsTo(QDateTime::currentDateTime()) : 0;
    if (lock.holder.token.isEmpty())
        return age > kUnfinishedLockSeconds; // an empty or foreign file: stale once its taker had time to fill it
    const LockHolder &me = self();
    // This PC: the same machine id, or, where a system keeps none, the same PC name.
    const bool thisPc = lock.holder.machine.isEmpty() && me.machine.isEmpty()
                            ? !lock.holder.host.isEmpty() && lock.holder.host == me.host
                            : lock.holder.machine == me.machine;
    if (thisPc) {
        if (lock.holder.boot != me.boot)
            return true; // the PC has been restarted since
        return !processRuns(lock.holder);
    }
    // Another PC: alive while it keeps touching the file. Its clock and the server's may differ a little;
    // ten minutes are far more than that.
    return age > staleAfterSeconds.load();
}

// Creates the lock file only if there is none. 0 when created, else the errno.
int createExclusive(const QString &path, const QByteArray &content) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    qsizetype written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + written, static_cast<size_t>(content.size() - written));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            ::close(fd);
            ::unlink(native.constData());
            return error;
        }
        written += n;
    }
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(native.constData());
        return error;
    }
    return 0;
}

} // namespace

LockHolder CurrentHolder() { return self(); }

QString DescribeHolder(const LockHolder &holder) {
    const QString user = holder.user.isEmpty() ? QStringLiteral("알 수 없는 사용자") : holder.user;
    QString where = holder.host.isEmpty() ? QString() : QStringLiteral("PC: ") + holder.host;
    if (holder.since.isValid()) {
        const QString since = holder.since.toLocalTime().toString(QStringLiteral("M월 d일 HH:mm")) +
                              QStringLiteral("부터");
        where = where.isEmpty() ? since : where + QStringLiteral(", ") + since;
    }
    return where.isEmpty() ? user : user + QStringLiteral(" (") + where + u')';
}

QString LockFileFor(const QString &documentPath) {
    const QFileInfo info(documentPath);
    return info.absolutePath() + QStringLiteral("/.~") + info.fileName() + QStringLiteral(".lock");
}

DocumentLock::~DocumentLock() { release(); }

DocumentLock::DocumentLock(DocumentLock &&other) noexcept
    : document_(std::move(other.document_)), lockPath_(std::move(other.lockPath_)), token_(std::move(other.token_)),
      other_(std::move(other.other_)) {
    other.lockPath_.clear();
    other.document_.clear();
}

DocumentLock &DocumentLock::operator=(DocumentLock &&other) noexcept {
    if (this != &other) {
        release();
        document_ = std::move(other.document_);
        lockPath_ = std::move(other.lockPath_);
        token_ = std::move(other.token_);
        other_ = std::move(other.other_);
        other.lockPath_.clear();
        other.document_.clear();
    }
    return *this;
}

DocumentLock::Outcome DocumentLock::take(const QString &documentPath, bool takeOver) {
    const QString path = LockFileFor(documentPath);
    if (holds() && path == lockPath_)
        return Outcome::Taken;
    release();
    other_ = {};
    LockHolder mine = self();
    mine.since = QDateTime::currentDateTime();
    mine.token = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QByteArray content = serialise(mine);
    // Twice at most: a stale or taken-over lock is removed and the create tried again; someone quicker
    // meanwhile holds it then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int error = createExclusive(path, content);
        if (error == 0) {
            document_ = QFileInfo(documentPath).absoluteFilePath();
            lockPath_ = path;
            token_ = mine.token;
            return Outcome::Taken;
        }
        if (error != EEXIST)
            return Outcome::NotPossible;
        const LockFile existing = readLock(path);
        if (!existing.exists)
            continue; // released meanwhile
        if (!existing.readable)
            return Outcome::NotPossible; // a folder or a FIFO of that name: not ours to remove
        if (!takeOver && !isStale(existing)) {
            other_ = existing.holder;
            return Outcome::HeldByOther;
        }
        if (!QFile::remove(path) && QFile::exists(path))
            return Outcome::NotPossible;
        takeOver = false; // what is there after this is someone else's new lock
    }
    const LockFile last = readLock(path);
    if (!last.exists)
        return Outcome::NotPossible; // a file system that keeps answering "there" for a file that is not
    other_ = last.holder;
    return Outcome::HeldByOther;
}

void DocumentLock::release() {
    if (!holds())
        return;
    if (readLock(lockPath_).holder.token == token_)
        QFile::remove(lockPath_);
    lockPath_.clear();
    document_.clear();
    token_.clear();
}

bool DocumentLock::refresh() {
    if (!holds())
        return false;
    const LockFile now = readLock(lockPath_);
    if (now.holder.token == token_) {
        const QByteArray native = QFile::encodeName(lockPath_);
        utimensat(AT_FDCWD, native.constData(), nullptr, 0);
        return true;
    }
    if (!now.exists) {
        // Removed as stale by another PC while this one slept: taken again, if nobody else took it.
        const QString document = document_;
        lockPath_.clear();
        return take(document) == Outcome::Taken;
    }
    lockPath_.clear();
    document_.clear();
    token_.clear();
    return false;
}

std::optional<LockHolder> DocumentLock::LiveHolderOf(const QString &documentPath, const QString &exceptToken) {
    const LockFile lock = readLock(LockFileFor(documentPath));
    if (!lock.exists || !lock.readable || isStale(lock))
        return std::nullopt;
    if (!exceptToken.isEmpty() && lock.holder.token == exceptToken)
        return std::nullopt;
    return lock.holder;
}

void DocumentLock::SetStaleAfterSecondsForTesting(int seconds) { staleAfterSeconds = seconds; }

} // namespace storage
