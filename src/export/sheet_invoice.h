#pragma once
// The tax invoice drawn as a paper form on the worksheet "세금계산서": frame, labels, the document's data
// and the seal, in the order a person watching the sheet would see it built.

#include "document.h"
#include "sheet_frame.h"
#include "sheet_model.h"

namespace sheet {

inline const QString kTaxInvoiceSheetName = QStringLiteral("세금계산서");

Sheet BuildTaxInvoiceSheet(const InvoiceDocument &doc, const ExportSettings &settings);

} // namespace sheet
