// Fuzzes the tax invoice and statement reader of all three generations. The first byte chooses the file
// name (so the generation) and the page; the rest is the file. Whatever the reader accepts must save, and
// what is saved must read back.

#include "fuzz_common.h"
#include "invoice_file.h"

#include "errors.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1)
        return 0;
    const QString name = fuzzing::FileNameFor(data[0]);
    const GridKind page = fuzzing::PageFor(data[0]);
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    InvoiceLoadResult loaded;
    try {
        loaded = ReadInvoiceFile(bytes, name, page, InvoiceSnapshot{});
    } catch (const IoError &) {
        return 0;
    }
    if (loaded.snapshot.rows().size() != ItemRowCount(loaded.snapshot.kind()))
        std::abort();

    QByteArray saved;
    try {
        saved = WriteInvoiceFile(loaded.snapshot);
    } catch (const NumberConversionError &) {
        return 0; // a loaded value the user must correct before saving (a book number of "-12", say)
    }
    if (saved.size() != (3 + ItemRowCount(loaded.snapshot.kind())) * kInvoiceRecordSize)
        std::abort();
    const QString current = page == GridKind::Statement ? QStringLiteral("/fuzz/doc.Gy5")
                                                        : QStringLiteral("/fuzz/doc.Dy5");
    try {
        ReadInvoiceFile(saved, current, page, InvoiceSnapshot{});
    } catch (const IoError &) {
        std::abort(); // the program could not open a file it wrote itself
    }
    return 0;
}
