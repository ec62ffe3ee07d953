#pragma once
// The VAT-return summaries as printed forms of the report engine, paged as the official forms are: the
// first page (갑) holds the submitter, the totals table and the first five buyers; each further page (을)
// fifteen more, with the submitter's number and name and its page number. Shown in the preview, printed
// and saved as PDF like every other form.

#include "report_form.h"
#include "report_renderer.h"
#include "sales_summary.h"

#include <memory>
#include <vector>

namespace reg {

// Buyers on the first page (갑) and on each following page (을).
inline constexpr int kFirstPageBuyers = 5;
inline constexpr int kNextPageBuyers = 15;

// How many pages the buyers of a summary take.
int SummaryPageCount(int buyers);

// One filled form per page. Data labels are named: "title", "period", "subNumber", "subName", "subRep",
// "subAddr", "subPeriod", "subWritten"; the totals "<row>Buyers", "<row>Count", "<row>Supply", "<row>Tax"
// for the rows "total", "eBusiness", "eResident", "eSubtotal", "pBusiness", "pResident", "pSubtotal";
// buyer lines "row<NN>No", "row<NN>Number", "row<NN>Name", "row<NN>Count", "row<NN>Supply", "row<NN>Tax"
// numbered from 01 on each page; "page" the page line. The summary without tax has no tax labels.
std::vector<std::unique_ptr<report::ReportForm>> SalesSummaryForms(const SalesSummary &summary);

// Every page rendered, in order.
report::RenderedReport RenderSalesSummary(const SalesSummary &summary);

} // namespace reg
