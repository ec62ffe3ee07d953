#pragma once
// Boundary documents: the widest amount each column takes and the longest texts each field keeps, for
// the checks that everything printed or exported stays whole and readable.

#include "arithmetic.h"
#include "codec.h"
#include "document.h"
#include "money.h"

#include <QString>

namespace boundary {

// Text of exactly `bytes` CP949 bytes made of the given pattern repeated.
inline QString Filled(const QString &pattern, int bytes) {
    QString out;
    for (int i = 0; cp949::byteLength(out) < bytes; ++i) {
        const QChar c = pattern.at(i % pattern.size());
        if (cp949::byteLength(out + c) > bytes)
            break;
        out += c;
    }
    while (cp949::byteLength(out) < bytes)
        out += u'W';
    return out;
}

// The longest texts the document files keep: company 35 bytes, representative 20, address 70, business
// type and item 25; item name 25, specification 16, remark 10, unit 4. Wide letters are the hardest case.
inline void BoundaryParties(InvoiceDocument &d, const QString &p) {
    d.supplier = {
        QStringLiteral("214-86-12345"), Filled(p, 35), Filled(p, 20), Filled(p, 70), Filled(p, 25), Filled(p, 25)};
    d.buyer = {
        QStringLiteral("105-81-67890"), Filled(p, 35), Filled(p, 20), Filled(p, 70), Filled(p, 25), Filled(p, 25)};
}

// The widest amounts the grid cells take: quantity 999,999, unit price 999,999,999, supply
// 9,999,999,990 (quantity 10), tax 999,999,999.
inline InvoiceLine BoundaryLine(const QString &p, bool statement) {
    InvoiceLine l;
    l.date = QStringLiteral("12/31");
    l.item = Filled(p, 25);
    l.spec = Filled(p, 16);
    if (statement)
        l.unit = Filled(p, 4);
    l.quantity = Money::fromWon(10);
    l.unitPrice = Money::fromWon(999999999);
    l.supply = Money::fromWon(9999999990LL);
    l.tax = Money::fromWon(999999999);
    l.remark = Filled(p, 10);
    return l;
}

inline InvoiceDocument BoundaryTaxInvoice(const QString &p) {
    InvoiceDocument d = InvoiceDocument::empty(false);
    BoundaryParties(d, p);
    d.issueDate = QStringLiteral("2026.12.08");
    d.bookVolume = QStringLiteral("999");
    d.bookNumber = QStringLiteral("999");
    d.serialNumber = QStringLiteral("99-9999");
    d.receipt = false;
    for (int i = 0; i < 5; ++i)
        d.lines[i] = BoundaryLine(p, false);
    // The first line with the widest quantity instead.
    d.lines[0].quantity = Money::fromWon(999999);
    d.cash = d.check = d.bill = d.credit = d.total();
    return d;
}

inline InvoiceDocument BoundaryStatement(const QString &p, int lines) {
    InvoiceDocument d = InvoiceDocument::empty(true);
    BoundaryParties(d, p);
    d.statementDate = QStringLiteral("2026.12.08");
    for (int i = 0; i < lines; ++i)
        d.lines[i] = BoundaryLine(p, true);
    d.lines[0].quantity = Money::fromWon(999999);
    return d;
}

inline QuotationDocument BoundaryQuotation(const QString &p) {
    QuotationDocument q;
    q.recipient = Filled(p, 40);
    q.contact = Filled(p, 40);
    q.phone = QStringLiteral("(0505)1234-5678");
    q.address = Filled(p, 90);
    q.quoteDate = QStringLiteral("2026.12.08");
    q.deliveryDate = QStringLiteral("2026.12.31");
    for (int i = 0; i < 7; ++i)
        q.memo << Filled(p, 90);
    for (int i = 0; i < 20; ++i) {
        QuotationLine &l = q.lines[i];
        l.item = Filled(p, 30);
        l.spec = Filled(p, 20);
        l.unit = Filled(p, 4);
        l.quantity = Money::fromWon(10);
        l.unitPrice = Money::fromWon(999999999);
        l.remark = Filled(p, 15);
    }
    q.lines[0].quantity = Money::fromWon(9);
    return q;
}

} // namespace boundary
