// Pictures of every editor page, written under the build folder (screenshots/editor/) for a person to look
// at; the test checks that each was written and that no two controls of a page overlap.
#include "subUnt.h"
#include "test_support.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Shot {
    const char *file;
    int pageKind;
    bool statement;
};

// The visible editable controls and captions of a page, in window coordinates.
QList<QPair<QString, QRect>> visibleControls(QWidget *window) {
    QList<QPair<QString, QRect>> out;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || (!qobject_cast<QLineEdit *>(w) && !qobject_cast<QLabel *>(w)))
            continue;
        if (qobject_cast<QLineEdit *>(w->parentWidget()) || w->objectName().endsWith(u"Labl"))
            continue;
        out.append({w->objectName().isEmpty() ? static_cast<QLabel *>(w)->text() : w->objectName(),
                    QRect(w->mapTo(window, QPoint(0, 0)), w->size())});
    }
    return out;
}

} // namespace

TEST(EditorScreenshots, EveryPageIsWrittenWithoutOverlappingControls) {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QDir().mkpath(QStringLiteral(ZARU_SCREENSHOT_DIR));
    const Shot shots[] = {{"registration.png", 0, false},
                          {"tax_invoice.png", 1, false},
                          {"statement.png", 1, true},
                          {"quotation.png", 2, false}};
    for (const Shot &shot : shots) {
        TsubUntf editor(nullptr, shot.pageKind, shot.statement, 0);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        const QString path = QStringLiteral(ZARU_SCREENSHOT_DIR "/") + QString::fromLatin1(shot.file);
        ASSERT_TRUE(editor.grab().save(path)) << path.toStdString();

        const auto controls = visibleControls(&editor);
        for (qsizetype i = 0; i < controls.size(); ++i)
            for (qsizetype j = i + 1; j < controls.size(); ++j)
                EXPECT_FALSE(controls[i].second.intersects(controls[j].second))
                    << shot.file << ": " << controls[i].first.toStdString() << " overlaps "
                    << controls[j].first.toStdString();
    }
}
