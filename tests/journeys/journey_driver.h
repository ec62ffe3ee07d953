#pragma once
// Drives the whole application as a person does: the main window's buttons open the editor modally, the
// editor's buttons open the print dialog modally, and the print dialog's "확인" waits in the preview. Each
// of those calls returns only when its window closes, so the steps that act on a window are queued before
// the click that opens it and run inside the window's own event loop.

#include "HStrGrid.h"
#include "mainU.h"
#include "spreadsheet_export.h"
#include "test_support.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

class TsubUntf;
class TPrtUntf;
namespace report {
class TprevUntf;
struct RenderedReport;
} // namespace report

inline QString u8(const char *utf8) { return QString::fromUtf8(utf8); }

// Scripted prompts whose printer set-up dialog picks a printer by name, as the user would in it.
class JourneyPrompts : public ScriptedPrompts {
public:
    QString printerToChoose;
    bool printerSetup(QWidget *parent, QPrinter &printer) override;
};

// Records the workbooks the export hands to the spreadsheet program instead of starting one.
class RecordingOpener : public SpreadsheetOpener {
public:
    QStringList opened;
    bool open(const QString &path) override {
        opened << path;
        return true;
    }
};

struct JourneyFixture : ::testing::Test {
    ScratchAppFolder app;
    JourneyPrompts prompts;
    RecordingOpener opener;
    std::unique_ptr<Tmainf> mainWindow;
    QTimer watchdog;
    QString savedCurrent;

    void SetUp() override;
    void TearDown() override;

    // Restarts the watchdog: a journey that waits longer than this for a window has hung, and every
    // window is closed so that the test ends with a failure instead of blocking.
    void kick();
    void closeEverything();

    // Queues act to run on the window that find returns, as soon as it is shown, then runs open (which
    // shows the window and returns when it has closed). act must close the window.
    void onWindow(const std::function<QWidget *()> &find, const std::function<void()> &open,
                  const std::function<void(QWidget *)> &act);
    // The editor opened by a main-window button.
    void inEditor(const char *mainButton, const std::function<void(TsubUntf *)> &act);
    // The print dialog opened by the editor's print button.
    void inPrintDialog(TsubUntf *editor, const char *printButton, const std::function<void(TPrtUntf *)> &act);
    // The preview opened by the print dialog's "확인" (preview set).
    void inPreview(TPrtUntf *dialog, const char *okButton, const std::function<void(report::TprevUntf *)> &act);

    // The CUPS queue the printing part prints on, when the machine has it.
    static bool HasPdfQueue();
    // Chooses that queue in the main window's printer set-up.
    void chooseCupsPrinter();
    // Every PDF in $HOME/PDF.
    static QSet<QString> PdfFiles();
    // The new PDF in the queue's folder once its size has settled, empty when none came; the journeys
    // that print hold the queue's lock, so it is the job just sent.
    QString waitForNewPdf(const QSet<QString> &before);
    static int PdfPageCount(const QString &pdf);
    // The first page drawn at a low resolution.
    static QImage PdfFirstPage(const QString &pdf);
    // Every non-empty cell value of the workbook's first sheet, one a line.
    static QStringList WorkbookValues(const QString &xlsx);

    // Typing: fields get ASCII as key presses and Hangul as committed input-method text.
    static void typeInto(QWidget *field, const QString &text);
    // Into a grid cell, the first key on the grid opening the cell editor, then Enter.
    static void typeCell(THStringGrid *grid, int row, int col, const QString &text);
    static void click(QWidget *parent, const char *name);
    template <typename T = QWidget> static T *child(QWidget *parent, const char *name) {
        T *w = parent->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QString text(QWidget *parent, const char *name);
    // The digit boxes prefix<count> .. prefix1, left to right.
    static QString boxes(QWidget *parent, const char *prefix, int count);
    static QStringList pageTexts(const report::RenderedReport &report);
};
