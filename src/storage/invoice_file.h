#pragma once
// Tax invoice and transaction statement files: three header records (supplier, buyer, totals) and one
// record per item line. The current generation (228-byte records, "Dy5" / "Gy5") is read and written;
// the two older ones (220-byte "Dnt" / "Gnt", 156-byte "Dty" / "Gty") are only read, and a document read
// from them is saved in the current format under the current extension.
//
// Reading is all or nothing: the whole file is read and checked first, and a file that cannot be read
// raises IoError naming the file; nothing half filled is ever returned.

#include "document.h"
#include "document_io.h"

#include <QByteArray>
#include <QString>

enum class InvoiceFileGeneration {
    Current, // 228-byte records, extensions "Dy5", "Gy5"
    V35,     // 220-byte records, "Dnt", "Gnt"
    V31,     // 156-byte records, "Dty", "Gty"; no unit, no buyer kind
};

// The reader for a file name, chosen by its last character: "5" the current generation, "T" or "t" the
// 220-byte one, anything else the 156-byte one.
InvoiceFileGeneration InvoiceGenerationOf(const QString &fileName);

inline constexpr int kInvoiceRecordSize = 228;
int InvoiceRecordSize(InvoiceFileGeneration generation); // 228, 220, 156

// The document name after opening fileName with the given reader on the given page: unnamed when the file
// belongs to the other page's kind, the same name for a current file, and the name with the current
// extension ("Dy5" on the tax invoice page, "Gy5" on the statement page) for an older one.
QString RenamedInvoiceFileName(InvoiceFileGeneration generation, GridKind page, const QString &fileName);

struct InvoiceLoadResult {
    InvoiceDocument document; // the loaded document; statement is set by the page it was loaded on
    QString curFileName;      // the document's name from now on (kUnnamedDocumentName or a path)
    InvoiceFileGeneration generation = InvoiceFileGeneration::Current; // the reader used
    bool fromStatement = false;                                        // the file was saved from the statement page
    bool summarised = false; // statement lines were replaced by one summary line on the tax invoice
};

// Reads a tax invoice or statement file onto the page shown (GridKind::TaxInvoice or Statement). Item lines
// with content fill the page's lines from line 1 in file order. A statement opened on the tax invoice page becomes one summary line: the statement's date, its
// description followed by "외", and the supply and tax totals of the statement's own lines; such a
// document is always unnamed, so that saving it never overwrites the statement.
// Raises IoError, naming fileName, for a file that is empty, not a document, cut short, holds a length
// byte larger than its slot, an amount that is not a number or that its column cannot hold (never shown
// blank or as 0 instead), or has more item lines than the page.
InvoiceLoadResult ReadInvoiceFile(const QByteArray &bytes, const QString &fileName, GridKind page);

// The current-format file of the document (document.statement): supplier, buyer and totals records, then
// one line record per line, empty lines included: 8 records (1,824 bytes) for a tax invoice, 33 (7,524
// bytes) for a statement. Texts are cut to their slots without splitting a character; each amount is
// stored as its column's text (amount_columns.h). Raises NumberConversionError, naming the line and
// column, when an amount is beyond its column or a book number is not one, before any byte is produced.
QByteArray WriteInvoiceFile(const InvoiceDocument &document);

// Reads the file at path (opened for reading only) and loads it as ReadInvoiceFile does.
InvoiceLoadResult LoadInvoiceFile(const QString &path, GridKind page);
// Writes the document to path in the current format. The whole content is made and checked first, then
// written beside the target and renamed over it: on any error the old file is left as it was. Returns
// what was written, as FingerprintOf would find it, without reading the file again (by then another PC
// may have replaced it).
storage::FileFingerprint SaveInvoiceFile(const QString &path, const InvoiceDocument &document);
