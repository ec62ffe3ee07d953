// Renders every form, filled with a sample document, to PNG (150 dpi) and PDF under the build folder, and
// checks what a reader of the PDF finds in it.

#include "report_forms.h"
#include "report_renderer.h"
#include "sample_fill.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace report;

namespace {

QString OutDir() {
    const QString dir = QStringLiteral(ZARU_REPORT_OUT);
    QDir().mkpath(dir);
    return dir + u'/';
}

QString PdfText(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

class FormOutput : public ::testing::TestWithParam<const char *> {};

} // namespace

TEST_P(FormOutput, RendersToPngAndSearchablePdf) {
    const QString cls = QString::fromLatin1(GetParam());
    auto form = CreateReportForm(cls);
    ASSERT_TRUE(form);
    FillSample(*form);
    const RenderedReport rendered = Render(*form);
    ASSERT_EQ(rendered.pages.size(), 1u);

    const QImage png = PageImage(rendered.pages.front(), 150);
    EXPECT_EQ(png.width(), 1240); // A4 at 150 dpi
    EXPECT_EQ(png.height(), 1754);
    ASSERT_TRUE(png.save(OutDir() + cls + QStringLiteral(".png")));

    const QString pdf = OutDir() + cls + QStringLiteral(".pdf");
    ASSERT_TRUE(WritePdf(rendered, pdf));
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    const QString text = PdfText(pdf);
    // Data the sample put in, and a word of the printed form.
    const QStringList expected =
        cls == u"Tprtqprcef"
            ? QStringList{QStringLiteral("(주)대한상사"), QStringLiteral("410,300"), QStringLiteral("참고사항"),
                          QStringLiteral("레이저 토너 카트리지"), QStringLiteral("031-123-4567")}
        : cls == u"TprtqBillf"
            ? QStringList{QStringLiteral("214-86-12345"), QStringLiteral("373,000"), QStringLiteral("레이저 토너"),
                          QStringLiteral("위 금액을 정히 영수함"), QStringLiteral("감사합니다")}
            : QStringList{QStringLiteral("214-86-12345"), QStringLiteral("105-81-67890"),
                          QStringLiteral("홍길동(인)"),   QStringLiteral("레이저 토너 카트리지"),
                          QStringLiteral("178,000"),      QStringLiteral("감사합니다")};
    for (const QString &e : expected)
        EXPECT_TRUE(text.contains(e)) << cls.toStdString() << " lacks " << e.toStdString();
}

INSTANTIATE_TEST_SUITE_P(AllForms, FormOutput,
                         ::testing::Values("TprtqDtybf", "TprtqZerof", "TprtqPricf", "TprtqPricef", "TprtqBillf",
                                           "Tprtqprcef"));

TEST(PdfOutput, FailedWriteLeavesAnOldFileIntact) {
    auto form = CreateReportForm(QStringLiteral("Tprtqprcef"));
    const RenderedReport r = Render(*form);
    EXPECT_FALSE(WritePdf(r, QStringLiteral("/nonexistent-folder/x.pdf")));
}
