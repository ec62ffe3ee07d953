#pragma once
// The transaction statement drawn as a paper form on the worksheet "거래명세서": 12 item lines, or 30 when
// a line after the 12th is in use. Amounts are numbers the spreadsheet computes with.

#include "document.h"
#include "sheet_frame.h"
#include "sheet_model.h"

namespace sheet {

inline const QString kStatementSheetName = QStringLiteral("거래명세서");

// Whether a line is in use: as printed (InvoiceLine::isFilled), so that every line the totals count is in
// the sheet, also one whose supply and tax cancel out.
bool StatementLineInUse(const InvoiceLine &line);

// The rows the statement grows by when any line after the 12th is in use (0 or 18).
int StatementExtension(const InvoiceDocument &doc);

Sheet BuildStatementSheet(const InvoiceDocument &doc, const ExportSettings &settings);

} // namespace sheet
