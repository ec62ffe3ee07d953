#include "BtChkBox.h"
#include "PrtUnit.h"
#include "stored_settings.h"
#include "document.h"
#include "print_fill.h"
#include "settings_keys.h"
#include "test_support.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

// A statement whose first `filled` lines hold an item.
InvoiceDocument statementWithLines(int filled) {
    InvoiceDocument d = InvoiceDocument::empty(true);
    for (int i = 0; i < filled; ++i)
        d.lines[i].item = s("품목") + QString::number(i + 1);
    return d;
}

struct DialogFixture : ::testing::Test {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QList<PrintOptions> jobs;
    std::unique_ptr<TPrtUntf> dialog;

    void open(int page, const InvoiceDocument &statement = InvoiceDocument::empty(true)) {
        // The choices of last time from the settings file, and the confirmed ones kept there, as the
        // editor opens the dialog.
        dialog = std::make_unique<TPrtUntf>(
            nullptr, page, statement.lastFilledLine(), [this](const PrintOptions &o) { jobs << o; },
            stored::PrintDialogChoices(), &stored::KeepPrintDialogChoices);
        dialog->show();
    }
    template <typename W> W *w(const char *name) {
        auto *x = dialog->findChild<W *>(QString::fromLatin1(name));
        EXPECT_NE(x, nullptr) << name;
        return x;
    }
    void click(const char *name) { QTest::mouseClick(w<QAbstractButton>(name), Qt::LeftButton); }
};

} // namespace

TEST_F(DialogFixture, TaxInvoicePageDefaultsWithoutSettingsFile) {
    open(0);
    EXPECT_EQ(dialog->size(), QSize(380, 195));
    EXPECT_TRUE(w<QCheckBox>("PrvCheck0")->isChecked());
    EXPECT_FALSE(w<QCheckBox>("PrvFrm0")->isChecked());
    EXPECT_EQ(w<QLineEdit>("TopEdt0")->text(), s("0"));
    EXPECT_EQ(w<QLineEdit>("LftEdt0")->text(), s("0"));
    EXPECT_FALSE(w<TBitCheckBox>("pKind0")->Checked());
    EXPECT_TRUE(w<QRadioButton>("PrtARadio0")->isChecked());
    EXPECT_FALSE(w<QCheckBox>("dojOk0")->isChecked());
    EXPECT_EQ(w<QLineEdit>("ptMsg0")->text(), QString()); // the default message is only a hint
    EXPECT_EQ(w<QLineEdit>("ptMsg0")->placeholderText(), s("계산서에 전달할 메시지 적는 부분...."));
    EXPECT_EQ(TPrtUntf::instance(), dialog.get());
    dialog.reset();
    EXPECT_EQ(TPrtUntf::instance(), nullptr);
}

TEST_F(DialogFixture, StatementAndQuotationPageDefaults) {
    open(1);
    EXPECT_EQ(dialog->size(), QSize(380, 220));
    EXPECT_TRUE(w<QCheckBox>("misuCk")->isChecked());
    EXPECT_TRUE(w<QRadioButton>("PrtARadio1")->isChecked());
    EXPECT_EQ(w<QLineEdit>("ptMsg1")->text(), QString());
    EXPECT_EQ(w<QLineEdit>("Mismny")->text(), s("0"));
    EXPECT_FALSE(w<QFrame>("DtyPnl")->isVisible());
    open(2);
    EXPECT_EQ(dialog->size(), QSize(280, 165));
    EXPECT_TRUE(w<QCheckBox>("PrvCheck2")->isChecked());
    EXPECT_FALSE(w<QCheckBox>("dojOk2")->isChecked());
}

TEST_F(DialogFixture, FormPaperGreysPreviewButKeepsItTicked) {
    open(0);
    click("PrvFrm0");
    EXPECT_FALSE(w<QCheckBox>("PrvCheck0")->isEnabled());
    EXPECT_TRUE(w<QCheckBox>("PrvCheck0")->isChecked());
    click("PrvFrm0");
    EXPECT_TRUE(w<QCheckBox>("PrvCheck0")->isEnabled());
}

TEST_F(DialogFixture, CopyChoiceAppearsFromTheThirteenthFilledLine) {
    open(1, statementWithLines(12));
    EXPECT_FALSE(w<QFrame>("DtyPnl")->isVisible());
    open(1, statementWithLines(13));
    EXPECT_TRUE(w<QFrame>("DtyPnl")->isVisible());
    // Form paper with the statement kind: sheets of twelve lines, no copy choice.
    click("PrvFrm1");
    EXPECT_FALSE(w<QFrame>("DtyPnl")->isVisible());
}

TEST_F(DialogFixture, LinesWhoseNumbersCancelOutAreEmpty) {
    InvoiceDocument statement = statementWithLines(12);
    statement.lines[12].quantity = Money::fromWon(5);
    statement.lines[12].unitPrice = Money::fromWon(-5);
    open(1, statement);
    EXPECT_FALSE(w<QFrame>("DtyPnl")->isVisible());
}

TEST_F(DialogFixture, ALineAfterEmptyOnesCountsLikeAnyOther) {
    InvoiceDocument statement = statementWithLines(3);
    statement.lines[13].item = s("x");
    open(1, statement);
    EXPECT_TRUE(w<QFrame>("DtyPnl")->isVisible());
    statement.lines[20].item = s("y");
    open(1, statement);
    EXPECT_FALSE(w<QRadioButton>("PrtBRadio1")->isEnabled());
}

