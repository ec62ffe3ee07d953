#pragma once
// The register's index: a cache, in an SQLite file, of what every document file in the work folder holds.
// The files stay the truth. Bringing the index up to date walks the folder and its subfolders and reads
// again only the files whose modification time or size changed; files gone are dropped. The index file may
// be deleted at any time: the next update reads every file again. Only the user's summary choice per
// document lives nowhere else.

#include "register_entry.h"

#include <QHash>
#include <QString>
#include <QVector>

namespace reg {

// Where the index is kept: "register.sqlite" in the user's data folder of the program.
QString DefaultIndexPath();

class DocumentIndex {
public:
    // Opens (or creates) the index file at path. An index that cannot be used (damaged, another schema)
    // is deleted and made again. Raises IoError when no index can be made there at all.
    explicit DocumentIndex(const QString &indexPath = DefaultIndexPath());
    ~DocumentIndex();
    DocumentIndex(const DocumentIndex &) = delete;
    DocumentIndex &operator=(const DocumentIndex &) = delete;

    const QString &indexPath() const { return path_; }

    // Brings the index up to date with the document files under folder (and its subfolders) and returns
    // their entries, ordered by path. Entries of other folders stay in the index untouched.
    QVector<RegisterEntry> refresh(const QString &folder);

    // Every entry the index holds, of any folder, as last refreshed.
    QVector<RegisterEntry> entries() const;

    // Pins the summary of one document (by path); kept across updates of the file.
    void setSummaryChoice(const QString &path, SummaryChoice choice);

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
};

} // namespace reg
