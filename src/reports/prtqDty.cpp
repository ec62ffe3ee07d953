#include "prtqDty.h"

#include "form_builder.h"
#include "print_handlers.h"

using namespace Qt::Literals::StringLiterals;

namespace report {

namespace {

const QStringList kParty = {QStringLiteral("SaNo"), QStringLiteral("Sangho"), QStringLiteral("Name"),
                            QStringLiteral("Addr"), QStringLiteral("UpTea"),  QStringLiteral("UpJong")};

struct TaxCopy {
    bool upper; // the buyer's copy, on top
    bool withTax;
};

void BuildCopy(ReportForm &f, int band, const TaxCopy &copy) {
    const bool upper = copy.upper;
    const bool tax = copy.withTax;
    const CopyBuilder c{f, band, upper ? kNavy : kRed, upper ? 2 : 1, 0, upper ? 0.0 : -5.0};
    auto n = [upper](const QString &name) { return upper ? name : TaxInvoiceLowerName(name); };

    if (upper) {
        // The cutting line along the band's upper and lower edges.
        f.addShape(band, QStringLiteral("QRShape14"), Shape::Type::TopAndBottom, QRectF(0, 0, 613, 493), kNavy, 1,
                   Qt::DotLine);
    }

    // Above the frame: form mark and copy colour.
    c.word(2, 32, 160, 13, tax ? QStringLiteral("(별지 제 11호 서식)") : QStringLiteral("(별지 제 28호 서식)"), 11,
           HAlign::Left);
    c.word(520, 32, 88, 13, upper ? QStringLiteral("(청  색)") : QStringLiteral("(적  색)"), 11, HAlign::Right);

    // Frame and heavy boxes.
    c.box(0, 48, 611, 402, 4);
    c.box(18, 96, 285, 63, 4);
    c.box(319, 96, 290, 33, 4);

    // Title.
    c.word(20, 56, 270, 34, tax ? QStringLiteral("세 금 계 산 서") : QStringLiteral("계   산   서"), 27, HAlign::Center,
           true);
    c.word(290, 73, 130, 14, upper ? QStringLiteral("(공급받는자보관용)") : QStringLiteral("(공급자보관용)"), 11,
           HAlign::Left);

    // Book number and serial number.
    c.box(422, 49, 62, 48);
    c.hline(422, 71, 62);
    c.word(422, 54, 62, 13, QStringLiteral("책 번 호"));
    c.word(422, 78, 62, 13, QStringLiteral("일련번호"));
    c.box(483, 49, 55, 23);
    c.box(537, 49, 73, 23);
    c.word(519, 55, 17, 13, QStringLiteral("권"));
    c.word(588, 55, 20, 13, QStringLiteral("호"));
    for (int i = 0; i < 7; ++i)
        c.box(483 + 18 * i, 71, 19, 26);
    c.word(519, 79, 19, 15, QStringLiteral("―"));
    c.data(n(QStringLiteral("DtyfNoa")), 488, 55, 29, 13, 12, HAlign::Right);
    c.data(n(QStringLiteral("DtyeNoa")), 544, 55, 41, 13, 12, HAlign::Right);
    const double serialX[] = {488, 506, 541, 560, 578, 594};
    for (int i = 0; i < 6; ++i)
        c.data(n(QStringLiteral("DtysNoa%1").arg(i + 1)), serialX[i], 79, 11, 15, 12, HAlign::Center);

    // Parties: vertical captions, four rows each.
    c.box(1, 97, 18, 122);
    c.column(1, 97, 18, 121, {QStringLiteral("공"), QStringLiteral("급"), QStringLiteral("자")}, 12);
    c.box(301, 97, 20, 122);
    c.column(
        301, 97, 20, 121,
        {QStringLiteral("공"), QStringLiteral("급"), QStringLiteral("받"), QStringLiteral("는"), QStringLiteral("자")},
        12);
    const double rowTop[] = {97, 127, 157, 187};
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 18 : 320;
        const double right = side == 0 ? 301 : 610;
        for (double top : rowTop) {
            const double h = top == 187 ? 32 : 31;
            c.box(x0, top, right - x0 + 1, h);
            c.box(x0, top, 53, h);
        }
        c.cellWord(x0, 97, 53, 31, QStringLiteral("등록번호"));
        c.cellWord(x0, 127, 53, 31, QStringLiteral("상   호\n(법인명)"));
        c.cellWord(x0, 157, 53, 31, QStringLiteral("사 업 장\n주     소"));
        c.cellWord(x0, 187, 53, 31, QStringLiteral("업     태"));
        const double nameCell = side == 0 ? 192 : 494;
        c.box(nameCell, 127, 45, 31);
        c.cellWord(nameCell, 127, 45, 31, QStringLiteral("성   명\n(대표자)"));
        const double itemCell = side == 0 ? 163 : 465;
        c.box(itemCell, 187, 44, 31);
        c.cellWord(itemCell, 187, 44, 31, QStringLiteral("종   목"));
    }
    // Party fields: the supplier's at the left, the buyer's at the right.
    const QString sup = upper ? QStringLiteral("a") : QStringLiteral("c");
    const QString buy = upper ? QStringLiteral("b") : QStringLiteral("d");
    struct Pos {
        double x, y, w, h;
        int px;
        bool bold;
        HAlign align;
    };
    // The wrapped fields take their cell's inside, clear of the rules (the supplier's block lies in a
    // heavy frame, whose lines are 4 pixels wide); their text is centred in that height.
    const Pos supPos[] = {{75, 107, 220, 20, 16, true, HAlign::Center}, {72, 128, 119, 27, 12, true, HAlign::Left},
                          {238, 128, 60, 27, 11, false, HAlign::Left},  {72, 159, 228, 28, 11, false, HAlign::Left},
                          {72, 188, 90, 30, 11, false, HAlign::Left},   {208, 188, 92, 30, 11, false, HAlign::Left}};
    const Pos buyPos[] = {{377, 107, 220, 20, 16, true, HAlign::Center}, {374, 128, 119, 29, 12, true, HAlign::Left},
                          {540, 128, 66, 29, 11, false, HAlign::Left},   {374, 158, 232, 29, 11, false, HAlign::Left},
                          {374, 188, 90, 30, 11, false, HAlign::Left},   {510, 188, 96, 30, 11, false, HAlign::Left}};
    for (int i = 0; i < 6; ++i) {
        const Pos &s = supPos[i];
        c.data(sup + kParty[i], s.x, s.y, s.w, s.h, s.px, s.align, s.bold).wordWrap = i > 0;
        const Pos &b = buyPos[i];
        c.data(buy + kParty[i], b.x, b.y, b.w, b.h, b.px, b.align, b.bold).wordWrap = i > 0;
    }
    f.addPicture(band, n(QStringLiteral("adjmge")), c.at(259, 114, 64, 64));

