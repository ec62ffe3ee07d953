#include "document_snapshot.h"

#include "money.h"

int ItemRowCount(GridKind kind) {
    switch (kind) {
    case GridKind::TaxInvoice: return 5;
    case GridKind::Statement: return 30;
    case GridKind::Quotation: return 20;
    }
    return 0;
}

int ColumnCount(GridKind kind) { return kind == GridKind::Quotation ? 8 : 9; }

InvoiceColumns ColumnsOf(GridKind kind) {
    if (kind == GridKind::Statement)
        return {0, 1, 2, 3, 4, 5, 6, 7, 8};
    // The tax invoice keeps the unit in its hidden last column.
    return {0, 1, 2, 8, 3, 4, 5, 6, 7};
}

QStringList EmptyItemRow(GridKind kind, int row) {
    // The zero texts are the same in every empty row: made once, shared by all.
    static const QString zero10 = FormatAmountText(Money(), kQuantityWidth);
    static const QString zeroPrice = FormatAmountText(Money(), kUnitPriceWidth);
    static const QString zeroAmount = FormatAmountText(Money(), kQuotationAmountWidth);
    static const QString zeroSupply = FormatAmountText(Money(), kSupplyWidth);
    static const QString zeroTax = FormatAmountText(Money(), kTaxWidth);
    QStringList cells(ColumnCount(kind), QString());
    if (kind == GridKind::Quotation) {
        cells[kcol::number] = PadLeftTo(QString::number(row), 2);
        cells[kcol::quantity] = zero10;
        cells[kcol::unitPrice] = zeroPrice;
        cells[kcol::amount] = zeroAmount;
        return cells;
    }
    const InvoiceColumns c = ColumnsOf(kind);
    cells[c.quantity] = zero10;
    cells[c.unitPrice] = zeroPrice;
    cells[c.supply] = zeroSupply;
    cells[c.tax] = zeroTax;
    return cells;
}

QList<QStringList> EmptyItemRows(GridKind kind) {
    QList<QStringList> rows;
    const int n = ItemRowCount(kind);
    rows.reserve(n);
    for (int r = 1; r <= n; ++r)
        rows.append(EmptyItemRow(kind, r));
    return rows;
}
