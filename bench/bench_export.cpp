// Building the three export sheets, and building and writing them as .xlsx files.

#include "export_fixtures.h"
#include "sheet_invoice.h"
#include "sheet_quotation.h"
#include "sheet_statement.h"
#include "xlsx_writer.h"

#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace sheet;

namespace {

ExportSettings withSeal(const QTemporaryDir &dir) {
    ExportSettings s;
    s.sealPath = dir.filePath(QStringLiteral("dojang.bmp"));
    writeSealBitmap(s.sealPath);
    s.message = QStringLiteral("항상 저희 회사를 이용해 주셔서 감사합니다.");
    s.sangho = QStringLiteral("한빛상사");
    s.name = QStringLiteral("홍길동");
    return s;
}

InvoiceDocument thirtyLineStatement() { return sampleStatement(30); }

template <class Build> void buildOnly(benchmark::State &state, Build build) {
    QTemporaryDir dir;
    const ExportSettings settings = withSeal(dir);
    for (auto _ : state) {
        Sheet s = build(settings);
        benchmark::DoNotOptimize(s);
    }
}

template <class Build> void buildAndWrite(benchmark::State &state, Build build) {
    QTemporaryDir dir;
    const ExportSettings settings = withSeal(dir);
    const QString path = dir.filePath(QStringLiteral("out.xlsx"));
    for (auto _ : state)
        WriteXlsx(build(settings), path);
}

auto taxInvoice = [](const ExportSettings &s) { return BuildTaxInvoiceSheet(sampleTaxInvoice(), s); };
auto statement = [](const ExportSettings &s) { return BuildStatementSheet(thirtyLineStatement(), s); };
auto quotation = [](const ExportSettings &s) { return BuildQuotationSheet(sampleQuotation(), s); };

void BM_BuildTaxInvoice(benchmark::State &state) { buildOnly(state, taxInvoice); }
void BM_BuildStatement30(benchmark::State &state) { buildOnly(state, statement); }
void BM_BuildQuotation(benchmark::State &state) { buildOnly(state, quotation); }
void BM_WriteTaxInvoice(benchmark::State &state) { buildAndWrite(state, taxInvoice); }
void BM_WriteStatement30(benchmark::State &state) { buildAndWrite(state, statement); }
void BM_WriteQuotation(benchmark::State &state) { buildAndWrite(state, quotation); }

} // namespace

BENCHMARK(BM_BuildTaxInvoice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildStatement30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuildQuotation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTaxInvoice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteStatement30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteQuotation)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    // Pictures are read and written through Qt's image plugins.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
