#include "spreadsheet_export.h"

#include "prompts.h"
#include "sheet_invoice.h"
#include "sheet_quotation.h"
#include "sheet_statement.h"
#include "xlsx_writer.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Files of this run to remove at the end: the exported sheets and the openers' answer files.
QStringList &filesToRemove() {
    static QStringList files;
    return files;
}

void removeAtExit(const QString &path) {
    static bool hooked = false;
    if (!hooked && QCoreApplication::instance()) {
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { RemoveExportedFiles(); });
        hooked = true;
    }
    filesToRemove().append(path);
}

} // namespace

bool RunOpener(const QString &program, const QStringList &arguments, int waitMs) {
    static int serial = 0;
    // The opener's exit code lands in this file; it is written only while the file still exists, so
    // a program that ends after this one has gone leaves nothing behind.
    const QString answer = QDir::temp().filePath(
        QStringLiteral("zaruziz-opener-%1-%2.status").arg(QCoreApplication::applicationPid()).arg(++serial));
    QFile marker(answer);
    if (!marker.open(QIODevice::WriteOnly))
        return false;
    marker.close();
    const QString script =
        QStringLiteral("a=\"$1\"; shift; \"$@\" >/dev/null 2>&1; c=$?; [ -e \"$a\" ] && echo $c > \"$a\"");
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"),
                                 QStringList{QStringLiteral("-c"), script, QStringLiteral("sh"), answer, program} +
                                     arguments)) {
        QFile::remove(answer);
        return false;
    }
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < waitMs) {
        QFile f(answer);
        if (f.open(QIODevice::ReadOnly)) {
            const QByteArray code = f.readAll().trimmed();
            if (!code.isEmpty()) {
                f.close();
                QFile::remove(answer);
                return code == "0";
            }
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(50);
    }
    removeAtExit(answer); // still running: the program has come up
    return true;
}

bool SystemSpreadsheetOpener::open(const QString &path) {
    // How long an opener has to say that it failed; one that runs longer has come up.
    constexpr int kAnswerMs = 3000;
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    bool opened = false;
    for (const char *program : {"soffice", "libreoffice"}) {
        const QString exe = QStandardPaths::findExecutable(QLatin1String(program));
        if (!exe.isEmpty()) {
            opened = RunOpener(exe, {QStringLiteral("-n"), path}, kAnswerMs);
            break;
        }
    }
    if (!opened) {
        const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        opened = xdgOpen.isEmpty() ? QDesktopServices::openUrl(QUrl::fromLocalFile(path))
                                   : RunOpener(xdgOpen, {path}, kAnswerMs);
    }
    QGuiApplication::restoreOverrideCursor();
    return opened;
}

void RemoveExportedFiles() {
    for (const QString &f : std::as_const(filesToRemove()))
        QFile::remove(f);
    filesToRemove().clear();
    // What an earlier run could not remove (it ended abruptly), once it is a day old.
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    for (const char16_t *sheet : {u"세금계산서", u"거래명세서", u"견적서", u"세금계산서합계표", u"계산서합계표"}) {
        const QString pattern = QString::fromUtf16(sheet) + QStringLiteral("_*-*-*.xlsx");
        for (const QFileInfo &old : QDir::temp().entryInfoList({pattern}, QDir::Files))
            if (old.lastModified() < dayAgo)
                QFile::remove(old.absoluteFilePath());
    }
}

namespace {
SpreadsheetOpener *installedOpener = nullptr;
}

SpreadsheetOpener &spreadsheetOpener() {
    static SystemSpreadsheetOpener system;
    return installedOpener ? *installedOpener : system;
}

void setSpreadsheetOpener(SpreadsheetOpener *opener) { installedOpener = opener; }

QString ExportFilePath(const QString &sheetName, const QDateTime &when) {
    const QString base =
        QDir::tempPath() + u'/' + sheetName + u'_' + when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = base + QStringLiteral(".xlsx");
    for (int n = 2; QFile::exists(path); ++n)
        path = base + QStringLiteral("-%1.xlsx").arg(n);
    return path;
}

QString WriteAndOpenSheet(const sheet::Sheet &s, QWidget *parent) {
    const QString path = ExportFilePath(s.name());
    sheet::WriteXlsx(s, path);
    if (!spreadsheetOpener().open(path)) {
        QFile::remove(path);
        prompts().plain(parent, NoSpreadsheetMessage(), kAppTitle);
        return QString();
    }
    // The spreadsheet program takes the file in as a new document; it goes when this program ends.
    removeAtExit(path);
    return path;
}

QString ExportInvoiceSheet(const InvoiceDocument &doc, const sheet::ExportSettings &settings, QWidget *parent) {
    if (doc.statement)
        return WriteAndOpenSheet(sheet::BuildStatementSheet(doc, settings), parent);
    return WriteAndOpenSheet(sheet::BuildTaxInvoiceSheet(doc, settings), parent);
}

QString ExportQuotationSheet(const QuotationDocument &doc, const sheet::ExportSettings &settings, QWidget *parent) {
    return WriteAndOpenSheet(sheet::BuildQuotationSheet(doc, settings), parent);
}
