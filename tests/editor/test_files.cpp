// The editor's file commands with scripted dialogs and answers: open, save, save as and new of the tax
// invoice, the statement and the quotation, their questions, failures and the work folder.
#include "HStrGrid.h"
#include "errors.h"
#include "invoice_file.h"
#include "money.h"
#include "quotation_file.h"
#include "settings.h"
#include "settings_keys.h"
#include "document_lock.h"
#include "subUnt.h"
#include "test_support.h"

#include <QAction>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <gtest/gtest.h>

#include <memory>

#include <sys/stat.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }
Money won(long long w) { return Money::fromWon(w); }

const QString kAskSave = s("자료내용이 변경되었습니다 저장할 까요??");
const QString kAskSaveQuotation = s("자료내용이 변경되었습니다.\r저장하시겠습니까?");
const QString kInvoiceOpenFilter =
    s("세금계산서파일V5.7 (*.Dy5);;거래명세서파일V5.7 (*.Gy5);;세금계산서파일V3.5~5.5 (*.Dnt);;"
      "거래명세서파일V3.5~5.5 (*.Gnt);;세금계산서파일V3.1 (*.Dty);;거래명세서파일V3.1 (*.Gty)");
const QString kInvoiceSaveFilter = s("세금계산서파일 (*.Dy5);;거래명세서파일 (*.Gy5)");

QByteArray fileBytes(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A current-format file as the "V3.5~5.5" generation stores it: 220-byte records without the unit slot,
// record type at 212 and buyer kind at 216.
QByteArray asV35(const QByteArray &current) {
    QByteArray out;
    for (qsizetype at = 0; at < current.size(); at += kInvoiceRecordSize)
        out += current.mid(at, 212) + current.mid(at + 220, 8);
    return out;
}

struct FilesFixture : ::testing::Test {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QWidget mainWindow;
    std::unique_ptr<TsubUntf> editor;
    QString savedCurrent = QDir::currentPath();

    void SetUp() override {
        mainWindow.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        mainWindow.setGeometry(100, 50, 712, 613);
    }
    void TearDown() override {
        editor.reset();
        // Saving enters the saved file's folder; leave the scratch folder before it goes.
        QDir::setCurrent(savedCurrent);
    }
    void open(int pageKind, bool statement = false) {
        editor = std::make_unique<TsubUntf>(&mainWindow, pageKind, statement, 0);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    }
    QString work() const { return app.path() + QStringLiteral("Work/"); }
    QString inWork(const QString &name) const { return work() + name; }
    template <typename T = QWidget> T *child(const char *name) {
        T *w = editor->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(name); }
    THStringGrid *grid(const char *name) { return child<THStringGrid>(name); }
    // A keyboard command, run as the window runs it (errors shown by the general handler).
    void press(const QKeySequence &key) {
        for (QAction *a : editor->actions())
            if (a->shortcut() == key) {
                a->trigger();
                return;
            }
        ADD_FAILURE() << "no keyboard command " << key.toString().toStdString();
    }
    void pressOpen() { press(QKeySequence(Qt::ALT | Qt::Key_O)); }
    void pressSave() { press(QKeySequence(Qt::ALT | Qt::Key_S)); }

    // Two item lines and a buyer on the tax invoice page.
    void fillInvoice() {
        edit("bSangho")->setText(s("하늘문구"));
        edit("bName")->setText(s("이영희"));
        edit("bAddr")->setText(s("부산광역시 해운대구 센텀로 45"));
        InvoiceDocument d = editor->invoiceDocument();
        d.lines[0] = {
            QStringLiteral("03/07"), s("복사용지 A4"), {}, {}, s("박스"), won(10), won(23400), won(234000), won(23400)};
        d.lines[1] = {{}, s("레이저 토너"), {}, {}, {}, won(4), won(250000), won(1000000), won(100000)};
        editor->showInvoiceDocument(d);
    }
    // Opens the cell editor on a cell and puts text into it, as a paste does.
    void pasteIntoCell(THStringGrid *g, int row, int col, const QString &text) {
        g->setFocus();
        g->setCurrentCell(row, col);
        g->edit(g->currentIndex());
        ASSERT_TRUE(g->inplaceEditor());
        g->inplaceEditor()->setText(text);
    }
    // A named tax invoice with amounts and changes: the question before leaving it is asked.
    QString namedChangedInvoice() {
        fillInvoice();
        const QString path = inWork(QStringLiteral("named.Dy5"));
        prompts.fileAnswers = {path};
        editor->SaveBtnClick();
        prompts.fileRequests.clear();
        editor->SetModified(true);
        return path;
    }
};

// Row r of a grid as its cell texts.
QStringList rowOf(THStringGrid *g, int r) {
    QStringList cells;
    for (int c = 0; c < g->columnCount(); ++c)
        cells << g->cellText(r, c);
    return cells;
}

} // namespace

