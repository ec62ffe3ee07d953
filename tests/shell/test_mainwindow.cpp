#include "commands.h"
#include "frameless.h"
#include "mainU.h"
#include "settings.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

struct Launch {
    int pageKind;
    bool statement;
};

// A main window whose editor launcher records what it was asked to open.
struct MainWindowFixture : ::testing::Test {
    ScratchAppFolder app; // no companion libraries here
    ScriptedPrompts prompts;
    QList<Launch> launches;
    Tmainf window{[this](QWidget *, int pageKind, bool statement, int) { launches.append({pageKind, statement}); }};

    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QToolButton *button(const char *name) {
        auto *b = window.findChild<QToolButton *>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }
    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void key(const QKeySequence &seq) {
        for (QAction *a : window.actions())
            if (a->shortcut() == seq) {
                a->trigger();
                return;
            }
        ADD_FAILURE() << "no action for " << seq.toString().toStdString();
    }
};

} // namespace

TEST_F(MainWindowFixture, WindowLayout) {
    EXPECT_EQ(window.size(), QSize(712, 613));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.windowTitle(), s("켈모르소프트 세금계산서"));
    EXPECT_EQ(button("duty1Btn")->text(), s("세금계산서"));
    EXPECT_EQ(button("duty2Btn")->text(), s("거래명세서"));
    EXPECT_EQ(button("duty3Btn")->text(), s("견적서작업"));
    EXPECT_EQ(button("duty1Btn")->geometry(), QRect(4, 2, 92, 25));
    EXPECT_EQ(button("duty2Btn")->x(), 97);
    EXPECT_EQ(button("duty3Btn")->x(), 190);
    EXPECT_FALSE(button("TmpBtn")->isVisible());
    // Right-hand tool buttons from the window width.
    const struct {
        const char *name;
        int offset;
    } right[] = {{"QuitBtn", 35}, {"mExit0", 27},   {"wsMinbtn", 45}, {"Hinfo1", 62},  {"KelBtn", 88},
                 {"dDTZIP", 115}, {"PrtStup", 141}, {"HelpBtn", 167}, {"UserBtn", 192}};
    for (const auto &r : right)
        EXPECT_EQ(button(r.name)->x(), 712 - r.offset) << r.name;
    auto *bevel = window.findChild<QWidget *>(QStringLiteral("mBevel"));
    auto *image = window.findChild<QWidget *>(QStringLiteral("ZImage"));
    EXPECT_EQ(bevel->geometry(), QRect((712 - 361) / 2 - 10, (613 - 301) / 2 - 20, 361, 301));
    EXPECT_EQ(image->pos(), bevel->pos() + QPoint(3, 3));
    // Hints: short part as tool tip, long part in the status bar.
    EXPECT_EQ(button("duty1Btn")->toolTip(), s("세금계산서"));
    EXPECT_EQ(button("duty1Btn")->statusTip(), s("세금계산서를 발행합니다."));
    EXPECT_EQ(button("PrtStup")->statusTip(), s(" 현재의 프린터설정을 변경합니다."));
}

TEST_F(MainWindowFixture, StatusBarShowsTheHintOfTheControlUnderTheMouse) {
    EXPECT_EQ(window.hintText(), FormHint());
    QStatusTipEvent tip(button("UserBtn")->statusTip());
    QApplication::sendEvent(button("UserBtn"), &tip);
    EXPECT_EQ(window.hintText(), s(" 프로그램 사용자 정보를 기록합니다."));
    QStatusTipEvent none{QString()};
    QApplication::sendEvent(button("UserBtn"), &none);
    EXPECT_EQ(window.hintText(), FormHint());
}

TEST_F(MainWindowFixture, PageKindOfEachButton) {
    click("duty1Btn");
    click("duty2Btn");
    click("duty3Btn");
    click("UserBtn");
    ASSERT_EQ(launches.size(), 4);
    EXPECT_EQ(launches[0].pageKind, 1);
    EXPECT_FALSE(launches[0].statement);
    EXPECT_EQ(launches[1].pageKind, 1); // the statement, not the quotation page
    EXPECT_TRUE(launches[1].statement);
    EXPECT_EQ(launches[2].pageKind, 2);
    EXPECT_EQ(launches[3].pageKind, 0); // registration, even after a document kind
    EXPECT_FALSE(launches[3].statement);
    // The group is released after each editor closes.
    EXPECT_TRUE(button("TmpBtn")->isChecked());
    EXPECT_FALSE(button("duty3Btn")->isChecked());
    EXPECT_FALSE(button("QuitBtn")->autoRaise());
}

