// The editor's print command: the print dialog on the page of the document shown, whose "확인" runs the
// print job on the document as it stands when the dialog opens.

#include "subUnt.h"

#include "PrtUnit.h"
#include "print_jobs.h"
#include "stored_settings.h"

#include <QStackedWidget>

void TsubUntf::PrtBtnClick() {
    if (prtUntf_ || !CommitPendingEdit())
        return;
    printPageIndex_ = mPage->currentIndex() == 1 ? sPage->currentIndex() : 2;
    // The document of the page shown; the other kind's is not printed from here.
    const bool quotationPage = printPageIndex_ == 2;
    const InvoiceDocument invoice = quotationPage ? InvoiceDocument() : invoiceDocument();
    const QuotationDocument quotation = quotationPage ? quotationDocument() : QuotationDocument();
    const int lastStatementLine = invoice.statement ? invoice.lastFilledLine() : 0;
    // The dialog opens with the choices of last time and keeps the confirmed ones; a job prints with the
    // seal picture and the supplier of the registered record.
    auto run = printjobs::PrintJobRunner(this, invoice, quotation);
    TPrtUntf dialog(
        this, printPageIndex_, lastStatementLine,
        [run](const PrintOptions &options) { run(stored::WithSupplierRecord(options)); }, stored::PrintDialogChoices(),
        &stored::KeepPrintDialogChoices);
    prtUntf_ = &dialog;
    dialog.exec();
    prtUntf_ = nullptr;
}
