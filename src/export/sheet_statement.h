#pragma once
// The transaction statement drawn as a paper form on the worksheet "거래명세서": 12 item lines, or 30 when
// line 13 of the grid is in use.

#include "document_snapshot.h"
#include "sheet_frame.h"
#include "sheet_model.h"

namespace sheet {

inline const QString kStatementSheetName = QStringLiteral("거래명세서");

// Whether grid line 13 is in use: the non-blank bytes of its item and size (품목, 규격) plus its quantity,
// unit price, supply value and tax do not add up to zero. Raises NumberConversionError (naming the line)
// when one of the four amounts is not a number.
bool StatementLine13InUse(const QStringList &line);
// The same test for grid line `number`, named in the message.
bool StatementLineInUse(const QStringList &line, int number);

// The rows the statement grows by when any line after the 12th is in use (0 or 18).
int StatementExtension(const InvoiceSnapshot &doc);

// Raises NumberConversionError as StatementLine13InUse, or when a total is not a number.
Sheet BuildStatementSheet(const InvoiceSnapshot &doc, const ExportSettings &settings);

} // namespace sheet