    // Amount block: headings, place names, digits.
    c.box(1, 218, 69, 17);
    c.cellWord(1, 218, 69, 17, QStringLiteral("작    성"));
    c.box(69, 218, 233, 17);
    c.cellWord(69, 218, 233, 17, QStringLiteral("공       급       가       액"));
    if (tax) {
        c.box(301, 218, 20, 64);
        c.box(320, 218, 171, 17);
        c.cellWord(320, 218, 171, 17, QStringLiteral("세           액"));
        c.box(490, 218, 120, 17);
        c.cellWord(490, 218, 120, 17, QStringLiteral("비        고"));
        c.box(490, 234, 120, 48);
    } else {
        c.box(301, 218, 309, 17);
        c.cellWord(301, 218, 309, 17, QStringLiteral("비        고"));
        c.box(301, 234, 309, 48);
    }
    const struct {
        double x, w;
        const char16_t *word;
    } dateCells[] = {{1, 30, u"년"}, {30, 20, u"월"}, {49, 21, u"일"}, {69, 46, u"공란"}};
    for (const auto &d : dateCells) {
        c.box(d.x, 234, d.w, 18);
        c.cellWord(d.x, 234, d.w, 18, QString::fromUtf16(d.word), 10);
        c.box(d.x, 251, d.w, 31);
    }
    auto digitBlock = [&](double x0, double width, const QStringList &places) {
        const double step = width / places.size();
        for (int i = 0; i < places.size(); ++i) {
            const double x = x0 + step * i;
            c.box(x, 234, step + 1, 18);
            c.cellWord(x, 234, step + 1, 18, places[i], 10);
            c.box(x, 251, step + 1, 31);
            const int fromRight = int(places.size()) - 1 - i;
            if (fromRight > 0 && fromRight % 3 == 0) // thousands mark after this place, inside its cell
                c.word(x + step - 5, 270, 5, 10, QStringLiteral("."), 9);
        }
    };
    digitBlock(114, 188,
               {QStringLiteral("백"), QStringLiteral("십"), QStringLiteral("억"), QStringLiteral("천"),
                QStringLiteral("백"), QStringLiteral("십"), QStringLiteral("만"), QStringLiteral("천"),
                QStringLiteral("백"), QStringLiteral("십"), QStringLiteral("일")});
    if (tax)
        digitBlock(320, 171,
                   {QStringLiteral("십"), QStringLiteral("억"), QStringLiteral("천"), QStringLiteral("백"),
                    QStringLiteral("십"), QStringLiteral("만"), QStringLiteral("천"), QStringLiteral("백"),
                    QStringLiteral("십"), QStringLiteral("일")});

