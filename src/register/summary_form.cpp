#include "summary_form.h"

#include "arithmetic.h"
#include "money.h"

namespace reg {

namespace {

using report::FontSpec;
using report::HAlign;
using report::Label;
using report::ReportForm;

constexpr double kWidth = 718; // A4 inside 10 mm margins, in report pixels
constexpr double kHeight = 1040;
constexpr double kRow = 22;

QString won(qint64 value) { return TotalText(Money::fromWon(value)); }

QString dayText(const QDate &d) {
    return d.isValid() ? QStringLiteral("%1년 %2월 %3일").arg(d.year()).arg(d.month()).arg(d.day()) : QString();
}

// Draws cells as framed labels: a label is its own box, so text and ruling never part.
struct Page {
    ReportForm &form;
    int band = 0;

    Label &cell(const QString &name, double x, double y, double w, double h, const QString &text,
                HAlign align = HAlign::Center, int px = 11, bool bold = false, bool framed = true) {
        // A framed cell is its ruled box with the text kept a few pixels inside it.
        const double inset = framed ? 3 : 0;
        if (framed)
            form.addShape(band, QString(), report::Shape::Type::Rectangle, QRectF(x, y, w, h), Qt::black, 1,
                          Qt::SolidLine, 1);
        Label &l = form.addLabel(band, name, QRectF(x + inset, y + 1, w - 2 * inset, h - 2), text,
                                 FontSpec{QStringLiteral("굴림"), px, bold}, align, Qt::black, name.isEmpty() ? 1 : 0);
        l.wordWrap = true;
        return l;
    }
    Label &word(double x, double y, double w, double h, const QString &text, HAlign align = HAlign::Center, int px = 11,
                bool bold = false) {
        return cell(QString(), x, y, w, h, text, align, px, bold, false);
    }
};

std::unique_ptr<ReportForm> newPage(const QString &className) {
    auto form = std::make_unique<ReportForm>(className, report::MarginUnit::Mm);
    form->margins = {10, 10, 10, 10};
    form->addBand(QStringLiteral("page"), kWidth, kHeight);
    return form;
}

// Columns of the buyer table: number, registration number, name, count, supply, tax (absent without tax).
QList<double> buyerColumns(bool withTax) {
    return withTax ? QList<double>{0, 50, 180, 408, 468, 608, kWidth} : QList<double>{0, 50, 180, 438, 508, kWidth};
}

void buyerHeader(Page &p, double y, bool withTax) {
    const QList<double> c = buyerColumns(withTax);
    const QStringList titles =
        withTax
            ? QStringList{QStringLiteral("⑪번호"), QStringLiteral("⑫사업자등록번호"), QStringLiteral("⑬상호(법인명)"),
                          QStringLiteral("⑭매수"), QStringLiteral("⑮공급가액"),       QStringLiteral("⑯세액")}
            : QStringList{QStringLiteral("⑪번호"), QStringLiteral("⑫사업자등록번호"), QStringLiteral("⑬상호(법인명)"),
                          QStringLiteral("⑭매수"), QStringLiteral("⑮매출금액")};
    for (int i = 0; i < titles.size(); ++i)
        p.cell(QString(), c[i], y, c[i + 1] - c[i], 24, titles[i], HAlign::Center, 11, true);
}

void buyerRows(Page &p, double y, const SalesSummary &s, int first, int rows, bool withTax) {
    const QList<double> c = buyerColumns(withTax);
    for (int r = 0; r < rows; ++r) {
        const int i = first + r;
        const bool used = i < s.buyers.size();
        const QString n = QStringLiteral("row%1").arg(r + 1, 2, 10, QLatin1Char('0'));
        const double top = y + r * kRow;
        const BuyerLine *b = used ? &s.buyers.at(i) : nullptr;
        p.cell(n + QStringLiteral("No"), c[0], top, c[1] - c[0], kRow, used ? QString::number(i + 1) : QString());
        p.cell(n + QStringLiteral("Number"), c[1], top, c[2] - c[1], kRow,
               b ? FormatRegistrationNumber(b->number) : QString());
        p.cell(n + QStringLiteral("Name"), c[2], top, c[3] - c[2], kRow, b ? b->name : QString(), HAlign::Left);
        p.cell(n + QStringLiteral("Count"), c[3], top, c[4] - c[3], kRow, b ? QString::number(b->documents) : QString(),
               HAlign::Right);
        p.cell(n + QStringLiteral("Supply"), c[4], top, c[5] - c[4], kRow, b ? won(b->supply) : QString(),
               HAlign::Right);
        if (withTax)
            p.cell(n + QStringLiteral("Tax"), c[5], top, c[6] - c[5], kRow, b ? won(b->tax) : QString(), HAlign::Right);
    }
}

void totalsTable(Page &p, double y, const SalesSummary &s, bool withTax) {
    const QList<double> c =
        withTax ? QList<double>{0, 160, 278, 368, 448, 598, kWidth} : QList<double>{0, 160, 278, 388, 488, kWidth};
    const QStringList titles =
        withTax ? QStringList{QStringLiteral("⑦매출처수"), QStringLiteral("⑧매수"), QStringLiteral("⑨공급가액"),
                              QStringLiteral("⑩세액")}
                : QStringList{QStringLiteral("⑦매출처수"), QStringLiteral("⑧매수"), QStringLiteral("⑨매출금액")};
    p.cell(QString(), c[0], y, c[2] - c[0], 24, QStringLiteral("구          분"), HAlign::Center, 11, true);
    for (int i = 0; i < titles.size(); ++i)
        p.cell(QString(), c[i + 2], y, c[i + 3] - c[i + 2], 24, titles[i], HAlign::Center, 11, true);

    auto line = [&](const QString &name, double top, const SummaryLine &v) {
        p.cell(name + QStringLiteral("Buyers"), c[2], top, c[3] - c[2], kRow, QString::number(v.buyers), HAlign::Right);
        p.cell(name + QStringLiteral("Count"), c[3], top, c[4] - c[3], kRow, QString::number(v.documents),
               HAlign::Right);
        p.cell(name + QStringLiteral("Supply"), c[4], top, c[5] - c[4], kRow, won(v.supply), HAlign::Right);
        if (withTax)
            p.cell(name + QStringLiteral("Tax"), c[5], top, c[6] - c[5], kRow, won(v.tax), HAlign::Right);
    };
    double top = y + 24;
    p.cell(QString(), c[0], top, c[2] - c[0], kRow, QStringLiteral("합          계"), HAlign::Center, 11, true);
    line(QStringLiteral("total"), top, s.total());
    top += kRow;
    const QString kinds[3] = {QStringLiteral("사업자등록번호 발급분"), QStringLiteral("주민등록번호 발급분"),
                              QStringLiteral("소          계")};
    auto group = [&](const QString &caption, const QString &prefix, const SummaryLine lines[3]) {
        p.cell(QString(), c[0], top, c[1] - c[0], 3 * kRow, caption, HAlign::Center, 10);
        const QString names[3] = {prefix + QStringLiteral("Business"), prefix + QStringLiteral("Resident"),
                                  prefix + QStringLiteral("Subtotal")};
        for (int i = 0; i < 3; ++i) {
            p.cell(QString(), c[1], top, c[2] - c[1], kRow, kinds[i], HAlign::Center, 10);
            line(names[i], top, lines[i]);
            top += kRow;
        }
    };
    const SummaryLine electronic[3] = {s.electronicBusiness, s.electronicResident, s.electronicSubtotal()};
    group(QStringLiteral("과세기간 종료일 다음 달 11일까지 전송된 전자%1 발급분")
              .arg(s.kind == SummaryKind::TaxInvoice ? QStringLiteral("세금계산서") : QStringLiteral("계산서")),
          QStringLiteral("e"), electronic);
    const SummaryLine paper[3] = {s.paperBusiness, s.paperResident, s.paperSubtotal()};
    group(QStringLiteral("위 전자%1 외의 발급분 (종이발급분 등)")
              .arg(s.kind == SummaryKind::TaxInvoice ? QStringLiteral("세금계산서") : QStringLiteral("계산서")),
          QStringLiteral("p"), paper);
}

} // namespace

int SummaryPageCount(int buyers) {
    const int extra = std::max(0, buyers - kFirstPageBuyers);
    return 1 + (extra + kNextPageBuyers - 1) / kNextPageBuyers;
}

std::vector<std::unique_ptr<ReportForm>> SalesSummaryForms(const SalesSummary &s) {
    const bool withTax = s.kind == SummaryKind::TaxInvoice;
    const QString title = SummaryTitle(s.kind);
    const QString paperName = withTax ? QStringLiteral("세금계산서") : QStringLiteral("계산서");
    const int pages = SummaryPageCount(int(s.buyers.size()));
    const QString periodText = PeriodText(s.period);

    std::vector<std::unique_ptr<ReportForm>> forms;
    for (int page = 0; page < pages; ++page) {
        auto form = newPage(QStringLiteral("SalesSummary%1").arg(page + 1));
        Page p{*form};
        double y = 0;
        p.cell(QStringLiteral("title"), 0, y, kWidth, 36,
               title + (page == 0 ? QStringLiteral("(갑)") : QStringLiteral("(을)")), HAlign::Center, 22, true, false);
        y += 38;
        p.cell(QStringLiteral("period"), 0, y, kWidth, 20, QStringLiteral("( ") + periodText + QStringLiteral(" )"),
               HAlign::Center, 12, false, false);
        y += 28;
        int first = 0, rows = kFirstPageBuyers;
        if (page == 0) {
            p.word(0, y, kWidth, 20, QStringLiteral("1. 제출자 인적사항"), HAlign::Left, 12, true);
            y += 22;
            const double c[5] = {0, 110, 359, 469, kWidth};
            auto pair = [&](double top, const QString &l1, const QString &n1, const QString &v1, const QString &l2,
                            const QString &n2, const QString &v2) {
                p.cell(QString(), c[0], top, c[1] - c[0], 24, l1, HAlign::Center, 11, true);
                p.cell(n1, c[1], top, c[2] - c[1], 24, v1, HAlign::Left);
                p.cell(QString(), c[2], top, c[3] - c[2], 24, l2, HAlign::Center, 11, true);
                p.cell(n2, c[3], top, c[4] - c[3], 24, v2, HAlign::Left);
            };
            pair(y, QStringLiteral("①사업자등록번호"), QStringLiteral("subNumber"), s.submitter.number,
                 QStringLiteral("②상호(법인명)"), QStringLiteral("subName"), s.submitter.name);
            pair(y + 24, QStringLiteral("③성명(대표자)"), QStringLiteral("subRep"), s.submitter.representative,
                 QStringLiteral("④사업장 소재지"), QStringLiteral("subAddr"), s.submitter.address);
            pair(y + 48, QStringLiteral("⑤거래기간"), QStringLiteral("subPeriod"), periodText,
                 QStringLiteral("⑥작성일자"), QStringLiteral("subWritten"), dayText(s.written));
            y += 82;
            p.word(0, y, kWidth, 20, QStringLiteral("2. 매출%1 총합계").arg(paperName), HAlign::Left, 12, true);
            y += 22;
            totalsTable(p, y, s, withTax);
            y += 24 + 7 * kRow + 14;
        } else {
            // Every line of the form is drawn; those past the last buyer stay empty.
            first = kFirstPageBuyers + (page - 1) * kNextPageBuyers;
            rows = kNextPageBuyers;
            p.cell(QStringLiteral("subLine"), 0, y, kWidth, 20,
                   QStringLiteral("사업자등록번호: %1    상호(법인명): %2").arg(s.submitter.number, s.submitter.name),
                   HAlign::Left, 11, false, false);
            y += 26;
        }
        p.word(0, y, kWidth, 20,
               QStringLiteral(
                   "3. 과세기간 종료일 다음 달 11일까지 전송된 전자%1 외 발급분 매출처별 명세 (합계금액으로 적음)")
                   .arg(paperName),
               HAlign::Left, 11, true);
        y += 22;
        buyerHeader(p, y, withTax);
        y += 24;
        buyerRows(p, y, s, first, rows, withTax);
        p.cell(QStringLiteral("page"), 0, kHeight - 20, kWidth, 18,
               QStringLiteral("- %1 / %2 -").arg(page + 1).arg(pages), HAlign::Center, 10, false, false);
        forms.push_back(std::move(form));
    }
    return forms;
}

report::RenderedReport RenderSalesSummary(const SalesSummary &summary) {
    report::RenderedReport all;
    all.title = SummaryTitle(summary.kind);
    for (auto &form : SalesSummaryForms(summary)) {
        report::RenderedReport one = report::Render(*form);
        for (auto &page : one.pages)
            all.pages.push_back(std::move(page));
    }
    return all;
}

} // namespace reg
