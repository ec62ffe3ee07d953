#include "sheet_statement.h"

#include "codec.h"
#include "errors.h"
#include "money.h"
#include "regnum.h"

#include <tuple>

namespace sheet {

namespace {

QString row(const char *col, int r) { return QLatin1String(col) + QString::number(r); }
QString span(const char *from, const char *to, int r) { return row(from, r) + u':' + row(to, r); }

} // namespace

bool StatementLineInUse(const InvoiceLine &line) { return line.isFilled(); }

int StatementExtension(const InvoiceDocument &doc) {
    // Any line after the 12th in use needs the thirty lines, also after empty ones.
    for (int n = 13; n <= doc.lines.size(); ++n)
        if (StatementLineInUse(doc.lines.at(n - 1)))
            return 18;
    return 0;
}

Sheet BuildStatementSheet(const InvoiceDocument &doc, const ExportSettings &settings) {
    Sheet s(kStatementSheetName);
    const int E = StatementExtension(doc);
    const int totals = 22 + E;

    SetSheetDefaults(s, kFormBlue, 2, 16);
    const std::pair<int, double> heights[] = {{1, 7},  {2, 21}, {3, 5},  {4, 15},     {5, 21},
                                              {6, 21}, {7, 21}, {8, 21}, {totals, 21}};
    for (auto [r, h] : heights)
        s.setRowHeight(row("A", r), h);
    const std::pair<const char *, double> widths[] = {{"A", 1}, {"B", 1}, {"C", 1}, {"E", 1}, {"F", 5}, {"I", 4},
                                                      {"J", 4}, {"L", 1}, {"N", 1}, {"O", 1}, {"P", 4}, {"Q", 1},
                                                      {"R", 4}, {"S", 4}, {"T", 4}, {"U", 4}, {"V", 1}, {"W", 5}};
    for (auto [c, w] : widths)
        s.setColumnWidth(row(c, 1), w);
    s.makeVisible();

    // Title block.
    s.merge(QStringLiteral("B2:G2"));
    MergedText(s, QStringLiteral("H2:R2"), QStringLiteral("거  래  명  세  표"));
    s.setFontSize(QStringLiteral("H2:R2"), 18);
    s.setFontStyle(QStringLiteral("H2:R2"), kBoldStyle);
    s.setFontName(QStringLiteral("H2:R2"), QStringLiteral("명조"));
    s.setHorizontalAlignment(QStringLiteral("H2:R2"), HAlign::Center);
    MergedText(s, QStringLiteral("H3:R3"), TitleRule());
    s.setHorizontalAlignment(QStringLiteral("H3:R3"), HAlign::Center);
    MergedText(s, QStringLiteral("H4:R4"), QStringLiteral("(공급받는자 보관용)"));
    s.setHorizontalAlignment(QStringLiteral("H4:R4"), HAlign::Center);
    s.setValue(QStringLiteral("B4"), QStringLiteral("    No."));
    s.merge(QStringLiteral("T4:W4"));
    s.setFill(QStringLiteral("T4:W4"), kLightBlue);

    // Form lines.
    DrawAllLines(s, QStringLiteral("B5:") + row("W", totals), Weight::Hairline, kFormBlue);
    for (int r = 5; r <= totals; ++r) {
        DrawEdge(s, row("B", r), Edge::Left, Weight::Thin, kFormBlue);
        DrawEdge(s, row("W", r), Edge::Right, Weight::Thin, kFormBlue);
    }
    DrawEdge(s, QStringLiteral("B4:W4"), Edge::Bottom, Weight::Thin, kFormBlue);
    DrawEdge(s, span("B", "W", totals), Edge::Bottom, Weight::Thin, kFormBlue);

    // Party labels and the ranges of their values.
    auto label = [&](const char16_t *range, const char16_t *text) {
        MergedText(s, QString::fromUtf16(range), QString::fromUtf16(text));
    };
    auto value = [&](const char16_t *range) { s.merge(QString::fromUtf16(range)); };
    label(u"B5:B8", u"공    급    자");
    s.setHorizontalAlignment(QStringLiteral("B5:B8"), HAlign::Left);
    s.setWrap(QStringLiteral("B5:B8"), true);
    label(u"C5:E5", u"등록번호");
    value(u"F5:M5");
    label(u"C6:E6", u"상    호");
    value(u"F6:I6");
    label(u"J6", u"대표");
    value(u"K6:M6");
    label(u"C7:E7", u"주    소");
    value(u"F7:M7");
    label(u"C8:E8", u"업    태");
    value(u"F8:H8");
    label(u"I8", u"종목");
    value(u"J8:M8");
    label(u"N5:N8", u"공급자받는자");
    s.setHorizontalAlignment(QStringLiteral("N5:N8"), HAlign::Left);
    s.setWrap(QStringLiteral("N5:N8"), true);
    label(u"O5:P5", u"등록번호");
    value(u"Q5:W5");
    label(u"O6:P6", u"상   호");
    value(u"Q6:T6");
    label(u"U6", u"대표");
    value(u"V6:W6");
    label(u"O7:P7", u"주    소");
    value(u"Q7:W7");
    label(u"O8:P8", u"업    태");
    value(u"Q8:S8");
    label(u"T8", u"종목");
    value(u"U8:W8");

    // Item area and its heads.
    const int lastItemRow = 21 + E;
    for (int r = 9; r <= lastItemRow; ++r)
        for (auto [from, to] :
             {std::pair{"B", "D"}, {"E", "I"}, {"J", "M"}, {"N", "O"}, {"Q", "R"}, {"S", "T"}, {"U", "V"}})
            s.merge(span(from, to, r));
    const std::pair<const char *, const char16_t *> heads[] = {
        {"B9", u"날  짜"}, {"E9", u"품       목"}, {"J9", u"규    격"}, {"N9", u"단위"}, {"P9", u"수량"},
        {"Q9", u"단가"},   {"S9", u"공급가액"},    {"U9", u"세액"},     {"W9", u"비고"}};
    for (auto [cell, text] : heads)
        s.setValue(QLatin1String(cell), QString::fromUtf16(text));

    for (auto [from, to] :
         {std::pair{"B", "D"}, {"E", "H"}, {"J", "L"}, {"M", "N"}, {"O", "Q"}, {"S", "T"}, {"U", "W"}})
        s.merge(span(from, to, totals));

    // Party values.
    for (const char *c : {"F5", "Q5"}) {
        s.setFontColour(QLatin1String(c), kBlack);
        s.setFontSize(QLatin1String(c), 13);
        s.setFontStyle(QLatin1String(c), kBoldStyle);
    }
    for (const char *c : {"F6", "K6", "F7", "F8", "J8", "Q6", "V6", "Q7", "Q8", "U8"}) {
        s.setFontColour(QLatin1String(c), kBlack);
        s.setHorizontalAlignment(QLatin1String(c), HAlign::Left);
        s.setWrap(QLatin1String(c), true);
    }
    const Party &a = doc.supplier, &b = doc.buyer;
    s.setValue(QStringLiteral("F5"), SupplierNumberText(a.number));
    s.setValue(QStringLiteral("F6"), a.name);
    s.setValue(QStringLiteral("K6"), a.representative);
    s.setValue(QStringLiteral("F7"), a.address);
    s.setValue(QStringLiteral("F8"), a.businessType);
    s.setValue(QStringLiteral("J8"), a.businessItem);
    s.setValue(QStringLiteral("Q5"), b.number);
    s.setValue(QStringLiteral("Q6"), b.name);
    s.setValue(QStringLiteral("V6"), b.representative);
    s.setValue(QStringLiteral("Q7"), b.address);
    s.setValue(QStringLiteral("Q8"), b.businessType);
    s.setValue(QStringLiteral("U8"), b.businessItem);

    // Item formats and values.
    for (int r = 10; r <= lastItemRow; ++r) {
        for (const char *c : {"B", "E", "J", "N", "P", "Q", "S", "U", "W"})
            s.setFontColour(row(c, r), kBlack);
        for (const char *c : {"E", "J", "W"})
            s.setHorizontalAlignment(row(c, r), HAlign::Left);
        for (const char *c : {"P", "Q", "S", "U"}) {
            s.setHorizontalAlignment(row(c, r), HAlign::Right);
            s.setShrinkToFit(row(c, r), true); // never "###" nor a cut amount
        }
    }
    for (int r = 10; r <= lastItemRow; ++r) {
        const InvoiceLine line = doc.lines.value(r - 10);
        s.setValue(row("B", r), u'\'' + line.date);
        s.setValue(row("E", r), line.item);
        s.setValue(row("J", r), line.spec);
        s.setValue(row("N", r), line.unit);
        // Numbers to compute with; an amount of 0 leaves its cell empty.
        const std::tuple<Money, const char *, QString> amounts[] = {
            {line.quantity, "P", QuantityFormat(line.quantityDecimals)},
            {line.unitPrice, "Q", kAmountFormat},
            {line.supply, "S", kAmountFormat},
            {line.tax, "U", kAmountFormat}};
        for (const auto &[value, sheetCol, format] : amounts)
            if (value.raw() != 0)
                s.setNumber(row(sheetCol, r), value, format);
        s.setValue(row("W", r), line.remark);
    }

    // Totals row.
    s.setValue(row("B", totals), QStringLiteral("미수금"));
    s.setValue(row("I", totals), QStringLiteral("금액"));
    s.setValue(row("M", totals), QStringLiteral("세액"));
    s.setValue(row("R", totals), QStringLiteral("합계"));
    s.setValue(row("U", totals), QStringLiteral("인수자         (인)"));
    for (const char *c : {"B", "E", "I", "M", "R", "J", "O", "S"})
        s.setFill(row(c, totals), kLightBlue);
    for (const char *c : {"J", "O", "S"}) {
        s.setFontColour(row(c, totals), kBlack);
        s.setHorizontalAlignment(row(c, totals), HAlign::Right);
        s.setShrinkToFit(row(c, totals), true);
    }
    const std::pair<const char *, Money> sums[] = {{"J", doc.supplyTotal()}, {"O", doc.taxTotal()}, {"S", doc.total()}};
    for (auto [c, amount] : sums)
        if (amount != Money())
            s.setNumber(row(c, totals), amount, kWonFormat);

    PlaceSeal(s, settings.sealPath, 225, 73);
    const int footer = totals + 1;
    s.merge(span("B", "W", footer));
    s.setHorizontalAlignment(row("B", footer), HAlign::Left);
    s.setValue(row("B", footer), settings.message);
    return s;
}

} // namespace sheet
