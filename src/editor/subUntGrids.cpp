// The item grids' set-up: column widths, header row texts (blanks counted exactly), alignments, heights,
// and the empty lines of a new document.
#include "subUnt.h"
#include "subUntGridCells.h"

#include "HStrGrid.h"
#include "arithmetic.h"
#include "money.h"

#include <QStackedWidget>

#include <QHeaderView>
#include <QStyle>

namespace {

QString blanks(int n) { return QString(n, u' '); }

struct Column {
    int width;
    QString header;
    Qt::Alignment alignment;
    int amountWidth; // text width of an amount column, 0 for a text column
};

// The widths of the amount texts: quantity 10, unit price 15, supply value 16, tax 15.
constexpr int kQuantity = 10, kPrice = 15, kSupply = 16, kTax = 15;

const QString kItemHeader = blanks(13) + QStringLiteral("품") + blanks(14) + QStringLiteral("명");
QString specHeader(int lead) { return blanks(lead) + QStringLiteral("규") + blanks(9) + QStringLiteral("격"); }

const QList<Column> &invoiceColumns() {
    static const QList<Column> columns{
        {40, blanks(1) + QStringLiteral("날 짜"), Qt::AlignHCenter, 0},
        {193, kItemHeader, Qt::AlignLeft, 0},
        {97, specHeader(4), Qt::AlignLeft, 0},
        {50, QStringLiteral("수 량") + blanks(2), Qt::AlignRight, kQuantity},
        {72, QStringLiteral("단  가") + blanks(4), Qt::AlignRight, kPrice},
        {83, QStringLiteral("공급가액") + blanks(4), Qt::AlignRight, kSupply},
        {72, QStringLiteral("세  액") + blanks(5), Qt::AlignRight, kTax},
        {50, blanks(2) + QStringLiteral("비 고"), Qt::AlignLeft, 0},
        {0, QString(), Qt::AlignLeft, 0}, // hidden, always empty
    };
    return columns;
}

const QList<Column> &statementColumns() {
    static const QList<Column> columns{
        {40, QStringLiteral("날 짜"), Qt::AlignHCenter, 0},
        {190, kItemHeader, Qt::AlignLeft, 0},
        {100, specHeader(5), Qt::AlignLeft, 0},
        {30, QStringLiteral("단위"), Qt::AlignLeft, 0},
        {53, QStringLiteral("수 량") + blanks(2), Qt::AlignRight, kQuantity},
        {65, QStringLiteral("단  가") + blanks(3), Qt::AlignRight, kPrice},
        {72, QStringLiteral("공급가액") + blanks(2), Qt::AlignRight, kSupply},
        {65, QStringLiteral("세  액") + blanks(3), Qt::AlignRight, kTax},
        {50, QStringLiteral("  비고"), Qt::AlignLeft, 0},
    };
    return columns;
}

const QList<Column> &quotationColumns() {
    static const QList<Column> columns{
        {20, QStringLiteral("No"), Qt::AlignHCenter, 0},
        {195, kItemHeader, Qt::AlignLeft, 0},
        {120, specHeader(7), Qt::AlignLeft, 0},
        {35, QStringLiteral("단위"), Qt::AlignHCenter, 0},
        {60, QStringLiteral("수 량") + blanks(3), Qt::AlignRight, kQuantity},
        {67, QStringLiteral("단  가") + blanks(4), Qt::AlignRight, kPrice},
        {83, QStringLiteral("공급가액") + blanks(3), Qt::AlignRight, kSupply},
        {57, QStringLiteral("  비  고"), Qt::AlignLeft, 0},
    };
    return columns;
}

void setUpColumns(THStringGrid *grid, const QList<Column> &columns) {
    for (int c = 0; c < columns.size(); ++c) {
        const Column &col = columns.at(c);
        grid->setColumnAlignment(c, col.alignment);
        grid->setCellText(0, c, col.header);
        grid->setColumnWidth(c, col.width);
        grid->setColumnHidden(c, col.width == 0);
        grid->setColumnShownWhole(c, col.amountWidth > 0);
        grid->setColumnNumbersOnly(c, col.amountWidth > 0);
    }
}

// The width that shows every column, with room for the vertical scroll bar when the rows need one.
int fittingWidth(const THStringGrid *grid, const QList<Column> &columns, int height) {
    int width = 2 * grid->frameWidth();
    for (const Column &c : columns)
        width += c.width;
    const int rowsHeight = grid->verticalHeader()->defaultSectionSize() * (grid->rowCount() - 1) +
                           grid->horizontalHeader()->height() + 2 * grid->frameWidth();
    if (rowsHeight > height)
        width += grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    return width;
}

void clearRows(THStringGrid *grid, const QList<Column> &columns, bool lineNumbers) {
    for (int r = 1; r < grid->rowCount(); ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            const int w = columns.at(c).amountWidth;
            grid->setCellText(r, c, w > 0 ? FormatAmountText(Money(), w) : QString());
        }
        if (lineNumbers)
            grid->setCellText(r, 0, QStringLiteral("%1").arg(r, 2));
    }
}

} // namespace

