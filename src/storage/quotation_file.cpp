#include "quotation_file.h"

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

// Widths of the loaded amount cells.
constexpr int kLoadedPriceWidth = 15;
constexpr int kLoadedAmountWidth = 15;
// The telephone's area code is kept right-aligned in 4 characters.
constexpr int kPhoneAreaWidth = 4;

// The amount cell of a line: quantity x unit price, truncated to whole won. A product beyond the money
// range shows as the blank cell of an amount too large for its column.
QString AmountCell(std::int64_t quantityRaw, std::int64_t priceRaw) {
    const long double product = static_cast<long double>(quantityRaw) * static_cast<long double>(priceRaw) /
                                (static_cast<long double>(Money::Scale) * Money::Scale);
    const long double limit = static_cast<long double>(std::numeric_limits<std::int64_t>::max() / Money::Scale);
    if (!(std::fabs(product) < limit))
        return QString(kLoadedAmountWidth - 3, u' ');
    return FormatAmountText(Money::fromWon(static_cast<std::int64_t>(product)), kLoadedAmountWidth);
}

std::int64_t CheckedRaw(const QString &cell, int row, const QString &column) {
    try {
        return ParseAmount(cell).raw();
    } catch (const NumberConversionError &) {
        throw NumberConversionError(
            cell, QStringLiteral("%1번째 줄의 %2 \"%3\"이(가) 숫자가 아닙니다.").arg(row).arg(column, cell.trimmed()));
    }
}

} // namespace

QuotationSnapshot ReadQuotationFile(const QByteArray &bytes, const QString &fileName, QuotationSnapshot cleared) {
    auto refuse = [&](const QString &reason) { throw IoError(storage::UnreadableFileMessage(fileName, reason)); };
    if (bytes.isEmpty())
        refuse(QStringLiteral("파일이 비어 있습니다."));
    if (bytes.size() > storage::kMaxDocumentFileSize)
        refuse(QStringLiteral("견적서 파일이 아닙니다."));
    if (bytes.size() % kQuotationRecordSize != 0)
        refuse(QStringLiteral("파일의 마지막 기록이 잘려 있습니다(파일 크기 %1바이트, 기록 크기 %2바이트).")
                   .arg(bytes.size())
                   .arg(kQuotationRecordSize));

    QuotationSnapshot q = std::move(cleared);
    q.fMemo.clear();
    const int rowCount = ItemRowCount(GridKind::Quotation);
    bool shaped = q.kGrid.size() == rowCount;
    for (const QStringList &row : q.kGrid)
        shaped = shaped && row.size() == ColumnCount(GridKind::Quotation);
    if (!shaped)
        q.kGrid = EmptyItemRows(GridKind::Quotation);

    int nextRow = 0;
    const int count = int(bytes.size() / kQuotationRecordSize);
    for (int i = 0; i < count; ++i) {
        const RecordReader r(bytes, qsizetype(i) * kQuotationRecordSize, kQuotationRecordSize, i, fileName);
        const std::int32_t type = r.int32At(kTypeOffset);
        if (i == 0 && type != Recipient)
            refuse(QStringLiteral("견적서 파일이 아닙니다."));
        switch (type) {
        case Recipient:
            q.SangHoEdt = r.text(kTextA);
            q.mTelEdit = PhoneDisplayText(r.text(kTextD));
            break;
        case Person:
            q.NameEdt = r.text(kTextA);
            break;
        case Dates:
            q.Day1Edt = r.text(kTextA);
            q.Day2Edt = r.text(kTextD);
            break;
        case Address:
            q.AddrEdt = r.text(kTextA);
            break;
        case Memo:
            q.fMemo.append(r.text(kTextA));
            break;
        case Item: {
            if (nextRow >= rowCount)
                refuse(QStringLiteral("품목 기록이 %1줄을 넘습니다.").arg(rowCount));
            QStringList &row = q.kGrid[nextRow++];
            const std::int64_t quantity = r.int64At(kQuantityOffset);
            const std::int64_t price = r.int64At(kUnitPriceOffset);
            row[kcol::item] = r.text(kTextA, kItemBytes);
            row[kcol::spec] = r.text(kTextB, kSpecBytes);
            row[kcol::unit] = r.text(kTextC);
            // Most lines of a quotation are empty: their zero texts are made once and shared.
            static const QString zeroQuantity = DecimalText(Money());
            static const QString zeroPrice = FormatAmountText(Money(), kLoadedPriceWidth);
            static const QString zeroAmount = AmountCell(0, 0);
            // (if rather than ?:, which would make a const copy of each new text and then copy it again)
            if (quantity == 0)
                row[kcol::quantity] = zeroQuantity;
            else
                row[kcol::quantity] = DecimalText(Money::fromRaw(quantity));
            if (price == 0)
                row[kcol::unitPrice] = zeroPrice;
            else
                row[kcol::unitPrice] = FormatAmountText(Money::fromRaw(price), kLoadedPriceWidth);
            if (quantity == 0 || price == 0)
                row[kcol::amount] = zeroAmount;
            else
                row[kcol::amount] = AmountCell(quantity, price);
            row[kcol::remark] = r.text(kTextD, kRemarkBytes);
            break;
        }
        default:
            break; // records of other types are skipped
        }
    }
    return q;
}

