#pragma once
// The National Tax Service's bulk issue (일괄발급) of electronic tax invoices: its web site takes a
// spreadsheet of up to 100 invoices in one of two upload templates, 세금계산서등록양식(일반) (59 columns
// A to BG) and 계산서등록양식(일반) (54 columns A to BB, the same without any tax column). The register's
// tax invoices become the rows of those templates here, after a check that lists every invoice the
// service would refuse, with the reason.
//
// The files follow the templates: one sheet "엑셀업로드양식", the title in row 1 (A1:G1 merged), the
// template's notices in rows 2 to 4 (each A:L merged), row 5 empty, the column titles in row 6, data from
// row 7. Every data cell is text, as the service wants it (a number cell is reported as "공급가액 항목
// 오류"); nothing is a formula.

#include "document.h"
#include "register_entry.h"
#include "sheet_model.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace reg::bulk {

enum class Form {
    TaxInvoice, // 세금계산서: with tax (01 일반) or zero-rated (02 영세율)
    Invoice,    // 계산서, without tax (05 일반)
};

// An invoice of five lines, where the templates hold four: lines 4 and 5 folded into one line
// ("<line 4's item> 외 1건", amounts summed, 수량 and 단가 empty), or the invoice left out of the file.
enum class FiveLines { Fold, LeaveOut };

inline constexpr int kInvoicesPerFile = 100;
inline constexpr int kLinesPerInvoice = 4;
inline constexpr int kFirstDataRow = 7;

// One tax invoice as the register has it.
struct Source {
    QString path;
    InvoiceDocument document;
    SummaryChoice summary = SummaryChoice::Automatic;
    QString buyerEmail; // kept per buyer in the register's choices; may be empty
};

struct Choices {
    QString supplierEmail; // from the registration page; may be empty
    QDate from, to;        // the period: an invoice written outside it is refused
    FiveLines fiveLines = FiveLines::Fold;
};

// An invoice the service would refuse, and why (in Korean, for the check's list).
struct Refusal {
    QString path;
    QString reason;
};

struct Row {
    Form form = Form::TaxInvoice;
    QString path;
    QStringList cells; // one per column of the form, A first
    bool folded = false; // lines 4 and 5 were folded into one
};

struct Plan {
    QList<Row> rows;          // in the order of the sources
    QList<Refusal> refusals;  // every reason of every invoice refused
    QList<Row> rowsOf(Form form) const;
};

// The rows of the invoices the service takes, and the reasons of the others. Each source is checked
// whole, so that the list tells the user everything to mend at once.
Plan PlanBulkIssue(const QList<Source> &sources, const Choices &choices);

int ColumnCount(Form form);            // 59, 54
QString FormBaseName(Form form);       // "세금계산서등록양식(일반)", "계산서등록양식(일반)"
QString FormTitle(Form form);          // row 1
QStringList FormNotices(Form form);    // rows 2 to 4
QStringList ColumnTitles(Form form);   // row 6
inline const QString kSheetName = QStringLiteral("엑셀업로드양식");

// The sheet of one file: its rows (at most 100) from row 7, every data cell text.
sheet::Sheet BuildSheet(Form form, const QList<Row> &rows);

// The file names of count rows of a form: "<base>.xlsx" for one file, "<base>_1of3.xlsx" ... for more.
QStringList FileNames(Form form, int rowCount);

// Turns an .xlsx file into the .xls form of the same sheet; returns whether it did.
using XlsConverter = std::function<bool(const QString &xlsx, const QString &xls)>;
// LibreOffice's converter, or an empty function where LibreOffice is not installed.
XlsConverter LibreOfficeConverter();

// Writes the plan's files into folder: for each form that has rows, one .xlsx file per 100 invoices,
// and beside each its .xls form when convert is given and succeeds. Returns the paths written. Raises
// IoError when a file cannot be written; the files of this run written before are removed then, and no
// partial file is left.
QStringList WriteBulkFiles(const Plan &plan, const QString &folder, const XlsConverter &convert = {});

} // namespace reg::bulk
