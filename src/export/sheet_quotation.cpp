#include "sheet_quotation.h"

#include "codec.h"
#include "money.h"

namespace sheet {

namespace {

QString row(const char *col, int r) { return QLatin1String(col) + QString::number(r); }
QString span(const char *from, const char *to, int r) { return row(from, r) + u':' + row(to, r); }

// "yyyy.mm.dd" as "yyyy년mm월dd일", blanks kept.
QString KoreanDate(const QString &day) {
    return day.mid(0, 4) + QStringLiteral("년") + day.mid(5, 2) + QStringLiteral("월") + day.mid(8, 2) +
           QStringLiteral("일");
}

} // namespace

QString SpreadName(const QString &name) {
    const int bytes = cp949::byteLength(name);
    int gap = 0;
    switch (bytes) {
    case 4: gap = 7; break;
    case 6: gap = 4; break;
    case 8: gap = 2; break;
    default: return name;
    }
    QStringList pieces;
    QString rest = name;
    while (!rest.isEmpty()) {
        const QString piece = cp949::cutToBytes(rest, 2);
        if (piece.isEmpty() || cp949::byteLength(piece) != 2)
            return name; // a piece would split a character
        pieces << piece;
        rest = rest.mid(piece.size());
    }
    return pieces.join(QString(gap, u' '));
}

Sheet BuildQuotationSheet(const QuotationDocument &doc, const ExportSettings &settings) {
    Sheet s(kQuotationSheetName);
    SetSheetDefaults(s, kBlack, 2, 18);
    const std::pair<int, double> heights[] = {{1, 10}, {2, 20}, {4, 30}, {5, 20}, {9, 10},
                                              {11, 2}, {13, 3}, {35, 3}, {36, 13}};
    for (auto [r, h] : heights)
        s.setRowHeight(row("A", r), h);
    s.setRowHeight(QStringLiteral("A37:A43"), 11);
    const std::pair<const char *, double> widths[] = {{"C", 3}, {"D", 10}, {"E", 5}, {"F", 13}, {"G", 3},
                                                      {"H", 5}, {"I", 7},  {"J", 8}, {"K", 9}};
    for (auto [c, w] : widths)
        s.setColumnWidth(row(c, 1), w);
    s.makeVisible();

    // Title.
    MergedText(s, QStringLiteral("B2:K2"), QStringLiteral("見       積        書"));
    s.setFontSize(QStringLiteral("B2:K2"), 18);
    s.setFontStyle(QStringLiteral("B2:K2"), kBoldStyle);
    s.setFontName(QStringLiteral("B2:K2"), QStringLiteral("명조"));
    s.setHorizontalAlignment(QStringLiteral("B2:K2"), HAlign::Center);
    MergedText(s, QStringLiteral("B3:K3"), TitleRule());
    s.setHorizontalAlignment(QStringLiteral("B3:K3"), HAlign::Center);

    // Form lines.
    DrawAllLines(s, QStringLiteral("B5:K43"), Weight::Hairline, kBlack);
    for (int r = 5; r <= 43; ++r) {
        DrawEdge(s, row("B", r), Edge::Left, Weight::Thin, kBlack);
        DrawEdge(s, row("K", r), Edge::Right, Weight::Thin, kBlack);
    }
    DrawEdge(s, QStringLiteral("B4:K4"), Edge::Bottom, Weight::Thin, kBlack);
    DrawEdge(s, QStringLiteral("B43:K43"), Edge::Bottom, Weight::Thin, kBlack);

    // Customer block, open at the top.
    MergedText(s, QStringLiteral("B5:F5"), doc.recipient + QStringLiteral("  귀하"));
    s.setFontSize(QStringLiteral("B5:F5"), 16);
    s.setFontStyle(QStringLiteral("B5:F5"), kBoldStyle);
    s.setFontName(QStringLiteral("B5:F5"), QStringLiteral("굴림"));
    DrawEdge(s, QStringLiteral("B4:G4"), Edge::Bottom, Weight::Thin, kWhite);
    DrawEdge(s, QStringLiteral("B4:G4"), Edge::Bottom, Weight::Thin, kWhite);
    s.setBorderColour(QStringLiteral("B5:F5"), kWhite);
    DrawEdge(s, QStringLiteral("G4:G8"), Edge::Bottom, Weight::Thin, kWhite);

    MergedText(s, QStringLiteral("B6:C6"), QStringLiteral("담    당"));
    MergedText(s, QStringLiteral("D6:F6"), QStringLiteral("  ") + doc.contact);
    s.setHorizontalAlignment(QStringLiteral("D6:F6"), HAlign::Left);
    MergedText(s, QStringLiteral("B7:C7"), QStringLiteral("주    소"));
    MergedText(s, QStringLiteral("D7:F7"), QStringLiteral("  ") + doc.address);
    s.setHorizontalAlignment(QStringLiteral("D7:F7"), HAlign::Left);
    MergedText(s, QStringLiteral("B8:C8"), QStringLiteral("납품일자"));
    s.setValue(QStringLiteral("D8"), u' ' + KoreanDate(doc.deliveryDate));
    s.setHorizontalAlignment(QStringLiteral("D8"), HAlign::Left);
    s.setValue(QStringLiteral("E8"), QStringLiteral("전  화"));
    s.setValue(QStringLiteral("F8"), doc.phone);
    for (const char16_t *r : {u"B5:F5", u"B8:F8", u"H8:K8"})
        DrawEdge(s, QString::fromUtf16(r), Edge::Bottom, Weight::Thin, kBlack);
    for (const char16_t *r : {u"G5:G8", u"F6:F8"})
        DrawEdge(s, QString::fromUtf16(r), Edge::Right, Weight::Thin, kBlack);

    // Supplier block.
    for (const char16_t *r : {u"H5:K5", u"H6:K6", u"H7:K7", u"H8:K8"})
        s.merge(QString::fromUtf16(r));
    s.setValue(QStringLiteral("H5"), settings.sangho);
    s.setFontSize(QStringLiteral("H5"), 16);
    s.setFontStyle(QStringLiteral("H5"), kBoldStyle);
    s.setFontName(QStringLiteral("H5"), QStringLiteral("굴림"));
    s.setValue(QStringLiteral("H6"), settings.upjong + QStringLiteral(" 사업번호: ") + settings.saNo);
    s.setHorizontalAlignment(QStringLiteral("H6"), HAlign::Left);
    s.setValue(QStringLiteral("H7"),
               QStringLiteral("대     표 :    ") + SpreadName(RemoveBlanks(settings.name)) + QStringLiteral("   [印]"));
    s.setValue(QStringLiteral("H8"), settings.addr);
    s.setHorizontalAlignment(QStringLiteral("H8"), HAlign::Left);
    DrawRowBottoms(s, QStringLiteral("H5:K7"), Weight::Thin, kWhite); // no lines between the supplier's lines

    // Spacers and the amount.
    // The spacer rows 9 and 35 are not merged: a merged area has one line per edge in some spreadsheet
    // programs, and its margin cell's white edge then hides the form's lines above it (B8:F8, H8:K8,
    // B34:K34). Their cells' own lines turn white instead, which shows what the merged row shows.
    for (const char16_t *r : {u"A11:L11", u"A13:L13", u"G5:G8"})
        s.merge(QString::fromUtf16(r));
    s.setBorderColour(QStringLiteral("A9:L9"), kWhite);
    for (const char16_t *r : {u"B8:F8", u"H8:K8"})
        DrawEdge(s, QString::fromUtf16(r), Edge::Bottom, Weight::Thin, kBlack);
    MergedText(s, QStringLiteral("B10:I10"), QStringLiteral("※  아래와 같이 견적합니다.  "));
    s.setHorizontalAlignment(QStringLiteral("B10:I10"), HAlign::Left);
    MergedText(s, QStringLiteral("J10:K10"), QStringLiteral("견적일:") + KoreanDate(doc.quoteDate));
    s.setBorderColour(QStringLiteral("A10:L10"), kWhite);
    for (const char16_t *r : {u"B11:K11", u"B12:K12", u"B13:K13"})
        DrawEdge(s, QString::fromUtf16(r), Edge::Bottom, Weight::Thin, kBlack);
    MergedText(s, QStringLiteral("B12:K12"), QStringLiteral("금액  ") + doc.amountLine());
    s.setHorizontalAlignment(QStringLiteral("B12:K12"), HAlign::Left);
    s.setShrinkToFit(QStringLiteral("B12:K12"), true);

    // Notes; the spacer row 35 is not merged, as row 9.
    s.setBorderColour(QStringLiteral("A35:L35"), kWhite);
    DrawEdge(s, QStringLiteral("B34:K34"), Edge::Bottom, Weight::Thin, kBlack);
    DrawEdge(s, QStringLiteral("B35:K35"), Edge::Bottom, Weight::Thin, kBlack);
    for (int r = 36; r <= 43; ++r) {
        s.merge(span("B", "K", r));
        s.setHorizontalAlignment(span("B", "K", r), HAlign::Left);
    }
    s.setValue(QStringLiteral("B36"), QStringLiteral(" ※ 참고사항 "));
    for (int i = 0; i < 7; ++i)
        s.setValue(row("B", 37 + i), doc.memo.value(i));
    DrawRowBottoms(s, QStringLiteral("B36:K42"), Weight::Thin, kWhite); // no lines between the notes

    // Item table.
    for (int r = 14; r <= 34; ++r)
        s.merge(span("C", "E", r));
    const std::pair<const char *, const char16_t *> heads[] = {
        {"B14", u"No"},    {"C14", u"품       목"}, {"F14", u"규    격"}, {"G14", u"단위"},
        {"H14", u"수 량"}, {"I14", u"단 가"},       {"J14", u"금  액"},   {"K14", u"비  고"}};
    for (auto [cell, text] : heads)
        s.setValue(QLatin1String(cell), QString::fromUtf16(text));
    for (int r = 15; r <= 34; ++r) {
        const QuotationLine line = doc.lines.value(r - 15);
        const Money amount = line.amount();
        // A line whose quantity, unit price and amount are all 0 is an empty line: no number.
        if (line.quantity.raw() != 0 || line.unitPrice.raw() != 0 || amount.raw() != 0)
            s.setValue(row("B", r), u'\'' + PadLeftTo(QString::number(r - 14), 2));
        s.setValue(row("C", r), line.item);
        s.setValue(row("F", r), line.spec);
        s.setValue(row("G", r), line.unit);
        // Numbers to compute with; 0 leaves the cell empty.
        if (line.quantity.raw() != 0)
            s.setNumber(row("H", r), line.quantity, QuantityFormat(line.quantityDecimals));
        if (line.unitPrice.raw() != 0)
            s.setNumber(row("I", r), line.unitPrice, kAmountFormat);
        if (amount.raw() != 0)
            s.setNumber(row("J", r), amount, kAmountFormat);
        s.setValue(row("K", r), line.remark);
        for (const char *c : {"C", "F", "K"})
            s.setHorizontalAlignment(row(c, r), HAlign::Left);
        for (const char *c : {"H", "I", "J"}) {
            s.setHorizontalAlignment(row(c, r), HAlign::Right);
            s.setShrinkToFit(row(c, r), true); // never "###" nor a cut amount
        }
    }

    // The single-line texts of both blocks show whole, smaller where they are long.
    for (const char16_t *r : {u"B5:F5", u"D6:F6", u"D7:F7", u"D8", u"F8", u"H5:K5", u"H6:K6", u"H7:K7", u"H8:K8"})
        s.setShrinkToFit(QString::fromUtf16(r), true);

    PlaceSeal(s, settings.sealPath, 455, 103);
    s.merge(QStringLiteral("B44:K44"));
    s.setHorizontalAlignment(QStringLiteral("B44"), HAlign::Left);
    s.setValue(QStringLiteral("B44"), settings.sangho + QStringLiteral("  Tel.") + settings.tel);
    return s;
}

} // namespace sheet
