// The item grids at work: which characters a cell takes, what Enter does in each column, the line amounts
// derived as keys are released, Alt+D, F11, the double-click splits, cell selection, and entering and
// leaving a grid.
//
// An amount is refused when it is typed: a cell of an amount column takes only text that reads as a
// number its column can show; otherwise a message says why and the grid keeps what it had before the
// edit. A computed amount that does not fit its column is refused in the same way, and the message names
// that column: the grid returns to what it was before the key, and nothing turns blank. Whether the edit
// ended with Enter, by a move elsewhere or for a command, the cell editor then opens again with what was
// typed, so that it can be corrected (Escape gives it up).
//
// An edit that ends without Enter (a click on another cell or field, Tab, an arrow key) computes the line
// as Enter would; the editor's commands finish the edit in the same way before they read the document.
#include "subUnt.h"
#include "subUntGridCells.h"

#include "HStrGrid.h"
#include "arithmetic.h"
#include "commands.h"
#include "input_method.h"
#include "launch.h"
#include "masks.h"
#include "money.h"
#include "prompts.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

std::function<void()> TsubUntf::SpecialCharsHook = [] { RunSpecialChars(); };

namespace {

// What the special character picker leaves on the clipboard when cancelled.
const QString kPickerCancelled = QStringLiteral("Non");

enum class Allowed { All, SignedAmount, SignedQuantity, Quantity, WholeAmount, DigitsOnly };

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Whether a text typed or composed passes a column's filter, character by character.
bool textPasses(Allowed allowed, const QString &text) {
    if (allowed == Allowed::All)
        return true;
    for (QChar c : text) {
        const bool ok = isDigit(c) ||
                        (c == u'-' && (allowed == Allowed::SignedAmount || allowed == Allowed::SignedQuantity)) ||
                        (c == u'.' && (allowed == Allowed::SignedQuantity || allowed == Allowed::Quantity));
        if (!ok)
            return false;
    }
    return true;
}

// Whether a typed character passes a column's filter. Key combinations (Ctrl+V) and control characters
// other than Backspace (Escape, Tab) are the cell editor's own keys and always pass.
bool passes(Allowed allowed, const QKeyEvent *event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true; // commands such as paste
    const bool backspace = event->key() == Qt::Key_Backspace;
    if (!backspace) {
        const QString text = event->text();
        if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f)
            return true;
    }
    if (allowed == Allowed::All)
        return true;
    if (backspace)
        return allowed != Allowed::DigitsOnly;
    return textPasses(allowed, event->text());
}

// Whether a composition from the input method passes a column's filter: what it commits and what it
// shows while composing.
bool passes(Allowed allowed, const QInputMethodEvent *event) {
    return textPasses(allowed, event->commitString()) && textPasses(allowed, event->preeditString());
}

bool isEnter(const QKeyEvent *event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }
bool isAltD(const QKeyEvent *event) { return event->key() == Qt::Key_D && (event->modifiers() & Qt::AltModifier); }

// A cell's text with the blanks removed.
QString bare(const QString &text) { return RemoveBlanks(text); }

} // namespace

// The delegate of one item grid: it creates the cell editors, refuses amounts that cannot stand, and is the
// event filter of the grid, its viewport and every cell editor, so each key is seen before the grid or
// the editor acts on it.
class GridBehaviour : public THGridDelegate {
public:
    GridBehaviour(TsubUntf *editor, THStringGrid *grid, GridKind kind)
        : THGridDelegate(grid), editor_(editor), grid_(grid), viewport_(grid->viewport()), kind_(kind) {
        if (kind != GridKind::Quotation)
            c_ = ColumnsOf(kind);
        grid->installEventFilter(this);
        grid->viewport()->installEventFilter(this);
        QObject::connect(grid, &QTableWidget::currentCellChanged, this,
                         [this](int row, int col, int previousRow, int previousCol) {
                             if (row != previousRow || col != previousCol)
                                 selectCell();
                         });
        QObject::connect(qApp, &QApplication::focusChanged, this,
                         [this](QWidget *old, QWidget *now) { focusChanged(old, now); });
    }

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override {
        QWidget *w = THGridDelegate::createEditor(parent, option, index);
        // What the grid was before this edit: a refused edit returns to it.
        editStart_ = content();
        return w;
    }

