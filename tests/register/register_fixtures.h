#pragma once
// Documents made for the register's tests and benchmarks: written by the program's own writers into a
// folder, with every amount the test needs to check known in advance.

#include "arithmetic.h"
#include "document.h"
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
    qint64 unitPrice = 0;
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

inline InvoiceDocument Document(const Invoice &d) {
    InvoiceDocument s = InvoiceDocument::empty(d.statement);
    s.supplier.number = QStringLiteral("220-81-62517");
    s.supplier.name = QStringLiteral("우리상사");
    s.issueDate = d.date.toString(QStringLiteral("yyyy.MM.dd"));
    s.statementDate = s.issueDate;
    s.buyerKind = d.individual ? BuyerKind::Individual : BuyerKind::Business;
    s.buyer = {d.buyerNumber, d.buyerName, d.rep, d.addr, d.uptea, d.upjong};
    for (size_t i = 0; i < d.lines.size(); ++i) {
        InvoiceLine &line = s.lines[qsizetype(i)];
        line.date = d.date.toString(QStringLiteral("MM/dd"));
        line.item = d.lines[i].item;
        line.spec = d.lines[i].spec;
        line.unitPrice = Money::fromWon(d.lines[i].unitPrice);
        line.supply = Money::fromWon(d.lines[i].supply);
        line.tax = Money::fromWon(d.lines[i].tax);
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
    f.write(WriteInvoiceFile(Document(d)));
    return QFileInfo(path).absoluteFilePath();
}

inline QString WriteQuotation(const QString &folder, const QString &name, const QDate &date, const QString &to,
                              const QString &item, qint64 quantity, qint64 unitPrice) {
    QuotationDocument q;
    q.recipient = to;
    q.quoteDate = date.toString(QStringLiteral("yyyy.MM.dd"));
    q.deliveryDate = q.quoteDate;
    q.lines[0].item = item;
    q.lines[0].quantity = Money::fromWon(quantity);
    q.lines[0].unitPrice = Money::fromWon(unitPrice);
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
    const QByteArray current = WriteInvoiceFile(Document(d));
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
