#pragma once
// What the editor reads from the settings file, and keeps there, for the layers below it: those take the
// values as parameters and never read the settings themselves.

#include "document.h"
#include "print_options.h"
#include "sheet_frame.h"

namespace stored {

// The seal and footer of the tax invoice's and the statement's sheets, and the supplier record with the
// seal for the quotation's sheet. The seal is none while the record says not to use it.
sheet::ExportSettings InvoiceExport(bool statement);
sheet::ExportSettings QuotationExport();

// The print dialog's choices of last time, and keeping the ones a page confirmed (the settings of that
// page). Raises IoError when the settings file cannot be written.
PrintChoices PrintDialogChoices();
void KeepPrintDialogChoices(PrintPage page, const PrintChoices &choices);

// The options a print job takes from the supplier record: its seal picture, and the supplier the
// quotation shows (with the quotation's own sample texts until the business registers).
PrintOptions WithSupplierRecord(PrintOptions options);

} // namespace stored