TEST_F(MainWindowFixture, DocumentButtonsLookInactiveWhileTheEditorIsOpen) {
    Tmainf *w = &window;
    bool flatDuring = false;
    Tmainf other([&](QWidget *, int, bool, int) {
        flatDuring = w->findChild<QToolButton *>(QStringLiteral("duty1Btn"))->autoRaise();
    });
    w = &other;
    QTest::mouseClick(other.findChild<QToolButton *>(QStringLiteral("duty1Btn")), Qt::LeftButton);
    EXPECT_TRUE(flatDuring);
    EXPECT_FALSE(other.findChild<QToolButton *>(QStringLiteral("duty1Btn"))->autoRaise());
}

TEST_F(MainWindowFixture, QuitAsksAndNoKeepsRunning) {
    prompts.yesNoAnswers = {false};
    click("QuitBtn");
    EXPECT_EQ(prompts.shown.value(0), s("작업을 종료하겠습니까??"));
    EXPECT_TRUE(window.isVisible());

    prompts.yesNoAnswers = {true};
    key(QKeySequence(Qt::ALT | Qt::Key_X));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowFixture, CloseButtonAsksTheSameQuestion) {
    prompts.yesNoAnswers = {true};
    click("mExit0");
    EXPECT_EQ(prompts.shown, QStringList{s("작업을 종료하겠습니까??")});
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowFixture, MissingCompanionLibrariesGiveTheirMessageAndTheProgramGoesOn) {
    key(QKeySequence(Qt::ALT | Qt::Key_C));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0], s("호출한 프로그램을 실행할 수 없습니다."));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(MainWindowFixture, PrinterSetupOpensTheDialog) {
    click("PrtStup");
    EXPECT_EQ(prompts.printerSetups, 1);
}

TEST_F(MainWindowFixture, MinimiseButton) {
    click("wsMinbtn");
    EXPECT_TRUE(window.isMinimized());
    BringToFront(&window);
    EXPECT_FALSE(window.isMinimized());
}

TEST(MainWindow, CaptionAdjustment) {
    EXPECT_EQ(Tmainf::CaptionAdjFor(18), 7);
    EXPECT_EQ(Tmainf::CaptionAdjFor(21), 7);
    EXPECT_EQ(Tmainf::CaptionAdjFor(22), 0);
    EXPECT_EQ(Tmainf::CaptionAdjFor(30), 0);
}

TEST(GeneralErrorHandler, ErrorOfACommandIsShownAndTheProgramGoesOn) {
    ScriptedPrompts prompts;
    bool after = false;
    EXPECT_FALSE(RunCommand(nullptr, [] { throw IoError(QStringLiteral("파일을 쓸 수 없습니다.")); }));
    EXPECT_FALSE(RunCommand(nullptr, [] { throw std::runtime_error("boom"); }));
    EXPECT_TRUE(RunCommand(nullptr, [&] { after = true; }));
    EXPECT_TRUE(after);
    ASSERT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(prompts.shown[0], s("파일을 쓸 수 없습니다."));
    EXPECT_TRUE(prompts.shown[1].contains(s("boom")));
}

TEST(GeneralErrorHandler, ErrorEscapingAnyEventHandlerIsShownAndTheProgramGoesOn) {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QPushButton button(s("저장"));
    int clicks = 0;
    // A handler that is not wrapped in RunCommand: the application object catches what escapes it.
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        IniWriteStr(QStringLiteral("ZaruZiz.ini"), s("등록"), s("fName"), s("첫값"));
        if (clicks == 1)
            throw IoError(s("파일을 쓸 수 없습니다."));
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(prompts.shown, QStringList{s("파일을 쓸 수 없습니다.")});
    // What the command wrote before it failed is whole, and the next click runs normally.
    EXPECT_EQ(app.read(QStringLiteral("ZaruZiz.ini")), cp("[등록]\r\nfName=첫값\r\n"));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(prompts.shown.size(), 1);
}

namespace {
// Takes the addresses the program hands to the system's browser.
class BrowserStandIn : public QObject {
    Q_OBJECT
public:
    BrowserStandIn() {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~BrowserStandIn() override {
        for (const char *scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};
} // namespace

// The home-page button opens the address its hint shows, in the browser.
TEST_F(MainWindowFixture, HomePageButtonOpensTheMakersAddressItsHintShows) {
    BrowserStandIn browser;
    click("KelBtn");
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0], QUrl(HomePageAddress()));
    EXPECT_TRUE(button("KelBtn")->toolTip().contains(HomePageAddress()));
}

// One version: the about box shows the build's version, and the download page names the same one.
TEST(MainWindow, TheAboutBoxAndTheDownloadPageShowTheBuildsVersion) {
    EXPECT_EQ(ProgramVersionText(), QStringLiteral("V") + QStringLiteral(ZARU_PROJECT_VERSION));
    QFile page(QStringLiteral(ZARU_HELP_SOURCE "/soft.htm"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("<td>") + ProgramVersionText()))
        << "the download page shows another version";
}

#include "test_mainwindow.moc"
