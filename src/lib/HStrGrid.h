#pragma once
// THStringGrid: the string grid of the item lines. Cell (row, col) holds text; the first fixedRowCount()
// rows are fixed: never selected and never edited, so the item rows keep the row numbers the documents use
// (row 1 is the first item line). A fixed row stays in the model, where cellText(0, col) reads it, and is
// shown as the grid's column header, so it stays in view while the item rows scroll (one fixed row is
// shown; further fixed rows are kept but not displayed). Hangul typed on a selected cell that is not being
// edited opens the cell editor (THInplaceEdit) with the syllable, so the composition goes on in the cell.
//
// The keyboard focus stays with the grid while a cell is edited: the cell editor's focus proxy is the grid,
// which hands it every key and input method event and answers the input method's questions with the
// editor's answers. An input method resets its composition whenever the focus moves, so a cell editor that
// took the focus on the first composed letter broke the syllable into loose letters.

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "input_method.h"

class QInputMethodEvent;

// The grid's cell editor.
class THInplaceEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit THInplaceEdit(QWidget *parent = nullptr);
};

class THStringGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit THStringGrid(QWidget *parent = nullptr);
    THStringGrid(int rows, int columns, QWidget *parent = nullptr);

    // Rows 0 .. n-1 are fixed rows.
    void setFixedRowCount(int n);
    int fixedRowCount() const { return fixedRows_; }

    QString cellText(int row, int col) const;
    void setCellText(int row, int col, const QString &text);
    // A value kept beside a cell's text (an amount cell keeps its number there); invalid when none is set.
    static constexpr int ValueRole = Qt::UserRole + 1;
    QVariant cellValue(int row, int col) const;
    // Sets the text a cell shows and the value it keeps, together.
    void setCell(int row, int col, const QString &text, const QVariant &value);

    // Alignment of a column's text, in every row (fixed rows included): left and right keep 2 pixels
    // from the cell edge, centred text is placed at (cell width - text width) / 2.
    void setColumnAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int col) const;

    // A column whose text is always shown whole: its blanks at either end are not drawn, and a text
    // wider than the cell is condensed to the cell's width instead of being cut. For amount columns,
    // where a hidden digit would change the number read.
    void setColumnShownWhole(int col, bool whole);
    bool columnShownWhole(int col) const;

    // A column whose item cells are never edited (a line number), and which the grid never enters:
    // focus arriving in the grid lands on the first editable column.
    void setColumnReadOnly(int col, bool readOnly);
    bool columnReadOnly(int col) const;

    // A column that takes only numbers: the input method is switched off on its cells.
    void setColumnNumbersOnly(int col, bool numbersOnly);
    bool columnNumbersOnly(int col) const;

    void setDefaultRowHeight(int height);

    // The open cell editor, or nullptr.
    THInplaceEdit *inplaceEditor() const;
    // The cell the open cell editor edits, or an invalid index. While the current cell moves on, the
    // editor still belongs to the cell it was opened on.
    QModelIndex editedIndex() const;

    // Whether a cell may be edited: an item row inside the grid, while the grid allows editing.
    bool canEditCell(int row, int col) const;

signals:
    // A cell editor was made for the cell at index (before it shows the cell's text).
    void cellEditorCreated(THInplaceEdit *editor, const QModelIndex &index);

public:
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool event(QEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                     const QList<int> &roles = QList<int>()) override;

private:
    friend class THGridDelegate;
    void init();
    void styleFixedRows();
    void showFixedRowInHeader();
    QTableWidgetItem *ensureItem(int row, int col);

    Qt::ItemFlags flagsOf(int row, int col) const;
    int firstEditableColumn() const;
    // The column keys and compositions go to now: the edited cell's, else the current cell's.
    int typingColumn() const;
    // Hands an event to the open cell editor; false when none is open or the event came back from it.
    bool forwardToEditor(QEvent *event);

    int fixedRows_ = 0;
    QList<Qt::Alignment> alignments_;
    QSet<int> shownWhole_;
    QSet<int> readOnly_;
    QSet<int> numbersOnly_;
    // Set while an event handed to the cell editor is being delivered: what the editor does not take comes
    // back up to the grid, which then acts on it itself.
    bool forwarding_ = false;
    QPointer<THInplaceEdit> editor_;
    QPersistentModelIndex editorIndex_;
};

// Creates THInplaceEdit editors and draws the item cells with their column's alignment.
class THGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit THGridDelegate(THStringGrid *grid);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    THStringGrid *grid_;
};
