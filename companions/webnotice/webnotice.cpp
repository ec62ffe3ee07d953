// The help window: shows a local HTML page in a window placed at the rectangle the caller gives. The call
// does not wait; the window stays open beside the program, and the next call reuses it.

#include "entry_export.h"
#include "owner_window.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>

namespace {

class HelpWindow : public QWidget {
public:
    HelpWindow() : QWidget(nullptr, Qt::Window) {
        setObjectName(QString::fromUtf8("webnote"));
        setAttribute(Qt::WA_DeleteOnClose);
        // A page left open never keeps the program running once its main window has closed.
        setAttribute(Qt::WA_QuitOnClose, false);
        setWindowTitle(QString::fromUtf8("도움말"));

        browser_ = new QTextBrowser(this);
        browser_->setObjectName(QString::fromUtf8("browser"));
        browser_->setOpenExternalLinks(true); // web addresses go to the system's browser
        browser_->setFrameShape(QFrame::NoFrame);

        back_ = button("◀ 이전", "back");
        forward_ = button("다음 ▶", "forward");
        QPushButton *home = button("처음으로", "home");
        QPushButton *external = button("웹브라우저로 보기", "external");
        QPushButton *close = button("닫기", "close");
        back_->setEnabled(false);
        forward_->setEnabled(false);

        connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
        connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
        connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
        connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
        connect(browser_, &QTextBrowser::sourceChanged, this, [this] { updateTitle(); });
        connect(home, &QPushButton::clicked, this, [this] {
            const QUrl front = browser_->source().resolved(QUrl(QString::fromUtf8("freemain.htm")));
            if (front.isLocalFile() && QFileInfo::exists(front.toLocalFile()))
                browser_->setSource(front);
        });
        connect(external, &QPushButton::clicked, this, [this] {
            if (browser_->source().isValid())
                QDesktopServices::openUrl(browser_->source());
        });
        connect(close, &QPushButton::clicked, this, &QWidget::close);

        auto *bar = new QHBoxLayout;
        bar->setContentsMargins(6, 4, 6, 4);
        bar->addWidget(back_);
        bar->addWidget(forward_);
        bar->addWidget(home);
        bar->addStretch(1);
        bar->addWidget(external);
        bar->addWidget(close);

        auto *layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->addLayout(bar);
        layout->addWidget(browser_, 1);
    }

    void open(const QString &address) {
        const QUrl url = toUrl(address);
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) {
            browser_->setSource(url);
        } else if (url.isLocalFile() || url.scheme().isEmpty()) {
            browser_->setHtml(notice(QString::fromUtf8("도움말 페이지를 찾을 수 없습니다."),
                                     url.isLocalFile() ? url.toLocalFile() : address));
        } else {
            // A web address: this window shows local pages only, so it offers the address to the browser.
            const QString shown = url.toString().toHtmlEscaped();
            browser_->setHtml(QString::fromUtf8("<h3>웹 페이지</h3><p>이 페이지는 웹브라우저에서 열립니다.</p>"
                                                "<p><a href=\"%1\">%1</a></p>")
                                  .arg(shown));
        }
        updateTitle();
    }

    // Puts the window's outer rectangle (frame included) at outer.
    void placeAt(const QRect &outer) {
        const QMargins m = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        resize(qMax(outer.width() - m.left() - m.right(), 100), qMax(outer.height() - m.top() - m.bottom(), 100));
        move(outer.topLeft());
    }

private:
    QPushButton *button(const char *text, const char *name) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromUtf8(name));
        b->setAutoDefault(false);
        return b;
    }

    static QUrl toUrl(const QString &address) {
        const QString a = address.trimmed();
        if (a.startsWith(QLatin1String("file:"), Qt::CaseInsensitive) || a.contains(QLatin1String("://")))
            return QUrl(a, QUrl::TolerantMode);
        return QUrl::fromLocalFile(a);
    }

    static QString notice(const QString &headline, const QString &detail) {
        return QString::fromUtf8("<h3>%1</h3><p>%2</p>").arg(headline.toHtmlEscaped(), detail.toHtmlEscaped());
    }

    void updateTitle() {
        const QString title = browser_->documentTitle();
        setWindowTitle(title.isEmpty() ? QString::fromUtf8("도움말") : QString::fromUtf8("도움말 - ") + title);
    }

    QTextBrowser *browser_ = nullptr;
    QPushButton *back_ = nullptr;
    QPushButton *forward_ = nullptr;
};

QPointer<HelpWindow> &instance() {
    static QPointer<HelpWindow> window;
    return window;
}

} // namespace

COMPANION_ENTRY void webnote(int top, int left, int height, int width, const char *address) {
    if (!instance())
        instance() = new HelpWindow;
    HelpWindow *w = instance();
    w->open(address ? QString::fromUtf8(address) : QString());
    BelongToProgramWindow(w);
    w->show();
    w->placeAt(QRect(left, top, width, height));
    w->raise();
    w->activateWindow();
}
