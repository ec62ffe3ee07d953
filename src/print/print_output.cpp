#include "print_output.h"

#include "current_printer.h"
#include "prevUnt.h"
#include "prompts.h"
#include "report_renderer.h"

#include <QApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace printjobs {

namespace {

// Why the printer cannot take a job before anything is sent, or an empty text when it looks usable.
QString printerProblem(const QPrinter &printer) {
    if (printer.outputFormat() != QPrinter::NativeFormat)
        return printer.outputFileName().isEmpty() ? kNoPrinterMessage : QString();
    const QString name = printer.printerName();
    if (name.isEmpty())
        return kNoPrinterMessage;
    if (!QPrinterInfo::availablePrinterNames().contains(name))
        return QStringLiteral("프린터 \"%1\"을(를) 찾을 수 없습니다. 프린터 설정을 확인하세요.").arg(name);
    return QString();
}

// The preview window of one job: closed and released when the job leaves, however it leaves. It is a
// window of its own owned by the dialog that runs the job (the print dialog), so that dialog's modality
// does not shut it out of the mouse and the keyboard.
class PreviewWindow {
public:
    PreviewWindow() : window_(new report::TprevUntf(QApplication::activeModalWidget())) {}
    ~PreviewWindow() { delete window_.data(); }
    PreviewWindow(const PreviewWindow &) = delete;
    PreviewWindow &operator=(const PreviewWindow &) = delete;
    // Null once the window has gone (it frees itself after closing).
    report::TprevUntf *get() const { return window_.data(); }

private:
    QPointer<report::TprevUntf> window_;
};

} // namespace

QRect PreviewGeometry(const QRect &editorFrame, int extraHeight) {
    return QRect(editorFrame.left(), editorFrame.top() - 50, editorFrame.width() + 100,
                 editorFrame.height() + extraHeight);
}

bool PrintDirectly(report::ReportForm &form, const OutputTarget &target) {
    QPrinter &printer = target.printer ? *target.printer : CurrentPrinter();
    QString problem = printerProblem(printer);
    if (problem.isEmpty()) {
        printer.setCopyCount(1);
        const report::RenderedReport pages = report::Render(form);
        if (!report::PrintReport(pages, printer))
            problem = QStringLiteral("인쇄하지 못했습니다. 프린터 \"%1\"의 상태를 확인하세요.")
                          .arg(printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName());
        else if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
            problem = QStringLiteral("인쇄 작업이 프린터에서 거부되었습니다. 프린터 \"%1\"의 상태를 확인하세요.")
                          .arg(printer.printerName());
    }
    if (problem.isEmpty())
        return true;
    prompts().error(target.editor.data(), problem, kAppTitle);
    return false;
}

OutputResult Output(report::ReportForm &form, bool preview, int extraHeight, const OutputTarget &target) {
    if (!preview)
        return PrintDirectly(form, target) ? OutputResult::Printed : OutputResult::Failed;

    PreviewWindow window;
    report::TprevUntf &w = *window.get();
    if (target.editor)
        w.setGeometry(PreviewGeometry(target.editor->frameGeometry(), extraHeight));
    w.setPrinter(target.printer ? target.printer : &CurrentPrinter());
    w.showForm(form);
    if (target.previewShown)
        target.previewShown(w);
    // The window may already have been closed by the hook; waiting then returns at once.
    if (report::TprevUntf *open = window.get())
        open->waitUntilClosed();
    return OutputResult::Previewed;
}

} // namespace printjobs
