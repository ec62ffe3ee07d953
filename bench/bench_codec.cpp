// The Korean code page at the edges: decoding and encoding the text of a full document file, and the
// settings file read that every window does on every access.
#include "codec.h"

#include <benchmark/benchmark.h>

namespace {

// About the text of a full statement: names, addresses and thirty item lines.
QString DocumentText() {
    QString text;
    for (int i = 0; i < 33; ++i)
        text += QStringLiteral("(주)한빛상사 서울특별시 중구 을지로 100 고급 볼펜 세트 %1호 0.7mm 흑색 상자 납품완료 ")
                    .arg(i);
    return text;
}

void BM_DecodeDocumentText(benchmark::State &state) {
    const QByteArray bytes = cp949::encode(DocumentText());
    for (auto _ : state)
        benchmark::DoNotOptimize(cp949::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_DecodeDocumentText);

void BM_EncodeDocumentText(benchmark::State &state) {
    const QString text = DocumentText();
    for (auto _ : state)
        benchmark::DoNotOptimize(cp949::encode(text));
    state.SetBytesProcessed(state.iterations() * cp949::byteLength(text));
}
BENCHMARK(BM_EncodeDocumentText);

} // namespace

BENCHMARK_MAIN();
