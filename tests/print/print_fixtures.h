#pragma once
// Documents for the print job tests: two parties, a tax invoice of three lines, statements of any number of
// lines and quotations, their amounts and totals as the editor computes them.

#include "arithmetic.h"
#include "document.h"
#include "money.h"
#include "regnum.h"

#include <QString>

namespace fixtures {

inline QString u(const char *utf8) { return QString::fromUtf8(utf8); }

// Line index (0-based) of a statement: qty x price, the supply and the tax following from it.
inline void statementLine(InvoiceDocument &d, int index, const QString &item, int qty, int price,
                          const QString &date = QStringLiteral("05/03")) {
    InvoiceLine &l = d.lines[index];
    l.date = date;
    l.item = item;
    l.spec = u("규격") + QString::number(index + 1);
    l.unit = u("개");
    l.quantity = Money::fromWon(qty);
    l.unitPrice = Money::fromWon(price);
    l.supply = Money::fromWon(std::int64_t(qty) * price);
    l.tax = TaxRule(l.supply);
    l.remark = u("비고");
}

inline void parties(InvoiceDocument &d) {
    d.supplier = {SampleSupplierNumber(), u("한빛상사"), u("홍길동"), u("서울특별시 중구 세종대로 110"), u("도소매"),
                  u("문구,사무용품")};
    d.buyer = {u("105-81-67890"), u("(주)대한상사"), u("김대한"), u("경기도 성남시 분당구 판교역로 235"),
               u("제조"),         u("전자부품")};
}

// A statement with the first `lines` lines filled: line n is n x 1,000 with tax n x 100.
inline InvoiceDocument statement(int lines) {
    InvoiceDocument d = InvoiceDocument::empty(true);
    parties(d);
    d.statementDate = u("2024.05.20");
    for (int i = 0; i < lines; ++i)
        statementLine(d, i, u("품목") + QString::number(i + 1), i + 1, 1000);
    return d;
}

// A tax invoice of three lines: supply 313,000, tax 31,300, paid in cash.
inline InvoiceDocument taxInvoice() {
    InvoiceDocument d = InvoiceDocument::empty(false);
    parties(d);
    d.issueDate = u("2024.05.20");
    d.bookVolume = u("12");
    d.bookNumber = u("345");
    d.serialNumber = u("00-1234");
    d.receipt = true;
    const int qty[] = {3, 10, 2};
    const int price[] = {25000, 6000, 89000};
    const char *names[] = {"A4 복사용지", "볼펜 0.7mm", "토너 카트리지"};
    for (int i = 0; i < 3; ++i) {
        InvoiceLine &l = d.lines[i];
        l.date = u("05/") + QString::number(10 + i);
        l.item = u(names[i]);
        l.spec = u("박스");
        l.quantity = Money::fromWon(qty[i]);
        l.unitPrice = Money::fromWon(price[i]);
        l.supply = Money::fromWon(std::int64_t(qty[i]) * price[i]);
        l.tax = TaxRule(l.supply);
        l.remark = i == 0 ? u("납품") : QString();
    }
    d.cash = d.total();
    return d;
}

// A quotation whose line n is n x 1,500.
inline QuotationDocument quotation(int lines) {
    QuotationDocument q;
    q.recipient = u("(주)대한상사");
    q.contact = u("박담당");
    q.phone = u("(031)123-4567");
    q.address = u("경기도 성남시 분당구 판교역로 235");
    q.quoteDate = u("2024.05.01");
    q.deliveryDate = u("2024.05.20");
    q.memo = QStringList{u("1. 부가세 별도"), u("2. 납품 후 30일 이내 결제")};
    for (int i = 0; i < lines; ++i) {
        QuotationLine &l = q.lines[i];
        l.item = u("견적품목") + QString::number(i + 1);
        l.spec = u("규격");
        l.unit = u("개");
        l.quantity = Money::fromWon(i + 1);
        l.unitPrice = Money::fromWon(1500);
    }
    return q;
}

} // namespace fixtures
