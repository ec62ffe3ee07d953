#pragma once
// Quotation files ("Prc"): 171-byte records in a fixed order: recipient, person in charge, the two
// dates, the address, seven memo lines and twenty item lines, 31 records (5,301 bytes) in all.
//
// Reading is all or nothing, as for the invoice files: a file that cannot be read raises IoError naming
// the file and nothing half filled is returned.

#include "document_snapshot.h"

#include <QByteArray>
#include <QString>

inline constexpr int kQuotationRecordSize = 171;
inline constexpr int kQuotationMemoLines = 7;

// Reads a quotation file into cleared (the page as its clearing left it). Item records fill the grid from
// row 1 in file order; the amount column is recomputed from quantity and unit price; memo records are
// appended to the (emptied) memo. Raises IoError, naming fileName, for a file that is empty, not a
// quotation, cut short, holds a length byte larger than its field, or has more than 20 item lines.
QuotationSnapshot ReadQuotationFile(const QByteArray &bytes, const QString &fileName, QuotationSnapshot cleared);

// The 31 records of the quotation. Only the first 7 memo lines are kept. Raises NumberConversionError,
// naming the row, when a quantity or unit price is not a number or too large, before any byte is produced.
QByteArray WriteQuotationFile(const QuotationSnapshot &snapshot);

// Reads the file at path (opened for reading only) and loads it as ReadQuotationFile does.
QuotationSnapshot LoadQuotationFile(const QString &path, QuotationSnapshot cleared);
// Writes the quotation to path; the old file stays whole until the new content is complete and checked.
void SaveQuotationFile(const QString &path, const QuotationSnapshot &snapshot);