    c.data(n(QStringLiteral("LabelYer")), 4, 260, 27, 14, 11, HAlign::Left); // clear of the heavy frame
    c.data(n(QStringLiteral("LabelMth")), 32, 260, 16, 14, 11, HAlign::Center);
    c.data(n(QStringLiteral("LabelDay")), 51, 260, 16, 14, 11, HAlign::Center);
    c.data(n(QStringLiteral("La12")), 75, 258, 35, 16, 15, HAlign::Center);
    for (int i = 0; i < 11; ++i)
        c.data(n(QStringLiteral("La%1").arg(11 - i)), 115 + 17.1 * i, 261, 16, 14, 13, HAlign::Center);
    if (tax)
        for (int i = 0; i < 10; ++i)
            c.data(n(QStringLiteral("Lb%1").arg(10 - i)), 322 + 17 * i, 261, 16, 14, 13, HAlign::Center);
    if (tax)
        c.data(n(QStringLiteral("LDtyEtc")), 495, 248, 113, 24).wordWrap = true;
    else
        c.data(n(QStringLiteral("LDtyEtc")), 306, 248, 302, 24).wordWrap = true;

    // Item lines.
    const QList<double> edges = tax ? QList<double>{1, 21, 41, 199, 301, 346, 412, 491, 548, 610}
                                    : QList<double>{1, 21, 41, 199, 301, 346, 412, 491, 610};
    c.box(1, 281, 41, 22);
    c.cellWord(1, 281, 41, 22, QStringLiteral("월  일"));
    c.cells(edges.mid(2), 281, 22);
    QStringList heads = {QStringLiteral("품             명"), QStringLiteral("규      격"), QStringLiteral("수량"),
                         QStringLiteral("단   가"), QStringLiteral("공급가액")};
    if (tax)
        heads << QStringLiteral("세   액");
    heads << QStringLiteral("비  고");
    for (int i = 0; i < heads.size(); ++i)
        c.cellWord(edges[i + 2], 281, edges[i + 3] - edges[i + 2], 22, heads[i]);
    const double rowTops[] = {302, 323, 344, 365, 387};
    const double textTops[] = {310, 330, 351, 372, 394};
    for (int k = 0; k < 5; ++k) {
        c.cells(edges, rowTops[k], k >= 3 ? 23 : 22);
        const QString s = QString::number(k + 1);
        const double y = textTops[k];
        c.data(n(QStringLiteral("LDy") + s), 3, y, 18, 12, 11, HAlign::Center);
        c.data(n(QStringLiteral("LMy") + s), 23, y, 18, 12, 11, HAlign::Center);
        c.data(n(QStringLiteral("LName") + s), 45, y, 156, 12);
        c.data(n(QStringLiteral("LStan") + s), 203, y, 99, 12);
        c.data(n(QStringLiteral("LNo") + s), 301, y, 43, 12, 11, HAlign::Right);
        c.data(n(QStringLiteral("LCost") + s), 347, y, 64, 12, 11, HAlign::Right);
        c.data(n(QStringLiteral("LMny") + s), 413, y, 77, 12, 11, HAlign::Right);
        if (tax) {
            c.data(n(QStringLiteral("LVat") + s), 491, y, 56, 12, 11, HAlign::Right);
            c.data(n(QStringLiteral("LEtc") + s), 553, y, 55, 12);
        } else {
            c.data(n(QStringLiteral("LEtc") + s), 501, y, 105, 12);
        }
    }

