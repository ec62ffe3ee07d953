#pragma once
// The documents as plain values: every field as the text its control shows, every grid row as its cell
// texts. The editor converts between its controls and these in one place; document files, print jobs and
// spreadsheet exports read and write only these, never a window.

#include <QList>
#include <QString>
#include <QStringList>

enum class GridKind { TaxInvoice, Statement, Quotation };

// The name of a document never saved (CurFileName of an unnamed document).
inline const QString kUnnamedDocumentName = QStringLiteral("이름없음");

// Item rows and columns of each grid (row 1 of the grid is index 0 here).
int ItemRowCount(GridKind kind);  // 5, 30, 20
int ColumnCount(GridKind kind);   // 9, 9, 8

// Column indexes of the tax invoice (dGrid) and statement (gGrid) grids.
struct InvoiceColumns {
    int date, item, spec, unit, quantity, unitPrice, supply, tax, remark;
};
InvoiceColumns ColumnsOf(GridKind kind); // TaxInvoice or Statement

// Quotation grid (kGrid) columns.
namespace kcol {
inline constexpr int number = 0, item = 1, spec = 2, unit = 3, quantity = 4, unitPrice = 5, amount = 6, remark = 7;
}

// Text widths of FormatAmountText for the amount columns.
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

// The texts of an empty item row (what clearing the grid writes): text columns empty, amount columns a
// formatted 0; the quotation's number column keeps the row number (" 1" .. "20"). row is 1-based.
QStringList EmptyItemRow(GridKind kind, int row);
QList<QStringList> EmptyItemRows(GridKind kind);

enum class BuyerKind { Business = 0, Individual = 1 }; // Gbn: "업체", "개인"

// The tax invoice / transaction statement page.
struct InvoiceSnapshot {
    bool statement = false; // false: tax invoice (sPage 0), true: transaction statement (sPage 1)

    // Supplier (공급자).
    QString aSaNo, aSangho, aName, aAddr, aUpTea, aUpJong;
    // Buyer (공급받는자).
    BuyerKind Gbn = BuyerKind::Business;
    QString bSaNo, JuMinNo, bSangho, bName, bAddr, bUpTea, bUpJong;
    // Tax invoice header: issue date, book volume and number, serial number ("##-####").
    QString DayEdt, DtyfNo, DtyeNo, DtysNo;
    // Statement header: date and description.
    QString grDay, grEdit;
    // Payment panel of the tax invoice.
    QString Totmy, Cashmy, Checkmy, Billmy, Creditmy;
    bool receipt = true; // rBtn1 "영수"; false: rBtn2 "청구"
    // Item grids, each row its cell texts.
    QList<QStringList> dGrid = EmptyItemRows(GridKind::TaxInvoice);
    QList<QStringList> gGrid = EmptyItemRows(GridKind::Statement);
    // Statement totals (read-only fields).
    QString gTotEdt, gMnyEdt, gVatEdt;
    // Tax invoice digit boxes: La1..La11 supply digits, La12 blank count, Lb1..Lb10 tax digits.
    QStringList La = QStringList(12, QString());
    QStringList Lb = QStringList(10, QString());

    GridKind kind() const { return statement ? GridKind::Statement : GridKind::TaxInvoice; }
    QList<QStringList> &rows() { return statement ? gGrid : dGrid; }
    const QList<QStringList> &rows() const { return statement ? gGrid : dGrid; }
};

// The quotation page.
struct QuotationSnapshot {
    QString SangHoEdt; // 제출처
    QString mTelEdit;  // 전화, display form
    QString NameEdt;   // 담당자
    QString AddrEdt;   // 주소
    QString Day1Edt;   // 견적일자
    QString Day2Edt;   // 납품일자
    QStringList fMemo; // memo lines
    QList<QStringList> kGrid = EmptyItemRows(GridKind::Quotation);
    QString MsgLabel; // the amount line " 一金 : ..."
};
