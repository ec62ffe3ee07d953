#include "launch.h"

#include "errors.h"
#include "prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLibrary>
#include <QScreen>
#include <QThread>
#include <QUrl>
#include <QWidget>

namespace {

QString &folderOverride() {
    static QString folder;
    return folder;
}

// A companion library loaded for one call and released when the call is over, also on error. Released,
// not unmapped: the tools' windows register types, fonts and styles with Qt that outlive the call, and
// the help window stays open after it, so a library once loaded stays mapped until the program ends.
class CompanionLibrary {
public:
    // Looks in the program's folder first, then through the system's library search. Raises AppError when
    // neither finds the library.
    explicit CompanionLibrary(const QString &name) {
        library_.setLoadHints(QLibrary::PreventUnloadHint);
        library_.setFileName(CompanionFolder() + name);
        if (library_.load())
            return;
        library_.setFileName(name);
        if (library_.load())
            return;
        throw AppError(kLibraryLoadFailure);
    }
    ~CompanionLibrary() { library_.unload(); }
    CompanionLibrary(const CompanionLibrary &) = delete;
    CompanionLibrary &operator=(const CompanionLibrary &) = delete;

    // The entry point, or nullptr after telling the user the error code.
    template <typename Function> Function *entry(const char *symbol) {
        if (QFunctionPointer f = library_.resolve(symbol))
            return reinterpret_cast<Function *>(f);
        prompts().plain(nullptr, QString::number(kEntryPointMissingCode), kAppTitle);
        return nullptr;
    }

private:
    QLibrary library_;
};

void runTool(const QString &library, const char *symbol) {
    CompanionLibrary lib(library);
    if (auto *run = lib.entry<void()>(symbol))
        run();
}

} // namespace

QString CompanionFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

void SetCompanionFolderForTesting(const QString &folder) {
    QString f = folder;
    if (!f.isEmpty() && !f.endsWith(u'/'))
        f += u'/';
    folderOverride() = f;
}

void RunSpecialChars() { runTool(kSpecialCharsLibrary, "SpecialChr"); }

void RunCalculator() { runTool(kCalculatorLibrary, "dCalculate"); }

QString HelpBase() { return QUrl::fromLocalFile(CompanionFolder() + QStringLiteral("help/vizuruz/")).toString(); }

QRect HelpPageRect(const QRect &windowFrame) {
    const int l = windowFrame.left(), t = windowFrame.top(), w = windowFrame.width(), h = windowFrame.height();
    return QRect(l + w - 583, t + 30, 580, h - 35);
}

namespace {
// The frame of window on the screen; without a window, the primary screen's working area.
QRect frameOf(QWidget *window) {
    if (window)
        return window->frameGeometry();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->availableGeometry();
    return QRect(0, 0, 800, 600);
}
} // namespace

void ShowHelpPage(QWidget *window, const QString &pageName) {
    ShowWebNote(HelpPageRect(frameOf(window)), HelpBase() + pageName);
}

void ShowWebNote(const QRect &rect, const QString &address) {
    CompanionLibrary lib(kHelpLibrary);
    using WebNote = void(int top, int left, int height, int width, const char *address);
    if (auto *webnote = lib.entry<WebNote>("webnote")) {
        const QByteArray utf8 = address.toUtf8();
        webnote(rect.top(), rect.left(), rect.height(), rect.width(), utf8.constData());
    }
}

void ShowAboutBox(const QString &revision, const QString &title) {
    CompanionLibrary lib(kAboutLibrary);
    using About = void(const char *revision, const char *title);
    if (auto *about = lib.entry<About>("AboutBox")) {
        const QByteArray r = revision.toUtf8(), t = title.toUtf8();
        about(r.constData(), t.constData());
    }
}

void OpenInBrowser(const QString &address) { QDesktopServices::openUrl(QUrl::fromUserInput(address)); }

QString DownloadPageAddress() { return HelpBase() + QStringLiteral("soft.htm"); }

QRect DownloadPageRect(const QRect &windowFrame, int captionAdj) {
    return QRect(windowFrame.left() + windowFrame.width() - 565, windowFrame.top() + 32 - captionAdj, 560, 580);
}

void ShowDownloadPage(QWidget *window, int captionAdj) {
    ShowWebNote(DownloadPageRect(frameOf(window), captionAdj), DownloadPageAddress());
}

void Delay(int ms) {
    QElapsedTimer ticks;
    ticks.start();
    qint64 now = 0;
    do {
        now = ticks.elapsed();
        QThread::msleep(10);
        QCoreApplication::processEvents();
    } while (now <= ms);
}
