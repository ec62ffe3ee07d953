#include "errors.h"
#include "settings.h"
#include "settings_keys.h"
#include "test_support.h"
#include "workpath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

// A settings file copied from the older Windows program names folders by drive letter and backslash.
// They fall back to the defaults, and nothing named after them appears in the current folder.
TEST(WorkPath, WindowsPathsFromAnOldSettingsFileFallBackToTheDefaultsAndCreateNothing) {
    ScratchAppFolder app;
    KeepCurrentFolder keep;
    QTemporaryDir current;
    ASSERT_TRUE(QDir::setCurrent(current.path()));
    app.write(kIni, cp("[등록]\r\ndojImge=C:\\ZaruZiz\\dojang.bmp\r\n[작업폴더]\r\nwPath=C:\\ZaruZiz\\Work\\\r\n"));
    const QByteArray before = app.read(kIni);

    EXPECT_EQ(GetWorkPath(kIni), app.path() + s("Work/"));
    EXPECT_EQ(keys::readSealPath(), app.path() + s("dojang.bmp"));
    for (const char *old : {"d:/문서/", "\\\\server\\share\\", "Work\\"}) {
        IniWriteStr(kIni, s("작업폴더"), s("wPath"), s(old));
        EXPECT_EQ(GetWorkPath(kIni), app.path() + s("Work/")) << old;
    }
    EXPECT_EQ(QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{s("Work")});
    // The old value stays in the file for the reset question to show.
    IniWriteStr(kIni, s("작업폴더"), s("wPath"), s("C:\\ZaruZiz\\Work\\"));
    EXPECT_EQ(app.read(kIni), before);
}

// Installed under /usr the program keeps its settings and documents in the user's own folder, and takes
// along a settings file found in the application folder the first time.
TEST(DataFolder, ASystemInstallationKeepsSettingsInTheUsersFolder) {
    EXPECT_TRUE(IsSystemFolder(s("/usr/lib/zaruziz/")));
    EXPECT_TRUE(IsSystemFolder(s("/usr/local/lib/zaruziz/")));
    EXPECT_FALSE(IsSystemFolder(s("/home/kim/.local/lib/zaruziz/")));
    EXPECT_FALSE(IsSystemFolder(s("/work/build/app/")));

    QTemporaryDir home;
    const QString user = home.path() + s("/.local/share/zaruziz/");
    const QString app = home.path() + s("/app/");
    ASSERT_TRUE(QDir().mkpath(app));
    EXPECT_EQ(DataFolderFor(app, user, false), app);
    EXPECT_FALSE(QDir(user).exists());

    QFile shipped(app + kIni);
    ASSERT_TRUE(shipped.open(QIODevice::WriteOnly));
    shipped.write(cp("[등록]\r\nfSangho=(주)한빛상사\r\n"));
    shipped.close();
    EXPECT_EQ(DataFolderFor(app, user, true), user);
    QFile copied(user + kIni);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), cp("[등록]\r\nfSangho=(주)한빛상사\r\n"));
    copied.close();
    // Once the user has his own file it is his: a later start copies nothing over it.
    ASSERT_TRUE(copied.open(QIODevice::WriteOnly));
    copied.write(cp("[등록]\r\nfSangho=새상호\r\n"));
    copied.close();
    EXPECT_EQ(DataFolderFor(app, user, true), user);
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll(), cp("[등록]\r\nfSangho=새상호\r\n"));
}
