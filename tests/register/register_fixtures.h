#pragma once
// Documents made for the register's tests and benchmarks: written by the program's own writers into a
// folder, with every amount the test needs to check known in advance.

#include "arithmetic.h"
#include "document_snapshot.h"
#include "invoice_file.h"
#include "money.h"
#include "quotation_file.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <vector>

namespace regfx {

struct Line {
    QString item;
    qint64 supply = 0;
    qint64 tax = 0;
    QString spec = {};
    QString unitPrice = {};
};

struct Invoice {
    QDate date;
    QString buyerNumber; // "123-45-67890" or, with individual, "######-#######"
    QString buyerName;
    std::vector<Line> lines;
    bool statement = false;
    bool individual = false;
    QString rep = {}, addr = {}, uptea = {}, upjong = {};
};

inline InvoiceSnapshot Snapshot(const Invoice &d) {
    InvoiceSnapshot s;
    s.statement = d.statement;
    s.aSaNo = QStringLiteral("220-81-62517");
    s.aSangho = QStringLiteral("우리상사");
    s.DayEdt = d.date.toString(QStringLiteral("yyyy.MM.dd"));
    s.grDay = s.DayEdt;
    s.Gbn = d.individual ? BuyerKind::Individual : BuyerKind::Business;
    (d.individual ? s.JuMinNo : s.bSaNo) = d.buyerNumber;
    s.bSangho = d.buyerName;
    s.bName = d.rep;
    s.bAddr = d.addr;
    s.bUpTea = d.uptea;
    s.bUpJong = d.upjong;
    s.DtyfNo = QStringLiteral("0");
    s.DtyeNo = QStringLiteral("0");
    const InvoiceColumns c = ColumnsOf(s.kind());
    QList<QStringList> &rows = s.rows();
    for (size_t i = 0; i < d.lines.size(); ++i) {
        QStringList &row = rows[qsizetype(i)];
        row[c.date] = d.date.toString(QStringLiteral("MM/dd"));
        row[c.item] = d.lines[i].item;
        row[c.spec] = d.lines[i].spec;
        row[c.unitPrice] = d.lines[i].unitPrice;
        row[c.supply] = TotalText(Money::fromWon(d.lines[i].supply));
        row[c.tax] = TotalText(Money::fromWon(d.lines[i].tax));
    }
    return s;
}

// Writes the document as folder/name and returns its path.
inline QString Write(const QString &folder, const QString &name, const Invoice &d) {
    QDir().mkpath(QFileInfo(folder + u'/' + name).absolutePath());
    const QString path = folder + u'/' + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(WriteInvoiceFile(Snapshot(d)));
    return QFileInfo(path).absoluteFilePath();
}

inline QString WriteQuotation(const QString &folder, const QString &name, const QDate &date, const QString &to,
                              const QString &item, qint64 quantity, qint64 unitPrice) {
    QuotationSnapshot q;
    q.SangHoEdt = to;
    q.Day1Edt = date.toString(QStringLiteral("yyyy.MM.dd"));
    q.Day2Edt = q.Day1Edt;
    q.kGrid[0][kcol::item] = item;
    q.kGrid[0][kcol::quantity] = QString::number(quantity);
    q.kGrid[0][kcol::unitPrice] = TotalText(Money::fromWon(unitPrice));
    const QString path = folder + u'/' + name;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(WriteQuotationFile(q));
    return QFileInfo(path).absoluteFilePath();
}

// Writes the document as the older generation ("V3.5~5.5", 220-byte records: the current record without
// its tenth slot) as folder/name and returns its path.
inline QString WriteOlder(const QString &folder, const QString &name, const Invoice &d) {
    const QByteArray current = WriteInvoiceFile(Snapshot(d));
    QByteArray older;
    for (qsizetype at = 0; at < current.size(); at += kInvoiceRecordSize)
        older += current.mid(at, 212) + current.mid(at + 220, 8);
    const QString path = folder + u'/' + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write(older);
    return QFileInfo(path).absoluteFilePath();
}

inline void WriteBytes(const QString &path, const QByteArray &bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

} // namespace regfx
