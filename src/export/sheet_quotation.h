#pragma once
// The quotation drawn as a paper form on the worksheet "견적서", in black, with the supplier's details
// from the supplier record.

#include "document.h"
#include "sheet_frame.h"
#include "sheet_model.h"

namespace sheet {

inline const QString kQuotationSheetName = QStringLiteral("견적서");

// Spaces out a name of two, three or four double-byte characters (4, 6 or 8 bytes): 7 blanks between two
// characters, 4 between three, 2 between four. Any other length, or a text that cannot be cut into
// two-byte pieces, is returned unchanged.
QString SpreadName(const QString &name);

Sheet BuildQuotationSheet(const QuotationDocument &doc, const ExportSettings &settings);

} // namespace sheet