TEST(FileFilters, TranslateIntoTheDialogForm) {
    EXPECT_EQ(
        TsubUntf::QtFileFilter(s("세금계산서파일V5.7|*.Dy5|거래명세서파일V5.7|*.Gy5|세금계산서파일V3.5~5.5|*.Dnt|"
                                 "거래명세서파일V3.5~5.5|*.Gnt|세금계산서파일V3.1|*.Dty|거래명세서파일V3.1|*.Gty")),
        kInvoiceOpenFilter);
    EXPECT_EQ(TsubUntf::QtFileFilter(s("세금계산서파일|*.Dy5|거래명세서파일|*.Gy5")), kInvoiceSaveFilter);
    EXPECT_EQ(TsubUntf::QtFileFilter(s("견적서화일|*.Prc")), s("견적서화일 (*.Prc)"));
    // The description is kept as written, trailing blank included.
    EXPECT_EQ(TsubUntf::QtFileFilter(s("견적서화일 |*.Prc")), s("견적서화일  (*.Prc)"));
    // Several patterns of one entry, and a dangling description without patterns.
    EXPECT_EQ(TsubUntf::QtFileFilter(QStringLiteral("Docs|*.Dy5;*.Gy5|Orphan")), QStringLiteral("Docs (*.Dy5 *.Gy5)"));
    EXPECT_EQ(TsubUntf::QtFileFilter(QString()), QString());
}

// --- Tax invoice and statement: save ---

TEST_F(FilesFixture, UnnamedInvoiceSavesThroughSaveAsInTheCurrentFormat) {
    open(1, false);
    fillInvoice();
    editor->SetModified(true);
    const QString path = inWork(QStringLiteral("a.Dy5"));
    prompts.fileAnswers = {path};
    pressSave();

    ASSERT_EQ(prompts.fileRequests.size(), 1);
    const FileDialogRequest &r = prompts.fileRequests[0];
    EXPECT_EQ(r.title, s("다른 이름으로 저장"));
    EXPECT_EQ(r.folder, work());
    EXPECT_EQ(r.fileName, s("이름없음"));
    EXPECT_EQ(r.filter, kInvoiceSaveFilter);
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.defaultSuffix, QStringLiteral("Dy5"));
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'\n').toStdString();

    const QByteArray bytes = fileBytes(path);
    EXPECT_EQ(bytes.size(), 8 * 228);
    EXPECT_EQ(bytes, WriteInvoiceFile(editor->invoiceDocument()));
    EXPECT_EQ(editor->CurFileName(), path);
    EXPECT_EQ(child<QLabel>("fNameLabl")->text(), s("파일명: ") + path);
    EXPECT_FALSE(editor->Modified());

    // Saving again writes under the name without a dialog.
    edit("bName")->setText(s("박민수"));
    editor->SetModified(true);
    pressSave();
    EXPECT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(fileBytes(path), WriteInvoiceFile(editor->invoiceDocument()));
    EXPECT_FALSE(editor->Modified());
}

TEST_F(FilesFixture, StatementDialogsUseItsExtensionAndFilterIndex) {
    open(1, true);
    InvoiceDocument d = editor->invoiceDocument();
    d.lines[1].item = s("볼펜");
    d.lines[1].supply = won(5000);
    editor->showInvoiceDocument(d);
    const QString path = inWork(QStringLiteral("s.Gy5"));
    prompts.fileAnswers = {path, QString()};
    editor->RnameBtnClick();
    EXPECT_EQ(fileBytes(path).size(), 33 * 228);
    editor->fOpenClick(); // cancelled
    ASSERT_EQ(prompts.fileRequests.size(), 2);
    for (const FileDialogRequest &r : prompts.fileRequests) {
        EXPECT_EQ(r.filterIndex, 2);
        EXPECT_EQ(r.defaultSuffix, QStringLiteral("Gy5"));
    }
    EXPECT_EQ(prompts.fileRequests[1].filter, kInvoiceOpenFilter);
    EXPECT_EQ(prompts.fileRequests[1].folder, work());
    EXPECT_EQ(editor->CurFileName(), path);
}

TEST_F(FilesFixture, SaveAsStartsWithTheNameAndCancelSavesNothing) {
    open(1, false);
    const QString path = namedChangedInvoice();
    const QByteArray before = fileBytes(path);
    edit("bName")->setText(s("박민수"));

    prompts.fileAnswers = {QString()};
    editor->RnameBtnClick();
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].fileName, path);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(editor->CurFileName(), path);
    EXPECT_TRUE(editor->Modified());

    // Confirmed: the new name is the document's, the old file stays as it was.
    const QString other = inWork(QStringLiteral("b.Dy5"));
    prompts.fileAnswers = {other};
    editor->RnameBtnClick();
    EXPECT_EQ(editor->CurFileName(), other);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(fileBytes(other), WriteInvoiceFile(editor->invoiceDocument()));
}

TEST_F(FilesFixture, SavingIntoAnotherFolderMakesItTheWorkFolder) {
    open(1, false);
    fillInvoice();
    const QString elsewhere = app.path() + QStringLiteral("Customers/2005/");
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    prompts.fileAnswers = {elsewhere + QStringLiteral("c.Dy5"), QString()};
    editor->SaveBtnClick();
    EXPECT_EQ(keys::read(keys::wPath), elsewhere);
    editor->fOpenClick(); // the next dialog starts there
    ASSERT_EQ(prompts.fileRequests.size(), 2);
    EXPECT_EQ(prompts.fileRequests[1].folder, elsewhere);
}

