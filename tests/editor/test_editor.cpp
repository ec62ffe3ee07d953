// The editor window: pages, placement, grids, new-document rules, questions, keyboard menu, registration.
#include "HStrGrid.h"
#include "PrtUnit.h"
#include "money.h"
#include "settings_keys.h"
#include "subUnt.h"
#include "test_support.h"
#include "texts.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }
QString blanks(int n) { return QString(n, u' '); }
QString today() { return QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")); }

// The page the print dialog last opened on, recorded by closePrintDialogWhenShown.
int g_printDialogPage = -1;

// Closes the print dialog as soon as it is shown, recording the page it opened on.
void closePrintDialogWhenShown() {
    g_printDialogPage = -1;
    QTimer::singleShot(0, [] {
        if (TPrtUntf *d = TPrtUntf::instance()) {
            g_printDialogPage = d->pageIndex();
            d->close();
        }
    });
}

struct EditorFixture : ::testing::Test {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QWidget mainWindow;
    std::unique_ptr<TsubUntf> editor;

    void SetUp() override {
        // Like the application's main window, without a system frame: its frame is its geometry.
        mainWindow.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        mainWindow.setGeometry(100, 50, 712, 613);
    }
    void TearDown() override { editor.reset(); }
    void open(int pageKind, bool statement = false, int captionAdj = 0) {
        editor = std::make_unique<TsubUntf>(&mainWindow, pageKind, statement, captionAdj);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
    }
    template <typename T = QWidget> T *child(const char *name) {
        T *w = editor->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(name); }
    THStringGrid *grid(const char *name) { return child<THStringGrid>(name); }
    void press(const QKeySequence &key) {
        for (QAction *a : editor->actions())
            if (a->shortcut() == key) {
                a->trigger();
                return;
            }
        ADD_FAILURE() << "no keyboard command " << key.toString().toStdString();
    }
};

struct Column {
    int width;
    QString header;
};

void expectColumns(THStringGrid *g, const QList<Column> &columns) {
    ASSERT_EQ(g->columnCount(), columns.size());
    for (int c = 0; c < columns.size(); ++c) {
        EXPECT_EQ(g->cellText(0, c), columns[c].header) << "column " << c;
        if (columns[c].width == 0)
            EXPECT_TRUE(g->isColumnHidden(c)) << "column " << c;
        else
            EXPECT_EQ(g->columnWidth(c), columns[c].width) << "column " << c;
    }
}

// Row 1..n empty: text columns empty, amount columns zero in their widths.
void expectEmptyLines(THStringGrid *g, int rows, const QMap<int, int> &amountWidths, bool lineNumbers) {
    ASSERT_EQ(g->rowCount(), rows + 1);
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < g->columnCount(); ++c) {
            QString expected;
            if (amountWidths.contains(c))
                expected = blanks(amountWidths[c] - 4) + u'0';
            else if (lineNumbers && c == 0)
                expected = QStringLiteral("%1").arg(r, 2);
            EXPECT_EQ(g->cellText(r, c), expected) << "row " << r << " column " << c;
        }
}

} // namespace

// --- Pages, placement and title ---

TEST(EditorPlacement, FollowsTheMainWindowAndTruncatesTowardZero) {
    const QRect main(100, 50, 712, 613);
    using K = DocumentKind;
    EXPECT_EQ(TsubUntf::PlacementFor(K::Registration, main, 0).bounds, QRect(100 + 131, 190, 450, 370));
    EXPECT_EQ(TsubUntf::PlacementFor(K::TaxInvoice, main, 0).bounds, QRect(113, 150, 685, 385));
    EXPECT_EQ(TsubUntf::PlacementFor(K::Statement, main, 0).bounds, QRect(101, 120, 710, 515));
    EXPECT_EQ(TsubUntf::PlacementFor(K::Quotation, main, 7).bounds, QRect(116, 93, 680, 550));
    EXPECT_EQ(TsubUntf::PlacementFor(K::Quotation, main, 0).bounds.top(), 100);
    // A main window narrower than the editor: (600 - 685) / 2 is -42, not -43.
    EXPECT_EQ(TsubUntf::PlacementFor(K::TaxInvoice, QRect(0, 0, 600, 400), 0).bounds.left(), -42);
    EXPECT_EQ(TsubUntf::PlacementFor(K::Statement, main, 0).title, s("거래명세서 작성"));
}

