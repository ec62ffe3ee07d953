#pragma once
// The print jobs that the print dialog's "확인" runs: the tax invoice (or the invoice without tax), the
// transaction statement in its three layouts, the simple receipt and the quotation. Each job fills a fresh
// report form (print_fill.h), prints it or previews it (print_output.h) and releases it.
//
// One job runs at a time. A job waiting in its preview or in a pause between form-paper sheets keeps the
// application's messages flowing; a second job started meanwhile is refused quietly and leaves the
// running one undisturbed.

#include "document.h"
#include "print_options.h"
#include "print_output.h"

#include <functional>

class QWidget;

namespace printjobs {

enum class PrintJobResult {
    Printed,        // sent to the printer (every sheet of it)
    Previewed,      // shown in the preview window, which has been closed again
    Refused,        // another job was running; nothing was done
    ReceiptTooLong, // the receipt would need more than 15 lines; the user was told
    Failed,         // the printer could not take it; the user was told
};

// True while a job runs (its preview open, or between its sheets).
bool PrintJobRunning();

// What the user is told when the seal picture at path cannot be printed; problem is the reason.
QString SealNotPrintedMessage(const QString &problem, const QString &path);

// Runs the job of options.page: the tax invoice page and the statement page read invoice, the quotation
// page reads quotation. The documents are copied when the job starts. editor places the preview and
// parents the messages. Errors in the document's amounts raise NumberConversionError (an AppError).
// When the seal is to be printed but its picture cannot be (seal_picture.h), the user is told once,
// over the print dialog running the job, before anything prints; the job then goes on without the seal.
PrintJobResult RunPrintJob(QWidget *editor, const PrintOptions &options, const InvoiceDocument *invoice,
                           const QuotationDocument *quotation);
// The same with the output spelled out (printer, pauses, preview hook).
PrintJobResult RunPrintJob(const OutputTarget &target, const PrintOptions &options, const InvoiceDocument *invoice,
                           const QuotationDocument *quotation);

// What the print dialog runs on "확인" for the documents of an editor: the job of the confirmed page on
// copies of these documents, results other than errors left to the messages the job shows itself.
std::function<void(const PrintOptions &)> PrintJobRunner(QWidget *editor, const InvoiceDocument &invoice,
                                                         const QuotationDocument &quotation);

} // namespace printjobs