TEST_F(FilesFixture, AmountThatIsNotANumberStopsTheSaveAndKeepsTheOldFile) {
    open(1, false);
    const QString path = namedChangedInvoice();
    const QByteArray before = fileBytes(path);
    // Pasted into a quantity cell: the save stops at the cell, which keeps what was pasted.
    pasteIntoCell(grid("dGrid"), 2, 3, QStringLiteral("4개"));
    pressSave();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(QStringLiteral("4개"))) << prompts.shown[0].toStdString();
    ASSERT_TRUE(grid("dGrid")->inplaceEditor());
    EXPECT_EQ(grid("dGrid")->inplaceEditor()->text(), QStringLiteral("4개"));
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(editor->Modified());
    EXPECT_EQ(editor->CurFileName(), path);

    // A payment that is not a number stops it too, naming the field.
    QTest::keyClick(grid("dGrid")->inplaceEditor(), Qt::Key_Escape);
    prompts.shown.clear();
    edit("Cashmy")->setText(QStringLiteral("4개"));
    pressSave();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("현금"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(editor->Modified());
}

TEST_F(FilesFixture, FileThatCannotBeWrittenIsReportedAndTheDocumentStaysChanged) {
    open(1, false);
    fillInvoice();
    const QString path = app.path() + QStringLiteral("missing-folder/x.Dy5");
    prompts.fileAnswers = {path};
    editor->SetModified(true);
    pressSave();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(QDir::toNativeSeparators(path))) << prompts.shown[0].toStdString();
    EXPECT_TRUE(editor->Modified());
    EXPECT_FALSE(QFile::exists(path));
}

// --- Tax invoice and statement: open ---

TEST_F(FilesFixture, SavedInvoiceReopensIntoItsRowsAndIsNamed) {
    open(1, false);
    fillInvoice();
    const QString path = inWork(QStringLiteral("round.Dy5"));
    prompts.fileAnswers = {path};
    editor->SaveBtnClick();
    const QStringList row1 = rowOf(grid("dGrid"), 1), row2 = rowOf(grid("dGrid"), 2);

    editor->NewfileClick();
    ASSERT_EQ(edit("bSangho")->text(), QString());
    prompts.fileAnswers = {path};
    pressOpen();
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'\n').toStdString();

    const FileDialogRequest &r = prompts.fileRequests.back();
    EXPECT_EQ(r.filter, kInvoiceOpenFilter);
    EXPECT_EQ(r.filterIndex, 1);
    EXPECT_EQ(r.defaultSuffix, QStringLiteral("Dy5"));
    EXPECT_EQ(r.folder, work());

    EXPECT_EQ(edit("bSangho")->text(), s("하늘문구"));
    EXPECT_EQ(edit("bAddr")->text(), s("부산광역시 해운대구 센텀로 45"));
    EXPECT_EQ(rowOf(grid("dGrid"), 1).mid(0, 3), row1.mid(0, 3));
    EXPECT_EQ(grid("dGrid")->cellText(1, 7), s("박스"));
    EXPECT_EQ(grid("dGrid")->cellText(2, 1), row2[1]);
    EXPECT_EQ(grid("dGrid")->cellText(2, 5).trimmed(), QStringLiteral("1,000,000"));
    const InvoiceDocument loaded = editor->invoiceDocument();
    EXPECT_EQ(loaded.lines[1].supply, won(1000000));
    for (int r3 = 3; r3 <= 5; ++r3)
        EXPECT_TRUE(loaded.lines[r3 - 1].isEmpty()) << "row " << r3;
    EXPECT_EQ(editor->CurFileName(), path);
    EXPECT_EQ(child<QLabel>("fNameLabl")->text(), s("파일명: ") + path);
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(grid("dGrid")->currentRow(), 1);
    EXPECT_EQ(grid("dGrid")->currentColumn(), 0);

    // What was loaded saves back to the same bytes.
    const QByteArray before = fileBytes(path);
    editor->SaveBtnClick();
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(FilesFixture, OlderGenerationIsSavedUnderTheCurrentExtensionLeavingTheOldFile) {
    open(1, false);
    fillInvoice();
    edit("DtysNo")->setText(QStringLiteral("12-3456"));
    const QByteArray current = WriteInvoiceFile(editor->invoiceDocument());
    // Extensions in any case choose the same reader.
    const QString old = inWork(QStringLiteral("legacy.dnt"));
    writeBytes(old, asV35(current));
    const QString upper = inWork(QStringLiteral("UPPER.DY5"));
    writeBytes(upper, current);
    editor->SetModified(false); // typed only to make the files
    editor->NewfileClick();

    prompts.fileAnswers = {upper, old};
    editor->fOpenClick();
    EXPECT_EQ(edit("bSangho")->text(), s("하늘문구"));
    EXPECT_EQ(editor->CurFileName(), upper);
    editor->NewfileClick();
    editor->fOpenClick();
    const QString renamed = inWork(QStringLiteral("legacy.Dy5"));
    EXPECT_EQ(editor->CurFileName(), renamed);
    EXPECT_EQ(grid("dGrid")->cellText(1, 1), s("복사용지 A4"));

    editor->SaveBtnClick();
    EXPECT_EQ(fileBytes(old), asV35(current));
    EXPECT_EQ(fileBytes(renamed).size(), 8 * 228);
    EXPECT_EQ(prompts.fileRequests.size(), 2); // saved without a dialog
}

