// Start-up cost: creating the main window and showing it up to its first painted picture, in-process;
// and the whole program started as a process until it reports its window shown.
#include "fonts.h"
#include "mainU.h"
#include "settings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

namespace {

void BM_MainWindowShown(benchmark::State &state) {
    for (auto _ : state) {
        Tmainf window([](QWidget *, int, bool, int) {});
        window.show();
        benchmark::DoNotOptimize(window.grab());
        window.hide();
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

// The program itself, from exec to its main window shown (it writes "started" to the test log then).
void BM_ProgramStartedToMainWindow(benchmark::State &state) {
    const QString exe = QCoreApplication::applicationDirPath() + QStringLiteral("/../app/zaruziz");
    if (!QFile::exists(exe)) {
        state.SkipWithError("build/app/zaruziz not found");
        return;
    }
    for (auto _ : state) {
        QTemporaryDir tmp;
        const QString log = tmp.filePath(QStringLiteral("log"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        env.insert(QStringLiteral("ZARU_TEST_PROMPTS_LOG"), log);
        QProcess p;
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(exe, {});
        while (t.elapsed() < 20000) {
            QFile f(log);
            if (f.open(QIODevice::ReadOnly) && f.readAll().contains("started"))
                break;
            QThread::usleep(500);
        }
        state.SetIterationTime(t.nsecsElapsed() / 1e9);
        p.kill();
        p.waitForFinished();
    }
}
BENCHMARK(BM_ProgramStartedToMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    QTemporaryDir folder;
    SetApplicationFolderForTesting(folder.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
