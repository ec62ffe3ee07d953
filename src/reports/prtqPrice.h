#pragma once
// The long transaction statement form: one copy of thirty item lines, drawn in the chosen copy's colour.

#include "report_form.h"

namespace report {

class TprtqPricef : public ReportForm {
public:
    TprtqPricef();
};

} // namespace report