TEST_F(FilesFixture, StatementOpenedOnTheTaxInvoiceBecomesOneUnnamedSummaryLine) {
    // A statement written as the statement page writes it.
    InvoiceDocument st = InvoiceDocument::empty(true);
    st.supplier.name = s("푸른바다상사");
    st.buyer.name = s("하늘문구");
    st.statementDate = QStringLiteral("2005.03.07");
    st.description = s("사무용품");
    st.lines[0].item = s("볼펜");
    st.lines[0].supply = won(10000);
    st.lines[0].tax = won(1000);
    st.lines[1].item = s("공책");
    st.lines[1].supply = won(20000);
    st.lines[1].tax = won(2000);
    const QString path = inWork(QStringLiteral("st.Gy5"));
    writeBytes(path, WriteInvoiceFile(st));

    open(1, false);
    prompts.fileAnswers = {path};
    editor->fOpenClick();
    THStringGrid *g = grid("dGrid");
    EXPECT_EQ(g->cellText(1, 0), QStringLiteral("03/07"));
    EXPECT_EQ(g->cellText(1, 1), s("사무용품외"));
    EXPECT_EQ(g->cellText(1, 5).trimmed(), QStringLiteral("30,000"));
    EXPECT_EQ(g->cellText(1, 6).trimmed(), QStringLiteral("3,000"));
    EXPECT_TRUE(editor->invoiceDocument().lines[1].isEmpty());
    EXPECT_EQ(edit("bSangho")->text(), s("하늘문구"));
    EXPECT_EQ(editor->CurFileName(), s("이름없음"));

    // Saving asks for a new name; cancelled, the statement is untouched.
    const QByteArray before = fileBytes(path);
    prompts.fileAnswers = {QString()};
    editor->SaveBtnClick();
    EXPECT_EQ(prompts.fileRequests.back().title, s("다른 이름으로 저장"));
    EXPECT_EQ(fileBytes(path), before);
}

TEST_F(FilesFixture, FileThatCannotBeReadLeavesTheDocumentAsItWas) {
    open(1, false);
    const QString path = namedChangedInvoice();
    edit("bName")->setText(s("바뀐 이름"));
    const InvoiceDocument before = editor->invoiceDocument();

    struct Case {
        QString file;
        QByteArray bytes;
    };
    const Case cases[] = {
        {inWork(QStringLiteral("short.Dy5")), fileBytes(path).left(300)}, // last record cut short
        {inWork(QStringLiteral("empty.Dy5")), QByteArray()},
        {inWork(QStringLiteral("text.Dy5")), QByteArray(228, 'x')}, // not a document
    };
    for (const Case &c : cases) {
        writeBytes(c.file, c.bytes);
        prompts.shown.clear();
        prompts.yesNoCancelAnswers = {SaveAnswer::No}; // the changes may go, for a document that can be read
        prompts.fileAnswers = {c.file};
        pressOpen();
        ASSERT_EQ(prompts.shown.size(), 2) << c.file.toStdString();
        EXPECT_TRUE(prompts.shown[1].contains(QDir::toNativeSeparators(c.file))) << prompts.shown[1].toStdString();
        EXPECT_EQ(editor->CurFileName(), path);
        EXPECT_TRUE(editor->Modified());
        EXPECT_EQ(editor->invoiceDocument(), before);
    }
    // A file that is not there.
    prompts.shown.clear();
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    prompts.fileAnswers = {inWork(QStringLiteral("gone.Dy5"))};
    pressOpen();
    ASSERT_EQ(prompts.shown.size(), 2);
    EXPECT_TRUE(prompts.shown[1].contains(QStringLiteral("gone.Dy5")));
    EXPECT_EQ(editor->CurFileName(), path);
}

TEST_F(FilesFixture, QuestionBeforeOpeningANamedChangedDocument) {
    open(1, false);
    const QString path = namedChangedInvoice();
    const QByteArray saved = fileBytes(path);

    // No: nothing saved, the dialog follows; cancelled, the document stays.
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    prompts.fileAnswers = {QString()};
    edit("bName")->setText(s("박민수"));
    editor->fOpenClick();
    EXPECT_EQ(prompts.shown, QStringList{kAskSave});
    EXPECT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(fileBytes(path), saved);
    EXPECT_EQ(edit("bName")->text(), s("박민수"));
    EXPECT_EQ(editor->CurFileName(), path);

    // Yes: saved before the dialog.
    prompts.yesNoCancelAnswers = {SaveAnswer::Yes};
    prompts.fileAnswers = {QString()};
    editor->SetModified(true);
    editor->fOpenClick();
    EXPECT_EQ(fileBytes(path), WriteInvoiceFile(editor->invoiceDocument()));
    EXPECT_NE(fileBytes(path), saved);

    // Unchanged: nothing asked.
    prompts.shown.clear();
    editor->SetModified(false);
    prompts.fileAnswers = {QString()};
    editor->fOpenClick();
    EXPECT_TRUE(prompts.shown.isEmpty());
}

// --- Quotation ---

namespace {

void fillQuotation(FilesFixture &f) {
    f.edit("SangHoEdt")->setText(s("다라상사"));
    f.edit("NameEdt")->setText(s("최담당"));
    f.edit("AddrEdt")->setText(s("대전광역시 유성구"));
    f.child<QPlainTextEdit>("fMemo")->setPlainText(s("납기 협의"));
    QuotationDocument q = f.editor->quotationDocument();
    q.lines[0].item = s("의자");
    q.lines[0].quantity = ParseAmount(QStringLiteral("2.5"));
    q.lines[0].unitPrice = won(1001);
    q.lines[1].item = s("책상");
    q.lines[1].quantity = won(1);
    q.lines[1].unitPrice = won(150000);
    f.editor->showQuotationDocument(q);
}

} // namespace

