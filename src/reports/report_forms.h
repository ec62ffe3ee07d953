#pragma once
// The six report forms by class name, and the seal step that every print job shares.

#include "report_form.h"

#include <memory>

namespace report {

// TprtqDtybf, TprtqZerof, TprtqPricf, TprtqPricef, TprtqBillf, Tprtqprcef.
QStringList ReportFormClassNames();
// A fresh form of the class; nullptr for a name that is not one of the six.
std::unique_ptr<ReportForm> CreateReportForm(const QString &className);

// The seal step of a print job: the picture at sealPicture (empty: none) is loaded into the form's seal
// images when ReadSealPicture (seal_picture.h) takes it; otherwise they stay empty and nothing is
// reported here.
// Returns the path, which the caller keeps as the current seal image path.
QString LoadSeal(ReportForm &form, const QString &sealPicture);

} // namespace report
