#include "prtqPric.h"

#include "form_builder.h"
#include "print_handlers.h"

using namespace Qt::Literals::StringLiterals;

namespace report {

namespace {
const QString kAmountFont = QStringLiteral("Microsoft Sans Serif");
}

void BuildStatementCopy(ReportForm &f, int band, const StatementCopy &copy) {
    const CopyBuilder c{f, band, copy.colour, 1, 0, 0};
    const QString p(copy.prefix);
    const int lines = copy.lines;
    const double totalRow = 186 + 22.0 * lines; // top of the total row
    const double frameH = totalRow + 33 - 54;

    // Heading: title over a double rule, number, copy words, date.
    c.word(188, 1, 243, 28, QStringLiteral("거  래  명  세  표"), 23, HAlign::Center, true);
    c.hline(188, 30, 243);
    c.hline(188, 33, 243);
    c.word(3, 31, 44, 17, QStringLiteral("No."), 16, HAlign::Left);
    c.hline(2, 48, 106);
    c.data(copy.numberName, 47, 36, 54, 14, 13, HAlign::Center);
    if (copy.copyTitleName.isEmpty())
        c.word(247, 34, 123, 14, copy.copyWords);
    else
        f.addLabel(band, copy.copyTitleName, c.at(247, 34, 123, 14), copy.copyWords, FontSpec{}, HAlign::Center,
                   copy.colour, 1)
            .font.pixelSize = 11;
    c.data(p + u"LDate"_s, 498, 38, 156, 14, 11);

    // Frame and party block.
    c.box(0, 54, 681, frameH, 3);
    const double rowTop[] = {55, 83, 111, 139};
    const double rowH[] = {29, 29, 29, 28};
    c.box(1, 55, 28, 112);
    c.column(1, 55, 28, 112, {QStringLiteral("공"), QStringLiteral("급"), QStringLiteral("자")}, 12);
    c.box(340, 55, 28, 112);
    c.column(
        340, 55, 28, 112,
        {QStringLiteral("공"), QStringLiteral("급"), QStringLiteral("받"), QStringLiteral("는"), QStringLiteral("자")},
        12);
    const QStringList captions = {QStringLiteral("등록번호"), QStringLiteral("상      호"),
                                  QStringLiteral("주      소"), QStringLiteral("업      태")};
    for (int side = 0; side < 2; ++side) {
        const double cap = side == 0 ? 28 : 367;
        const double right = side == 0 ? 340 : 680;
        const double off = side == 0 ? 0 : 339; // the buyer's block repeats the supplier's 339 further right
        for (int r = 0; r < 4; ++r) {
            c.box(cap, rowTop[r], right - cap + 1, rowH[r]);
            c.box(cap, rowTop[r], 54, rowH[r]);
            c.cellWord(cap, rowTop[r], 54, rowH[r], captions[r]);
        }
        c.box(236 + off, 83, 31, 29);
        c.cellWord(236 + off, 83, 31, 29, QStringLiteral("대 표"));
        c.box(204 + off, 139, 33, 28);
        c.cellWord(204 + off, 139, 33, 28, QStringLiteral("종 목"));
        const QString sfx = side == 0 ? QString() : QStringLiteral("b");
        c.data(p + u"SaNo"_s + sfx, 92 + off, 63, 235, 19, 16, HAlign::Left, true);
        // The wrapped fields take their cell's inside, clear of the rules; their text is centred in it.
        c.data(p + u"Sangho"_s + sfx, 83 + off, 84, 152, 27).wordWrap = true;
        c.data(p + u"Name"_s + sfx, 268 + off, 84, side == 0 ? 71 : 72, 27).wordWrap = true;
        c.data(p + u"Addr"_s + sfx, 83 + off, 112, side == 0 ? 256 : 257, 27).wordWrap = true;
        c.data(p + u"UpTea"_s + sfx, 83 + off, 140, 120, 26).wordWrap = true;
        c.data(p + u"UpJong"_s + sfx, 238 + off, 140, side == 0 ? 101 : 102, 26).wordWrap = true;
    }
    f.addPicture(band, copy.sealName, c.at(272, 68, 64, 64));

    // Item lines.
    const QList<double> edges = {1, 47, 224, 340, 367, 419, 483, 563, 627, 680};
    c.shaded(1, 166, 680, 21, copy.shade, copy.shadedTag);
    c.cells(edges, 166, 21);
    const QStringList heads = {
        QStringLiteral("날 짜"),    QStringLiteral("품         목"), QStringLiteral("규      격"),
        QStringLiteral("단위"),     QStringLiteral("수 량"),         QStringLiteral("단  가"),
        QStringLiteral("공급가액"), QStringLiteral("세 액"),         QStringLiteral("비 고")};
    for (int i = 0; i < heads.size(); ++i)
        c.cellWord(edges[i], 166, edges[i + 1] - edges[i], 21, heads[i]);
    for (int j = 0; j < lines; ++j) {
        c.cells(edges, 186 + 22 * j, 23);
        const QString s = QString::number(j + 1).rightJustified(2, u'0');
        const double y = 194 + 22 * j;
        c.data(p + u"Dy"_s + s, 2, y, 44, 14, 10, HAlign::Center);
        c.data(p + u"Name"_s + s, 51, y, 171, 14);
        c.data(p + u"Stan"_s + s, 227, y, 111, 14);
        c.data(p + u"Unit"_s + s, 342, y, 26, 14, 11, HAlign::Center);
        c.data(p + u"No"_s + s, 371, y, 46, 14, 11, HAlign::Right, false, kAmountFont);
        c.data(p + u"Cost"_s + s, 422, y, 59, 14, 11, HAlign::Right, false, kAmountFont);
        c.data(p + u"Mny"_s + s, 487, y, 75, 14, 11, HAlign::Right, false, kAmountFont);
        c.data(p + u"Vat"_s + s, 567, y, 59, 14, 11, HAlign::Right, false, kAmountFont);
        c.data(p + u"Etc"_s + s, 630, y, 46, 14);
    }

    // Total row: captions and values on the copy's light shade.
    const struct {
        double x, w;
        const char16_t *caption;
    } cells[] = {{1, 47, u"미수금"}, {47, 108, nullptr}, {154, 34, u"금액"}, {187, 103, nullptr},
                 {289, 34, u"세액"}, {322, 98, nullptr}, {419, 34, u"합계"}, {452, 112, nullptr}};
    for (const auto &cell : cells) {
        c.shaded(cell.x, totalRow, cell.w, 33, copy.shade, copy.shadedTag);
        if (cell.caption)
            c.cellWord(cell.x, totalRow, cell.w, 33, QString::fromUtf16(cell.caption));
    }
    c.box(563, totalRow, 118, 33);
    c.cellWord(563, totalRow, 118, 33, QStringLiteral("인수자           (인)"));
    const double ty = copy.totalsTop;
    c.data(p + u"Misum"_s, 52, ty, 98, 14, 11, HAlign::Right, false, kAmountFont);
    c.data(p + u"Totmy"_s, 190, ty, 96, 14, 11, HAlign::Right, false, kAmountFont);
    c.data(p + u"Vatmy"_s, 326, ty, 91, 14, 11, HAlign::Right, false, kAmountFont);
    c.data(p + u"Summy"_s, 457, ty, 103, 14, 11, HAlign::Right, false, kAmountFont);

    if (copy.footer)
        c.data(QStringLiteral("ShangHo"), 3, copy.footerTop, 446, 13);
    if (copy.cutLine)
        c.hline(0, 501, 681, 1, Qt::DotLine);
}

void AttachStatementHandlers(ReportForm &f, const QList<QChar> &prefixes, int lines) {
    for (const QChar pc : prefixes) {
        const QString p(pc);
        for (const QString &sfx : {QString(), QStringLiteral("b")}) {
            f.setPrintHandler({p + u"Sangho"_s + sfx}, [](const QString &t) { return BreakInsertion(t, 18); });
            f.setPrintHandler({p + u"Addr"_s + sfx}, [](const QString &t) { return BreakInsertion(t, 42); });
            // Business type and item share one handler.
            f.setPrintHandler({p + u"UpTea"_s + sfx, p + u"UpJong"_s + sfx},
                              [](const QString &t) { return BreakInsertion(t, 20); });
            f.setPrintHandler({p + u"Name"_s + sfx}, RepresentativeName);
        }
        for (int j = 1; j <= lines; ++j) {
            const QString s = QString::number(j).rightJustified(2, u'0');
            f.setPrintHandler({p + u"Name"_s + s}, [](const QString &t) { return BreakInsertion(t, 29); });
            f.setPrintHandler({p + u"Stan"_s + s}, [](const QString &t) { return BreakInsertion(t, 19); });
            f.setPrintHandler({p + u"Etc"_s + s}, [](const QString &t) { return BreakInsertion(t, 9); });
            f.setPrintHandler({p + u"No"_s + s, p + u"Cost"_s + s, p + u"Mny"_s + s, p + u"Vat"_s + s}, ZeroBlank);
            f.setPrintHandler({p + u"Dy"_s + s}, DateBlank);
        }
        f.setPrintHandler({p + u"Misum"_s, p + u"Totmy"_s, p + u"Vatmy"_s, p + u"Summy"_s}, ZeroBlank);
    }
    for (const char *number : {"NumberA", "NumberB"})
        if (f.has(QLatin1String(number)))
            f.setPrintHandler({QLatin1String(number)}, ZeroBlank);
    f.beforePrint = [prefixes](ReportForm &form) {
        for (const QChar pc : prefixes)
            for (const QString &sfx : {QString(), QStringLiteral("b")})
                for (const QString &field : {QStringLiteral("Name"), QStringLiteral("Addr"), QStringLiteral("UpTea"),
                                             QStringLiteral("UpJong")})
                    form.label(QString(pc) + field + sfx).wordWrap = true;
    };
}

TprtqPricf::TprtqPricf() : ReportForm(QStringLiteral("TprtqPricf"), MarginUnit::TenthMm) {
    margins = Margins{195, 50, 180, 120};
    const int blue = addBand(QStringLiteral("QRBand1"), 681, 512);
    const int red = addBand(QStringLiteral("QRBand2"), 681, 491);
    StatementCopy upper;
    upper.prefix = u'a';
    upper.numberName = QStringLiteral("NumberA");
    upper.sealName = QStringLiteral("adjmge");
    upper.copyWords = QStringLiteral("(공급받는자 보관용)");
    upper.colour = kNavy;
    upper.shade = kBlueShade;
    upper.cutLine = true;
    upper.footer = true;
    BuildStatementCopy(*this, blue, upper);
    StatementCopy lower = upper;
    lower.prefix = u'b';
    lower.numberName = QStringLiteral("NumberB");
    lower.sealName = QStringLiteral("bdjmge");
    lower.copyWords = QStringLiteral("(공급자 보관용)");
    lower.colour = kRed;
    lower.shade = kRedShade;
    lower.cutLine = false;
    lower.footer = false;
    BuildStatementCopy(*this, red, lower);
    AddWebAddress(*this, red, QRectF(500, 484, 180, 9));
    AttachStatementHandlers(*this, {u'a', u'b'}, 12);
}

} // namespace report
