#pragma once
// The fill step of every print job: from a document and the dialog's options to a report form
// that is ready to be printed or previewed. Each function creates a fresh form, applies margins, the
// paper and colour options, the seal and the message line, and copies the document's texts into the
// form's data labels. Nothing here touches a window or a printer; the settings file is read for the seal
// and, on the quotation, for the supplier record.
//
// Amount fields that cannot be read as numbers raise NumberConversionError; the job then ends and the
// error is shown by the application's error handler.

#include "document.h"
#include "print_options.h"
#include "report_form.h"

#include <QList>

#include <memory>

namespace printjobs {

// What a printed document is called (its PDF title and file name, its print job): the kind, the other
// party and the date, as "세금계산서 (주)대한상사 2026-12-08"; an empty party or date is left out.
QString DocumentTitle(const QString &kind, const QString &party, const QString &date);

// The tax invoice (options.withTax) or the invoice without tax, two copies of five lines.
std::unique_ptr<report::ReportForm> FillTaxInvoice(const InvoiceDocument &doc, const PrintOptions &options);

// One sheet of the short statement form: lines first+1 to first+12 in both copies. continued: another
// sheet follows, so the total cells receive "0" (printed empty).
std::unique_ptr<report::ReportForm> FillStatementSheet(const InvoiceDocument &doc, const PrintOptions &options,
                                                       int first, bool continued);

// The sheets of a statement printed on form paper: up to three of twelve lines each, with the pause the
// printer gets before each further sheet.
struct StatementSheet {
    int first = 0;          // grid lines first+1 .. first+12
    bool continued = false; // another sheet follows
    int pauseBeforeMs = 0;  // 0 for the first sheet
};
QList<StatementSheet> PlanStatementSheets(const InvoiceDocument &doc);

// The long statement form: one copy of thirty lines, the buyer's (options.buyerCopy) or the supplier's,
// drawn in that copy's colour or in black.
std::unique_ptr<report::ReportForm> FillLongStatement(const InvoiceDocument &doc, const PrintOptions &options);

// How a statement is printed, chosen from the options and the filled lines.
enum class StatementLayout { Receipt, FormPaperSheets, LongForm, ShortForm };
StatementLayout ChooseStatementLayout(const InvoiceDocument &doc, const PrintOptions &options);

// The simple receipt holds 15 lines per copy; a statement with a filled 16th line cannot be printed as one.
inline constexpr int kReceiptLines = 15;
bool ReceiptTooLong(const InvoiceDocument &doc);
inline const QString kReceiptTooLongMessage = QStringLiteral("간이 영수증은 15줄 이상 기록할 수 없습니다.");
// The simple receipt: two copies side by side with the first 15 lines.
std::unique_ptr<report::ReportForm> FillReceipt(const InvoiceDocument &doc, const PrintOptions &options);

// The quotation, with the supplier block from the registered supplier record.
std::unique_ptr<report::ReportForm> FillQuotation(const QuotationDocument &doc, const PrintOptions &options);

// The representative's name of the quotation: blanks removed, then two, three or four two-byte pieces
// spread with 7, 4 or 2 blanks between them; any other length unchanged.
QString SpacedRepresentativeName(const QString &name);

} // namespace printjobs
