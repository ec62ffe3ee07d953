#pragma once
// Choosing what the register shows: VAT periods, the filter by period, kind and text, and the totals of
// what is shown. Pure functions over the entries.

#include "register_entry.h"

#include <QDate>
#include <QVector>

#include <optional>

namespace reg {

// The VAT periods of a year: 1기 is January to June (예정 January to March, 확정 April to June), 2기 July
// to December (예정 July to September, 확정 October to December). Whole names the half year.
enum class VatHalf { First = 1, Second = 2 };
enum class VatPart { Preliminary, Final, Whole };

struct DateRange {
    QDate from, to; // both days included; a null date leaves that side open
    bool contains(const QDate &d) const {
        return (!from.isValid() || (d.isValid() && d >= from)) && (!to.isValid() || (d.isValid() && d <= to));
    }
    bool operator==(const DateRange &) const = default;
};

DateRange VatPeriod(int year, VatHalf half, VatPart part);
DateRange MonthPeriod(int year, int month);
// "2026년 1월 1일 ~ 2026년 3월 31일".
QString PeriodText(const DateRange &range);

struct RegisterFilter {
    DateRange period;
    std::optional<DocKind> kind;
    QString text; // matched without case against buyer name and number, item names and the file name
};

// Indexes of the entries the filter lets through, in their order. What could not be read (a file, a
// folder) has no date or kind to judge it by and is always shown, so that it is never hidden.
QVector<int> FilterEntries(const QVector<RegisterEntry> &entries, const RegisterFilter &filter);

struct KindTotals {
    int documents = 0;
    qint64 supply = 0, tax = 0;
    qint64 total() const { return supply + tax; }
};

struct RegisterTotals {
    int documents = 0;  // documents counted among those shown (read, not superseded)
    int unreadable = 0; // files and folders that could not be read
    int superseded = 0; // older files of documents that a newer file stands for
    qint64 supply = 0, tax = 0;
    KindTotals byKind[3]; // by DocKind: a quotation's amounts are no sale, a statement's may be invoiced too
    qint64 total() const { return supply + tax; }
    // Whether documents of more than one kind are counted.
    bool mixed() const;
};
RegisterTotals TotalsOf(const QVector<RegisterEntry> &entries, const QVector<int> &shown);

// The text the text filter searches in, lower case.
QString SearchTextOf(const RegisterEntry &entry);

} // namespace reg
