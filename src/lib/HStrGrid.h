#pragma once
// THStringGrid: the string grid of the item lines. Cell (row, col) holds text; the first fixedRowCount()
// rows are fixed: never selected and never edited, so the item rows keep the row numbers the documents use
// (row 1 is the first item line). A fixed row stays in the model, where cellText(0, col) reads it, and is
// shown as the grid's column header, so it stays in view while the item rows scroll (one fixed row is
// shown; further fixed rows are kept but not displayed). Hangul typed on a selected cell that is not being
// edited opens the cell editor (THInplaceEdit) with the syllable, so the composition goes on in the cell.

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QSet>
#include <QStyledItemDelegate>
#include <QTableWidget>

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

    void setDefaultRowHeight(int height);

    // The open cell editor, or nullptr.
    THInplaceEdit *inplaceEditor() const;
    // The cell the open cell editor edits, or an invalid index. While the current cell moves on, the
    // editor still belongs to the cell it was opened on.
    QModelIndex editedIndex() const;

    // Whether a cell may be edited: an item row inside the grid, while the grid allows editing.
    bool canEditCell(int row, int col) const;

protected:
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
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

    int fixedRows_ = 0;
    QList<Qt::Alignment> alignments_;
    QSet<int> shownWhole_;
    QSet<int> readOnly_;
    QPointer<THInplaceEdit> editor_;
    QPersistentModelIndex editorIndex_;
};

// Creates THInplaceEdit editors and draws the item cells with their column's alignment.
class THGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit THGridDelegate(THStringGrid *grid);
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    THStringGrid *grid_;
};

// Switches the input method of window to Hangul (mode 0) or alphanumeric input (mode 1); any other mode
// does nothing. Qt exposes no conversion status of the input method, so there is nothing to read or
// change here: the call is kept so that the grids and fields state where Hangul input is wanted.
void SetImeHangul(QWidget *window, int mode);
