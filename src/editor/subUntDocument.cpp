// New documents and their questions, clearing, the recalculation command, help, the file-name label,
// and the registration page's record.
#include "subUnt.h"

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
        label->setText(QStringLiteral("파일명: ") + curFileName_);
    } else if (mPage->currentIndex() == 2) {
        label = kNameLabl;
        bevel = knameBevl;
        label->setText(QStringLiteral("파일명:") + curFileName_);
    } else {
        return;
    }
    // The label is as wide as its text (within the tool panel); the bevel takes the label's width.
    const int room = label->parentWidget()->width() - label->x() - 70;
    const int wanted = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->indent() + 2;
    label->resize(qMax(10, room > 0 ? qMin(wanted, room) : wanted), label->height());
    bevel->resize(label->width(), bevel->height());
}

bool TsubUntf::HasUnsavedAmounts() const {
    if (!modified_)
        return false;
    // The grand total may carry the won sign of the money text.
    QString total = Totmy->text();
    total.remove(QChar(0x20A9)).remove(u'\\');
    try {
        return ParseAmount(total) != Money();
    } catch (const NumberConversionError &) {
        return true; // a total that cannot be read is not known to be zero
    }
}

void TsubUntf::NewfileClick() {
    if (curFileName_ != kUnnamedFile && HasUnsavedAmounts()) {
        if (AskYesNo(QStringLiteral("자료내용이 변경되었습니다 저장할 까요??"), this))
            SaveBtnClick();
    }
    aSaNo->setText(keys::read(keys::fSaNo));
    aSangho->setText(keys::read(keys::fSangho));
    aName->setText(keys::read(keys::fName));
    aAddr->setText(keys::read(keys::fAddr));
    aUpTea->setText(keys::read(keys::fUptea));
    aUpJong->setText(keys::read(keys::fUpjong));
    Gbn->setCurrentIndex(0);
    xPage->setCurrentIndex(0);
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
    if (curFileName_ != kUnnamedFile && modified_) {
        if (AskSaveQuotation() == SaveAnswer::Cancel)
            return;
    }
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
        SavekBtnClick();
    modified_ = false;
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

void TsubUntf::fillRegistrationPage() {
    SanghoEdit->setText(keys::read(keys::fSangho));
    NameEdit->setText(keys::read(keys::fName));
    TelEdit->setText(PhoneDisplayText(keys::read(keys::fTel)));
    UpteaEdit->setText(keys::read(keys::fUptea));
    UpjongEdit->setText(keys::read(keys::fUpjong));
    SanoEdit->setText(keys::read(keys::fSaNo));
    AddrEdit->setText(keys::read(keys::fAddr));
    const bool noSeal = keys::read(keys::djnousr);
    dojOk->setChecked(!noSeal);
    dojVoid->setChecked(noSeal);
    imgDir->setText(keys::readSealPath());
}

void TsubUntf::msOk0Click() {
    keys::write(keys::fSangho, SanghoEdit->text());
    keys::write(keys::fName, NameEdit->text());
    keys::write(keys::fTel, PhoneStoredText(TelEdit->text(), 4));
    keys::write(keys::fUptea, UpteaEdit->text());
    keys::write(keys::fUpjong, UpjongEdit->text());
    keys::write(keys::fSaNo, MaskedValue(SanoEdit));
    keys::write(keys::fAddr, AddrEdit->text());
    keys::write(keys::djnousr, dojVoid->isChecked());
    keys::write(keys::dojImge, imgDir->text());
    accept();
}

void TsubUntf::imgDirChange() {
    const QFileInfo file(imgDir->text());
    if (!file.isFile())
        return;
    QPixmap picture(file.filePath());
    if (picture.isNull())
        return;
    // A picture larger than the preview place (66 x 65 in the "사용도장" box) is shown scaled down to fit.
    const QSize box(66, 65);
    if (picture.width() > box.width() || picture.height() > box.height())
        picture = picture.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    dojmge->setPixmap(picture);
    dojmge->resize(picture.size());
}

void TsubUntf::imgDirBrowse() {
    FileDialogRequest request;
    request.title = QStringLiteral("도장그림을 선택합니다.");
    const QFileInfo current(imgDir->text());
    request.folder = current.absolutePath();
    request.fileName = current.fileName();
    request.filter = QStringLiteral("All files (*.bmp)");
    request.filterIndex = 1;
    request.defaultSuffix = QStringLiteral("bmp");
    const QString chosen = prompts().openFile(this, request);
    if (!chosen.isEmpty())
        imgDir->setText(chosen);
}
