#pragma once
// Quotation files ("Prc"): 171-byte records in a fixed order: recipient, person in charge, the two
// dates, the address, seven memo lines and twenty item lines, 31 records (5,301 bytes) in all.
//
// Reading is all or nothing, as for the invoice files: a file that cannot be read raises IoError naming
// the file and nothing half filled is returned.

#include "document.h"
#include "document_io.h"

#include <QByteArray>
#include <QString>

inline constexpr int kQuotationRecordSize = 171;
inline constexpr int kQuotationMemoLines = 7;

// Reads a quotation file. Item records fill the lines from line 1 in file order; memo records the memo.
// Raises IoError, naming fileName, for a file that is empty, not a quotation, cut short, holds a length
// byte larger than its field, has more than 20 item lines, or a line whose quantity, unit price or amount
// its column cannot hold (the whole file is refused, never loaded in part).
QuotationDocument ReadQuotationFile(const QByteArray &bytes, const QString &fileName);

// The 31 records of the quotation. Only the first 7 memo lines are kept. Raises NumberConversionError,
// naming the line, when a quantity, unit price or amount is beyond its column, before any byte is produced.
QByteArray WriteQuotationFile(const QuotationDocument &document);

// Reads the file at path (opened for reading only) and loads it as ReadQuotationFile does.
QuotationDocument LoadQuotationFile(const QString &path);
// Writes the quotation to path; the old file stays whole until the new content is complete and checked.
// Returns what was written, as SaveInvoiceFile does.
storage::FileFingerprint SaveQuotationFile(const QString &path, const QuotationDocument &document);
