#pragma once
// Helpers of the companion tests: one application object, the folders the tools are built into, and a way
// to act on a modal dialog while it runs.

#include "launch.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

inline void EnsureApplication() {
    if (QApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "companions_test";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives until the process ends
}

// Points the launching code at the folder holding the built companion libraries and help pages.
class CompanionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnsureApplication();
        SetCompanionFolderForTesting(QStringLiteral(ZARU_COMPANION_DIR));
    }
    void TearDown() override { SetCompanionFolderForTesting(QString()); }
};

// Runs act on the modal dialog as soon as it is shown; a dialog the action left open is cancelled so that
// a failed test cannot hang.
inline void WhenModalShown(std::function<void(QDialog *)> act, int attempts = 200) {
    QTimer::singleShot(10, [act, attempts] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            if (attempts > 0)
                WhenModalShown(act, attempts - 1);
            else
                ADD_FAILURE() << "no modal dialog appeared";
            return;
        }
        act(dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Saves a picture of w when ZARU_SHOT_DIR names a folder, for looking at the windows by eye.
void SaveShot(QWidget *w, const QString &name);
