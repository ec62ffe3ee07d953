#include "HStrGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QPainter>

THInplaceEdit::THInplaceEdit(QWidget *parent) : QLineEdit(parent) {
    setFrame(false);
    // The composition is shown inside the cell.
    setAttribute(Qt::WA_InputMethodEnabled, true);
}

THGridDelegate::THGridDelegate(THStringGrid *grid) : QStyledItemDelegate(grid), grid_(grid) {}

QWidget *THGridDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                      const QModelIndex &index) const {
    auto *edit = new THInplaceEdit(parent);
    const Qt::Alignment a = grid_->columnAlignment(index.column());
    edit->setAlignment((a & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
    edit->setFont(grid_->font());
    grid_->editor_ = edit;
    grid_->editorIndex_ = index;
    return edit;
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

THStringGrid::THStringGrid(int rows, int columns, QWidget *parent) : QTableWidget(rows, columns, parent) {
    init();
}

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

void THStringGrid::focusInEvent(QFocusEvent *event) {
    // The current cell is always an item cell, and one that can be typed into.
    if (rowCount() > fixedRows_ && columnCount() > 0) {
        if (!currentIndex().isValid() || currentRow() < fixedRows_)
            setCurrentCell(fixedRows_, firstEditableColumn());
        else if (readOnly_.contains(currentColumn()))
            setCurrentCell(currentRow(), firstEditableColumn());
    }
    QTableWidget::focusInEvent(event);
}

void THStringGrid::inputMethodEvent(QInputMethodEvent *event) {
    // A composition on a cell that is not being edited opens the cell editor and continues there.
    const bool carriesText = !event->commitString().isEmpty() || !event->preeditString().isEmpty();
    if (state() != QAbstractItemView::EditingState && carriesText && canEditCell(currentRow(), currentColumn())) {
        if (edit(currentIndex(), QAbstractItemView::AnyKeyPressed, nullptr) && editor_) {
            editor_->clear();
            QInputMethodEvent forwarded(event->preeditString(), event->attributes());
            forwarded.setCommitString(event->commitString(), event->replacementStart(), event->replacementLength());
            QCoreApplication::sendEvent(editor_, &forwarded);
            event->accept();
            return;
        }
    }
    QTableWidget::inputMethodEvent(event);
}

void SetImeHangul(QWidget *window, int mode) {
    if (!window || (mode != 0 && mode != 1))
        return;
    // No conversion status to read on this platform; nothing changes.
}
