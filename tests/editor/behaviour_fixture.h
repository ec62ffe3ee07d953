#pragma once
// An editor window opened on one page in a scratch application folder, with scripted prompts and a scripted
// special character picker, and typing as a person types: keys on the grid and on its cell editor.
#include "HStrGrid.h"
#include "subUnt.h"
#include "test_support.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

inline QString u8(const char *utf8) { return QString::fromUtf8(utf8); }

struct BehaviourFixture : ::testing::Test {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    std::unique_ptr<TsubUntf> editor;
    // What the scripted picker leaves on the clipboard; how often it ran.
    QString pickerResult = QStringLiteral("Non");
    int pickerRuns = 0;

    void SetUp() override {
        TsubUntf::SpecialCharsHook = [this] {
            ++pickerRuns;
            QGuiApplication::clipboard()->setText(pickerResult);
        };
    }
    void TearDown() override {
        editor.reset();
        TsubUntf::SpecialCharsHook = [] {};
    }

    void open(int pageKind, bool statement = false) {
        editor = std::make_unique<TsubUntf>(nullptr, pageKind, statement, 0);
        editor->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
        editor->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    }

    template <typename T = QWidget> T *child(const QString &name) {
        T *w = editor->findChild<T *>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QLineEdit *edit(const char *name) { return child<QLineEdit>(QString::fromLatin1(name)); }
    THStringGrid *grid(const char *name) { return child<THStringGrid>(QString::fromLatin1(name)); }
    QString text(const char *labelOrEdit) {
        if (auto *l = editor->findChild<QLabel *>(QString::fromLatin1(labelOrEdit)))
            return l->text();
        return edit(labelOrEdit)->text();
    }

    // Selects a cell of the grid, with the focus in the grid.
    void select(THStringGrid *g, int row, int col) {
        if (!g->hasFocus() && !g->inplaceEditor())
            g->setFocus();
        g->setCurrentCell(row, col);
    }
    // Types into a cell as a person does: the first key on the grid opens the cell editor with it, the
    // others go to the cell editor; then Enter (unless enter is false).
    void type(THStringGrid *g, int row, int col, const QString &keys, bool enter = true) {
        select(g, row, col);
        for (qsizetype i = 0; i < keys.size(); ++i) {
            QWidget *target = g->inplaceEditor() ? static_cast<QWidget *>(g->inplaceEditor()) : g;
            QTest::keyClick(target, keys.at(i).toLatin1());
        }
        if (enter)
            pressEnter(g);
    }
    void pressEnter(THStringGrid *g) {
        QWidget *target = g->inplaceEditor() ? static_cast<QWidget *>(g->inplaceEditor()) : g;
        QTest::keyClick(target, Qt::Key_Return);
    }
    // A key pressed and released where the focus is in the grid (its cell editor or the grid).
    void key(THStringGrid *g, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget *target = g->inplaceEditor() ? static_cast<QWidget *>(g->inplaceEditor()) : g;
        QTest::keyClick(target, k, modifiers);
    }
    // A cell's text without its blanks.
    static QString cell(const THStringGrid *g, int row, int col) { return g->cellText(row, col).trimmed(); }
};
