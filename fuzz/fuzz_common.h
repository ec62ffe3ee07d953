#pragma once
// What the fuzz targets and the seed generator share: how the first input byte chooses the file name and
// the page a document file is read with.

#include "document.h"

#include <QString>
#include <cstdint>

namespace fuzzing {

// Bits 0-1: generation by extension (Dy5/Gy5, Dnt/Gnt, Dty/Gty); bit 2: the statement's letter "G";
// bit 3: read on the statement page.
inline QString FileNameFor(std::uint8_t selector) {
    static const char *const kExt[3][2] = {{"Dy5", "Gy5"}, {"Dnt", "Gnt"}, {"Dty", "Gty"}};
    const int generation = (selector & 3) % 3;
    const int kind = (selector >> 2) & 1;
    return QStringLiteral("/fuzz/doc.") + QString::fromLatin1(kExt[generation][kind]);
}

inline GridKind PageFor(std::uint8_t selector) { return (selector & 8) ? GridKind::Statement : GridKind::TaxInvoice; }

inline std::uint8_t Selector(int generation, bool statementFile, bool statementPage) {
    return std::uint8_t(generation | (statementFile ? 4 : 0) | (statementPage ? 8 : 0));
}

} // namespace fuzzing
