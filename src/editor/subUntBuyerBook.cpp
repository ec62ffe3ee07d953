// The buyer book in the editor: a buyer number whose check passes fills the buyer's fields that are still
// empty from the latest earlier document to that number; the item column of every grid completes item
// names from earlier documents. The Enter order and the checks of the fields are those of the fields
// themselves; nothing here takes part in them. A completion changes a cell only when the user accepts it.
#include "subUnt.h"
#include "subUntGridCells.h"

#include "HStrGrid.h"
#include "arithmetic.h"
#include "buyer_book.h"
#include "money.h"
#include "regnum.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QHash>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QStandardItemModel>
#include <QTreeView>

// Looking through the offered names shows each in the cell editor; unless one is accepted (Enter or a
// click), what the user typed comes back when the list closes.
class CompletionGuard : public QObject {
public:
    CompletionGuard(QLineEdit *edit, QCompleter *completer) : QObject(completer), edit_(edit) {
        typed_ = edit->text();
        connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) { typed_ = text; });
        connect(completer, qOverload<const QModelIndex &>(&QCompleter::activated), this, [this] { accepted_ = true; });
        completer->popup()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override {
        if (event->type() == QEvent::Show)
            accepted_ = false;
        else if (event->type() == QEvent::Hide && !accepted_ && edit_ && edit_->text() != typed_)
            edit_->setText(typed_);
        return false;
    }

private:
    QPointer<QLineEdit> edit_;
    QString typed_;
    bool accepted_ = false;
};

class BuyerBookBehaviour : public QObject {
public:
    explicit BuyerBookBehaviour(TsubUntf *editor) : QObject(editor), e_(editor) {
        connect(e_->bSaNo, &QLineEdit::textEdited, this, [this] { offerBuyer(e_->bSaNo, TChkKind::ceBussiness, 10); });
        connect(e_->JuMinNo, &QLineEdit::textEdited, this,
                [this] { offerBuyer(e_->JuMinNo, TChkKind::ceCitizen, 13); });
        for (THStringGrid *grid : {e_->dGrid, e_->gGrid, e_->kGrid})
            connect(
                grid, &THStringGrid::cellEditorCreated, this,
                [this, grid](THInplaceEdit *edit, const QModelIndex &index) { attachCompleter(grid, edit, index); });
    }

private:
    static QString digitsOf(const QString &text) {
        QString out;
        for (QChar c : text)
            if (c.isDigit())
                out += c;
        return out;
    }

    // Once the whole number is typed: the known buyer's details go into the fields still empty. A field
    // the book filled, and the user has not changed since, follows the number: a corrected number brings
    // the other buyer's details, or empties it when the number is unknown. What the user typed stays.
    void offerBuyer(QLineEdit *field, TChkKind kind, int length) {
        reg::BuyerBook *book = reg::buyerBook();
        const QString digits = digitsOf(field->text());
        if (!book || digits.size() != length)
            return;
        std::optional<reg::RegisterEntry> known;
        if (CheckRegistrationNumber(kind, field->text()).valid) {
            // An offer, not a command: when the index cannot be read, nothing is offered and typing goes on.
            try {
                known = book->buyer(digits);
            } catch (const std::exception &) {
                return;
            }
        }
        const std::pair<QLineEdit *, QString> fields[] = {{e_->bSangho, known ? known->buyerName : QString()},
                                                          {e_->bName, known ? known->buyerRep : QString()},
                                                          {e_->bAddr, known ? known->buyerAddr : QString()},
                                                          {e_->bUpTea, known ? known->buyerUpTea : QString()},
                                                          {e_->bUpJong, known ? known->buyerUpJong : QString()}};
        for (const auto &[edit, text] : fields) {
            const auto filled = filled_.constFind(edit);
            const bool ours = filled != filled_.constEnd() && edit->text() == *filled;
            if (!ours && !edit->text().trimmed().isEmpty())
                continue; // the user's own
            if (text.isEmpty() && !ours)
                continue;
            edit->setText(text);
            edit->setCursorPosition(0);
            if (text.isEmpty())
                filled_.remove(edit);
            else
                filled_.insert(edit, text);
        }
    }

