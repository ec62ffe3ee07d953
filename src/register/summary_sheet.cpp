#include "summary_sheet.h"

#include "arithmetic.h"
#include "money.h"
#include "prompts.h"
#include "spreadsheet_export.h"
#include "xlsx_writer.h"

#include <QFile>

namespace reg {

namespace {

using sheet::HAlign;
using sheet::Range;

QString won(qint64 value) { return TotalText(Money::fromWon(value)); }

void boxed(sheet::Sheet &s, const Range &r) {
    s.setBorderStyle(r, sheet::LineStyle::Continuous);
    s.setBorderWeight(r, sheet::Weight::Thin);
}

void label(sheet::Sheet &s, const Range &r, const QString &text, bool bold = true) {
    if (r.top != r.bottom || r.left != r.right)
        s.merge(r);
    s.setValue(r.top, r.left, text);
    s.setHorizontalAlignment(r, HAlign::Center);
    s.setVerticalAlignment(r, sheet::VAlign::Center);
    s.setWrap(r, true);
    if (bold)
        s.setFontStyle(r, sheet::kBoldStyle);
    boxed(s, r);
}

void value(sheet::Sheet &s, const Range &r, const QString &text, HAlign align) {
    if (r.top != r.bottom || r.left != r.right)
        s.merge(r);
    // Numbers of registration and dates stay text; amounts and counts are numbers.
    s.setValue(r.top, r.left, text);
    s.setHorizontalAlignment(r, align);
    s.setVerticalAlignment(r, sheet::VAlign::Center);
    boxed(s, r);
}

} // namespace

sheet::Sheet BuildSalesSummarySheet(const SalesSummary &sum) {
    const bool withTax = sum.kind == SummaryKind::TaxInvoice;
    const int last = withTax ? 7 : 6;
    const QString paperName = withTax ? QStringLiteral("세금계산서") : QStringLiteral("계산서");
    sheet::Sheet s(withTax ? QStringLiteral("세금계산서합계표") : QStringLiteral("계산서합계표"));
    s.setSheetFont(QStringLiteral("굴림"), 10, sheet::kBlack);
    const double widths[7] = {7, 16, 26, 12, 9, 18, 16};
    for (int c = 1; c <= 7; ++c)
        s.setColumnWidth(Range{1, c, 1, c}, widths[c - 1]);

    s.merge(Range{1, 1, 1, last});
    s.setValue(1, 1, SummaryTitle(sum.kind));
    s.setFontSize(Range{1, 1, 1, last}, 16);
    s.setFontStyle(Range{1, 1, 1, last}, sheet::kBoldStyle);
    s.setHorizontalAlignment(Range{1, 1, 1, last}, HAlign::Center);
    s.setRowHeight(Range{1, 1, 1, 1}, 28);
    s.merge(Range{2, 1, 2, last});
    s.setValue(2, 1, QStringLiteral("( ") + PeriodText(sum.period) + QStringLiteral(" )"));
    s.setHorizontalAlignment(Range{2, 1, 2, last}, HAlign::Center);

    s.setValue(4, 1, QStringLiteral("1. 제출자 인적사항"));
    s.setFontStyle(Range{4, 1, 4, 1}, sheet::kBoldStyle);
    const QString written = sum.written.isValid()
                                ? QStringLiteral("%1년 %2월 %3일").arg(sum.written.year()).arg(sum.written.month()).arg(sum.written.day())
                                : QString();
    const QString pairs[3][4] = {
        {QStringLiteral("①사업자등록번호"), u'\'' + sum.submitter.number, QStringLiteral("②상호(법인명)"), sum.submitter.name},
        {QStringLiteral("③성명(대표자)"), sum.submitter.representative, QStringLiteral("④사업장 소재지"), sum.submitter.address},
        {QStringLiteral("⑤거래기간"), PeriodText(sum.period), QStringLiteral("⑥작성일자"), written}};
    for (int i = 0; i < 3; ++i) {
        const int row = 5 + i;
        label(s, Range{row, 1, row, 2}, pairs[i][0]);
        value(s, Range{row, 3, row, 3}, pairs[i][1], HAlign::Left);
        s.setWrap(Range{row, 3, row, 3}, true);
        label(s, Range{row, 4, row, 5}, pairs[i][2]);
        value(s, Range{row, 6, row, last}, pairs[i][3], HAlign::Left);
        s.setWrap(Range{row, 6, row, last}, true);
    }

    s.setValue(10, 1, QStringLiteral("2. 매출%1 총합계").arg(paperName));
    s.setFontStyle(Range{10, 1, 10, 1}, sheet::kBoldStyle);
    const int head = kSheetTotalsFirstRow - 1;
    label(s, Range{head, 1, head, 3}, QStringLiteral("구분"));
    label(s, Range{head, 4, head, 4}, QStringLiteral("⑦매출처수"));
    label(s, Range{head, 5, head, 5}, QStringLiteral("⑧매수"));
    label(s, Range{head, 6, head, 6}, withTax ? QStringLiteral("⑨공급가액") : QStringLiteral("⑨매출금액"));
    if (withTax)
        label(s, Range{head, 7, head, 7}, QStringLiteral("⑩세액"));
    auto line = [&](int row, const SummaryLine &v) {
        value(s, Range{row, 4, row, 4}, QString::number(v.buyers), HAlign::Right);
        value(s, Range{row, 5, row, 5}, QString::number(v.documents), HAlign::Right);
        value(s, Range{row, 6, row, 6}, won(v.supply), HAlign::Right);
        if (withTax)
            value(s, Range{row, 7, row, 7}, won(v.tax), HAlign::Right);
    };
    int row = kSheetTotalsFirstRow;
    label(s, Range{row, 1, row, 3}, QStringLiteral("합계"));
    line(row++, sum.total());
    const SummaryLine groups[2][3] = {{sum.electronicBusiness, sum.electronicResident, sum.electronicSubtotal()},
                                      {sum.paperBusiness, sum.paperResident, sum.paperSubtotal()}};
    const QString captions[2] = {QStringLiteral("과세기간 종료일 다음 달 11일까지 전송된 전자%1 발급분").arg(paperName),
                                 QStringLiteral("위 전자%1 외의 발급분 (종이발급분 등)").arg(paperName)};
    const QString kinds[3] = {QStringLiteral("사업자등록번호 발급분"), QStringLiteral("주민등록번호 발급분"),
                              QStringLiteral("소계")};
    for (int g = 0; g < 2; ++g) {
        label(s, Range{row, 1, row + 2, 2}, captions[g], false);
        for (int i = 0; i < 3; ++i) {
            label(s, Range{row, 3, row, 3}, kinds[i], false);
            line(row++, groups[g][i]);
        }
    }

    s.setValue(kSheetBuyerHeaderRow - 1, 1,
               QStringLiteral("3. 과세기간 종료일 다음 달 11일까지 전송된 전자%1 외 발급분 매출처별 명세 (합계금액으로 적음)")
                   .arg(paperName));
    s.setFontStyle(Range{kSheetBuyerHeaderRow - 1, 1, kSheetBuyerHeaderRow - 1, 1}, sheet::kBoldStyle);
    row = kSheetBuyerHeaderRow;
    label(s, Range{row, 1, row, 1}, QStringLiteral("⑪번호"));
    label(s, Range{row, 2, row, 2}, QStringLiteral("⑫사업자등록번호"));
    label(s, Range{row, 3, row, 4}, QStringLiteral("⑬상호(법인명)"));
    label(s, Range{row, 5, row, 5}, QStringLiteral("⑭매수"));
    label(s, Range{row, 6, row, 6}, withTax ? QStringLiteral("⑮공급가액") : QStringLiteral("⑮매출금액"));
    if (withTax)
        label(s, Range{row, 7, row, 7}, QStringLiteral("⑯세액"));
    for (int i = 0; i < sum.buyers.size(); ++i) {
        const BuyerLine &b = sum.buyers.at(i);
        ++row;
        value(s, Range{row, 1, row, 1}, QString::number(i + 1), HAlign::Center);
        value(s, Range{row, 2, row, 2}, u'\'' + FormatRegistrationNumber(b.number), HAlign::Center);
        value(s, Range{row, 3, row, 4}, u'\'' + b.name, HAlign::Left);
        value(s, Range{row, 5, row, 5}, QString::number(b.documents), HAlign::Right);
        value(s, Range{row, 6, row, 6}, won(b.supply), HAlign::Right);
        if (withTax)
            value(s, Range{row, 7, row, 7}, won(b.tax), HAlign::Right);
    }
    s.makeVisible();
    return s;
}

QString ExportSalesSummarySheet(const SalesSummary &summary, QWidget *parent) {
    const sheet::Sheet s = BuildSalesSummarySheet(summary);
    const QString path = ExportFilePath(s.name());
    sheet::WriteXlsx(s, path);
    if (!spreadsheetOpener().open(path)) {
        QFile::remove(path);
        prompts().plain(parent, kNoSpreadsheetMessage, kAppTitle);
        return QString();
    }
    return path;
}

} // namespace reg
