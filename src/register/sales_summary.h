#pragma once
// The VAT-return summaries of issued invoices: 매출처별 세금계산서합계표 (tax invoices) and 매출처별
// 계산서합계표 (invoices without tax), for a period, from the register's entries. The documents the user
// marked as issued electronically (after the bulk-issue file) are counted in the rows of electronic
// invoices sent by the 11th of the month after the period, in totals only; all others fall in the section
// of invoices other than electronic ones. Invoices to resident numbers are summed in one line; those to
// business numbers are listed buyer by buyer, ordered by the number.

#include "register_entry.h"
#include "register_filter.h"

#include <QDate>
#include <QString>
#include <QVector>

namespace reg {

enum class SummaryKind { TaxInvoice, TaxFree };

struct SummaryLine {
    int buyers = 0;    // 매출처수
    int documents = 0; // 매수
    qint64 supply = 0, tax = 0;
    bool operator==(const SummaryLine &) const = default;
};

struct BuyerLine {
    QString number; // digits of the business number; empty when the invoices carry none
    QString name;   // the name on the buyer's latest invoice of the period
    int documents = 0;
    qint64 supply = 0, tax = 0;
};

// The registered business that submits the summary.
struct Submitter {
    QString number, name, representative, address;
};

struct SalesSummary {
    SummaryKind kind = SummaryKind::TaxInvoice;
    DateRange period;
    QDate written;
    Submitter submitter;
    SummaryLine electronicBusiness, electronicResident; // marked as issued electronically: totals only
    SummaryLine paperBusiness, paperResident;
    QVector<BuyerLine> buyers; // paper invoices to business numbers

    SummaryLine electronicSubtotal() const;
    SummaryLine paperSubtotal() const;
    SummaryLine total() const;
};

// The summary of the tax invoices among entries dated within period (both days included). Statements,
// quotations and unreadable files take no part.
SalesSummary BuildSalesSummary(const QVector<RegisterEntry> &entries, const DateRange &period, SummaryKind kind,
                               const Submitter &submitter, const QDate &written);

// The form's title: "매출처별 세금계산서합계표" or "매출처별 계산서합계표".
QString SummaryTitle(SummaryKind kind);

// The registered business as it submits a summary (the sample record shows no number of its own).
Submitter SubmitterOf(const Party &supplier);

} // namespace reg
