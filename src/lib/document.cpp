#include "document.h"

#include "arithmetic.h"

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

bool InvoiceLine::isEmpty() const {
    return date.trimmed().isEmpty() && item.trimmed().isEmpty() && spec.trimmed().isEmpty() &&
           unit.trimmed().isEmpty() && remark.trimmed().isEmpty() && quantity.raw() == 0 && unitPrice.raw() == 0 &&
           supply.raw() == 0 && tax.raw() == 0;
}

bool InvoiceLine::isFilled() const {
    if (!RemoveBlanks(item + spec).isEmpty())
        return true;
    // A line whose supply or tax counts in the totals is printed, even where its numbers cancel out.
    return supply.raw() != 0 || tax.raw() != 0 || (quantity + unitPrice).raw() != 0;
}

InvoiceDocument InvoiceDocument::empty(bool statement) {
    InvoiceDocument d;
    d.statement = statement;
    d.lines = QList<InvoiceLine>(ItemRowCount(d.kind()));
    return d;
}

Money InvoiceDocument::supplyTotal() const {
    Money sum;
    for (const InvoiceLine &l : lines)
        sum += l.supply;
    return sum;
}

Money InvoiceDocument::taxTotal() const {
    Money sum;
    for (const InvoiceLine &l : lines)
        sum += l.tax;
    return sum;
}

int InvoiceDocument::lastFilledLine() const {
    for (qsizetype i = lines.size(); i > 0; --i)
        if (lines.at(i - 1).isFilled())
            return int(i);
    return 0;
}

Money QuotationLine::amount() const { return LineProductWithoutCorrection(unitPrice, quantity); }

bool QuotationLine::isEmpty() const {
    return item.trimmed().isEmpty() && spec.trimmed().isEmpty() && unit.trimmed().isEmpty() &&
           remark.trimmed().isEmpty() && quantity.raw() == 0 && unitPrice.raw() == 0;
}

Money QuotationDocument::total() const {
    Money sum;
    for (const QuotationLine &l : lines)
        sum += l.amount();
    return sum;
}

QString QuotationDocument::amountLine() const { return QuotationAmountLine(total()); }
