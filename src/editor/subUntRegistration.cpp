// The registration page: the supplier record read from and written to the settings file, and the seal
// picture's preview. Its Enter order, filters and F11 are the fields' (subUntFields.cpp).
#include "subUnt.h"

#include "masks.h"
#include "prompts.h"
#include "seal_picture.h"
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
    MailEdit->setText(keys::read(keys::fMail));
    const bool noSeal = keys::read(keys::djnousr);
    dojOk->setChecked(!noSeal);
    dojVoid->setChecked(noSeal);
    imgDir->setText(keys::readSealPath());
    sealPathJudged_ = imgDir->text();
}

void TsubUntf::tellSealProblem(const QString &path) {
    sealPathJudged_ = path;
    const report::SealPicture seal = report::ReadSealPicture(path);
    if (seal.ok())
        return;
    ShowInfo(QStringLiteral("도장 그림으로 쓸 수 없습니다: %1\n%2\n\n이 그림은 인쇄되지 않습니다. "
                            "파일을 고치거나 다른 그림 파일을 선택하세요.")
                 .arg(seal.problem, path),
             this);
}

void TsubUntf::msOk0Click() {
    // A path typed since the page opened is judged here rather than at every key. The record is written
    // all the same: the file may be put right later.
    if (const QString seal = imgDir->text(); seal != sealPathJudged_ && !seal.trimmed().isEmpty())
        tellSealProblem(seal);
    keys::write(keys::fSangho, SanghoEdit->text());
    keys::write(keys::fName, NameEdit->text());
    keys::write(keys::fTel, PhoneStoredText(TelEdit->text(), 4));
    keys::write(keys::fUptea, UpteaEdit->text());
    keys::write(keys::fUpjong, UpjongEdit->text());
    keys::write(keys::fSaNo, MaskedValue(SanoEdit));
    keys::write(keys::fAddr, AddrEdit->text());
    keys::write(keys::fMail, MailEdit->text().trimmed());
    keys::write(keys::djnousr, dojVoid->isChecked());
    keys::write(keys::dojImge, imgDir->text());
    accept();
}

void TsubUntf::imgDirChange() {
    // The picture at the path, or none: a picture that cannot serve as a seal is not shown. What is wrong
    // with it is told after 찾기 and on 적용, not while the path is being typed.
    const report::SealPicture seal = report::ReadSealPicture(imgDir->text());
    if (!seal.ok()) {
        dojmge->clear();
        return;
    }
    QPixmap picture = QPixmap::fromImage(seal.image);
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
    if (chosen.isEmpty())
        return;
    // The same name chosen again: its file may have changed meanwhile.
    if (chosen == imgDir->text())
        imgDirChange();
    else
        imgDir->setText(chosen);
    tellSealProblem(chosen);
}
