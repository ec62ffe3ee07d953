#include "document_index.h"
#include "network_folder.h"

#include "document_io.h"
#include "errors.h"
#include "korean_ui.h"
#include "regular_file.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <set>

namespace reg {

namespace {

// The layout of the index; an index of another layout is made again.
constexpr int kSchemaVersion = 2;

const QChar kFieldSeparator(0x1f);
const QChar kLineSeparator(0x1e);

QString encodeItems(const QList<ItemLine> &items) {
    QStringList lines;
    for (const ItemLine &i : items)
        lines << QStringList{i.name, i.spec, i.unit, QString::number(i.unitPrice.raw())}.join(kFieldSeparator);
    return lines.join(kLineSeparator);
}

QList<ItemLine> decodeItems(const QString &text) {
    QList<ItemLine> items;
    if (text.isEmpty())
        return items;
    for (const QString &line : text.split(kLineSeparator)) {
        const QStringList f = line.split(kFieldSeparator);
        items.append({f.value(0), f.value(1), f.value(2), Money::fromRaw(f.value(3).toLongLong())});
    }
    return items;
}

const char *const kColumns =
    "path, modified, size, error, kind, older, date, book, serial, buyer_kind, buyer_number, buyer_name, "
    "buyer_rep, buyer_addr, buyer_uptea, buyer_upjong, supply, tax, item_count, items, summary";

RegisterEntry entryFrom(const QSqlQuery &q) {
    RegisterEntry e;
    e.path = q.value(0).toString();
    e.modified = q.value(1).toLongLong();
    e.size = q.value(2).toLongLong();
    e.error = q.value(3).toString();
    e.kind = DocKind(std::clamp(q.value(4).toInt(), 0, 2));
    e.olderFormat = q.value(5).toBool();
    const qint64 jd = q.value(6).toLongLong();
    e.date = jd > 0 ? QDate::fromJulianDay(jd) : QDate();
    e.book = q.value(7).toString();
    e.serial = q.value(8).toString();
    e.buyerKind = q.value(9).toInt() == 1 ? BuyerKind::Individual : BuyerKind::Business;
    e.buyerNumber = q.value(10).toString();
    e.buyerName = q.value(11).toString();
    e.buyerRep = q.value(12).toString();
    e.buyerAddr = q.value(13).toString();
    e.buyerUpTea = q.value(14).toString();
    e.buyerUpJong = q.value(15).toString();
    e.supply = q.value(16).toLongLong();
    e.tax = q.value(17).toLongLong();
    e.itemCount = q.value(18).toInt();
    e.items = decodeItems(q.value(19).toString());
    e.summary = SummaryChoice(std::clamp(q.value(20).toInt(), 0, 2));
    return e;
}

void bindEntry(QSqlQuery &q, const RegisterEntry &e) {
    q.addBindValue(e.path);
    q.addBindValue(e.modified);
    q.addBindValue(e.size);
    q.addBindValue(e.error);
    q.addBindValue(int(e.kind));
    q.addBindValue(e.olderFormat ? 1 : 0);
    q.addBindValue(e.date.isValid() ? e.date.toJulianDay() : qint64(0));
    q.addBindValue(e.book);
    q.addBindValue(e.serial);
    q.addBindValue(int(e.buyerKind));
    q.addBindValue(e.buyerNumber);
    q.addBindValue(e.buyerName);
    q.addBindValue(e.buyerRep);
    q.addBindValue(e.buyerAddr);
    q.addBindValue(e.buyerUpTea);
    q.addBindValue(e.buyerUpJong);
    q.addBindValue(e.supply);
    q.addBindValue(e.tax);
    q.addBindValue(e.itemCount);
    q.addBindValue(encodeItems(e.items));
    q.addBindValue(int(e.summary));
}

QString folderPrefix(const QString &folder) {
    QString p = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    if (!p.endsWith(u'/'))
        p += u'/';
    return p;
}

[[noreturn]] void fail(const QString &what, const QSqlError &error) {
    throw IoError(QStringLiteral("문서목록 색인을 쓸 수 없습니다: %1\n%2").arg(what, error.text()));
}

} // namespace

QString DefaultIndexPath() {
    // Beside the settings of a system installation: ~/.local/share/zaruziz/.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zaruziz/register.sqlite");
}

DocumentIndex::DocumentIndex(const QString &indexPath) : path_(indexPath) {
    static std::atomic<int> counter{0};
    connection_ = QStringLiteral("zaru-register-%1").arg(++counter);
    if (path_ != kIndexInMemory)
        QDir().mkpath(QFileInfo(path_).absolutePath());
    open(true);
}

DocumentIndex::~DocumentIndex() {
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
}

void DocumentIndex::open(bool retry) {
    {
        QSqlDatabase db = QSqlDatabase::contains(connection_)
                              ? QSqlDatabase::database(connection_, false)
                              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path_);
        bool usable = db.open();
        if (usable) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("PRAGMA user_version"));
            const int version = q.next() ? q.value(0).toInt() : -1;
            QSqlQuery tables(db);
            tables.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
            const int tableCount = tables.next() ? tables.value(0).toInt() : -1;
            if (tableCount == 0) {
                createSchema();
                return;
            }
            usable = version == kSchemaVersion;
        }
        if (usable)
            return;
        db.close();
    }
    // A cache only: a damaged index or one of another layout is thrown away and made again.
    QFile::remove(path_);
    if (!retry)
        throw IoError(QStringLiteral("문서목록 색인을 만들 수 없습니다: %1").arg(QDir::toNativeSeparators(path_)));
    open(false);
}

