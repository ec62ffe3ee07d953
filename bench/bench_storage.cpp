// Cost of loading and saving the largest documents: a statement with all 30 lines filled and a quotation
// with all 20 lines and 7 memo lines. "Bytes" are the pure conversions; "File" adds reading the file and
// the write-beside-and-rename of a save.
#include "invoice_file.h"
#include "quotation_file.h"

#include "money.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// A statement with all 30 lines filled. Its lines repeat their specification, unit, quantity and remark, as
// the lines of one delivery usually do; with distinct, every cell of every line differs from the line above.
InvoiceSnapshot FullStatement(bool distinct = false) {
    InvoiceSnapshot s;
    s.statement = true;
    s.DayEdt = s.grDay = QStringLiteral("2001.05.27");
    s.aSangho = QStringLiteral("(주)한빛상사");
    s.aName = QStringLiteral("홍길동");
    s.aSaNo = QStringLiteral("123-45-67890");
    s.aAddr = QStringLiteral("서울특별시 중구 을지로 100, 한빛빌딩 12층");
    s.bSangho = QStringLiteral("대한물산 주식회사");
    s.bSaNo = QStringLiteral("214-86-12345");
    s.bAddr = QStringLiteral("부산광역시 해운대구 센텀중앙로 90");
    s.DtyfNo = s.DtyeNo = QStringLiteral("1");
    s.grEdit = QStringLiteral("사무용품 외");
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    for (int r = 0; r < 30; ++r) {
        QStringList &row = s.gGrid[r];
        const int quantity = distinct ? 12 + r : 12;
        row[c.date] = QStringLiteral("05/%1").arg(r % 28 + 1, 2, 10, QLatin1Char('0'));
        row[c.item] = QStringLiteral("고급 볼펜 세트 %1호").arg(r);
        row[c.spec] = distinct ? QStringLiteral("0.%1mm 흑색").arg(r) : QStringLiteral("0.7mm 흑색");
        row[c.unit] = distinct ? QStringLiteral("개%1").arg(r) : QStringLiteral("상자");
        row[c.quantity] = QString::number(quantity);
        row[c.unitPrice] = FormatAmountText(Money::fromWon(15000 + r), kUnitPriceWidth);
        row[c.supply] = FormatAmountText(Money::fromWon(quantity * (15000 + r)), kSupplyWidth);
        row[c.tax] = FormatAmountText(Money::fromWon(quantity * (15000 + r) / 10), kTaxWidth);
        row[c.remark] = distinct ? QStringLiteral("완료 %1").arg(r) : QStringLiteral("납품완료");
    }
    return s;
}

QuotationSnapshot FullQuotation() {
    QuotationSnapshot q;
    q.SangHoEdt = QStringLiteral("(주)견적처 구매팀");
    q.mTelEdit = QStringLiteral("031- 123-4567");
    q.NameEdt = QStringLiteral("이담당 과장");
    q.Day1Edt = QStringLiteral("2001.05.27");
    q.Day2Edt = QStringLiteral("2001.06.30");
    q.AddrEdt = QStringLiteral("경기도 성남시 분당구 판교역로 1");
    for (int i = 0; i < 7; ++i)
        q.fMemo.append(QStringLiteral("메모 %1: 납품 조건과 결제 방법을 적습니다.").arg(i + 1));
    for (int r = 0; r < 20; ++r) {
        QStringList &row = q.kGrid[r];
        row[kcol::item] = QStringLiteral("사무용 복사지 A4 %1").arg(r);
        row[kcol::spec] = QStringLiteral("80g 500매");
        row[kcol::unit] = QStringLiteral("박스");
        row[kcol::quantity] = QStringLiteral("2.5");
        row[kcol::unitPrice] = FormatAmountText(Money::fromWon(25000 + r), kUnitPriceWidth);
        row[kcol::remark] = QStringLiteral("당일배송");
    }
    return q;
}

void BM_StatementBytesSave(benchmark::State &state) {
    const InvoiceSnapshot s = FullStatement();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteInvoiceFile(s));
}
BENCHMARK(BM_StatementBytesSave);

// Reads the statement again and again into a cleared statement page.
void LoadStatement(benchmark::State &state, const InvoiceSnapshot &statement) {
    const QByteArray bytes = WriteInvoiceFile(statement);
    InvoiceSnapshot cleared;
    cleared.statement = true;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadInvoiceFile(bytes, QStringLiteral("a.Gy5"), GridKind::Statement, cleared));
}

void BM_StatementBytesLoad(benchmark::State &state) { LoadStatement(state, FullStatement()); }
BENCHMARK(BM_StatementBytesLoad);

void BM_StatementBytesLoadDistinctLines(benchmark::State &state) { LoadStatement(state, FullStatement(true)); }
BENCHMARK(BM_StatementBytesLoadDistinctLines);

void BM_StatementFileSaveAndLoad(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.Gy5"));
    const InvoiceSnapshot s = FullStatement();
    for (auto _ : state) {
        SaveInvoiceFile(path, s);
        benchmark::DoNotOptimize(LoadInvoiceFile(path, GridKind::Statement, s));
    }
}
BENCHMARK(BM_StatementFileSaveAndLoad);

void BM_QuotationBytesSave(benchmark::State &state) {
    const QuotationSnapshot q = FullQuotation();
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteQuotationFile(q));
}
BENCHMARK(BM_QuotationBytesSave);

void BM_QuotationBytesLoad(benchmark::State &state) {
    const QByteArray bytes = WriteQuotationFile(FullQuotation());
    const QuotationSnapshot cleared;
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadQuotationFile(bytes, QStringLiteral("q.Prc"), cleared));
}
BENCHMARK(BM_QuotationBytesLoad);

void BM_QuotationFileSaveAndLoad(benchmark::State &state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("q.Prc"));
    const QuotationSnapshot q = FullQuotation();
    for (auto _ : state) {
        SaveQuotationFile(path, q);
        benchmark::DoNotOptimize(LoadQuotationFile(path, q));
    }
}
BENCHMARK(BM_QuotationFileSaveAndLoad);

} // namespace

BENCHMARK_MAIN();
