#include "disk_limits.h"
#include "errors.h"
#include "regnum.h"
#include "settings.h"
#include "settings_keys.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
const QString kIni = QStringLiteral("ZaruZiz.ini");
} // namespace

TEST(Settings, MissingFileReadsDefaults) {
    ScratchAppFolder app;
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fSangho"), s("견본")), s("견본"));
    EXPECT_TRUE(IniReadBool(kIni, s("미리보기"), s("Prvew"), true));
    EXPECT_FALSE(IniReadBool(kIni, s("양식지"), s("pFrm"), false));
    EXPECT_FALSE(QFile::exists(app.file(kIni))); // reading creates nothing
}

TEST(Settings, ReadsCp949FileWithCrlfKoreanSectionsAndCaseInsensitiveNames) {
    ScratchAppFolder app;
    app.write(kIni, cp("[등록]\r\nfSangho = 대한상사 \r\nFNAME=김철수\r\n[여백]\r\nfdTop=5\r\n"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fSangho"), s("x")), s("대한상사"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fname"), s("x")), s("김철수"));
    EXPECT_EQ(IniReadStr(kIni, s("여백"), s("FDTOP"), s("0")), s("5"));
    EXPECT_EQ(IniReadStr(kIni, s("여백"), s("fSangho"), s("none")), s("none")); // keys belong to their section
}

