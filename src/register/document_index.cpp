#include "document_index.h"

#include "document_io.h"
#include "errors.h"

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
#include <chrono>
#include <filesystem>
#include <atomic>

namespace reg {

namespace {

// The layout of the index; an index of another layout is made again.
constexpr int kSchemaVersion = 1;

const QChar kFieldSeparator(0x1f);
const QChar kLineSeparator(0x1e);

QString encodeItems(const QList<ItemLine> &items) {
    QStringList lines;
    for (const ItemLine &i : items)
        lines << QStringList{i.name, i.spec, i.unit, i.unitPrice}.join(kFieldSeparator);
    return lines.join(kLineSeparator);
}

QList<ItemLine> decodeItems(const QString &text) {
    QList<ItemLine> items;
    if (text.isEmpty())
        return items;
    for (const QString &line : text.split(kLineSeparator)) {
        const QStringList f = line.split(kFieldSeparator);
        items.append({f.value(0), f.value(1), f.value(2), f.value(3)});
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
        QSqlDatabase db = QSqlDatabase::contains(connection_) ? QSqlDatabase::database(connection_, false)
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

QVector<RegisterEntry> DocumentIndex::refresh(const QString &folder) {
    const QString prefix = folderPrefix(folder);
    QVector<RegisterEntry> cached = load(prefix);
    QHash<QString, qsizetype> byPath;
    byPath.reserve(cached.size());
    for (qsizetype i = 0; i < cached.size(); ++i)
        byPath.insert(cached.at(i).path, i);

    QVector<RegisterEntry> result;
    result.reserve(cached.size());
    QVector<RegisterEntry> changed;
    QVector<bool> seen(cached.size(), false);
    lastRead_ = 0;

    // Walked with std::filesystem: its times need no conversion through the local time zone, which would
    // cost more than the rest of opening the register.
    namespace fs = std::filesystem;
    std::error_code walkError;
    fs::recursive_directory_iterator it(fs::path(prefix.toStdString()), fs::directory_options::skip_permission_denied,
                                        walkError);
    for (; !walkError && it != fs::recursive_directory_iterator(); it.increment(walkError)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError))
            continue;
        const QString path = QString::fromStdString(it->path().string());
        if (!KindOfFileName(path))
            continue;
        const auto time = it->last_write_time(fileError);
        const auto bytes = it->file_size(fileError);
        if (fileError)
            continue; // gone while the folder was walked
        const qint64 modified = std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::file_clock::to_sys(time).time_since_epoch())
                                    .count();
        const qint64 size = qint64(bytes);
        const auto hit = byPath.constFind(path);
        if (hit != byPath.constEnd()) {
            seen[*hit] = true;
            RegisterEntry &old = cached[*hit];
            if (old.modified == modified && old.size == size) {
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
        e.modified = modified;
        e.size = size;
        if (hit != byPath.constEnd())
            e.summary = cached.at(*hit).summary;
        changed.append(e);
        result.append(e);
    }

    QStringList removed;
    for (qsizetype i = 0; i < cached.size(); ++i)
        if (!seen.at(i))
            removed << cached.at(i).path;
    store(changed, removed);
    std::sort(result.begin(), result.end(),
              [](const RegisterEntry &a, const RegisterEntry &b) { return a.path < b.path; });
    return result;
}

void DocumentIndex::setSummaryChoice(const QString &path, SummaryChoice choice) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE docs SET summary = ? WHERE path = ?"));
    q.addBindValue(int(choice));
    q.addBindValue(path);
    if (!q.exec())
        fail(QDir::toNativeSeparators(path), q.lastError());
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
