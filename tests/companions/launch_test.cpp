// Loading the companion libraries: the failures the user is told about, the libraries kept mapped after each call, the
// help window's placement, and the wait that keeps processing events.

#include "companions_test_support.h"
#include "errors.h"
#include "test_support.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>

namespace {

bool IsMapped(const QString &fileName) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return QString::fromUtf8(maps.readAll()).contains(u'/' + fileName);
}

QList<QWidget *> HelpWindows() {
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("webnote"))
            found << w;
    return found;
}

} // namespace

TEST_F(CompanionsTest, MissingLibraryRaisesTheLoadMessageAndShowsNothingElse) {
    QTemporaryDir empty;
    SetCompanionFolderForTesting(empty.path());
    ScriptedPrompts prompts;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    const std::function<void()> calls[] = {
        [] { RunSpecialChars(); },
        [] { RunCalculator(); },
        [] { ShowWebNote(QRect(0, 0, 300, 300), HelpBase() + QStringLiteral("freemain.htm")); },
        [] { ShowAboutBox(QStringLiteral("1.0"), QStringLiteral("title")); },
    };
    for (const auto &call : calls) {
        try {
            call();
            ADD_FAILURE() << "no error raised";
        } catch (const AppError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("호출한 프로그램을 실행할 수 없습니다."));
        }
    }
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

TEST_F(CompanionsTest, MissingEntryPointShowsTheErrorCode) {
    SetCompanionFolderForTesting(QStringLiteral(ZARU_WITHOUT_ENTRY_DIR));
    ScriptedPrompts prompts;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));

    EXPECT_NO_THROW(RunSpecialChars());

    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown.at(0), QStringLiteral("127"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

// The tools' windows register meta types with Qt that outlive the call: unmapping the library after it
// left dangling entries that crashed the picker's second use.
TEST_F(CompanionsTest, ToolLibrariesStayMappedAndThePickerWorksTwice) {
    WhenModalShown([](QDialog *d) { d->reject(); });
    RunCalculator();
    EXPECT_TRUE(IsMapped(QStringLiteral("libKmrCalc.so")));

    for (int use = 0; use < 2; ++use) {
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        WhenModalShown([](QDialog *d) { d->reject(); });
        RunSpecialChars();
        EXPECT_TRUE(IsMapped(QStringLiteral("libSpelchr.so")));
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Non"));
    }
}

TEST(HelpPlacement, HelpWindowDocksAtTheRightEdgeOfTheWindow) {
    // L 100, T 50, W 712, H 613: top T + 30, left L + W - 583, height H - 35, width 580.
    EXPECT_EQ(HelpPageRect(QRect(100, 50, 712, 613)), QRect(229, 80, 580, 578));
    EXPECT_EQ(HelpPageRect(QRect(-20, 0, 600, 400)), QRect(-3, 30, 580, 365));
}

TEST(HelpPlacement, DownloadPageDependsOnTheCaptionAdjustment) {
    // top T + 32 - CaptionAdj, left L + W - 565, height 580, width 560.
    EXPECT_EQ(DownloadPageRect(QRect(100, 50, 712, 613), 7), QRect(247, 75, 560, 580));
    EXPECT_EQ(DownloadPageRect(QRect(100, 50, 712, 613), 0), QRect(247, 82, 560, 580));
}

TEST_F(CompanionsTest, HelpBaseIsTheLocalHelpFolder) {
    const QString base = HelpBase();
    EXPECT_TRUE(base.startsWith(QStringLiteral("file://")));
    EXPECT_TRUE(base.endsWith(QStringLiteral("/help/vizuruz/")));
    EXPECT_TRUE(QFile::exists(QUrl(base + QStringLiteral("freemain.htm")).toLocalFile()));
    EXPECT_EQ(DownloadPageAddress(), base + QStringLiteral("soft.htm"));
}

TEST_F(CompanionsTest, HelpWindowOpensAtTheComputedRectangleAndIsReused) {
    QWidget mainWindow;
    mainWindow.setGeometry(120, 60, 712, 613);
    mainWindow.show();
    const QRect expected = HelpPageRect(mainWindow.frameGeometry());

    ShowHelpPage(&mainWindow, QStringLiteral("freemain.htm"));
    QList<QWidget *> windows = HelpWindows();
    ASSERT_EQ(windows.size(), 1);
    QWidget *help = windows.first();
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->frameGeometry(), expected);
    auto *browser = help->findChild<QTextBrowser *>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->source().toString().endsWith(QStringLiteral("/help/vizuruz/freemain.htm")));
    EXPECT_FALSE(browser->documentTitle().isEmpty());
    EXPECT_TRUE(help->windowTitle().contains(browser->documentTitle()));
    SaveShot(help, QStringLiteral("help_freemain"));

    // The editor's help goes to the same window; the window follows the new rectangle.
    mainWindow.move(200, 100);
    ShowHelpPage(&mainWindow, QStringLiteral("freedtys.htm"));
    windows = HelpWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.first(), help);
    EXPECT_EQ(help->frameGeometry(), HelpPageRect(mainWindow.frameGeometry()));
    EXPECT_TRUE(browser->source().toString().endsWith(QStringLiteral("freedtys.htm")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("세금계산서")));
    SaveShot(help, QStringLiteral("help_freedtys"));

    ShowDownloadPage(&mainWindow, 7);
    EXPECT_EQ(help->frameGeometry(), DownloadPageRect(mainWindow.frameGeometry(), 7));
    EXPECT_TRUE(browser->source().toString().endsWith(QStringLiteral("soft.htm")));

    // A closed help window is made anew by the next call.
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(HelpWindows().isEmpty());
    ShowHelpPage(&mainWindow, QStringLiteral("freeuser.htm"));
    ASSERT_EQ(HelpWindows().size(), 1);
    HelpWindows().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(CompanionsTest, HelpWindowTakesUrlsAndPathsInFoldersWithKoreanNamesAndBlanks) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/내 문서 #1/");
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile page(folder + QStringLiteral("안내.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><meta charset=\"utf-8\"><title>안내</title></head><body><p>첫 페이지</p></body></html>");
    page.close();

    for (const QString &address : {QUrl::fromLocalFile(page.fileName()).toString(), page.fileName()}) {
        SCOPED_TRACE(address.toStdString());
        ShowWebNote(QRect(10, 10, 400, 300), address);
        ASSERT_EQ(HelpWindows().size(), 1);
        auto *browser = HelpWindows().first()->findChild<QTextBrowser *>();
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->documentTitle(), QStringLiteral("안내"));
        EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("첫 페이지")));
    }
    HelpWindows().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(CompanionsTest, HelpWindowTellsWhenThePageIsMissing) {
    ShowWebNote(QRect(10, 10, 400, 300), HelpBase() + QStringLiteral("nosuchpage.htm"));
    ASSERT_EQ(HelpWindows().size(), 1);
    auto *browser = HelpWindows().first()->findChild<QTextBrowser *>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("도움말 페이지를 찾을 수 없습니다.")));
    HelpWindows().first()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(CompanionsTest, DelayKeepsProcessingEvents) {
    bool fired = false;
    QTimer::singleShot(20, [&fired] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    Delay(100);
    EXPECT_TRUE(fired);
    EXPECT_GE(clock.elapsed(), 100);
    EXPECT_LT(clock.elapsed(), 1000);
}
