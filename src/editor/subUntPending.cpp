// Commands whose behaviour arrives with the document files, the quotation files, the print dialog, the
// spreadsheet export and the amount computation. Until then each says that it is not yet available; the
// work that replaces one removes it from this file.
#include "subUnt.h"

#include "prompts.h"

#include <QStackedWidget>

void TsubUntf::fOpenClick() { ShowInfo(kNotYetAvailable, this); }
void TsubUntf::SaveBtnClick() { ShowInfo(kNotYetAvailable, this); }
void TsubUntf::RnameBtnClick() { ShowInfo(kNotYetAvailable, this); }
void TsubUntf::kOpenClick() { ShowInfo(kNotYetAvailable, this); }
void TsubUntf::SavekBtnClick() { ShowInfo(kNotYetAvailable, this); }
void TsubUntf::RnamekBtnClick() { ShowInfo(kNotYetAvailable, this); }
void TsubUntf::ExlBtnClick() { ShowInfo(kNotYetAvailable, this); }
void TsubUntf::OpenRClick() { ShowInfo(kNotYetAvailable, this); }

void TsubUntf::PrtBtnClick() {
    if (prtUntf_)
        return;
    printPageIndex_ = mPage->currentIndex() == 1 ? sPage->currentIndex() : 2;
    // The print dialog is created here, owned by the editor, shown modally and destroyed afterwards.
    ShowInfo(kNotYetAvailable, this);
}

// The totals of a new document are the zeros the fields start with; the computation over the grid lines
// replaces this.
void TsubUntf::Recalculate(bool) {}
