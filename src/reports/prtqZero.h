#pragma once
// The invoice without tax (계산서): the tax invoice's layout without the tax digits and the tax column.

#include "prtqDty.h"

namespace report {

class TprtqZerof : public TprtqDtybf {
public:
    TprtqZerof();
};

} // namespace report
