#pragma once
// Documents for the print job tests, with their cells written as the editor writes them.

#include "arithmetic.h"
#include "document_snapshot.h"
#include "money.h"
#include "regnum.h"

#include <QString>

namespace fixtures {

inline QString u(const char *utf8) { return QString::fromUtf8(utf8); }

// Fills row (0-based) of a statement grid with a line of qty x price; the supply and tax follow.
inline void statementLine(QList<QStringList> &rows, int index, const QString &item, int qty, int price,
                          const QString &date = QStringLiteral("05/03")) {
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    QStringList &r = rows[index];
    const Money supply = Money::fromWon(std::int64_t(qty) * price);
    r[c.date] = date;
    r[c.item] = item;
    r[c.spec] = u("규격") + QString::number(index + 1);
    r[c.unit] = u("개");
    r[c.quantity] = FormatAmountText(Money::fromWon(qty), kQuantityWidth);
    r[c.unitPrice] = FormatAmountText(Money::fromWon(price), kUnitPriceWidth);
    r[c.supply] = FormatAmountText(supply, kSupplyWidth);
    r[c.tax] = FormatAmountText(TaxRule(supply), kTaxWidth);
    r[c.remark] = u("비고");
}

inline void parties(InvoiceSnapshot &d) {
    d.aSaNo = SampleSupplierNumber();
    d.aSangho = u("한빛상사");
    d.aName = u("홍길동");
    d.aAddr = u("서울특별시 중구 세종대로 110");
    d.aUpTea = u("도소매");
    d.aUpJong = u("문구,사무용품");
    d.bSaNo = u("105-81-67890");
    d.JuMinNo = u("800101-1234567");
    d.bSangho = u("(주)대한상사");
    d.bName = u("김대한");
    d.bAddr = u("경기도 성남시 분당구 판교역로 235");
    d.bUpTea = u("제조");
    d.bUpJong = u("전자부품");
}

// A statement with the first `lines` lines filled, totals as the editor computes them.
inline InvoiceSnapshot statement(int lines) {
    InvoiceSnapshot d;
    d.statement = true;
    parties(d);
    d.grDay = u("2024.05.20");
    for (int i = 0; i < lines; ++i)
        statementLine(d.gGrid, i, u("품목") + QString::number(i + 1), i + 1, 1000);
    QList<QStringList> rows = d.gGrid;
    const InvoiceTotals t = RecalculateInvoice(rows, GridKind::Statement, 1, true);
    d.gMnyEdt = t.gMnyEdt;
    d.gVatEdt = t.gVatEdt;
    d.gTotEdt = t.Totmy;
    return d;
}

// A tax invoice of three lines.
inline InvoiceSnapshot taxInvoice() {
    InvoiceSnapshot d;
    d.statement = false;
    parties(d);
    d.DayEdt = u("2024.05.20");
    d.DtyfNo = u("12");
    d.DtyeNo = u("345");
    d.DtysNo = u("00-1234");
    d.receipt = true;
    const InvoiceColumns c = ColumnsOf(GridKind::TaxInvoice);
    const int qty[] = {3, 10, 2};
    const int price[] = {25000, 6000, 89000};
    const char *names[] = {"A4 복사용지", "볼펜 0.7mm", "토너 카트리지"};
    for (int i = 0; i < 3; ++i) {
        QStringList &r = d.dGrid[i];
        const Money supply = Money::fromWon(std::int64_t(qty[i]) * price[i]);
        r[c.date] = u("05/") + QString::number(10 + i);
        r[c.item] = u(names[i]);
        r[c.spec] = u("박스");
        r[c.quantity] = FormatAmountText(Money::fromWon(qty[i]), kQuantityWidth);
        r[c.unitPrice] = FormatAmountText(Money::fromWon(price[i]), kUnitPriceWidth);
        r[c.supply] = FormatAmountText(supply, kSupplyWidth);
        r[c.tax] = FormatAmountText(TaxRule(supply), kTaxWidth);
        r[c.remark] = i == 0 ? u("납품") : QString();
    }
    QList<QStringList> rows = d.dGrid;
    const InvoiceTotals t = RecalculateInvoice(rows, GridKind::TaxInvoice, 1, true);
    d.Totmy = t.Totmy;
    d.Cashmy = t.Totmy;
    d.Checkmy = QStringLiteral("0");
    d.Billmy = QStringLiteral("0");
    d.Creditmy = QStringLiteral("0");
    d.La = t.La;
    d.Lb = t.Lb;
    return d;
}

inline QuotationSnapshot quotation(int lines) {
    QuotationSnapshot q;
    q.SangHoEdt = u("(주)대한상사");
    q.NameEdt = u("박담당");
    q.mTelEdit = u("(031)123-4567");
    q.AddrEdt = u("경기도 성남시 분당구 판교역로 235");
    q.Day1Edt = u("2024.05.01");
    q.Day2Edt = u("2024.05.20");
    q.fMemo = QStringList{u("1. 부가세 별도"), u("2. 납품 후 30일 이내 결제")};
    for (int i = 0; i < lines; ++i) {
        QStringList &r = q.kGrid[i];
        r[kcol::item] = u("견적품목") + QString::number(i + 1);
        r[kcol::spec] = u("규격");
        r[kcol::unit] = u("개");
        r[kcol::quantity] = FormatAmountText(Money::fromWon(i + 1), kQuantityWidth);
        r[kcol::unitPrice] = FormatAmountText(Money::fromWon(1500), kUnitPriceWidth);
    }
    q.MsgLabel = RecalculateQuotation(q.kGrid).MsgLabel;
    return q;
}

} // namespace fixtures
