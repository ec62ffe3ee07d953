#pragma once
// The report preview window: a frameless window with its own title strip and a tool bar (zoom, print,
// save as PDF, close) over the rendered pages. One preview is open at a time; TprevUntf::current() names
// it. The window is shown without being modal; a print job that must wait for it calls waitUntilClosed().

#include "report_renderer.h"

#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include <functional>

class QLabel;
class QPrinter;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace report {

// The page view: the bound pages one under the other at a zoom in percent (100: one report pixel to one
// screen pixel).
class QRPreview : public QScrollArea {
    Q_OBJECT
public:
    explicit QRPreview(QWidget *parent = nullptr);
    void bind(const RenderedReport &report);
    void unbind();
    bool isBound() const { return !report_.isEmpty(); }
    const RenderedReport &report() const { return report_; }
    void setZoom(int percent);
    int zoom() const { return zoom_; }
    // The size one page takes on screen at the current zoom.
    QSize pageSize() const;

private:
    class Pages;
    Pages *pages_;
    RenderedReport report_;
    int zoom_ = 100;
};

class TprevUntf : public QWidget {
    Q_OBJECT
public:
    explicit TprevUntf(QWidget *parent = nullptr);
    ~TprevUntf() override;

    // The open preview window, or nullptr.
    static TprevUntf *current();
    // The folder "PDF로 저장" starts in (the program's work folder, which the shell tells); unset, the
    // user's home folder.
    static void SetPdfFolder(std::function<QString()> folder);

    // Binds the rendered pages and shows the window, not modal.
    void showReport(const RenderedReport &report);
    // Renders the form, binds the pages and shows the window.
    void showForm(ReportForm &form);
    // Keeps the application's messages flowing until the window has closed.
    void waitUntilClosed();

    // The printer that Print uses (not owned); without one the window makes a default printer.
    void setPrinter(QPrinter *printer) { printer_ = printer; }

    void print();
    void saveAsPdf();

    // The window's parts, for the print dialog and for tests.
    QLabel *topTitle() const { return topTitle_; }
    QPushButton *exitButton() const { return mExit0_; }
    QWidget *toolBar() const { return topPanl_; }
    QSpinBox *spinEdit() const { return spinEdit_; }
    QToolButton *printButton() const { return prtBtn_; }
    QToolButton *pdfButton() const { return pdfBtn_; }
    QToolButton *closeButton() const { return mClose_; }
    QRPreview *preview() const { return preview_; }

signals:
    // Sent when printing has begun, with the close button and the tool bar disabled.
    void printStarted();
    void closed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startMove();

    QLabel *topTitle_;
    QToolButton *iconBtn_;
    QPushButton *mExit0_;
    QWidget *topPanl_;
    QLabel *label1_;
    QSpinBox *spinEdit_;
    QToolButton *prtBtn_;
    QToolButton *pdfBtn_;
    QToolButton *mClose_;
    QRPreview *preview_;
    QPrinter *printer_ = nullptr;
    std::unique_ptr<QPrinter> ownPrinter_;
    bool closed_ = false;
};

} // namespace report
