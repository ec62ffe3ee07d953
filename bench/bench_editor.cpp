// Opening the editor on each page: construction of every control, the page set-up and a new document,
// up to the first painted picture of the window.
#include "fonts.h"
#include "settings.h"
#include "subUnt.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void openEditor(benchmark::State &state, int pageKind, bool statement) {
    for (auto _ : state) {
        TsubUntf editor(nullptr, pageKind, statement, 0);
        editor.show();
        benchmark::DoNotOptimize(editor.grab());
        editor.close();
    }
}

void BM_OpenRegistration(benchmark::State &state) { openEditor(state, 0, false); }
void BM_OpenTaxInvoice(benchmark::State &state) { openEditor(state, 1, false); }
void BM_OpenStatement(benchmark::State &state) { openEditor(state, 1, true); }
void BM_OpenQuotation(benchmark::State &state) { openEditor(state, 2, false); }

BENCHMARK(BM_OpenRegistration)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenTaxInvoice)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenStatement)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenQuotation)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    QTemporaryDir folder; // settings read from an empty application folder
    SetApplicationFolderForTesting(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