TEST(Settings, FirstOccurrenceWins) {
    ScratchAppFolder app;
    app.write(kIni, cp("[등록]\nfName=first\nfName=second\n[등록]\nfName=third\nfTel=02\n"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fName"), s("x")), s("first"));
    // A key only in the repeated section is not found: the first section is the one that counts.
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fTel"), s("none")), s("none"));
}

TEST(Settings, EmptyValueReadsEmptyNotDefault) {
    ScratchAppFolder app;
    app.write(kIni, cp("[작업폴더]\r\nwPath=\r\n"));
    EXPECT_EQ(IniReadStr(kIni, s("작업폴더"), s("wPath"), s("A:")), QString());
}

TEST(Settings, FlagsReadAsIntegers) {
    ScratchAppFolder app;
    app.write(kIni, cp("[f]\r\na=2\r\nb=abc\r\nc=0\r\nd=-1\r\ne=\r\n"));
    EXPECT_TRUE(IniReadBool(kIni, s("f"), s("a"), false));
    EXPECT_TRUE(IniReadBool(kIni, s("f"), s("b"), true));
    EXPECT_FALSE(IniReadBool(kIni, s("f"), s("b"), false));
    EXPECT_FALSE(IniReadBool(kIni, s("f"), s("c"), true));
    EXPECT_TRUE(IniReadBool(kIni, s("f"), s("d"), false));
    EXPECT_TRUE(IniReadBool(kIni, s("f"), s("e"), true));
    IniWriteBool(kIni, s("f"), s("x"), true);
    IniWriteBool(kIni, s("f"), s("y"), false);
    EXPECT_TRUE(IniReadBool(kIni, s("f"), s("x"), false));
    EXPECT_FALSE(IniReadBool(kIni, s("f"), s("y"), true));
    EXPECT_EQ(IniReadStr(kIni, s("f"), s("x"), QString()), s("1"));
    EXPECT_EQ(IniReadStr(kIni, s("f"), s("y"), QString()), s("0"));
}

TEST(Settings, LongValuesReadBackCutWithoutSplittingASyllable) {
    ScratchAppFolder app;
    const QString longValue = QString(2046, u'a') + s("가나");
    IniWriteStr(kIni, s("등록"), s("fAddr"), longValue);
    const QString read = IniReadStr(kIni, s("등록"), s("fAddr"), QString());
    EXPECT_EQ(read, QString(2046, u'a')); // 가 would end at byte 2048
    IniWriteStr(kIni, s("등록"), s("fAddr"), QString(3000, u'b'));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fAddr"), QString()).size(), 2047);
}

TEST(Settings, WriteCreatesFileInCp949WithCrlf) {
    ScratchAppFolder app;
    IniWriteStr(kIni, s("등록"), s("fSangho"), s("대한상사"));
    EXPECT_EQ(app.read(kIni), cp("[등록]\r\nfSangho=대한상사\r\n"));
    IniWriteStr(kIni, s("여백"), s("fdTop"), s("3"));
    EXPECT_EQ(app.read(kIni), cp("[등록]\r\nfSangho=대한상사\r\n[여백]\r\nfdTop=3\r\n"));
}

TEST(Settings, WriteKeepsEveryOtherLineByteForByte) {
    ScratchAppFolder app;
    // Comments, other sections, a blank line, a value in bytes that are not CP949, a line with LF only.
    const QByteArray before =
        cp("; 설정 파일\r\n[등록]\r\nfSangho=옛상호\r\n; 메모\r\nfName=홍\r\n\r\n[기타]\r\nraw=") +
        QByteArray("\xFF\xFE") + "\nlast=1\r\n";
    app.write(kIni, before);
    IniWriteStr(kIni, s("등록"), s("FSANGHO"), s("새상호"));
    QByteArray expected = before;
    expected.replace(cp("fSangho=옛상호"), cp("FSANGHO=새상호"));
    EXPECT_EQ(app.read(kIni), expected);

    // A new key goes after the section's last line, before the blank line that separates it.
    IniWriteStr(kIni, s("등록"), s("fTel"), s("( 031) 123-4567"));
    expected.replace(cp("fName=홍\r\n"), cp("fName=홍\r\nfTel=( 031) 123-4567\r\n"));
    EXPECT_EQ(app.read(kIni), expected);

    // A new section goes at the end.
    IniWriteStr(kIni, s("양식"), s("rBtn"), s("0"));
    EXPECT_EQ(app.read(kIni), expected + cp("[양식]\r\nrBtn=0\r\n"));
}

TEST(Settings, WriteToFileWithoutFinalLineBreak) {
    ScratchAppFolder app;
    app.write(kIni, cp("[등록]\r\nfName=홍"));
    IniWriteStr(kIni, s("등록"), s("fTel"), s("02"));
    EXPECT_EQ(app.read(kIni), cp("[등록]\r\nfName=홍\r\nfTel=02\r\n"));
    IniWriteStr(kIni, s("여백"), s("fdTop"), s("1"));
    EXPECT_EQ(app.read(kIni), cp("[등록]\r\nfName=홍\r\nfTel=02\r\n[여백]\r\nfdTop=1\r\n"));

    // A file cut after a carriage return: the new key still gets a line of its own and reads back.
    app.write(kIni, cp("[등록]\r\nfName=홍\r"));
    IniWriteStr(kIni, s("등록"), s("fTel"), s("02"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fTel"), QString()), s("02"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fName"), QString()), s("홍"));
}

TEST(Settings, ValueWithLineBreakStaysOnItsLine) {
    ScratchAppFolder app;
    IniWriteStr(kIni, s("등록"), s("fMsge"), s("첫줄\r\n[가짜]\nx=1"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fMsge"), QString()), s("첫줄  [가짜] x=1"));
    EXPECT_EQ(IniReadStr(kIni, s("가짜"), s("x"), s("none")), s("none"));
}

TEST(Settings, UnwritableFileRaisesWithFullPathAndLeavesNothingBehind) {
    ScratchAppFolder app;
    // A folder in the place of the file cannot be written, even by the superuser.
    ASSERT_TRUE(QDir(app.path()).mkdir(kIni));
    try {
        IniWriteStr(kIni, s("등록"), s("fName"), s("x"));
        FAIL() << "no error";
    } catch (const IoError &e) {
        EXPECT_EQ(e.message(), s("Unable to write to ") + app.file(kIni));
    }
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
    // Reading from it is no error either.
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fName"), s("d")), s("d"));
}

TEST(Settings, FreshInstallationDefaults) {
    ScratchAppFolder app;
    EXPECT_EQ(keys::read(keys::fSaNo), SampleSupplierNumber());
    EXPECT_TRUE(keys::read(keys::djnousr));
    EXPECT_EQ(keys::readSealPath(), app.file(s("dojang.bmp")));
    EXPECT_TRUE(keys::read(keys::Prvew));
    EXPECT_FALSE(keys::read(keys::pFrm));
    EXPECT_FALSE(keys::read(keys::PKind));
    EXPECT_TRUE(keys::read(keys::dType));
    EXPECT_TRUE(keys::read(keys::gType));
    EXPECT_TRUE(keys::read(keys::misu));
    EXPECT_TRUE(keys::read(keys::rBtn));
    for (const keys::TextKey *k : {&keys::fdTop, &keys::fdLft, &keys::fgTop, &keys::fgLft, &keys::pTop2, &keys::pLft2})
        EXPECT_EQ(keys::read(*k), s("0"));
    // No message until the user writes one; the hints are never values.
    EXPECT_EQ(keys::read(keys::fMsge), QString());
    EXPECT_EQ(keys::read(keys::fMsg2), QString());

    // A flag written by one window is what the next read anywhere sees.
    keys::write(keys::djnousr, false);
    EXPECT_FALSE(keys::read(keys::djnousr));
    EXPECT_EQ(app.read(kIni), cp("[등록]\r\ndjnousr=0\r\n"));
}

// A full disk wiped the settings file, and the registered business with it: the write now fails
// with its message and the file keeps every byte.
TEST(Settings, AWriteOnAFullDiskRaisesAndKeepsTheRegisteredBusiness) {
    TinyDisk disk(8);
    if (!disk.available())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    SetApplicationFolderForTesting(disk.path());
    IniWriteStr(kIni, s("등록"), s("fSangho"), s("(주)한빛상사"));
    QFile ini(disk.file(kIni));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray before = ini.readAll();
    ini.close();
    disk.fill(s("filler"));
    try {
        IniWriteStr(kIni, s("등록"), s("fAddr"), s("서울특별시 중구 을지로 100"));
        ADD_FAILURE() << "a write on a full disk reported success";
    } catch (const IoError &e) {
        EXPECT_EQ(e.message(), s("Unable to write to ") + disk.file(kIni));
    }
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fSangho"), QString()), s("(주)한빛상사"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_EQ(ini.readAll(), before);
    SetApplicationFolderForTesting(QString());
}

TEST(Settings, AWriteBeyondTheFileSizeLimitRaisesAndKeepsTheFile) {
    ScratchAppFolder app;
    IniWriteStr(kIni, s("등록"), s("fSangho"), s("(주)한빛상사"));
    const QByteArray before = app.read(kIni);
    const int code = RunWithFileSizeLimit(before.size() + 10, [&] {
        try {
            IniWriteStr(kIni, s("등록"), s("fAddr"), QString(200, u'가'));
        } catch (const IoError &) {
            return 0;
        }
        return 1;
    });
    EXPECT_EQ(code, 0) << "the write did not report the failure";
    EXPECT_EQ(app.read(kIni), before);
    EXPECT_EQ(QDir(app.path()).entryList(QDir::Files | QDir::Hidden), QStringList{kIni});
}

// An application folder the user may not write, holding a settings file he may: the settings are
// written into the file where it lies. A file he may not write either still raises.
TEST(Settings, AReadOnlyFolderWithAWritableFileIsWrittenInPlace) {
    ScratchAppFolder app;
    IniWriteStr(kIni, s("등록"), s("fSangho"), s("(주)한빛상사"));
    IniWriteStr(kIni, s("등록"), s("fName"), s("홍길동"));
    const QByteArray folder = QFile::encodeName(app.path());
    const QByteArray file = QFile::encodeName(app.file(kIni));
    ASSERT_EQ(::chown(folder.constData(), OrdinaryUserId(), OrdinaryUserId()), 0);
    ASSERT_EQ(::chown(file.constData(), OrdinaryUserId(), OrdinaryUserId()), 0);
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    if (RunAsOrdinaryUser([&] { return ::access(file.constData(), W_OK) == 0 ? 0 : 1; }) != 0) {
        ::chmod(folder.constData(), 0755);
        GTEST_SKIP() << "the temporary folder lies out of an ordinary user's reach (see TMPDIR)";
    }

    const int written = RunAsOrdinaryUser([&] {
        IniWriteStr(kIni, s("등록"), s("fName"), s("김"));                  // shorter than before
        IniWriteStr(kIni, s("등록"), s("fAddr"), s("부산광역시 해운대구")); // longer
        return 0;
    });
    EXPECT_EQ(written, 0);
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fName"), QString()), s("김"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fAddr"), QString()), s("부산광역시 해운대구"));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fSangho"), QString()), s("(주)한빛상사"));

    ASSERT_EQ(::chmod(file.constData(), 0444), 0);
    const QByteArray before = app.read(kIni);
    const int refused = RunAsOrdinaryUser([&] {
        try {
            IniWriteStr(kIni, s("등록"), s("fName"), s("이"));
        } catch (const IoError &e) {
            return e.message() == s("Unable to write to ") + app.file(kIni) ? 0 : 2;
        }
        return 1;
    });
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(app.read(kIni), before);
    ::chmod(folder.constData(), 0755);
}

