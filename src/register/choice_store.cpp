#include "choice_store.h"

#include "errors.h"
#include "safe_write.h"

#include <QDir>
#include "regular_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QThread>
#include <QUuid>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace reg {

namespace {

const QString kDocuments = QStringLiteral("documents");
const QString kSummary = QStringLiteral("summary");
const QString kBuyers = QStringLiteral("buyers");
const QString kEmail = QStringLiteral("email");
const QString kElectronic = QStringLiteral("electronic");

QString choiceName(SummaryChoice c) {
    switch (c) {
    case SummaryChoice::TaxInvoice: return QStringLiteral("tax-invoice");
    case SummaryChoice::TaxFree: return QStringLiteral("tax-free");
    case SummaryChoice::Automatic: break;
    }
    return {};
}

SummaryChoice choiceOf(const QString &name) {
    if (name == QLatin1String("tax-invoice"))
        return SummaryChoice::TaxInvoice;
    if (name == QLatin1String("tax-free"))
        return SummaryChoice::TaxFree;
    return SummaryChoice::Automatic;
}

QJsonObject readFile(const QString &path) {
    QFile f(path);
    if (!f.exists())
        return {};
    QString reason;
    if (!OpenRegularFileForReading(f, &reason))
        throw IoError(QStringLiteral("문서목록의 선택 파일을 읽을 수 없습니다: %1\n%2")
                          .arg(QDir::toNativeSeparators(path), reason));
    const QByteArray bytes = f.read(16 * 1024 * 1024);
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        throw IoError(QStringLiteral(
                          "문서목록의 선택 파일이 손상되었습니다: %1\n(고치거나 지우면 선택이 처음 상태로 돌아갑니다.)")
                          .arg(QDir::toNativeSeparators(path)));
    return doc.object();
}

// While one program changes the file, the others wait: "ZaruZiz-register.json.lock" beside it, created
// only when there is none (an exclusive create, carried out by a network file system's server). A change
// takes milliseconds; a lock that stays the same for ten seconds was left by a program that ended
// midway and is removed. Waiting is counted on this PC's own clock, so the PCs' clocks do not matter.
class ExclusiveChange {
public:
    explicit ExclusiveChange(const QString &storePath) : path_(storePath + QStringLiteral(".lock")) {
        const QByteArray native = QFile::encodeName(path_);
        const QByteArray mark = QUuid::createUuid().toByteArray();
        QElapsedTimer sameFor;
        QByteArray seen;
        for (;;) {
            const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
            if (fd >= 0) {
                const bool written = ::write(fd, mark.constData(), static_cast<size_t>(mark.size())) == mark.size();
                ::close(fd);
                if (written) {
                    mark_ = mark;
                    return;
                }
                ::unlink(native.constData());
                break;
            }
            if (errno != EEXIST)
                break; // no lock can be made there: the change goes on unguarded (a read-only folder fails anyway)
            QFile f(path_);
            const QByteArray now = f.open(QIODevice::ReadOnly) ? f.read(64) : QByteArray();
            if (now != seen || !sameFor.isValid()) {
                seen = now;
                sameFor.start();
            } else if (sameFor.elapsed() > 10 * 1000) {
                QFile::remove(path_);
                sameFor.invalidate();
                continue;
            }
            QThread::msleep(20);
        }
    }
    ~ExclusiveChange() {
        if (mark_.isEmpty())
            return;
        QFile f(path_);
        if (f.open(QIODevice::ReadOnly) && f.read(64) == mark_) {
            f.close();
            QFile::remove(path_);
        }
    }
    ExclusiveChange(const ExclusiveChange &) = delete;
    ExclusiveChange &operator=(const ExclusiveChange &) = delete;

private:
    QString path_;
    QByteArray mark_;
};

} // namespace

ChoiceStore::ChoiceStore(QString folder) : folder_(QDir::cleanPath(std::move(folder))) {}

QString ChoiceStore::filePath() const { return folder_ + u'/' + kChoiceFileName; }

void ChoiceStore::load() { data_ = readFile(filePath()); }

QString ChoiceStore::keyOf(const QString &documentPath) const {
    return QDir::fromNativeSeparators(QDir(folder_).relativeFilePath(documentPath));
}

QJsonObject ChoiceStore::documentChoices(const QString &documentPath) const {
    return data_.value(kDocuments).toObject().value(keyOf(documentPath)).toObject();
}

SummaryChoice ChoiceStore::summary(const QString &documentPath) const {
    return choiceOf(documentChoices(documentPath).value(kSummary).toString());
}

void ChoiceStore::setSummary(const QString &documentPath, SummaryChoice choice) {
    const QString name = choiceName(choice);
    change(kDocuments, {keyOf(documentPath)}, kSummary, name.isEmpty() ? QJsonValue() : QJsonValue(name));
}

QString ChoiceStore::buyerEmail(const QString &buyerDigits) const {
    return data_.value(kBuyers).toObject().value(buyerDigits).toObject().value(kEmail).toString();
}

void ChoiceStore::setBuyerEmail(const QString &buyerDigits, const QString &email) {
    const QString e = email.trimmed();
    change(kBuyers, {buyerDigits}, kEmail, e.isEmpty() ? QJsonValue() : QJsonValue(e));
}

bool ChoiceStore::electronic(const QString &documentPath) const {
    return documentChoices(documentPath).contains(kElectronic);
}

void ChoiceStore::setElectronic(const QStringList &documentPaths, bool issued, const QDate &day) {
    QStringList keys;
    for (const QString &path : documentPaths)
        keys << keyOf(path);
    change(kDocuments, keys, kElectronic, issued ? QJsonValue(day.toString(Qt::ISODate)) : QJsonValue());
}

void ChoiceStore::change(const QString &section, const QStringList &keys, const QString &field,
                         const QJsonValue &value) {
    // What the file holds now, which another program may have changed since it was read; no other
    // program changes it until this change is written.
    const ExclusiveChange exclusive(filePath());
    QJsonObject data = readFile(filePath());
    QJsonObject all = data.value(section).toObject();
    for (const QString &key : keys) {
        QJsonObject one = all.value(key).toObject();
        if (value.isNull() || value.isUndefined())
            one.remove(field);
        else
            one.insert(field, value);
        if (one.isEmpty())
            all.remove(key);
        else
            all.insert(key, one);
    }
    data.insert(section, all);
    data.insert(QStringLiteral("version"), 1);
    QString reason;
    if (!safefile::ReplaceFile(filePath(), QJsonDocument(data).toJson(QJsonDocument::Indented), &reason))
        throw IoError(QStringLiteral("문서목록의 선택을 저장할 수 없습니다: %1\n%2")
                          .arg(QDir::toNativeSeparators(filePath()), reason));
    data_ = data;
}

} // namespace reg
