// The registration page: the supplier record read from and written to the settings file, and the seal
// picture's preview. Its Enter order, filters and F11 are the fields' (subUntFields.cpp).
#include "subUnt.h"

#include "masks.h"
#include "prompts.h"
#include "settings_keys.h"
#include "texts.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>

void TsubUntf::fillRegistrationPage() {
    installFieldBehaviour();
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