TEST_F(EditorFixture, EachPageKindOpensItsPageWithGeometryAndTitle) {
    struct Case {
        int pageKind;
        bool statement;
        int captionAdj;
        DocumentKind kind;
        QRect bounds;
        QString title;
        const char *helpPage;
    };
    const Case cases[] = {
        {0, false, 0, DocumentKind::Registration, QRect(231, 190, 450, 370), s("사용자정보등록"), "freeuser.htm"},
        {1, false, 0, DocumentKind::TaxInvoice, QRect(113, 150, 685, 385), s("세금계산서 작성"), "freedtys.htm"},
        {1, true, 0, DocumentKind::Statement, QRect(101, 120, 710, 515), s("거래명세서 작성"), "freedtyg.htm"},
        {2, true, 7, DocumentKind::Quotation, QRect(116, 93, 680, 550), s("견적서 작성"), "freeprce.htm"},
    };
    for (const Case &c : cases) {
        open(c.pageKind, c.statement, c.captionAdj);
        SCOPED_TRACE(c.title.toStdString());
        EXPECT_EQ(editor->CurrentKind(), c.kind);
        EXPECT_EQ(child<QStackedWidget>("mPage")->currentIndex(), c.pageKind);
        if (c.kind == DocumentKind::Quotation) {
            // Taller than designed where the fonts need it: the header row and all twenty lines are in
            // view, none cut off by the window's bottom edge.
            EXPECT_EQ(editor->geometry().topLeft(), c.bounds.topLeft());
            EXPECT_EQ(editor->width(), c.bounds.width());
            EXPECT_GE(editor->height(), c.bounds.height());
            THStringGrid *g = grid("kGrid");
            const QRect last = g->visualRect(g->model()->index(20, 1));
            EXPECT_TRUE(last.isValid() && g->viewport()->rect().contains(last));
            EXPECT_LE(g->mapTo(editor.get(), QPoint(0, g->height())).y(), editor->height());
        } else {
            EXPECT_EQ(editor->geometry(), c.bounds);
        }
        EXPECT_TRUE(editor->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_TRUE(editor->isModal());
        EXPECT_EQ(child<QLabel>("TopTitle")->text(), blanks(5) + c.title);
        EXPECT_EQ(child<QLabel>("TopTitle")->height(), 20);
        EXPECT_EQ(child("mExit0")->x(), c.bounds.width() - 25);
        EXPECT_EQ(child("mClose1")->x(), c.bounds.width() - 43);
        EXPECT_EQ(child("mClose2")->x(), c.bounds.width() - 58);
        EXPECT_EQ(editor->HelpPageName(), QString::fromLatin1(c.helpPage));
    }
}

TEST_F(EditorFixture, InvoiceAndStatementShowTheirOwnHeaderPanelAndFileType) {
    open(1, false);
    EXPECT_TRUE(child("mPanl2")->isVisible());
    EXPECT_FALSE(child("mPanl3")->isVisible());
    EXPECT_EQ(editor->FileDialogExtension(), QStringLiteral("Dy5"));
    EXPECT_EQ(editor->FileDialogFilterIndex(), 1);
    open(1, true);
    EXPECT_FALSE(child("mPanl2")->isVisible());
    EXPECT_TRUE(child("mPanl3")->isVisible());
    EXPECT_EQ(child<QStackedWidget>("sPage")->currentIndex(), 1);
    EXPECT_EQ(editor->FileDialogExtension(), QStringLiteral("Gy5"));
    EXPECT_EQ(editor->FileDialogFilterIndex(), 2);
}

TEST(EditorWithoutMainWindow, IsCentredOnTheScreen) {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    TsubUntf editor(nullptr, 1, false, 0);
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    EXPECT_EQ(editor.size(), QSize(685, 385));
    EXPECT_LE(qAbs(editor.geometry().center().x() - editor.screen()->availableGeometry().center().x()), 1);
}

// --- Grids ---

TEST_F(EditorFixture, TaxInvoiceGridSetUp) {
    open(1, false);
    THStringGrid *g = grid("dGrid");
    expectColumns(g, {{40, blanks(1) + s("날 짜")},
                      {193, blanks(13) + s("품") + blanks(14) + s("명")},
                      {97, blanks(4) + s("규") + blanks(9) + s("격")},
                      {50, s("수 량") + blanks(2)},
                      {72, s("단  가") + blanks(4)},
                      {83, s("공급가액") + blanks(4)},
                      {72, s("세  액") + blanks(5)},
                      {50, blanks(2) + s("비 고")},
                      {0, QString()}});
    EXPECT_EQ(g->height(), 130);
    EXPECT_EQ(g->horizontalHeader()->height() + 5 * 20 <= g->viewport()->height() + 20, true);
    expectEmptyLines(g, 5, {{3, 10}, {4, 15}, {5, 16}, {6, 15}}, false);
    EXPECT_FALSE(g->canEditCell(0, 1));
    EXPECT_TRUE(g->canEditCell(1, 1));
}

TEST_F(EditorFixture, StatementGridSetUp) {
    open(1, true);
    THStringGrid *g = grid("gGrid");
    expectColumns(g, {{40, s("날 짜")},
                      {190, blanks(13) + s("품") + blanks(14) + s("명")},
                      {100, blanks(5) + s("규") + blanks(9) + s("격")},
                      {30, s("단위")},
                      {53, s("수 량") + blanks(2)},
                      {65, s("단  가") + blanks(3)},
                      {72, s("공급가액") + blanks(2)},
                      {65, s("세  액") + blanks(3)},
                      {50, s("  비고")}});
    EXPECT_EQ(g->height(), 298);
    expectEmptyLines(g, 30, {{4, 10}, {5, 15}, {6, 16}, {7, 15}}, false);
}

TEST_F(EditorFixture, QuotationGridSetUp) {
    open(2);
    THStringGrid *g = grid("kGrid");
    expectColumns(g, {{20, s("No")},
                      {195, blanks(13) + s("품") + blanks(14) + s("명")},
                      {120, blanks(7) + s("규") + blanks(9) + s("격")},
                      {35, s("단위")},
                      {60, s("수 량") + blanks(3)},
                      {67, s("단  가") + blanks(4)},
                      {83, s("공급가액") + blanks(3)},
                      {57, s("  비  고")}});
    EXPECT_EQ(g->width(), 657);
    expectEmptyLines(g, 20, {{4, 10}, {5, 15}, {6, 16}}, true);
    EXPECT_EQ(g->cellText(20, 0), QStringLiteral("20"));
}

// --- Named controls ---

TEST_F(EditorFixture, EveryNamedControlIsFoundWithItsTagMaskAndHint) {
    open(1, false);
    for (const char *name :
         {"mPage",     "TabSheet0", "TabSheet1", "TabSheet2", "sPage",     "xPage",   "mPanl01",   "mPanl1",
          "mPanl2",    "mPanl3",    "mPanl02",   "mTopPnl1",  "BtmPnl1",   "BtmPnl2", "mClose1",   "fOpen",
          "Newfile",   "SaveBtn",   "RnameBtn",  "PrtBtn",    "GridCal",   "ExlBtn0", "fNameLabl", "fnameBevl",
          "mClose2",   "kOpen",     "Newkfile",  "SavekBtn",  "RnamekBtn", "PrtkBtn", "kGridCalc", "ExlBtn2",
          "kNameLabl", "knameBevl", "Gbn",       "Totmy",     "Cashmy",    "Checkmy", "Billmy",    "Creditmy",
          "gTotEdt",   "gMnyEdt",   "gVatEdt",   "rBtn1",     "rBtn2",     "dGrid",   "gGrid",     "kGrid",
          "ckBsinsNo", "ChkJumin",  "fMemo",     "MsgLabel",  "La12",      "imgDir",  "dojOk",     "dojVoid",
          "dojmge",    "msOk0",     "mVoide0",   "PupMu"})
        EXPECT_NE(editor->findChild<QObject *>(QString::fromLatin1(name)), nullptr) << name;
    // A new document's totals: "0" in the units box, blanks elsewhere.
    for (int i = 1; i <= 11; ++i)
        EXPECT_EQ(child<QLabel>(QStringLiteral("La%1").arg(i).toLatin1())->text(),
                  i == 1 ? QStringLiteral("0") : QStringLiteral(" "));
    for (int i = 1; i <= 10; ++i)
        EXPECT_NE(editor->findChild<QLabel *>(QStringLiteral("Lb%1").arg(i)), nullptr);

    const std::pair<const char *, int> tags[] = {
        {"aSaNo", 1},    {"aSangho", 2},    {"aName", 3},    {"aAddr", 4},   {"aUpTea", 5},    {"aUpJong", 6},
        {"bSaNo", 7},    {"JuMinNo", 7},    {"bSangho", 8},  {"bName", 9},   {"bAddr", 10},    {"bUpTea", 11},
        {"bUpJong", 12}, {"DayEdt", 13},    {"DtyfNo", 14},  {"DtyeNo", 15}, {"DtysNo", 16},   {"grDay", 17},
        {"grEdit", 18},  {"SangHoEdt", 1},  {"mTelEdit", 2}, {"Day1Edt", 3}, {"NameEdt", 4},   {"Day2Edt", 5},
        {"AddrEdt", 6},  {"SanghoEdit", 1}, {"NameEdit", 2}, {"TelEdit", 3}, {"UpteaEdit", 4}, {"UpjongEdit", 5},
        {"SanoEdit", 6}, {"AddrEdit", 7}};
    for (const auto &[name, tag] : tags)
        EXPECT_EQ(edit(name)->property("Tag").toInt(), tag) << name;

    const std::pair<const char *, const char *> masks[] = {
        {"aSaNo", "###-##-#####;_"}, {"bSaNo", "###-##-#####;_"}, {"JuMinNo", "######-#######;_"},
        {"DayEdt", "0000.00.00;_"},  {"grDay", "0000.00.00;_"},   {"DtysNo", "##-####;_"},
        {"Day1Edt", "####.##.##;_"}, {"Day2Edt", "####.##.##;_"}, {"SanoEdit", "###-##-#####;_"}};
    for (const auto &[name, mask] : masks)
        EXPECT_EQ(edit(name)->inputMask(), QString::fromLatin1(mask)) << name;
    EXPECT_TRUE(edit("aSaNo")->font().bold());
    EXPECT_EQ(edit("SanghoEdit")->maxLength(), 40);
    EXPECT_EQ(edit("DtyfNo")->maxLength(), 3);
    EXPECT_TRUE(edit("Totmy")->isReadOnly());
    EXPECT_TRUE(edit("gVatEdt")->isReadOnly());
    EXPECT_FALSE(edit("Cashmy")->isReadOnly());

    auto *open = child<QToolButton>("fOpen");
    EXPECT_EQ(open->toolTip(), s("파일열기"));
    EXPECT_EQ(open->statusTip(), s("저장되어있는 기존파일을 불러옵니다. Alt+O"));
    EXPECT_FALSE(open->icon().isNull());
    EXPECT_EQ(child<QToolButton>("ExlBtn2")->statusTip(), s("현재의  내용을 엑셀파일로 변환합니다."));
    EXPECT_EQ(grid("kGrid")->statusTip(),
              s("파일열기 Alt+O, 신규파일 Alt+N, 파일저장 Alt+S, 행 삭제 Alt+D, 내용인쇄 Alt+P, 특수문자F11, Help F1"));
    EXPECT_EQ(child<QComboBox>("Gbn")->itemText(1), s("개인"));
    EXPECT_EQ(child<QLabel>("MsgLabel")->text(), s("  一金 : "));
}

// --- New documents ---

TEST_F(EditorFixture, NewTaxInvoiceTakesTheSupplierRecordAndClearsTheBuyer) {
    keys::write(keys::fSangho, s("가나상회"));
    keys::write(keys::fSaNo, QStringLiteral("220-81-62517"));
    keys::write(keys::rBtn, false);
    open(1, false);
    EXPECT_EQ(edit("aSangho")->text(), s("가나상회"));
    EXPECT_EQ(edit("aSaNo")->text(), QStringLiteral("220-81-62517"));
    EXPECT_EQ(edit("aName")->text(), s("홍길동")); // missing keys give the sample record
    EXPECT_EQ(edit("aUpJong")->text(), s("문구,사무용품"));
    EXPECT_TRUE(child<QRadioButton>("rBtn2")->isChecked());
    EXPECT_EQ(edit("DayEdt")->text(), today());
    EXPECT_EQ(edit("grDay")->text(), today());
    EXPECT_EQ(edit("DtyfNo")->text(), QStringLiteral("0"));
    EXPECT_EQ(edit("DtyeNo")->text(), QStringLiteral("0"));
    EXPECT_EQ(child<QComboBox>("Gbn")->currentIndex(), 0);
    EXPECT_EQ(child<QStackedWidget>("xPage")->currentIndex(), 0);
    EXPECT_EQ(editor->CurFileName(), s("이름없음"));
    EXPECT_FALSE(editor->Modified());
    EXPECT_EQ(editor->focusWidget(), edit("bSaNo"));

    auto *name = child<QLabel>("fNameLabl");
    EXPECT_EQ(name->text(), s("파일명: 이름없음"));
    EXPECT_EQ(child("fnameBevl")->width(), name->width());
    EXPECT_GE(name->width(), name->fontMetrics().horizontalAdvance(name->text()));
}

TEST_F(EditorFixture, NewTaxInvoiceChecksReceivedByDefault) {
    open(1, false);
    EXPECT_TRUE(child<QRadioButton>("rBtn1")->isChecked());
}

TEST_F(EditorFixture, NewQuotationShowsTheNameWithoutBlank) {
    open(2);
    EXPECT_EQ(child<QLabel>("kNameLabl")->text(), s("파일명:이름없음"));
    EXPECT_EQ(child("knameBevl")->width(), child("kNameLabl")->width());
    EXPECT_EQ(edit("Day1Edt")->text(), today());
    EXPECT_EQ(edit("Day2Edt")->text(), today());
    EXPECT_EQ(editor->focusWidget(), edit("SangHoEdt"));
    EXPECT_FALSE(editor->Modified());
}

TEST_F(EditorFixture, ChangedInvoiceIsAskedAboutBeforeANewOneNamedOrNot) {
    const QString question = s("자료내용이 변경되었습니다 저장할 까요??");
    open(1, false);
    // Never saved, with nothing but a buyer typed: asked all the same. 취소 keeps everything.
    edit("bSangho")->setText(s("을지상사"));
    prompts.yesNoCancelAnswers = {SaveAnswer::Cancel};
    editor->NewfileClick();
    EXPECT_EQ(prompts.shown, QStringList{question});
    EXPECT_EQ(edit("bSangho")->text(), s("을지상사"));
    EXPECT_TRUE(editor->Modified());

    // 저장, but the file dialog cancelled: nothing was saved, so nothing is dropped.
    prompts.yesNoCancelAnswers = {SaveAnswer::Yes};
    prompts.fileAnswers = {QString()};
    editor->NewfileClick();
    EXPECT_EQ(edit("bSangho")->text(), s("을지상사"));
    EXPECT_TRUE(editor->Modified());

    // 저장 안 함 drops the changes.
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    editor->NewfileClick();
    EXPECT_EQ(edit("bSangho")->text(), QString());
    EXPECT_EQ(editor->CurFileName(), s("이름없음"));
    EXPECT_FALSE(editor->Modified());

    // Named, with amounts: 저장 saves under its name before the new document.
    const QString invoiceFile = app.file(QStringLiteral("a.Dy5"));
    editor->SetCurFileName(invoiceFile);
    EXPECT_EQ(child<QLabel>("fNameLabl")->text(), s("파일명: ") + invoiceFile);
    InvoiceDocument withAmounts = editor->invoiceDocument();
    withAmounts.lines[0].supply = Money::fromWon(10000);
    withAmounts.lines[0].tax = Money::fromWon(1000);
    editor->showInvoiceDocument(withAmounts);
    editor->SetModified(true);
    prompts.shown.clear();
    prompts.yesNoCancelAnswers = {SaveAnswer::Yes};
    editor->NewfileClick();
    EXPECT_EQ(prompts.shown, QStringList{question});
    EXPECT_EQ(QFileInfo(invoiceFile).size(), 8 * 228);
    EXPECT_EQ(editor->CurFileName(), s("이름없음"));

    // Without changes nothing is asked.
    prompts.shown.clear();
    editor->NewfileClick();
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(EditorFixture, QuotationSaveQuestionCancelKeepsNoDiscards) {
    open(2);
    const QString quotationFile = app.file(QStringLiteral("q.Prc"));
    editor->SetCurFileName(quotationFile);
    edit("SangHoEdt")->setText(s("다라상사"));
    editor->SetModified(true);

    prompts.yesNoCancelAnswers = {SaveAnswer::Cancel};
    editor->NewkfileClick();
    EXPECT_EQ(prompts.shown, QStringList{s("자료내용이 변경되었습니다.\r저장하시겠습니까?")});
    EXPECT_EQ(edit("SangHoEdt")->text(), s("다라상사"));
    EXPECT_EQ(editor->CurFileName(), quotationFile);
    EXPECT_TRUE(editor->Modified()); // kept, so that the next command asks again

    // The next new document asks again; an unnamed quotation is asked about as well.
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    editor->NewkfileClick();
    EXPECT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(edit("SangHoEdt")->text(), QString());
    edit("SangHoEdt")->setText(s("마바상사"));
    prompts.yesNoCancelAnswers = {SaveAnswer::Cancel};
    editor->NewkfileClick();
    EXPECT_EQ(prompts.shown.size(), 3);
    EXPECT_EQ(edit("SangHoEdt")->text(), s("마바상사"));
    // Without changes nothing is asked.
    editor->SetModified(false);
    editor->NewkfileClick();
    EXPECT_EQ(prompts.shown.size(), 3);
    EXPECT_EQ(edit("SangHoEdt")->text(), QString());

    editor->SetCurFileName(quotationFile);
    edit("SangHoEdt")->setText(s("다라상사"));
    editor->SetModified(true);
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    editor->NewkfileClick();
    EXPECT_EQ(edit("SangHoEdt")->text(), QString());
    EXPECT_EQ(editor->CurFileName(), s("이름없음"));
    EXPECT_FALSE(editor->Modified());

    // Yes saves.
    editor->SetCurFileName(quotationFile);
    editor->SetModified(true);
    prompts.shown.clear();
    prompts.yesNoCancelAnswers = {SaveAnswer::Yes};
    EXPECT_EQ(editor->AskSaveQuotation(), SaveAnswer::Yes);
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(QFileInfo(quotationFile).size(), 31 * 171);
}

// --- Commands and keyboard menu ---

TEST_F(EditorFixture, KeyboardMenuItems) {
    open(1, false);
    auto *menu = child<QWidget>("PupMu");
    EXPECT_FALSE(menu->isVisible());
    const std::tuple<const char *, const char *, QKeySequence> items[] = {
        {"mHelp", "도 움 말 보기", QKeySequence(Qt::Key_F1)},
        {"KMR1", "KMR 계 산 기", QKeySequence(Qt::ALT | Qt::Key_C)},
        {"N1", "파일열기", QKeySequence(Qt::ALT | Qt::Key_O)},
        {"N2", "신규파일", QKeySequence(Qt::ALT | Qt::Key_N)},
        {"N3", "파일저장(1)", QKeySequence(Qt::ALT | Qt::Key_S)},
        {"N21", "파일저장(2)", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"N4", "내용인쇄", QKeySequence(Qt::ALT | Qt::Key_P)},
        {"OpenR", "OpenR", QKeySequence(Qt::ALT | Qt::Key_R)}};
    for (const auto &[name, caption, key] : items) {
        auto *a = editor->findChild<QAction *>(QString::fromLatin1(name));
        ASSERT_NE(a, nullptr) << name;
        EXPECT_EQ(a->text(), s(caption));
        EXPECT_EQ(a->shortcut(), key);
        EXPECT_EQ(a->shortcutContext(), Qt::WindowShortcut);
        EXPECT_TRUE(editor->actions().contains(a));
    }
}

TEST_F(EditorFixture, TypedShortcutsReachTheCommands) {
    open(1, false);
    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    edit("bSangho")->setText(s("을지상사"));
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    QTest::keyClick(editor->focusWidget(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(edit("bSangho")->text(), QString());
    prompts.fileAnswers = {QString()}; // the open dialog, cancelled
    QTest::keyClick(editor->focusWidget(), Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.shown.size(), 1); // the question before the new document only
}

TEST_F(EditorFixture, FileCommandsDoNothingOnTheRegistrationPage) {
    open(0);
    for (const QKeySequence &key : {QKeySequence(Qt::ALT | Qt::Key_O), QKeySequence(Qt::ALT | Qt::Key_N),
                                    QKeySequence(Qt::ALT | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_S)})
        press(key);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_TRUE(editor->isVisible());
}

TEST_F(EditorFixture, FileAndPrintCommandsWaitWhileThePrintDialogExists) {
    open(1, true);
    auto *dialog = new QDialog(editor.get());
    editor->SetPrtUntf(dialog);
    edit("bSangho")->setText(s("을지상사"));
    for (const QKeySequence &key : {QKeySequence(Qt::ALT | Qt::Key_O), QKeySequence(Qt::ALT | Qt::Key_N),
                                    QKeySequence(Qt::ALT | Qt::Key_S), QKeySequence(Qt::ALT | Qt::Key_P)})
        press(key);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(edit("bSangho")->text(), s("을지상사"));

    delete dialog; // gone: the commands act again
    closePrintDialogWhenShown();
    press(QKeySequence(Qt::ALT | Qt::Key_P));
    EXPECT_EQ(editor->PrintPageIndex(), 1);
    EXPECT_EQ(g_printDialogPage, 1);
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(TPrtUntf::instance(), nullptr);
}

TEST_F(EditorFixture, PrintPageIndexFollowsTheKind) {
    open(1, false);
    closePrintDialogWhenShown();
    editor->PrtBtnClick();
    EXPECT_EQ(editor->PrintPageIndex(), 0);
    EXPECT_EQ(g_printDialogPage, 0);
    open(2);
    closePrintDialogWhenShown();
    QTest::mouseClick(child<QToolButton>("PrtkBtn"), Qt::LeftButton);
    EXPECT_EQ(editor->PrintPageIndex(), 2);
    EXPECT_EQ(g_printDialogPage, 2);
}

TEST_F(EditorFixture, RecalculationConfirms) {
    open(2);
    QTest::mouseClick(child<QToolButton>("kGridCalc"), Qt::LeftButton);
    EXPECT_EQ(prompts.shown, QStringList{s("자료 재계산을 끝냈습니다.")});
}

TEST_F(EditorFixture, ClosingAsksAboutChangesAndEscapeDoesNotClose) {
    open(1, false);
    edit("bSangho")->setText(s("을지상사"));
    QTest::keyClick(edit("bSangho"), Qt::Key_Escape);
    EXPECT_TRUE(editor->isVisible());
    // 취소 keeps the editor open with the document.
    prompts.yesNoCancelAnswers = {SaveAnswer::Cancel};
    QTest::mouseClick(child<QToolButton>("mClose1"), Qt::LeftButton);
    EXPECT_EQ(prompts.shown, QStringList{s("자료내용이 변경되었습니다 저장할 까요??")});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_TRUE(editor->Modified());
    // 저장 with the save-as dialog cancelled: still open.
    prompts.yesNoCancelAnswers = {SaveAnswer::Yes};
    prompts.fileAnswers = {QString()};
    editor->close();
    EXPECT_TRUE(editor->isVisible());
    // 저장 안 함 closes.
    prompts.yesNoCancelAnswers = {SaveAnswer::No};
    QTest::mouseClick(child<QToolButton>("mClose1"), Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), QDialog::Rejected);

    // Without changes, and on the registration page, closing asks nothing.
    prompts.shown.clear();
    open(2);
    QTest::mouseClick(child<QToolButton>("mClose2"), Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    open(0);
    child<QLineEdit>("SanghoEdit")->setText(s("새상호"));
    editor->mExit0Click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(EditorFixture, DraggedByABarePoint) {
    open(2);
    const QPoint before = editor->pos();
    QWidget *title = child("TopTitle");
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(100, 10));
    QMouseEvent move(QEvent::MouseMove, QPointF(130, 30), title->mapToGlobal(QPointF(130, 30)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(title, &move);
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(130, 30));
    EXPECT_EQ(editor->pos(), before + QPoint(30, 20));
}

// --- Registration page ---

TEST_F(EditorFixture, RegistrationPageOnAFreshInstallation) {
    open(0);
    EXPECT_EQ(edit("SanghoEdit")->text(), s("한빛상사"));
    EXPECT_EQ(edit("SanoEdit")->text(), QStringLiteral("123-45-67891"));
    EXPECT_EQ(edit("TelEdit")->text(), PhoneDisplayText(QString::fromUtf16(sample::kTel)));
    EXPECT_TRUE(child<QRadioButton>("dojVoid")->isChecked());
    EXPECT_EQ(edit("imgDir")->text(), app.path() + QStringLiteral("dojang.bmp"));
    EXPECT_EQ(editor->focusWidget(), edit("SanghoEdit"));
}

TEST_F(EditorFixture, RegistrationApplyWritesTheRecordCancelLeavesTheFile) {
    open(0);
    edit("SanghoEdit")->setText(s("마바상사"));
    child<QRadioButton>("dojOk")->setChecked(true);
    QTest::mouseClick(child<QPushButton>("mVoide0"), Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(app.read(QStringLiteral("ZaruZiz.ini")).isEmpty());

    open(0);
    edit("SanghoEdit")->setText(s("마바상사"));
    edit("TelEdit")->setText(QStringLiteral("031-123-4567"));
    child<QRadioButton>("dojOk")->setChecked(true);
    QTest::mouseClick(child<QPushButton>("msOk0"), Qt::LeftButton);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(keys::read(keys::fSangho), s("마바상사"));
    EXPECT_EQ(keys::read(keys::fTel), PhoneStoredText(QStringLiteral("031-123-4567"), 4));
    EXPECT_EQ(keys::read(keys::fSaNo), QStringLiteral("123-45-67891"));
    EXPECT_FALSE(keys::read(keys::djnousr));
    EXPECT_EQ(keys::read(keys::dojImge, QString()), app.path() + QStringLiteral("dojang.bmp"));

    open(0);
    EXPECT_TRUE(child<QRadioButton>("dojOk")->isChecked());
    EXPECT_EQ(edit("SanghoEdit")->text(), s("마바상사"));
}

TEST_F(EditorFixture, ChosenSealPictureShowsAtOnce) {
    QImage seal(60, 60, QImage::Format_RGB32);
    seal.fill(Qt::red);
    const QString path = app.path() + QStringLiteral("seal.bmp");
    ASSERT_TRUE(seal.save(path));
    open(0);
    auto *preview = child<QLabel>("dojmge");
    EXPECT_TRUE(preview->pixmap().isNull()); // no dojang.bmp here
    prompts.fileAnswers = {path};
    QTest::mouseClick(child<QToolButton>("imgDirBtn"), Qt::LeftButton);
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests[0].title, s("도장그림을 선택합니다."));
    EXPECT_EQ(prompts.fileRequests[0].defaultSuffix, QStringLiteral("bmp"));
    EXPECT_EQ(edit("imgDir")->text(), path);
    EXPECT_EQ(preview->pixmap().size(), QSize(60, 60));
    // A name that does not exist shows no picture: the preview is always the picture at the path.
    edit("imgDir")->setText(app.path() + QStringLiteral("none.bmp"));
    EXPECT_TRUE(preview->pixmap().isNull());
}
