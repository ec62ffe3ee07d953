#pragma once
// Fills each report form with a sample document, as the print jobs would, by element name.

#include "report_form.h"

void FillSample(report::ReportForm &form);
