// The fill step of each print job (a fresh form, margins, options, seal, data) and a whole direct print
// of a tax invoice into a PDF printer.

#include "print_fill.h"
#include "print_fixtures.h"
#include "print_jobs.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QPrinter>
#include <benchmark/benchmark.h>

using namespace printjobs;

namespace {

PrintOptions optionsFor(PrintPage page) {
    PrintOptions o;
    o.page = page;
    o.preview = false;
    o.blackWhite = true;
    return o;
}

void BM_FillTaxInvoice(benchmark::State &state) {
    const InvoiceDocument doc = fixtures::taxInvoice();
    const PrintOptions o = optionsFor(PrintPage::TaxInvoice);
    for (auto _ : state)
        benchmark::DoNotOptimize(FillTaxInvoice(doc, o));
}

void BM_FillStatementSheet(benchmark::State &state) {
    const InvoiceDocument doc = fixtures::statement(12);
    const PrintOptions o = optionsFor(PrintPage::Statement);
    for (auto _ : state)
        benchmark::DoNotOptimize(FillStatementSheet(doc, o, 0, false));
}

void BM_FillLongStatement(benchmark::State &state) {
    const InvoiceDocument doc = fixtures::statement(30);
    const PrintOptions o = optionsFor(PrintPage::Statement);
    for (auto _ : state)
        benchmark::DoNotOptimize(FillLongStatement(doc, o));
}

void BM_FillReceipt(benchmark::State &state) {
    const InvoiceDocument doc = fixtures::statement(15);
    const PrintOptions o = optionsFor(PrintPage::Statement);
    for (auto _ : state)
        benchmark::DoNotOptimize(FillReceipt(doc, o));
}

void BM_FillQuotation(benchmark::State &state) {
    const QuotationDocument doc = fixtures::quotation(20);
    const PrintOptions o = optionsFor(PrintPage::Quotation);
    for (auto _ : state)
        benchmark::DoNotOptimize(FillQuotation(doc, o));
}

void BM_PrintTaxInvoiceToPdf(benchmark::State &state) {
    QTemporaryDir dir;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(dir.filePath(QStringLiteral("job.pdf")));
    OutputTarget target;
    target.printer = &pdf;
    const InvoiceDocument doc = fixtures::taxInvoice();
    const PrintOptions o = optionsFor(PrintPage::TaxInvoice);
    for (auto _ : state)
        benchmark::DoNotOptimize(RunPrintJob(target, o, &doc, nullptr));
}

} // namespace

BENCHMARK(BM_FillTaxInvoice)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillStatementSheet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillLongStatement)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillReceipt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FillQuotation)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PrintTaxInvoiceToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
