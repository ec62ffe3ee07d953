#include "summary_sheet.h"

#include "arithmetic.h"
#include "codec.h"
#include "money.h"
#include "prompts.h"
#include "spreadsheet_export.h"
#include "summary_form.h"
#include "xlsx_writer.h"

#include <QFile>

#include <algorithm>
#include <cmath>

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

// The buyer table of one page: its header in row head, then rows lines from buyer first on (empty past
// the last buyer, as the form's lines are).
void buyerTable(sheet::Sheet &s, int head, const SalesSummary &sum, int first, int rows, bool withTax) {
    label(s, Range{head, 1, head, 1}, QStringLiteral("⑪번호"));
    label(s, Range{head, 2, head, 2}, QStringLiteral("⑫사업자등록번호"));
    label(s, Range{head, 3, head, 4}, QStringLiteral("⑬상호(법인명)"));
    label(s, Range{head, 5, head, 5}, QStringLiteral("⑭매수"));
    label(s, Range{head, 6, head, 6}, withTax ? QStringLiteral("⑮공급가액") : QStringLiteral("⑮매출금액"));
    if (withTax)
        label(s, Range{head, 7, head, 7}, QStringLiteral("⑯세액"));
    for (int r = 0; r < rows; ++r) {
        const int i = first + r, row = head + 1 + r;
        const BuyerLine *b = i < sum.buyers.size() ? &sum.buyers.at(i) : nullptr;
        value(s, Range{row, 1, row, 1}, b ? QString::number(i + 1) : QString(), HAlign::Center);
        value(s, Range{row, 2, row, 2}, b ? u'\'' + FormatRegistrationNumber(b->number) : QString(), HAlign::Center);
        value(s, Range{row, 3, row, 4}, b ? u'\'' + b->name : QString(), HAlign::Left);
        value(s, Range{row, 5, row, 5}, b ? QString::number(b->documents) : QString(), HAlign::Right);
        value(s, Range{row, 6, row, 6}, b ? won(b->supply) : QString(), HAlign::Right);
        if (withTax)
            value(s, Range{row, 7, row, 7}, b ? won(b->tax) : QString(), HAlign::Right);
    }
}

// Lines a text takes in a wrapped cell of the given width (in characters of the sheet's standard font; a
// Hangul syllable takes two).
int wrappedLines(const QString &text, double width) {
    const double perLine = std::max(1.0, width - 1);
    return std::max(1, int(std::ceil(cp949::byteLength(text) / perLine)));
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
    s.setValue(1, 1, SummaryTitle(sum.kind) + QStringLiteral("(갑)"));
    s.setFontSize(Range{1, 1, 1, last}, 16);
    s.setFontStyle(Range{1, 1, 1, last}, sheet::kBoldStyle);
    s.setHorizontalAlignment(Range{1, 1, 1, last}, HAlign::Center);
    s.setRowHeight(Range{1, 1, 1, 1}, 28);
    s.merge(Range{2, 1, 2, last});
    s.setValue(2, 1, QStringLiteral("( ") + PeriodText(sum.period) + QStringLiteral(" )"));
    s.setHorizontalAlignment(Range{2, 1, 2, last}, HAlign::Center);

    s.setValue(4, 1, QStringLiteral("1. 제출자 인적사항"));
    s.setFontStyle(Range{4, 1, 4, 1}, sheet::kBoldStyle);
    const QString written =
        sum.written.isValid()
            ? QStringLiteral("%1년 %2월 %3일").arg(sum.written.year()).arg(sum.written.month()).arg(sum.written.day())
            : QString();
    const QString pairs[3][4] = {
        {QStringLiteral("①사업자등록번호"), u'\'' + sum.submitter.number, QStringLiteral("②상호(법인명)"),
         sum.submitter.name},
        {QStringLiteral("③성명(대표자)"), sum.submitter.representative, QStringLiteral("④사업장 소재지"),
         sum.submitter.address},
        {QStringLiteral("⑤거래기간"), PeriodText(sum.period), QStringLiteral("⑥작성일자"), written}};
    for (int i = 0; i < 3; ++i) {
        const int row = 5 + i;
        label(s, Range{row, 1, row, 2}, pairs[i][0]);
        value(s, Range{row, 3, row, 3}, pairs[i][1], HAlign::Left);
        s.setWrap(Range{row, 3, row, 3}, true);
        label(s, Range{row, 4, row, 5}, pairs[i][2]);
        value(s, Range{row, 6, row, last}, pairs[i][3], HAlign::Left);
        s.setWrap(Range{row, 6, row, last}, true);
        // A long address wraps: the row is as high as its lines, none cut off.
        double right = 0;
        for (int c = 6; c <= last; ++c)
            right += widths[c - 1];
        const int lines = std::max({wrappedLines(pairs[i][1], widths[2]), wrappedLines(pairs[i][3], right),
                                    wrappedLines(pairs[i][0], widths[0] + widths[1]),
                                    wrappedLines(pairs[i][2], widths[3] + widths[4])});
        s.setRowHeight(Range{row, 1, row, 1}, std::max(18.0, 13.5 * lines + 4));
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

    s.setValue(
        kSheetBuyerHeaderRow - 1, 1,
        QStringLiteral("3. 과세기간 종료일 다음 달 11일까지 전송된 전자%1 외 발급분 매출처별 명세 (합계금액으로 적음)")
            .arg(paperName));
    s.setFontStyle(Range{kSheetBuyerHeaderRow - 1, 1, kSheetBuyerHeaderRow - 1, 1}, sheet::kBoldStyle);
    buyerTable(s, kSheetBuyerHeaderRow, sum, 0, kFirstPageBuyers, withTax);

    const int pages = SummaryPageCount(int(sum.buyers.size()));
    for (int page = 1; page < pages; ++page) {
        const int top = kSheetSecondPageRow + (page - 1) * kSheetPageRows;
        s.merge(Range{top, 1, top, last});
        s.setValue(top, 1, SummaryTitle(sum.kind) + QStringLiteral("(을)"));
        s.setFontSize(Range{top, 1, top, last}, 14);
        s.setFontStyle(Range{top, 1, top, last}, sheet::kBoldStyle);
        s.setHorizontalAlignment(Range{top, 1, top, last}, HAlign::Center);
        s.setRowHeight(Range{top, 1, top, 1}, 24);
        s.merge(Range{top + 1, 1, top + 1, last});
        s.setValue(
            top + 1, 1,
            QStringLiteral("사업자등록번호: %1    상호(법인명): %2").arg(sum.submitter.number, sum.submitter.name));
        s.merge(Range{top + 2, 1, top + 2, last});
        s.setValue(top + 2, 1, QStringLiteral("- %1 / %2 -").arg(page + 1).arg(pages));
        s.setHorizontalAlignment(Range{top + 2, 1, top + 2, last}, HAlign::Center);
        buyerTable(s, top + kSheetPageHeaderOffset, sum, kFirstPageBuyers + (page - 1) * kNextPageBuyers,
                   kNextPageBuyers, withTax);
    }
    s.makeVisible();
    return s;
}

QString ExportSalesSummarySheet(const SalesSummary &summary, QWidget *parent) {
    return WriteAndOpenSheet(BuildSalesSummarySheet(summary), parent);
}

} // namespace reg
