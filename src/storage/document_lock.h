#pragma once
// The lock beside an opened document, so that a second user of a shared work folder (another PC on the
// office's network drive, or another copy of the program) is told who has the document open.
//
// The lock is a small text file beside the document (".~NAME.lock") naming the user, the PC and the
// program copy that holds it. It is created only when no such file exists (an exclusive create, which
// network file systems carry out on their server), removed when the document is closed, and kept alive
// for other PCs by touching it every minute. A lock left behind by a program that ended without removing
// it is stale: on the same PC when its program copy no longer runs (or the PC has been restarted since),
// on another PC when it has not been touched for ten minutes. Locks only inform: the check before every
// save, that the file is still the one that was opened, is what keeps a change from being overwritten.

#include <QDateTime>
#include <QString>

#include <optional>

namespace storage {

// Who holds a lock, as its file says.
struct LockHolder {
    QString user;    // the account's full name, or its login name
    QString host;    // the PC's name
    QString machine; // the PC's machine id, to tell two PCs of the same name apart
    QString boot;    // the boot id of that PC when the lock was taken
    qint64 pid = 0;
    QString started; // when that program copy started, as the system counts it
    QDateTime since;
    QString token;   // this lock's own random mark
};

// "홍길동 (PC: OFFICE-1, 12월 10일 09:12부터)": the holder as the user is told about it.
QString DescribeHolder(const LockHolder &holder);

// The lock file of a document.
QString LockFileFor(const QString &documentPath);

class DocumentLock {
public:
    enum class Outcome {
        Taken,       // this program copy holds the lock now
        HeldByOther, // a live lock of another user, PC or program copy: see holder()
        NotPossible  // no lock can be written there (a read-only folder): the document opens without one
    };

    DocumentLock() = default;
    ~DocumentLock();
    DocumentLock(const DocumentLock &) = delete;
    DocumentLock &operator=(const DocumentLock &) = delete;
    DocumentLock(DocumentLock &&other) noexcept;
    DocumentLock &operator=(DocumentLock &&other) noexcept;

    // Takes the lock of the document at path, releasing any lock this object held before. A stale lock is
    // replaced; a live one of someone else is replaced only when takeOver is set.
    Outcome take(const QString &documentPath, bool takeOver = false);
    // The other holder after take() answered HeldByOther.
    const LockHolder &holder() const { return other_; }

    // Removes the lock file if it is still this object's own.
    void release();
    // Touches the lock file so that other PCs see it alive; retakes it when a stale-lock cleaner of
    // another PC removed it meanwhile. False when someone else has taken it over.
    bool refresh();

    bool holds() const { return !lockPath_.isEmpty(); }
    const QString &document() const { return document_; }
    const QString &token() const { return token_; }

    // The live holder of the document's lock other than the lock with token exceptToken, if any.
    static std::optional<LockHolder> LiveHolderOf(const QString &documentPath, const QString &exceptToken = {});

    // After how many seconds without a touch another PC's lock counts as stale (600 unless set).
    static void SetStaleAfterSecondsForTesting(int seconds);

private:
    QString document_;
    QString lockPath_;
    QString token_;
    LockHolder other_;
};

// This program copy as a lock names it.
LockHolder CurrentHolder();

} // namespace storage
