// Running the print jobs: preview or direct printing, the pauses between form-paper sheets, a second job
// while one runs, printer failures, and the rendered pages of every job.

#include "PrtUnit.h"
#include "prevUnt.h"
#include "print_fill.h"
#include "print_fixtures.h"
#include "print_jobs.h"
#include "report_renderer.h"
#include "settings_keys.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace printjobs;
using namespace Qt::Literals::StringLiterals;
using fixtures::u;

namespace {

struct JobTest : ::testing::Test {
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QTemporaryDir out;
    QPrinter pdf{QPrinter::HighResolution};
    QWidget editor;
    OutputTarget target;

    JobTest() {
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(out.filePath(u"job.pdf"_s));
        editor.setGeometry(120, 160, 800, 560);
        editor.show();
        target.editor = &editor;
        target.printer = &pdf;
    }
    bool printed() const { return QFileInfo(out.filePath(u"job.pdf"_s)).size() > 0; }
};

PrintOptions options(PrintPage page) {
    PrintOptions o;
    o.page = page;
    o.preview = false;
    o.message = u("항상 감사합니다");
    return o;
}

} // namespace

TEST_F(JobTest, PreviewIsPlacedByTheEditorAndTheJobWaitsForIt) {
    PrintOptions o = options(PrintPage::TaxInvoice);
    o.preview = true;
    const InvoiceDocument doc = fixtures::taxInvoice();
    QRect placed;
    int pages = 0;
    bool runningInside = false;
    PrintJobResult second = PrintJobResult::Printed;
    target.previewShown = [&](report::TprevUntf &w) {
        placed = w.geometry();
        pages = int(w.preview()->report().pages.size());
        runningInside = PrintJobRunning();
        QPointer<report::TprevUntf> window(&w);
        // A second job started while the preview is open is refused and leaves the preview alone.
        QTimer::singleShot(0, [&, window] {
            second = RunPrintJob(target, options(PrintPage::TaxInvoice), &doc, nullptr);
            EXPECT_FALSE(window.isNull());
            if (window)
                window->close();
        });
    };
    EXPECT_EQ(RunPrintJob(target, o, &doc, nullptr), PrintJobResult::Previewed);
    EXPECT_EQ(placed, PreviewGeometry(editor.frameGeometry(), 270));
    const QRect frame = editor.frameGeometry();
    EXPECT_EQ(placed, QRect(frame.left(), frame.top() - 50, frame.width() + 100, frame.height() + 270));
    EXPECT_EQ(pages, 1);
    EXPECT_TRUE(runningInside);
    EXPECT_EQ(second, PrintJobResult::Refused);
    EXPECT_FALSE(PrintJobRunning());
    EXPECT_FALSE(printed());
    EXPECT_EQ(report::TprevUntf::current(), nullptr);
    EXPECT_TRUE(prompts.shown.isEmpty());

    // The other documents get 150 extra pixels.
    PrintOptions q = options(PrintPage::Quotation);
    q.preview = true;
    const QuotationDocument quote = fixtures::quotation(3);
    target.previewShown = [&](report::TprevUntf &w) {
        placed = w.geometry();
        w.close();
    };
    EXPECT_EQ(RunPrintJob(target, q, nullptr, &quote), PrintJobResult::Previewed);
    EXPECT_EQ(placed.height(), editor.frameGeometry().height() + 150);
}

TEST_F(JobTest, FormPaperPrintsDirectlyEvenWithPreviewChecked) {
    int previews = 0;
    target.previewShown = [&](report::TprevUntf &w) {
        ++previews;
        w.close();
    };
    PrintOptions o = options(PrintPage::TaxInvoice);
    o.preview = true;
    o.formPaper = true;
    const InvoiceDocument doc = fixtures::taxInvoice();
    EXPECT_EQ(RunPrintJob(target, o, &doc, nullptr), PrintJobResult::Printed);
    EXPECT_TRUE(printed());

    // The receipt and the short statement follow the same rule; the long statement previews.
    PrintOptions s = options(PrintPage::Statement);
    s.preview = true;
    s.formPaper = true;
    s.statement = false;
    const InvoiceDocument three = fixtures::statement(3);
    EXPECT_EQ(RunPrintJob(target, s, &three, nullptr), PrintJobResult::Printed);
    s.formPaper = false;
    s.statement = true;
    const InvoiceDocument thirteen = fixtures::statement(13);
    EXPECT_EQ(RunPrintJob(target, s, &thirteen, nullptr), PrintJobResult::Previewed);
    EXPECT_EQ(previews, 1);
}

