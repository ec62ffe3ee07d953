#include "sheet_invoice.h"

#include "arithmetic.h"

#include "money.h"
#include "regnum.h"

namespace sheet {

namespace {

void drawFormLines(Sheet &s) {
    DrawAllLines(s, QStringLiteral("B3:AN19"), Weight::Hairline, kFormBlue);
    for (int r = 3; r <= 19; ++r) {
        DrawEdge(s, CellAddress(r, 2), Edge::Left, Weight::Thin, kFormBlue);
        DrawEdge(s, CellAddress(r, 40), Edge::Right, Weight::Thin, kFormBlue);
    }
    DrawEdge(s, QStringLiteral("B2:AN2"), Edge::Bottom, Weight::Thin, kFormBlue);
    DrawEdge(s, QStringLiteral("B19:AN19"), Edge::Bottom, Weight::Thin, kFormBlue);

    // Thin lines that group the form; their colour stays.
    auto thin = [&](const char16_t *range, Edge e) { s.setEdgeWeight(QString::fromUtf16(range), e, Weight::Thin); };
    thin(u"C5:C6", Edge::Left);
    thin(u"T5:T6", Edge::Right);
    thin(u"C5:T5", Edge::Top);
    thin(u"C6:T6", Edge::Bottom);
    thin(u"V5", Edge::Left);
    thin(u"V5:AN5", Edge::Top);
    thin(u"V5:AN5", Edge::Bottom);
    thin(u"B9:AB9", Edge::Top);
    thin(u"B11:AB11", Edge::Bottom);
    thin(u"E9:E11", Edge::Right);
    for (const char16_t *r : {u"K10:K11", u"N10:N11", u"Q10:Q11", u"V10:V11", u"Y10:Y11", u"AB10:AB11", u"AE9:AE11"})
        thin(r, Edge::Right);
    for (const char16_t *c : {u"AC9", u"AD9", u"AE9"})
        thin(c, Edge::Top);
    for (const char16_t *c : {u"AC11", u"AD11", u"AE11"})
        thin(c, Edge::Bottom);
}

void drawLabels(Sheet &s) {
    auto label = [&](const char16_t *range, const char16_t *text) {
        MergedText(s, QString::fromUtf16(range), QString::fromUtf16(text));
    };
    auto leftWrapped = [&](const char16_t *range) {
        s.setHorizontalAlignment(QString::fromUtf16(range), HAlign::Left);
        s.setWrap(QString::fromUtf16(range), true);
    };

    label(u"B2:G2", u"(별지 제 11호 서식)");
    label(u"AM2", u"(청색)");
    label(u"B3:R4", u"세  금  계  산  서");
    s.setFontName(QStringLiteral("B3:R4"), QStringLiteral("굴림"));
    s.setFontSize(QStringLiteral("B3:R4"), 18);
    s.setFontStyle(QStringLiteral("B3:R4"), kBoldStyle);
    s.setHorizontalAlignment(QStringLiteral("B3:R4"), HAlign::Right);
    label(u"S3:AC4", u"(공급받는자보관용)");
    s.setHorizontalAlignment(QStringLiteral("S3:AC4"), HAlign::Left);
    // Title and copy label read as one line: the lines of R3:R4 and S3:S4 turn white, except the outer
    // frame above and the line below, which the form keeps.
    for (const char16_t *column : {u"R", u"S"}) {
        const QString c = QString::fromUtf16(column);
        s.setEdgeColour(c + QStringLiteral("3:") + c + u'4', Edge::Left, kWhite);
        s.setEdgeColour(c + QStringLiteral("3:") + c + u'4', Edge::Right, kWhite);
        s.setEdgeColour(c + u'3', Edge::Bottom, kWhite);
    }
    label(u"AD3:AG4", u"책 번 호  일련번호");
    s.setWrap(QStringLiteral("AD3:AG4"), true);
    s.merge(QStringLiteral("AH3:AJ3")); // book number
    s.merge(QStringLiteral("AK3:AN3")); // serial number
    label(u"AJ4", u"-");

    label(u"B5:B8", u"공 급 자");
    leftWrapped(u"B5:B8");
    label(u"U5:U8", u"공급자받는자");
    leftWrapped(u"U5:U8");
    label(u"C5:E5", u"등록번호");
    label(u"V5:Y5", u"등록번호");
    label(u"C6:E6", u"상   호   (법인명)");
    s.setWrap(QStringLiteral("C6:E6"), true);
    label(u"V6:Y6", u"상   호  (법인명)");
    s.setWrap(QStringLiteral("V6:Y6"), true);
    label(u"O6:P6", u"대표");
    label(u"AI6:AJ6", u"대표");
    label(u"C7:E7", u"사 업 장 주 소");
    s.setWrap(QStringLiteral("C7:E7"), true);
    label(u"V7:Y7", u"사 업 장 주 소");
    s.setWrap(QStringLiteral("V7:Y7"), true);
    label(u"C8:E8", u" 업  태");
    label(u"V8:Y8", u" 업  태");
    label(u"L8:M8", u"종목");
    label(u"AF8:AG8", u"종목");

    label(u"B9:E9", u"작   성");
    label(u"F9:T9", u"공  급  가  액");
    label(u"V9:AE9", u"세    액");
    label(u"AF9:AN9", u"비    고");
    s.merge(QStringLiteral("U9:U11"));
    label(u"B10:C10", u"년");
    label(u"D10", u"월");
    label(u"E10", u"일");
    label(u"F10:I10", u"공란수");
    const char16_t *supplyPlaces[] = {u"백", u"십", u"억", u"천", u"백", u"십", u"만", u"천", u"백", u"십", u"일"};
    for (int i = 0; i < 11; ++i)
        s.setValue(10, 10 + i, QString::fromUtf16(supplyPlaces[i])); // J10 .. T10
    const char16_t *taxPlaces[] = {u"십", u"억", u"천", u"백", u"십", u"만", u"천", u"백", u"십", u"일"};
    for (int i = 0; i < 10; ++i)
        s.setValue(10, 22 + i, QString::fromUtf16(taxPlaces[i])); // V10 .. AE10
    s.merge(QStringLiteral("AF10:AN11"));                         // remarks
    s.merge(QStringLiteral("F11:I11"));                           // blank count

    label(u"B12", u"월");
    label(u"C12", u"일");
    label(u"D12:O12", u"품     목");
    label(u"P12:T12", u"규  격");
    label(u"U12:W12", u"수량");
    label(u"X12:AA12", u"단가");
    label(u"AB12:AF12", u"공급가액");
    label(u"AG12:AJ12", u"세 액");
    label(u"AK12:AN12", u"비 고");

    label(u"B18:H18", u"합계금액");
    label(u"I18:N18", u"현   금");
    label(u"O18:T18", u"수   표");
    label(u"U18:Z18", u"어   음");
    label(u"AA18:AF18", u"외상미수금");
    s.merge(QStringLiteral("AG18:AN19")); // receipt or claim
}

void prepareDataCells(Sheet &s) {
    auto black = [&](const QString &range) {
        s.merge(range);
        s.setFontColour(range, kBlack);
    };
    for (const char16_t *r : {u"F5:T5", u"Z5:AN5"}) {
        const QString range = QString::fromUtf16(r);
        black(range);
        s.setFontSize(range, 13);
        s.setFontStyle(range, kBoldStyle);
    }
    for (const char16_t *r :
         {u"F6:N6", u"Q6:T6", u"F7:T7", u"F8:K8", u"N8:T8", u"Z6:AH6", u"AK6:AN6", u"Z7:AN7", u"Z8:AE8", u"AH8:AN8"}) {
        const QString range = QString::fromUtf16(r);
        black(range);
        s.setHorizontalAlignment(range, HAlign::Left);
        s.setWrap(range, true);
    }
    black(QStringLiteral("B11:C11"));
    for (int c : {4, 5, 6})
        black(CellAddress(11, c)); // D11, E11, F11
    for (int c = 10; c <= 20; ++c)
        black(CellAddress(11, c)); // J11 .. T11
    for (int c = 22; c <= 31; ++c)
        black(CellAddress(11, c)); // V11 .. AE11

    for (int r = 13; r <= 17; ++r) {
        const QString row = QString::number(r);
        black(u'B' + row);
        black(u'C' + row);
        auto item = [&](const char *from, const char *to, HAlign a) {
            const QString range = QLatin1String(from) + row + u':' + QLatin1String(to) + row;
            black(range);
            s.setHorizontalAlignment(range, a);
            // An amount wider than its cell is shown smaller, never as "###" or cut.
            if (a == HAlign::Right)
                s.setShrinkToFit(range, true);
        };
        item("D", "O", HAlign::Left);
        item("P", "T", HAlign::Left);
        item("U", "W", HAlign::Right);
        item("X", "AA", HAlign::Right);
        item("AB", "AF", HAlign::Right);
        item("AG", "AJ", HAlign::Right);
        item("AK", "AN", HAlign::Left);
    }
    for (const char16_t *r : {u"B19:H19", u"I19:N19", u"O19:T19", u"U19:Z19", u"AA19:AF19"}) {
        const QString range = QString::fromUtf16(r);
        black(range);
        s.setHorizontalAlignment(range, HAlign::Right);
        s.setShrinkToFit(range, true);
    }
    s.setFontColour(QStringLiteral("AF10"), kBlack);
}

// An amount of the sheet as a number to compute with, or nothing where it is 0 (an empty cell).
void amountCell(Sheet &s, CellRef cell, Money value, const QString &format) {
    if (value.raw() != 0)
        s.setNumber(cell, value, format);
}

void writeData(Sheet &s, const InvoiceDocument &doc) {
    const Party &a = doc.supplier, &b = doc.buyer;
    s.setValue(QStringLiteral("F5"), SupplierNumberText(a.number));
    s.setValue(QStringLiteral("F6"), a.name);
    s.setValue(QStringLiteral("Q6"), a.representative);
    s.setValue(QStringLiteral("F7"), a.address);
    s.setValue(QStringLiteral("F8"), a.businessType);
    s.setValue(QStringLiteral("N8"), a.businessItem);

    s.setValue(QStringLiteral("Z5"), b.number);
    s.setValue(QStringLiteral("Z6"), b.name);
    s.setValue(QStringLiteral("AK6"), b.representative);
    s.setValue(QStringLiteral("Z7"), b.address);
    s.setValue(QStringLiteral("Z8"), b.businessType);
    s.setValue(QStringLiteral("AH8"), b.businessItem);

    // The year keeps its leading zero as text; month and day are typed in as they stand.
    s.setValue(QStringLiteral("B11"), u'\'' + doc.issueDate.mid(2, 2));
    s.setValue(QStringLiteral("D11"), doc.issueDate.mid(5, 2));
    s.setValue(QStringLiteral("E11"), doc.issueDate.mid(8, 2));

    const InvoiceTotals totals = ShowInvoiceTotals(doc.supplyTotal(), doc.taxTotal());
    s.setValue(QStringLiteral("F11"), totals.La.value(11));
    for (int i = 0; i < 11; ++i)
        s.setValue(11, 10 + i, totals.La.value(10 - i)); // J11 = La11 ... T11 = La1
    for (int i = 0; i < 10; ++i)
        s.setValue(11, 22 + i, totals.Lb.value(9 - i)); // V11 = Lb10 ... AE11 = Lb1

    const int lines = ItemRowCount(GridKind::TaxInvoice);
    for (int g = 0; g < lines; ++g) {
        const InvoiceLine line = doc.lines.value(g);
        const int row = 13 + g;
        s.setValue(row, 2, u'\'' + line.date.mid(0, 2));
        s.setValue(row, 3, u'\'' + line.date.mid(3, 2));
        s.setValue(row, 4, line.item);
        s.setValue(row, 16, line.spec);
        amountCell(s, CellRef{row, 21}, line.quantity, QuantityFormat(line.quantityDecimals));
        amountCell(s, CellRef{row, 24}, line.unitPrice, kAmountFormat);
        amountCell(s, CellRef{row, 28}, line.supply, kAmountFormat);
        amountCell(s, CellRef{row, 33}, line.tax, kAmountFormat);
        s.setValue(row, 37, line.remark);
    }

    const std::pair<const char16_t *, Money> payments[] = {
        {u"B19", doc.total()}, {u"I19", doc.cash}, {u"O19", doc.check}, {u"U19", doc.bill}, {u"AA19", doc.credit}};
    for (auto [cell, amount] : payments)
        amountCell(s, ParseCell(QString::fromUtf16(cell)), amount, kWonFormat);
    s.setValue(QStringLiteral("AF10"), QString());
    s.setValue(QStringLiteral("AG18"),
               doc.receipt ? QStringLiteral("이 금액을 영수함") : QStringLiteral("이 금액을 청구함"));
}

} // namespace

Sheet BuildTaxInvoiceSheet(const InvoiceDocument &doc, const ExportSettings &settings) {
    Sheet s(kTaxInvoiceSheetName);
    SetSheetDefaults(s, kFormBlue, 1, 15);
    s.setRowHeight(QStringLiteral("A5:A8"), 24);
    s.setRowHeight(QStringLiteral("A11"), 24);
    s.setColumnWidth(QStringLiteral("D1:E1"), 2);
    s.makeVisible();

    drawFormLines(s);
    drawLabels(s);
    prepareDataCells(s);
    writeData(s, doc);

    PlaceSeal(s, settings.sealPath, 220, 83);
    s.merge(QStringLiteral("B20:AN20"));
    s.setHorizontalAlignment(QStringLiteral("T20"), HAlign::Left);
    s.setValue(QStringLiteral("B20"), settings.message);
    return s;
}

} // namespace sheet
