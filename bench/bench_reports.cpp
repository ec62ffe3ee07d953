// Rendering each report form, filled with a full document, to an image at 150 dpi and to a PDF in memory.

#include "report_forms.h"
#include "report_renderer.h"

#include <QApplication>
#include <QBuffer>
#include <benchmark/benchmark.h>

using namespace report;

namespace {

const char *const kForms[] = {"TprtqDtybf", "TprtqZerof", "TprtqPricf", "TprtqPricef", "TprtqBillf", "Tprtqprcef"};

// Every data label gets a text of a realistic length.
std::unique_ptr<ReportForm> FilledForm(int index) {
    auto form = CreateReportForm(QString::fromLatin1(kForms[index]));
    for (const auto &e : form->elements())
        if (e->kind() == Element::Kind::Label && e->tag == 0 && e->name != u"kelmorLabel")
            static_cast<Label &>(*e).text = QStringLiteral("가나다 123,456");
    return form;
}

void BM_RenderLayout(benchmark::State &state) {
    auto form = FilledForm(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(Render(*form));
    state.SetLabel(kForms[state.range(0)]);
}

void BM_RenderToImage150(benchmark::State &state) {
    auto form = FilledForm(int(state.range(0)));
    for (auto _ : state) {
        const RenderedReport r = Render(*form);
        benchmark::DoNotOptimize(PageImage(r.pages.front(), 150));
    }
    state.SetLabel(kForms[state.range(0)]);
}

void BM_RenderToPdf(benchmark::State &state) {
    auto form = FilledForm(int(state.range(0)));
    for (auto _ : state) {
        const RenderedReport r = Render(*form);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        WritePdf(r, &buffer);
        benchmark::DoNotOptimize(buffer.size());
    }
    state.SetLabel(kForms[state.range(0)]);
}

} // namespace

BENCHMARK(BM_RenderLayout)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderToImage150)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RenderToPdf)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
