#pragma once
// Boundary documents: the widest amount each column takes and the longest texts each field keeps, for
// the checks that everything printed or exported stays whole and readable.

#include "arithmetic.h"
#include "codec.h"
#include "document_snapshot.h"
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
inline void BoundaryParties(InvoiceSnapshot &d, const QString &p) {
    d.aSaNo = QStringLiteral("214-86-12345");
    d.aSangho = Filled(p, 35);
    d.aName = Filled(p, 20);
    d.aAddr = Filled(p, 70);
    d.aUpTea = Filled(p, 25);
    d.aUpJong = Filled(p, 25);
    d.bSaNo = QStringLiteral("105-81-67890");
    d.bSangho = Filled(p, 35);
    d.bName = Filled(p, 20);
    d.bAddr = Filled(p, 70);
    d.bUpTea = Filled(p, 25);
    d.bUpJong = Filled(p, 25);
}

// The widest amounts the grid cells take: quantity 999,999, unit price 999,999,999, supply
// 9,999,999,990 (quantity 10), tax 999,999,999.
inline void BoundaryLine(QStringList &r, const InvoiceColumns &c, const QString &p, bool statement) {
    r[c.date] = QStringLiteral("12/31");
    r[c.item] = Filled(p, 25);
    r[c.spec] = Filled(p, 16);
    if (statement)
        r[c.unit] = Filled(p, 4);
    r[c.quantity] = FormatAmountText(Money::fromWon(10), kQuantityWidth);
    r[c.unitPrice] = FormatAmountText(Money::fromWon(999999999), kUnitPriceWidth);
    r[c.supply] = FormatAmountText(Money::fromWon(9999999990LL), kSupplyWidth);
    r[c.tax] = FormatAmountText(Money::fromWon(999999999), kTaxWidth);
    r[c.remark] = Filled(p, 10);
}

inline InvoiceSnapshot BoundaryTaxInvoice(const QString &p) {
    InvoiceSnapshot d;
    BoundaryParties(d, p);
    d.DayEdt = QStringLiteral("2026.12.08");
    d.DtyfNo = QStringLiteral("999");
    d.DtyeNo = QStringLiteral("999");
    d.DtysNo = QStringLiteral("99-9999");
    d.receipt = false;
    const InvoiceColumns c = ColumnsOf(GridKind::TaxInvoice);
    for (int i = 0; i < 5; ++i)
        BoundaryLine(d.dGrid[i], c, p, false);
    // The first line with the widest quantity instead.
    d.dGrid[0][c.quantity] = FormatAmountText(Money::fromWon(999999), kQuantityWidth);
    const InvoiceTotals t = ShowInvoiceTotals(Money::fromWon(49999999950LL), Money::fromWon(4999999995LL));
    d.Totmy = t.Totmy;
    d.Cashmy = t.Totmy;
    d.Checkmy = t.Totmy;
    d.Billmy = t.Totmy;
    d.Creditmy = t.Totmy;
    d.La = t.La;
    d.Lb = t.Lb;
    return d;
}

inline InvoiceSnapshot BoundaryStatement(const QString &p, int lines) {
    InvoiceSnapshot d;
    d.statement = true;
    BoundaryParties(d, p);
    d.grDay = QStringLiteral("2026.12.08");
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    for (int i = 0; i < lines; ++i)
        BoundaryLine(d.gGrid[i], c, p, true);
    d.gGrid[0][c.quantity] = FormatAmountText(Money::fromWon(999999), kQuantityWidth);
    d.gMnyEdt = TotalText(Money::fromWon(9999999990LL * lines));
    d.gVatEdt = TotalText(Money::fromWon(999999999LL * lines));
    d.gTotEdt = TotalText(Money::fromWon(10999999989LL * lines));
    return d;
}

inline QuotationSnapshot BoundaryQuotation(const QString &p) {
    QuotationSnapshot q;
    q.SangHoEdt = Filled(p, 40);
    q.NameEdt = Filled(p, 40);
    q.mTelEdit = QStringLiteral("(0505)1234-5678");
    q.AddrEdt = Filled(p, 90);
    q.Day1Edt = QStringLiteral("2026.12.08");
    q.Day2Edt = QStringLiteral("2026.12.31");
    for (int i = 0; i < 7; ++i)
        q.fMemo << Filled(p, 90);
    for (int i = 0; i < 20; ++i) {
        QStringList &r = q.kGrid[i];
        r[kcol::item] = Filled(p, 30);
        r[kcol::spec] = Filled(p, 20);
        r[kcol::unit] = Filled(p, 4);
        r[kcol::quantity] = FormatAmountText(Money::fromWon(10), kQuantityWidth);
        r[kcol::unitPrice] = FormatAmountText(Money::fromWon(999999999), kUnitPriceWidth);
        r[kcol::remark] = Filled(p, 15);
    }
    q.kGrid[0][kcol::quantity] = FormatAmountText(Money::fromWon(9), kQuantityWidth);
    q.MsgLabel = RecalculateQuotation(q.kGrid).MsgLabel;
    return q;
}

} // namespace boundary
