// The editor's "엑셀전송" buttons: the sheet of the page shown is written and handed to the spreadsheet
// program; the seal follows the supplier record; a missing spreadsheet program or a failing export leaves
// the editor as it was.
#include "HStrGrid.h"
#include "money.h"
#include "settings_keys.h"
#include "spreadsheet_export.h"
#include "stored_settings.h"
#include "subUnt.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

class FakeOpener : public SpreadsheetOpener {
public:
    bool answer = true;
    QStringList opened;
    bool open(const QString &path) override {
        opened << path;
        return answer;
    }
};

struct ExportButtons : ::testing::Test {
    QTemporaryDir tmp;
    QByteArray oldTmp;
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    FakeOpener opener;
    QWidget mainWindow;
    std::unique_ptr<TsubUntf> editor;

    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        // The exports write into the temporary folder: a fresh one per test.
        oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        setSpreadsheetOpener(&opener);
        mainWindow.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        mainWindow.setGeometry(100, 50, 712, 613);
    }
    void TearDown() override {
        editor.reset();
        setSpreadsheetOpener(nullptr);
        if (oldTmp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTmp);
    }
    void open(int pageKind, bool statement = false) {
        editor = std::make_unique<TsubUntf>(&mainWindow, pageKind, statement, 0);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    }
    void click(const char *button) {
        auto *b = editor->findChild<QToolButton *>(QString::fromLatin1(button));
        ASSERT_NE(b, nullptr) << button;
        QTest::mouseClick(b, Qt::LeftButton);
    }
    QLineEdit *edit(const char *name) { return editor->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    THStringGrid *grid(const char *name) { return editor->findChild<THStringGrid *>(QString::fromLatin1(name)); }
    QStringList filesLeft() const { return QDir(tmp.path()).entryList(QDir::Files); }
    // A seal picture registered and chosen for use.
    void registerSeal() {
        QImage seal(40, 40, QImage::Format_RGB32);
        seal.fill(Qt::red);
        ASSERT_TRUE(seal.save(app.file(QStringLiteral("dojang.bmp")), "BMP"));
        keys::write(keys::djnousr, false);
    }
};

// Whether the written workbook holds a picture: its parts are named in the zip directory in plain text.
bool holdsPicture(const QString &xlsx) {
    QFile f(xlsx);
    return f.open(QIODevice::ReadOnly) && f.readAll().contains("xl/media/");
}

// The document fields an export must never change.
struct InvoiceState {
    QString name;
    bool modified;
    InvoiceDocument document;
    QString total;
};
InvoiceState stateOf(const TsubUntf &e) {
    return {e.CurFileName(), e.Modified(), e.invoiceDocument(),
            e.findChild<QLineEdit *>(QStringLiteral("Totmy"))->text()};
}
void expectSame(const InvoiceState &a, const InvoiceState &b) {
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.modified, b.modified);
    EXPECT_EQ(a.document, b.document);
    EXPECT_EQ(a.total, b.total);
}

} // namespace

TEST_F(ExportButtons, TaxInvoiceSheetIsOpenedAndTheEditorUnchanged) {
    open(1, false);
    edit("bSangho")->setText(s("하늘문구"));
    grid("dGrid")->setCellText(1, 1, s("복사용지"));
    editor->SetCurFileName(QStringLiteral("/docs/a.Dy5"));
    editor->SetModified(true);
    const InvoiceState before = stateOf(*editor);

    click("ExlBtn0");
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'\n').toStdString();
    ASSERT_EQ(opener.opened.size(), 1);
    const QFileInfo written(opener.opened[0]);
    EXPECT_TRUE(written.exists());
    EXPECT_TRUE(written.fileName().startsWith(s("세금계산서_"))) << written.fileName().toStdString();
    // No seal registered for use on a fresh installation.
    EXPECT_FALSE(holdsPicture(written.filePath()));
    expectSame(stateOf(*editor), before);
}

TEST_F(ExportButtons, StatementPageExportsTheStatementSheet) {
    open(1, true);
    grid("gGrid")->setCellText(1, 1, s("볼펜"));
    click("ExlBtn0");
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(QFileInfo(opener.opened[0]).fileName().startsWith(s("거래명세서_")));
}

TEST_F(ExportButtons, QuotationPageExportsTheQuotationSheet) {
    open(2);
    edit("SangHoEdt")->setText(s("다라상사"));
    editor->SetModified(true);
    click("ExlBtn2");
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'\n').toStdString();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(QFileInfo(opener.opened[0]).fileName().startsWith(s("견적서_")));
    EXPECT_EQ(edit("SangHoEdt")->text(), s("다라상사"));
    EXPECT_TRUE(editor->Modified());
}

TEST_F(ExportButtons, SealChosenInTheSupplierRecordIsPlaced) {
    registerSeal();
    open(1, false);
    click("ExlBtn0");
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(holdsPicture(opener.opened[0]));

    // "사용 안함": no picture, even with the file there.
    keys::write(keys::djnousr, true);
    open(2);
    click("ExlBtn2");
    ASSERT_EQ(opener.opened.size(), 2);
    EXPECT_FALSE(holdsPicture(opener.opened[1]));
}

