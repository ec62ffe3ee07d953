// Cost of the amount texts, made on every key typed into a grid and every total shown.
#include "money.h"

#include <benchmark/benchmark.h>

static void BM_FormatAmountText(benchmark::State &state) {
    const Money amounts[] = {Money::fromWon(0), Money::fromWon(1234000), Money::fromWon(-987654321),
                             Money::fromRaw(123456789)};
    for (auto _ : state)
        for (Money m : amounts)
            benchmark::DoNotOptimize(FormatAmountText(m, 15));
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_FormatAmountText);

static void BM_ParseAmount(benchmark::State &state) {
    const QString texts[] = {QStringLiteral("    1,234,000"), QStringLiteral("-1,000"), QStringLiteral("0"),
                             QStringLiteral("12345.6789")};
    for (auto _ : state)
        for (const QString &t : texts)
            benchmark::DoNotOptimize(ParseAmount(t));
    state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK(BM_ParseAmount);

static void BM_AmountInWords(benchmark::State &state) {
    const Money amounts[] = {Money::fromWon(1234000), Money::fromWon(100010000), Money::fromWon(999999999999)};
    for (auto _ : state)
        for (Money m : amounts)
            benchmark::DoNotOptimize(AmountInWords(0, m));
    state.SetItemsProcessed(state.iterations() * 3);
}
BENCHMARK(BM_AmountInWords);

BENCHMARK_MAIN();
