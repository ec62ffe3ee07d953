#include "HStrGrid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QPainter>
#include <QScopedValueRollback>

THInplaceEdit::THInplaceEdit(QWidget *parent) : QLineEdit(parent) {
    setFrame(false);
    // The composition is shown inside the cell.
    setAttribute(Qt::WA_InputMethodEnabled, true);
}

THGridDelegate::THGridDelegate(THStringGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

QWidget *THGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &index) const {
    auto *edit = new THInplaceEdit(parent);
    const Qt::Alignment a = grid_->columnAlignment(index.column());
    edit->setAlignment((a & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    edit->setFont(grid_->font());
    if (grid_->columnNumbersOnly(index.column()))
        MarkNumbersOnly(edit);
    // The grid keeps the focus and hands the editor its keys (see the class comment).
    edit->setFocusProxy(grid_);
    MarkPartOfFocus(edit);
    QObject::connect(edit, &QLineEdit::cursorPositionChanged, grid_, [grid = grid_] { grid->updateMicroFocus(); });
    grid_->editor_ = edit;
    grid_->editorIndex_ = index;
    emit grid_->cellEditorCreated(edit, index);
    return edit;
}

void THGridDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    QStyledItemDelegate::setEditorData(editor, index);
    // What is typed first replaces the cell's text.
    if (auto *edit = qobject_cast<QLineEdit *>(editor))
        edit->selectAll();
}

void THGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const {
    const QRect r = option.rect;
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(r, option.palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);
    const bool whole = grid_->columnShownWhole(index.column());
    QString text = index.data(Qt::DisplayRole).toString();
    if (whole)
        text = text.trimmed();
    const Qt::Alignment a = grid_->columnAlignment(index.column()) & Qt::AlignHorizontal_Mask;
    const QFontMetrics metrics(option.font);
    const int textWidth = metrics.horizontalAdvance(text);
    painter->setClipRect(r);
    // The room between the 2-pixel margins; a whole-shown text wider than that is condensed into it.
    const int room = r.width() - 4;
    if (whole && textWidth > room && room > 0) {
        painter->translate(r.left() + 2, 0);
        painter->scale(qreal(room) / textWidth, 1.0);
        painter->drawText(QRect(0, r.top(), textWidth + 1, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
        painter->restore();
        return;
    }
    int x = r.left() + 2;
    if (a & Qt::AlignRight)
        x = r.right() - 2 - textWidth;
    else if (a & Qt::AlignHCenter)
        x = r.left() + (r.width() - textWidth) / 2;
    painter->drawText(QRect(x, r.top(), textWidth + 1, r.height()), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

THStringGrid::THStringGrid(QWidget *parent) : QTableWidget(parent) { init(); }

THStringGrid::THStringGrid(int rows, int columns, QWidget *parent) : QTableWidget(rows, columns, parent) { init(); }

void THStringGrid::init() {
    setItemDelegate(new THGridDelegate(this));
    horizontalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setMinimumSectionSize(0);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setShowGrid(true);
    setWordWrap(false);
    setAttribute(Qt::WA_InputMethodEnabled, true);
    setDefaultRowHeight(20);
}

void THStringGrid::setDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    horizontalHeader()->setFixedHeight(height);
    for (int r = fixedRows_; r < rowCount(); ++r)
        setRowHeight(r, height);
}

void THStringGrid::setFixedRowCount(int n) {
    fixedRows_ = qMax(0, n);
    styleFixedRows();
}

QTableWidgetItem *THStringGrid::ensureItem(int row, int col) {
    QTableWidgetItem *it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem;
        setItem(row, col, it);
    }
    return it;
}

Qt::ItemFlags THStringGrid::flagsOf(int row, int col) const {
    if (row < fixedRows_)
        return Qt::NoItemFlags;
    if (readOnly_.contains(col))
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void THStringGrid::styleFixedRows() {
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem *it = ensureItem(r, c);
            const Qt::ItemFlags flags = flagsOf(r, c);
            if (it->flags() != flags)
                it->setFlags(flags);
        }
        setRowHidden(r, r < fixedRows_);
    }
    horizontalHeader()->setVisible(fixedRows_ > 0);
    showFixedRowInHeader();
}

void THStringGrid::showFixedRowInHeader() {
    if (fixedRows_ == 0 || rowCount() == 0)
        return;
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem *h = horizontalHeaderItem(c);
        if (!h) {
            h = new QTableWidgetItem;
            setHorizontalHeaderItem(c, h);
        }
        const Qt::Alignment a = (columnAlignment(c) & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
        if (h->text() != cellText(0, c))
            h->setText(cellText(0, c));
        if (h->textAlignment() != int(a))
            h->setTextAlignment(a);
    }
}

void THStringGrid::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
    QTableWidget::dataChanged(topLeft, bottomRight, roles);
    if (topLeft.row() < fixedRows_)
        showFixedRowInHeader();
}

void THStringGrid::rowsInserted(const QModelIndex &parent, int start, int end) {
    QTableWidget::rowsInserted(parent, start, end);
    styleFixedRows();
}

QString THStringGrid::cellText(int row, int col) const {
    const QTableWidgetItem *it = item(row, col);
    return it ? it->text() : QString();
}

void THStringGrid::setCellText(int row, int col, const QString &text) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return;
    QTableWidgetItem *it = item(row, col);
    if (!it) {
        it = new QTableWidgetItem(text);
        it->setFlags(flagsOf(row, col));
        setItem(row, col, it);
    } else if (it->text() != text) {
        it->setText(text);
    }
}

