// The preview window driven offscreen: its parts, zoom steps, closing, printing and saving as PDF.

#include "prevUnt.h"
#include "report_forms.h"
#include "sample_fill.h"
#include "test_support.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace report;

namespace {

// A preview showing a filled tax invoice.
QPointer<TprevUntf> OpenPreview() {
    auto form = CreateReportForm(QStringLiteral("TprtqDtybf"));
    FillSample(*form);
    auto *w = new TprevUntf;
    w->showForm(*form);
    return w;
}

void CloseAndFlush(QPointer<TprevUntf> &w) {
    if (w)
        w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

TEST(Preview, WindowPartsAsDesigned) {
    ScratchAppFolder app;
    QPointer<TprevUntf> w = OpenPreview();
    EXPECT_EQ(TprevUntf::current(), w.data());
    EXPECT_EQ(w->size(), QSize(862, 606));
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("켈모르소프트"));
    EXPECT_EQ(w->topTitle()->text(), QStringLiteral("        리포트 미리보기"));
    EXPECT_EQ(w->topTitle()->height(), 22);
    EXPECT_EQ(w->toolBar()->height(), 29);
    EXPECT_EQ(w->exitButton()->text(), QStringLiteral("x"));
    EXPECT_EQ(w->exitButton()->x(), w->width() - 26);
    EXPECT_EQ(w->closeButton()->x(), w->width() - 35);
    EXPECT_EQ(w->printButton()->toolTip(), QStringLiteral("인쇄"));
    EXPECT_EQ(w->closeButton()->property("hint").toString(), QStringLiteral("닫기| 미리보기 창을 닫습니다."));
    EXPECT_EQ(w->closeButton()->toolTip(), QStringLiteral("닫기"));
    EXPECT_EQ(w->pdfButton()->text(), QStringLiteral("PDF로 저장"));
    EXPECT_TRUE(w->preview()->isBound());
    w->resize(1000, 700);
    EXPECT_EQ(w->exitButton()->x(), 1000 - 26);
    EXPECT_EQ(w->closeButton()->x(), 1000 - 35);
    // Look of the window, for a person to check.
    w->resize(862, 606);
    w->grab().save(QStringLiteral(ZARU_REPORT_OUT) + QStringLiteral("/preview.png"));
    CloseAndFlush(w);
}

TEST(Preview, ZoomStepsAndTheFirstChangeApplies) {
    QPointer<TprevUntf> w = OpenPreview();
    QSpinBox *spin = w->spinEdit();
    EXPECT_EQ(spin->value(), 80);
    EXPECT_EQ(w->preview()->zoom(), 100); // the page starts at 100 % while the spin shows 80
    const QSize full = w->preview()->pageSize();
    QList<int> seen;
    spin->setFocus();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(spin, Qt::Key_Down);
        seen << spin->value();
    }
    EXPECT_EQ(seen, QList<int>({60, 40, 40, 40}));
    EXPECT_EQ(w->preview()->zoom(), 40);
    seen.clear();
    for (int i = 0; i < 6; ++i) {
        spin->stepUp();
        seen << spin->value();
    }
    EXPECT_EQ(seen, QList<int>({60, 80, 100, 120, 140, 140}));
    EXPECT_EQ(w->preview()->zoom(), 140);
    EXPECT_NEAR(w->preview()->pageSize().width(), full.width() * 1.4, 1.0);
    CloseAndFlush(w);
}

TEST(Preview, ExitButtonAndCloseButtonEndThePreview) {
    for (int which = 0; which < 2; ++which) {
        QPointer<TprevUntf> w = OpenPreview();
        bool closed = false;
        QObject::connect(w, &TprevUntf::closed, [&] { closed = true; });
        if (which == 0)
            QTest::mouseClick(w->exitButton(), Qt::LeftButton);
        else
            QTest::mouseClick(w->closeButton(), Qt::LeftButton);
        EXPECT_TRUE(closed);
        EXPECT_EQ(TprevUntf::current(), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(w.isNull()); // the window frees itself
    }
}

TEST(Preview, WaitUntilClosedReturnsWhenTheUserCloses) {
    QPointer<TprevUntf> w = OpenPreview();
    QTimer::singleShot(50, w, [w] { QTest::mouseClick(w->closeButton(), Qt::LeftButton); });
    w->waitUntilClosed();
    EXPECT_EQ(TprevUntf::current(), nullptr);
    CloseAndFlush(w);
}

TEST(Preview, OnePreviewAtATime) {
    QPointer<TprevUntf> first = OpenPreview();
    QPointer<TprevUntf> second = new TprevUntf;
    EXPECT_EQ(TprevUntf::current(), first.data());
    CloseAndFlush(second);
    EXPECT_EQ(TprevUntf::current(), first.data());
    CloseAndFlush(first);
    EXPECT_EQ(TprevUntf::current(), nullptr);
}

TEST(Preview, PrintDisablesTheCloseButtonAndToolBarWhilePrinting) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    QPointer<TprevUntf> w = OpenPreview();
    w->setPrinter(&printer);
    bool exitEnabled = true, barEnabled = true, started = false;
    QObject::connect(w, &TprevUntf::printStarted, [&] {
        started = true;
        exitEnabled = w->exitButton()->isEnabled();
        barEnabled = w->toolBar()->isEnabled();
    });
    QTest::mouseClick(w->printButton(), Qt::LeftButton);
    EXPECT_TRUE(started);
    EXPECT_FALSE(exitEnabled);
    EXPECT_FALSE(barEnabled);
    EXPECT_TRUE(w->exitButton()->isEnabled());
    EXPECT_TRUE(w->toolBar()->isEnabled());
    EXPECT_GT(QFile(dir.filePath(QStringLiteral("printed.pdf"))).size(), 1000);
    CloseAndFlush(w);
}

TEST(Preview, AFailedPrintLeavesTheWindowUsable) {
    ScriptedPrompts prompts;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/nonexistent-folder/out.pdf"));
    QPointer<TprevUntf> w = OpenPreview();
    w->setPrinter(&printer);
    w->print();
    EXPECT_TRUE(w->exitButton()->isEnabled());
    EXPECT_TRUE(w->toolBar()->isEnabled());
    ASSERT_EQ(prompts.shown.size(), 1);
    QTest::mouseClick(w->exitButton(), Qt::LeftButton);
    EXPECT_EQ(TprevUntf::current(), nullptr);
    CloseAndFlush(w);
}

TEST(Preview, SaveAsPdfAsksForAFileAndWritesIt) {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("세금계산서.pdf"));
    prompts.fileAnswers = {path, QString()};
    QPointer<TprevUntf> w = OpenPreview();
    QTest::mouseClick(w->pdfButton(), Qt::LeftButton);
    ASSERT_EQ(prompts.fileRequests.size(), 1);
    EXPECT_EQ(prompts.fileRequests.front().title, QStringLiteral("PDF로 저장"));
    EXPECT_EQ(prompts.fileRequests.front().defaultSuffix, QStringLiteral("pdf"));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    // Cancelled: nothing written, nothing shown.
    QTest::mouseClick(w->pdfButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.shown.isEmpty());
    CloseAndFlush(w);
}
