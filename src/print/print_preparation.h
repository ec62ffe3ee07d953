#pragma once
// The steps every print job shares before its own data goes in: margins moved by the dialog's offsets,
// the form-paper and black-and-white pass, the seal picture and the message line. Each takes a freshly
// created report form and changes only that form (and, for the seal, the current seal path).

#include "print_options.h"
#include "report_form.h"

#include <QString>

namespace printjobs {

// Margins of base values moved by the offsets t (down) and l (right), in the form's margin unit: top =
// baseTop + t, bottom = baseBottom - t, left = baseLeft + l, right = baseRight - l. A margin that an offset
// would make negative is zero. Raises AppError, naming the field ("위쪽여백" or "좌측여백") and its largest
// value, when an offset would push part of the form off the paper.
void ApplyMargins(report::ReportForm &form, int baseTop, int baseBottom, int baseLeft, int baseRight, int t, int l);

// The form-paper and black-and-white pass over shapes and form words; does nothing when both are off.
// isFormLabel says which labels are form words on this form; clearRightFrame is the tax invoice forms'
// extra on form paper; shapeBrush the fill every shape gets (white on the statements).
void ApplyPaperOptions(report::ReportForm &form, bool formPaper, bool blackWhite, const report::TagRule &isFormLabel,
                       bool clearRightFrame = false, const std::optional<QColor> &shapeBrush = std::nullopt);

// The seal step: when the options print the seal, the seal path becomes their seal picture, otherwise it
// is emptied; the picture goes into the form's seal images when it can serve as a seal, else they stay
// empty. Nothing is reported here: RunPrintJob tells the user once per job (print_jobs.h).
void LoadSeal(report::ReportForm &form, const PrintOptions &options);

// The seal picture path of the last print job (or empty when it printed none).
QString SealImagePath();

// The message line into ShangHo; clearWebAddress empties the maker's web address too.
void SetFooter(report::ReportForm &form, const QString &message, bool clearWebAddress);

// Date fields hold "yyyy.mm.dd": the year, month and day parts of such a text.
QString DateYear(const QString &date);
QString DateMonth(const QString &date);
QString DateDay(const QString &date);
// year + "년 " + month + "월 " + day + "일".
QString LongDateText(const QString &date);

} // namespace printjobs