    // The editor window is going away: an open cell editor that loses the focus now computes nothing.
    void detach() {
        detached_ = true;
        blockSignals(true);
    }

    void setModelData(QWidget *w, QAbstractItemModel *model, const QModelIndex &index) const override {
        if (detached_)
            return;
        auto *edit = qobject_cast<QLineEdit *>(w);
        auto *self = const_cast<GridBehaviour *>(this);
        // As typed: keeping an amount rewrites the cell, and with it the editor, in the column's form.
        const QString typed = edit ? edit->text() : QString();
        const QString problem = edit ? refusal(index.column(), typed) : QString();
        if (problem.isEmpty()) {
            const bool changed = edit && self->keep(index.row(), index.column(), typed,
                                                    [&] { THGridDelegate::setModelData(w, model, index); });
            // Enter and the commands compute the line themselves; an edit that ends as the user moves
            // elsewhere computes it here.
            self->changed_ = changed;
            if (!committing_ && changed)
                self->editLeft(index.row(), index.column(), typed);
            return;
        }
        // The edit ends elsewhere (another cell, another field): the grid goes back to what it was, and once
        // the focus has settled the message follows and the cell editor opens again with what was typed.
        self->restore(editStart_);
        self->recalculateQuietly(true);
        self->showLater(problem, index.row(), index.column(), typed);
    }

    // Finishes the edit of the open cell editor as Enter does, without moving on: the commands call this
    // before they read or replace the document. Returns false when the typed text cannot stand; the
    // message has been shown then and the cell editor holds the text again.
    bool commitPendingEdit() {
        THInplaceEdit *edit = grid_->inplaceEditor();
        return !edit || commitEditor(edit);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (detached_)
            return false;
        if (watched == grid_)
            return gridEvent(event);
        // The viewport kept from the start: while the grid is being destroyed it is no grid any more.
        if (watched == viewport_)
            return viewportEvent(event);
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            if (cellEditorEvent(edit, event))
                return true;
        }
        return THGridDelegate::eventFilter(watched, event);
    }

