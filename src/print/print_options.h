#pragma once
// What the print dialog hands to a print job: the options of the page the user confirmed.

#include "money.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class PrintPage { TaxInvoice = 0, Statement = 1, Quotation = 2 };

struct PrintOptions {
    PrintPage page = PrintPage::TaxInvoice;
    bool preview = true;      // 미리보기설정
    bool formPaper = false;   // 양식지사용: print the data only
    int topOffset = 0;        // 위쪽여백, whole number
    int leftOffset = 0;       // 좌측여백
    bool blackWhite = false;  // 흑백전용
    bool seal = false;        // 공급자 도장
    QString message;          // the message line printed on the document

    // Tax invoice page.
    bool noDate = false;      // 날짜없이인쇄
    bool withTax = true;      // 세금계산서 (true) or 계산서인쇄 (false)

    // Statement page.
    bool statement = true;    // 거래명세표 (true) or 간이영수증 (false)
    bool buyerCopy = true;    // 공급받는자용 (true) or 공급자용, for statements of 13 lines or more
    bool copyChoiceShown = false; // the copy choice was offered (13 or more filled lines)
    bool balanceShown = true; // 미수금표시
    Money balance;            // 전회까지미수금
};

// A statement line is filled when its item and specification hold text, when its supply or tax is not 0
// (a line counted in the totals), or when its quantity, unit price, supply and tax do not add up to 0.
// row holds the cells of one gGrid row.
bool IsStatementLineFilled(const QStringList &row);
// Whether line n (1-based) of the statement rows is filled; a line past the end is empty.
bool IsStatementLineFilled(const QList<QStringList> &rows, int n);
// The number (1-based) of the last filled line, 0 when none is. Layouts and sheets are chosen by it, so
// that lines after an empty one are printed too.
int LastFilledStatementLine(const QList<QStringList> &rows);