TEST_F(FilesFixture, QuotationSavesAndReopens) {
    open(2);
    fillQuotation(*this);
    editor->SetModified(true);
    const QString path = inWork(QStringLiteral("q.Prc"));
    prompts.fileAnswers = {path};
    pressSave();
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    const FileDialogRequest &r = prompts.fileRequests[0];
    EXPECT_EQ(r.title, s("저장할 새이름을 입력하세요"));
    EXPECT_EQ(r.filter, s("견적서화일  (*.Prc)"));
    EXPECT_EQ(r.defaultSuffix, QStringLiteral("Prc"));
    EXPECT_EQ(r.folder, work());
    EXPECT_EQ(r.fileName, s("이름없음"));
    EXPECT_EQ(fileBytes(path).size(), 31 * 171);
    EXPECT_EQ(fileBytes(path), WriteQuotationFile(editor->quotationDocument()));
    EXPECT_EQ(child<QLabel>("kNameLabl")->text(), s("파일명:") + path);
    EXPECT_FALSE(editor->Modified());

    editor->NewkfileClick();
    ASSERT_EQ(edit("SangHoEdt")->text(), QString());
    prompts.fileAnswers = {path};
    pressOpen();
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'\n').toStdString();
    EXPECT_EQ(prompts.fileRequests.back().filter, s("견적서화일 (*.Prc)"));
    EXPECT_EQ(prompts.fileRequests.back().defaultSuffix, QStringLiteral("Prc"));

    THStringGrid *g = grid("kGrid");
    EXPECT_EQ(edit("SangHoEdt")->text(), s("다라상사"));
    EXPECT_EQ(edit("NameEdt")->text(), s("최담당"));
    EXPECT_EQ(g->cellText(1, kcol::item), s("의자"));
    EXPECT_EQ(g->cellText(1, kcol::quantity), QStringLiteral("2.5"));
    EXPECT_EQ(g->cellText(1, kcol::unitPrice).trimmed(), QStringLiteral("1,001"));
    EXPECT_EQ(g->cellText(1, kcol::amount).trimmed(), QStringLiteral("2,502"));
    EXPECT_EQ(editor->quotationDocument().lines[0].amount(), won(2502));
    EXPECT_EQ(g->cellText(2, kcol::item), s("책상"));
    auto *memo = child<QPlainTextEdit>("fMemo");
    EXPECT_EQ(memo->toPlainText().split(u'\n').value(0), s("납기 협의"));
    EXPECT_EQ(memo->textCursor().selectedText(), s("납기 협의"));
    EXPECT_EQ(editor->CurFileName(), path);
    EXPECT_EQ(child<QLabel>("kNameLabl")->text(), s("파일명:") + path);
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(g->currentColumn(), 1);
    EXPECT_EQ(keys::read(keys::wPath), work());
}

TEST_F(FilesFixture, QuotationOpenQuestionCancelStopsAndKeepsTheChangedFlag) {
    open(2);
    fillQuotation(*this);
    const QString path = inWork(QStringLiteral("q.Prc"));
    prompts.fileAnswers = {path};
    editor->SavekBtnClick();
    prompts.fileRequests.clear();
    edit("SangHoEdt")->setText(s("바뀐상사"));
    editor->SetModified(true);

    prompts.yesNoCancelAnswers = {SaveAnswer::Cancel};
    editor->kOpenClick();
    EXPECT_EQ(prompts.shown, QStringList{kAskSaveQuotation});
    EXPECT_TRUE(prompts.fileRequests.isEmpty());
    EXPECT_EQ(edit("SangHoEdt")->text(), s("바뀐상사"));
    EXPECT_TRUE(editor->Modified()); // 취소 keeps the changes, to be asked about again

    // No: the dialog follows.
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    prompts.fileAnswers = {QString()};
    editor->kOpenClick();
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(prompts.fileRequests.size(), 1);

    // Yes saves before the dialog.
    editor->SetModified(true);
    prompts.yesNoCancelAnswers = {SaveAnswer::Yes};
    prompts.fileAnswers = {QString()};
    editor->kOpenClick();
    EXPECT_EQ(LoadQuotationFile(path).recipient, s("바뀐상사"));
}

TEST_F(FilesFixture, QuotationQuantityThatIsNotANumberKeepsTheOldFile) {
    open(2);
    fillQuotation(*this);
    const QString path = inWork(QStringLiteral("q.Prc"));
    prompts.fileAnswers = {path};
    editor->SavekBtnClick();
    const QByteArray before = fileBytes(path);

    editor->SetModified(true);
    pasteIntoCell(grid("kGrid"), 2, kcol::quantity, s("한개"));
    pressSave();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("한개"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(editor->Modified());
}

TEST_F(FilesFixture, QuotationFileThatCannotBeReadLeavesTheDocument) {
    open(2);
    fillQuotation(*this);
    editor->SetCurFileName(inWork(QStringLiteral("mine.Prc")));
    editor->SetModified(false);
    const QuotationDocument before = editor->quotationDocument();
    const QString bad = inWork(QStringLiteral("bad.Prc"));
    writeBytes(bad, QByteArray(171 * 2 + 5, '\0'));
    prompts.fileAnswers = {bad};
    pressOpen();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(QDir::toNativeSeparators(bad)));
    EXPECT_EQ(editor->quotationDocument(), before);
    EXPECT_EQ(editor->CurFileName(), inWork(QStringLiteral("mine.Prc")));
}

