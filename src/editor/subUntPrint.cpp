// The editor's print command: the print dialog on the page of the document shown, whose "확인" runs the
// print job on the document as it stands when the dialog opens.

#include "subUnt.h"

#include "PrtUnit.h"
#include "print_jobs.h"

#include <QStackedWidget>

void TsubUntf::PrtBtnClick() {
    if (prtUntf_ || !CommitPendingEdit())
        return;
    printPageIndex_ = mPage->currentIndex() == 1 ? sPage->currentIndex() : 2;
    const InvoiceSnapshot invoice = invoiceSnapshot();
    const QuotationSnapshot quotation = quotationSnapshot();
    TPrtUntf dialog(this, printPageIndex_, invoice.gGrid, printjobs::PrintJobRunner(this, invoice, quotation));
    prtUntf_ = &dialog;
    dialog.exec();
    prtUntf_ = nullptr;
}
