// The one place where the editor's controls become document snapshots and snapshots become controls.
// Storage, printing and export see the document only through these.

#include "subUnt.h"

#include "HStrGrid.h"
#include "document_snapshot.h"
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

QList<QStringList> gridRows(const THStringGrid *grid, int rows, int cols) {
    QList<QStringList> out;
    out.reserve(rows);
    for (int r = 1; r <= rows; ++r) {
        QStringList cells;
        cells.reserve(cols);
        for (int c = 0; c < cols; ++c)
            cells << grid->cellText(r, c);
        out << cells;
    }
    return out;
}

void showGridRows(THStringGrid *grid, const QList<QStringList> &rows, int count, int cols) {
    for (int r = 1; r <= count; ++r)
        for (int c = 0; c < cols; ++c)
            grid->setCellText(r, c, rows.value(r - 1).value(c));
}

} // namespace

InvoiceSnapshot TsubUntf::invoiceSnapshot() const {
    InvoiceSnapshot s;
    s.statement = sPage->currentIndex() == 1;
    s.aSaNo = shownText(aSaNo);
    s.aSangho = aSangho->text();
    s.aName = aName->text();
    s.aAddr = aAddr->text();
    s.aUpTea = aUpTea->text();
    s.aUpJong = aUpJong->text();
    s.Gbn = Gbn->currentIndex() == 1 ? BuyerKind::Individual : BuyerKind::Business;
    s.bSaNo = shownText(bSaNo);
    s.JuMinNo = shownText(JuMinNo);
    s.bSangho = bSangho->text();
    s.bName = bName->text();
    s.bAddr = bAddr->text();
    s.bUpTea = bUpTea->text();
    s.bUpJong = bUpJong->text();
    s.DayEdt = shownText(DayEdt);
    s.DtyfNo = DtyfNo->text();
    s.DtyeNo = DtyeNo->text();
    s.DtysNo = shownText(DtysNo);
    s.grDay = shownText(grDay);
    s.grEdit = grEdit->text();
    s.Totmy = Totmy->text();
    s.Cashmy = Cashmy->text();
    s.Checkmy = Checkmy->text();
    s.Billmy = Billmy->text();
    s.Creditmy = Creditmy->text();
    s.receipt = rBtn1->isChecked();
    s.dGrid = gridRows(dGrid, ItemRowCount(GridKind::TaxInvoice), ColumnCount(GridKind::TaxInvoice));
    s.gGrid = gridRows(gGrid, ItemRowCount(GridKind::Statement), ColumnCount(GridKind::Statement));
    s.gTotEdt = gTotEdt->text();
    s.gMnyEdt = gMnyEdt->text();
    s.gVatEdt = gVatEdt->text();
    for (int i = 1; i <= 12; ++i)
        if (auto *box = findChild<QLabel *>(QStringLiteral("La%1").arg(i)))
            s.La[i - 1] = box->text();
    for (int i = 1; i <= 10; ++i)
        if (auto *box = findChild<QLabel *>(QStringLiteral("Lb%1").arg(i)))
            s.Lb[i - 1] = box->text();
    return s;
}

void TsubUntf::showInvoiceSnapshot(const InvoiceSnapshot &s) {
    aSaNo->setText(s.aSaNo);
    aSangho->setText(s.aSangho);
    aName->setText(s.aName);
    aAddr->setText(s.aAddr);
    aUpTea->setText(s.aUpTea);
    aUpJong->setText(s.aUpJong);
    const int buyer = s.Gbn == BuyerKind::Individual ? 1 : 0;
    Gbn->setCurrentIndex(buyer);
    xPage->setCurrentIndex(buyer);
    bSaNo->setText(s.bSaNo);
    JuMinNo->setText(s.JuMinNo);
    bSangho->setText(s.bSangho);
    bName->setText(s.bName);
    bAddr->setText(s.bAddr);
    bUpTea->setText(s.bUpTea);
    bUpJong->setText(s.bUpJong);
    DayEdt->setText(s.DayEdt);
    DtyfNo->setText(s.DtyfNo);
    DtyeNo->setText(s.DtyeNo);
    DtysNo->setText(s.DtysNo);
    grDay->setText(s.grDay);
    grEdit->setText(s.grEdit);
    Totmy->setText(s.Totmy);
    Cashmy->setText(s.Cashmy);
    Checkmy->setText(s.Checkmy);
    Billmy->setText(s.Billmy);
    Creditmy->setText(s.Creditmy);
    (s.receipt ? rBtn1 : rBtn2)->setChecked(true);
    showGridRows(dGrid, s.dGrid, ItemRowCount(GridKind::TaxInvoice), ColumnCount(GridKind::TaxInvoice));
    showGridRows(gGrid, s.gGrid, ItemRowCount(GridKind::Statement), ColumnCount(GridKind::Statement));
    gTotEdt->setText(s.gTotEdt);
    gMnyEdt->setText(s.gMnyEdt);
    gVatEdt->setText(s.gVatEdt);
    for (int i = 1; i <= 12; ++i)
        if (auto *box = findChild<QLabel *>(QStringLiteral("La%1").arg(i)))
            box->setText(s.La.value(i - 1));
    for (int i = 1; i <= 10; ++i)
        if (auto *box = findChild<QLabel *>(QStringLiteral("Lb%1").arg(i)))
            box->setText(s.Lb.value(i - 1));
}

QuotationSnapshot TsubUntf::quotationSnapshot() const {
    QuotationSnapshot q;
    q.SangHoEdt = SangHoEdt->text();
    q.mTelEdit = shownText(mTelEdit);
    q.NameEdt = NameEdt->text();
    q.AddrEdt = AddrEdt->text();
    q.Day1Edt = shownText(Day1Edt);
    q.Day2Edt = shownText(Day2Edt);
    const QString memo = fMemo->toPlainText();
    q.fMemo = memo.isEmpty() ? QStringList() : memo.split(u'\n');
    q.kGrid = gridRows(kGrid, ItemRowCount(GridKind::Quotation), ColumnCount(GridKind::Quotation));
    q.MsgLabel = MsgLabel->text();
    return q;
}

void TsubUntf::showQuotationSnapshot(const QuotationSnapshot &q) {
    SangHoEdt->setText(q.SangHoEdt);
    mTelEdit->setText(q.mTelEdit);
    NameEdt->setText(q.NameEdt);
    AddrEdt->setText(q.AddrEdt);
    Day1Edt->setText(q.Day1Edt);
    Day2Edt->setText(q.Day2Edt);
    fMemo->setPlainText(q.fMemo.join(u'\n'));
    showGridRows(kGrid, q.kGrid, ItemRowCount(GridKind::Quotation), ColumnCount(GridKind::Quotation));
    if (!q.MsgLabel.isEmpty())
        MsgLabel->setText(q.MsgLabel);
}
