// Cost of loading and saving the largest documents: a statement with all 30 lines filled and a quotation
// with all 20 lines and 7 memo lines. "Bytes" are the pure conversions; "File" adds reading the file and
// the write-beside-and-rename of a save.
#include "invoice_file.h"
#include "quotation_file.h"

#include "money.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A statement with all 30 lines filled. Its lines repeat their 규격 (size), unit, quantity and remark, as
// the lines of one delivery usually do; with distinct, every cell of every line differs from the line above.
InvoiceDocument FullStatement(bool distinct = false) {
    InvoiceDocument d = InvoiceDocument::empty(true);
    d.issueDate = d.statementDate = QStringLiteral("2001.05.27");
    d.supplier.name = QStringLiteral("(주)한빛상사");
    d.supplier.representative = QStringLiteral("홍길동");
    d.supplier.number = QStringLiteral("123-45-67890");
    d.supplier.address = QStringLiteral("서울특별시 중구 을지로 100, 한빛빌딩 12층");
    d.buyer.name = QStringLiteral("대한물산 주식회사");
    d.buyer.number = QStringLiteral("214-86-12345");
    d.buyer.address = QStringLiteral("부산광역시 해운대구 센텀중앙로 90");
    d.bookVolume = d.bookNumber = QStringLiteral("1");
    d.description = QStringLiteral("사무용품 외");
    for (int r = 0; r < 30; ++r) {
        InvoiceLine &line = d.lines[r];
        const int quantity = distinct ? 12 + r : 12;
        line.date = QStringLiteral("05/%1").arg(r % 28 + 1, 2, 10, QLatin1Char('0'));
        line.item = QStringLiteral("고급 볼펜 세트 %1호").arg(r);
        line.spec = distinct ? QStringLiteral("0.%1mm 흑색").arg(r) : QStringLiteral("0.7mm 흑색");
        line.unit = distinct ? QStringLiteral("개%1").arg(r) : QStringLiteral("상자");
        line.quantity = Money::fromWon(quantity);
        line.unitPrice = Money::fromWon(15000 + r);
        line.supply = Money::fromWon(quantity * (15000 + r));
        line.tax = Money::fromWon(quantity * (15000 + r) / 10);
        line.remark = distinct ? QStringLiteral("완료 %1").arg(r) : QStringLiteral("납품완료");
    }
    return d;
}

QuotationDocument FullQuotation() {
    QuotationDocument q;
    q.recipient = QStringLiteral("(주)견적처 구매팀");
    q.phone = QStringLiteral("031- 123-4567");
    q.contact = QStringLiteral("이담당 과장");
    q.quoteDate = QStringLiteral("2001.05.27");
    q.deliveryDate = QStringLiteral("2001.06.30");
    q.address = QStringLiteral("경기도 성남시 분당구 판교역로 1");
    for (int i = 0; i < 7; ++i)
        q.memo.append(QStringLiteral("메모 %1: 납품 조건과 결제 방법을 적습니다.").arg(i + 1));
    for (int r = 0; r < 20; ++r) {
        QuotationLine &line = q.lines[r];
        line.item = QStringLiteral("사무용 복사지 A4 %1").arg(r);
        line.spec = QStringLiteral("80g 500매");
        line.unit = QStringLiteral("박스");
        line.quantity = Money::fromRaw(25'000); // 2.5
        line.unitPrice = Money::fromWon(25000 + r);
        line.remark = QStringLiteral("당일배송");
    }
    return q;
}

void BM_StatementBytesSave(benchmark::State &state) {
    const InvoiceDocument d = FullStatement();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteInvoiceFile(d));
}
BENCHMARK(BM_StatementBytesSave);

// Reads the statement again and again on the statement page.
void LoadStatement(benchmark::State &state, const InvoiceDocument &statement) {
    const QByteArray bytes = WriteInvoiceFile(statement);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadInvoiceFile(bytes, QStringLiteral("a.Gy5"), GridKind::Statement));
}

void BM_StatementBytesLoad(benchmark::State &state) { LoadStatement(state, FullStatement()); }
BENCHMARK(BM_StatementBytesLoad);

void BM_StatementBytesLoadDistinctLines(benchmark::State &state) { LoadStatement(state, FullStatement(true)); }
BENCHMARK(BM_StatementBytesLoadDistinctLines);

void BM_StatementFileSaveAndLoad(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.Gy5"));
    const InvoiceDocument d = FullStatement();
    for (auto _ : state) {
        SaveInvoiceFile(path, d);
        benchmark::DoNotOptimize(LoadInvoiceFile(path, GridKind::Statement));
    }
}
BENCHMARK(BM_StatementFileSaveAndLoad);

void BM_QuotationBytesSave(benchmark::State &state) {
    const QuotationDocument q = FullQuotation();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteQuotationFile(q));
}
BENCHMARK(BM_QuotationBytesSave);

void BM_QuotationBytesLoad(benchmark::State &state) {
    const QByteArray bytes = WriteQuotationFile(FullQuotation());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadQuotationFile(bytes, QStringLiteral("q.Prc")));
}
BENCHMARK(BM_QuotationBytesLoad);

void BM_QuotationFileSaveAndLoad(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.Prc"));
    const QuotationDocument q = FullQuotation();
    for (auto _ : state) {
        SaveQuotationFile(path, q);
        benchmark::DoNotOptimize(LoadQuotationFile(path));
    }
}
BENCHMARK(BM_QuotationFileSaveAndLoad);

} // namespace

BENCHMARK_MAIN();