TEST_F(FilesFixture, NewQuotationAfterSavingAsksAndYesSaves) {
    open(2);
    fillQuotation(*this);
    const QString path = inWork(QStringLiteral("q.Prc"));
    prompts.fileAnswers = {path};
    editor->SavekBtnClick();
    edit("NameEdt")->setText(s("새담당"));
    editor->SetModified(true);
    prompts.yesNoCancelAnswers = {SaveAnswer::Yes};
    editor->NewkfileClick();
    EXPECT_EQ(LoadQuotationFile(path).contact, s("새담당"));
    EXPECT_EQ(editor->CurFileName(), s("이름없음"));
    EXPECT_EQ(child<QLabel>("kNameLabl")->text(), s("파일명:이름없음"));
}

// --- Work folder reset ---

TEST_F(FilesFixture, WorkFolderResetAsksAndStoresTheDefaultOnYes) {
    open(1, false);
    const QString reset = app.path() + QStringLiteral("Work/");
    const auto question = [&](const QString &current) {
        return s("현재 파일 입/출력 경로 ") + current + s("를\n\n") + reset + s("로 변경하겠습니까??");
    };
    // Never set: shown as "A:"; No changes nothing.
    prompts.yesNoAnswers = {false};
    press(QKeySequence(Qt::ALT | Qt::Key_R));
    EXPECT_EQ(prompts.shown, QStringList{question(QStringLiteral("A:"))});
    EXPECT_EQ(keys::read(keys::wPath, QStringLiteral("unset")), QStringLiteral("unset"));

    keys::write(keys::wPath, QStringLiteral("/elsewhere/docs/"));
    prompts.shown.clear();
    prompts.yesNoAnswers = {true};
    press(QKeySequence(Qt::ALT | Qt::Key_R));
    EXPECT_EQ(prompts.shown, QStringList{question(QStringLiteral("/elsewhere/docs/"))});
    EXPECT_EQ(keys::read(keys::wPath), reset);
}

// --- Bad places: a refused save as, special files, the settings file and the work folder ---

// A save as refused by the disk leaves the document under its own name: the next save writes it there,
// not to the name that was refused.
TEST_F(FilesFixture, ARefusedSaveAsKeepsTheDocumentsNameForTheNextSave) {
    open(1, false);
    const QString path = namedChangedInvoice();
    edit("bName")->setText(s("박민수"));
    const QString refused = app.path() + QStringLiteral("no-such-folder/other.Dy5");
    prompts.fileAnswers = {refused};
    EXPECT_THROW(editor->RnameBtnClick(), IoError);
    EXPECT_FALSE(QFile::exists(refused));
    EXPECT_EQ(editor->CurFileName(), path);
    EXPECT_TRUE(editor->Modified());

    ASSERT_TRUE(QDir().mkpath(QFileInfo(refused).absolutePath())); // the disk has room again
    prompts.fileAnswers.clear();
    pressSave();
    EXPECT_FALSE(QFile::exists(refused));
    EXPECT_EQ(fileBytes(path), WriteInvoiceFile(editor->invoiceDocument()));
    EXPECT_FALSE(editor->Modified());

    // The quotation's save as the same way.
    editor.reset();
    open(2);
    fillQuotation(*this);
    const QString quotation = inWork(QStringLiteral("q.Prc"));
    prompts.fileAnswers = {quotation};
    editor->SavekBtnClick();
    edit("NameEdt")->setText(s("한담당"));
    prompts.fileAnswers = {app.path() + QStringLiteral("nowhere/q2.Prc")};
    EXPECT_THROW(editor->RnamekBtnClick(), IoError);
    EXPECT_EQ(editor->CurFileName(), quotation);
    prompts.fileAnswers.clear();
    editor->SavekBtnClick();
    EXPECT_EQ(fileBytes(quotation), WriteQuotationFile(editor->quotationDocument()));
    EXPECT_FALSE(QFile::exists(app.path() + QStringLiteral("nowhere/q2.Prc")));
}