// The grid's keys, clicks and cell editor, and the header fields' behaviour, come with the set-up.
void TsubUntf::setUpInvoiceGrid() {
    setUpColumns(dGrid, invoiceColumns());
    dGrid->setFixedSize(fittingWidth(dGrid, invoiceColumns(), 130), 130);
    installGridBehaviour(dGrid, GridKind::TaxInvoice);
    installFieldBehaviour();
}

void TsubUntf::setUpStatementGrid() {
    setUpColumns(gGrid, statementColumns());
    gGrid->setFixedSize(fittingWidth(gGrid, statementColumns(), 298), 298);
    installGridBehaviour(gGrid, GridKind::Statement);
    installFieldBehaviour();
}

void TsubUntf::setUpQuotationGrid() {
    setUpColumns(kGrid, quotationColumns());
    // The line numbers are the grid's own; typing starts on the item name.
    kGrid->setColumnReadOnly(kcol::number, true);
    kGrid->setFixedWidth(657);
    // The header row and all twenty lines in view at once, none cut off or hidden below the window.
    const int rows = ItemRowCount(GridKind::Quotation) + 1;
    kGrid->setFixedHeight(rows * kGrid->verticalHeader()->defaultSectionSize() + 2 * kGrid->frameWidth());
    installGridBehaviour(kGrid, GridKind::Quotation);
    installFieldBehaviour();
}

void TsubUntf::ClearItemGrids() {
    switch (CurrentKind()) {
    case DocumentKind::TaxInvoice: clearRows(dGrid, invoiceColumns(), false); break;
    case DocumentKind::Statement: clearRows(gGrid, statementColumns(), false); break;
    case DocumentKind::Quotation: clearRows(kGrid, quotationColumns(), true); break;
    case DocumentKind::Registration: break;
    }
}

void TsubUntf::ReformatAmountColumns() {
    const bool statement = sPage->currentIndex() == 1;
    THStringGrid *grid = statement ? gGrid : dGrid;
    const GridKind kind = statement ? GridKind::Statement : GridKind::TaxInvoice;
    const InvoiceColumns c = ColumnsOf(kind);
    QList<QStringList> rows = ItemRowsNow(grid, kind);
    for (QStringList &row : rows) {
        row[c.unitPrice] = AmountCellText(ParseAmount(row[c.unitPrice]), kUnitPriceWidth, kUnitPriceColumnName);
        row[c.supply] = AmountCellText(ParseAmount(row[c.supply]), kSupplyWidth, kSupplyColumnName);
        row[c.tax] = AmountCellText(ParseAmount(row[c.tax]), kTaxWidth, kTaxColumnName);
    }
    WriteItemRows(grid, rows);
}

// --- Cell texts as the computations read and write them ---

namespace {

// The cell under edit, or (-1, -1).
QPair<int, int> cellUnderEdit(const THStringGrid *grid) {
    const QModelIndex edited = grid->editedIndex();
    if (edited.isValid())
        return {edited.row(), edited.column()};
    return {-1, -1};
}

} // namespace

QString CellNow(const THStringGrid *grid, int row, int col) {
    if (const THInplaceEdit *editor = grid->inplaceEditor())
        if (cellUnderEdit(grid) == qMakePair(row, col))
            return editor->text();
    return grid->cellText(row, col);
}

QList<QStringList> ItemRowsNow(const THStringGrid *grid, GridKind kind) {
    const int rowCount = ItemRowCount(kind), colCount = ColumnCount(kind);
    QList<QStringList> rows;
    rows.reserve(rowCount);
    for (int r = 1; r <= rowCount; ++r) {
        QStringList cells;
        cells.reserve(colCount);
        for (int c = 0; c < colCount; ++c)
            cells << grid->cellText(r, c);
        rows << cells;
    }
    if (const THInplaceEdit *editor = grid->inplaceEditor()) {
        const auto [r, c] = cellUnderEdit(grid);
        if (r >= 1 && r <= rowCount && c >= 0 && c < colCount)
            rows[r - 1][c] = editor->text();
    }
    return rows;
}

void WriteItemRows(THStringGrid *grid, const QList<QStringList> &rows) {
    const QPair<int, int> editing = cellUnderEdit(grid);
    for (int r = 1; r <= rows.size(); ++r) {
        const QStringList &cells = rows.at(r - 1);
        for (int c = 0; c < cells.size(); ++c)
            if (r != editing.first || c != editing.second)
                grid->setCellText(r, c, cells.at(c));
    }
}

int AmountWidthOf(GridKind kind, int col) {
    if (kind == GridKind::Quotation) {
        switch (col) {
        case kcol::quantity: return kQuantityWidth;
        case kcol::unitPrice: return kUnitPriceWidth;
        case kcol::amount: return kQuotationAmountWidth;
        default: return 0;
        }
    }
    const InvoiceColumns c = ColumnsOf(kind);
    if (col == c.quantity)
        return kQuantityWidth;
    if (col == c.unitPrice)
        return kUnitPriceWidth;
    if (col == c.supply)
        return kSupplyWidth;
    if (col == c.tax)
        return kTaxWidth;
    return 0;
}