void DocumentIndex::createSchema() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    const QString create = QStringLiteral(
        "CREATE TABLE docs (path TEXT PRIMARY KEY, modified INTEGER, size INTEGER, error TEXT, kind INTEGER, "
        "older INTEGER, date INTEGER, book TEXT, serial TEXT, buyer_kind INTEGER, buyer_number TEXT, "
        "buyer_name TEXT, buyer_rep TEXT, buyer_addr TEXT, buyer_uptea TEXT, buyer_upjong TEXT, supply INTEGER, "
        "tax INTEGER, item_count INTEGER, items TEXT, summary INTEGER)");
    if (!q.exec(create))
        fail(QDir::toNativeSeparators(path_), q.lastError());
    if (!q.exec(QStringLiteral("CREATE INDEX docs_buyer ON docs (buyer_number)")))
        fail(QDir::toNativeSeparators(path_), q.lastError());
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion)))
        fail(QDir::toNativeSeparators(path_), q.lastError());
}

QVector<RegisterEntry> DocumentIndex::load(const QString &underFolder) const {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM docs ORDER BY path").arg(QLatin1String(kColumns))))
        fail(QDir::toNativeSeparators(path_), q.lastError());
    QVector<RegisterEntry> out;
    while (q.next()) {
        if (!underFolder.isEmpty() && !q.value(0).toString().startsWith(underFolder))
            continue;
        out.append(entryFrom(q));
    }
    return out;
}

QVector<RegisterEntry> DocumentIndex::entries() const { return load(QString()); }

void DocumentIndex::store(const QVector<RegisterEntry> &changed, const QStringList &removed) {
    if (changed.isEmpty() && removed.isEmpty())
        return;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.transaction())
        fail(QDir::toNativeSeparators(path_), db.lastError());
    QSqlQuery put(db);
    put.prepare(QStringLiteral("INSERT OR REPLACE INTO docs (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)")
                    .arg(QLatin1String(kColumns)));
    for (const RegisterEntry &e : changed) {
        bindEntry(put, e);
        if (!put.exec()) {
            const QSqlError error = put.lastError();
            db.rollback();
            fail(QDir::toNativeSeparators(e.path), error);
        }
    }
    QSqlQuery drop(db);
    drop.prepare(QStringLiteral("DELETE FROM docs WHERE path = ?"));
    for (const QString &path : removed) {
        drop.addBindValue(path);
        if (!drop.exec()) {
            const QSqlError error = drop.lastError();
            db.rollback();
            fail(QDir::toNativeSeparators(path), error);
        }
    }
    if (!db.commit())
        fail(QDir::toNativeSeparators(path_), db.lastError());
}

