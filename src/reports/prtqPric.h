#pragma once
// The transaction statement forms (거래명세표). The short form holds the buyer's copy in dark blue above the
// supplier's copy in red, twelve item lines each; the long form (prtqPrice.h) holds one copy of thirty.

#include "report_form.h"

namespace report {

class TprtqPricf : public ReportForm {
public:
    TprtqPricf();
};

// One statement copy in a band. prefix is 'a' (first copy) or 'b' (second copy); every field name of the
// copy begins with it. lines is 12 or 30; copyTitle names a title field (empty: the copy's words are form
// text); shadedTag is the tag of the shaded cells.
struct StatementCopy {
    QChar prefix = u'a';
    QString numberName;    // NumberA, NumberB
    QString copyWords;     // "(공급받는자 보관용)" or "(공급자 보관용)"
    QString copyTitleName; // a field in place of the copy words, or empty
    QString sealName;      // adjmge, bdjmge, djmage
    QColor colour;
    QColor shade;
    int lines = 12;
    int shadedTag = 0;
    bool cutLine = false; // dotted cutting line across the band's foot
    bool footer = false;  // the message line under the copy
    double footerTop = 489;
    double totalsTop = 461;
};
void BuildStatementCopy(ReportForm &form, int band, const StatementCopy &copy);

// The print handlers and word-wrap set-up of the statement copies with the given prefixes.
void AttachStatementHandlers(ReportForm &form, const QList<QChar> &prefixes, int lines);

} // namespace report
