// Fuzzes the tax invoice and statement reader of all three generations. The first byte chooses the file
// name (so the generation) and the page; the rest is the file. Whatever the reader accepts must save, and
// what is saved must read back with every amount as it was loaded.

#include "fuzz_common.h"
#include "invoice_file.h"

#include "errors.h"

#include <QList>
#include <array>
#include <cstdlib>

namespace {

// The amounts of the lines that hold any, in order, and the payments: what a save keeps whole, whatever it
// does to texts it cuts to their slots.
QList<std::array<Money, 4>> Amounts(const InvoiceDocument &d) {
    QList<std::array<Money, 4>> out{{d.cash, d.check, d.bill, d.credit}};
    for (const InvoiceLine &l : d.lines)
        if (l.quantity != Money() || l.unitPrice != Money() || l.supply != Money() || l.tax != Money())
            out.append({l.quantity, l.unitPrice, l.supply, l.tax});
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1)
        return 0;
    const QString name = fuzzing::FileNameFor(data[0]);
    const GridKind page = fuzzing::PageFor(data[0]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    InvoiceLoadResult loaded;
    try {
        loaded = ReadInvoiceFile(bytes, name, page);
    } catch (const IoError &) {
        return 0;
    }
    const InvoiceDocument &document = loaded.document;
    if (document.kind() != page || document.lines.size() != ItemRowCount(document.kind()))
        std::abort();

    QByteArray saved;
    try {
        saved = WriteInvoiceFile(document);
    } catch (const NumberConversionError &) {
        return 0; // a loaded value the user must correct before saving (a book number of "-12", say)
    }
    if (saved.size() != (3 + ItemRowCount(document.kind())) * kInvoiceRecordSize)
        std::abort();
    const QString current =
        page == GridKind::Statement ? QStringLiteral("/fuzz/doc.Gy5") : QStringLiteral("/fuzz/doc.Dy5");
    InvoiceLoadResult again;
    try {
        again = ReadInvoiceFile(saved, current, page);
    } catch (const IoError &) {
        std::abort(); // the program could not open a file it wrote itself
    }
    if (Amounts(again.document) != Amounts(document))
        std::abort(); // an amount changed on the way through a save
    return 0;
}
