#include "prtqBill.h"

#include "form_builder.h"
#include "print_handlers.h"

using namespace Qt::Literals::StringLiterals;

namespace report {

namespace {

void BuildCopy(ReportForm &f, int band, bool left) {
    // Form words and, on this form, the supplier's fields carry tag 1.
    const CopyBuilder c{f, band, left ? kNavy : kRed, 1, left ? 0.0 : 356.0, 0};
    const QString p = left ? QStringLiteral("a") : QStringLiteral("b");
    auto supplierField = [&](const QString &name, double x, double y, double w, double h, int px, HAlign align,
                             bool bold) -> Label & {
        Label &l = c.data(name, x, y, w, h, px, align, bold);
        l.tag = 1;
        return l;
    };

    c.word(27, 64, 200, 12, QStringLiteral(" 0303-1B (95.6.26 개정)"), 9, HAlign::Left);
    c.box(27, 79, 301, 619, 3);

    // Title box with the number and the buyer.
    c.box(28, 80, 299, 62);
    c.word(28, 84, 299, 28, QStringLiteral("영   수   증"), 22, HAlign::Center, true);
    c.word(226, 102, 98, 14, left ? QStringLiteral("(공급받는자용)") : QStringLiteral("(공급자용)"), 11, HAlign::Right);
    c.box(28, 119, 72, 23);
    c.word(32, 124, 64, 14, QStringLiteral("No."), 12, HAlign::Left);
    supplierField(p + u"LSangho"_s, 100, 124, 185, 15, 13, HAlign::Center, true);
    c.word(286, 125, 38, 14, QStringLiteral("귀하"), 12);

    // Supplier block.
    c.box(28, 141, 19, 118);
    c.column(28, 141, 19, 118, {QStringLiteral("공"), QStringLiteral("급"), QStringLiteral("자")}, 12);
    const double rowTop[] = {142, 171, 200, 229};
    const QStringList captions = {QStringLiteral("사 업 자\n등록번호"), QStringLiteral("상   호"),
                                  QStringLiteral("사 업 장\n소 재 지"), QStringLiteral("업   태")};
    for (int r = 0; r < 4; ++r) {
        c.box(46, rowTop[r], 282, 30);
        c.box(46, rowTop[r], 54, 30);
        c.cellWord(46, rowTop[r], 54, 30, captions[r]);
    }
    c.box(45, 141, 283, 61, 3);
    c.box(222, 171, 31, 30);
    c.cellWord(222, 171, 31, 30, QStringLiteral("성 명"));
    c.box(203, 229, 31, 30);
    c.cellWord(203, 229, 31, 30, QStringLiteral("종 목"));
    supplierField(p + u"SaNo"_s, 103, 150, 218, 15, 13, HAlign::Left, true);
    // The wrapped fields take their cell's inside, clear of the rules and of the heavy frame.
    supplierField(p + u"Sangho"_s, 101, 172, 120, 27, 11, HAlign::Left, false).wordWrap = true;
    supplierField(p + u"Name"_s, 254, 172, 70, 27, 11, HAlign::Left, false).wordWrap = true;
    supplierField(p + u"Addr"_s, 101, 203, 223, 26, 11, HAlign::Left, false).wordWrap = true;
    supplierField(p + u"UpTea"_s, 101, 230, 101, 28, 11, HAlign::Left, false).wordWrap = true;
    supplierField(p + u"UpJong"_s, 235, 230, 91, 28, 11, HAlign::Left, false).wordWrap = true;
    f.addPicture(band, p + u"djmge"_s, c.at(262, 158, 64, 64));

    // Date and amount.
    c.box(28, 258, 86, 23);
    c.cellWord(28, 258, 86, 23, QStringLiteral("작성년월일"));
    c.box(113, 258, 150, 23);
    c.cellWord(113, 258, 150, 23, QStringLiteral("공 급 대 가 총 액"));
    c.box(262, 258, 66, 23);
    c.cellWord(262, 258, 66, 23, QStringLiteral("비   고"));
    c.box(28, 280, 86, 23);
    c.box(113, 280, 150, 23, 3);
    c.box(262, 280, 66, 23);
    c.data(p + u"LDate"_s, 36, 286, 73, 14, 11, HAlign::Center);
    c.data(p + u"MnyMsg"_s, 119, 285, 132, 15, 13, HAlign::Right);

    // Items.
    c.box(28, 302, 299, 23);
    c.cellWord(28, 302, 299, 23, QStringLiteral("위 금액을 정히 영수함"), 12);
    const QList<double> edges = {28, 160, 195, 253, 327};
    c.cells(edges, 324, 23);
    const QStringList heads = {QStringLiteral("품          목"), QStringLiteral("수량"), QStringLiteral("단 가"),
                               QStringLiteral("금      액")};
    for (int i = 0; i < heads.size(); ++i)
        c.cellWord(edges[i], 324, edges[i + 1] - edges[i], 23, heads[i]);
    for (int k = 0; k < 15; ++k) {
        c.cells(edges, 346 + 21 * k, 22);
        const QString s = QString::number(k + 1).rightJustified(2, u'0');
        const double y = 352 + 21 * k;
        c.data(p + u"Name"_s + s, 31, y, 128, 14);
        c.data(p + u"No"_s + s, 163, y, 31, 14, 11, HAlign::Right);
        c.data(p + u"Cost"_s + s, 198, y, 53, 14, 11, HAlign::Right);
        c.data(p + u"Mny"_s + s, 257, y, 66, 14, 11, HAlign::Right);
    }
    c.box(28, 661, 299, 36);
    c.cellWord(28, 661, 299, 36, QStringLiteral("부가가치세법시행규칙 제25조의 규정에 의하여"));
}

} // namespace

TprtqBillf::TprtqBillf() : ReportForm(QStringLiteral("TprtqBillf"), MarginUnit::Mm) {
    margins = Margins{35, 10, 10, 10};
    const int band = addBand(QStringLiteral("QRBand1"), 718, 755);
    // Cutting lines: at each outer edge and a pair between the copies.
    addShape(band, QString(), Shape::Type::VertLine, QRectF(2, 0, 1, 755), kNavy, 1, Qt::DotLine);
    addShape(band, QString(), Shape::Type::LeftAndRight, QRectF(346, 0, 19, 755), kNavy, 1, Qt::DotLine);
    addShape(band, QString(), Shape::Type::VertLine, QRectF(699, 0, 1, 755), kRed, 1, Qt::DotLine);
    BuildCopy(*this, band, true);
    BuildCopy(*this, band, false);
    addLabel(band, QStringLiteral("ShangHo"), QRectF(18, 719, 446, 13), QString(),
             FontSpec{QStringLiteral("굴림"), 11});
    AddWebAddress(*this, band, QRectF(500, 738, 180, 9));

    for (const QString &p : {QStringLiteral("a"), QStringLiteral("b")}) {
        setPrintHandler({p + u"Sangho"_s}, [](const QString &t) { return BreakInsertion(t, 18); });
        setPrintHandler({p + u"LSangho"_s}, [](const QString &t) { return BreakInsertion(t, 28); });
        setPrintHandler({p + u"Addr"_s}, [](const QString &t) { return BreakInsertion(t, 38); });
        setPrintHandler({p + u"UpTea"_s}, [](const QString &t) { return BreakInsertion(t, 16); });
        setPrintHandler({p + u"UpJong"_s}, [](const QString &t) { return BreakInsertion(t, 18); });
        setPrintHandler({p + u"Name"_s}, RepresentativeName);
        for (int k = 1; k <= 15; ++k) {
            const QString s = QString::number(k).rightJustified(2, u'0');
            setPrintHandler({p + u"Name"_s + s}, [](const QString &t) { return BreakInsertion(t, 23); });
            setPrintHandler({p + u"No"_s + s, p + u"Cost"_s + s, p + u"Mny"_s + s}, ZeroBlank);
        }
    }
    beforePrint = [](ReportForm &f) {
        for (const QString &p : {QStringLiteral("a"), QStringLiteral("b")})
            for (const QString &field :
                 {QStringLiteral("Name"), QStringLiteral("Addr"), QStringLiteral("UpTea"), QStringLiteral("UpJong")})
                f.label(p + field).wordWrap = true;
    };
}

} // namespace report
