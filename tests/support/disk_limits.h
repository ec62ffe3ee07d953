#pragma once
// Ways to make writes fail the way they fail for users: a disk that is full, a file size limit, a user
// who may not write the folder, a process killed while it writes. Each runs the code under test for real.

#include <QString>

#include <functional>

// A tmpfs of the given size mounted on a fresh temporary folder for the life of the object. Mounting
// needs the superuser; available() is false (and the test should skip) where it is not permitted.
class TinyDisk {
public:
    explicit TinyDisk(int kilobytes);
    ~TinyDisk();
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool available() const { return mounted_; }
    QString path() const { return path_; } // ends in "/"
    QString file(const QString &name) const { return path_ + name; }
    // Fills what is left of the disk with a file of that name.
    void fill(const QString &name) const;

private:
    QString path_;
    bool mounted_ = false;
};

// Runs body in a child process and returns its exit code (or 128 + the signal that ended it). The child
// ends with the code body returns; an exception that leaves body ends it with 99.
int RunInChild(const std::function<int()> &body);

// As RunInChild, with the child's files limited to limitBytes (RLIMIT_FSIZE; writes beyond it fail
// with EFBIG instead of ending the process).
int RunWithFileSizeLimit(long limitBytes, const std::function<int()> &body);

// As RunInChild, as an ordinary user when the tests run as the superuser (who may write anywhere); the
// folders the body needs must be owned by OrdinaryUserId() then.
int RunAsOrdinaryUser(const std::function<int()> &body);
// The user RunAsOrdinaryUser switches to, or the current user when not the superuser.
unsigned OrdinaryUserId();
