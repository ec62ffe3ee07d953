#pragma once
// Filled-in documents for the export tests: what the editor would hand over for a typical invoice,
// statement and quotation.

#include "document_snapshot.h"
#include "money.h"
#include "sample_supplier.h"

#include <QImage>
#include <QString>

inline QString amountText(long long won, int width) { return FormatAmountText(Money::fromWon(won), width); }

inline QStringList eachCharacter(const QString &text) {
    QStringList out;
    for (QChar c : text)
        out << QString(c);
    return out;
}

inline InvoiceSnapshot sampleTaxInvoice() {
    InvoiceSnapshot d;
    d.aSaNo = QStringLiteral("214-86-12345");
    d.aSangho = QStringLiteral("푸른바다상사");
    d.aName = QStringLiteral("김철수");
    d.aAddr = QStringLiteral("서울특별시 강남구 테헤란로 123");
    d.aUpTea = QStringLiteral("도소매");
    d.aUpJong = QStringLiteral("사무용품");
    d.bSaNo = QStringLiteral("123-45-67891");
    d.bSangho = QStringLiteral("하늘문구");
    d.bName = QStringLiteral("이영희");
    d.bAddr = QStringLiteral("부산광역시 해운대구 센텀로 45");
    d.bUpTea = QStringLiteral("소매");
    d.bUpJong = QStringLiteral("문구");
    d.DayEdt = QStringLiteral("2005.03.07");
    // Supply 1,234,000 and tax 123,400: digit boxes units first, then the blank count mark.
    d.La = eachCharacter(QStringLiteral("0004321    ④"));
    d.Lb = eachCharacter(QStringLiteral("004321    "));
    QStringList line = EmptyItemRow(GridKind::TaxInvoice, 1);
    line[0] = QStringLiteral("03/07");
    line[1] = QStringLiteral("복사용지 A4");
    line[2] = QStringLiteral("80g");
    line[3] = amountText(10, kQuantityWidth);
    line[4] = amountText(23400, kUnitPriceWidth);
    line[5] = amountText(234000, kSupplyWidth);
    line[6] = amountText(23400, kTaxWidth);
    line[7] = QStringLiteral("박스");
    d.dGrid[0] = line;
    line = EmptyItemRow(GridKind::TaxInvoice, 2);
    line[0] = QStringLiteral("03/07");
    line[1] = QStringLiteral("레이저 토너");
    line[3] = amountText(4, kQuantityWidth);
    line[4] = amountText(250000, kUnitPriceWidth);
    line[5] = amountText(1000000, kSupplyWidth);
    line[6] = amountText(100000, kTaxWidth);
    d.dGrid[1] = line;
    d.Totmy = QStringLiteral("1,357,400");
    d.Cashmy = QStringLiteral("357,400");
    d.Checkmy = QStringLiteral("0");
    d.Billmy = QString();
    d.Creditmy = QStringLiteral("1,000,000");
    d.receipt = false;
    return d;
}

inline InvoiceSnapshot sampleStatement(int lines = 3) {
    InvoiceSnapshot d = sampleTaxInvoice();
    d.statement = true;
    for (int i = 0; i < lines; ++i) {
        QStringList line = EmptyItemRow(GridKind::Statement, i + 1);
        line[0] = QStringLiteral("03/%1").arg(i + 1, 2, 10, QChar(u'0'));
        line[1] = QStringLiteral("품목 %1").arg(i + 1);
        line[2] = QStringLiteral("규격%1").arg(i + 1);
        line[3] = QStringLiteral("EA");
        line[4] = amountText(i + 1, kQuantityWidth);
        line[5] = amountText(1000, kUnitPriceWidth);
        line[6] = amountText(1000 * (i + 1), kSupplyWidth);
        line[7] = amountText(100 * (i + 1), kTaxWidth);
        line[8] = QStringLiteral("비고%1").arg(i + 1);
        d.gGrid[i] = line;
    }
    d.gMnyEdt = QStringLiteral("6,000");
    d.gVatEdt = QStringLiteral("600");
    d.gTotEdt = QStringLiteral("6,600");
    return d;
}

inline QuotationSnapshot sampleQuotation() {
    QuotationSnapshot q;
    q.SangHoEdt = QStringLiteral("하늘문구");
    q.mTelEdit = QStringLiteral("051- 742-1234");
    q.NameEdt = QStringLiteral("이영희");
    q.AddrEdt = QStringLiteral("부산광역시 해운대구 센텀로 45");
    q.Day1Edt = QStringLiteral("2005.03.07");
    q.Day2Edt = QStringLiteral("2005.03.14");
    q.fMemo = QStringList{QStringLiteral("1. 부가세 별도"), QStringLiteral("2. 견적 유효기간: 30일")};
    QStringList line = EmptyItemRow(GridKind::Quotation, 1);
    line[1] = QStringLiteral("복사용지 A4");
    line[2] = QStringLiteral("80g");
    line[3] = QStringLiteral("박스");
    line[4] = amountText(10, kQuantityWidth);
    line[5] = amountText(23400, kUnitPriceWidth);
    line[6] = amountText(234000, kQuotationAmountWidth);
    line[7] = QStringLiteral("즉시");
    q.kGrid[0] = line;
    q.MsgLabel = QStringLiteral("  一金 : 이십삼만사천원정 (₩234,000)");
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
