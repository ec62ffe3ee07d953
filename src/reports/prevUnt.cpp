#include "prevUnt.h"

#include "errors.h"
#include "look.h"
#include "prompts.h"

#include <QDir>
#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

namespace report {

namespace {

TprevUntf *gPrevUntf = nullptr;

const QColor kTitleColour(13, 90, 132);

// Small tool-bar pictures drawn here, so the window needs no picture files.
QIcon DrawnIcon(int kind) {
    QPixmap pm(20, 20);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case 0: // printer
        p.setPen(QPen(QColor(60, 60, 60), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(150, 150, 160));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 7), 1.5, 1.5);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 6));
        p.setPen(QColor(120, 120, 120));
        p.drawLine(QPointF(7, 15), QPointF(13, 15));
        p.drawLine(QPointF(7, 17), QPointF(12, 17));
        break;
    case 1: // close
        p.setPen(QPen(QColor(170, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
        break;
    case 2: { // PDF page
        p.setPen(QPen(QColor(80, 80, 80), 1));
        p.setBrush(Qt::white);
        QPainterPath page;
        page.moveTo(4.5, 1.5);
        page.lineTo(12.5, 1.5);
        page.lineTo(16.5, 5.5);
        page.lineTo(16.5, 18.5);
        page.lineTo(4.5, 18.5);
        page.closeSubpath();
        p.drawPath(page);
        p.fillRect(QRectF(2, 9, 16, 7), QColor(200, 30, 30));
        QFont f(QStringLiteral("NanumGothic"));
        f.setPixelSize(6);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2, 9, 16, 7), Qt::AlignCenter, QStringLiteral("PDF"));
        break;
    }
    default: // window icon: a small sheet
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(QColor(230, 240, 250));
        p.drawRect(QRectF(4.5, 2.5, 11, 15));
        p.setPen(kTitleColour);
        for (int y = 6; y <= 14; y += 3)
            p.drawLine(QPointF(6.5, y), QPointF(13.5, y));
    }
    return QIcon(pm);
}

// Hints in the form "short|long": the short part is the tool tip, the long one the status text.
void SetHint(QWidget *w, const QString &hint) {
    const qsizetype bar = hint.indexOf(u'|');
    w->setToolTip(bar < 0 ? hint : hint.left(bar));
    w->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
    w->setProperty("hint", hint);
}

} // namespace

class QRPreview::Pages : public QWidget {
public:
    explicit Pages(QRPreview *owner) : owner_(owner) {}

protected:
    void paintEvent(QPaintEvent *) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(128, 128, 128));
        const RenderedReport &r = owner_->report();
        const double scale = owner_->zoom() / 100.0;
        const QSize page = owner_->pageSize();
        int y = kGap;
        for (const RenderedPage &pg : r.pages) {
            const QRect area((width() - page.width()) / 2, y, page.width(), page.height());
            p.fillRect(area.translated(3, 3), QColor(70, 70, 70));
            p.fillRect(area, Qt::white);
            p.save();
            p.translate(area.topLeft());
            p.scale(scale, scale);
            PaintPage(pg, p);
            p.restore();
            y += page.height() + kGap;
        }
    }

public:
    static constexpr int kGap = 10;

private:
    QRPreview *owner_;
};

QRPreview::QRPreview(QWidget *parent) : QScrollArea(parent), pages_(new Pages(this)) {
    setWidget(pages_);
    setWidgetResizable(false);
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setBackgroundRole(QPalette::Dark);
    pages_->resize(0, 0);
}

QSize QRPreview::pageSize() const {
    if (report_.isEmpty())
        return QSize();
    return (report_.pages.front().sizePx * (zoom_ / 100.0)).toSize();
}

void QRPreview::bind(const RenderedReport &report) {
    report_ = report;
    setZoom(zoom_);
    verticalScrollBar()->setValue(0);
}

void QRPreview::unbind() {
    report_ = RenderedReport();
    pages_->resize(0, 0);
}