// What the program says at start about a settings file it cannot write, and the session that keeps the
// settings instead: a folder, a FIFO or a read-only file in its place, or a folder that takes no files.
TEST(Settings, AFileThatCannotBeWrittenIsToldOnceAndItsSettingsLiveForTheSession) {
    ScratchAppFolder app;
    QStringList told;
    SetSettingsProblemReporter([&](const QString &m) { told << m; });
    EXPECT_EQ(SettingsFileProblem(kIni), QString());

    ASSERT_TRUE(QDir(app.path()).mkdir(kIni));
    EXPECT_TRUE(SettingsFileProblem(kIni).contains(s("폴더"))) << SettingsFileProblem(kIni).toStdString();
    ReportSettingsFileProblem(kIni);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith(s("설정 파일에 쓸 수 없습니다: ") + app.file(kIni))) << told[0].toStdString();
    keys::write(keys::fSangho, s("(주)한빛상사"));
    keys::write(keys::djnousr, false);
    EXPECT_EQ(keys::read(keys::fSangho), s("(주)한빛상사"));
    EXPECT_FALSE(keys::read(keys::djnousr));
    EXPECT_EQ(told.size(), 1); // told once only

    // Written in the file once it can be: the file's value again, the session's forgotten.
    QDir(app.path()).rmdir(kIni);
    keys::write(keys::fSangho, s("(주)두리"));
    EXPECT_EQ(app.read(kIni), cp("[등록]\r\nfSangho=(주)두리\r\n"));
    EXPECT_EQ(keys::read(keys::fSangho), s("(주)두리"));
    SetSettingsProblemReporter(nullptr);

    QFile::remove(app.file(kIni));
    ASSERT_EQ(::mkfifo(QFile::encodeName(app.file(kIni)).constData(), 0644), 0);
    EXPECT_TRUE(SettingsFileProblem(kIni).contains(s("FIFO")));
    EXPECT_EQ(IniReadStr(kIni, s("등록"), s("fSangho"), s("d")), s("d")); // does not wait
    QFile::remove(app.file(kIni));

    app.write(kIni, cp("[등록]\r\n"));
    const QByteArray file = QFile::encodeName(app.file(kIni)), folder = QFile::encodeName(app.path());
    ASSERT_EQ(::chown(file.constData(), OrdinaryUserId(), OrdinaryUserId()), 0);
    ASSERT_EQ(::chmod(file.constData(), 0444), 0);
    EXPECT_EQ(RunAsOrdinaryUser([&] { return SettingsFileProblem(kIni).contains(s("권한")) ? 0 : 1; }), 0);
    QFile::remove(app.file(kIni));
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    EXPECT_EQ(RunAsOrdinaryUser([&] { return SettingsFileProblem(kIni).contains(s("폴더에")) ? 0 : 1; }), 0);
    ::chmod(folder.constData(), 0755);
}
