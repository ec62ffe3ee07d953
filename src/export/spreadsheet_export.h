#pragma once
// The editor's "엑셀전송": the document on screen drawn as a paper form in a worksheet, written as an .xlsx
// file in the system's temporary folder and opened in the user's spreadsheet program as a new, untitled
// document. The editor's document is only read.

#include "document.h"
#include "sheet_frame.h"
#include "sheet_model.h"

#include <QDateTime>
#include <QString>

class QWidget;

// Shown when no spreadsheet program can be started, with a second line that says what to install.
inline const QString kNoSpreadsheetMessage = QStringLiteral("Excel.exe 를 찾을 수 없습니다");
inline const QString kInstallSpreadsheetHint =
    QStringLiteral("엑셀 파일을 열 프로그램이 없습니다. LibreOffice Calc(패키지 libreoffice-calc)를 설치하세요.");
inline QString NoSpreadsheetMessage() { return kNoSpreadsheetMessage + u'\n' + kInstallSpreadsheetHint; }

// Starts the spreadsheet program on a written file. Tests put their own in place of the real one.
class SpreadsheetOpener {
public:
    virtual ~SpreadsheetOpener() = default;
    // Opens the file as a new, untitled document; false when no spreadsheet program could be started.
    virtual bool open(const QString &path) = 0;
};

// LibreOffice ("soffice -n FILE") where it is installed, else the system's opener for the file. An
// opener that fails (a LibreOffice without its windows exits with an error, an xdg-open that knows no
// program for the file exits non-zero) counts as no spreadsheet program.
class SystemSpreadsheetOpener : public SpreadsheetOpener {
public:
    bool open(const QString &path) override;
};

// Starts program with arguments, detached, and waits up to waitMs for its answer: false when it could
// not be started or ended with a failure within that time; true when it ended well or is still running
// (a spreadsheet program that has come up). Window messages are handled while it waits.
bool RunOpener(const QString &program, const QStringList &arguments, int waitMs);

// Removes the files this program's exports wrote and that the spreadsheet program has taken in (it
// opens them as new, untitled documents), and those that an earlier run left behind a day or more ago.
// Runs when the application quits.
void RemoveExportedFiles();

SpreadsheetOpener &spreadsheetOpener();
// Installs opener (not owned) in place of the system's; nullptr restores it.
void setSpreadsheetOpener(SpreadsheetOpener *opener);

// The file an export writes: "<sheet name>_<yyyyMMdd-HHmmss-zzz>.xlsx" in the temporary folder, with a
// number added when such a file exists already.
QString ExportFilePath(const QString &sheetName, const QDateTime &when = QDateTime::currentDateTime());

// Writes a finished sheet there and opens it in the spreadsheet program; the file goes when this program
// ends. Returns the file, or empty text when no spreadsheet program could be started (the user has been
// told, the file removed). Raises IoError when the file cannot be written.
QString WriteAndOpenSheet(const sheet::Sheet &s, QWidget *parent = nullptr);

// The tax invoice (doc.statement false) or the transaction statement with the seal and footer of
// settings: builds the sheet, writes it and opens it. Returns the written file, or empty text when no
// spreadsheet program could be started: then NoSpreadsheetMessage() has been shown and the file removed.
// Raises IoError when the file cannot be written; nothing is left behind then.
QString ExportInvoiceSheet(const InvoiceDocument &doc, const sheet::ExportSettings &settings,
                           QWidget *parent = nullptr);

// The quotation, with the supplier record's details of settings; returns and raises as ExportInvoiceSheet.
QString ExportQuotationSheet(const QuotationDocument &doc, const sheet::ExportSettings &settings,
                             QWidget *parent = nullptr);
