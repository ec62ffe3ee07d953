#include "stored_settings.h"

#include "settings_keys.h"

namespace stored {

namespace {

QString exportSeal() { return keys::read(keys::djnousr) ? QString() : keys::readSealPath(); }

} // namespace

sheet::ExportSettings InvoiceExport(bool statement) {
    sheet::ExportSettings s;
    s.sealPath = exportSeal();
    s.message = statement ? keys::readMessage(keys::fMsg2, QString::fromUtf16(keys::kExportMessageStatement))
                          : keys::readMessage(keys::fMsge, QString::fromUtf16(keys::kExportMessageInvoice));
    return s;
}

sheet::ExportSettings QuotationExport() {
    sheet::ExportSettings s;
    s.sealPath = exportSeal();
    s.sangho = keys::read(keys::fSangho);
    s.upjong = keys::read(keys::fUpjong);
    s.saNo = keys::read(keys::fSaNo);
    s.name = keys::read(keys::fName);
    s.addr = keys::read(keys::fAddr);
    s.tel = keys::read(keys::fTel, QString::fromUtf16(sample::kQuotationTel));
    return s;
}

PrintChoices PrintDialogChoices() {
    PrintChoices c;
    c.invoiceTop = keys::read(keys::fdTop);
    c.invoiceLeft = keys::read(keys::fdLft);
    c.statementTop = keys::read(keys::fgTop);
    c.statementLeft = keys::read(keys::fgLft);
    c.quotationTop = keys::read(keys::pTop2);
    c.quotationLeft = keys::read(keys::pLft2);
    c.blackWhite = keys::read(keys::PKind);
    c.preview = keys::read(keys::Prvew);
    c.formPaper = keys::read(keys::pFrm);
    c.seal = !keys::read(keys::djnousr);
    c.invoiceWithTax = keys::read(keys::dType);
    c.statementForm = keys::read(keys::gType);
    c.balanceShown = keys::read(keys::misu);
    c.invoiceMessage = keys::readMessage(keys::fMsge);
    c.statementMessage = keys::readMessage(keys::fMsg2);
    return c;
}

void KeepPrintDialogChoices(PrintPage page, const PrintChoices &c) {
    switch (page) {
    case PrintPage::TaxInvoice:
        keys::write(keys::PKind, c.blackWhite);
        keys::write(keys::fMsge, WithoutMessageHint(c.invoiceMessage));
        keys::write(keys::fdTop, c.invoiceTop);
        keys::write(keys::fdLft, c.invoiceLeft);
        keys::write(keys::Prvew, c.preview);
        keys::write(keys::pFrm, c.formPaper);
        keys::write(keys::dType, c.invoiceWithTax);
        keys::write(keys::djnousr, !c.seal);
        break;
    case PrintPage::Statement:
        keys::write(keys::PKind, c.blackWhite);
        keys::write(keys::misu, c.balanceShown);
        keys::write(keys::fMsg2, WithoutMessageHint(c.statementMessage));
        keys::write(keys::fgTop, c.statementTop);
        keys::write(keys::fgLft, c.statementLeft);
        keys::write(keys::Prvew, c.preview);
        keys::write(keys::pFrm, c.formPaper);
        keys::write(keys::gType, c.statementForm);
        keys::write(keys::djnousr, !c.seal);
        break;
    case PrintPage::Quotation:
        keys::write(keys::pTop2, c.quotationTop);
        keys::write(keys::pLft2, c.quotationLeft);
        keys::write(keys::Prvew, c.preview);
        keys::write(keys::djnousr, !c.seal);
        break;
    }
}

PrintOptions WithSupplierRecord(PrintOptions o) {
    o.sealPicture = keys::readSealPath();
    o.supplier = keys::readSupplier();
    o.supplier.name = keys::read(keys::fSangho, QString::fromUtf16(sample::kQuotationSangho));
    o.supplier.address = keys::read(keys::fAddr, QString::fromUtf16(sample::kQuotationAddr));
    return o;
}

} // namespace stored
