#pragma once
// The tax invoice form (세금계산서): the buyer's copy in dark blue above the supplier's copy in red, five
// item lines each, on one A4 page. The invoice without tax (prtqZero.h) shares this layout.

#include "report_form.h"

namespace report {

class TprtqDtybf : public ReportForm {
public:
    TprtqDtybf();

protected:
    // withTax false builds the invoice without tax: no tax digits, no tax column.
    TprtqDtybf(const QString &className, bool withTax);
};

// The name a field of the buyer's (top) copy has in the supplier's (bottom) copy.
QString TaxInvoiceLowerName(const QString &upperName);

} // namespace report
