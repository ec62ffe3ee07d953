// End to end through the printing service: documents printed directly on the CUPS queue "PDF" (cups-pdf)
// come out as one-page PDF files in $HOME/PDF. Skips itself where that queue does not exist.

#include "print_fixtures.h"
#include "print_jobs.h"
#include "test_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QThread>
#include <gtest/gtest.h>

using namespace printjobs;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString kQueue = u"PDF"_s;

QString outputFolder() { return QDir::homePath() + u"/PDF"_s; }

QSet<QString> pdfFiles() {
    const QStringList names = QDir(outputFolder()).entryList({u"*.pdf"_s}, QDir::Files);
    return QSet<QString>(names.begin(), names.end());
}

// Waits for a new PDF whose size has settled. The tests that print hold the queue's lock, so a new file
// in the queue's folder is the job just sent (its name is the job's title as cups-pdf escapes it).
QString waitForNewPdf(const QSet<QString> &before) {
    QElapsedTimer clock;
    clock.start();
    qint64 lastSize = -1;
    QString found;
    while (clock.elapsed() < 60000) {
        if (found.isEmpty())
            for (const QString &n : pdfFiles() - before)
                found = n;
        if (!found.isEmpty()) {
            const qint64 size = QFileInfo(QDir(outputFolder()).filePath(found)).size();
            if (size > 0 && size == lastSize)
                return QDir(outputFolder()).filePath(found);
            lastSize = size;
        }
        QThread::msleep(300);
    }
    return QString();
}

int pageCount(const QString &pdf) {
    QProcess p;
    p.start(u"pdfinfo"_s, {pdf});
    if (!p.waitForFinished(20000))
        return -1;
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

} // namespace

TEST(CupsPrinting, TaxInvoiceStatementAndQuotationEachComeOutAsOnePage) {
    if (!QPrinterInfo::availablePrinterNames().contains(kQueue))
        GTEST_SKIP() << "no CUPS queue \"PDF\" (run scripts/cups-setup.sh to add it)";
    ScratchAppFolder app;
    ScriptedPrompts prompts;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(kQueue);
    ASSERT_EQ(printer.printerName(), kQueue);
    OutputTarget target;
    target.printer = &printer;

    const InvoiceDocument tax = fixtures::taxInvoice();
    const InvoiceDocument statement = fixtures::statement(12);
    const QuotationDocument quotation = fixtures::quotation(20);
    struct Job {
        PrintPage page;
        QString title; // the report form, for the messages
    };
    for (const Job &job : {Job{PrintPage::TaxInvoice, u"TprtqDtybf"_s}, Job{PrintPage::Statement, u"TprtqPricf"_s},
                           Job{PrintPage::Quotation, u"Tprtqprcef"_s}}) {
        PrintOptions o;
        o.page = job.page;
        o.preview = false;
        const QSet<QString> before = pdfFiles();
        ASSERT_EQ(RunPrintJob(target, o, &(job.page == PrintPage::Statement ? statement : tax), &quotation),
                  PrintJobResult::Printed)
            << job.title.toStdString();
        EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join(u'\n').toStdString();
        const QString pdf = waitForNewPdf(before);
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF from CUPS for " << job.title.toStdString();
        EXPECT_EQ(pageCount(pdf), 1) << pdf.toStdString();
        QFile::remove(pdf);
    }
}
