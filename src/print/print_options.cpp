#include "print_options.h"

#include "document_snapshot.h"
#include "errors.h"

namespace {
// 0 for a cell without a readable number.
Money amountOrZero(const QString &text) {
    try {
        return ParseAmount(text);
    } catch (const NumberConversionError &) {
        return Money();
    }
}
} // namespace

bool IsStatementLineFilled(const QStringList &row) {
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    if (!RemoveBlanks(row.value(c.item) + row.value(c.spec)).isEmpty())
        return true;
    const Money supply = amountOrZero(row.value(c.supply)), tax = amountOrZero(row.value(c.tax));
    // A line whose supply or tax counts in the totals is printed, even where its numbers cancel out.
    if (supply.raw() != 0 || tax.raw() != 0)
        return true;
    const Money sum = amountOrZero(row.value(c.quantity)) + amountOrZero(row.value(c.unitPrice));
    return sum.raw() != 0;
}

bool IsStatementLineFilled(const QList<QStringList> &rows, int n) {
    return n >= 1 && n <= rows.size() && IsStatementLineFilled(rows[n - 1]);
}

int LastFilledStatementLine(const QList<QStringList> &rows) {
    for (int n = int(rows.size()); n >= 1; --n)
        if (IsStatementLineFilled(rows[n - 1]))
            return n;
    return 0;
}
