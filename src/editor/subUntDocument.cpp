// New documents and their questions, clearing, the recalculation and the totals, help, the file-name label.
#include "subUnt.h"
#include "look.h"
#include "subUntGridCells.h"

#include "HStrGrid.h"
#include "arithmetic.h"

#include "errors.h"
#include "launch.h"
#include "masks.h"
#include "money.h"
#include "prompts.h"
#include "settings_keys.h"
#include "texts.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

namespace {

QString today() { return QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")); }

} // namespace

void TsubUntf::SetCurFileName(const QString &name) {
    curFileName_ = name;
    showFileName();
}

void TsubUntf::showFileName() {
    QLabel *label = nullptr;
    QFrame *bevel = nullptr;
    if (mPage->currentIndex() == 1) {
        label = fNameLabl;
        bevel = fnameBevl;
        label->setText(QStringLiteral("파일명: ") + curFileName_ + (readOnly_ ? QStringLiteral(" (읽기 전용)") : QString()));
    } else if (mPage->currentIndex() == 2) {
        label = kNameLabl;
        bevel = knameBevl;
        label->setText(QStringLiteral("파일명:") + curFileName_ + (readOnly_ ? QStringLiteral(" (읽기 전용)") : QString()));
    } else {
        return;
    }
    // The label is as wide as its text (within the tool panel); the bevel takes the label's width.
    const int room = label->parentWidget()->width() - label->x() - 70;
    const int wanted = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->indent() + 2;
    label->resize(qMax(10, room > 0 ? qMin(wanted, room) : wanted), label->height());
    bevel->resize(label->width(), bevel->height());
}

bool TsubUntf::ConfirmDropChanges() {
    const DocumentKind kind = CurrentKind();
    if (kind == DocumentKind::Registration || !modified_)
        return true;
    SaveAnswer answer;
    if (kind == DocumentKind::Quotation) {
        answer = AskSaveQuotation();
    } else {
        answer = prompts().askYesNoCancel(this, QStringLiteral("자료내용이 변경되었습니다 저장할 까요??"), kAppTitle);
        if (answer == SaveAnswer::Yes)
            SaveBtnClick();
    }
    if (answer == SaveAnswer::Cancel)
        return false;
    // A save that did not happen (its file dialog cancelled) keeps the document.
    return answer != SaveAnswer::Yes || !modified_;
}

void TsubUntf::NewfileClick() {
    if (!CommitPendingEdit() || !ConfirmDropChanges())
        return;
    aSaNo->setText(keys::read(keys::fSaNo));
    aSangho->setText(keys::read(keys::fSangho));
    aName->setText(keys::read(keys::fName));
    aAddr->setText(keys::read(keys::fAddr));
    aUpTea->setText(keys::read(keys::fUptea));
    aUpJong->setText(keys::read(keys::fUpjong));
    Gbn->setCurrentIndex(0);
    xPage->setCurrentIndex(0);
    dropLock();
    curFileName_ = kUnnamedFile;
    ClearDocumentFields();
    showFileName();
    if (keys::read(keys::rBtn))
        rBtn1->setChecked(true);
    else
        rBtn2->setChecked(true);
    Recalculate(false);
    modified_ = false;
    bSaNo->setFocus();
    bSaNo->setCursorPosition(0);
}

void TsubUntf::NewkfileClick() {
    if (!CommitPendingEdit() || !ConfirmDropChanges())
        return;
    dropLock();
    curFileName_ = kUnnamedFile;
    ClearDocumentFields();
    showFileName();
    Recalculate(false);
    modified_ = false;
    SangHoEdt->setFocus();
    SangHoEdt->setCursorPosition(0);
}

SaveAnswer TsubUntf::AskSaveQuotation() {
    QApplication::beep();
    const QString question = QStringLiteral("자료내용이 변경되었습니다.\r저장하시겠습니까?");
    const SaveAnswer answer = prompts().askYesNoCancel(this, question, kAppTitle);
    if (answer == SaveAnswer::Yes)
        SavekBtnClick(); // clears the changed flag once the file is written
    else if (answer == SaveAnswer::No)
        modified_ = false; // the changes are given up
    // 취소 keeps the document and its changed flag.
    return answer;
}

void TsubUntf::ClearDocumentFields() {
    if (mPage->currentIndex() == 1) {
        for (QLineEdit *e : {JuMinNo, bSaNo, bSangho, bName, bAddr, bUpTea, bUpJong, DtysNo, grEdit})
            e->clear();
        DtyfNo->setText(QStringLiteral("0"));
        DtyeNo->setText(QStringLiteral("0"));
        DayEdt->setText(today());
        grDay->setText(today());
    } else if (mPage->currentIndex() == 2) {
        for (QLineEdit *e : {SangHoEdt, mTelEdit, NameEdt, AddrEdt})
            e->clear();
        Day1Edt->setText(today());
        Day2Edt->setText(today());
        fMemo->clear();
    }
    ClearItemGrids();
}

void TsubUntf::GridCalClick() {
    if (!CommitPendingEdit())
        return;
    Recalculate(mPage->currentIndex() == 1);
    QApplication::beep();
    ShowInfo(QStringLiteral("자료 재계산을 끝냈습니다."), this);
}

QString TsubUntf::HelpPageName() const {
    switch (CurrentKind()) {
    case DocumentKind::Registration: return QStringLiteral("freeuser.htm");
    case DocumentKind::TaxInvoice: return QStringLiteral("freedtys.htm");
    case DocumentKind::Statement: return QStringLiteral("freedtyg.htm");
    case DocumentKind::Quotation: return QStringLiteral("freeprce.htm");
    }
    return {};
}

void TsubUntf::mHelpClick() {
    // Docked beside the main window, as its own help is.
    ShowHelpPage(mainWindow_ ? mainWindow_ : this, HelpPageName());
}

void TsubUntf::Recalculate(bool keepSupply) {
    const DocumentKind kind = CurrentKind();
    if (kind == DocumentKind::TaxInvoice || kind == DocumentKind::Statement) {
        const bool statement = kind == DocumentKind::Statement;
        THStringGrid *grid = statement ? gGrid : dGrid;
        const GridKind gridKind = statement ? GridKind::Statement : GridKind::TaxInvoice;
        const InvoiceColumns c = ColumnsOf(gridKind);
        // Only the amounts count here; the cell being typed in counts as what it shows.
        QList<InvoiceLine> lines(ItemRowCount(gridKind));
        for (int r = 1; r <= lines.size(); ++r) {
            InvoiceLine &line = lines[r - 1];
            line.quantity = AmountNow(grid, gridKind, r, c.quantity);
            line.unitPrice = AmountNow(grid, gridKind, r, c.unitPrice);
            line.supply = AmountNow(grid, gridKind, r, c.supply);
            line.tax = AmountNow(grid, gridKind, r, c.tax);
        }
        const int current = grid->currentRow();
        const InvoiceTotals totals = RecalculateInvoice(lines, current, keepSupply);
        if (!keepSupply && current >= 1 && current <= lines.size())
            SetCellAmount(grid, gridKind, current, c.supply, lines.at(current - 1).supply);
        ShowInvoiceTotals(totals.supply, totals.tax);
    } else if (kind == DocumentKind::Quotation) {
        QList<QuotationLine> lines(ItemRowCount(GridKind::Quotation));
        for (int r = 1; r <= lines.size(); ++r) {
            lines[r - 1].quantity = AmountNow(kGrid, GridKind::Quotation, r, kcol::quantity);
            lines[r - 1].unitPrice = AmountNow(kGrid, GridKind::Quotation, r, kcol::unitPrice);
        }
        const QuotationTotals totals = RecalculateQuotation(lines);
        for (int r = 1; r <= lines.size(); ++r)
            SetCellAmount(kGrid, GridKind::Quotation, r, kcol::amount, lines.at(r - 1).amount());
        MsgLabel->setText(totals.MsgLabel);
    }
}

void TsubUntf::ShowInvoiceTotals(Money supply, Money tax) {
    const InvoiceTotals t = ::ShowInvoiceTotals(supply, tax);
    Totmy->setText(t.Totmy);
    gTotEdt->setText(t.Totmy);
    gMnyEdt->setText(t.gMnyEdt);
    gVatEdt->setText(t.gVatEdt);
    if (digitBoxes_.isEmpty()) {
        for (int i = 1; i <= 12; ++i)
            digitBoxes_ << findChild<QLabel *>(QStringLiteral("La%1").arg(i));
        for (int i = 1; i <= 10; ++i)
            digitBoxes_ << findChild<QLabel *>(QStringLiteral("Lb%1").arg(i));
    }
    // A sum with more digits than boxes shows "#" in red in every box, never a part of its digits.
    auto show = [](QLabel *box, const QString &text, bool overflow) {
        if (!box)
            return;
        if (box->text() != text)
            box->setText(text);
        const QColor colour = overflow ? look::Alarm() : look::Field().text;
        if (box->palette().color(QPalette::WindowText) != colour) {
            look::SetPair(box, {look::Field().background, colour});
            box->setToolTip(overflow ? QStringLiteral("합계가 칸의 자릿수를 넘습니다.") : QString());
        }
    };
    for (int i = 0; i < 12; ++i)
        show(digitBoxes_.at(i), t.La.value(i), t.supplyOverflow);
    for (int i = 0; i < 10; ++i)
        show(digitBoxes_.at(12 + i), t.Lb.value(i), t.taxOverflow);
}
