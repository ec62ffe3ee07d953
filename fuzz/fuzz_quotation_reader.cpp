// Fuzzes the quotation reader. Whatever it accepts must save, and what is saved must read back with every
// quantity and unit price as it was loaded.

#include "quotation_file.h"

#include "errors.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QuotationDocument loaded;
    try {
        loaded = ReadQuotationFile(bytes, QStringLiteral("/fuzz/q.Prc"));
    } catch (const IoError &) {
        return 0;
    }
    if (loaded.lines.size() != ItemRowCount(GridKind::Quotation))
        std::abort();
    QByteArray saved;
    try {
        saved = WriteQuotationFile(loaded);
    } catch (const NumberConversionError &) {
        return 0;
    }
    if (saved.size() != 31 * kQuotationRecordSize)
        std::abort();
    QuotationDocument again;
    try {
        again = ReadQuotationFile(saved, QStringLiteral("/fuzz/q.Prc"));
    } catch (const IoError &) {
        std::abort();
    }
    for (qsizetype i = 0; i < loaded.lines.size(); ++i)
        if (again.lines[i].quantity != loaded.lines[i].quantity ||
            again.lines[i].unitPrice != loaded.lines[i].unitPrice)
            std::abort(); // a number changed on the way through a save
    return 0;
}
