#pragma once
// The simple receipt form (영수증): the buyer's copy in dark blue at the left and the supplier's copy in
// red at the right of one band, fifteen item lines each.

#include "report_form.h"

namespace report {

class TprtqBillf : public ReportForm {
public:
    TprtqBillf();
};

} // namespace report
