#pragma once
// What the print dialog hands to a print job: the options of the page the user confirmed, and what the
// dialog shows when it opens: the choices the user made last time.

#include "document.h"
#include "money.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class PrintPage { TaxInvoice = 0, Statement = 1, Quotation = 2 };

struct PrintOptions {
    PrintPage page = PrintPage::TaxInvoice;
    bool preview = true;     // 미리보기설정
    bool formPaper = false;  // 양식지사용: print the data only
    int topOffset = 0;       // 위쪽여백, whole number
    int leftOffset = 0;      // 좌측여백
    bool blackWhite = false; // 흑백전용
    bool seal = false;       // 공급자 도장
    QString message;         // the message line printed on the document

    // Tax invoice page.
    bool noDate = false; // 날짜없이인쇄
    bool withTax = true; // 세금계산서 (true) or 계산서인쇄 (false)

    // Statement page.
    bool statement = true;        // 거래명세표 (true) or 간이영수증 (false)
    bool buyerCopy = true;        // 공급받는자용 (true) or 공급자용, for statements of 13 lines or more
    bool copyChoiceShown = false; // the copy choice was offered (13 or more filled lines)
    bool balanceShown = true;     // 미수금표시
    Money balance;                // 전회까지미수금

    // From the supplier record rather than the dialog (the editor adds them).
    QString sealPicture; // the registered seal picture, printed when seal is set
    Party supplier;      // the registered supplier, on the quotation
};

// The choices the print dialog opens with and keeps on "확인", for the next time: the editor keeps them
// in the settings file. Offsets as typed; messages without the hint texts.
struct PrintChoices {
    QString invoiceTop = QStringLiteral("0"), invoiceLeft = QStringLiteral("0");
    QString statementTop = QStringLiteral("0"), statementLeft = QStringLiteral("0");
    QString quotationTop = QStringLiteral("0"), quotationLeft = QStringLiteral("0");
    bool blackWhite = false;    // 흑백전용
    bool preview = true;        // 미리보기설정
    bool formPaper = false;     // 양식지사용
    bool seal = false;          // 공급자 도장
    bool invoiceWithTax = true; // 세금계산서 rather than 계산서
    bool statementForm = true;  // 거래명세표 rather than 간이영수증
    bool balanceShown = true;   // 미수금표시
    QString invoiceMessage, statementMessage;
    bool operator==(const PrintChoices &) const = default;
};