    // Totals.
    const QStringList totalHeads = {QStringLiteral("합 계 금 액"), QStringLiteral("현       금"),
                                    QStringLiteral("수       표"), QStringLiteral("어       음"),
                                    QStringLiteral("외상미수금")};
    const QStringList totals = {QStringLiteral("Totmy"), QStringLiteral("Cashmy"), QStringLiteral("Checkmy"),
                                QStringLiteral("Billmy"), QStringLiteral("Creditmy")};
    const double totalX[] = {2, 94, 185, 277, 370};
    for (int i = 0; i < 5; ++i) {
        const double x = 1 + 93 * i;
        c.box(x, 409, 94, 21);
        c.cellWord(x, 409, 94, 21, totalHeads[i]);
        c.box(x, 429, 94, 21);
        // Centred in its cell, clear of the heavy frame below it.
        c.data(n(totals[i]), totalX[i], 433, 88, 13, 11, HAlign::Right);
    }
    c.box(466, 409, 145, 41);
    f.addLabel(band, upper ? QStringLiteral("hrBtnB") : QStringLiteral("hrBtnA"), c.at(473, 425, 126, 13),
               QStringLiteral("이 금액을            함"), FontSpec{QStringLiteral("굴림"), 12, false}, HAlign::Center,
               c.colour, c.tag);
    f.addLabel(band, n(QStringLiteral("BtnA")), c.at(536, 425, 36, 13), QStringLiteral("(영수)"),
               FontSpec{QStringLiteral("굴림"), 12, false}, HAlign::Center, c.colour, 0);

    if (upper)
        c.data(QStringLiteral("ShangHo"), 3, 467, 446, 13);
    else
        AddWebAddress(f, band, c.at(430, 467, 180, 10));
}

} // namespace

QString TaxInvoiceLowerName(const QString &upper) {
    for (const QString &p : kParty) {
        if (upper == u'a' + p)
            return u'c' + p;
        if (upper == u'b' + p)
            return u'd' + p;
    }
    if (upper == u"adjmge")
        return QStringLiteral("bdjmge");
    if (upper == u"DtyfNoa" || upper == u"DtyeNoa")
        return upper.left(6) + u'b';
    if (upper.startsWith(u"DtysNoa"))
        return QStringLiteral("DtysNob") + upper.mid(7);
    if (upper.startsWith(u"Label"))
        return QStringLiteral("bLabl") + upper.mid(5);
    if (upper == u"BtnA")
        return QStringLiteral("BtnB");
    return u'b' + upper;
}

TprtqDtybf::TprtqDtybf() : TprtqDtybf(QStringLiteral("TprtqDtybf"), true) {}

TprtqDtybf::TprtqDtybf(const QString &className, bool withTax) : ReportForm(className, MarginUnit::TenthMm) {
    margins = withTax ? Margins{220, 100, 278, 202} : Margins{210, 100, 278, 202};
    const int blue = addBand(QStringLiteral("QRBand1"), 613, 495);
    const int red = addBand(QStringLiteral("QRBand2"), 613, 495);
    BuildCopy(*this, blue, {true, withTax});
    BuildCopy(*this, red, {false, withTax});

    // Fitting the texts to their boxes.
    for (const QString &p : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")}) {
        setPrintHandler({p + u"Sangho"_s}, [](const QString &t) { return BreakInsertion(t, 17); });
        setPrintHandler({p + u"Addr"_s}, [](const QString &t) { return BreakInsertion(t, 42); });
        setPrintHandler({p + u"UpTea"_s}, [](const QString &t) { return BreakInsertion(t, 16); });
        setPrintHandler({p + u"UpJong"_s}, [](const QString &t) { return BreakInsertion(t, 18); });
        setPrintHandler({p + u"Name"_s}, RepresentativeName);
    }
    const int etcLimit = withTax ? 9 : 19;
    for (const QString &p : {QString(), QStringLiteral("b")}) {
        for (int k = 1; k <= 5; ++k) {
            const QString s = QString::number(k);
            setPrintHandler({p + u"LName"_s + s}, [](const QString &t) { return BreakInsertion(t, 28); });
            setPrintHandler({p + u"LStan"_s + s}, [](const QString &t) { return BreakInsertion(t, 19); });
            setPrintHandler({p + u"LEtc"_s + s}, [etcLimit](const QString &t) { return BreakInsertion(t, etcLimit); });
            setPrintHandler({p + u"LNo"_s + s, p + u"LCost"_s + s, p + u"LMny"_s + s}, ZeroBlank);
            if (withTax)
                setPrintHandler({p + u"LVat"_s + s}, ZeroBlank);
        }
        setPrintHandler({p + u"Totmy"_s, p + u"Cashmy"_s, p + u"Checkmy"_s, p + u"Billmy"_s, p + u"Creditmy"_s},
                        TotalBlank);
    }
    beforePrint = [](ReportForm &f) {
        for (const QString &p : {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")})
            for (const QString &field :
                 {QStringLiteral("Name"), QStringLiteral("Addr"), QStringLiteral("UpTea"), QStringLiteral("UpJong")})
                f.label(p + field).wordWrap = true;
    };
}

} // namespace report
