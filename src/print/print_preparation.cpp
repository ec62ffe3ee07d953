#include "print_preparation.h"

#include "report_forms.h"
#include "settings_keys.h"

#include <algorithm>

namespace printjobs {

namespace {
QString g_sealImagePath;
}

void ApplyMargins(report::ReportForm &form, int baseTop, int baseBottom, int baseLeft, int baseRight, int t, int l) {
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

void LoadSeal(report::ReportForm &form, bool sealWanted) { g_sealImagePath = report::LoadSeal(form, sealWanted); }

void LoadSealFromSettings(report::ReportForm &form) { printjobs::LoadSeal(form, !keys::read(keys::djnousr)); }

QString SealImagePath() { return g_sealImagePath; }

void SetFooter(report::ReportForm &form, const QString &message, bool clearWebAddress) {
    // The message field's hint is no message: it never reaches a customer's document.
    const bool hint = !message.trimmed().isEmpty() && keys::withoutMessageHint(message.trimmed()).isEmpty();
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