    struct ItemColumns {
        int item = -1, spec = -1, unitPrice = -1;
    };
    ItemColumns columnsOf(THStringGrid *grid) const {
        if (grid == e_->kGrid)
            return {kcol::item, kcol::spec, kcol::unitPrice};
        if (grid == e_->dGrid || grid == e_->gGrid) {
            const InvoiceColumns c = ColumnsOf(grid == e_->dGrid ? GridKind::TaxInvoice : GridKind::Statement);
            return {c.item, c.spec, c.unitPrice};
        }
        return {};
    }

    QStandardItemModel *itemModel() {
        if (model_ || unavailable_)
            return model_;
        reg::BuyerBook *book = reg::buyerBook();
        if (!book)
            return nullptr;
        QList<reg::ItemLine> lines;
        try {
            lines = book->items();
        } catch (const std::exception &) {
            unavailable_ = true; // asked once per editor; the grid works as ever without it
            return nullptr;
        }
        if (lines.isEmpty())
            return nullptr;
        model_ = new QStandardItemModel(this);
        for (const reg::ItemLine &line : lines) {
            auto *name = new QStandardItem(line.name);
            QString offer = line.spec;
            if (line.unitPrice != Money())
                offer += (offer.isEmpty() ? QString() : QStringLiteral("  ")) + QStringLiteral("단가 ") +
                         CellText(AmountColumn::UnitPrice, line.unitPrice).trimmed();
            auto *details = new QStandardItem(offer);
            name->setData(line.spec, SpecRole);
            name->setData(QVariant::fromValue<qint64>(line.unitPrice.raw()), UnitPriceRole);
            model_->appendRow({name, details});
        }
        return model_;
    }

    // The cell editor of an item column gets the completer of the earlier item names.
    void attachCompleter(THStringGrid *grid, THInplaceEdit *edit, const QModelIndex &index) {
        const ItemColumns columns = columnsOf(grid);
        const GridKind kind = grid == e_->kGrid   ? GridKind::Quotation
                              : grid == e_->dGrid ? GridKind::TaxInvoice
                                                  : GridKind::Statement;
        if (columns.item < 0 || index.column() != columns.item)
            return;
        QStandardItemModel *model = itemModel();
        if (!model)
            return;
        auto *completer = new QCompleter(model, edit);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchStartsWith);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        auto *popup = new QTreeView;
        popup->setHeaderHidden(true);
        popup->setRootIsDecorated(false);
        popup->setObjectName(QStringLiteral("itemCompleterPopup"));
        completer->setPopup(popup);
        // The list shows below the cell without taking the keyboard or the window's activation: a popup
        // that did would end the syllable being composed. The grid hands it the keys that move in it.
        popup->setWindowFlags(Qt::ToolTip);
        popup->setMinimumWidth(320);
        popup->header()->resizeSection(0, 180);
        edit->setCompleter(completer);
        new CompletionGuard(edit, completer);
        // Accepting a name offers its latest 규격 and unit price in the row's cells that are still empty.
        const int row = index.row();
        QPointer<THStringGrid> target(grid);
        connect(completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
                [target, row, columns, kind](const QModelIndex &index) {
                    if (!target)
                        return;
                    const QString spec = index.siblingAtColumn(0).data(SpecRole).toString();
                    const Money price = Money::fromRaw(index.siblingAtColumn(0).data(UnitPriceRole).toLongLong());
                    if (!spec.isEmpty() && target->cellText(row, columns.spec).trimmed().isEmpty())
                        target->setCellText(row, columns.spec, spec);
                    const AmountColumn column = *AmountColumnAt(kind, columns.unitPrice);
                    if (price != Money() && CellAmount(target, row, columns.unitPrice) == Money() &&
                        Holds(column, price))
                        SetCellAmount(target, kind, row, columns.unitPrice, price);
                });
    }

    static constexpr int SpecRole = Qt::UserRole + 1;
    static constexpr int UnitPriceRole = Qt::UserRole + 2;

    TsubUntf *e_;
    // What the book put into each buyer field, while the field still holds it.
    QHash<QLineEdit *, QString> filled_;
    QStandardItemModel *model_ = nullptr;
    bool unavailable_ = false;
};

void TsubUntf::installBuyerBook() { new BuyerBookBehaviour(this); }
