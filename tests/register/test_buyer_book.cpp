// The buyer book in the editor: a known buyer number fills the buyer's empty fields from the latest
// earlier document, and item names complete from earlier documents only when the user accepts.
#include "behaviour_fixture.h"
#include "buyer_book.h"
#include "register_fixtures.h"
#include "regnum.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QTemporaryDir>

namespace {

struct BuyerBookTest : BehaviourFixture {
    QTemporaryDir data;
    std::unique_ptr<reg::IndexedBuyerBook> book;
    const QString number = QStringLiteral("123-45-67891");

    void SetUp() override {
        BehaviourFixture::SetUp();
        const QString work = data.path() + QStringLiteral("/Work");
        regfx::Invoice older{QDate(2026, 1, 5),
                             number,
                             QStringLiteral("가나상회"),
                             {{QStringLiteral("A4 Paper"), 50000, 5000, QStringLiteral("70g"), 20000}}};
        older.rep = QStringLiteral("박옛날");
        older.addr = QStringLiteral("부산");
        regfx::Write(work, QStringLiteral("old.Dy5"), older);
        regfx::Invoice latest{QDate(2026, 2, 5),
                              number,
                              QStringLiteral("가나상회(주)"),
                              {{QStringLiteral("A4 Paper"), 75000, 7500, QStringLiteral("80g"), 25000},
                               {QStringLiteral("A3 Paper"), 1000, 100}}};
        latest.rep = QStringLiteral("박대표");
        latest.addr = QStringLiteral("서울특별시 중구 을지로 1");
        latest.uptea = QStringLiteral("도소매");
        latest.upjong = QStringLiteral("문구");
        regfx::Write(work, QStringLiteral("sub/new.Gy5"),
                     {latest.date, number, latest.buyerName, latest.lines, true, false, latest.rep, latest.addr,
                      latest.uptea, latest.upjong});
        regfx::Invoice person{QDate(2026, 3, 1),
                              QStringLiteral("800101-1000008"),
                              QStringLiteral("홍길동"),
                              {{QStringLiteral("상담"), 30000, 3000}}};
        person.individual = true;
        person.addr = QStringLiteral("대전광역시 서구");
        regfx::Write(work, QStringLiteral("person.Dy5"), person);
        book = std::make_unique<reg::IndexedBuyerBook>(data.path() + QStringLiteral("/register.sqlite"),
                                                       [work] { return work; });
        reg::setBuyerBook(book.get());
    }
    void TearDown() override {
        reg::setBuyerBook(nullptr);
        BehaviourFixture::TearDown();
    }
};

TEST_F(BuyerBookTest, AKnownNumberFillsOnlyTheEmptyBuyerFieldsOnceItsCheckPasses) {
    ASSERT_TRUE(CheckRegistrationNumber(TChkKind::ceBussiness, number).valid);
    open(pkInvoiceOrStatement);
    QLineEdit *rep = edit("bName");
    rep->setFocus();
    QTest::keyClicks(rep, QStringLiteral("Kim"));

    QLineEdit *no = edit("bSaNo");
    no->setFocus();
    no->setCursorPosition(0);
    QTest::keyClicks(no, QStringLiteral("123456789"));
    EXPECT_EQ(text("bSangho"), QString()); // not whole yet
    QTest::keyClicks(no, QStringLiteral("1"));
    EXPECT_EQ(text("bSangho"), QStringLiteral("가나상회(주)")); // the latest document's
    EXPECT_EQ(text("bName"), QStringLiteral("Kim"));            // what was typed stays
    EXPECT_EQ(text("bAddr"), QStringLiteral("서울특별시 중구 을지로 1"));
    EXPECT_EQ(text("bUpTea"), QStringLiteral("도소매"));
    EXPECT_EQ(text("bUpJong"), QStringLiteral("문구"));
    EXPECT_TRUE(no->hasFocus()); // the focus stays where the user types

    // A number whose check fails offers nothing.
    for (const char *field : {"bSangho", "bAddr", "bUpTea", "bUpJong"})
        edit(field)->clear();
    no->setFocus();
    no->selectAll();
    QTest::keyClick(no, Qt::Key_Backspace);
    no->setCursorPosition(0);
    QTest::keyClicks(no, QStringLiteral("1234567890"));
    EXPECT_EQ(text("bSangho"), QString());

    // The resident number of an individual buyer is known the same way. (Leaving the rejected business
    // number asks whether to keep it.)
    prompts.yesNoAnswers.push_back(true);
    child<QComboBox>(QStringLiteral("Gbn"))->setCurrentIndex(1);
    QLineEdit *resident = edit("JuMinNo");
    resident->setFocus();
    resident->setCursorPosition(0);
    QTest::keyClicks(resident, QStringLiteral("8001011000008"));
    EXPECT_EQ(text("bSangho"), QStringLiteral("홍길동"));
    EXPECT_EQ(text("bAddr"), QStringLiteral("대전광역시 서구"));
}

TEST_F(BuyerBookTest, ACorrectedNumberBringsItsOwnBuyerAndKeepsWhatTheUserTyped) {
    regfx::Invoice other{QDate(2026, 2, 9),
                         QStringLiteral("220-81-62517"),
                         QStringLiteral("다라물산"),
                         {{QStringLiteral("볼트"), 1000, 100}}};
    other.addr = QStringLiteral("인천광역시 남동구");
    regfx::Write(data.path() + QStringLiteral("/Work"), QStringLiteral("other.Dy5"), other);
    open(pkInvoiceOrStatement);
    QLineEdit *no = edit("bSaNo");
    auto typeNumber = [&](const QString &digits) {
        no->setFocus();
        no->selectAll();
        QTest::keyClick(no, Qt::Key_Backspace);
        no->setCursorPosition(0);
        QTest::keyClicks(no, digits);
    };
    typeNumber(QStringLiteral("1234567891"));
    ASSERT_EQ(text("bSangho"), QStringLiteral("가나상회(주)"));
    ASSERT_EQ(text("bName"), QStringLiteral("박대표"));
    // The user corrects the representative the book offered.
    edit("bName")->setFocus();
    edit("bName")->selectAll();
    QTest::keyClicks(edit("bName"), QStringLiteral("Lee"));

    typeNumber(QStringLiteral("2208162517"));
    EXPECT_EQ(text("bSangho"), QStringLiteral("다라물산")); // follows the number
    EXPECT_EQ(text("bAddr"), QStringLiteral("인천광역시 남동구"));
    EXPECT_EQ(text("bUpTea"), QString());            // the other buyer has none: not the first's
    EXPECT_EQ(text("bName"), QStringLiteral("Lee")); // typed by the user: stays

    // A number that no document knows leaves no other buyer's details beside it.
    typeNumber(QStringLiteral("1018215215"));
    ASSERT_TRUE(CheckRegistrationNumber(TChkKind::ceBussiness, QStringLiteral("101-82-15215")).valid);
    EXPECT_EQ(text("bSangho"), QString());
    EXPECT_EQ(text("bAddr"), QString());
    EXPECT_EQ(text("bName"), QStringLiteral("Lee"));
}

TEST_F(BuyerBookTest, ItemNamesCompleteOnlyWhenAccepted) {
    open(pkInvoiceOrStatement);
    THStringGrid *g = grid("dGrid");
    const InvoiceColumns c = ColumnsOf(GridKind::TaxInvoice);

    // Accepted: the name, and the latest spec and unit price into the row's empty cells.
    type(g, 1, c.item, QStringLiteral("a4"), false);
    ASSERT_TRUE(g->inplaceEditor());
    QCompleter *completer = g->inplaceEditor()->completer();
    ASSERT_TRUE(completer);
    ASSERT_TRUE(completer->popup()->isVisible());
    EXPECT_EQ(completer->completionCount(), 1);
    QTest::keyClick(completer->popup(), Qt::Key_Down);
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    EXPECT_EQ(g->inplaceEditor()->text(), QStringLiteral("A4 Paper"));
    pressEnter(g);
    EXPECT_EQ(g->cellText(1, c.item), QStringLiteral("A4 Paper"));
    EXPECT_EQ(g->cellText(1, c.spec), QStringLiteral("80g"));
    EXPECT_EQ(g->cellText(1, c.unitPrice).trimmed(), QStringLiteral("25,000"));

    // Not accepted: a name looked at in the list and left with Escape leaves what was typed.
    type(g, 2, c.item, QStringLiteral("a"), false);
    ASSERT_TRUE(g->inplaceEditor());
    ASSERT_TRUE(g->inplaceEditor()->completer()->popup()->isVisible());
    EXPECT_EQ(g->inplaceEditor()->completer()->completionCount(), 2);
    QTest::keyClick(g->inplaceEditor()->completer()->popup(), Qt::Key_Down);
    QTest::keyClick(g->inplaceEditor()->completer()->popup(), Qt::Key_Escape);
    EXPECT_EQ(g->inplaceEditor()->text(), QStringLiteral("a"));
    pressEnter(g);
    EXPECT_EQ(g->cellText(2, c.item), QStringLiteral("a"));
    EXPECT_EQ(g->cellText(2, c.spec), QString());
    EXPECT_EQ(g->cellText(2, c.unitPrice).trimmed(), QStringLiteral("0"));
}

} // namespace