namespace {

namespace fs = std::filesystem;

QString pathText(const fs::path &p) { return QString::fromStdString(p.string()); }

// Why a folder or file could not be read, in words a user knows.
QString reasonOf(const std::error_code &error) {
    switch (error.value()) {
    case EACCES:
    case EPERM: return QStringLiteral("읽을 권한이 없습니다.");
    case ENOENT: return QStringLiteral("없습니다(연결된 대상이 없거나 지워졌습니다).");
    case ELOOP: return QStringLiteral("연결이 너무 여러 번 이어져 따라갈 수 없습니다.");
    case ENOTDIR: return QStringLiteral("폴더가 아닙니다.");
    case EIO: return QStringLiteral("디스크나 네트워크에서 읽는 중에 오류가 났습니다.");
    case ENOTCONN:
    case EHOSTDOWN:
    case ETIMEDOUT: return QStringLiteral("네트워크 드라이브가 연결되어 있지 않습니다.");
    default: break;
    }
    return KoreanSystemReasons(QString::fromStdString(error.message()));
}

// The document files under a folder and what of it could not be read, each real folder walked once.
class FolderWalk {
public:
    explicit FolderWalk(const RefreshProgress &progress) : progress_(progress) {}

    struct File {
        fs::path path;
        qint64 modified = 0, size = 0;
    };
    std::vector<File> files;
    QVector<RegisterEntry> problems;

    void folder(const fs::path &dir) {
        std::error_code error;
        const fs::path real = fs::canonical(dir, error);
        if (error) {
            problem(EntryType::UnreadableFolder, dir, reasonOf(error));
            return;
        }
        if (!realFolders_.insert(real.string()).second) {
            problem(
                EntryType::FolderLoop, dir,
                QStringLiteral("이미 읽은 폴더(%1)를 다시 가리키는 연결이라 한 번만 읽었습니다.").arg(pathText(real)));
            return;
        }
        // On a network drive: listed as its server has it now, with what other PCs saved a moment ago.
        ForgetCachedListing(pathText(dir));
        fs::directory_iterator it(dir, error);
        if (error) {
            problem(EntryType::UnreadableFolder, dir, reasonOf(error));
            return;
        }
        std::vector<fs::directory_entry> children;
        for (; it != fs::directory_iterator(); it.increment(error)) {
            if (error)
                break;
            children.push_back(*it);
        }
        if (error) {
            problem(EntryType::UnreadableFolder, dir, QStringLiteral("끝까지 읽지 못했습니다: ") + reasonOf(error));
            return;
        }
        // Saves killed midway on this PC or another leave their temporary files; they go once stale.
        if (std::any_of(children.cbegin(), children.cend(), [](const fs::directory_entry &c) {
                return c.path().filename().string().find(".tmp-") != std::string::npos;
            }))
            storage::RemoveLeftoverSaves(pathText(dir));
        // The same order on every machine: by name.
        std::sort(children.begin(), children.end(),
                  [](const fs::directory_entry &a, const fs::directory_entry &b) { return a.path() < b.path(); });
        for (const fs::directory_entry &child : children)
            entry(child);
    }

private:
    void entry(const fs::directory_entry &child) {
        std::error_code error;
        const fs::file_status status = child.status(error); // follows links
        const bool document = KindOfFileName(pathText(child.path())).has_value();
        if (error) {
            // A link whose target is gone: a document file of that name is a document not read.
            if (document)
                problem(EntryType::Document, child.path(), reasonOf(error));
            return;
        }
        if (fs::is_directory(status)) {
            folder(child.path());
            return;
        }
        if (!document)
            return;
        if (!fs::is_regular_file(status)) {
            // A FIFO or a device under a document's name is never opened; it is listed with what it is.
            problem(EntryType::Document, child.path(), NotARegularFileReason(pathText(child.path())));
            return;
        }
        // A file reached again through a link of its own is counted once.
        const fs::path real = fs::canonical(child.path(), error);
        if (!error && !realFiles_.insert(real.string()).second)
            return;
        const auto time = fs::last_write_time(child.path(), error);
        const auto bytes = error ? std::uintmax_t(0) : fs::file_size(child.path(), error);
        if (error) {
            problem(EntryType::Document, child.path(), reasonOf(error));
            return;
        }
        files.push_back({child.path(),
                         std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::file_clock::to_sys(time).time_since_epoch())
                             .count(),
                         qint64(bytes)});
        if (progress_ && files.size() % 200 == 0 && !progress_(int(files.size())))
            throw RefreshCancelled();
    }

    void problem(EntryType type, const fs::path &path, const QString &reason) {
        RegisterEntry e;
        e.type = type;
        e.path = pathText(path);
        e.kind = KindOfFileName(e.path).value_or(DocKind::TaxInvoice);
        e.error = reason;
        problems.append(e);
    }

