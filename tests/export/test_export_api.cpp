// The editor's one call per document: build, write into the temporary folder, open; and its failures.

#include "export_fixtures.h"
#include "spreadsheet_export.h"
#include "test_support.h"

#include "errors.h"
#include "settings_keys.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class FakeOpener : public SpreadsheetOpener {
public:
    bool answer = true;
    QStringList opened;
    bool open(const QString &path) override {
        opened << path;
        return answer;
    }
};

// The temporary folder pointed at a fresh folder, a scratch application folder, scripted prompts and
// the fake opener, for one test.
class ExportCall : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        oldTmp = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        setSpreadsheetOpener(&opener);
    }
    void TearDown() override {
        setSpreadsheetOpener(nullptr);
        if (oldTmp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTmp);
    }
    QStringList filesLeft() const { return QDir(tmp.path()).entryList(QDir::Files); }

    QTemporaryDir tmp;
    QByteArray oldTmp;
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    FakeOpener opener;
};

} // namespace

TEST_F(ExportCall, WritesTheFileInTheTemporaryFolderAndOpensIt) {
    const QString path = ExportInvoiceSheet(sampleTaxInvoice(), {});
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(opener.opened, QStringList{path});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(tmp.path()).absolutePath());
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("세금계산서_")));
    EXPECT_TRUE(path.endsWith(QStringLiteral(".xlsx")));
    EXPECT_TRUE(prompts.shown.isEmpty());

    const QString statement = ExportInvoiceSheet(sampleStatement(), {});
    EXPECT_TRUE(QFileInfo(statement).fileName().startsWith(QStringLiteral("거래명세서_")));
    const QString quotation = ExportQuotationSheet(sampleQuotation(), {});
    EXPECT_TRUE(QFileInfo(quotation).fileName().startsWith(QStringLiteral("견적서_")));
    EXPECT_EQ(filesLeft().size(), 3);
}

TEST_F(ExportCall, TwoExportsInTheSameMomentGetTwoFiles) {
    const QDateTime when(QDate(2005, 3, 7), QTime(14, 25, 1, 5));
    const QString first = ExportFilePath(QStringLiteral("견적서"), when);
    EXPECT_EQ(QFileInfo(first).fileName(), QStringLiteral("견적서_20050307-142501-005.xlsx"));
    QFile f(first);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(QFileInfo(ExportFilePath(QStringLiteral("견적서"), when)).fileName(),
              QStringLiteral("견적서_20050307-142501-005-2.xlsx"));
}

TEST_F(ExportCall, NoSpreadsheetProgramShowsTheMessageAndLeavesNoFile) {
    opener.answer = false;
    EXPECT_EQ(ExportQuotationSheet(sampleQuotation(), {}), QString());
    EXPECT_EQ(prompts.shown, QStringList{NoSpreadsheetMessage()});
    EXPECT_TRUE(prompts.shown.front().contains(QStringLiteral("libreoffice-calc")));
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(ExportCall, ExportedFilesGoWhenTheProgramEnds) {
    // A file a crashed run left behind two days ago goes too; a fresh one of another run stays.
    const QString stale = tmp.filePath(QStringLiteral("견적서_20050307-142501-005.xlsx"));
    const QString fresh = tmp.filePath(QStringLiteral("견적서_20050307-142501-006.xlsx"));
    for (const QString &f : {stale, fresh}) {
        QFile file(f);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QFile old(stale);
    ASSERT_TRUE(old.open(QIODevice::ReadWrite));
    ASSERT_TRUE(old.setFileTime(QDateTime::currentDateTime().addDays(-2), QFileDevice::FileModificationTime));
    old.close();
    const QString path = ExportInvoiceSheet(sampleTaxInvoice(), {});
    ASSERT_TRUE(QFile::exists(path));
    RemoveExportedFiles();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(stale));
    EXPECT_TRUE(QFile::exists(fresh));
}

// The real opener's answer: a program that fails at once, one that succeeds, one that keeps running.
TEST_F(ExportCall, TheOpenersAnswerIsAwaitedAndAFailureCounts) {
    const QString sh = QStringLiteral("/bin/sh");
    EXPECT_FALSE(
        RunOpener(sh, {QStringLiteral("-c"), QStringLiteral("echo Unspecified Application Error >&2; exit 1")}, 5000));
    EXPECT_TRUE(RunOpener(sh, {QStringLiteral("-c"), QStringLiteral("exit 0")}, 5000));
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(RunOpener(sh, {QStringLiteral("-c"), QStringLiteral("sleep 3")}, 300));
    EXPECT_LT(t.elapsed(), 2500);
    EXPECT_FALSE(
        RunOpener(QStringLiteral("/nonexistent/soffice"), {QStringLiteral("-n"), QStringLiteral("x.xlsx")}, 5000));
    RemoveExportedFiles();
    EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(u',').toStdString();
}

TEST_F(ExportCall, AFileThatCannotBeWrittenRaisesAndOpensNothing) {
    // The temporary folder is a file: nothing can be written in it.
    const QString notAFolder = tmp.filePath(QStringLiteral("file"));
    QFile file(notAFolder);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("TMPDIR", QFile::encodeName(notAFolder));
    EXPECT_THROW(ExportInvoiceSheet(sampleStatement(), {}), IoError);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("file")});
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(ExportCall, ASealThatIsNoPictureIsLeftOutSilently) {
    app.write(QStringLiteral("dojang.bmp"), QByteArray("BM garbage, not a bitmap"));
    sheet::ExportSettings settings;
    settings.sealPath = app.file(QStringLiteral("dojang.bmp"));
    EXPECT_FALSE(ExportInvoiceSheet(sampleTaxInvoice(), settings).isEmpty());
    settings.sealPath = app.file(QStringLiteral("nowhere.bmp"));
    EXPECT_FALSE(ExportQuotationSheet(sampleQuotation(), settings).isEmpty());
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(filesLeft().size(), 2);
}
