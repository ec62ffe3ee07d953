#include "register_filter.h"

namespace reg {

DateRange VatPeriod(int year, VatHalf half, VatPart part) {
    const int first = half == VatHalf::First ? 1 : 7;
    const int startMonth = part == VatPart::Final ? first + 3 : first;
    const int endMonth = part == VatPart::Preliminary ? first + 2 : first + 5;
    const QDate end(year, endMonth, 1);
    return {QDate(year, startMonth, 1), QDate(year, endMonth, end.daysInMonth())};
}

DateRange MonthPeriod(int year, int month) {
    const QDate start(year, month, 1);
    return {start, QDate(year, month, start.daysInMonth())};
}

QString PeriodText(const DateRange &range) {
    auto day = [](const QDate &d) {
        return QStringLiteral("%1년 %2월 %3일").arg(d.year()).arg(d.month()).arg(d.day());
    };
    const QString from = range.from.isValid() ? day(range.from) : QString();
    const QString to = range.to.isValid() ? day(range.to) : QString();
    return from + QStringLiteral(" ~ ") + to;
}

QString SearchTextOf(const RegisterEntry &e) {
    QString text = e.buyerName + u'\n' + e.buyerNumber + u'\n' + e.buyerNumberText() + u'\n' + e.fileName();
    for (const ItemLine &item : e.items)
        text += u'\n' + item.name;
    return text.toLower();
}

QVector<int> FilterEntries(const QVector<RegisterEntry> &entries, const RegisterFilter &filter) {
    QVector<int> shown;
    shown.reserve(entries.size());
    const QString needle = filter.text.trimmed().toLower();
    for (int i = 0; i < entries.size(); ++i) {
        const RegisterEntry &e = entries.at(i);
        if (!e.readable() || e.type != EntryType::Document) {
            shown.append(i);
            continue;
        }
        if (filter.kind && e.kind != *filter.kind)
            continue;
        if (!filter.period.contains(e.date))
            continue;
        if (!needle.isEmpty() && !SearchTextOf(e).contains(needle))
            continue;
        shown.append(i);
    }
    return shown;
}

RegisterTotals TotalsOf(const QVector<RegisterEntry> &entries, const QVector<int> &shown) {
    RegisterTotals t;
    for (int i : shown) {
        const RegisterEntry &e = entries.at(i);
        if (e.missing()) {
            ++t.unreadable;
            continue;
        }
        if (!e.supersededBy.isEmpty())
            ++t.superseded;
        if (!e.counted())
            continue;
        ++t.documents;
        t.supply += e.supply;
        t.tax += e.tax;
        KindTotals &k = t.byKind[int(e.kind)];
        ++k.documents;
        k.supply += e.supply;
        k.tax += e.tax;
    }
    return t;
}

bool RegisterTotals::mixed() const {
    int kinds = 0;
    for (const KindTotals &k : byKind)
        kinds += k.documents > 0 ? 1 : 0;
    return kinds > 1;
}

} // namespace reg
