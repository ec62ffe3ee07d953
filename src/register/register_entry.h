#pragma once
// One document file as the register lists it: what kind it is, its date, numbers, buyer and totals, read
// from the file's bytes by the document readers. A file that cannot be read is still an entry: it keeps
// its path and the reason, and nothing else of it is known. So is a folder that cannot be read, and a
// folder link that leads back to a folder already read.

#include "document.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QVector>
#include <QString>
#include <QStringList>

#include <optional>

namespace reg {

enum class DocKind { TaxInvoice = 0, Statement = 1, Quotation = 2 };

// Which VAT-return summary a tax invoice belongs to. Automatic follows its tax total (not 0: the tax
// invoice summary, 0: the summary of invoices without tax). The user may put a zero-tax invoice into the
// tax invoice summary (영세율); an invoice with tax always stays there, whatever was chosen for it.
enum class SummaryChoice { Automatic = 0, TaxInvoice = 1, TaxFree = 2 };

enum class EntryType {
    Document,         // a document file (error says why, when it cannot be read)
    UnreadableFolder, // a folder whose documents could not be listed (error says why)
    FolderLoop,       // a folder link to a folder already read: nothing of it is missing
};

// An item line as the buyer book offers it again.
struct ItemLine {
    QString name, spec, unit;
    Money unitPrice;
    bool operator==(const ItemLine &) const = default;
};

struct RegisterEntry {
    EntryType type = EntryType::Document;
    QString path;        // absolute path of the file
    qint64 modified = 0; // the file's modification time, ms since the epoch
    qint64 size = 0;     // bytes
    QString error;       // why the file cannot be read; empty when it was read
    DocKind kind = DocKind::TaxInvoice;
    bool olderFormat = false; // written by an older generation of the program (read only)
    QDate date;               // 작성일자 (tax invoice), 거래일자 (statement), 견적일자 (quotation)
    QString book;             // 책번호 "권-호" of a tax invoice, empty when both are 0
    QString serial;           // 일련번호 of a tax invoice, empty when not given
    BuyerKind buyerKind = BuyerKind::Business;
    QString buyerNumber; // the digits of the buyer's business or resident number, without hyphens
    QString buyerName, buyerRep, buyerAddr, buyerUpTea, buyerUpJong;
    qint64 supply = 0, tax = 0; // whole won
    int itemCount = 0;
    QList<ItemLine> items;
    SummaryChoice summary = SummaryChoice::Automatic; // the user's choice, kept beside the documents
    bool electronic = false; // issued electronically, as the user confirmed (kept beside the documents too)
    // The file that stands for the same document now (an older generation's file, or the same name in
    // another case, beside a current one): listed, but counted in no total and no summary.
    QString supersededBy;

    // A document that was read.
    bool readable() const { return type == EntryType::Document && error.isEmpty(); }
    // A document that counts in totals and summaries: read, and not replaced by a newer file.
    bool counted() const { return readable() && supersededBy.isEmpty(); }
    // Something that could not be read: documents of it may be missing from totals and summaries.
    bool missing() const {
        return type == EntryType::UnreadableFolder || (type == EntryType::Document && !error.isEmpty());
    }
    qint64 total() const { return supply + tax; }
    QString fileName() const;
    // The buyer's number as it is written: "###-##-#####" or "######-#######".
    QString buyerNumberText() const;
    // Whether a tax invoice goes to the tax invoice summary (true) or to the one without tax (false).
    bool inTaxInvoiceSummary() const;
};

// The kind a file name stands for, by its extension (case does not matter): "Dy5", "Dnt", "Dty" tax
// invoices, "Gy5", "Gnt", "Gty" statements, "Prc" quotations; none for any other file.
std::optional<DocKind> KindOfFileName(const QString &fileName);

// Marks every document file that a newer file of the same document stands beside, in the same folder:
// a current-generation file ("x.Dy5") supersedes the older generations' files of its base name ("x.Dnt",
// "x.Dty", extensions in any case), and among current-generation files whose names differ only in case
// the one in the program's own case (".Dy5") or else the newest stands for the document.
void MarkSupersededFiles(QVector<RegisterEntry> &entries);

// A resident registration number as it may be shown outside the document: "900101-1******".
QString MaskedRegistrationNumber(const QString &digits);

// The entry of a document file from its bytes. Never throws: a file the readers refuse is an entry with
// the reason in error.
RegisterEntry ReadRegisterEntry(const QByteArray &bytes, const QString &path);

// "1234567890" as "123-45-67890", "1234561234567" as "123456-1234567"; other digits as they are.
QString FormatRegistrationNumber(const QString &digits);

QString KindName(DocKind kind); // "세금계산서", "거래명세서", "견적서"

// The digits of a text (a registration number without its hyphens).
QString DigitsOf(const QString &text);

} // namespace reg