QVariant THStringGrid::cellValue(int row, int col) const {
    const QTableWidgetItem *it = item(row, col);
    return it ? it->data(ValueRole) : QVariant();
}

void THStringGrid::setCell(int row, int col, const QString &text, const QVariant &value) {
    setCellText(row, col, text);
    if (QTableWidgetItem *it = item(row, col); it && it->data(ValueRole) != value)
        it->setData(ValueRole, value);
}

void THStringGrid::setColumnAlignment(int col, Qt::Alignment alignment) {
    if (col < 0)
        return;
    while (alignments_.size() <= col)
        alignments_ << Qt::AlignLeft;
    alignments_[col] = alignment;
    showFixedRowInHeader();
    viewport()->update();
}

Qt::Alignment THStringGrid::columnAlignment(int col) const {
    return col >= 0 && col < alignments_.size() ? alignments_.at(col) : Qt::AlignLeft;
}

void THStringGrid::setColumnShownWhole(int col, bool whole) {
    if (whole)
        shownWhole_.insert(col);
    else
        shownWhole_.remove(col);
    viewport()->update();
}

bool THStringGrid::columnShownWhole(int col) const { return shownWhole_.contains(col); }

void THStringGrid::setColumnReadOnly(int col, bool readOnly) {
    if (readOnly)
        readOnly_.insert(col);
    else
        readOnly_.remove(col);
    styleFixedRows();
}

bool THStringGrid::columnReadOnly(int col) const { return readOnly_.contains(col); }

void THStringGrid::setColumnNumbersOnly(int col, bool numbersOnly) {
    if (numbersOnly)
        numbersOnly_.insert(col);
    else
        numbersOnly_.remove(col);
}

bool THStringGrid::columnNumbersOnly(int col) const { return numbersOnly_.contains(col); }

int THStringGrid::firstEditableColumn() const {
    for (int c = 0; c < columnCount(); ++c)
        if (!readOnly_.contains(c) && !isColumnHidden(c))
            return c;
    return 0;
}

THInplaceEdit *THStringGrid::inplaceEditor() const {
    return state() == QAbstractItemView::EditingState ? editor_.data() : nullptr;
}

QModelIndex THStringGrid::editedIndex() const {
    return inplaceEditor() && editorIndex_.isValid() ? QModelIndex(editorIndex_) : QModelIndex();
}

bool THStringGrid::canEditCell(int row, int col) const {
    if (row < fixedRows_ || row >= rowCount() || col < 0 || col >= columnCount())
        return false;
    if (!(editTriggers() & QAbstractItemView::AnyKeyPressed))
        return false;
    const QTableWidgetItem *it = item(row, col);
    return !it || (it->flags() & Qt::ItemIsEditable);
}

int THStringGrid::typingColumn() const {
    const QModelIndex edited = editedIndex();
    return edited.isValid() ? edited.column() : currentColumn();
}

