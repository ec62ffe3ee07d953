#include "quotation_file.h"

#include "amount_columns.h"
#include "codec.h"
#include "document_io.h"
#include "errors.h"
#include "money.h"
#include "record_slots.h"
#include "texts.h"

#include <cmath>
#include <limits>

using storage::RecordReader;
using storage::RecordWriter;
using storage::Slot;

namespace {

constexpr Slot kTextA{0, 90};
constexpr Slot kTextB{91, 20};
constexpr Slot kTextC{112, 4};
constexpr int kQuantityOffset = 117;
constexpr int kUnitPriceOffset = 125;
constexpr Slot kTextD{133, 15};
constexpr int kReservedOffsets[] = {149, 153, 157};
constexpr Slot kMark{161, 1};
constexpr int kRowNumberOffset = 163;
constexpr int kTypeOffset = 167;

enum RecordType { Recipient = 1, Person = 2, Dates = 3, Address = 4, Memo = 5, Item = 6 };

// Byte counts that the item texts keep, on reading and on writing.
constexpr int kItemBytes = 30;
constexpr int kSpecBytes = 20;
constexpr int kUnitBytes = 4;
constexpr int kRemarkBytes = 15;

// The telephone's area code is kept right-aligned in 4 characters.
constexpr int kPhoneAreaWidth = 4;

} // namespace

QuotationDocument ReadQuotationFile(const QByteArray &bytes, const QString &fileName) {
    auto refuse = [&](const QString &reason) { throw IoError(storage::UnreadableFileMessage(fileName, reason)); };
    if (bytes.isEmpty())
        refuse(QStringLiteral("파일이 비어 있습니다."));
    if (bytes.size() > storage::kMaxDocumentFileSize)
        refuse(QStringLiteral("견적서 파일이 아닙니다."));
    if (bytes.size() % kQuotationRecordSize != 0)
        refuse(QStringLiteral("파일의 마지막 기록이 잘려 있습니다(파일 크기 %1바이트, 기록 크기 %2바이트).")
                   .arg(bytes.size())
                   .arg(kQuotationRecordSize));

    QuotationDocument q;
    const int rowCount = ItemRowCount(GridKind::Quotation);
    int nextRow = 0;
    const int count = int(bytes.size() / kQuotationRecordSize);
    for (int i = 0; i < count; ++i) {
        const RecordReader r(bytes, qsizetype(i) * kQuotationRecordSize, kQuotationRecordSize, i, fileName);
        const std::int32_t type = r.int32At(kTypeOffset);
        if (i == 0 && type != Recipient)
            refuse(QStringLiteral("견적서 파일이 아닙니다."));
        switch (type) {
        case Recipient:
            q.recipient = r.text(kTextA);
            q.phone = PhoneDisplayText(r.text(kTextD));
            break;
        case Person: q.contact = r.text(kTextA); break;
        case Dates:
            q.quoteDate = r.text(kTextA);
            q.deliveryDate = r.text(kTextD);
            break;
        case Address: q.address = r.text(kTextA); break;
        case Memo: q.memo.append(r.text(kTextA)); break;
        case Item: {
            if (nextRow >= rowCount)
                refuse(QStringLiteral("품목 기록이 %1줄을 넘습니다.").arg(rowCount));
            QuotationLine &line = q.lines[nextRow++];
            line.quantity = Money::fromRaw(r.int64At(kQuantityOffset));
            line.unitPrice = Money::fromRaw(r.int64At(kUnitPriceOffset));
            // A line this program's columns cannot hold is refused whole, never loaded anyway.
            auto check = [&](AmountColumn column, Money value) {
                if (!Holds(column, value))
                    r.fail(QStringLiteral("%1번째 줄의 %2 %3은(는) 이 칸에 들어갈 수 없는 값입니다.")
                               .arg(nextRow)
                               .arg(LimitsOf(column).name, DecimalText(value)));
            };
            check(AmountColumn::QuotationQuantity, line.quantity);
            check(AmountColumn::QuotationUnitPrice, line.unitPrice);
            Money amount;
            try {
                amount = line.amount();
            } catch (const AppError &) {
                r.fail(QStringLiteral("%1번째 줄의 수량과 단가를 곱한 금액이 너무 큽니다.").arg(nextRow));
            }
            check(AmountColumn::QuotationAmount, amount);
            line.item = r.text(kTextA, kItemBytes);
            line.spec = r.text(kTextB, kSpecBytes);
            line.unit = r.text(kTextC);
            line.remark = r.text(kTextD, kRemarkBytes);
            break;
        }
        default: break; // records of other types are skipped
        }
    }
    return q;
}

QByteArray WriteQuotationFile(const QuotationDocument &q) {
    const int rowCount = ItemRowCount(GridKind::Quotation);
    QByteArray out;
    out.reserve((4 + kQuotationMemoLines + rowCount) * kQuotationRecordSize);

    // Every number is checked before the first record is made.
    for (int r = 0; r < rowCount; ++r) {
        const QuotationLine line = q.lines.value(r);
        const QString where = QStringLiteral("%1번째 줄의").arg(r + 1);
        CheckHeld(AmountColumn::QuotationQuantity, line.quantity, where);
        CheckHeld(AmountColumn::QuotationUnitPrice, line.unitPrice, where);
        CheckHeld(AmountColumn::QuotationAmount, line.amount(), where);
    }

    auto record = [&](int type, const QString &a, const QString &d) {
        RecordWriter w(kQuotationRecordSize);
        w.int32At(kTypeOffset, type);
        w.text(kTextA, a);
        w.text(kTextD, d);
        return w;
    };
    out += record(Recipient, q.recipient, PhoneStoredText(q.phone, kPhoneAreaWidth)).bytes();
    out += record(Person, q.contact, QString()).bytes();
    out += record(Dates, q.quoteDate, q.deliveryDate).bytes();
    out += record(Address, q.address, QString()).bytes();
    for (int i = 0; i < kQuotationMemoLines; ++i)
        out += record(Memo, q.memo.value(i), QString()).bytes();

    for (int r = 0; r < rowCount; ++r) {
        const QuotationLine line = q.lines.value(r);
        RecordWriter w =
            record(Item, cp949::cutToBytes(line.item, kItemBytes), cp949::cutToBytes(line.remark, kRemarkBytes));
        w.text(kTextB, cp949::cutToBytes(line.spec, kSpecBytes));
        w.text(kTextC, cp949::cutToBytes(line.unit, kUnitBytes));
        w.int64At(kQuantityOffset, line.quantity.raw());
        w.int64At(kUnitPriceOffset, line.unitPrice.raw());
        for (int offset : kReservedOffsets)
            w.int32At(offset, 0);
        w.text(kMark, QStringLiteral("N"));
        w.int32At(kRowNumberOffset, r + 1);
        out += w.bytes();
    }
    return out;
}

QuotationDocument LoadQuotationFile(const QString &path) { return ReadQuotationFile(ReadDocumentBytes(path), path); }

storage::FileFingerprint SaveQuotationFile(const QString &path, const QuotationDocument &document) {
    QByteArray bytes;
    try {
        bytes = WriteQuotationFile(document);
    } catch (const NumberConversionError &e) {
        throw NumberConversionError(e.text(), storage::UnsavedFileMessage(path, e.message()));
    } catch (const AmountTooLargeError &e) {
        throw AmountTooLargeError(storage::UnsavedFileMessage(path, e.message()));
    }
    WriteDocumentBytes(path, bytes);
    return storage::FingerprintOfBytes(bytes);
}
