#include "sales_summary.h"

#include "regnum.h"

#include <QHash>

#include <algorithm>

namespace reg {

namespace {

SummaryLine sum(const SummaryLine &a, const SummaryLine &b) {
    return {a.buyers + b.buyers, a.documents + b.documents, a.supply + b.supply, a.tax + b.tax};
}

} // namespace

SummaryLine SalesSummary::electronicSubtotal() const { return sum(electronicBusiness, electronicResident); }
SummaryLine SalesSummary::paperSubtotal() const { return sum(paperBusiness, paperResident); }
SummaryLine SalesSummary::total() const { return sum(electronicSubtotal(), paperSubtotal()); }

SalesSummary BuildSalesSummary(const QVector<RegisterEntry> &entries, const DateRange &period, SummaryKind kind,
                               const Submitter &submitter, const QDate &written) {
    SalesSummary s;
    s.kind = kind;
    s.period = period;
    s.written = written;
    s.submitter = submitter;

    struct Latest {
        QDate date;
        qint64 modified = 0;
    };
    QHash<QString, qsizetype> buyerIndex;
    QVector<Latest> latest;
    QHash<QString, bool> residents, electronicResidents, electronicBusinesses;
    for (const RegisterEntry &e : entries) {
        if (!e.counted() || e.kind != DocKind::TaxInvoice || !e.date.isValid() || !period.contains(e.date))
            continue;
        if (e.inTaxInvoiceSummary() != (kind == SummaryKind::TaxInvoice))
            continue;
        // Issued electronically: counted in the form's totals of electronic invoices, without buyer lines
        // (the service has them already).
        if (e.electronic) {
            const bool resident = e.buyerKind == BuyerKind::Individual;
            SummaryLine &r = resident ? s.electronicResident : s.electronicBusiness;
            QHash<QString, bool> &seen = resident ? electronicResidents : electronicBusinesses;
            seen.insert(e.buyerNumber, true);
            r.buyers = int(seen.size());
            ++r.documents;
            r.supply += e.supply;
            r.tax += e.tax;
            continue;
        }
        if (e.buyerKind == BuyerKind::Individual) {
            SummaryLine &r = s.paperResident;
            residents.insert(e.buyerNumber, true);
            r.buyers = int(residents.size());
            ++r.documents;
            r.supply += e.supply;
            r.tax += e.tax;
            continue;
        }
        auto at = buyerIndex.constFind(e.buyerNumber);
        if (at == buyerIndex.constEnd()) {
            at = buyerIndex.insert(e.buyerNumber, s.buyers.size());
            s.buyers.append({e.buyerNumber, e.buyerName, 0, 0, 0});
            latest.append({e.date, e.modified});
        }
        BuyerLine &b = s.buyers[*at];
        Latest &l = latest[*at];
        if (e.date > l.date || (e.date == l.date && e.modified >= l.modified)) {
            l = {e.date, e.modified};
            b.name = e.buyerName;
        }
        ++b.documents;
        b.supply += e.supply;
        b.tax += e.tax;
    }
    std::sort(s.buyers.begin(), s.buyers.end(),
              [](const BuyerLine &a, const BuyerLine &b) { return a.number < b.number; });
    for (const BuyerLine &b : s.buyers) {
        ++s.paperBusiness.buyers;
        s.paperBusiness.documents += b.documents;
        s.paperBusiness.supply += b.supply;
        s.paperBusiness.tax += b.tax;
    }
    return s;
}

QString SummaryTitle(SummaryKind kind) {
    return kind == SummaryKind::TaxInvoice ? QStringLiteral("매출처별 세금계산서합계표")
                                           : QStringLiteral("매출처별 계산서합계표");
}

Submitter SubmitterOf(const Party &supplier) {
    // Until the business registers, the reminder stands where the sample record's number would.
    return {SupplierNumberText(supplier.number), supplier.name, supplier.representative, supplier.address};
}

} // namespace reg
