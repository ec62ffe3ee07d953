#include "errors.h"
#include "settings.h"
#include "test_support.h"
#include "workpath.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
const QString kIni = QStringLiteral("ZaruZiz.ini");

// Restores the process's current folder, which SetWorkPath changes.
struct KeepCurrentFolder {
    QString saved = QDir::currentPath();
    ~KeepCurrentFolder() { QDir::setCurrent(saved); }
};
} // namespace

TEST(WorkPath, FreshInstallationCreatesWorkFolderAndStoresIt) {
    ScratchAppFolder app;
    const QString expected = app.path() + s("Work/");
    EXPECT_EQ(GetWorkPath(kIni), expected);
    EXPECT_TRUE(QDir(expected).exists());
    EXPECT_EQ(IniReadStr(kIni, s("작업폴더"), s("wPath"), QString()), expected);
}

TEST(WorkPath, EmptyStoredValueIsReplaced) {
    ScratchAppFolder app;
    app.write(kIni, cp("[작업폴더]\r\nwPath=\r\n"));
    EXPECT_EQ(GetWorkPath(kIni), app.path() + s("Work/"));
    EXPECT_EQ(app.read(kIni), cp("[작업폴더]\r\nwPath=") + cp(qPrintable(app.path() + s("Work/"))) + "\r\n");
}

TEST(WorkPath, MissingStoredFolderIsCreatedWithItsParents) {
    ScratchAppFolder app;
    const QString deep = app.path() + s("문서/2026/");
    IniWriteStr(kIni, s("작업폴더"), s("wPath"), deep);
    EXPECT_EQ(GetWorkPath(kIni), deep);
    EXPECT_TRUE(QDir(deep).exists());
}

TEST(WorkPath, SavingIntoAnotherFolderMakesItTheWorkFolder) {
    ScratchAppFolder app;
    KeepCurrentFolder keep;
    const QString other = app.path() + s("거래처/");
    SetWorkPath(other + s("견적.Prc"), kIni);
    EXPECT_EQ(GetWorkPath(kIni), other);
    EXPECT_EQ(QDir::currentPath() + u'/', other);
}

TEST(WorkPath, FolderThatCannotBeMadeRaises) {
    ScratchAppFolder app;
    KeepCurrentFolder keep;
    app.write(s("blocker"), "x"); // a file where a folder should be
    EXPECT_THROW(SetWorkPath(app.path() + s("blocker/sub/a.Dy5"), kIni), IoError);
    EXPECT_EQ(IniReadStr(kIni, s("작업폴더"), s("wPath"), s("unset")), s("unset"));
}
