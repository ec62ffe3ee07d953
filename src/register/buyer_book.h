#pragma once
// The buyer book: what earlier documents know of a buyer and of item names, offered again while a new
// document is typed. It reads the register's index; nothing of it is stored anywhere else.

#include "document_index.h"
#include "register_entry.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace reg {

class BuyerBook {
public:
    virtual ~BuyerBook() = default;
    // The latest document (tax invoice or statement) to the buyer with this number (digits only).
    virtual std::optional<RegisterEntry> buyer(const QString &numberDigits) = 0;
    // Item names of earlier documents, each once with its latest 규격 and unit price, latest first.
    virtual QList<ItemLine> items() = 0;
};

// The book the editor asks; none until the program installs one (tests install their own).
BuyerBook *buyerBook();
void setBuyerBook(BuyerBook *book);

// Every line of the entries as one line per item name, the latest document's first.
QList<ItemLine> LatestItemLines(QVector<RegisterEntry> entries);

// The book over the register's index of the work folder, brought up to date at most every few seconds.
class IndexedBuyerBook : public BuyerBook {
public:
    IndexedBuyerBook(QString indexPath, std::function<QString()> workFolder);
    std::optional<RegisterEntry> buyer(const QString &numberDigits) override;
    QList<ItemLine> items() override;

private:
    void update();

    QString indexPath_;
    std::function<QString()> workFolder_;
    std::unique_ptr<DocumentIndex> index_;
    QString folder_;
    QElapsedTimer since_;
    QList<ItemLine> items_;
};

} // namespace reg
