#include "print_preparation.h"

#include "report_forms.h"
#include "message_hints.h"

#include "errors.h"

#include <algorithm>
#include <cmath>

namespace printjobs {

namespace {
QString g_sealImagePath;
}

namespace {

// The far corner of everything the form draws, in millimetres from its top left corner.
QPointF FormExtentMm(const report::ReportForm &form) {
    double right = 0, bottom = 0;
    for (const auto &e : form.elements()) {
        right = std::max(right, e->rect.right());
        bottom = std::max(bottom, form.bandTop(e->band) + e->rect.bottom());
    }
    return QPointF(right, bottom) / report::kPixelsPerMm;
}

// Refuses an offset that would put part of the form beyond the paper's edge: that part, and with a large
// offset the whole form, would not be printed. The message names the field and its largest value.
void CheckOffsetKeepsFormOnPaper(const report::ReportForm &form, const QString &field, int offset, int base,
                                 double extentMm, double paperMm) {
    const double unitsPerMm = form.marginUnit() == report::MarginUnit::TenthMm ? 10.0 : 1.0;
    const int largest = int(std::floor((paperMm - extentMm) * unitsPerMm + 1e-9)) - base;
    if (offset <= largest)
        return;
    throw AppError(
        QStringLiteral("%1 %2 은(는) 양식을 용지 밖으로 밀어냅니다.\n이 양식의 %1은(는) %3 이하로 입력하세요.")
            .arg(field)
            .arg(offset)
            .arg(largest));
}

} // namespace

void ApplyMargins(report::ReportForm &form, int baseTop, int baseBottom, int baseLeft, int baseRight, int t, int l) {
    const QPointF extent = FormExtentMm(form);
    CheckOffsetKeepsFormOnPaper(form, QStringLiteral("위쪽여백"), t, baseTop, extent.y(), form.pageSizeMm.height());
    CheckOffsetKeepsFormOnPaper(form, QStringLiteral("좌측여백"), l, baseLeft, extent.x(), form.pageSizeMm.width());
    form.applyMargins(baseTop, baseBottom, baseLeft, baseRight, t, l);
    // A large offset would leave a negative margin on the opposite edge; the paper ends there.
    report::Margins &m = form.margins;
    m.top = std::max(0, m.top);
    m.bottom = std::max(0, m.bottom);
    m.left = std::max(0, m.left);
    m.right = std::max(0, m.right);
}

void ApplyPaperOptions(report::ReportForm &form, bool formPaper, bool blackWhite, const report::TagRule &isFormLabel,
                       bool clearRightFrame, const std::optional<QColor> &shapeBrush) {
    report::PaperOptions o;
    o.formPaper = formPaper;
    o.blackWhite = blackWhite;
    o.isFormLabel = isFormLabel;
    o.clearRightFrame = clearRightFrame;
    o.shapeBrush = shapeBrush;
    form.applyPaperOptions(o);
}

void LoadSeal(report::ReportForm &form, const PrintOptions &options) {
    g_sealImagePath = report::LoadSeal(form, options.seal ? options.sealPicture : QString());
}

QString SealImagePath() { return g_sealImagePath; }

void SetFooter(report::ReportForm &form, const QString &message, bool clearWebAddress) {
    // The message field's hint is no message: it never reaches a customer's document.
    const bool hint = !message.trimmed().isEmpty() && WithoutMessageHint(message.trimmed()).isEmpty();
    form.setFooter(hint ? QString() : message, clearWebAddress);
}

QString DateYear(const QString &date) { return date.mid(0, 4); }
QString DateMonth(const QString &date) { return date.mid(5, 2); }
QString DateDay(const QString &date) { return date.mid(8, 2); }

QString LongDateText(const QString &date) {
    return DateYear(date) + QStringLiteral("년 ") + DateMonth(date) + QStringLiteral("월 ") + DateDay(date) +
           QStringLiteral("일");
}

} // namespace printjobs
