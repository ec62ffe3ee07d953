// The input method guard: a syllable still being composed ends up in the field it was typed in, once,
// whatever the user does next.
#include "input_method.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

void compose(QWidget *target, const QString &preedit, const QString &commit = QString()) {
    QInputMethodEvent event(preedit, {});
    event.setCommitString(commit);
    QApplication::sendEvent(target, &event);
}

struct Window : ::testing::Test {
    QWidget window;
    QLineEdit *name = new QLineEdit(&window);
    QLineEdit *address = new QLineEdit(&window);
    QLineEdit *amount = new QLineEdit(&window);
    QToolButton *save = new QToolButton(&window);

    void SetUp() override {
        auto *layout = new QHBoxLayout(&window);
        for (QWidget *w : {static_cast<QWidget *>(name), static_cast<QWidget *>(address),
                           static_cast<QWidget *>(amount), static_cast<QWidget *>(save)})
            layout->addWidget(w);
        save->setFocusPolicy(Qt::NoFocus); // as the editor's tool-bar icons
        MarkNumbersOnly(amount);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QApplication::setActiveWindow(&window);
        name->setFocus();
    }
    void TearDown() override { CancelComposition(); }
};

} // namespace

TEST_F(Window, AnIconThatTakesNoFocusFindsTheSyllableBeingComposedInItsField) {
    QString seen;
    QObject::connect(save, &QToolButton::clicked, [&] { seen = name->text(); });
    compose(name, s("가나다라마"));
    compose(name, s("ㅂ"), QString());
    compose(name, s("바"));
    QTest::mouseClick(save, Qt::LeftButton);
    EXPECT_EQ(seen, s("바"));
    EXPECT_EQ(name->text(), s("바"));
    EXPECT_TRUE(PendingComposition().isEmpty());
    // A command run by a key commits the same way.
    compose(name, s("사"));
    EXPECT_TRUE(CommitComposition());
    EXPECT_EQ(name->text(), s("바사"));
    EXPECT_FALSE(CommitComposition());
}

TEST_F(Window, TheInputMethodsSecondCopyOfACommittedSyllableLandsNowhere) {
    compose(name, s("수"));
    QTest::mouseClick(address, Qt::LeftButton);
    EXPECT_EQ(name->text(), s("수"));
    // ibus commits the syllable again as its engine is reset, into the field that has the focus now.
    compose(QApplication::focusWidget(), QString(), s("수"));
    EXPECT_EQ(address->text(), QString());
    // The same syllable typed anew is the user's own.
    address->setFocus();
    compose(address, s("수"));
    compose(address, QString(), s("수"));
    EXPECT_EQ(address->text(), s("수"));
    // So is one committed whole by the input method itself (Enter, Space): only a repeat of it is dropped.
    compose(address, s("산"));
    compose(address, QString(), s("산"));
    compose(address, QString(), s("산"));
    EXPECT_EQ(address->text(), s("수산"));
}

TEST_F(Window, ANumbersOnlyFieldRefusesACompositionAndNothingOfItStaysPending) {
    EXPECT_FALSE(amount->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_TRUE(amount->inputMethodHints() & Qt::ImhFormattedNumbersOnly);
    amount->setFocus();
    compose(amount, s("가"));
    EXPECT_EQ(amount->displayText(), QString());
    EXPECT_TRUE(PendingComposition().isEmpty());
    QTest::mouseClick(name, Qt::LeftButton);
    EXPECT_EQ(name->text(), QString());
    // The input method's copy of the dropped syllable is dropped too.
    compose(QApplication::focusWidget(), QString(), s("가"));
    EXPECT_EQ(name->text(), QString());
}
