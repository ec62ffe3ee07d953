#pragma once
// One document file as the register lists it: what kind it is, its date, numbers, buyer and totals, read
// from the file's bytes by the document readers. A file that cannot be read is still an entry: it keeps
// its path and the reason, and nothing else of it is known.

#include "document_snapshot.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace reg {

enum class DocKind { TaxInvoice = 0, Statement = 1, Quotation = 2 };

// Which VAT-return summary a tax invoice belongs to. Automatic follows its tax total (not 0: the tax
// invoice summary, 0: the summary of invoices without tax); the user may pin it either way.
enum class SummaryChoice { Automatic = 0, TaxInvoice = 1, TaxFree = 2 };

// An item line as the buyer book offers it again.
struct ItemLine {
    QString name, spec, unit, unitPrice; // unit price as its cell text (with separators)
    bool operator==(const ItemLine &) const = default;
};

struct RegisterEntry {
    QString path;          // absolute path of the file
    qint64 modified = 0;   // the file's modification time, ms since the epoch
    qint64 size = 0;       // bytes
    QString error;         // why the file cannot be read; empty when it was read
    DocKind kind = DocKind::TaxInvoice;
    bool olderFormat = false; // written by an older generation of the program (read only)
    QDate date;            // 작성일자 (tax invoice), 거래일자 (statement), 견적일자 (quotation)
    QString book;          // 책번호 "권-호" of a tax invoice, empty when both are 0
    QString serial;        // 일련번호 of a tax invoice, empty when not given
    BuyerKind buyerKind = BuyerKind::Business;
    QString buyerNumber;   // the digits of the buyer's business or resident number, without hyphens
    QString buyerName, buyerRep, buyerAddr, buyerUpTea, buyerUpJong;
    qint64 supply = 0, tax = 0; // whole won
    int itemCount = 0;
    QList<ItemLine> items;
    SummaryChoice summary = SummaryChoice::Automatic; // kept in the index only, never in the file

    bool readable() const { return error.isEmpty(); }
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

// The entry of a document file from its bytes. Never throws: a file the readers refuse is an entry with
// the reason in error.
RegisterEntry ReadRegisterEntry(const QByteArray &bytes, const QString &path);

// "1234567890" as "123-45-67890", "1234561234567" as "123456-1234567"; other digits as they are.
QString FormatRegistrationNumber(const QString &digits);

QString KindName(DocKind kind); // "세금계산서", "거래명세서", "견적서"

} // namespace reg
