#include "buyer_book.h"

#include <QSet>

#include <algorithm>

namespace reg {

namespace {

BuyerBook *installed = nullptr;

// How long what was read stays fresh enough to offer.
constexpr qint64 kFreshMs = 10000;

} // namespace

BuyerBook *buyerBook() { return installed; }
void setBuyerBook(BuyerBook *book) { installed = book; }

QList<ItemLine> LatestItemLines(QVector<RegisterEntry> entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const RegisterEntry &a, const RegisterEntry &b) {
        return a.date != b.date ? a.date > b.date : a.modified > b.modified;
    });
    QList<ItemLine> lines;
    QSet<QString> seen;
    for (const RegisterEntry &e : entries) {
        if (!e.counted())
            continue;
        for (const ItemLine &line : e.items) {
            if (line.name.isEmpty() || seen.contains(line.name))
                continue;
            seen.insert(line.name);
            lines.append(line);
        }
    }
    return lines;
}

IndexedBuyerBook::IndexedBuyerBook(QString indexPath, std::function<QString()> workFolder)
    : indexPath_(std::move(indexPath)), workFolder_(std::move(workFolder)) {}

void IndexedBuyerBook::update() {
    const QString folder = workFolder_();
    if (index_ && folder == folder_ && since_.isValid() && since_.elapsed() < kFreshMs)
        return;
    if (!index_)
        index_ = std::make_unique<DocumentIndex>(indexPath_);
    items_ = LatestItemLines(index_->refresh(folder));
    folder_ = folder;
    since_.start();
}

std::optional<RegisterEntry> IndexedBuyerBook::buyer(const QString &numberDigits) {
    update();
    return index_->latestWithBuyer(numberDigits);
}

QList<ItemLine> IndexedBuyerBook::items() {
    update();
    return items_;
}

} // namespace reg