    const RefreshProgress &progress_;
    std::set<std::string> realFolders_, realFiles_;
};

} // namespace

QVector<RegisterEntry> DocumentIndex::refresh(const QString &folder, const RefreshProgress &progress) {
    const QString prefix = folderPrefix(folder);
    // The folder itself: a drive that is not there is an error, never an empty list.
    {
        std::error_code error;
        const fs::path root(prefix.toStdString());
        const fs::file_status status = fs::status(root, error);
        if (error || !fs::exists(status))
            throw IoError(
                QStringLiteral("문서목록의 폴더가 없습니다: %1\n드라이브나 네트워크 폴더가 연결되어 있는지 확인하세요.")
                    .arg(QDir::toNativeSeparators(folder)));
        if (!fs::is_directory(status))
            throw IoError(
                QStringLiteral("문서목록의 폴더가 폴더가 아닙니다: %1").arg(QDir::toNativeSeparators(folder)));
        fs::directory_iterator probe(root, error);
        if (error)
            throw IoError(QStringLiteral("문서목록의 폴더를 읽을 수 없습니다: %1\n%2")
                              .arg(QDir::toNativeSeparators(folder), reasonOf(error)));
    }

    QVector<RegisterEntry> cached = load(prefix);
    QHash<QString, qsizetype> byPath;
    byPath.reserve(cached.size());
    for (qsizetype i = 0; i < cached.size(); ++i)
        byPath.insert(cached.at(i).path, i);

    FolderWalk walk(progress);
    walk.folder(fs::path(prefix.toStdString()));

    QVector<RegisterEntry> result;
    result.reserve(qsizetype(walk.files.size()) + walk.problems.size());
    QVector<RegisterEntry> changed;
    QVector<bool> seen(cached.size(), false);
    lastRead_ = 0;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QSet<QString> recentNow;
    for (const FolderWalk::File &file : walk.files) {
        const QString path = pathText(file.path);
        const auto hit = byPath.constFind(path);
        if (hit != byPath.constEnd()) {
            seen[*hit] = true;
            RegisterEntry &old = cached[*hit];
            if (old.modified == file.modified && old.size == file.size && !recent_.contains(path)) {
                result.append(std::move(old));
                continue;
            }
        }
        RegisterEntry e;
        try {
            e = ReadRegisterEntry(ReadDocumentBytes(path), path);
        } catch (const AppError &error) {
            e.path = path;
            e.kind = *KindOfFileName(path);
            e.error = error.message().simplified();
        }
        ++lastRead_;
        if (progress && lastRead_ % 50 == 0 && !progress(int(walk.files.size())))
            throw RefreshCancelled();
        e.modified = file.modified;
        e.size = file.size;
        // A network drive's times are whole seconds (or coarser): a file saved again within the same second,
        // at the same size, would look unchanged. So a file with such a time that is recent (within a
        // minute either way, the PCs' clocks differing) is read again at the next refresh.
        if (file.modified % 1000 == 0 && qAbs(now - file.modified) < 60 * 1000)
            recentNow.insert(path);
        changed.append(e);
        result.append(e);
    }

    QStringList removed;
    for (qsizetype i = 0; i < cached.size(); ++i)
        if (!seen.at(i))
            removed << cached.at(i).path;
    store(changed, removed);
    recent_ = std::move(recentNow);
    result += walk.problems;
    std::sort(result.begin(), result.end(),
              [](const RegisterEntry &a, const RegisterEntry &b) { return a.path < b.path; });
    MarkSupersededFiles(result);
    return result;
}

std::optional<RegisterEntry> DocumentIndex::latestWithBuyer(const QString &numberDigits) const {
    if (numberDigits.isEmpty())
        return std::nullopt;
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT %1 FROM docs WHERE buyer_number = ? AND coalesce(error, '') = '' AND kind != 2 "
                             "ORDER BY date DESC, modified DESC LIMIT 1")
                  .arg(QLatin1String(kColumns)));
    q.addBindValue(numberDigits);
    if (!q.exec())
        fail(QDir::toNativeSeparators(path_), q.lastError());
    if (!q.next())
        return std::nullopt;
    return entryFrom(q);
}

} // namespace reg