TEST_F(JobTest, FormPaperStatementPausesBetweenSheets) {
    QList<int> pauses;
    target.pause = [&](int ms) { pauses << ms; };
    PrintOptions o = options(PrintPage::Statement);
    o.formPaper = true;
    const InvoiceDocument thirty = fixtures::statement(30);
    EXPECT_EQ(RunPrintJob(target, o, &thirty, nullptr), PrintJobResult::Printed);
    EXPECT_EQ(pauses, (QList<int>{1300, 2500}));
    pauses.clear();
    const InvoiceDocument twelve = fixtures::statement(12);
    EXPECT_EQ(RunPrintJob(target, o, &twelve, nullptr), PrintJobResult::Printed);
    EXPECT_TRUE(pauses.isEmpty());
}

TEST_F(JobTest, ThePauseKeepsTheApplicationResponsive) {
    PrintOptions o = options(PrintPage::Statement);
    o.formPaper = true;
    const InvoiceDocument twenty = fixtures::statement(20);
    bool timerRan = false;
    PrintJobResult during = PrintJobResult::Printed;
    QTimer::singleShot(300, [&] {
        timerRan = true;
        during = RunPrintJob(target, o, &twenty, nullptr);
    });
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(RunPrintJob(target, o, &twenty, nullptr), PrintJobResult::Printed);
    EXPECT_GE(clock.elapsed(), 1300);
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(during, PrintJobResult::Refused);
}

TEST_F(JobTest, ReceiptOfSixteenLinesIsRefusedWithAMessage) {
    PrintOptions o = options(PrintPage::Statement);
    o.statement = false;
    const InvoiceDocument doc = fixtures::statement(16);
    EXPECT_EQ(RunPrintJob(target, o, &doc, nullptr), PrintJobResult::ReceiptTooLong);
    EXPECT_EQ(prompts.shown, QStringList{u("간이 영수증은 15줄 이상 기록할 수 없습니다.")});
    EXPECT_FALSE(printed());
    const InvoiceDocument fifteen = fixtures::statement(15);
    EXPECT_EQ(RunPrintJob(target, o, &fifteen, nullptr), PrintJobResult::Printed);
}

TEST_F(JobTest, NoUsablePrinterIsReportedNotThrown) {
    QPrinter none(QPrinter::HighResolution);
    // Without any printer the printing support falls back to PDF output with no file to write.
    none.setOutputFormat(QPrinter::PdfFormat);
    ASSERT_TRUE(none.outputFileName().isEmpty());
    target.printer = &none;
    QList<int> pauses;
    target.pause = [&](int ms) { pauses << ms; };
    const InvoiceDocument doc = fixtures::taxInvoice();
    EXPECT_EQ(RunPrintJob(target, options(PrintPage::TaxInvoice), &doc, nullptr), PrintJobResult::Failed);
    EXPECT_EQ(prompts.shown, QStringList{kNoPrinterMessage});
    EXPECT_FALSE(PrintJobRunning());

    // Form-paper sheets stop at the first refusal: one message, no pauses.
    prompts.shown.clear();
    PrintOptions o = options(PrintPage::Statement);
    o.formPaper = true;
    const InvoiceDocument thirty = fixtures::statement(30);
    EXPECT_EQ(RunPrintJob(target, o, &thirty, nullptr), PrintJobResult::Failed);
    EXPECT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(pauses.isEmpty());

    // A printer that cannot be started (its output cannot be written) is reported too.
    prompts.shown.clear();
    QPrinter broken(QPrinter::HighResolution);
    broken.setOutputFormat(QPrinter::PdfFormat);
    broken.setOutputFileName(out.filePath(u"missing/folder/job.pdf"_s));
    target.printer = &broken;
    EXPECT_EQ(RunPrintJob(target, options(PrintPage::TaxInvoice), &doc, nullptr), PrintJobResult::Failed);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].startsWith(u("인쇄하지 못했습니다.")));
}