QByteArray WriteQuotationFile(const QuotationSnapshot &q) {
    const int rowCount = ItemRowCount(GridKind::Quotation);
    QByteArray out;
    out.reserve((4 + kQuotationMemoLines + rowCount) * kQuotationRecordSize);

    // Every number is checked before the first record is made.
    QList<std::pair<std::int64_t, std::int64_t>> amounts;
    for (int r = 0; r < rowCount; ++r) {
        const QStringList row = q.kGrid.value(r);
        amounts.append({CheckedRaw(row.value(kcol::quantity), r + 1, QStringLiteral("수량")),
                        CheckedRaw(row.value(kcol::unitPrice), r + 1, QStringLiteral("단가"))});
    }

    auto record = [&](int type, const QString &a, const QString &d) {
        RecordWriter w(kQuotationRecordSize);
        w.int32At(kTypeOffset, type);
        w.text(kTextA, a);
        w.text(kTextD, d);
        return w;
    };
    out += record(Recipient, q.SangHoEdt, PhoneStoredText(q.mTelEdit, kPhoneAreaWidth)).bytes();
    out += record(Person, q.NameEdt, QString()).bytes();
    out += record(Dates, q.Day1Edt, q.Day2Edt).bytes();
    out += record(Address, q.AddrEdt, QString()).bytes();
    for (int i = 0; i < kQuotationMemoLines; ++i)
        out += record(Memo, q.fMemo.value(i), QString()).bytes();

    for (int r = 0; r < rowCount; ++r) {
        const QStringList row = q.kGrid.value(r);
        RecordWriter w = record(Item, cp949::cutToBytes(row.value(kcol::item), kItemBytes),
                                cp949::cutToBytes(row.value(kcol::remark), kRemarkBytes));
        w.text(kTextB, cp949::cutToBytes(row.value(kcol::spec), kSpecBytes));
        w.text(kTextC, cp949::cutToBytes(row.value(kcol::unit), kUnitBytes));
        w.int64At(kQuantityOffset, amounts[r].first);
        w.int64At(kUnitPriceOffset, amounts[r].second);
        for (int offset : kReservedOffsets)
            w.int32At(offset, 0);
        w.text(kMark, QStringLiteral("N"));
        w.int32At(kRowNumberOffset, r + 1);
        out += w.bytes();
    }
    return out;
}

QuotationSnapshot LoadQuotationFile(const QString &path, QuotationSnapshot cleared) {
    return ReadQuotationFile(ReadDocumentBytes(path), path, std::move(cleared));
}

void SaveQuotationFile(const QString &path, const QuotationSnapshot &snapshot) {
    QByteArray bytes;
    try {
        bytes = WriteQuotationFile(snapshot);
    } catch (const NumberConversionError &e) {
        throw NumberConversionError(e.text(), storage::UnsavedFileMessage(path, e.message()));
    }
    WriteDocumentBytes(path, bytes);
}
