// The registration page: the supplier record from the settings file and back, the seal preview, and the
// page's keys.
#include "behaviour_fixture.h"
#include "codec.h"
#include "settings_keys.h"
#include "texts.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>

struct Registration : BehaviourFixture {
    QRadioButton *radio(const char *name) { return child<QRadioButton>(QString::fromLatin1(name)); }
    void click(const char *button) {
        QTest::mouseClick(child<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }
};

// A fresh installation's page is checked with the editor's pages (test_editor.cpp).

TEST_F(Registration, ApplyWritesTheRecordInOrderAndUsingTheSealClearsTheFlag) {
    open(0);
    edit("SanghoEdit")->setText(u8("마바상사"));
    edit("NameEdit")->setText(QString());
    edit("TelEdit")->setText(QStringLiteral("031-123-4567"));
    radio("dojOk")->setChecked(true);
    click("msOk0");
    EXPECT_FALSE(editor->isVisible());

    const QString ini = cp949::decode(app.read(QStringLiteral("ZaruZiz.ini")));
    const QStringList keys{QStringLiteral("fSangho="), QStringLiteral("fName="),   QStringLiteral("fTel="),
                           QStringLiteral("fUptea="),  QStringLiteral("fUpjong="), QStringLiteral("fSaNo="),
                           QStringLiteral("fAddr="),   QStringLiteral("djnousr="), QStringLiteral("dojImge=")};
    qsizetype at = -1;
    for (const QString &key : keys) {
        const qsizetype next = ini.indexOf(key);
        EXPECT_GT(next, at) << key.toStdString();
        at = next;
    }
    EXPECT_TRUE(ini.contains(QStringLiteral("djnousr=0")));
    EXPECT_TRUE(ini.contains(QStringLiteral("fName=\r\n"))) << "an empty field is written empty";
    EXPECT_EQ(keys::read(keys::fTel), PhoneStoredText(QStringLiteral("031-123-4567"), 4));

    open(0);
    EXPECT_TRUE(radio("dojOk")->isChecked());
    EXPECT_EQ(edit("SanghoEdit")->text(), u8("마바상사"));
    EXPECT_EQ(edit("TelEdit")->text(), QStringLiteral("031- 123-4567"));
}

// The e-mail for electronic tax invoices: a settings file from before it reads as none, and what is
// applied comes back on the next opening.
TEST_F(Registration, TheEmailIsKeptUnderItsOwnKey) {
    app.write(QStringLiteral("ZaruZiz.ini"), cp("[등록]\r\nfSangho=가나상사\r\n"));
    open(0);
    EXPECT_EQ(edit("MailEdit")->text(), QString());
    edit("MailEdit")->setText(QStringLiteral(" tax@gana.co.kr "));
    click("msOk0");
    EXPECT_EQ(keys::read(keys::fMail), QStringLiteral("tax@gana.co.kr"));
    EXPECT_TRUE(cp949::decode(app.read(QStringLiteral("ZaruZiz.ini"))).contains(QStringLiteral("fMail=tax@gana.co.kr")));
    open(0);
    EXPECT_EQ(edit("MailEdit")->text(), QStringLiteral("tax@gana.co.kr"));
}

TEST_F(Registration, CancelLeavesTheSettingsFileByteForByte) {
    const QByteArray original = cp("; 설정\r\n[등록]\r\nfSangho=가나상사\r\ndjnousr=1\r\n\r\n[여백]\r\nfdTop=3\r\n");
    app.write(QStringLiteral("ZaruZiz.ini"), original);
    open(0);
    EXPECT_EQ(edit("SanghoEdit")->text(), u8("가나상사"));
    edit("SanghoEdit")->setText(u8("바뀐상사"));
    edit("AddrEdit")->setText(u8("부산"));
    radio("dojOk")->setChecked(true);
    click("mVoide0");
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(app.read(QStringLiteral("ZaruZiz.ini")), original);
}

TEST_F(Registration, KeysOfThePage) {
    open(0);
    const char *order[] = {"SanghoEdit", "NameEdit", "TelEdit",  "UpteaEdit",
                           "UpjongEdit", "SanoEdit", "MailEdit", "AddrEdit"};
    edit("SanghoEdit")->setFocus();
    for (const char *name : order) {
        ASSERT_EQ(QApplication::focusWidget(), edit(name)) << name;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget(), child(QStringLiteral("mPage")));
    EXPECT_FALSE(editor->Modified());

    // The telephone takes "-" and digits only.
    QLineEdit *tel = edit("TelEdit");
    tel->setFocus();
    tel->clear();
    QTest::keyClicks(tel, QStringLiteral("o2-l23-4S67"));
    EXPECT_EQ(tel->text(), QStringLiteral("2-23-467"));

    // F11 in the company name.
    pickerResult = u8("㈜");
    edit("SanghoEdit")->setFocus();
    edit("SanghoEdit")->end(false);
    QTest::keyClick(edit("SanghoEdit"), Qt::Key_F11);
    EXPECT_EQ(edit("SanghoEdit")->text(), QString::fromUtf16(sample::kSangho) + u8("㈜"));
}

TEST_F(Registration, AnOversizedSealIsScaledIntoThePreviewBox) {
    QImage seal(200, 100, QImage::Format_RGB32);
    seal.fill(Qt::red);
    ASSERT_TRUE(seal.save(app.file(QStringLiteral("dojang.bmp"))));
    open(0);
    auto *preview = child<QLabel>(QStringLiteral("dojmge"));
    ASSERT_FALSE(preview->pixmap().isNull());
    EXPECT_EQ(preview->pixmap().size(), QSize(66, 33));
    EXPECT_EQ(preview->size(), QSize(66, 33));
    // Inside the "사용도장" box.
    EXPECT_TRUE(preview->parentWidget()->rect().contains(preview->geometry()));
    QDir().mkpath(QStringLiteral(ZARU_SCREENSHOT_DIR));
    EXPECT_TRUE(editor->grab().save(QStringLiteral(ZARU_SCREENSHOT_DIR "/registration_seal.png")));
}

// A picture that cannot serve as a seal is told when it is chosen with 찾기, and a typed path on 적용 (not
// at every key); it shows no preview, and the record keeps the path all the same.
TEST_F(Registration, ASealPictureThatCannotBeUsedIsToldAndNotShown) {
    app.write(QStringLiteral("dojang.bmp"), BmpBytes(40, 30));
    app.write(QStringLiteral("memo.bmp"), u8("도장 그림이 아닙니다\n").toUtf8());
    const auto told = [](const QString &reason, const QString &path) {
        return u8("도장 그림으로 쓸 수 없습니다: ") + reason + u'\n' + path +
               u8("\n\n이 그림은 인쇄되지 않습니다. 파일을 고치거나 다른 그림 파일을 선택하세요.");
    };
    open(0);
    auto *preview = child<QLabel>(QStringLiteral("dojmge"));
    ASSERT_FALSE(preview->pixmap().isNull());

    prompts.fileAnswers = {app.file(QStringLiteral("memo.bmp"))};
    QTest::mouseClick(child<QToolButton>(QStringLiteral("imgDirBtn")), Qt::LeftButton);
    EXPECT_EQ(prompts.shown,
              QStringList{told(u8("그림 파일이 아니거나 손상된 파일입니다."), app.file(QStringLiteral("memo.bmp")))});
    EXPECT_TRUE(preview->pixmap().isNull());

    prompts.shown.clear();
    QLineEdit *path = edit("imgDir");
    path->selectAll();
    QTest::keyClicks(path, app.file(QStringLiteral("gone.bmp")));
    EXPECT_TRUE(prompts.shown.isEmpty());
    click("msOk0");
    EXPECT_EQ(prompts.shown, QStringList{told(u8("파일이 없습니다."), app.file(QStringLiteral("gone.bmp")))});
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(keys::read(keys::dojImge, QString()), app.file(QStringLiteral("gone.bmp")));
}
