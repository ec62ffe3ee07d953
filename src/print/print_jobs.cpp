#include "print_jobs.h"

#include "errors.h"
#include "launch.h"
#include "print_fill.h"
#include "prompts.h"
#include "seal_picture.h"

#include <QApplication>

namespace printjobs {

namespace {

bool g_running = false;

// Marks a job as running for as long as it lives.
class RunningJob {
public:
    RunningJob() { g_running = true; }
    ~RunningJob() { g_running = false; }
    RunningJob(const RunningJob &) = delete;
    RunningJob &operator=(const RunningJob &) = delete;
};

// The window a job's own notice is shown over: the dialog that runs the job (the print dialog, which
// owns the preview too), else the editor.
QWidget *noticeOwner(const OutputTarget &target) {
    if (QWidget *dialog = QApplication::activeModalWidget())
        return dialog;
    return target.editor.data();
}

// The options the job prints with: a seal that is to be printed but whose picture cannot be is told
// about, and left off every form of the job.
PrintOptions withPrintableSeal(PrintOptions o, const OutputTarget &target) {
    if (!o.seal)
        return o;
    const report::SealPicture seal = report::ReadSealPicture(o.sealPicture);
    if (seal.ok())
        return o;
    ShowInfo(SealNotPrintedMessage(seal.problem, o.sealPicture), noticeOwner(target));
    o.seal = false;
    return o;
}

PrintJobResult resultOf(OutputResult r) {
    switch (r) {
    case OutputResult::Printed: return PrintJobResult::Printed;
    case OutputResult::Previewed: return PrintJobResult::Previewed;
    case OutputResult::Failed: break;
    }
    return PrintJobResult::Failed;
}

PrintJobResult printTaxInvoice(const InvoiceDocument &doc, const PrintOptions &o, const OutputTarget &target) {
    auto form = FillTaxInvoice(doc, o);
    return resultOf(Output(*form, o.preview && !o.formPaper, kTaxInvoicePreviewExtra, target));
}

// Form paper: sheets of twelve lines, printed directly, with pauses that let the printer take each sheet
// while the windows stay responsive. A sheet the printer refuses ends the sequence.
PrintJobResult printStatementSheets(const InvoiceDocument &doc, const PrintOptions &o, const OutputTarget &target) {
    for (const StatementSheet &sheet : PlanStatementSheets(doc)) {
        if (sheet.pauseBeforeMs > 0) {
            if (target.pause)
                target.pause(sheet.pauseBeforeMs);
            else
                Delay(sheet.pauseBeforeMs);
        }
        auto form = FillStatementSheet(doc, o, sheet.first, sheet.continued);
        if (!PrintDirectly(*form, target))
            return PrintJobResult::Failed;
    }
    return PrintJobResult::Printed;
}

PrintJobResult printStatement(const InvoiceDocument &doc, const PrintOptions &o, const OutputTarget &target) {
    switch (ChooseStatementLayout(doc, o)) {
    case StatementLayout::Receipt: {
        if (ReceiptTooLong(doc)) {
            ShowInfo(kReceiptTooLongMessage, target.editor.data());
            return PrintJobResult::ReceiptTooLong;
        }
        auto form = FillReceipt(doc, o);
        return resultOf(Output(*form, o.preview && !o.formPaper, kOtherPreviewExtra, target));
    }
    case StatementLayout::FormPaperSheets: return printStatementSheets(doc, o, target);
    case StatementLayout::LongForm: {
        auto form = FillLongStatement(doc, o);
        return resultOf(Output(*form, o.preview, kOtherPreviewExtra, target));
    }
    case StatementLayout::ShortForm: {
        auto form = FillStatementSheet(doc, o, 0, false);
        return resultOf(Output(*form, o.preview && !o.formPaper, kOtherPreviewExtra, target));
    }
    }
    return PrintJobResult::Failed;
}

PrintJobResult printQuotation(const QuotationDocument &doc, const PrintOptions &o, const OutputTarget &target) {
    auto form = FillQuotation(doc, o);
    return resultOf(Output(*form, o.preview, kOtherPreviewExtra, target));
}

} // namespace

bool PrintJobRunning() { return g_running; }

QString SealNotPrintedMessage(const QString &problem, const QString &path) {
    return QStringLiteral("도장 그림을 인쇄할 수 없습니다: %1\n%2\n\n도장 없이 인쇄합니다.").arg(problem, path);
}

PrintJobResult RunPrintJob(QWidget *editor, const PrintOptions &options, const InvoiceDocument *invoice,
                           const QuotationDocument *quotation) {
    OutputTarget target;
    target.editor = editor;
    return RunPrintJob(target, options, invoice, quotation);
}

PrintJobResult RunPrintJob(const OutputTarget &target, const PrintOptions &options, const InvoiceDocument *invoice,
                           const QuotationDocument *quotation) {
    if (g_running)
        return PrintJobResult::Refused;
    const bool needsInvoice = options.page != PrintPage::Quotation;
    if (needsInvoice ? !invoice : !quotation)
        throw AppError(QStringLiteral("인쇄할 문서가 없습니다."));
    RunningJob running;
    // The seal picture is judged once for the whole job, before anything is printed or previewed.
    const PrintOptions o = withPrintableSeal(options, target);
    // The job works on its own copy: the editor stays usable while a preview is open.
    switch (o.page) {
    case PrintPage::TaxInvoice: {
        const InvoiceDocument doc = *invoice;
        return printTaxInvoice(doc, o, target);
    }
    case PrintPage::Statement: {
        const InvoiceDocument doc = *invoice;
        return printStatement(doc, o, target);
    }
    case PrintPage::Quotation: {
        const QuotationDocument doc = *quotation;
        return printQuotation(doc, o, target);
    }
    }
    return PrintJobResult::Failed;
}

std::function<void(const PrintOptions &)> PrintJobRunner(QWidget *editor, const InvoiceDocument &invoice,
                                                         const QuotationDocument &quotation) {
    QPointer<QWidget> owner(editor);
    return [owner, invoice, quotation](const PrintOptions &options) {
        RunPrintJob(owner.data(), options, &invoice, &quotation);
    };
}

} // namespace printjobs
