#pragma once
// Document file fixtures made byte by byte from the record tables, independent of the writers.

#include "document.h"
#include "test_support.h"

#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <ostream>

namespace fx {

// One fixed-size record, zero-filled until written.
struct Rec {
    QByteArray b;
    explicit Rec(int size) : b(size, '\0') {}
    // A short string: the length byte, then the CP949 bytes.
    Rec &str(int offset, const QByteArray &bytes) {
        b[offset] = char(bytes.size());
        b.replace(offset + 1, bytes.size(), bytes);
        return *this;
    }
    Rec &str(int offset, const char *utf8) { return str(offset, cp(utf8)); }
    Rec &lengthByte(int offset, int n) {
        b[offset] = char(n);
        return *this;
    }
    Rec &i32(int offset, std::int32_t v) {
        qToLittleEndian(v, b.data() + offset);
        return *this;
    }
    Rec &i64(int offset, std::int64_t v) {
        qToLittleEndian(v, b.data() + offset);
        return *this;
    }
    operator QByteArray() const { return b; }
};

// Slot offsets of the 228- and 220-byte invoice records (slots 1-10).
inline constexpr int S1 = 0, S2 = 11, S3 = 14, S4 = 17, S5 = 53, S6 = 74, S7 = 89, S8 = 115, S9 = 141, S10 = 212;
// The 156-byte generation.
inline constexpr int O1 = 0, O2 = 11, O3 = 14, O4 = 17, O5 = 43, O6 = 54, O7 = 67, O8 = 83, O9 = 99;

inline Rec Current(int type, int buyerKind = 0) { return Rec(228).i32(220, type).i32(224, buyerKind); }
inline Rec V35(int type, int buyerKind = 0) { return Rec(220).i32(212, type).i32(216, buyerKind); }
inline Rec V31(int type) { return Rec(156).i32(152, type); }

// Quotation record offsets.
inline constexpr int QA = 0, QB = 91, QC = 112, QQty = 117, QPrice = 125, QD = 133, QMark = 161, QRow = 163,
                     QType = 167;
inline Rec Quote(int type) { return Rec(171).i32(QType, type); }

inline QByteArray Join(std::initializer_list<QByteArray> records) {
    QByteArray out;
    for (const QByteArray &r : records)
        out += r;
    return out;
}

// A field of a record read back from written bytes: the short string at offset.
inline QByteArray SlotAt(const QByteArray &file, int recordSize, int record, int offset) {
    const int at = record * recordSize + offset;
    return file.mid(at + 1, static_cast<unsigned char>(file.at(at)));
}
inline std::int32_t Int32At(const QByteArray &file, int recordSize, int record, int offset) {
    return qFromLittleEndian<std::int32_t>(file.constData() + record * recordSize + offset);
}
inline std::int64_t Int64At(const QByteArray &file, int recordSize, int record, int offset) {
    return qFromLittleEndian<std::int64_t>(file.constData() + record * recordSize + offset);
}

// The file with the short string at offset of one record replaced, as a file written elsewhere may hold it.
inline QByteArray WithSlot(QByteArray file, int recordSize, int record, int offset, const QByteArray &bytes) {
    const int at = record * recordSize + offset;
    file[at] = char(bytes.size());
    file.replace(at + 1, bytes.size(), bytes);
    return file;
}
inline QByteArray WithInt64(QByteArray file, int recordSize, int record, int offset, std::int64_t value) {
    qToLittleEndian(value, file.data() + record * recordSize + offset);
    return file;
}

} // namespace fx

// Documents and amounts as failure messages show them.
inline void PrintTo(Money value, std::ostream *os) { *os << DecimalText(value).toStdString(); }
inline void PrintTo(const InvoiceLine &l, std::ostream *os) {
    *os << QStringList{l.date,
                       l.item,
                       l.spec,
                       l.unit,
                       l.remark,
                       DecimalText(l.quantity),
                       DecimalText(l.unitPrice),
                       DecimalText(l.supply),
                       DecimalText(l.tax)}
               .join(u'|')
               .toStdString();
}
inline void PrintTo(const QuotationLine &l, std::ostream *os) {
    *os << QStringList{l.item, l.spec, l.unit, l.remark, DecimalText(l.quantity), DecimalText(l.unitPrice)}
               .join(u'|')
               .toStdString();
}
inline void PrintTo(const Party &p, std::ostream *os) {
    *os << QStringList{p.number, p.name, p.representative, p.address, p.businessType, p.businessItem}
               .join(u'|')
               .toStdString();
}
inline void PrintTo(const InvoiceDocument &d, std::ostream *os) {
    *os << (d.statement ? "statement " : "tax invoice ");
    PrintTo(d.supplier, os);
    *os << " / " << int(d.buyerKind) << " ";
    PrintTo(d.buyer, os);
    *os << " / "
        << QStringList{d.issueDate,
                       d.statementDate,
                       d.bookVolume,
                       d.bookNumber,
                       d.serialNumber,
                       d.description,
                       DecimalText(d.cash),
                       DecimalText(d.check),
                       DecimalText(d.bill),
                       DecimalText(d.credit),
                       d.receipt ? QStringLiteral("영수") : QStringLiteral("청구")}
               .join(u'|')
               .toStdString();
    for (const InvoiceLine &l : d.lines) {
        *os << "\n  ";
        PrintTo(l, os);
    }
}
inline void PrintTo(const QuotationDocument &q, std::ostream *os) {
    *os << QStringList{q.recipient, q.phone, q.contact, q.address, q.quoteDate, q.deliveryDate}.join(u'|').toStdString()
        << " / memo " << q.memo.join(u'|').toStdString();
    for (const QuotationLine &l : q.lines) {
        *os << "\n  ";
        PrintTo(l, os);
    }
}