QVariant THStringGrid::inputMethodQuery(Qt::InputMethodQuery query) const {
    const bool numbers = columnNumbersOnly(typingColumn());
    if (query == Qt::ImEnabled)
        return isEnabled() && !numbers;
    if (query == Qt::ImHints)
        return int(numbers ? Qt::ImhFormattedNumbersOnly | Qt::ImhPreferLatin : Qt::ImhNone);
    if (THInplaceEdit *edit = inplaceEditor()) {
        // The editor answers, in the grid's coordinates: the input method places its windows by them.
        const QVariant answer = edit->inputMethodQuery(query);
        const QPoint offset = edit->mapTo(this, QPoint(0, 0));
        if (answer.typeId() == QMetaType::QRect)
            return answer.toRect().translated(offset);
        if (answer.typeId() == QMetaType::QRectF)
            return answer.toRectF().translated(offset);
        return answer;
    }
    return QTableWidget::inputMethodQuery(query);
}

bool THStringGrid::forwardToEditor(QEvent *event) {
    THInplaceEdit *edit = inplaceEditor();
    if (!edit || forwarding_)
        return false;
    QScopedValueRollback<bool> rollback(forwarding_, true);
    // A completion list shown beside the cell takes the keys that choose in it; Enter and Tab with nothing
    // chosen in it close it and do what they do in any cell.
    QCompleter *completer = edit->completer();
    QAbstractItemView *list = completer ? completer->popup() : nullptr;
    if (list && list->isVisible() && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!list->currentIndex().isValid()) {
                list->hide();
                break;
            }
            Q_FALLTHROUGH();
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Escape: QCoreApplication::sendEvent(list, event); return true;
        default: break;
        }
    }
    QCoreApplication::sendEvent(edit, event);
    return true;
}

bool THStringGrid::event(QEvent *event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (forwardToEditor(event))
            return true;
        break;
    default: break;
    }
    return QTableWidget::event(event);
}

void THStringGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous) {
    QTableWidget::currentChanged(current, previous);
    // Amount columns switch the input method off, text columns on.
    if (hasFocus())
        QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

void THStringGrid::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) {
    // A hidden widget gives up the focus it has; through its proxy that would be the grid's.
    if (editor)
        editor->setFocusProxy(nullptr);
    QTableWidget::closeEditor(editor, hint);
}

void THStringGrid::focusInEvent(QFocusEvent *event) {
    // The current cell is always an item cell, and one that can be typed into.
    if (rowCount() > fixedRows_ && columnCount() > 0) {
        if (!currentIndex().isValid() || currentRow() < fixedRows_)
            setCurrentCell(fixedRows_, firstEditableColumn());
        else if (readOnly_.contains(currentColumn()))
            setCurrentCell(currentRow(), firstEditableColumn());
    }
    QTableWidget::focusInEvent(event);
    // An open cell editor shows its caret again.
    if (THInplaceEdit *edit = inplaceEditor()) {
        QFocusEvent copy(QEvent::FocusIn, event->reason());
        QCoreApplication::sendEvent(edit, &copy);
    }
}

void THStringGrid::focusOutEvent(QFocusEvent *event) {
    QTableWidget::focusOutEvent(event);
    // The editor loses the focus with the grid: its delegate keeps the text and closes it, as for any
    // cell editor left for another control. A popup of its own (the completer's list) is no leaving.
    THInplaceEdit *edit = inplaceEditor();
    if (edit && event->reason() != Qt::PopupFocusReason) {
        QFocusEvent copy(QEvent::FocusOut, event->reason());
        QCoreApplication::sendEvent(edit, &copy);
    }
}

void THStringGrid::inputMethodEvent(QInputMethodEvent *event) {
    // While a cell is edited the composition goes on in its editor.
    if (inplaceEditor()) {
        if (!forwardToEditor(event))
            event->ignore();
        return;
    }
    // A composition on a cell that is not being edited opens the cell editor and continues there.
    const bool carriesText = !event->commitString().isEmpty() || !event->preeditString().isEmpty();
    if (carriesText && canEditCell(currentRow(), currentColumn()) &&
        edit(currentIndex(), QAbstractItemView::AnyKeyPressed, nullptr) && editor_) {
        // The cell's text is selected: the composition replaces it.
        forwardToEditor(event);
        event->accept();
        return;
    }
    QTableWidget::inputMethodEvent(event);
}
