// The editor's one call per document: build, write into the temporary folder, open; and its failures.

#include "export_fixtures.h"
#include "spreadsheet_export.h"
#include "test_support.h"

#include "errors.h"
#include "settings_keys.h"

#include <QDir>
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
    const QString path = ExportInvoiceSheet(sampleTaxInvoice());
    ASSERT_FALSE(path.isEmpty());
    EXPECT_EQ(opener.opened, QStringList{path});
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(QFileInfo(path).absolutePath(), QDir(tmp.path()).absolutePath());
    EXPECT_TRUE(QFileInfo(path).fileName().startsWith(QStringLiteral("세금계산서_")));
    EXPECT_TRUE(path.endsWith(QStringLiteral(".xlsx")));
    EXPECT_TRUE(prompts.shown.isEmpty());

    const QString statement = ExportInvoiceSheet(sampleStatement());
    EXPECT_TRUE(QFileInfo(statement).fileName().startsWith(QStringLiteral("거래명세서_")));
    const QString quotation = ExportQuotationSheet(sampleQuotation());
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
    EXPECT_EQ(ExportQuotationSheet(sampleQuotation()), QString());
    EXPECT_EQ(prompts.shown, QStringList{kNoSpreadsheetMessage});
    EXPECT_EQ(opener.opened.size(), 1);
    EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(ExportCall, ALineThirteenAmountThatIsNoNumberWritesNothing) {
    InvoiceSnapshot d = sampleStatement();
    d.gGrid[12][4] = QStringLiteral("x1");
    EXPECT_THROW(ExportInvoiceSheet(d), NumberConversionError);
    EXPECT_TRUE(opener.opened.isEmpty());
    EXPECT_TRUE(filesLeft().isEmpty());
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(ExportCall, ASealThatIsNoPictureIsLeftOutSilently) {
    keys::write(keys::djnousr, false);
    app.write(QStringLiteral("dojang.bmp"), QByteArray("BM garbage, not a bitmap"));
    EXPECT_FALSE(ExportInvoiceSheet(sampleTaxInvoice()).isEmpty());
    keys::write(keys::dojImge, app.file(QStringLiteral("nowhere.bmp")));
    EXPECT_FALSE(ExportQuotationSheet(sampleQuotation()).isEmpty());
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(filesLeft().size(), 2);
}
