#include "prtqPrice.h"

#include "form_builder.h"
#include "prtqPric.h"

using namespace Qt::Literals::StringLiterals;

namespace report {

TprtqPricef::TprtqPricef() : ReportForm(QStringLiteral("TprtqPricef"), MarginUnit::TenthMm) {
    margins = Margins{290, 80, 150, 150};
    const int band = addBand(QStringLiteral("QRBand1"), 681, 919);
    StatementCopy copy;
    copy.prefix = u'a';
    copy.numberName = QStringLiteral("NumberA");
    copy.sealName = QStringLiteral("djmage");
    copy.copyWords = QStringLiteral("(공급받는자 보관용)");
    copy.copyTitleName = QStringLiteral("TilteLabel");
    copy.colour = kNavy;
    copy.shade = kBlueShade;
    copy.lines = 30;
    copy.shadedTag = 1;
    copy.footer = true;
    copy.footerTop = 886;
    copy.totalsTop = 855;
    BuildStatementCopy(*this, band, copy);
    AddWebAddress(*this, band, QRectF(500, 888, 180, 9));
    AttachStatementHandlers(*this, {u'a'}, 30);
}

} // namespace report
