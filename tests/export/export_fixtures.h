#pragma once
// Filled-in documents for the export tests: what the editor would hand over for a typical invoice,
// statement and quotation.

#include "document.h"
#include "money.h"
#include "sample_supplier.h"

#include <QImage>
#include <QString>

inline Money won(long long amount) { return Money::fromWon(amount); }

inline InvoiceLine invoiceLine(const char *date, const char *item, long long quantity, long long unitPrice,
                               long long supply, long long tax) {
    InvoiceLine l;
    l.date = QString::fromUtf8(date);
    l.item = QString::fromUtf8(item);
    l.quantity = won(quantity);
    l.unitPrice = won(unitPrice);
    l.supply = won(supply);
    l.tax = won(tax);
    return l;
}

// Supply 1,234,000 and tax 123,400 on two lines; paid 357,400 in cash, 1,000,000 on credit.
inline InvoiceDocument sampleTaxInvoice() {
    InvoiceDocument d = InvoiceDocument::empty(false);
    d.supplier = {QStringLiteral("214-86-12345"), QStringLiteral("푸른바다상사"),
                  QStringLiteral("김철수"),       QStringLiteral("서울특별시 강남구 테헤란로 123"),
                  QStringLiteral("도소매"),       QStringLiteral("사무용품")};
    d.buyer = {QStringLiteral("123-45-67891"), QStringLiteral("하늘문구"),
               QStringLiteral("이영희"),       QStringLiteral("부산광역시 해운대구 센텀로 45"),
               QStringLiteral("소매"),         QStringLiteral("문구")};
    d.issueDate = QStringLiteral("2005.03.07");
    d.lines[0] = invoiceLine("03/07", "복사용지 A4", 10, 23400, 234000, 23400);
    d.lines[0].spec = QStringLiteral("80g");
    d.lines[0].remark = QStringLiteral("박스");
    d.lines[1] = invoiceLine("03/07", "레이저 토너", 4, 250000, 1000000, 100000);
    d.cash = won(357400);
    d.credit = won(1000000);
    d.receipt = false;
    return d;
}

// The sample's parties with `lines` statement lines: line n (from 1) is n x 1,000 with tax n x 100.
inline InvoiceDocument sampleStatement(int lines = 3) {
    InvoiceDocument d = sampleTaxInvoice();
    d.statement = true;
    d.lines = InvoiceDocument::empty(true).lines;
    for (int i = 0; i < lines; ++i) {
        const int n = i + 1;
        InvoiceLine &l = d.lines[i];
        l = invoiceLine("", "", n, 1000, 1000 * n, 100 * n);
        l.date = QStringLiteral("03/%1").arg(n, 2, 10, QChar(u'0'));
        l.item = QStringLiteral("품목 %1").arg(n);
        l.spec = QStringLiteral("규격%1").arg(n);
        l.unit = QStringLiteral("EA");
        l.remark = QStringLiteral("비고%1").arg(n);
    }
    return d;
}

inline QuotationDocument sampleQuotation() {
    QuotationDocument q;
    q.recipient = QStringLiteral("하늘문구");
    q.phone = QStringLiteral("051- 742-1234");
    q.contact = QStringLiteral("이영희");
    q.address = QStringLiteral("부산광역시 해운대구 센텀로 45");
    q.quoteDate = QStringLiteral("2005.03.07");
    q.deliveryDate = QStringLiteral("2005.03.14");
    q.memo = QStringList{QStringLiteral("1. 부가세 별도"), QStringLiteral("2. 견적 유효기간: 30일")};
    QuotationLine &l = q.lines[0];
    l.item = QStringLiteral("복사용지 A4");
    l.spec = QStringLiteral("80g");
    l.unit = QStringLiteral("박스");
    l.quantity = won(10);
    l.unitPrice = won(23400);
    l.remark = QStringLiteral("즉시");
    return q;
}

// A small red seal picture saved as a bitmap.
inline bool writeSealBitmap(const QString &path) {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 8; y < 52; ++y)
        for (int x = 8; x < 52; ++x)
            if ((x - 30) * (x - 30) + (y - 30) * (y - 30) < 400 && (x - 30) * (x - 30) + (y - 30) * (y - 30) > 300)
                image.setPixel(x, y, qRgb(220, 0, 0));
    return image.save(path, "BMP");
}
