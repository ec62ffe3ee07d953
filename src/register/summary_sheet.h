#pragma once
// The VAT-return summaries as a worksheet: the same pages as the printed form, one below the other: (갑)
// with the submitter, the totals and the first five buyers, then each (을) with fifteen more. Handed to the
// spreadsheet program like the documents' exports.

#include "sales_summary.h"
#include "sheet_model.h"

class QWidget;

namespace reg {

// Row of the buyer table's header; the buyers follow it, one a row. Columns: A 번호, B 사업자등록번호,
// C:D 상호(법인명), E 매수, F 공급가액 (매출금액), G 세액 (only in the tax invoice summary). The totals
// table above shows 매출처수, 매수, 공급가액, 세액 in D, E, F, G of rows 12 to 18 (합계, then the electronic
// and the paper section, each by business number, resident number and subtotal).
inline constexpr int kSheetTotalsFirstRow = 12;
inline constexpr int kSheetBuyerHeaderRow = 21;
// Each page (을) below takes this many rows, the first (its title) in row kSheetSecondPageRow of the first
// such page; its buyer table's header is kSheetPageHeaderOffset rows below its title.
inline constexpr int kSheetSecondPageRow = kSheetBuyerHeaderRow + 5 + 2;
inline constexpr int kSheetPageRows = 20;
inline constexpr int kSheetPageHeaderOffset = 3;

sheet::Sheet BuildSalesSummarySheet(const SalesSummary &summary);

// Builds the sheet, writes it in the temporary folder and opens it in the spreadsheet program. Returns the
// file, or empty text when no spreadsheet program could be started (the user has been told, the file
// removed). Raises IoError when the file cannot be written.
QString ExportSalesSummarySheet(const SalesSummary &summary, QWidget *parent);

} // namespace reg