void QRPreview::setZoom(int percent) {
    zoom_ = std::clamp(percent, 10, 400);
    const QSize page = pageSize();
    const int n = static_cast<int>(report_.pages.size());
    pages_->resize(page.width() + 2 * Pages::kGap, n * (page.height() + Pages::kGap) + Pages::kGap);
    pages_->update();
}

namespace {
std::function<QString()> &pdfFolder() {
    static std::function<QString()> folder;
    return folder;
}
} // namespace

void TprevUntf::SetPdfFolder(std::function<QString()> folder) { pdfFolder() = std::move(folder); }

TprevUntf::TprevUntf(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("켈모르소프트"));
    QFont font(QStringLiteral("굴림"));
    font.setPixelSize(12);
    setFont(font);
    setObjectName(QStringLiteral("prevUntf"));
    if (!gPrevUntf)
        gPrevUntf = this;

    topTitle_ = new QLabel(QStringLiteral("        리포트 미리보기"), this);
    topTitle_->setObjectName(QStringLiteral("TopTitle"));
    topTitle_->setFixedHeight(22);
    topTitle_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    topTitle_->setAutoFillBackground(true);
    look::SetPair(topTitle_, {kTitleColour, Qt::white});
    topTitle_->installEventFilter(this);

    iconBtn_ = new QToolButton(topTitle_);
    iconBtn_->setObjectName(QStringLiteral("iconBtn"));
    iconBtn_->setAutoRaise(true);
    iconBtn_->setIcon(DrawnIcon(3));
    iconBtn_->setGeometry(1, 2, 18, 19);
    iconBtn_->setFocusPolicy(Qt::NoFocus);

    mExit0_ = new QPushButton(QStringLiteral("x"), topTitle_);
    mExit0_->setObjectName(QStringLiteral("mExit0"));
    QFont bold(QStringLiteral("굴림"));
    bold.setPixelSize(13);
    bold.setBold(true);
    mExit0_->setFont(bold);
    mExit0_->setFocusPolicy(Qt::NoFocus);
    mExit0_->resize(18, 18);
    connect(mExit0_, &QPushButton::clicked, this, &QWidget::close);

    topPanl_ = new QWidget(this);
    topPanl_->setObjectName(QStringLiteral("TopPanl"));
    topPanl_->setFixedHeight(29);
    label1_ = new QLabel(QStringLiteral("Zoom"), topPanl_);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->move(9, 8);
    spinEdit_ = new QSpinBox(topPanl_);
    spinEdit_->setObjectName(QStringLiteral("SpinEdit"));
    spinEdit_->setGeometry(50, 5, 45, 21);
    spinEdit_->setRange(40, 140);
    spinEdit_->setSingleStep(20);
    spinEdit_->setValue(80);
    spinEdit_->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    prtBtn_ = new QToolButton(topPanl_);
    prtBtn_->setObjectName(QStringLiteral("PrtBtn"));
    prtBtn_->setAutoRaise(true);
    prtBtn_->setIcon(DrawnIcon(0));
    prtBtn_->setGeometry(108, 3, 26, 25);
    SetHint(prtBtn_, QStringLiteral("인쇄"));
    pdfBtn_ = new QToolButton(topPanl_);
    pdfBtn_->setObjectName(QStringLiteral("PdfBtn"));
    pdfBtn_->setAutoRaise(true);
    pdfBtn_->setIcon(DrawnIcon(2));
    pdfBtn_->setText(QStringLiteral("PDF로 저장"));
    pdfBtn_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    pdfBtn_->setGeometry(138, 3, 96, 25);
    SetHint(pdfBtn_, QStringLiteral("PDF로 저장| 미리보기 화면을 PDF 파일로 저장합니다."));
    mClose_ = new QToolButton(topPanl_);
    mClose_->setObjectName(QStringLiteral("mClose"));
    mClose_->setAutoRaise(true);
    mClose_->setIcon(DrawnIcon(1));
    mClose_->resize(25, 25);
    SetHint(mClose_, QStringLiteral("닫기| 미리보기 창을 닫습니다."));

    preview_ = new QRPreview(this);
    preview_->setObjectName(QStringLiteral("QRPreview"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(topTitle_);
    layout->addWidget(topPanl_);
    layout->addWidget(preview_, 1);

    // The page shows at 100 % until the zoom is first changed.
    connect(spinEdit_, &QSpinBox::valueChanged, this, [this](int value) {
        QCoreApplication::processEvents();
        preview_->setZoom(value);
    });
    connect(prtBtn_, &QToolButton::clicked, this, &TprevUntf::print);
    connect(pdfBtn_, &QToolButton::clicked, this, &TprevUntf::saveAsPdf);
    connect(mClose_, &QToolButton::clicked, this, &QWidget::close);

    setGeometry(210, 212, 862, 606);
}

TprevUntf::~TprevUntf() {
    if (gPrevUntf == this)
        gPrevUntf = nullptr;
}

TprevUntf *TprevUntf::current() { return gPrevUntf; }

void TprevUntf::showReport(const RenderedReport &report) {
    preview_->bind(report);
    show();
    raise();
    activateWindow();
}

void TprevUntf::showForm(ReportForm &form) { showReport(Render(form)); }

void TprevUntf::waitUntilClosed() {
    if (closed_)
        return;
    QPointer<TprevUntf> self(this);
    QEventLoop loop;
    connect(this, &TprevUntf::closed, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

void TprevUntf::print() {
    if (!preview_->isBound())
        return;
    mExit0_->setEnabled(false);
    topPanl_->setEnabled(false);
    emit printStarted();
    bool ok = false;
    QString failure;
    try {
        if (!printer_) {
            if (!ownPrinter_)
                ownPrinter_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer_ = ownPrinter_.get();
        }
        ok = PrintReport(preview_->report(), *printer_);
    } catch (const std::exception &e) {
        failure = QString::fromUtf8(e.what());
    }
    // Whatever happened, the window must stay closable.
    mExit0_->setEnabled(true);
    topPanl_->setEnabled(true);
    if (!ok)
        prompts().error(this, failure.isEmpty() ? QStringLiteral("인쇄하지 못했습니다. 프린터를 확인하세요.") : failure,
                        kAppTitle);
}

void TprevUntf::saveAsPdf() {
    if (!preview_->isBound())
        return;
    FileDialogRequest request;
    request.title = QStringLiteral("PDF로 저장");
    request.folder = pdfFolder() ? pdfFolder()() : QDir::homePath();
    request.fileName = DocumentFileName(preview_->report().title, QStringLiteral("pdf"));
    request.filter = QStringLiteral("PDF 파일 (*.pdf);;모든 파일 (*)");
    request.defaultSuffix = QStringLiteral("pdf");
    const QString path = prompts().saveFile(this, request);
    if (path.isEmpty())
        return;
    if (!WritePdf(preview_->report(), path))
        prompts().error(this, QStringLiteral("PDF 파일을 저장하지 못했습니다.\n%1").arg(path), kAppTitle);
}

void TprevUntf::resizeEvent(QResizeEvent *event) {
    QWidget::resizeEvent(event);
    mExit0_->move(width() - 26, 2);
    mClose_->move(width() - 35, 2);
}

void TprevUntf::closeEvent(QCloseEvent *event) {
    preview_->unbind();
    closed_ = true;
    if (gPrevUntf == this)
        gPrevUntf = nullptr;
    QWidget::closeEvent(event);
    emit closed();
}

void TprevUntf::startMove() {
    if (QWindow *w = windowHandle())
        w->startSystemMove();
}

void TprevUntf::mousePressEvent(QMouseEvent *event) {
    if (event->button() == Qt::LeftButton)
        startMove();
    QWidget::mousePressEvent(event);
}

bool TprevUntf::eventFilter(QObject *watched, QEvent *event) {
    if (watched == topTitle_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        startMove();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace report