TEST_F(JobTest, AMissingDocumentEndsTheJobAndReleasesIt) {
    const InvoiceDocument doc = fixtures::taxInvoice();
    EXPECT_THROW(RunPrintJob(target, options(PrintPage::Quotation), &doc, nullptr), AppError);
    EXPECT_FALSE(PrintJobRunning());
    EXPECT_THROW(RunPrintJob(target, options(PrintPage::Statement), nullptr, nullptr), AppError);
    EXPECT_FALSE(printed());
    EXPECT_EQ(RunPrintJob(target, options(PrintPage::TaxInvoice), &doc, nullptr), PrintJobResult::Printed);
}

// Every job in its main option combinations renders one page with its data on it. With
// ZARU_PRINT_PNG_DIR set, the pages are written there as PNG files to be looked at.
TEST_F(JobTest, EveryJobRendersOnePage) {
    QImage seal(64, 64, QImage::Format_RGB32);
    seal.fill(Qt::white);
    {
        QPainter p(&seal);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::red, 4));
        p.drawEllipse(4, 4, 56, 56);
        p.setFont(QFont(u"NanumGothic"_s, 14, QFont::Bold));
        p.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, u("인"));
    }
    ASSERT_TRUE(seal.save(app.file(u"dojang.bmp"_s)));
    const QString dir = qEnvironmentVariable("ZARU_PRINT_PNG_DIR");
    if (!dir.isEmpty())
        QDir().mkpath(dir);

    struct Case {
        const char *name;
        std::unique_ptr<report::ReportForm> form;
        QString mustShow;
    };
    std::vector<Case> cases;
    const InvoiceDocument tax = fixtures::taxInvoice();
    PrintOptions t = options(PrintPage::TaxInvoice);
    t.seal = true;
    cases.push_back({"tax", FillTaxInvoice(tax, t), u("사업자번호를 변경하세요")});
    t.formPaper = true;
    cases.push_back({"tax-formpaper", FillTaxInvoice(tax, t), u("A4 복사용지")});
    t.formPaper = false;
    t.blackWhite = true;
    t.noDate = true;
    cases.push_back({"tax-bw-nodate", FillTaxInvoice(tax, t), u("(영수)")});
    t.blackWhite = false;
    t.noDate = false;
    t.withTax = false;
    cases.push_back({"zero", FillTaxInvoice(tax, t), u("계   산   서")});

    PrintOptions s = options(PrintPage::Statement);
    s.seal = true;
    s.balance = Money::fromWon(150000);
    cases.push_back({"statement", FillStatementSheet(fixtures::statement(12), s, 0, false), u("150,000")});
    s.formPaper = true;
    const InvoiceDocument twenty = fixtures::statement(20);
    cases.push_back({"statement-formpaper-1", FillStatementSheet(twenty, s, 0, true), u("품목12")});
    cases.push_back({"statement-formpaper-2", FillStatementSheet(twenty, s, 12, false), u("품목20")});
    s.formPaper = false;
    keys::write(keys::djnousr, false);
    const InvoiceDocument thirty = fixtures::statement(30);
    cases.push_back({"statement-long-buyer", FillLongStatement(thirty, s), u("품목30")});
    s.buyerCopy = false;
    cases.push_back({"statement-long-supplier", FillLongStatement(thirty, s), u("(공급자 보관용)")});
    s.blackWhite = true;
    cases.push_back({"statement-long-bw", FillLongStatement(thirty, s), u("품목13")});
    s.blackWhite = false;
    s.statement = false;
    cases.push_back({"receipt", FillReceipt(fixtures::statement(15), s), u("품목15")});
    s.blackWhite = true;
    cases.push_back({"receipt-bw", FillReceipt(fixtures::statement(5), s), u("(주)대한상사")});
    PrintOptions q = options(PrintPage::Quotation);
    cases.push_back({"quotation", FillQuotation(fixtures::quotation(20), q), u("견적품목20")});

    for (Case &c : cases) {
        const report::RenderedReport r = report::Render(*c.form);
        ASSERT_EQ(r.pages.size(), 1u) << c.name;
        EXPECT_TRUE(r.pages[0].texts().join(u'\n').contains(c.mustShow)) << c.name;
        if (!dir.isEmpty()) {
            EXPECT_TRUE(report::PageImage(r.pages[0], 110).save(dir + u'/' + QString::fromLatin1(c.name) + u".png"_s));
        }
    }
}