TEST_F(ExportButtons, ADamagedSealIsToldAndTheSheetGoesWithoutIt) {
    registerSeal();
    // The picture's rows end halfway: drawn, they would be a black block over the representative's name.
    QFile damaged(app.file(QStringLiteral("dojang.bmp")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(BmpBytes(60, 60, 60 * 30));
    damaged.close();
    open(1, false);
    click("ExlBtn0");
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("도장 없이"))) << prompts.shown[0].toStdString();
    ASSERT_EQ(opener.opened.size(), 1);
    EXPECT_FALSE(holdsPicture(opener.opened[0]));
}

TEST_F(ExportButtons, NoSpreadsheetProgramIsReportedAndNothingIsLeftBehind) {
    opener.answer = false;
    open(1, false);
    edit("bSangho")->setText(s("하늘문구"));
    const InvoiceState before = stateOf(*editor);
    click("ExlBtn0");
    // The failure, and what to install.
    EXPECT_EQ(prompts.shown, QStringList{s("Excel.exe 를 찾을 수 없습니다\n엑셀 파일을 열 프로그램이 없습니다. "
                                           "LibreOffice Calc(패키지 libreoffice-calc)를 설치하세요.")});
    EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(u',').toStdString();
    expectSame(stateOf(*editor), before);

    open(2);
    prompts.shown.clear();
    click("ExlBtn2");
    EXPECT_EQ(prompts.shown, QStringList{NoSpreadsheetMessage()});
}

TEST_F(ExportButtons, AmountThatIsNotANumberStopsTheExportWithAMessage) {
    open(1, false);
    const InvoiceState before = stateOf(*editor);
    edit("Cashmy")->setText(s("현금"));
    click("ExlBtn0");
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("현금 \"현금\""))) << prompts.shown[0].toStdString();
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(filesLeft().isEmpty());
    EXPECT_EQ(edit("Cashmy")->text(), s("현금"));
    edit("Cashmy")->setText(QStringLiteral("0"));
    expectSame(stateOf(*editor), before);
}

TEST(StoredSettings, ExportSealPathRuleAndFooters) {
    ScratchAppFolder app;
    // No settings file: "djnousr" reads as set, so no seal; the built-in footer lines.
    EXPECT_EQ(stored::InvoiceExport(false).sealPath, QString());
    EXPECT_EQ(stored::InvoiceExport(false).message, QString::fromUtf16(keys::kExportMessageInvoice));
    EXPECT_EQ(stored::InvoiceExport(true).message, QString::fromUtf16(keys::kExportMessageStatement));
    const sheet::ExportSettings q = stored::QuotationExport();
    EXPECT_EQ(q.tel, QStringLiteral("02-1234-5678"));
    EXPECT_EQ(q.sangho, QString::fromUtf16(sample::kSangho));

    keys::write(keys::djnousr, false);
    EXPECT_EQ(stored::QuotationExport().sealPath, app.file(QStringLiteral("dojang.bmp")));
    keys::write(keys::dojImge, QStringLiteral("/somewhere/seal.bmp"));
    keys::write(keys::fMsge, QStringLiteral("세금계산서 메시지"));
    keys::write(keys::fMsg2, QStringLiteral("명세서 메시지"));
    keys::write(keys::fTel, QStringLiteral("(  02) 555-1234"));
    EXPECT_EQ(stored::InvoiceExport(true).sealPath, QStringLiteral("/somewhere/seal.bmp"));
    EXPECT_EQ(stored::InvoiceExport(false).message, QStringLiteral("세금계산서 메시지"));
    EXPECT_EQ(stored::InvoiceExport(true).message, QStringLiteral("명세서 메시지"));
    EXPECT_EQ(stored::QuotationExport().tel, QStringLiteral("(  02) 555-1234"));
    keys::write(keys::djnousr, true);
    EXPECT_EQ(stored::QuotationExport().sealPath, QString());
}

// The print dialog's choices go to the settings of the page confirmed, and come back the next time.
TEST(StoredSettings, PrintChoicesOfAPageComeBack) {
    ScratchAppFolder app;
    const PrintChoices fresh = stored::PrintDialogChoices();
    EXPECT_EQ(fresh, PrintChoices()); // the defaults of an empty settings file
    PrintChoices c = fresh;
    c.invoiceTop = QStringLiteral("-3");
    c.invoiceMessage = QString::fromUtf16(kMessageHintInvoice); // a hint is no message
    c.statementTop = QStringLiteral("7");
    c.seal = true;
    c.invoiceWithTax = false;
    stored::KeepPrintDialogChoices(PrintPage::TaxInvoice, c);
    PrintChoices back = stored::PrintDialogChoices();
    EXPECT_EQ(back.invoiceTop, QStringLiteral("-3"));
    EXPECT_EQ(back.invoiceMessage, QString());
    EXPECT_TRUE(back.seal);
    EXPECT_FALSE(back.invoiceWithTax);
    EXPECT_EQ(back.statementTop, QStringLiteral("0")); // another page's choice is kept by that page
    stored::KeepPrintDialogChoices(PrintPage::Statement, c);
    EXPECT_EQ(stored::PrintDialogChoices().statementTop, QStringLiteral("7"));
    // The seal picture and the quotation's supplier come from the supplier record.
    const PrintOptions o = stored::WithSupplierRecord(PrintOptions());
    EXPECT_EQ(o.sealPicture, app.file(QStringLiteral("dojang.bmp")));
    EXPECT_EQ(o.supplier.name, QString::fromUtf16(sample::kQuotationSangho));
    keys::write(keys::fSangho, QStringLiteral("바다상사"));
    EXPECT_EQ(stored::WithSupplierRecord(PrintOptions()).supplier.name, QStringLiteral("바다상사"));
}
