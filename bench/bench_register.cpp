// The register over a work folder of 10,000 documents (tax invoices, statements and quotations in yearly
// subfolders): the first index of the folder (every file read), opening the register afterwards (the
// folder walked, nothing changed, every entry loaded from the index) and one filter of the list (a VAT
// period and a text). Targets: under 5 s, under 300 ms, under 50 ms.
#include "document_index.h"
#include "register_filter.h"
#include "register_fixtures.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kDocuments = 10000;

// The folder of documents, made once for every benchmark.
const QString &WorkFolder() {
    static QTemporaryDir dir;
    static const QString work = [] {
        const QString folder = dir.path() + QStringLiteral("/Work");
        const QStringList buyers{QStringLiteral("가나상회"), QStringLiteral("다라물산"), QStringLiteral("마바건설"),
                                 QStringLiteral("사아전자"), QStringLiteral("자차식품")};
        for (int i = 0; i < kDocuments; ++i) {
            const QDate date = QDate(2020, 1, 1).addDays(i % 2000);
            const QString year = QString::number(date.year());
            const QString buyer = buyers.at(i % buyers.size());
            const QString number =
                QStringLiteral("%1-%2-%3").arg(100 + i % 800).arg(10 + i % 80).arg(10000 + i % 90000);
            if (i % 10 == 9) {
                regfx::WriteQuotation(folder + u'/' + year, QStringLiteral("q%1.Prc").arg(i), date, buyer,
                                      QStringLiteral("품목 %1").arg(i), 3, 1000 + i);
                continue;
            }
            const bool statement = i % 3 == 0;
            regfx::Invoice doc{date, number, buyer, {}, statement};
            const int lines = statement ? 12 : 3;
            for (int l = 0; l < lines; ++l)
                doc.lines.push_back(
                    {QStringLiteral("품목 %1-%2").arg(i).arg(l), 1000 * (l + 1) + i, 100 * (l + 1) + i / 10});
            regfx::Write(folder + u'/' + year, QStringLiteral("doc%1.%2").arg(i).arg(statement ? "Gy5" : "Dy5"), doc);
        }
        return folder;
    }();
    return work;
}

QString IndexPath() {
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/register.sqlite");
}

void BM_FirstIndex(benchmark::State &state) {
    const QString work = WorkFolder();
    for (auto _ : state) {
        QFile::remove(IndexPath());
        reg::DocumentIndex index(IndexPath());
        benchmark::DoNotOptimize(index.refresh(work));
    }
}
BENCHMARK(BM_FirstIndex)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_OpenAfterwards(benchmark::State &state) {
    const QString work = WorkFolder();
    {
        reg::DocumentIndex index(IndexPath());
        index.refresh(work);
    }
    for (auto _ : state) {
        reg::DocumentIndex index(IndexPath());
        const QVector<reg::RegisterEntry> entries = index.refresh(work);
        if (entries.size() != kDocuments || index.filesReadByLastRefresh() != 0)
            state.SkipWithError("the index did not hold every document");
        benchmark::DoNotOptimize(entries.data());
    }
}
BENCHMARK(BM_OpenAfterwards)->Unit(benchmark::kMillisecond);

void BM_Filter(benchmark::State &state) {
    reg::DocumentIndex index(IndexPath());
    const QVector<reg::RegisterEntry> entries = index.refresh(WorkFolder());
    reg::RegisterFilter filter;
    filter.period = reg::VatPeriod(2023, reg::VatHalf::First, reg::VatPart::Whole);
    filter.text = QStringLiteral("다라");
    for (auto _ : state)
        benchmark::DoNotOptimize(reg::FilterEntries(entries, filter));
}
BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