// A FIFO or a folder under a document's name is refused at once with what it is; an ordinary open of a
// FIFO with no writer would wait for ever.
TEST_F(FilesFixture, OnlyRegularFilesAreOpenedAndNothingWaitsOnAFifo) {
    open(1, false);
    fillInvoice();
    const InvoiceDocument before = editor->invoiceDocument();
    QDir().mkpath(work());
    const QString fifo = inWork(QStringLiteral("x.Dy5"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString folder = inWork(QStringLiteral("folder.Dy5"));
    ASSERT_TRUE(QDir().mkpath(folder));
    prompts.fileAnswers = {fifo, folder};
    editor->SetModified(false);
    pressOpen();
    pressOpen();
    ASSERT_EQ(prompts.shown.size(), 2);
    EXPECT_TRUE(prompts.shown[0].contains(s("파이프(FIFO)"))) << prompts.shown[0].toStdString();
    EXPECT_TRUE(prompts.shown[1].contains(s("폴더"))) << prompts.shown[1].toStdString();
    EXPECT_EQ(editor->invoiceDocument(), before);

    // The settings file as a FIFO: settings read as their defaults, nothing waits.
    QFile::remove(app.file(kIniFileName));
    ASSERT_EQ(::mkfifo(QFile::encodeName(app.file(kIniFileName)).constData(), 0644), 0);
    EXPECT_TRUE(keys::read(keys::djnousr));
    EXPECT_FALSE(SettingsFileProblem(kIniFileName).isEmpty());
}

// A settings file that cannot be written is told once; the save dialog still opens, the document is
// saved and reported as saved, and the settings live on for the session.
TEST_F(FilesFixture, ASettingsFileThatCannotBeWrittenNeverStopsASave) {
    ASSERT_TRUE(QDir(app.path()).mkdir(kIniFileName)); // a folder in its place: not even root writes it
    SetSettingsProblemReporter([](const QString &message) { ShowInfo(message); });
    open(1, false);
    fillInvoice();
    const QString path = app.path() + QStringLiteral("Work/saved.Dy5");
    prompts.fileAnswers = {path};
    pressSave();
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].folder, work());
    EXPECT_EQ(fileBytes(path), WriteInvoiceFile(editor->invoiceDocument()));
    EXPECT_FALSE(editor->Modified());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].startsWith(s("설정 파일에 쓸 수 없습니다"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(keys::read(keys::wPath), work());

    // Saved again: no second message.
    edit("bName")->setText(s("박민수"));
    pressSave();
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(fileBytes(path), WriteInvoiceFile(editor->invoiceDocument()));
    SetSettingsProblemReporter(nullptr);
}

// A stored work folder that cannot be used is told in Korean and the default folder used; the stored
// value stays for the user to correct, and nothing is created anywhere else.
TEST_F(FilesFixture, AWorkFolderThatCannotBeUsedIsToldAndTheDefaultUsed) {
    open(1, false);
    app.write(QStringLiteral("a-file"), "x");
    const QString longPath = app.path() + QString(40, u'd') + u'/' + QString(4056, u'a') + u'/';
    QTemporaryDir current;
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    const struct {
        QString stored;
        const char *reason;
    } cases[] = {
        {app.file(QStringLiteral("a-file")) + u'/', "파일입니다"},
        {app.file(QStringLiteral("a-file/below")) + u'/', "만들 수 없습니다"},
        {longPath, "너무 깁니다"},
        {QStringLiteral("relative/folder/"), "전체 경로가 아닙니다"},
    };
    for (const auto &c : cases) {
        keys::write(keys::wPath, c.stored);
        prompts.shown.clear();
        prompts.fileRequests.clear();
        prompts.fileAnswers = {QString()};
        pressOpen();
        ASSERT_EQ(prompts.fileRequests.size(), 1) << c.reason;
        EXPECT_EQ(prompts.fileRequests[0].folder, work()) << c.reason;
        ASSERT_EQ(prompts.shown.size(), 1) << c.reason;
        EXPECT_TRUE(prompts.shown[0].contains(s(c.reason))) << prompts.shown[0].toStdString();
        EXPECT_TRUE(prompts.shown[0].contains(QDir::toNativeSeparators(work()))) << prompts.shown[0].toStdString();
    }
    EXPECT_EQ(keys::read(keys::wPath), QStringLiteral("relative/folder/"));
    EXPECT_EQ(QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_FALSE(QFileInfo::exists(app.path() + QString(40, u'd')));
    QDir::setCurrent(savedCurrent);
}

// Two PCs on one shared folder: a file replaced on disk since this editor read it is never overwritten
// without a question, and each answer does what it says.
TEST_F(FilesFixture, AFileChangedOnDiskSinceItWasOpenedIsNeverOverwrittenSilently) {
    open(1, false);
    const QString path = namedChangedInvoice(); // saved here; the editor knows what it wrote
    edit("bName")->setText(s("박민수"));
    pressSave(); // nobody else touched it: no question
    EXPECT_TRUE(prompts.shown.isEmpty());

    // The other PC saves its own change.
    InvoiceDocument theirs = editor->invoiceDocument();
    theirs.lines[1].item = s("그쪽에서 바꾼 품목");
    const QByteArray theirBytes = WriteInvoiceFile(theirs);
    writeBytes(path, theirBytes);

    edit("bName")->setText(s("최영수"));
    prompts.choiceAnswers = {2}; // 취소
    pressSave();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("다른 PC"))) << prompts.shown[0].toStdString();
    EXPECT_TRUE(prompts.shown[0].contains(QDir::toNativeSeparators(path)));
    EXPECT_EQ(fileBytes(path), theirBytes);
    EXPECT_TRUE(editor->Modified());

    // 다른 이름으로 저장: both stay.
    const QString mine = inWork(QStringLiteral("mine.Dy5"));
    prompts.choiceAnswers = {1};
    prompts.fileAnswers = {mine};
    pressSave();
    EXPECT_EQ(fileBytes(path), theirBytes);
    EXPECT_EQ(fileBytes(mine), WriteInvoiceFile(editor->invoiceDocument()));
    EXPECT_EQ(editor->CurFileName(), mine);
    EXPECT_FALSE(editor->Modified());

    // Opened again, replaced again, and this time 덮어쓰기.
    prompts.fileAnswers = {path};
    pressOpen();
    writeBytes(path, WriteInvoiceFile(theirs) + QByteArray()); // the same bytes: no change, no question
    edit("bName")->setText(s("한지민"));
    pressSave();
    EXPECT_EQ(prompts.choiceAnswers.size(), 0u);
    theirs.lines[2].item = s("또 바꾼 품목");
    writeBytes(path, WriteInvoiceFile(theirs));
    edit("bName")->setText(s("정우성"));
    prompts.choiceAnswers = {0};
    prompts.shown.clear();
    pressSave();
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(fileBytes(path), WriteInvoiceFile(editor->invoiceDocument()));

    // A file removed by the other PC is asked about as well.
    QFile::remove(path);
    edit("bName")->setText(s("오나라"));
    prompts.choiceAnswers = {2};
    prompts.shown.clear();
    pressSave();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("지우거나 옮겼습니다")));
    EXPECT_FALSE(QFile::exists(path));
}

