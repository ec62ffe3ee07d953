// The tool buttons "엑셀전송": the document on screen handed to the spreadsheet program as a finished
// paper form. The export only reads the editor; the document, its name and its changed flag stay as they
// are whatever happens.
//
// The seal picture follows the supplier record: none when "djnousr" is set (or absent), else the picture
// "dojImge" (by default "dojang.bmp" in the application folder). The record is read as each export
// starts, so a change made in the registration page or the print dialog counts at once.
#include "subUnt.h"

#include "prompts.h"
#include "seal_picture.h"
#include "spreadsheet_export.h"
#include "stored_settings.h"

#include <QStackedWidget>

namespace {

// A seal picture that cannot be used is told about, and the sheet is made without it.
sheet::ExportSettings withUsableSeal(sheet::ExportSettings settings, QWidget *editor) {
    if (settings.sealPath.isEmpty())
        return settings;
    const report::SealPicture seal = report::ReadSealPicture(settings.sealPath);
    if (!seal.ok()) {
        ShowInfo(QStringLiteral("도장 그림을 넣을 수 없습니다: %1\n%2\n\n도장 없이 엑셀로 보냅니다.")
                     .arg(seal.problem, settings.sealPath),
                 editor);
        settings.sealPath.clear();
    }
    return settings;
}

} // namespace

void TsubUntf::ExlBtnClick() {
    if (mPage->currentIndex() == 1)
        ExlBtn0Click();
    else if (mPage->currentIndex() == 2)
        ExlBtn2Click();
}

// Tax invoice or transaction statement, by the page of sPage shown.
void TsubUntf::ExlBtn0Click() {
    if (CommitPendingEdit())
        ExportInvoiceSheet(invoiceDocument(), withUsableSeal(stored::InvoiceExport(sPage->currentIndex() == 1), this),
                           this);
}

void TsubUntf::ExlBtn2Click() {
    if (CommitPendingEdit())
        ExportQuotationSheet(quotationDocument(), withUsableSeal(stored::QuotationExport(), this), this);
}
