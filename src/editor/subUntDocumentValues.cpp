// The one place where the editor's controls become document values and values become controls: the
// control names stay here. Storage, printing and export see the document only through these.

#include "subUnt.h"

#include "HStrGrid.h"
#include "subUntGridCells.h"
#include "document.h"
#include "masks.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

// What a masked edit shows, blanks for the places not typed yet; empty when nothing is typed.
QString shownText(const QLineEdit *edit) {
    if (edit->inputMask().isEmpty())
        return edit->text();
    if (MaskedValue(edit).isEmpty())
        return QString();
    QString shown = edit->displayText();
    const QString mask = edit->inputMask();
    const qsizetype sep = mask.lastIndexOf(u';');
    if (sep >= 0 && sep + 1 < mask.size())
        shown.replace(mask.at(sep + 1), u' ');
    return shown.trimmed();
}

// A payment field's amount: what is typed, with or without the won sign; empty is 0.
Money paymentOf(const QLineEdit *edit, const QString &name) {
    QString text = edit->text();
    text.remove(QChar(0x20A9));
    try {
        return ParseAmount(text);
    } catch (const NumberConversionError &) {
        throw NumberConversionError(text, QStringLiteral("%1 \"%2\"이(가) 숫자가 아닙니다.").arg(name, text.trimmed()));
    }
}

} // namespace

InvoiceDocument TsubUntf::invoiceDocument() const {
    InvoiceDocument d;
    d.statement = sPage->currentIndex() == 1;
    d.supplier.number = shownText(aSaNo);
    d.supplier.name = aSangho->text();
    d.supplier.representative = aName->text();
    d.supplier.address = aAddr->text();
    d.supplier.businessType = aUpTea->text();
    d.supplier.businessItem = aUpJong->text();
    d.buyerKind = Gbn->currentIndex() == 1 ? BuyerKind::Individual : BuyerKind::Business;
    d.buyer.number = shownText(d.buyerKind == BuyerKind::Individual ? JuMinNo : bSaNo);
    d.buyer.name = bSangho->text();
    d.buyer.representative = bName->text();
    d.buyer.address = bAddr->text();
    d.buyer.businessType = bUpTea->text();
    d.buyer.businessItem = bUpJong->text();
    d.issueDate = shownText(DayEdt);
    d.statementDate = shownText(grDay);
    d.bookVolume = DtyfNo->text();
    d.bookNumber = DtyeNo->text();
    d.serialNumber = shownText(DtysNo);
    d.description = grEdit->text();
    d.cash = paymentOf(Cashmy, QStringLiteral("현금"));
    d.check = paymentOf(Checkmy, QStringLiteral("수표"));
    d.bill = paymentOf(Billmy, QStringLiteral("어음"));
    d.credit = paymentOf(Creditmy, QStringLiteral("외상미수금"));
    d.receipt = rBtn1->isChecked();
    d.lines = InvoiceLinesOf(d.statement ? gGrid : dGrid, d.kind());
    return d;
}

void TsubUntf::showInvoiceDocument(const InvoiceDocument &d) {
    // The lines first: an amount the grid cannot hold leaves everything as it was.
    ShowInvoiceLines(d.statement ? gGrid : dGrid, d.kind(), d.lines);
    aSaNo->setText(d.supplier.number);
    aSangho->setText(d.supplier.name);
    aName->setText(d.supplier.representative);
    aAddr->setText(d.supplier.address);
    aUpTea->setText(d.supplier.businessType);
    aUpJong->setText(d.supplier.businessItem);
    const bool individual = d.buyerKind == BuyerKind::Individual;
    Gbn->setCurrentIndex(individual ? 1 : 0);
    xPage->setCurrentIndex(individual ? 1 : 0);
    bSaNo->setText(individual ? QString() : d.buyer.number);
    JuMinNo->setText(individual ? d.buyer.number : QString());
    bSangho->setText(d.buyer.name);
    bName->setText(d.buyer.representative);
    bAddr->setText(d.buyer.address);
    bUpTea->setText(d.buyer.businessType);
    bUpJong->setText(d.buyer.businessItem);
    DayEdt->setText(d.issueDate);
    DtyfNo->setText(d.bookVolume);
    DtyeNo->setText(d.bookNumber);
    DtysNo->setText(d.serialNumber);
    grDay->setText(d.statementDate);
    grEdit->setText(d.description);
    Cashmy->setText(DecimalText(d.cash));
    Checkmy->setText(DecimalText(d.check));
    Billmy->setText(DecimalText(d.bill));
    Creditmy->setText(DecimalText(d.credit));
    (d.receipt ? rBtn1 : rBtn2)->setChecked(true);
    ShowInvoiceTotals(d.supplyTotal(), d.taxTotal());
}

QuotationDocument TsubUntf::quotationDocument() const {
    QuotationDocument q;
    q.recipient = SangHoEdt->text();
    q.phone = shownText(mTelEdit);
    q.contact = NameEdt->text();
    q.address = AddrEdt->text();
    q.quoteDate = shownText(Day1Edt);
    q.deliveryDate = shownText(Day2Edt);
    const QString memo = fMemo->toPlainText();
    q.memo = memo.isEmpty() ? QStringList() : memo.split(u'\n');
    q.lines = QuotationLinesOf(kGrid);
    return q;
}

void TsubUntf::showQuotationDocument(const QuotationDocument &q) {
    ShowQuotationLines(kGrid, q.lines);
    SangHoEdt->setText(q.recipient);
    mTelEdit->setText(q.phone);
    NameEdt->setText(q.contact);
    AddrEdt->setText(q.address);
    Day1Edt->setText(q.quoteDate);
    Day2Edt->setText(q.deliveryDate);
    fMemo->setPlainText(q.memo.join(u'\n'));
    MsgLabel->setText(q.amountLine());
}