namespace {

// A lock of another PC (another machine id) as its program writes it, touched secondsAgo ago.
void writeForeignLock(const QString &document, const QString &user, int secondsAgo) {
    const QString lock = storage::LockFileFor(document);
    writeBytes(lock, s("user=%1\nhost=COUNTER-PC\nmachine=0123456789abcdef\nboot=x\npid=4242\nstarted=1\n"
                       "since=2026-12-10T01:00:00Z\ntoken=their-token\n")
                         .arg(user)
                         .toUtf8());
    QFile f(lock);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo), QFileDevice::FileModificationTime);
}

} // namespace

TEST_F(FilesFixture, AnOpenDocumentIsLockedAndAnotherUsersLockIsToldBeforeOpening) {
    open(1, false);
    const QString path = namedChangedInvoice();
    const QString lockFile = storage::LockFileFor(path);
    EXPECT_TRUE(QFile::exists(lockFile)) << "a saved document is held open here";
    EXPECT_TRUE(fileBytes(lockFile).contains("pid=" + QByteArray::number(QCoreApplication::applicationPid())));
    editor->SetModified(false);
    press(QKeySequence(Qt::ALT | Qt::Key_N));
    EXPECT_FALSE(QFile::exists(lockFile)) << "a new document releases the lock";

    // Another PC holds it: told who, and 취소 leaves everything as it was.
    writeForeignLock(path, s("김철수"), 30);
    const QByteArray theirLock = fileBytes(lockFile);
    prompts.fileAnswers = {path};
    prompts.choiceAnswers = {2};
    pressOpen();
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("김철수 (PC: COUNTER-PC"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(editor->CurFileName(), kUnnamedFile);

    // 읽기 전용으로 열기: shown, marked, and a save goes to another name; the same name is asked about.
    prompts.fileAnswers = {path};
    prompts.choiceAnswers = {0};
    pressOpen();
    EXPECT_EQ(editor->CurFileName(), path);
    EXPECT_TRUE(editor->ReadOnly());
    EXPECT_TRUE(child<QLabel>("fNameLabl")->text().contains(s("읽기 전용")));
    const QByteArray before = fileBytes(path);
    edit("bName")->setText(s("박민수"));
    prompts.fileRequests.clear();
    prompts.fileAnswers = {path};
    prompts.choiceAnswers = {2};
    prompts.shown.clear();
    pressSave();
    ASSERT_EQ(prompts.fileRequests.size(), 1) << "the save as dialog, not a save over their file";
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains(s("김철수"))) << prompts.shown[0].toStdString();
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(fileBytes(lockFile), theirLock);

    const QString mine = inWork(QStringLiteral("mine.Dy5"));
    prompts.fileAnswers = {mine};
    pressSave();
    EXPECT_EQ(editor->CurFileName(), mine);
    EXPECT_FALSE(editor->ReadOnly());
    EXPECT_TRUE(QFile::exists(storage::LockFileFor(mine)));
    EXPECT_EQ(fileBytes(lockFile), theirLock) << "their lock stays theirs";

    // 그래도 열기 takes their lock over.
    prompts.fileAnswers = {path};
    prompts.choiceAnswers = {1};
    pressOpen();
    EXPECT_FALSE(editor->ReadOnly());
    EXPECT_FALSE(QFile::exists(storage::LockFileFor(mine))) << "the document left releases its lock";
    EXPECT_TRUE(fileBytes(lockFile).contains("pid=" + QByteArray::number(QCoreApplication::applicationPid())));

    // Closing the editor releases it.
    editor.reset();
    EXPECT_FALSE(QFile::exists(lockFile));
}

TEST_F(FilesFixture, LocksLeftByProgramsThatEndedAreTakenWithoutAQuestion) {
    open(2);
    QuotationDocument d = editor->quotationDocument();
    d.lines[0].item = s("견적 품목");
    const QString path = inWork(QStringLiteral("quote.Prc"));
    writeBytes(path, WriteQuotationFile(d));
    const QString lockFile = storage::LockFileFor(path);

    // Another PC that has not touched its lock for longer than a lock is kept alive.
    writeForeignLock(path, s("김철수"), 11 * 60);
    prompts.fileAnswers = {path};
    pressOpen();
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_FALSE(editor->ReadOnly());
    EXPECT_FALSE(fileBytes(lockFile).contains("their-token"));

    // This PC, a program copy that no longer runs (its process number given to nothing, or to another
    // program since): the lock names this machine and boot, with a start time no process has.
    press(QKeySequence(Qt::ALT | Qt::Key_N));
    storage::LockHolder dead = storage::CurrentHolder();
    const QByteArray text = QStringLiteral("user=%1\nhost=%2\nmachine=%3\nboot=%4\npid=%5\nstarted=1\nsince=2026-12-10T01:00:00Z\n"
                          "token=dead-token\n")
               .arg(dead.user, dead.host, dead.machine, dead.boot)
               .arg(QCoreApplication::applicationPid())
               .toUtf8();
    writeBytes(lockFile, text);
    prompts.fileAnswers = {path};
    pressOpen();
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.value(0).toStdString();
    EXPECT_FALSE(fileBytes(lockFile).contains("dead-token"));
    EXPECT_EQ(editor->CurFileName(), path);
}
