#include "prtqprce.h"

#include "form_builder.h"
#include "print_handlers.h"

using namespace Qt::Literals::StringLiterals;

namespace report {

Tprtqprcef::Tprtqprcef() : ReportForm(QStringLiteral("Tprtqprcef"), MarginUnit::Mm) {
    margins = Margins{10, 10, 10, 10};
    const int title = addBand(QStringLiteral("QRBand1"), 718, 140);
    const int detail = addBand(QStringLiteral("QRBand2"), 718, 892);

    // Heading: the title in a box over a double rule. The quotation's form words carry no tag.
    const CopyBuilder h{*this, title, Qt::black, 0, 0, 0};
    h.box(202, 100, 299, 36);
    h.hline(202, 136, 299);
    h.hline(202, 139, 299);
    h.data(QStringLiteral("TitleTopName"), 208, 105, 290, 30, 24, HAlign::Center, true).text =
        QStringLiteral("見           積            書");

    const CopyBuilder c{*this, detail, Qt::black, 0, 0, 0};
    // Customer.
    c.data(QStringLiteral("SangHo1"), 23, 73, 299, 24, 21, HAlign::Center, true);
    c.word(322, 76, 40, 18, QStringLiteral("귀하"), 15);
    const double rowTop[] = {97, 121, 145};
    for (double top : rowTop) {
        c.box(21, top, 65, 25);
        c.box(85, top, 313, 25);
    }
    c.box(85, 145, 125, 25);
    c.box(209, 145, 65, 25);
    c.cellWord(21, 97, 65, 25, QStringLiteral("담    당"), 12);
    c.cellWord(21, 121, 65, 25, QStringLiteral("주    소"), 12);
    c.cellWord(21, 145, 65, 25, QStringLiteral("납품일자"), 12);
    c.cellWord(209, 145, 65, 25, QStringLiteral("전    화"), 12);
    c.data(QStringLiteral("Name1"), 90, 104, 302, 14, 12, HAlign::Center);
    c.data(QStringLiteral("Addr1"), 90, 128, 302, 14, 12);
    c.data(QStringLiteral("DayLabel"), 90, 152, 116, 14, 12);
    c.data(QStringLiteral("mTel"), 280, 152, 114, 14, 12);
    c.word(23, 179, 250, 15, QStringLiteral("※ 아래와 같이 견적합니다."), 12, HAlign::Left);

    // Supplier.
    c.box(421, 70, 285, 100);
    c.data(QStringLiteral("SangHo2"), 424, 73, 279, 24, 21, HAlign::Center, true);
    c.data(QStringLiteral("SaNoLabel"), 428, 104, 272, 14, 12);
    c.data(QStringLiteral("Name2"), 428, 128, 272, 14, 12, HAlign::Center);
    // Two lines of address fit between the name and the box's foot.
    c.data(QStringLiteral("Addr2"), 426, 145, 276, 23, 12).wordWrap = true;
    addPicture(detail, QStringLiteral("djmage"), QRectF(630, 99, 64, 64));
    c.data(QStringLiteral("mSgeLabel"), 528, 184, 164, 14, 12, HAlign::Center);

    // Amount line.
    c.box(21, 199, 682, 25);
    c.box(21, 199, 46, 25);
    c.cellWord(21, 199, 46, 25, QStringLiteral("금액"), 12);
    c.data(QStringLiteral("TitleName"), 70, 205, 499, 16, 13, HAlign::Left, true);

    // Items.
    const QList<double> edges = {21, 52, 258, 374, 413, 462, 536, 615, 702};
    c.cells(edges, 232, 24);
    const QStringList heads = {QStringLiteral("No"),
                               QStringLiteral("품                 명 "),
                               QStringLiteral("규         격"),
                               QStringLiteral("단위"),
                               QStringLiteral("수 량"),
                               QStringLiteral("단   가"),
                               QStringLiteral("금     액"),
                               QStringLiteral("비     고")};
    for (int i = 0; i < heads.size(); ++i)
        c.cellWord(edges[i], 232, edges[i + 1] - edges[i], 24, heads[i], 12);
    const double textTop[] = {260, 284, 308, 330, 352, 376, 400, 422, 446, 468,
                              492, 516, 536, 560, 584, 608, 630, 652, 676, 698};
    for (int k = 0; k < 20; ++k) {
        c.cells(edges, 255 + 23 * k, 24);
        const QString s = QString::number(k + 1).rightJustified(2, u'0');
        const double y = textTop[k];
        c.data(u"NoL"_s + s, 24, y, 20, 14, 11, HAlign::Right);
        c.data(u"NAMEL"_s + s, 60, y, 196, 14, 11);
        c.data(u"StanL"_s + s, 264, y, 106, 14, 11);
        c.data(u"UnitL"_s + s, 378, y, 32, 14, 11, HAlign::Center);
        c.data(u"CntL"_s + s, 420, y, 38, 14, 11, HAlign::Right);
        c.data(u"CostL"_s + s, 468, y, 64, 14, 11, HAlign::Right);
        c.data(u"MnyL"_s + s, 544, y, 68, 14, 11, HAlign::Right);
        c.data(u"EtcL"_s + s, 624, y, 72, 14, 11);
    }

    // Notes.
    c.box(21, 721, 682, 130);
    c.word(27, 726, 200, 15, QStringLiteral("※ 참고사항"), 12, HAlign::Left);
    addMemo(detail, QStringLiteral("HRMemo"), QRectF(27, 743, 669, 105), FontSpec{QStringLiteral("굴림"), 12});
    AddWebAddress(*this, detail, QRectF(520, 872, 180, 9), 2);

    for (int k = 1; k <= 20; ++k) {
        const QString s = QString::number(k).rightJustified(2, u'0');
        setPrintHandler({u"NAMEL"_s + s}, [](const QString &t) { return BreakInsertion(t, 32); });
        setPrintHandler({u"StanL"_s + s}, [](const QString &t) { return BreakInsertion(t, 17); });
        setPrintHandler({u"EtcL"_s + s}, [](const QString &t) { return BreakInsertion(t, 12); });
        setPrintHandler({u"CntL"_s + s, u"CostL"_s + s, u"MnyL"_s + s}, ZeroBlank);
    }
    setPrintHandler({QStringLiteral("mTel")}, TelephoneBlank);
}

} // namespace report