private:
    using Rows = GridContent;

    // --- Columns ---

    bool quotation() const { return kind_ == GridKind::Quotation; }
    int quantityCol() const { return quotation() ? kcol::quantity : c_.quantity; }

    Allowed allowedIn(int col) const {
        if (quotation()) {
            if (col == kcol::quantity)
                return Allowed::Quantity;
            if (col == kcol::unitPrice)
                return Allowed::WholeAmount;
            if (col == kcol::amount)
                return Allowed::DigitsOnly;
            return Allowed::All;
        }
        if (col == c_.quantity)
            return Allowed::SignedQuantity;
        if (col == c_.unitPrice || col == c_.supply || col == c_.tax)
            return Allowed::SignedAmount;
        return Allowed::All;
    }

    bool isTextColumn(int col) const {
        if (quotation())
            return col == kcol::item || col == kcol::spec || col == kcol::unit || col == kcol::remark;
        if (kind_ == GridKind::TaxInvoice)
            return col == 1 || col == 2 || col == 7;
        return col == 1 || col == 2 || col == 3 || col == 8;
    }

    // Why a cell of column col cannot take text: not a number, a value its column does not take, or one it
    // cannot show. Empty when the text can stand.
    QString refusal(int col, const QString &text) const {
        const std::optional<AmountColumn> column = AmountColumnAt(kind_, col);
        if (!column)
            return QString();
        try {
            TypedAmount(*column, text);
        } catch (const AppError &e) {
            return e.message();
        }
        return QString();
    }

    // --- Cells ---

    QString cell(int row, int col) const { return CellNow(grid_, row, col); }
    Money amount(int row, int col) const { return AmountNow(grid_, kind_, row, col); }
    Money quantity(int row) const { return amount(row, quantityCol()); }
    // Sets an amount cell; raises, naming the column, when its column cannot hold the value.
    void setAmount(int row, int col, Money value) { SetCellAmount(grid_, kind_, row, col, value); }

    // Keeps what the cell editor of (row, col) holds in its cell: an amount as its value, a text as typed
    // (by keepText). Returns whether the cell changed.
    template <typename KeepText> bool keep(int row, int col, const QString &typed, KeepText keepText) {
        if (const std::optional<AmountColumn> column = AmountColumnAt(kind_, col)) {
            const Money value = TypedAmount(*column, typed);
            const int decimals = LimitsOf(*column).decimals > 0 ? WrittenDecimals(value, typed) : 0;
            const bool changed = value != CellAmount(grid_, row, col) || decimals != CellDecimals(grid_, row, col);
            WriteCellAmount(grid_, kind_, row, col, value, decimals);
            return changed;
        }
        const bool changed = typed != grid_->cellText(row, col);
        keepText();
        return changed;
    }

    Rows content() const { return ContentOf(grid_, kind_); }
    void restore(const Rows &rows) { RestoreContent(grid_, rows); }

    // How a step that fails says why: at once, once the focus has settled (while Qt is moving it), or not
    // at all (while a number is still being typed).
    enum class Report { Now, Later, Never };

    // Runs a change of the grid as one step: when it fails, the grid returns to before, the totals follow,
    // and the message says why. Returns whether the change went through.
    template <typename F> bool step(F change, const Rows &before, Report report = Report::Now) {
        try {
            change();
            return true;
        } catch (const AppError &e) {
            restore(before);
            recalculateQuietly(true);
            if (report == Report::Now)
                ShowInfo(e.message(), editor_);
            else if (report == Report::Later)
                showLater(e.message());
            return false;
        }
    }

    // The message once the focus has settled; with a cell, the cell editor then opens there again with
    // the typed text.
    void showLater(const QString &message, int row = -1, int col = -1, const QString &typed = QString()) {
        QPointer<TsubUntf> editor = editor_;
        QTimer::singleShot(0, this, [this, editor, message, row, col, typed] {
            if (!editor || detached_)
                return;
            ShowInfo(message, editor);
            if (row >= 1)
                reopen(row, col, typed);
        });
    }

    void recalculateQuietly(bool keepSupply) {
        try {
            editor_->Recalculate(keepSupply);
        } catch (const AppError &) {
        }
    }

    void setModified() { editor_->modified_ = true; }
    void moveTo(int row, int col) { grid_->setCurrentCell(row, col); }

    // --- Events ---

    bool gridEvent(QEvent *event) {
        // While a cell is edited the grid hands its keys to the cell editor, where they are seen.
        if (grid_->inplaceEditor())
            return false;
        // A syllable composed by the input method is refused where a typed one would be.
        if (event->type() == QEvent::InputMethod)
            return !passes(allowedIn(grid_->currentColumn()), static_cast<QInputMethodEvent *>(event));
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isAltD(key)) {
                deleteRow();
                return true;
            }
            if (key->key() == Qt::Key_F11) {
                specialCharacter(nullptr);
                return true;
            }
            if (isEnter(key)) {
                enter(nullptr);
                return true;
            }
            // A character that the column does not take opens no cell editor either.
            return !passes(allowedIn(grid_->currentColumn()), key);
        }
        if (event->type() == QEvent::KeyRelease) {
            keyUp();
            return false;
        }
        return false;
    }

    // The column of the cell the open editor edits.
    int editedColumn() const {
        const QModelIndex edited = grid_->editedIndex();
        return edited.isValid() ? edited.column() : grid_->currentColumn();
    }

    bool cellEditorEvent(QLineEdit *edit, QEvent *event) {
        if (event->type() == QEvent::InputMethod)
            return !passes(allowedIn(editedColumn()), static_cast<QInputMethodEvent *>(event));
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if (isAltD(key)) {
                emit closeEditor(edit, QAbstractItemDelegate::RevertModelCache);
                deleteRow();
                return true;
            }
            if (key->key() == Qt::Key_F11) {
                specialCharacter(edit);
                return true;
            }
            if (isEnter(key)) {
                enter(edit);
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                // The edit is dropped, and with it what the keys released so far derived from it.
                THGridDelegate::eventFilter(edit, event);
                restore(editStart_);
                recalculateQuietly(true);
                return true;
            }
            return !passes(allowedIn(grid_->currentColumn()), key);
        }
        if (event->type() == QEvent::KeyRelease) {
            keyUp();
            return false;
        }
        return false;
    }

    bool viewportEvent(QEvent *event) {
        if (event->type() != QEvent::MouseButtonDblClick)
            return false;
        const QModelIndex index = grid_->indexAt(static_cast<QMouseEvent *>(event)->position().toPoint());
        if (!index.isValid() || index.row() < 1)
            return false;
        return doubleClick(index.row(), index.column());
    }

    // --- Enter ---

    // Enter in a cell (edit: the open cell editor, or nullptr): the typed text is checked and kept, the
    // column's rule derives the line, and the current cell moves on. As in any cell, Enter then closes an
    // open cell editor or opens one on the new cell.
    void enter(QLineEdit *edit) {
        const int row = grid_->currentRow(), col = grid_->currentColumn();
        if (row < 1 || col < 0)
            return;
        if (edit) {
            if (!commitEditor(edit))
                return;
        } else if (!step([&] { columnRule(row, col); }, content())) {
            return;
        }
        moveAfterEnter(row, col);
        if (!quotation() || (col != kcol::number && col != kcol::amount))
            setModified();
        if (!edit && grid_->currentColumn() != col)
            grid_->edit(grid_->currentIndex());
    }

    // Keeps the text of the open cell editor and derives the line from it by its column's rule. When the
    // text cannot stand, or the line computed from it cannot, the grid returns to before the edit, the
    // message says why, and the cell editor opens again with the typed text. Returns whether it was kept.
    bool commitEditor(QLineEdit *edit) {
        const QModelIndex index = grid_->editedIndex();
        if (!index.isValid())
            return true;
        const int row = index.row(), col = index.column();
        const QString typed = edit->text();
        const Rows before = editStart_;
        QString problem = refusal(col, typed);
        if (problem.isEmpty()) {
            committing_ = true;
            changed_ = false;
            emit commitData(edit);
            emit closeEditor(edit, QAbstractItemDelegate::NoHint);
            committing_ = false;
            try {
                columnRule(row, col);
                if (changed_)
                    setModified();
                return true;
            } catch (const AppError &e) {
                problem = e.message();
            }
        } else {
            emit closeEditor(edit, QAbstractItemDelegate::RevertModelCache);
        }
        restore(before);
        recalculateQuietly(true);
        ShowInfo(problem, editor_);
        reopen(row, col, typed);
        return false;
    }

    // Opens the cell editor on a cell again with the given text, the caret at its end.
    void reopen(int row, int col, const QString &text) {
        if (!grid_->isVisible())
            return;
        grid_->setCurrentCell(row, col);
        grid_->setFocus();
        grid_->edit(grid_->model()->index(row, col));
        if (THInplaceEdit *edit = grid_->inplaceEditor()) {
            edit->setText(text);
            edit->setFocus();
        }
    }

    // An edit ended without Enter (another cell or field was chosen): its line is derived as Enter does.
    // When the line cannot stand, the grid goes back to before the edit and the typed text waits in its
    // cell editor again.
    void editLeft(int row, int col, const QString &typed) {
        try {
            columnRule(row, col);
            setModified();
        } catch (const AppError &e) {
            restore(editStart_);
            recalculateQuietly(true);
            showLater(e.message(), row, col, typed);
        }
    }

    void moveAfterEnter(int row, int col) {
        if (quotation()) {
            if (col != kcol::number)
                moveTo(row, col == kcol::remark ? 1 : col + 1);
        } else {
            moveTo(row, col >= c_.remark ? 1 : col + 1);
        }
    }

    // What Enter derives from a cell of column col.
    void columnRule(int row, int col) { quotation() ? quotationRule(row, col) : invoiceRule(row, col); }

    void invoiceRule(int row, int col) {
        const InvoiceColumns &c = c_;
        auto anyAmount = [&] { return amount(row, c.quantity).raw() != 0 || amount(row, c.unitPrice).raw() != 0; };
        if (col == c.quantity) {
            if (anyAmount()) {
                const Money supply = LineProductWithoutCorrection(amount(row, c.unitPrice), quantity(row));
                setAmount(row, c.supply, supply);
                setAmount(row, c.tax, TaxRule(supply));
            }
        } else if (col == c.unitPrice) {
            if (anyAmount())
                setAmount(row, c.supply, LineProductWithCorrection(amount(row, c.unitPrice), quantity(row)));
            setAmount(row, c.tax, TaxRule(amount(row, c.supply)));
        } else if (col == c.supply) {
            setAmount(row, c.tax, TaxRule(amount(row, c.supply)));
        }
        const bool amountColumn = col == c.quantity || col == c.unitPrice || col == c.supply || col == c.tax;
        if (amountColumn)
            editor_->Recalculate(true);
    }

    void quotationRule(int row, int col) {
        auto lineAmount = [&] { return LineProductWithoutCorrection(amount(row, kcol::unitPrice), quantity(row)); };
        switch (col) {
        case kcol::quantity:
        case kcol::unitPrice:
            setAmount(row, kcol::amount, lineAmount());
            editor_->Recalculate(false);
            break;
        case kcol::amount:
            // What was typed is replaced by quantity x unit price.
            setAmount(row, kcol::amount, lineAmount());
            break;
        default: break;
        }
    }

    // --- Key released ---

    void keyUp() {
        const int row = grid_->currentRow(), col = grid_->currentColumn();
        if (row < 1 || col < 0)
            return;
        // While a number is being typed, what cannot be computed yet is left for Enter to refuse.
        if (quotation()) {
            step([&] { editor_->Recalculate(false); }, content(), Report::Never);
            return;
        }
        if (col != c_.unitPrice && col != c_.supply)
            return;
        // A key changes no line but its own: only that line is kept for going back.
        const Rows line = ContentOf(grid_, kind_, row, row);
        try {
            invoiceKeyUp(row, col);
        } catch (const AppError &) {
            RestoreContent(grid_, line, row);
            recalculateQuietly(true);
        }
    }

    void invoiceKeyUp(int row, int col) {
        const InvoiceColumns &c = c_;
        if (col != c.unitPrice && col != c.supply)
            return;
        for (int k : {c.quantity, c.unitPrice, c.supply, c.tax})
            if (bare(cell(row, k)) == QStringLiteral("-"))
                return;
        for (int k : {c.quantity, c.unitPrice, c.supply})
            if (bare(cell(row, k)).isEmpty())
                return;
        if (col == c.unitPrice && amount(row, c.supply).raw() == 0)
            setAmount(row, c.supply, LineProductWithoutCorrection(amount(row, c.unitPrice), quantity(row)));
        // The supply is derived first, so that the tax is checked against the supply shown.
        editor_->Recalculate(col == c.supply);
        const Money tax = amount(row, c.tax);
        const Money checked = TaxCheck(amount(row, c.supply), tax);
        if (checked != tax) {
            setAmount(row, c.tax, checked);
            editor_->Recalculate(true);
        }
    }

    // --- Alt+D ---

    // Deletes the current line: the lines below move up, a new empty line comes last, the number of lines
    // and the current cell stay as they were.
    void deleteRow() {
        const int row = grid_->currentRow(), col = grid_->currentColumn();
        const int last = ItemRowCount(kind_);
        if (row < 1 || row > last)
            return;
        const Rows before = content();
        step(
            [&] {
                Rows moved = before;
                moved.removeAt(row - 1);
                RestoreContent(grid_, moved); // lines row .. last - 1
                ClearItemLine(grid_, kind_, last);
                if (quotation())
                    for (int r = 1; r <= last; ++r)
                        grid_->setCellText(r, kcol::number, PadLeftTo(QString::number(r), 2));
                moveTo(row, col);
                editor_->Recalculate(!quotation());
                setModified();
            },
            before);
    }

    // --- F11 ---

    // The special character picker; in a text column the chosen text is added at the end of the cell.
    void specialCharacter(QLineEdit *edit) {
        RunCommand(editor_, [&] {
            TsubUntf::SpecialCharsHook();
            const QString chosen = QGuiApplication::clipboard()->text();
            if (chosen == kPickerCancelled || !isTextColumn(grid_->currentColumn()))
                return;
            if (edit) {
                edit->setText(edit->text() + chosen);
            } else {
                const int row = grid_->currentRow(), col = grid_->currentColumn();
                grid_->setCellText(row, col, grid_->cellText(row, col) + chosen);
            }
            setModified();
        });
    }

    // --- Double click ---

    // The date of the issue date box as month/day, and the splits of a price or supply that includes the
    // tax. Returns whether the click was taken (no cell editor opens then).
    bool doubleClick(int row, int col) {
        if (quotation())
            return false;
        const InvoiceColumns &c = c_;
        if (col != c.date && col != c.unitPrice && col != c.supply)
            return false;
        const Rows before = content();
        step(
            [&] {
                if (col == c.date) {
                    const QString day = MaskedValue(kind_ == GridKind::Statement ? editor_->grDay : editor_->DayEdt);
                    grid_->setCellText(row, col, day.mid(5, 2) + u'/' + day.mid(8, 2));
                } else if (col == c.unitPrice) {
                    const Money price = amount(row, c.unitPrice);
                    const Money net = (price - IncludedTax(price)).truncated();
                    setAmount(row, c.unitPrice, net);
                    const Money supply = LineProductWithoutCorrection(net, quantity(row));
                    setAmount(row, c.supply, supply);
                    setAmount(row, c.tax, TaxRule(supply));
                    editor_->Recalculate(false);
                } else {
                    const Money supply = amount(row, c.supply);
                    const Money tax = IncludedTax(supply);
                    setAmount(row, c.tax, tax);
                    setAmount(row, c.supply, supply - tax);
                    editor_->Recalculate(true);
                }
                setModified();
            },
            before);
        grid_->viewport()->update();
        return true;
    }

    // --- Selecting a cell, entering and leaving the grid ---

    // A cell chosen: the totals of a tax invoice or statement follow what the lines hold now.
    void selectCell() {
        if (!quotation())
            step([&] { editor_->Recalculate(true); }, content());
    }

    bool inside(const QWidget *w) const { return w && (w == grid_ || grid_->isAncestorOf(w)); }

    void focusChanged(QWidget *old, QWidget *now) {
        if (!now || detached_)
            return; // the window lost the focus, or is going away
        const bool wasIn = inside(old), isIn = inside(now);
        if (!wasIn && isIn && !quotation())
            SetImeHangul(editor_, 0); // Hangul input for the item names
        // Leaving for another control of the editor; a message box or another window is no leaving.
        if (wasIn && !isIn && now->window() == grid_->window())
            step([&] { editor_->Recalculate(true); }, content());
    }

    TsubUntf *editor_;
    THStringGrid *grid_;
    QObject *viewport_;
    GridKind kind_;
    InvoiceColumns c_{};
    mutable Rows editStart_;
    // Whether the last edit kept changed its cell.
    bool changed_ = false;
    // Set while Enter or a command commits the cell editor: they derive the line themselves.
    bool committing_ = false;
    bool detached_ = false;
};

