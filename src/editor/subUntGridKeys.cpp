// The item grids at work: which characters a cell takes, what Enter does in each column, the line amounts
// derived as keys are released, Alt+D, F11, the double-click splits, cell selection, and entering and
// leaving a grid.
//
// An amount is refused when it is typed: a cell of an amount column takes only text that reads as a
// number its column can show; otherwise a message says why and the cell keeps the text it had before the
// edit. A computed amount that does not fit its column is refused in the same way: the grid returns to
// what it was before the key, and nothing turns blank.
#include "subUnt.h"
#include "subUntGridCells.h"

#include "HStrGrid.h"
#include "arithmetic.h"
#include "commands.h"
#include "launch.h"
#include "masks.h"
#include "money.h"
#include "prompts.h"

#include <QApplication>
#include <QClipboard>
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
    for (QChar c : event->text()) {
        const bool ok = isDigit(c) ||
                        (c == u'-' && (allowed == Allowed::SignedAmount || allowed == Allowed::SignedQuantity)) ||
                        (c == u'.' && (allowed == Allowed::SignedQuantity || allowed == Allowed::Quantity));
        if (!ok)
            return false;
    }
    return true;
}

bool isEnter(const QKeyEvent *event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }
bool isAltD(const QKeyEvent *event) {
    return event->key() == Qt::Key_D && (event->modifiers() & Qt::AltModifier);
}

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
        editStart_ = modelRows();
        return w;
    }

    void setModelData(QWidget *w, QAbstractItemModel *model, const QModelIndex &index) const override {
        auto *edit = qobject_cast<QLineEdit *>(w);
        const QString problem = edit ? refusal(index.column(), edit->text()) : QString();
        if (problem.isEmpty()) {
            THGridDelegate::setModelData(w, model, index);
            return;
        }
        // The edit ends elsewhere (another cell, another field): the cell keeps its text, the grid goes back
        // to what it was, and the message follows once the focus has settled.
        auto *self = const_cast<GridBehaviour *>(this);
        self->restore(editStart_);
        self->recalculateQuietly(true);
        QPointer<TsubUntf> editor = editor_;
        QTimer::singleShot(0, self, [editor, problem] {
            if (editor)
                ShowInfo(problem, editor);
        });
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
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
    using Rows = QList<QStringList>;

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

    // Why a cell of column col cannot take text: not a number, or a number its column cannot show. Empty
    // when the text can stand.
    QString refusal(int col, const QString &text) const {
        const int width = AmountWidthOf(kind_, col);
        if (width == 0)
            return QString();
        try {
            const Money value = ParseAmount(text);
            if (col == quantityCol())
                ParseQuantity(text);
            AmountCellText(value, width);
        } catch (const AppError &e) {
            return e.message();
        }
        return QString();
    }

    // --- Cells ---

    QString cell(int row, int col) const { return CellNow(grid_, row, col); }
    void setCell(int row, int col, const QString &text) { grid_->setCellText(row, col, text); }
    Money amount(int row, int col) const { return ParseAmount(cell(row, col)); }
    long double quantity(int row) const { return ParseQuantity(cell(row, quantityCol())); }

    Rows modelRows() const {
        Rows rows;
        for (int r = 1; r <= ItemRowCount(kind_); ++r) {
            QStringList cells;
            for (int c = 0; c < ColumnCount(kind_); ++c)
                cells << grid_->cellText(r, c);
            rows << cells;
        }
        return rows;
    }
    void restore(const Rows &rows) {
        for (int r = 1; r <= rows.size(); ++r)
            for (int c = 0; c < rows.at(r - 1).size(); ++c)
                grid_->setCellText(r, c, rows.at(r - 1).at(c));
    }

    // Runs a change of the grid as one step: when it fails, the grid returns to before, the totals follow,
    // and the message says why (quietly: nothing is said, as while a number is still being typed).
    template <typename F> void step(F change, const Rows &before, bool quietly = false) {
        try {
            change();
        } catch (const AppError &e) {
            restore(before);
            recalculateQuietly(true);
            if (!quietly)
                ShowInfo(e.message(), editor_);
        }
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

    bool cellEditorEvent(QLineEdit *edit, QEvent *event) {
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
        Rows before = edit ? editStart_ : modelRows();
        if (edit) {
            const QString problem = refusal(col, edit->text());
            if (!problem.isEmpty()) {
                emit closeEditor(edit, QAbstractItemDelegate::RevertModelCache);
                restore(before);
                recalculateQuietly(true);
                ShowInfo(problem, editor_);
                return;
            }
            emit commitData(edit);
            emit closeEditor(edit, QAbstractItemDelegate::NoHint);
        }
        step([&] { quotation() ? quotationEnter(row, col) : invoiceEnter(row, col); }, before);
        if (!edit && grid_->currentColumn() != col)
            grid_->edit(grid_->currentIndex());
    }

    void invoiceEnter(int row, int col) {
        const InvoiceColumns &c = c_;
        auto anyAmount = [&] { return amount(row, c.quantity).raw() != 0 || amount(row, c.unitPrice).raw() != 0; };
        if (col == c.quantity) {
            if (anyAmount()) {
                const Money supply = LineProductWithoutCorrection(amount(row, c.unitPrice), quantity(row));
                setCell(row, c.supply, AmountCellText(supply, kSupplyWidth));
                setCell(row, c.tax, AmountCellText(TaxRule(supply), kTaxWidth));
            }
        } else if (col == c.unitPrice) {
            setCell(row, c.unitPrice, AmountCellText(amount(row, c.unitPrice), kUnitPriceWidth));
            if (anyAmount())
                setCell(row, c.supply,
                        AmountCellText(LineProductWithCorrection(amount(row, c.unitPrice), quantity(row)),
                                       kSupplyWidth));
            setCell(row, c.tax, AmountCellText(TaxRule(amount(row, c.supply)), kTaxWidth));
        } else if (col == c.supply) {
            setCell(row, c.supply, AmountCellText(amount(row, c.supply), kSupplyWidth));
            setCell(row, c.tax, AmountCellText(TaxRule(amount(row, c.supply)), kTaxWidth));
        } else if (col == c.tax) {
            setCell(row, c.tax, AmountCellText(amount(row, c.tax), kTaxWidth));
        }
        const bool amountColumn = col == c.quantity || col == c.unitPrice || col == c.supply || col == c.tax;
        if (amountColumn)
            editor_->Recalculate(true);
        moveTo(row, col >= c.remark ? 1 : col + 1);
        setModified();
    }

    void quotationEnter(int row, int col) {
        auto lineAmount = [&] {
            return AmountCellText(LineProductWithoutCorrection(amount(row, kcol::unitPrice), quantity(row)),
                                  kQuotationAmountWidth);
        };
        switch (col) {
        case kcol::number:
            return;
        case kcol::quantity:
            setCell(row, kcol::amount, lineAmount());
            editor_->Recalculate(false);
            break;
        case kcol::unitPrice:
            setCell(row, kcol::unitPrice, AmountCellText(amount(row, kcol::unitPrice).truncated(), kUnitPriceWidth));
            setCell(row, kcol::amount, lineAmount());
            editor_->Recalculate(false);
            break;
        case kcol::amount:
            // What was typed is replaced by quantity x unit price.
            setCell(row, kcol::amount, lineAmount());
            moveTo(row, col + 1);
            return;
        default:
            break;
        }
        moveTo(row, col == kcol::remark ? 1 : col + 1);
        setModified();
    }

    // --- Key released ---

    void keyUp() {
        const int row = grid_->currentRow(), col = grid_->currentColumn();
        if (row < 1 || col < 0)
            return;
        // While a number is being typed, what cannot be computed yet is left for Enter to refuse.
        const Rows before = modelRows();
        step([&] { quotation() ? editor_->Recalculate(false) : invoiceKeyUp(row, col); }, before, true);
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
            setCell(row, c.supply,
                    AmountCellText(LineProductWithoutCorrection(amount(row, c.unitPrice), quantity(row)), kSupplyWidth));
        const Money tax = amount(row, c.tax);
        const Money checked = TaxCheck(amount(row, c.supply), tax);
        if (checked != tax)
            setCell(row, c.tax, AmountCellText(checked, kTaxWidth));
        editor_->Recalculate(col == c.supply);
    }

    // --- Alt+D ---

    // Deletes the current line: the lines below move up, a new empty line comes last, the number of lines
    // and the current cell stay as they were.
    void deleteRow() {
        const int row = grid_->currentRow(), col = grid_->currentColumn();
        const int last = ItemRowCount(kind_);
        if (row < 1 || row > last)
            return;
        const Rows before = modelRows();
        step([&] {
            for (int r = row; r < last; ++r)
                for (int c = 0; c < ColumnCount(kind_); ++c)
                    setCell(r, c, grid_->cellText(r + 1, c));
            for (int c = 0; c < ColumnCount(kind_); ++c) {
                const bool amountColumn = AmountWidthOf(kind_, c) > 0 && (quotation() || c != c_.unit);
                setCell(last, c, amountColumn ? QStringLiteral("0") : QString());
            }
            if (quotation())
                for (int r = 1; r <= last; ++r)
                    setCell(r, kcol::number, PadLeftTo(QString::number(r), 2));
            moveTo(row, col);
            editor_->Recalculate(!quotation());
            setModified();
        }, before);
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
                setCell(row, col, grid_->cellText(row, col) + chosen);
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
        const Rows before = modelRows();
        step([&] {
            if (col == c.date) {
                const QString day = MaskedValue(kind_ == GridKind::Statement ? editor_->grDay : editor_->DayEdt);
                setCell(row, col, day.mid(5, 2) + u'/' + day.mid(8, 2));
            } else if (col == c.unitPrice) {
                const Money price = amount(row, c.unitPrice);
                const Money net = (price - IncludedTax(price)).truncated();
                setCell(row, c.unitPrice, AmountCellText(net, kUnitPriceWidth));
                const Money supply = LineProductWithoutCorrection(net, quantity(row));
                setCell(row, c.supply, AmountCellText(supply, kSupplyWidth));
                setCell(row, c.tax, AmountCellText(TaxRule(supply), kTaxWidth));
                editor_->Recalculate(false);
            } else {
                const Money supply = amount(row, c.supply);
                const Money tax = IncludedTax(supply);
                setCell(row, c.tax, AmountCellText(tax, kTaxWidth));
                setCell(row, c.supply, AmountCellText(supply - tax, kSupplyWidth));
                editor_->Recalculate(true);
            }
            setModified();
        }, before);
        grid_->viewport()->update();
        return true;
    }

    // --- Selecting a cell, entering and leaving the grid ---

    void selectCell() {
        const Rows before = modelRows();
        step([&] {
            if (quotation())
                reformatQuotation();
            else {
                editor_->ReformatAmountColumns();
                editor_->Recalculate(true);
            }
        }, before);
    }

    void reformatQuotation() {
        for (int r = 1; r <= ItemRowCount(kind_); ++r) {
            setCell(r, kcol::unitPrice, AmountCellText(amount(r, kcol::unitPrice), kUnitPriceWidth));
            const Money price = amount(r, kcol::unitPrice);
            const long double q = quantity(r);
            if (price.raw() != 0 || q != 0)
                setCell(r, kcol::amount, AmountCellText(LineProductWithoutCorrection(price, q), kQuotationAmountWidth));
            else
                setCell(r, kcol::amount, AmountCellText(amount(r, kcol::amount), kQuotationAmountWidth));
        }
    }

    bool inside(const QWidget *w) const { return w && (w == grid_ || grid_->isAncestorOf(w)); }

    void focusChanged(QWidget *old, QWidget *now) {
        if (!now)
            return; // the window lost the focus, or is going away
        const bool wasIn = inside(old), isIn = inside(now);
        if (!wasIn && isIn && !quotation())
            SetImeHangul(editor_, 0); // Hangul input for the item names
        // Leaving for another control of the editor; a message box or another window is no leaving.
        if (wasIn && !isIn && now->window() == grid_->window()) {
            const Rows before = modelRows();
            step([&] {
                if (!quotation())
                    editor_->ReformatAmountColumns();
                editor_->Recalculate(true);
            }, before);
        }
    }

    TsubUntf *editor_;
    THStringGrid *grid_;
    QObject *viewport_;
    GridKind kind_;
    InvoiceColumns c_{};
    mutable Rows editStart_;
};

void TsubUntf::installGridBehaviour(THStringGrid *grid, GridKind kind) {
    if (dynamic_cast<GridBehaviour *>(grid->itemDelegate()))
        return;
    QAbstractItemDelegate *old = grid->itemDelegate();
    grid->setItemDelegate(new GridBehaviour(this, grid, kind));
    if (old && old->parent() == grid)
        old->deleteLater();
}