// Through the dialog: while the preview of its job is open, a second "확인" starts nothing; "취소" closes
// the preview, which ends the job, and then the dialog.
TEST_F(JobTest, DialogKeepsItsRunningJobUndisturbedAndCancelEndsIt) {
    keys::write(keys::Prvew, true);
    const InvoiceDocument doc = fixtures::taxInvoice();
    const auto run = PrintJobRunner(&editor, doc, fixtures::quotation(1));
    int started = 0;
    TPrtUntf dialog(&editor, 0, 0, [&](const PrintOptions &o) {
        ++started;
        run(o);
    });
    dialog.show();
    auto *ok = dialog.findChild<QPushButton *>(u"mOk0"_s);
    auto *cancel = dialog.findChild<QPushButton *>(u"mVoide0"_s);
    ASSERT_TRUE(ok && cancel);
    bool previewSeen = false, previewOwnedByDialog = false, previewClosedByCancel = false;
    QTimer::singleShot(50, [&] {
        QPointer<report::TprevUntf> w = report::TprevUntf::current();
        previewSeen = w != nullptr;
        previewOwnedByDialog = w && w->parentWidget() == &dialog;
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        QTest::mouseClick(cancel, Qt::LeftButton);
        previewClosedByCancel = report::TprevUntf::current() == nullptr;
        if (w && w->isVisible())
            w->close();
    });
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(previewSeen);
    EXPECT_TRUE(previewOwnedByDialog);
    EXPECT_TRUE(previewClosedByCancel);
    EXPECT_EQ(started, 1);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(PrintJobRunning());
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'\n').toStdString();
}

// A seal picture that cannot be printed (here cut short: it would print black where its data is missing)
// is told over the print dialog once per command, before anything prints, however many forms the job
// fills; the job then prints and previews without the seal.
TEST_F(JobTest, ASealThatCannotBePrintedIsToldOncePerCommandAndLeftOff) {
    app.write(u"dojang.bmp"_s, BmpBytes(64, 64, 64 * 16));
    const QString sealPath = app.file(u"dojang.bmp"_s);
    const QString told = u("도장 그림을 인쇄할 수 없습니다: 그림 파일이 손상되었습니다. 그림 자료가 중간에 잘려 "
                           "있습니다.\n") +
                         sealPath + u("\n\n도장 없이 인쇄합니다.");
    target.pause = [](int) {};
    int sealPictures = -1;
    target.previewShown = [&](report::TprevUntf &w) {
        sealPictures = 0;
        for (const report::RenderedPage &page : w.preview()->report().pages)
            for (const report::PageItem &item : page.items)
                sealPictures += item.type == report::PageItem::Type::Picture;
        w.close();
    };
    const InvoiceDocument thirty = fixtures::statement(30);
    PrintChoices choices;
    choices.seal = true;
    choices.formPaper = true;
    TPrtUntf dialog(
        &editor, 1, thirty.lastFilledLine(),
        [&](const PrintOptions &o) {
            PrintOptions withSeal = o;
            withSeal.sealPicture = sealPath;
            RunPrintJob(target, withSeal, &thirty, nullptr);
        },
        choices);
    dialog.show();

    // Form paper: three sheets, three forms, one notice.
    QTest::mouseClick(dialog.findChild<QPushButton *>(u"mOk1"_s), Qt::LeftButton);
    EXPECT_TRUE(printed());
    EXPECT_EQ(prompts.shown, QStringList{told});
    EXPECT_EQ(prompts.noticeParents, QList<QWidget *>{&dialog});

    // The long statement previewed: the notice again, and no picture on the page.
    QTest::mouseClick(dialog.findChild<QAbstractButton *>(u"PrvFrm1"_s), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton *>(u"mOk1"_s), Qt::LeftButton);
    EXPECT_EQ(sealPictures, 0);
    EXPECT_EQ(prompts.shown, (QStringList{told, told}));
    EXPECT_FALSE(PrintJobRunning());
}

// An offset that would push the receipt off the paper ends the job before anything reaches the printer:
// no blank sheet, and the message names the field.
TEST_F(JobTest, AnOffsetOffThePaperPrintsNoBlankSheet) {
    InvoiceDocument doc = fixtures::statement(3);
    PrintOptions o = options(PrintPage::Statement);
    o.statement = false;
    o.topOffset = 999;
    try {
        RunPrintJob(target, o, &doc, nullptr);
        ADD_FAILURE() << "the job ran";
    } catch (const AppError &e) {
        EXPECT_TRUE(e.message().startsWith(u("위쪽여백 999 "))) << e.message().toStdString();
    }
    EXPECT_FALSE(printed());
    EXPECT_FALSE(PrintJobRunning());
}