void TsubUntf::detachGridBehaviour() {
    for (THStringGrid *grid : {dGrid, gGrid, kGrid})
        if (auto *behaviour = grid ? dynamic_cast<GridBehaviour *>(grid->itemDelegate()) : nullptr)
            behaviour->detach();
}

bool TsubUntf::CommitPendingEdit() {
    // A syllable still being composed belongs to the field or cell it is typed in (a shortcut or a
    // tool-bar icon does not move the focus, so nothing else commits it).
    CommitComposition();
    THStringGrid *grid = nullptr;
    switch (CurrentKind()) {
    case DocumentKind::TaxInvoice: grid = dGrid; break;
    case DocumentKind::Statement: grid = gGrid; break;
    case DocumentKind::Quotation: grid = kGrid; break;
    case DocumentKind::Registration: return true;
    }
    auto *behaviour = grid ? dynamic_cast<GridBehaviour *>(grid->itemDelegate()) : nullptr;
    return !behaviour || behaviour->commitPendingEdit();
}

void TsubUntf::installGridBehaviour(THStringGrid *grid, GridKind kind) {
    if (dynamic_cast<GridBehaviour *>(grid->itemDelegate()))
        return;
    QAbstractItemDelegate *old = grid->itemDelegate();
    grid->setItemDelegate(new GridBehaviour(this, grid, kind));
    if (old && old->parent() == grid)
        old->deleteLater();
}
