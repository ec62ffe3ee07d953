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
};

const QString kItemHeader = blanks(13) + QStringLiteral("품") + blanks(14) + QStringLiteral("명");
QString specHeader(int lead) { return blanks(lead) + QStringLiteral("규") + blanks(9) + QStringLiteral("격"); }

const QList<Column> &invoiceColumns() {
    static const QList<Column> columns{
        {40, blanks(1) + QStringLiteral("날 짜"), Qt::AlignHCenter},
        {193, kItemHeader, Qt::AlignLeft},
        {97, specHeader(4), Qt::AlignLeft},
        {50, QStringLiteral("수 량") + blanks(2), Qt::AlignRight},
        {72, QStringLiteral("단  가") + blanks(4), Qt::AlignRight},
        {83, QStringLiteral("공급가액") + blanks(4), Qt::AlignRight},
        {72, QStringLiteral("세  액") + blanks(5), Qt::AlignRight},
        {50, blanks(2) + QStringLiteral("비 고"), Qt::AlignLeft},
        {0, QString(), Qt::AlignLeft}, // hidden, always empty
    };
    return columns;
}

const QList<Column> &statementColumns() {
    static const QList<Column> columns{
        {40, QStringLiteral("날 짜"), Qt::AlignHCenter},
        {190, kItemHeader, Qt::AlignLeft},
        {100, specHeader(5), Qt::AlignLeft},
        {30, QStringLiteral("단위"), Qt::AlignLeft},
        {53, QStringLiteral("수 량") + blanks(2), Qt::AlignRight},
        {65, QStringLiteral("단  가") + blanks(3), Qt::AlignRight},
        {72, QStringLiteral("공급가액") + blanks(2), Qt::AlignRight},
        {65, QStringLiteral("세  액") + blanks(3), Qt::AlignRight},
        {50, QStringLiteral("  비고"), Qt::AlignLeft},
    };
    return columns;
}

const QList<Column> &quotationColumns() {
    static const QList<Column> columns{
        {20, QStringLiteral("No"), Qt::AlignHCenter},
        {195, kItemHeader, Qt::AlignLeft},
        {120, specHeader(7), Qt::AlignLeft},
        {35, QStringLiteral("단위"), Qt::AlignHCenter},
        {60, QStringLiteral("수 량") + blanks(3), Qt::AlignRight},
        {67, QStringLiteral("단  가") + blanks(4), Qt::AlignRight},
        {83, QStringLiteral("공급가액") + blanks(3), Qt::AlignRight},
        {57, QStringLiteral("  비  고"), Qt::AlignLeft},
    };
    return columns;
}

