#include "spreadsheet_export.h"

#include "prompts.h"
#include "sheet_invoice.h"
#include "sheet_quotation.h"
#include "sheet_statement.h"
#include "xlsx_writer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

bool SystemSpreadsheetOpener::open(const QString &path) {
    for (const char *program : {"soffice", "libreoffice"}) {
        const QString exe = QStandardPaths::findExecutable(QLatin1String(program));
        if (!exe.isEmpty() && QProcess::startDetached(exe, {QStringLiteral("-n"), path}))
            return true;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
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
    const QString base = QDir::tempPath() + u'/' + sheetName + u'_' + when.toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString path = base + QStringLiteral(".xlsx");
    for (int n = 2; QFile::exists(path); ++n)
        path = base + QStringLiteral("-%1.xlsx").arg(n);
    return path;
}

namespace {

QString writeAndOpen(const sheet::Sheet &s, QWidget *parent) {
    const QString path = ExportFilePath(s.name());
    sheet::WriteXlsx(s, path);
    if (!spreadsheetOpener().open(path)) {
        QFile::remove(path);
        prompts().plain(parent, kNoSpreadsheetMessage, kAppTitle);
        return QString();
    }
    return path;
}

} // namespace

QString ExportInvoiceSheet(const InvoiceSnapshot &doc, QWidget *parent) {
    if (doc.statement)
        return writeAndOpen(sheet::BuildStatementSheet(doc, sheet::ReadStatementSettings()), parent);
    return writeAndOpen(sheet::BuildTaxInvoiceSheet(doc, sheet::ReadTaxInvoiceSettings()), parent);
}

QString ExportQuotationSheet(const QuotationSnapshot &doc, QWidget *parent) {
    return writeAndOpen(sheet::BuildQuotationSheet(doc, sheet::ReadQuotationSettings()), parent);
}
