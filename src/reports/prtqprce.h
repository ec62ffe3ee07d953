#pragma once
// The quotation form (견적서): a heading band and the form band, all in black, twenty item lines.

#include "report_form.h"

namespace report {

class Tprtqprcef : public ReportForm {
public:
    Tprtqprcef();
};

} // namespace report