void setUpColumns(THStringGrid *grid, const QList<Column> &columns, GridKind kind) {
    for (int c = 0; c < columns.size(); ++c) {
        const Column &col = columns.at(c);
        const bool amount = AmountColumnAt(kind, c).has_value();
        grid->setColumnAlignment(c, col.alignment);
        grid->setCellText(0, c, col.header);
        grid->setColumnWidth(c, col.width);
        grid->setColumnHidden(c, col.width == 0);
        grid->setColumnShownWhole(c, amount);
        grid->setColumnNumbersOnly(c, amount);
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

} // namespace

// The grid's keys, clicks and cell editor, and the header fields' behaviour, come with the set-up.
void TsubUntf::setUpInvoiceGrid() {
    setUpColumns(dGrid, invoiceColumns(), GridKind::TaxInvoice);
    dGrid->setFixedSize(fittingWidth(dGrid, invoiceColumns(), 130), 130);
    installGridBehaviour(dGrid, GridKind::TaxInvoice);
    installFieldBehaviour();
}

void TsubUntf::setUpStatementGrid() {
    setUpColumns(gGrid, statementColumns(), GridKind::Statement);
    gGrid->setFixedSize(fittingWidth(gGrid, statementColumns(), 298), 298);
    installGridBehaviour(gGrid, GridKind::Statement);
    installFieldBehaviour();
}

void TsubUntf::setUpQuotationGrid() {
    setUpColumns(kGrid, quotationColumns(), GridKind::Quotation);
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
    auto clear = [](THStringGrid *grid, GridKind kind) {
        for (int r = 1; r <= ItemRowCount(kind); ++r)
            ClearItemLine(grid, kind, r);
    };
    switch (CurrentKind()) {
    case DocumentKind::TaxInvoice: clear(dGrid, GridKind::TaxInvoice); break;
    case DocumentKind::Statement: clear(gGrid, GridKind::Statement); break;
    case DocumentKind::Quotation: clear(kGrid, GridKind::Quotation); break;
    case DocumentKind::Registration: break;
    }
}

// --- Cells as the computations read and write them ---

namespace {

// The cell under edit, or (-1, -1).
QPair<int, int> cellUnderEdit(const THStringGrid *grid) {
    const QModelIndex edited = grid->editedIndex();
    if (edited.isValid())
        return {edited.row(), edited.column()};
    return {-1, -1};
}

bool underEdit(const THStringGrid *grid, int row, int col) {
    return grid->inplaceEditor() && cellUnderEdit(grid) == qMakePair(row, col);
}

QVariant valueOf(Money m) { return QVariant::fromValue<qint64>(m.raw()); }

// Where a quantity cell keeps the decimals its value is written with.
constexpr int kDecimalsRole = THStringGrid::ValueRole + 1;

void setDecimals(THStringGrid *grid, int row, int col, const QVariant &decimals) {
    if (QTableWidgetItem *it = grid->item(row, col); it && it->data(kDecimalsRole) != decimals)
        it->setData(kDecimalsRole, decimals);
}

// The grid kind of a grid that shows quotation lines or invoice lines, for the shared helpers.
AmountColumn columnOrRaise(GridKind kind, int col) {
    const std::optional<AmountColumn> column = AmountColumnAt(kind, col);
    Q_ASSERT(column);
    return column.value_or(AmountColumn::UnitPrice);
}

} // namespace

std::optional<AmountColumn> AmountColumnAt(GridKind kind, int col) {
    if (kind == GridKind::Quotation) {
        switch (col) {
        case kcol::quantity: return AmountColumn::QuotationQuantity;
        case kcol::unitPrice: return AmountColumn::QuotationUnitPrice;
        case kcol::amount: return AmountColumn::QuotationAmount;
        default: return std::nullopt;
        }
    }
    const InvoiceColumns c = ColumnsOf(kind);
    if (col == c.quantity)
        return AmountColumn::Quantity;
    if (col == c.unitPrice)
        return AmountColumn::UnitPrice;
    if (col == c.supply)
        return AmountColumn::Supply;
    if (col == c.tax)
        return AmountColumn::Tax;
    return std::nullopt;
}

Money TypedAmount(AmountColumn column, const QString &text) {
    const AmountLimits &limits = LimitsOf(column);
    if (limits.decimals > 0 && HasTooManyQuantityDecimals(text))
        throw NumberConversionError(text, QStringLiteral("%1은(는) 소수점 아래 %2 자리까지 입력할 수 있습니다.")
                                              .arg(limits.name)
                                              .arg(limits.decimals));
    const Money value = ParseAmount(text);
    CheckHeld(column, value);
    return value;
}

QString CellNow(const THStringGrid *grid, int row, int col) {
    if (underEdit(grid, row, col))
        return grid->inplaceEditor()->text();
    return grid->cellText(row, col);
}

Money CellAmount(const THStringGrid *grid, int row, int col) {
    return Money::fromRaw(grid->cellValue(row, col).toLongLong());
}

int CellDecimals(const THStringGrid *grid, int row, int col) {
    const QTableWidgetItem *it = grid->item(row, col);
    return it ? it->data(kDecimalsRole).toInt() : 0;
}

Money AmountNow(const THStringGrid *grid, GridKind kind, int row, int col) {
    if (underEdit(grid, row, col))
        return TypedAmount(columnOrRaise(kind, col), grid->inplaceEditor()->text());
    return CellAmount(grid, row, col);
}

void SetCellAmount(THStringGrid *grid, GridKind kind, int row, int col, Money value, int decimals) {
    const AmountColumn column = columnOrRaise(kind, col);
    CheckHeld(column, value);
    if (!underEdit(grid, row, col))
        WriteCellAmount(grid, kind, row, col, value, decimals);
}

void WriteCellAmount(THStringGrid *grid, GridKind kind, int row, int col, Money value, int decimals) {
    const AmountColumn column = columnOrRaise(kind, col);
    CheckHeld(column, value);
    grid->setCell(row, col, CellText(column, value, decimals), valueOf(value));
    setDecimals(grid, row, col, decimals > 0 ? QVariant(decimals) : QVariant());
}

void ClearItemLine(THStringGrid *grid, GridKind kind, int row) {
    for (int c = 0; c < ColumnCount(kind); ++c) {
        if (kind == GridKind::Quotation && c == kcol::number)
            grid->setCellText(row, c, QStringLiteral("%1").arg(row, 2));
        else if (const std::optional<AmountColumn> column = AmountColumnAt(kind, c)) {
            grid->setCell(row, c, CellText(*column, Money()), valueOf(Money()));
            setDecimals(grid, row, c, QVariant());
        } else
            grid->setCellText(row, c, QString());
    }
}

QList<InvoiceLine> InvoiceLinesOf(const THStringGrid *grid, GridKind kind) {
    const InvoiceColumns c = ColumnsOf(kind);
    QList<InvoiceLine> lines(ItemRowCount(kind));
    for (int r = 1; r <= lines.size(); ++r) {
        InvoiceLine &l = lines[r - 1];
        l.date = grid->cellText(r, c.date);
        l.item = grid->cellText(r, c.item);
        l.spec = grid->cellText(r, c.spec);
        l.unit = grid->cellText(r, c.unit);
        l.remark = grid->cellText(r, c.remark);
        l.quantity = CellAmount(grid, r, c.quantity);
        l.quantityDecimals = CellDecimals(grid, r, c.quantity);
        l.unitPrice = CellAmount(grid, r, c.unitPrice);
        l.supply = CellAmount(grid, r, c.supply);
        l.tax = CellAmount(grid, r, c.tax);
    }
    return lines;
}

QList<QuotationLine> QuotationLinesOf(const THStringGrid *grid) {
    QList<QuotationLine> lines(ItemRowCount(GridKind::Quotation));
    for (int r = 1; r <= lines.size(); ++r) {
        QuotationLine &l = lines[r - 1];
        l.item = grid->cellText(r, kcol::item);
        l.spec = grid->cellText(r, kcol::spec);
        l.unit = grid->cellText(r, kcol::unit);
        l.remark = grid->cellText(r, kcol::remark);
        l.quantity = CellAmount(grid, r, kcol::quantity);
        l.quantityDecimals = CellDecimals(grid, r, kcol::quantity);
        l.unitPrice = CellAmount(grid, r, kcol::unitPrice);
    }
    return lines;
}

void ShowInvoiceLines(THStringGrid *grid, GridKind kind, const QList<InvoiceLine> &lines) {
    const int count = ItemRowCount(kind);
    for (int r = 0; r < qMin(count, int(lines.size())); ++r) {
        const InvoiceLine &l = lines.at(r);
        const QString where = QStringLiteral("%1번째 줄의").arg(r + 1);
        CheckHeld(AmountColumn::Quantity, l.quantity, where);
        CheckHeld(AmountColumn::UnitPrice, l.unitPrice, where);
        CheckHeld(AmountColumn::Supply, l.supply, where);
        CheckHeld(AmountColumn::Tax, l.tax, where);
    }
    const InvoiceColumns c = ColumnsOf(kind);
    for (int r = 1; r <= count; ++r) {
        const InvoiceLine l = lines.value(r - 1);
        grid->setCellText(r, c.date, l.date);
        grid->setCellText(r, c.item, l.item);
        grid->setCellText(r, c.spec, l.spec);
        // The tax invoice keeps a line's unit unseen, for the statement it may become again.
        grid->setCellText(r, c.unit, l.unit);
        grid->setCellText(r, c.remark, l.remark);
        SetCellAmount(grid, kind, r, c.quantity, l.quantity, l.quantityDecimals);
        SetCellAmount(grid, kind, r, c.unitPrice, l.unitPrice);
        SetCellAmount(grid, kind, r, c.supply, l.supply);
        SetCellAmount(grid, kind, r, c.tax, l.tax);
    }
}

void ShowQuotationLines(THStringGrid *grid, const QList<QuotationLine> &lines) {
    const int count = ItemRowCount(GridKind::Quotation);
    for (int r = 0; r < qMin(count, int(lines.size())); ++r) {
        const QuotationLine &l = lines.at(r);
        const QString where = QStringLiteral("%1번째 줄의").arg(r + 1);
        CheckHeld(AmountColumn::QuotationQuantity, l.quantity, where);
        CheckHeld(AmountColumn::QuotationUnitPrice, l.unitPrice, where);
        CheckHeld(AmountColumn::QuotationAmount, l.amount(), where);
    }
    for (int r = 1; r <= count; ++r) {
        const QuotationLine l = lines.value(r - 1);
        grid->setCellText(r, kcol::number, QStringLiteral("%1").arg(r, 2));
        grid->setCellText(r, kcol::item, l.item);
        grid->setCellText(r, kcol::spec, l.spec);
        grid->setCellText(r, kcol::unit, l.unit);
        grid->setCellText(r, kcol::remark, l.remark);
        SetCellAmount(grid, GridKind::Quotation, r, kcol::quantity, l.quantity, l.quantityDecimals);
        SetCellAmount(grid, GridKind::Quotation, r, kcol::unitPrice, l.unitPrice);
        SetCellAmount(grid, GridKind::Quotation, r, kcol::amount, l.amount());
    }
}

GridContent ContentOf(const THStringGrid *grid, GridKind kind, int first, int last) {
    GridContent content;
    const int cols = ColumnCount(kind);
    if (last < 0)
        last = ItemRowCount(kind);
    content.reserve(last - first + 1);
    for (int r = first; r <= last; ++r) {
        QList<CellContent> cells;
        cells.reserve(cols);
        for (int c = 0; c < cols; ++c) {
            const QTableWidgetItem *it = grid->item(r, c);
            cells.append({grid->cellText(r, c), grid->cellValue(r, c), it ? it->data(kDecimalsRole) : QVariant()});
        }
        content.append(cells);
    }
    return content;
}

void RestoreContent(THStringGrid *grid, const GridContent &content, int first) {
    for (int r = first; r < first + content.size(); ++r) {
        const auto &cells = content.at(r - first);
        for (int c = 0; c < cells.size(); ++c) {
            grid->setCell(r, c, cells.at(c).text, cells.at(c).value);
            setDecimals(grid, r, c, cells.at(c).decimals);
        }
    }
}
