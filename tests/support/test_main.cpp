// Every test program runs inside a QApplication on the offscreen platform, with the Korean fonts mapped.
#include "application.h"
#include "fonts.h"
#include "look.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GuardedApplication app(argc, argv);
    InstallFontSubstitutions();
    look::Apply();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
