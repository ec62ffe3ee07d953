// Saving a preview as PDF never costs the user an older PDF of the same name.

#include "report_forms.h"
#include "report_renderer.h"
#include "sample_fill.h"

#include "disk_limits.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace report;

namespace {
QByteArray ReadAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TEST(PdfOutput, APdfThatDoesNotFitReportsFailureAndKeepsTheOldFile) {
    auto form = CreateReportForm(QStringLiteral("TprtqPricef"));
    FillSample(*form);
    const RenderedReport rendered = Render(*form);

    TinyDisk disk(256);
    if (!disk.available())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const QString path = disk.file(QStringLiteral("거래명세표.pdf"));
    const QByteArray old("%PDF-1.4 an older statement");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    disk.fill(QStringLiteral("filler"));
    EXPECT_FALSE(WritePdf(rendered, path));
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // the PDF and the filler
}

TEST(PdfOutput, APdfBeyondTheFileSizeLimitReportsFailureAndKeepsTheOldFile) {
    auto form = CreateReportForm(QStringLiteral("TprtqPricef"));
    FillSample(*form);
    const RenderedReport rendered = Render(*form);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("명세.pdf"));
    ASSERT_TRUE(WritePdf(rendered, path));
    const QByteArray first = ReadAll(path);
    ASSERT_GT(first.size(), 4096);
    const int code = RunWithFileSizeLimit(4096, [&] { return WritePdf(rendered, path) ? 1 : 0; });
    EXPECT_EQ(code, 0) << "a cut PDF was reported as written";
    EXPECT_EQ(ReadAll(path), first);
}
