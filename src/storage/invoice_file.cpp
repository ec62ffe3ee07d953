#include "invoice_file.h"

#include "amount_columns.h"
#include "codec.h"
#include "document_io.h"
#include "errors.h"
#include "money.h"
#include "record_slots.h"

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <utility>

using storage::RecordReader;
using storage::RecordWriter;
using storage::Slot;

namespace {

// Slot positions of one generation; slots are numbered from 1 as the record tables number them.
struct InvoiceLayout {
    int size;
    std::array<Slot, 10> slotTable; // slot 10 has capacity 0 where the generation has none
    int typeOffset;
    int buyerKindOffset; // -1: the generation stores no buyer kind
    const Slot &slot(int n) const { return slotTable[size_t(n - 1)]; }
    bool hasUnit() const { return slotTable[9].capacity > 0; }
};

constexpr InvoiceLayout kCurrent{
    228,
    {{{0, 10}, {11, 2}, {14, 2}, {17, 35}, {53, 20}, {74, 14}, {89, 25}, {115, 25}, {141, 70}, {212, 7}}},
    220,
    224};
constexpr InvoiceLayout kV35{
    220, {{{0, 10}, {11, 2}, {14, 2}, {17, 35}, {53, 20}, {74, 14}, {89, 25}, {115, 25}, {141, 70}, {0, 0}}}, 212, 216};
constexpr InvoiceLayout kV31{
    156, {{{0, 10}, {11, 2}, {14, 2}, {17, 25}, {43, 10}, {54, 12}, {67, 15}, {83, 15}, {99, 52}, {0, 0}}}, 152, -1};

const InvoiceLayout &LayoutOf(InvoiceFileGeneration g) {
    switch (g) {
    case InvoiceFileGeneration::Current: return kCurrent;
    case InvoiceFileGeneration::V35: return kV35;
    case InvoiceFileGeneration::V31: return kV31;
    }
    return kCurrent;
}

// Byte counts that the line texts keep, on reading and on writing.
constexpr int kRemarkBytes = 10;
constexpr int kSpecBytes = 16;
constexpr int kItemBytes = 25;
constexpr int kUnitBytes = 4;

// Record type of the first item line; a line's type is its line number plus 3.
constexpr int kFirstLineType = 4;

// The slots of an item line record, where they lie in the file being read.
struct StoredLine {
    QByteArrayView month, day, item, spec, unit, remark;
};

// True when two slots hold the same bytes; slots are a few bytes long, so this is cheaper inline than a call.
bool SameBytes(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

// The first n bytes of a slot, or all of them.
QByteArrayView Prefix(QByteArrayView slot, qsizetype n) { return slot.first(std::min(slot.size(), n)); }

// True when the bytes are all blanks (or there are none).
bool IsAllBlanks(QByteArrayView bytes) {
    for (const char ch : bytes)
        if (ch != ' ')
            return false;
    return true;
}

QString OtherKindExtension(InvoiceFileGeneration g, GridKind page) {
    const bool invoicePage = page == GridKind::TaxInvoice;
    switch (g) {
    case InvoiceFileGeneration::Current: return invoicePage ? QStringLiteral("GY5") : QStringLiteral("DY5");
    case InvoiceFileGeneration::V35: return invoicePage ? QStringLiteral("GNT") : QStringLiteral("DNT");
    case InvoiceFileGeneration::V31: return invoicePage ? QStringLiteral("GTY") : QStringLiteral("DTY");
    }
    return {};
}

QString StatementExtension(InvoiceFileGeneration g) { return OtherKindExtension(g, GridKind::TaxInvoice); }

// ---- writing ----

// The name of a field in the messages of a refused save: "3번째 줄의 수량", or a header field's own name.
// Built only when a message needs it, not for every cell saved.
struct FieldName {
    int row = 0; // 0: a header field
    const char16_t *label = u"";
    QString text() const {
        const QString name = QString::fromUtf16(label);
        return row == 0 ? name : QStringLiteral("%1번째 줄의 %2").arg(row).arg(name);
    }
};

[[noreturn]] void RefuseTooLong(const QString &text, const FieldName &field) {
    const QString what = field.text();
    throw NumberConversionError(
        text, QStringLiteral("%1 \"%2\"이(가) 너무 커서 파일에 담을 수 없습니다.").arg(what, text.trimmed()));
}

// A line amount as stored in its slot; an amount beyond its column is refused before anything is written.
QString LineAmountText(AmountColumn column, Money value, int capacity, int row, int decimals = 0) {
    CheckHeld(column, value, QStringLiteral("%1번째 줄의").arg(row));
    const QString text = StoredText(column, value, decimals);
    if (cp949::byteLength(text) > capacity)
        throw NumberConversionError(DecimalText(value),
                                    QStringLiteral("%1번째 줄의 %2 \"%3\"이(가) 너무 커서 파일에 담을 수 없습니다.")
                                        .arg(row)
                                        .arg(LimitsOf(column).name, DecimalText(value)));
    return text;
}

// A payment amount as stored in the totals record: its shortest decimal text.
QString TotalAmountText(Money value, int capacity, const FieldName &what) {
    const QString shortest = DecimalText(value);
    if (shortest.size() > capacity)
        RefuseTooLong(shortest, what);
    return shortest;
}

// A book number (volume or issue) as its three zero-padded digits.
QString BookNumberText(const QString &field, const FieldName &what) {
    Money value;
    try {
        value = ParseAmount(field);
    } catch (const NumberConversionError &) {
        throw NumberConversionError(
            field, QStringLiteral("%1 \"%2\"이(가) 숫자가 아닙니다.").arg(what.text(), field.trimmed()));
    }
    if (value.raw() < 0 || value.raw() % Money::Scale != 0 || value.won() > 999)
        throw NumberConversionError(
            field,
            QStringLiteral("%1 \"%2\"은(는) 0부터 999까지의 정수여야 합니다.").arg(what.text(), field.trimmed()));
    return PadLeftChar(u'0', QString::number(value.won()), 3);
}

// The serial number in exactly 7 bytes, as the readers take it from its fixed position.
QString SerialNumberText(const QString &field) {
    QString text = cp949::cutToBytes(field, 7);
    return text + QString(7 - cp949::byteLength(text), u' ');
}

// The supplier's record and the buyer's hold a party in the same slots.
Party readParty(const RecordReader &r, const InvoiceLayout &layout) {
    Party p;
    p.name = r.text(layout.slot(4));
    p.representative = r.text(layout.slot(5));
    p.number = r.text(layout.slot(6));
    p.businessType = r.text(layout.slot(7));
    p.businessItem = r.text(layout.slot(8));
    p.address = r.text(layout.slot(9));
    return p;
}

} // namespace

InvoiceFileGeneration InvoiceGenerationOf(const QString &fileName) {
    const QChar last = fileName.isEmpty() ? QChar() : fileName.back();
    if (last == u'5')
        return InvoiceFileGeneration::Current;
    if (last == u'T' || last == u't')
        return InvoiceFileGeneration::V35;
    return InvoiceFileGeneration::V31;
}

int InvoiceRecordSize(InvoiceFileGeneration generation) { return LayoutOf(generation).size; }

QString RenamedInvoiceFileName(InvoiceFileGeneration generation, GridKind page, const QString &fileName) {
    if (fileName.right(3).toUpper() == OtherKindExtension(generation, page))
        return kUnnamedDocumentName;
    if (generation == InvoiceFileGeneration::Current)
        return fileName;
    // In the case the program's dialogs use: on a file system that tells case apart, "x.DY5" would be a
    // second file beside the "x.Dy5" every other save writes.
    return fileName.chopped(qMin<qsizetype>(3, fileName.size())) +
           (page == GridKind::TaxInvoice ? QStringLiteral("Dy5") : QStringLiteral("Gy5"));
}

InvoiceLoadResult ReadInvoiceFile(const QByteArray &bytes, const QString &fileName, GridKind page) {
    Q_ASSERT(page == GridKind::TaxInvoice || page == GridKind::Statement);
    const InvoiceFileGeneration generation = InvoiceGenerationOf(fileName);
    const InvoiceLayout &layout = LayoutOf(generation);
    auto refuse = [&](const QString &reason) { throw IoError(storage::UnreadableFileMessage(fileName, reason)); };

    if (bytes.isEmpty())
        refuse(QStringLiteral("파일이 비어 있습니다."));
    if (bytes.size() > storage::kMaxDocumentFileSize)
        refuse(QStringLiteral("세금계산서나 거래명세서 파일이 아닙니다."));
    if (bytes.size() % layout.size != 0)
        refuse(QStringLiteral("파일의 마지막 기록이 잘려 있습니다(파일 크기 %1바이트, 기록 크기 %2바이트).")
                   .arg(bytes.size())
                   .arg(layout.size));

    InvoiceDocument d = InvoiceDocument::empty(page == GridKind::Statement);
    const bool descriptionStored = fileName.right(3).toUpper() == StatementExtension(generation);
    bool fromStatement = false;
    // Kept on the stack for the documents the program writes (at most 30 lines): a block of this size from
    // the heap would make the allocator sweep up every small block freed before it, on every load.
    QVarLengthArray<InvoiceLine, 30> lines;
    StoredLine aboveBytes; // the text slots of the last line kept

    const int count = int(bytes.size() / layout.size);
    for (int i = 0; i < count; ++i) {
        const RecordReader r(bytes, qsizetype(i) * layout.size, layout.size, i, fileName);
        const std::int32_t type = r.int32At(layout.typeOffset);
        if (i == 0 && type != 1)
            refuse(QStringLiteral("세금계산서나 거래명세서 파일이 아닙니다."));
        switch (type) {
        case 1:
            d.issueDate = r.text(layout.slot(1));
            d.supplier = readParty(r, layout);
            if (layout.buyerKindOffset >= 0)
                d.buyerKind = r.int32At(layout.buyerKindOffset) != 0 ? BuyerKind::Individual : BuyerKind::Business;
            break;
        case 2:
            d.statementDate = r.text(layout.slot(1));
            d.buyer = readParty(r, layout);
            break;
        case 3: {
            d.receipt = r.text(layout.slot(1)) == u"A";
            const QByteArray book = r.bytes(layout.slot(4));
            if (!book.isEmpty()) {
                auto number = [&](qsizetype from) {
                    const QString t = cp949::decode(book.mid(from, 3));
                    try {
                        return DecimalText(ParseAmount(t));
                    } catch (const NumberConversionError &) {
                        r.fail(QStringLiteral("%1번째 기록의 책번호 \"%2\"이(가) 숫자가 아닙니다.").arg(i + 1).arg(t));
                    }
                };
                d.bookVolume = number(0);
                d.bookNumber = number(3);
                d.serialNumber = cp949::decode(book.mid(6, 7));
                fromStatement = book.size() >= 14 && book.at(13) != '0';
            }
            d.bill = r.amount(layout.slot(5));
            d.check = r.amount(layout.slot(6));
            d.cash = r.amount(layout.slot(7));
            d.credit = r.amount(layout.slot(8));
            if (descriptionStored)
                d.description = r.text(layout.slot(9));
            break;
        }
        default: {
            const StoredLine stored{.month = r.view(layout.slot(2)),
                                    .day = r.view(layout.slot(3)),
                                    .item = Prefix(r.view(layout.slot(9)), kItemBytes),
                                    .spec = Prefix(r.view(layout.slot(4)), kSpecBytes),
                                    .unit = layout.hasUnit() ? r.view(layout.slot(10)) : QByteArrayView(),
                                    .remark = r.view(layout.slot(1))};
            const Money quantity = r.amount(layout.slot(7));
            const Money price = r.amount(layout.slot(8));
            const Money supply = r.amount(layout.slot(6));
            const Money tax = r.amount(layout.slot(5));
            const bool dateBlank = IsAllBlanks(stored.month) && IsAllBlanks(stored.day);
            if (dateBlank && IsAllBlanks(stored.item) && IsAllBlanks(stored.spec) && quantity == Money() &&
                price == Money() && supply == Money() && tax == Money())
                break; // a line without content leaves no line

            // An amount this program's columns cannot hold is refused, never shown blank or as 0.
            const int lineNumber = int(lines.size()) + 1;
            auto held = [&](AmountColumn column, Money value) {
                if (!Holds(column, value))
                    r.fail(QStringLiteral("%1번째 줄의 %2 %3은(는) 이 칸에 들어갈 수 없는 값입니다.")
                               .arg(lineNumber)
                               .arg(LimitsOf(column).name, DecimalText(value)));
                return value;
            };
            InvoiceLine line;
            line.quantity = held(AmountColumn::Quantity, quantity);
            // "1.50" shows as written again; the bytes are read as text only where they hold a point.
            if (const QByteArrayView written = r.view(layout.slot(7)); written.contains('.'))
                line.quantityDecimals = WrittenDecimals(quantity, QString::fromLatin1(written));
            line.unitPrice = held(AmountColumn::UnitPrice, price);
            line.supply = held(AmountColumn::Supply, supply);
            line.tax = held(AmountColumn::Tax, tax);

            // Lines often repeat the line above in their date, unit, 규격 or remark: a text stored
            // with the same bytes as the one above shares its text instead of making another.
            const InvoiceLine *above = lines.isEmpty() ? nullptr : &lines.back();
            auto same = [&](QByteArrayView StoredLine::*field) {
                return above && SameBytes(aboveBytes.*field, stored.*field);
            };
            auto text = [&](QByteArrayView StoredLine::*field, QString InvoiceLine::*out) {
                if (same(field))
                    line.*out = above->*out;
                else
                    line.*out = cp949::decode((stored.*field).data(), (stored.*field).size());
            };
            if (same(&StoredLine::month) && same(&StoredLine::day))
                line.date = above->date;
            else if (!dateBlank)
                line.date = cp949::decodeJoined(stored.month, u'/', stored.day);
            text(&StoredLine::item, &InvoiceLine::item);
            text(&StoredLine::spec, &InvoiceLine::spec);
            text(&StoredLine::remark, &InvoiceLine::remark);
            text(&StoredLine::unit, &InvoiceLine::unit);
            aboveBytes = stored;
            lines.append(std::move(line));
            break;
        }
        }
    }

    InvoiceLoadResult result{std::move(d), RenamedInvoiceFileName(generation, page, fileName), generation,
                             fromStatement, false};
    InvoiceDocument &doc = result.document;

    if (fromStatement && page == GridKind::TaxInvoice) {
        // One summary line in place of the statement's lines, with the totals of those lines.
        Money supplyTotal, taxTotal;
        for (const InvoiceLine &line : lines) {
            supplyTotal += line.supply;
            taxTotal += line.tax;
        }
        // Totals the tax invoice's line cannot hold are refused, never shown blank.
        for (const auto &[column, value] :
             {std::pair{AmountColumn::Supply, supplyTotal}, std::pair{AmountColumn::Tax, taxTotal}})
            if (!Holds(column, value))
                refuse(QStringLiteral("거래명세서의 %1 합계 %2은(는) 세금계산서의 한 줄에 담을 수 없습니다.")
                           .arg(LimitsOf(column).name, TotalText(value)));
        InvoiceLine &summary = doc.lines[0];
        summary.date = doc.statementDate.mid(5, 2) + u'/' + doc.statementDate.mid(8, 2);
        summary.item = doc.description + QStringLiteral("외");
        summary.supply = supplyTotal;
        summary.tax = taxTotal;
        result.summarised = true;
        // The document is no longer the statement; saving it under the statement's name would lose the
        // statement's lines, whatever the extension.
        result.curFileName = kUnnamedDocumentName;
        return result;
    }

    const int capacity = ItemRowCount(doc.kind());
    if (lines.size() > capacity)
        refuse(
            QStringLiteral("품목이 %1줄이라 이 화면의 %2줄에 모두 담을 수 없습니다.").arg(lines.size()).arg(capacity));
    for (int i = 0; i < lines.size(); ++i)
        doc.lines[i] = std::move(lines[i]);
    return result;
}

QByteArray WriteInvoiceFile(const InvoiceDocument &d) {
    const InvoiceLayout &L = kCurrent;
    const std::int32_t buyerKind = static_cast<std::int32_t>(d.buyerKind);
    const int rowCount = ItemRowCount(d.kind());

    // Every amount is checked before the first record is made.
    QList<std::array<QString, 4>> amounts;
    amounts.reserve(rowCount);
    for (int r = 0; r < rowCount; ++r) {
        const InvoiceLine line = d.lines.value(r);
        amounts.append(
            {LineAmountText(AmountColumn::Tax, line.tax, L.slot(5).capacity, r + 1),
             LineAmountText(AmountColumn::Supply, line.supply, L.slot(6).capacity, r + 1),
             LineAmountText(AmountColumn::Quantity, line.quantity, L.slot(7).capacity, r + 1, line.quantityDecimals),
             LineAmountText(AmountColumn::UnitPrice, line.unitPrice, L.slot(8).capacity, r + 1)});
    }

    QByteArray out;
    out.reserve((3 + rowCount) * L.size);
    auto start = [&](int type) {
        RecordWriter w(L.size);
        w.int32At(L.typeOffset, type);
        w.int32At(L.buyerKindOffset, buyerKind);
        return w;
    };

    RecordWriter supplier = start(1);
    supplier.text(L.slot(1), d.issueDate);
    supplier.text(L.slot(4), d.supplier.name);
    supplier.text(L.slot(5), d.supplier.representative);
    supplier.text(L.slot(6), d.supplier.number);
    supplier.text(L.slot(7), d.supplier.businessType);
    supplier.text(L.slot(8), d.supplier.businessItem);
    supplier.text(L.slot(9), d.supplier.address);
    out += supplier.bytes();

    RecordWriter buyer = start(2);
    buyer.text(L.slot(1), d.statementDate);
    buyer.text(L.slot(4), d.buyer.name);
    buyer.text(L.slot(5), d.buyer.representative);
    buyer.text(L.slot(6), d.buyer.number);
    buyer.text(L.slot(7), d.buyer.businessType);
    buyer.text(L.slot(8), d.buyer.businessItem);
    buyer.text(L.slot(9), d.buyer.address);
    out += buyer.bytes();

    RecordWriter totals = start(3);
    totals.text(L.slot(1), d.receipt ? QStringLiteral("A") : QStringLiteral("B"));
    totals.text(L.slot(4), BookNumberText(d.bookVolume, {0, u"책번호(권)"}) +
                               BookNumberText(d.bookNumber, {0, u"책번호(호)"}) + SerialNumberText(d.serialNumber) +
                               (d.statement ? u'1' : u'0'));
    totals.text(L.slot(5), TotalAmountText(d.bill, L.slot(5).capacity, {0, u"어음"}));
    totals.text(L.slot(6), TotalAmountText(d.check, L.slot(6).capacity, {0, u"수표"}));
    totals.text(L.slot(7), TotalAmountText(d.cash, L.slot(7).capacity, {0, u"현금"}));
    totals.text(L.slot(8), TotalAmountText(d.credit, L.slot(8).capacity, {0, u"외상미수금"}));
    totals.text(L.slot(9), d.description);
    out += totals.bytes();

    for (int r = 0; r < rowCount; ++r) {
        const InvoiceLine line = d.lines.value(r);
        RecordWriter record = start(kFirstLineType + r);
        record.text(L.slot(1), cp949::cutToBytes(line.remark, kRemarkBytes));
        record.text(L.slot(2), line.date.mid(0, 2));
        record.text(L.slot(3), line.date.mid(3, 2));
        record.text(L.slot(4), cp949::cutToBytes(line.spec, kSpecBytes));
        record.text(L.slot(5), amounts[r][0]);
        record.text(L.slot(6), amounts[r][1]);
        record.text(L.slot(7), amounts[r][2]);
        record.text(L.slot(8), amounts[r][3]);
        record.text(L.slot(9), cp949::cutToBytes(line.item, kItemBytes));
        record.text(L.slot(10), cp949::cutToBytes(line.unit, kUnitBytes));
        out += record.bytes();
    }
    return out;
}

InvoiceLoadResult LoadInvoiceFile(const QString &path, GridKind page) {
    InvoiceLoadResult result = ReadInvoiceFile(ReadDocumentBytes(path), path, page);
    // A file of that name in another case is the same document: saving goes on in it rather than writing
    // a second one beside it.
    if (result.curFileName != path && result.curFileName != kUnnamedDocumentName)
        result.curFileName = storage::ExistingNameIgnoringCase(result.curFileName);
    return result;
}

storage::FileFingerprint SaveInvoiceFile(const QString &path, const InvoiceDocument &document) {
    QByteArray bytes;
    try {
        bytes = WriteInvoiceFile(document);
    } catch (const NumberConversionError &e) {
        throw NumberConversionError(e.text(), storage::UnsavedFileMessage(path, e.message()));
    } catch (const AmountTooLargeError &e) {
        throw AmountTooLargeError(storage::UnsavedFileMessage(path, e.message()));
    }
    WriteDocumentBytes(path, bytes);
    return storage::FingerprintOfBytes(bytes);
}
