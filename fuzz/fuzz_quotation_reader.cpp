// Fuzzes the quotation reader. Whatever it accepts must save, and what is saved must read back.

#include "quotation_file.h"

#include "errors.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QuotationSnapshot loaded;
    try {
        loaded = ReadQuotationFile(bytes, QStringLiteral("/fuzz/q.Prc"), QuotationSnapshot{});
    } catch (const IoError &) {
        return 0;
    }
    if (loaded.kGrid.size() != ItemRowCount(GridKind::Quotation))
        std::abort();
    QByteArray saved;
    try {
        saved = WriteQuotationFile(loaded);
    } catch (const NumberConversionError &) {
        return 0;
    }
    if (saved.size() != 31 * kQuotationRecordSize)
        std::abort();
    try {
        ReadQuotationFile(saved, QStringLiteral("/fuzz/q.Prc"), QuotationSnapshot{});
    } catch (const IoError &) {
        std::abort();
    }
    return 0;
}
