#pragma once
// The documents as plain values: a tax invoice or transaction statement, and a quotation. Every amount is
// Money; every field is named for what it is. The editor converts between its controls and these values
// in one place; document files, print jobs, exports and the register read and write only these.
//
// Amounts become text only at the edges, each by its column's limits (amount_columns.h): on the screen,
// in the file's records, on the printed form and in the sheet.

#include "money.h"

#include <QList>
#include <QString>
#include <QStringList>

enum class GridKind { TaxInvoice, Statement, Quotation };

// The name of a document never saved.
inline const QString kUnnamedDocumentName = QStringLiteral("이름없음");

// Item lines of each kind: 5, 30, 20.
int ItemRowCount(GridKind kind);

// The editor's grids: columns of each kind (a tax invoice keeps the unit in a hidden last column).
int ColumnCount(GridKind kind); // 9, 9, 8
struct InvoiceColumns {
    int date, item, spec, unit, quantity, unitPrice, supply, tax, remark;
};
InvoiceColumns ColumnsOf(GridKind kind); // TaxInvoice or Statement
namespace kcol {
inline constexpr int number = 0, item = 1, spec = 2, unit = 3, quantity = 4, unitPrice = 5, amount = 6, remark = 7;
}

// Text widths of the amount columns' cells (see amount_columns.h for each column's limits).
inline constexpr int kQuantityWidth = 10;
inline constexpr int kUnitPriceWidth = 15;
inline constexpr int kSupplyWidth = 16;
inline constexpr int kTaxWidth = 15;
inline constexpr int kQuotationAmountWidth = 16;
// The names of the amount columns, as their headers call them, for messages about a column.
inline const QString kQuantityColumnName = QStringLiteral("수량");
inline const QString kUnitPriceColumnName = QStringLiteral("단가");
inline const QString kSupplyColumnName = QStringLiteral("공급가액");
inline const QString kTaxColumnName = QStringLiteral("세액");

enum class BuyerKind { Business = 0, Individual = 1 }; // 업체 (business number), 개인 (resident number)

// A party of a document: the supplier or the buyer.
struct Party {
    QString number;         // registration number as written: "123-45-67890", "900101-1234567", or empty
    QString name;           // 상호
    QString representative; // 대표, 성명
    QString address;        // 주소
    QString businessType;   // 업태
    QString businessItem;   // 종목
    bool operator==(const Party &) const = default;
};

// One line of a tax invoice or a transaction statement.
struct InvoiceLine {
    QString date;   // "MM/DD" as written in the date column, or empty
    QString item;   // 품명
    QString spec;   // 규격
    QString unit;   // 단위 (the statement's; a tax invoice keeps it unseen)
    QString remark; // 비고
    Money quantity, unitPrice, supply, tax;
    // The decimals the quantity is written with where they are more than its value needs ("1.50": 2),
    // else 0.
    int quantityDecimals = 0;

    // No text and no amount.
    bool isEmpty() const;
    // A line that is printed: its item or 규격 holds text, its supply or tax counts in the totals,
    // or its quantity and unit price do not add up to 0.
    bool isFilled() const;
    bool operator==(const InvoiceLine &) const = default;
};

// A tax invoice (세금계산서) or a transaction statement (거래명세서).
struct InvoiceDocument {
    bool statement = false; // a transaction statement; else a tax invoice
    Party supplier;
    BuyerKind buyerKind = BuyerKind::Business;
    Party buyer;                              // its number by buyerKind
    QString issueDate;                        // 작성일자 of the tax invoice, "yyyy.MM.dd" (empty when not written)
    QString statementDate;                    // date of the statement, "yyyy.MM.dd"
    QString bookVolume = QStringLiteral("0"); // 책번호 권, as written
    QString bookNumber = QStringLiteral("0"); // 책번호 호, as written
    QString serialNumber;                     // 일련번호 "##-####" as written
    QString description;                      // 거래내용 of a statement
    Money cash, check, bill, credit;          // 현금, 수표, 어음, 외상미수금
    bool receipt = true;                      // 이 금액을 영수 함; false: 청구 함
    QList<InvoiceLine> lines = QList<InvoiceLine>(5); // ItemRowCount(kind()) lines, the empty ones too

    GridKind kind() const { return statement ? GridKind::Statement : GridKind::TaxInvoice; }
    // The document with its kind's number of empty lines.
    static InvoiceDocument empty(bool statement);
    // Sums of the lines.
    Money supplyTotal() const;
    Money taxTotal() const;
    Money total() const { return supplyTotal() + taxTotal(); }
    // The number of the last filled line (1-based), 0 when none: layouts are chosen by it, so that lines
    // after an empty one are printed too.
    int lastFilledLine() const;
    bool operator==(const InvoiceDocument &) const = default;
};

// One line of a quotation; its amount is quantity x unit price.
struct QuotationLine {
    QString item, spec, unit, remark;
    Money quantity, unitPrice;
    int quantityDecimals = 0; // as InvoiceLine's

    Money amount() const;
    bool isEmpty() const;
    bool operator==(const QuotationLine &) const = default;
};

// A quotation (견적서).
struct QuotationDocument {
    QString recipient;    // 제출처
    QString phone;        // 전화, as shown
    QString contact;      // 담당자
    QString address;      // 주소
    QString quoteDate;    // 견적일자 "yyyy.MM.dd"
    QString deliveryDate; // 납품일자 "yyyy.MM.dd"
    QStringList memo;     // 메모, a line each
    QList<QuotationLine> lines = QList<QuotationLine>(20);

    Money total() const;
    // The amount line above the grid: " 一金 : <words>整  ( ₩<total> )".
    QString amountLine() const;
    bool operator==(const QuotationDocument &) const = default;
};
