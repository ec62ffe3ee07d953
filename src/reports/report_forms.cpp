#include "report_forms.h"

#include "prtqBill.h"
#include "prtqDty.h"
#include "prtqPric.h"
#include "prtqPrice.h"
#include "prtqZero.h"
#include "prtqprce.h"

namespace report {

QStringList ReportFormClassNames() {
    return {QStringLiteral("TprtqDtybf"),  QStringLiteral("TprtqZerof"), QStringLiteral("TprtqPricf"),
            QStringLiteral("TprtqPricef"), QStringLiteral("TprtqBillf"), QStringLiteral("Tprtqprcef")};
}

std::unique_ptr<ReportForm> CreateReportForm(const QString &className) {
    if (className == u"TprtqDtybf")
        return std::make_unique<TprtqDtybf>();
    if (className == u"TprtqZerof")
        return std::make_unique<TprtqZerof>();
    if (className == u"TprtqPricf")
        return std::make_unique<TprtqPricf>();
    if (className == u"TprtqPricef")
        return std::make_unique<TprtqPricef>();
    if (className == u"TprtqBillf")
        return std::make_unique<TprtqBillf>();
    if (className == u"Tprtqprcef")
        return std::make_unique<Tprtqprcef>();
    return nullptr;
}

QString LoadSeal(ReportForm &form, const QString &sealPicture) {
    form.loadSeal(sealPicture);
    return sealPicture;
}

} // namespace report
