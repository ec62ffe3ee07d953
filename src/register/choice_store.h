#pragma once
// The user's choices per document and per buyer (which VAT-return summary a document goes to, a buyer's
// e-mail, which documents were issued electronically): not a cache, so not in the register's index.
// They are kept in a small file in the register's folder, beside the documents they are about, so that
// they travel with them (also on a shared drive); documents are keyed by their path relative to that
// folder. Every change reads the file again, applies itself and replaces the file safely, so that a
// choice made meanwhile elsewhere is kept.

#include "register_entry.h"

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace reg {

inline const QString kChoiceFileName = QStringLiteral("ZaruZiz-register.json");

class ChoiceStore {
public:
    // The store of the register's folder; nothing is read yet.
    explicit ChoiceStore(QString folder);

    const QString &folder() const { return folder_; }
    QString filePath() const;

    // Reads the file again. A missing file is an empty store; a file that cannot be read or understood
    // raises IoError (and the store stays as it was).
    void load();

    SummaryChoice summary(const QString &documentPath) const;
    // Each setter writes the file at once; raises IoError when it cannot be written.
    void setSummary(const QString &documentPath, SummaryChoice choice);

    // The buyer's e-mail for electronic tax invoices, by the digits of the buyer's registration number;
    // empty when none was given. An empty e-mail removes it.
    QString buyerEmail(const QString &buyerDigits) const;
    void setBuyerEmail(const QString &buyerDigits, const QString &email);

    // Whether the document was issued electronically (the user confirmed it after the bulk-issue file);
    // the day it was marked. Setting it for many documents writes the file once.
    bool electronic(const QString &documentPath) const;
    void setElectronic(const QStringList &documentPaths, bool issued, const QDate &day = QDate::currentDate());

    // The key of a document: its path relative to the folder, with "/" between folders.
    QString keyOf(const QString &documentPath) const;

private:
    QJsonObject documentChoices(const QString &documentPath) const;
    void change(const QString &section, const QStringList &keys, const QString &field, const QJsonValue &value);

    QString folder_;
    QJsonObject data_;
};

} // namespace reg
