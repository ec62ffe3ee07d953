// The companion tools driven as a user would, each loaded through the program's launching code.

#include "codec.h"
#include "companions_test_support.h"
#include "special_chars_table.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

void SaveShot(QWidget *w, const QString &name) {
    const QString dir = qEnvironmentVariable("ZARU_SHOT_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    w->grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

namespace {

QTableWidget *CurrentGrid(QDialog *d) {
    auto *tabs = d->findChild<QTabWidget *>();
    return tabs ? qobject_cast<QTableWidget *>(tabs->currentWidget()) : nullptr;
}

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

} // namespace

TEST_F(CompanionsTest, PickerDoubleClickPutsTheCharacterOnTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    WhenModalShown([](QDialog *d) {
        auto *tabs = d->findChild<QTabWidget *>();
        ASSERT_NE(tabs, nullptr);
        SaveShot(d, QStringLiteral("special_chars"));
        int circled = -1;
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabText(i) == QStringLiteral("원문자"))
                circled = i;
        ASSERT_GE(circled, 0);
        tabs->setCurrentIndex(circled);
        QTableWidget *grid = CurrentGrid(d);
        ASSERT_NE(grid, nullptr);
        const QRect cell = grid->visualItemRect(grid->item(0, 2));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    });
    RunSpecialChars();
    EXPECT_EQ(Clipboard(), QStringLiteral("③"));
}

TEST_F(CompanionsTest, PickerOkTakesTheCurrentCellAndCancelLeavesNon) {
    WhenModalShown([](QDialog *d) {
        QTableWidget *grid = CurrentGrid(d);
        ASSERT_NE(grid, nullptr);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Right); // from the first cell to the second
        auto *preview = d->findChild<QLabel *>(QStringLiteral("preview"));
        ASSERT_NE(preview, nullptr);
        EXPECT_EQ(preview->text(), QStringLiteral("☆"));
        QTest::keyClick(grid, Qt::Key_Return);
    });
    RunSpecialChars();
    EXPECT_EQ(Clipboard(), QStringLiteral("☆"));

    WhenModalShown([](QDialog *d) {
        for (QPushButton *b : d->findChildren<QPushButton *>())
            if (b->text() == QStringLiteral("취소"))
                b->click();
    });
    RunSpecialChars();
    EXPECT_EQ(Clipboard(), QStringLiteral("Non"));

    QGuiApplication::clipboard()->setText(QStringLiteral("x"));
    WhenModalShown([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
    RunSpecialChars();
    EXPECT_EQ(Clipboard(), QStringLiteral("Non"));
}

TEST(SpecialCharTable, EveryCharacterIsOneCharacterOfTheKoreanCodePage) {
    const QList<SpecialCharGroup> groups = SpecialCharGroups();
    ASSERT_GE(groups.size(), 8);
    for (const SpecialCharGroup &g : groups) {
        EXPECT_FALSE(g.chars.isEmpty()) << g.title.toStdString();
        QSet<QString> seen;
        for (const QString &c : g.chars) {
            EXPECT_EQ(c.size(), 1) << c.toStdString();
            // Encodable in two bytes and back unchanged (an unknown character would come back as "？").
            const QByteArray bytes = cp949::encode(c);
            EXPECT_EQ(bytes.size(), 2) << g.title.toStdString() << " " << c.toStdString();
            EXPECT_EQ(cp949::decode(bytes), c) << g.title.toStdString() << " " << c.toStdString();
            EXPECT_FALSE(seen.contains(c)) << "twice in " << g.title.toStdString() << ": " << c.toStdString();
            seen.insert(c);
        }
    }
}

namespace {
QString CalcDisplay(QDialog *d) {
    auto *label = d->findChild<QLabel *>(QStringLiteral("display"));
    return label ? label->text() : QStringLiteral("<no display>");
}
void Click(QDialog *d, const char *name) {
    auto *b = d->findChild<QPushButton *>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    b->click();
}
} // namespace

TEST_F(CompanionsTest, CalculatorTakesKeysAndButtonsAndCopiesTheResult) {
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    WhenModalShown([](QDialog *d) {
        EXPECT_EQ(CalcDisplay(d), QStringLiteral("0"));
        QTest::keyClicks(d, QStringLiteral("12+30="));
        EXPECT_EQ(CalcDisplay(d), QStringLiteral("42"));

        // Buttons, with the thousands separators in the display.
        Click(d, "clear");
        for (const char *k : {"d1", "d2", "d3", "d4", "d5", "d6", "d7", "multiply", "d1", "d0", "d0", "d0", "equals"})
            Click(d, k);
        EXPECT_EQ(CalcDisplay(d), QStringLiteral("1,234,567,000"));
        Click(d, "copy");
        EXPECT_EQ(Clipboard(), QStringLiteral("1234567000"));

        // Keyboard editing: Backspace, Escape, the decimal point, division.
        QTest::keyClick(d, Qt::Key_Escape);
        QTest::keyClicks(d, QStringLiteral("7.55"));
        QTest::keyClick(d, Qt::Key_Backspace);
        QTest::keyClicks(d, QStringLiteral("/2"));
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_EQ(CalcDisplay(d), QStringLiteral("3.75"));
        SaveShot(d, QStringLiteral("calculator"));
        QTest::keyClick(d, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(Clipboard(), QStringLiteral("3.75"));
        Click(d, "close");
    });
    RunCalculator();
    // The copied result outlives the released calculator.
    EXPECT_EQ(Clipboard(), QStringLiteral("3.75"));
}

TEST_F(CompanionsTest, AboutBoxShowsTitleAndRevision) {
    WhenModalShown([](QDialog *d) {
        auto *title = d->findChild<QLabel *>(QStringLiteral("title"));
        auto *revision = d->findChild<QLabel *>(QStringLiteral("revision"));
        ASSERT_NE(title, nullptr);
        ASSERT_NE(revision, nullptr);
        EXPECT_EQ(title->text(), QStringLiteral("켈모르소프트 세금계산서"));
        EXPECT_TRUE(revision->text().contains(QStringLiteral("2.5.1")));
        SaveShot(d, QStringLiteral("about"));
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible());
    });
    ShowAboutBox(QStringLiteral("2.5.1"), QStringLiteral("켈모르소프트 세금계산서"));
}