TEST_F(DialogFixture, ReceiptNeedsFifteenLinesAtMost) {
    open(1, statementWithLines(15));
    EXPECT_TRUE(w<QRadioButton>("PrtBRadio1")->isEnabled());
    open(1, statementWithLines(16));
    EXPECT_FALSE(w<QRadioButton>("PrtBRadio1")->isEnabled());
}

TEST_F(DialogFixture, BalanceRule) {
    open(1);
    w<QLineEdit>("Mismny")->setText(s("150,000"));
    click("misuCk");
    EXPECT_EQ(w<QLineEdit>("Mismny")->text(), s("0"));
    EXPECT_FALSE(w<QLineEdit>("Mismny")->isEnabled());
    click("misuCk");
    EXPECT_EQ(w<QLineEdit>("Mismny")->text(), s("0"));
    EXPECT_TRUE(w<QLineEdit>("Mismny")->isEnabled());
}

TEST_F(DialogFixture, OkStoresThePageThenPrintsAndStaysOpen) {
    open(0);
    w<TBitCheckBox>("pKind0")->SetChecked(true);
    w<QCheckBox>("dojOk0")->setChecked(true);
    w<QRadioButton>("PrtBRadio0")->setChecked(true);
    w<QLineEdit>("TopEdt0")->setText(s("-5"));
    w<QLineEdit>("ptMsg0")->setText(s("감사합니다"));
    click("mOk0");
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_TRUE(jobs[0].blackWhite);
    EXPECT_TRUE(jobs[0].seal);
    EXPECT_FALSE(jobs[0].withTax);
    EXPECT_EQ(jobs[0].topOffset, -5);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(app.read(s("ZaruZiz.ini")),
              cp("[등록]\r\nPKind=1\r\nfMsge=감사합니다\r\ndjnousr=0\r\n[여백]\r\nfdTop=-5\r\nfdLft=0\r\n"
                 "[미리보기]\r\nPrvew=1\r\n[양식지]\r\npFrm=0\r\n[인쇄타입]\r\ndType=0\r\n"));
}

TEST_F(DialogFixture, SharedFlagsReachTheOtherPages) {
    open(1);
    w<TBitCheckBox>("pKind1")->SetChecked(true);
    w<QCheckBox>("dojOk1")->setChecked(true);
    click("mOk1");
    open(0);
    EXPECT_TRUE(w<TBitCheckBox>("pKind0")->Checked());
    EXPECT_TRUE(w<QCheckBox>("dojOk0")->isChecked());
    EXPECT_FALSE(keys::read(keys::djnousr)); // the registration page now shows "사용함"
    open(2);
    w<QCheckBox>("PrvCheck2")->setChecked(false);
    click("mOk2");
    open(0);
    EXPECT_FALSE(w<QCheckBox>("PrvCheck0")->isChecked());
}

TEST_F(DialogFixture, OffsetThatIsNotAWholeNumberStopsWithAMessage) {
    open(2);
    w<QLineEdit>("LftEdt2")->setText(s("1.5"));
    click("mOk2");
    EXPECT_TRUE(jobs.isEmpty());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("좌측여백"))) << prompts.shown[0].toStdString();
    EXPECT_TRUE(dialog->isVisible());
    // Stored all the same, as typed.
    EXPECT_EQ(keys::read(keys::pLft2), s("1.5"));
}

TEST_F(DialogFixture, CancelClosesAndF1OnTheQuotationPageDoesNothing) {
    open(2);
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    EXPECT_TRUE(prompts.shown.isEmpty());
    click("mVoide2");
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DialogFixture, CentredOnTheEditor) {
    QWidget editor;
    editor.setGeometry(100, 100, 710, 515);
    editor.show();
    TPrtUntf d(&editor, 1, 0, {});
    const QRect e = editor.frameGeometry();
    EXPECT_EQ(d.pos(), QPoint(e.left() + (e.width() - 380) / 2, e.top() + (e.height() - 255) / 2));
}

TEST_F(DialogFixture, TheDefaultMessageIsOnlyAHintNeverPrintedNorStored) {
    const QString hint = s("명세서에 전달할 메시지 적는 부분....");
    // An earlier version stored the hint as the message.
    app.write(s("ZaruZiz.ini"), cp("[등록]\r\nfMsg2=명세서에 전달할 메시지 적는 부분....\r\n"));
    open(1);
    EXPECT_EQ(w<QLineEdit>("ptMsg1")->text(), QString());
    EXPECT_EQ(w<QLineEdit>("ptMsg1")->placeholderText(), hint);
    click("mOk1");
    ASSERT_EQ(jobs.size(), 1);
    EXPECT_EQ(jobs[0].message, QString());
    EXPECT_EQ(keys::read(keys::fMsg2, s("없음")), QString());

    // Even a job handed the hint prints no message.
    PrintOptions o = jobs[0];
    o.message = hint;
    const InvoiceDocument doc = InvoiceDocument::empty(true);
    EXPECT_EQ(printjobs::FillStatementSheet(doc, o, 0, false)->text(s("ShangHo")), QString());
    EXPECT_EQ(printjobs::FillLongStatement(doc, o)->text(s("ShangHo")), QString());

    open(0);
    EXPECT_EQ(w<QLineEdit>("ptMsg0")->placeholderText(), s("계산서에 전달할 메시지 적는 부분...."));
    w<QLineEdit>("ptMsg0")->setText(s("감사합니다"));
    click("mOk0");
    EXPECT_EQ(keys::read(keys::fMsge), s("감사합니다"));
}
