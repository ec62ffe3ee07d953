#pragma once
// The register's index: a cache, in an SQLite file, of what every document file in the register's folder
// holds. The files stay the truth. Bringing the index up to date walks the folder and its subfolders
// (folder links followed once: a folder reached again is a loop, listed and not read twice) and reads
// again only the files whose modification time or size changed; files gone are dropped. The index file may
// be deleted at any time: the next update reads every file again. The user's choices per document are not
// kept here (choice_store.h).

#include "register_entry.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QVector>

#include <exception>
#include <functional>

namespace reg {

// Raised by a refresh that its progress report asked to stop.
struct RefreshCancelled : std::exception {
    const char *what() const noexcept override { return "refresh cancelled"; }
};

// Told how many files a refresh has seen so far, now and then; returns false to stop it.
using RefreshProgress = std::function<bool(int filesSeen)>;

// Where the index is kept: "register.sqlite" in the user's data folder of the program.
QString DefaultIndexPath();
// The index kept in memory only, for when no index file can be made.
inline const QString kIndexInMemory = QStringLiteral(":memory:");

class DocumentIndex {
public:
    // Opens (or creates) the index file at path. An index that cannot be used (damaged, another schema)
    // is deleted and made again. Raises IoError when no index can be made there at all; an index in
    // memory (kIndexInMemory) always can, and reads every file at each refresh.
    explicit DocumentIndex(const QString &indexPath = DefaultIndexPath());
    ~DocumentIndex();
    DocumentIndex(const DocumentIndex &) = delete;
    DocumentIndex &operator=(const DocumentIndex &) = delete;

    const QString &indexPath() const { return path_; }

    // Brings the index up to date with the document files under folder (and its subfolders) and returns
    // their entries, ordered by path, with an entry for every folder that could not be read and every
    // folder link that leads back to a folder already read; files superseded by a newer file of the same
    // document are marked (MarkSupersededFiles). Entries of other folders stay in the index untouched.
    // Raises IoError when the folder itself is missing or cannot be read (an unplugged drive is no empty
    // folder), RefreshCancelled when progress asked to stop.
    QVector<RegisterEntry> refresh(const QString &folder, const RefreshProgress &progress = {});

    // Every entry the index holds, of any folder, as last refreshed.
    QVector<RegisterEntry> entries() const;

    // The buyer book: the latest readable document (by date, then modification time) whose buyer has this
    // number (digits only), or nothing.
    std::optional<RegisterEntry> latestWithBuyer(const QString &numberDigits) const;

    // Number of files read from disk by the last refresh (the others came from the index).
    int filesReadByLastRefresh() const { return lastRead_; }

private:
    void open(bool retry);
    void createSchema();
    QVector<RegisterEntry> load(const QString &underFolder) const;
    void store(const QVector<RegisterEntry> &changed, const QStringList &removed);

    QString path_;
    QString connection_;
    int lastRead_ = 0;
    // Files whose time cannot tell a change made in the same second: read again at the next refresh.
    QSet<QString> recent_;
};

} // namespace reg
