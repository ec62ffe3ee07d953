#pragma once
// The output step of a print job: a filled report form goes either to the preview window, which the job
// waits on while the application keeps handling messages, or straight to the printer (one copy, no printer
// dialog). Failures of the printer are shown in a message box; nothing is thrown for them.

#include "report_form.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>

class QPrinter;
class QWidget;

namespace report {
class TprevUntf;
}

namespace printjobs {

// Where a job's output goes and how it waits.
struct OutputTarget {
    // The editor: the preview is placed by its frame, and messages are shown over it. May be null.
    QPointer<QWidget> editor;
    // The printer; null means the application's current printer.
    QPrinter *printer = nullptr;
    // The pause between form-paper sheets; null means Delay, which keeps the windows responsive.
    std::function<void(int ms)> pause;
    // Called with the preview window once it is shown (tests close it from here).
    std::function<void(report::TprevUntf &)> previewShown;
};

// Where the preview window goes: top = editor top - 50, left = editor left, width = editor width + 100,
// height = editor height + extraHeight.
QRect PreviewGeometry(const QRect &editorFrame, int extraHeight);

// Extra preview heights.
inline constexpr int kTaxInvoicePreviewExtra = 270;
inline constexpr int kOtherPreviewExtra = 150;

enum class OutputResult { Printed, Previewed, Failed };

// Previews (and waits for the window to close) or prints the form. The form is left to the caller.
OutputResult Output(report::ReportForm &form, bool preview, int extraHeight, const OutputTarget &target);

// Prints directly; on failure the printing service's complaint is shown and false returned.
bool PrintDirectly(report::ReportForm &form, const OutputTarget &target);

// The message shown when no printer can be used.
inline const QString kNoPrinterMessage =
    QStringLiteral("사용할 수 있는 프린터가 없습니다. 프린터를 설치하거나 프린터 설정에서 선택한 뒤 다시 인쇄하세요.");

} // namespace printjobs
