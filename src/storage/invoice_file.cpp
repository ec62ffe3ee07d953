#include "invoice_file.h"

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

constexpr InvoiceLayout kCurrent{228,
                                 {{{0, 10}, {11, 2}, {14, 2}, {17, 35}, {53, 20}, {74, 14}, {89, 25}, {115, 25},
                                   {141, 70}, {212, 7}}},
                                 220,
                                 224};
constexpr InvoiceLayout kV35{220,
                             {{{0, 10}, {11, 2}, {14, 2}, {17, 35}, {53, 20}, {74, 14}, {89, 25}, {115, 25},
                               {141, 70}, {0, 0}}},
                             212,
                             216};
constexpr InvoiceLayout kV31{156,
                             {{{0, 10}, {11, 2}, {14, 2}, {17, 25}, {43, 10}, {54, 12}, {67, 15}, {83, 15},
                               {99, 52}, {0, 0}}},
                             152,
                             -1};

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

// Widths of the loaded amount cells. The supply cell uses the grid's own width, so that every supply the
// grid can hold (up to 9,999,999,999) comes back instead of a blank cell.
constexpr int kLoadedPriceWidth = 14;
constexpr int kLoadedSupplyWidth = kSupplyWidth;
constexpr int kLoadedTaxWidth = 14;

// Record type of the first item line; a line's type is its grid row plus 3.
constexpr int kFirstLineType = 4;

// The slots of an item line record, where they lie in the file being read.
struct StoredLine {
    QByteArrayView month, day, item, spec, unit, quantity, remark, unitPrice, supply, tax;
};

// One item line as read, before it is placed on a page.
struct LoadedLine {
    QString date, item, spec, unit, quantity, remark;
    QString unitPrice, supply, tax; // empty: the cell keeps the cleared row's text
};

QString AmountCell(QByteArrayView stored, Money value, int width) {
    if (stored.isEmpty() || stored == QByteArrayView("0"))
        return {};
    return FormatAmountText(value, width);
}

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

// Fills a page row from a loaded line; cells the line leaves alone keep the cleared row's text. The row is
// built anew rather than changed in place: the cleared row is usually shared with the caller's snapshot,
// and changing it would first copy every cell only to replace most of them.
void PlaceLine(QStringList &row, LoadedLine &&line, GridKind kind) {
    const InvoiceColumns c = ColumnsOf(kind);
    QStringList placed(row.size());
    QString *cells = placed.data();
    auto orKept = [&](QString &loaded, int column) {
        if (loaded.isEmpty())
            cells[column] = row.at(column);
        else
            cells[column] = std::move(loaded);
    };
    if (line.date.isNull())
        cells[c.date] = row.at(c.date);
    else
        cells[c.date] = std::move(line.date);
    cells[c.item] = std::move(line.item);
    cells[c.spec] = std::move(line.spec);
    cells[c.unit] = std::move(line.unit);
    cells[c.quantity] = std::move(line.quantity);
    orKept(line.unitPrice, c.unitPrice);
    orKept(line.supply, c.supply);
    orKept(line.tax, c.tax);
    cells[c.remark] = std::move(line.remark);
    row = std::move(placed);
}

// Makes sure the snapshot's grids have their fixed shape before rows are filled in.
void EnsureGridShape(QList<QStringList> &rows, GridKind kind) {
    bool ok = rows.size() == ItemRowCount(kind);
    for (const QStringList &row : rows)
        ok = ok && row.size() == ColumnCount(kind);
    if (!ok)
        rows = EmptyItemRows(kind);
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

[[noreturn]] void RefuseNumber(const QString &text, const FieldName &field) {
    const QString what = field.text();
    throw NumberConversionError(text, QStringLiteral("%1 \"%2\"이(가) 숫자가 아닙니다.").arg(what, text.trimmed()));
}

[[noreturn]] void RefuseTooLong(const QString &text, const FieldName &field) {
    const QString what = field.text();
    throw NumberConversionError(
        text, QStringLiteral("%1 \"%2\"이(가) 너무 커서 파일에 담을 수 없습니다.").arg(what, text.trimmed()));
}

Money CheckedAmount(const QString &text, const FieldName &what) {
    try {
        return ParseAmount(text);
    } catch (const NumberConversionError &) {
        RefuseNumber(text, what);
    }
}

// True for a text of blanks with at most one "0" among them, without making a copy of it.
bool IsBlankOrZero(const QString &text) {
    int zeros = 0;
    for (QChar ch : text) {
        if (ch == u'0')
            ++zeros;
        else if (ch != u' ')
            return false;
    }
    return zeros <= 1;
}

// An amount cell as stored in a line record: the grid text without "," and surrounding blanks.
QString LineAmountText(const QString &cell, int capacity, const FieldName &what) {
    // Most cells of a document are empty or an empty row's zero: stored as "" or "0" without parsing.
    if (IsBlankOrZero(cell))
        return cell.contains(u'0') ? QStringLiteral("0") : QString();
    const QString text = RemoveChar(u',', cell);
    const Money value = CheckedAmount(text, what);
    if (cp949::byteLength(text) <= capacity)
        return text;
    const QString shortest = DecimalText(value);
    if (shortest.size() <= capacity)
        return shortest;
    RefuseTooLong(cell, what);
}

// A payment amount as stored in the totals record: its shortest decimal text.
QString TotalAmountText(const QString &field, int capacity, const FieldName &what) {
    QString text = field;
    text.remove(QChar(cp949::WonSign));
    const QString shortest = DecimalText(CheckedAmount(text, what));
    if (shortest.size() > capacity)
        RefuseTooLong(field, what);
    return shortest;
}

// A book number (volume or issue) as its three zero-padded digits.
QString BookNumberText(const QString &field, const FieldName &what) {
    const Money value = CheckedAmount(field, what);
    if (value.raw() < 0 || value.raw() % Money::Scale != 0 || value.won() > 999)
        throw NumberConversionError(field, QStringLiteral("%1 \"%2\"은(는) 0부터 999까지의 정수여야 합니다.")
                                               .arg(what.text(), field.trimmed()));
    return PadLeftChar(u'0', QString::number(value.won()), 3);
}

// The serial number in exactly 7 bytes, as the readers take it from its fixed position.
QString SerialNumberText(const QString &field) {
    QString text = cp949::cutToBytes(field, 7);
    return text + QString(7 - cp949::byteLength(text), u' ');
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

InvoiceLoadResult ReadInvoiceFile(const QByteArray &bytes, const QString &fileName, GridKind page,
                                  InvoiceSnapshot cleared) {
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

    InvoiceSnapshot s = std::move(cleared);
    s.statement = page == GridKind::Statement;
    EnsureGridShape(s.dGrid, GridKind::TaxInvoice);
    EnsureGridShape(s.gGrid, GridKind::Statement);
    if (generation == InvoiceFileGeneration::V31)
        s.Gbn = BuyerKind::Business;

    const bool descriptionStored = fileName.right(3).toUpper() == StatementExtension(generation);
    bool fromStatement = false;
    // Kept on the stack for the documents the program writes (at most 30 lines): a block of this size from
    // the heap would make the allocator sweep up every small block freed before it, on every load.
    QVarLengthArray<LoadedLine, 30> lines;
    StoredLine aboveBytes; // the slots of the last line kept

    const int count = int(bytes.size() / layout.size);
    for (int i = 0; i < count; ++i) {
        const RecordReader r(bytes, qsizetype(i) * layout.size, layout.size, i, fileName);
        const std::int32_t type = r.int32At(layout.typeOffset);
        if (i == 0 && type != 1)
            refuse(QStringLiteral("세금계산서나 거래명세서 파일이 아닙니다."));
        switch (type) {
        case 1:
            s.DayEdt = r.text(layout.slot(1));
            s.aSangho = r.text(layout.slot(4));
            s.aName = r.text(layout.slot(5));
            s.aSaNo = r.text(layout.slot(6));
            s.aUpTea = r.text(layout.slot(7));
            s.aUpJong = r.text(layout.slot(8));
            s.aAddr = r.text(layout.slot(9));
            if (layout.buyerKindOffset >= 0)
                s.Gbn = r.int32At(layout.buyerKindOffset) != 0 ? BuyerKind::Individual : BuyerKind::Business;
            break;
        case 2: {
            s.grDay = r.text(layout.slot(1));
            s.bSangho = r.text(layout.slot(4));
            s.bName = r.text(layout.slot(5));
            const QString number = r.text(layout.slot(6));
            if (s.Gbn == BuyerKind::Individual)
                s.JuMinNo = number;
            else
                s.bSaNo = number;
            s.bUpTea = r.text(layout.slot(7));
            s.bUpJong = r.text(layout.slot(8));
            s.bAddr = r.text(layout.slot(9));
            break;
        }
        case 3: {
            s.receipt = r.text(layout.slot(1)) == u"A";
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
                s.DtyfNo = number(0);
                s.DtyeNo = number(3);
                s.DtysNo = cp949::decode(book.mid(6, 7));
                fromStatement = book.size() >= 14 && book.at(13) != '0';
            }
            s.Billmy = DecimalText(r.amount(layout.slot(5)));
            s.Checkmy = DecimalText(r.amount(layout.slot(6)));
            s.Cashmy = DecimalText(r.amount(layout.slot(7)));
            s.Creditmy = DecimalText(r.amount(layout.slot(8)));
            if (descriptionStored)
                s.grEdit = r.text(layout.slot(9));
            break;
        }
        default: {
            const StoredLine stored{.month = r.view(layout.slot(2)),
                                    .day = r.view(layout.slot(3)),
                                    .item = Prefix(r.view(layout.slot(9)), kItemBytes),
                                    .spec = Prefix(r.view(layout.slot(4)), kSpecBytes),
                                    .unit = layout.hasUnit() ? r.view(layout.slot(10)) : QByteArrayView(),
                                    .quantity = r.view(layout.slot(7)),
                                    .remark = r.view(layout.slot(1)),
                                    .unitPrice = r.view(layout.slot(8)),
                                    .supply = r.view(layout.slot(6)),
                                    .tax = r.view(layout.slot(5))};
            const Money quantity = r.amount(layout.slot(7));
            const Money price = r.amount(layout.slot(8));
            const Money supply = r.amount(layout.slot(6));
            const Money tax = r.amount(layout.slot(5));
            const bool dateBlank = IsAllBlanks(stored.month) && IsAllBlanks(stored.day);
            if (dateBlank && IsAllBlanks(stored.item) && IsAllBlanks(stored.spec) && quantity == Money() &&
                price == Money() && supply == Money() && tax == Money())
                break; // a line without content leaves no row

            // Lines often repeat the line above in their date, unit, specification, remark, quantity or price:
            // a cell stored with the same bytes as the one above shares its text instead of making another.
            // (if rather than ?:, which would turn the new text into a const copy and copy it once more)
            LoadedLine line;
            const LoadedLine *above = lines.isEmpty() ? nullptr : &lines.back();
            auto same = [&](QByteArrayView StoredLine::*field) {
                return above && SameBytes(aboveBytes.*field, stored.*field);
            };
            auto cell = [&](QByteArrayView StoredLine::*field, QString LoadedLine::*text, auto make) {
                if (same(field))
                    line.*text = above->*text;
                else
                    line.*text = make();
            };
            auto decoded = [](QByteArrayView b) { return cp949::decode(b.data(), b.size()); };
            if (same(&StoredLine::month) && same(&StoredLine::day))
                line.date = above->date;
            else if (!dateBlank)
                line.date = cp949::decodeJoined(stored.month, u'/', stored.day);
            cell(&StoredLine::item, &LoadedLine::item, [&] { return decoded(stored.item); });
            cell(&StoredLine::spec, &LoadedLine::spec, [&] { return decoded(stored.spec); });
            cell(&StoredLine::quantity, &LoadedLine::quantity, [&] {
                const QByteArrayView q = stored.quantity;
                return q.isEmpty() || q == QByteArrayView("0") ? QString() : decoded(q);
            });
            cell(&StoredLine::unitPrice, &LoadedLine::unitPrice,
                 [&] { return AmountCell(stored.unitPrice, price, kLoadedPriceWidth); });
            cell(&StoredLine::supply, &LoadedLine::supply,
                 [&] { return AmountCell(stored.supply, supply, kLoadedSupplyWidth); });
            cell(&StoredLine::tax, &LoadedLine::tax, [&] { return AmountCell(stored.tax, tax, kLoadedTaxWidth); });
            cell(&StoredLine::remark, &LoadedLine::remark, [&] { return decoded(stored.remark); });
            cell(&StoredLine::unit, &LoadedLine::unit, [&] { return decoded(stored.unit); });
            aboveBytes = stored;
            lines.append(std::move(line));
            break;
        }
        }
    }

    InvoiceLoadResult result{std::move(s), RenamedInvoiceFileName(generation, page, fileName), generation,
                             fromStatement, false};
    InvoiceSnapshot &doc = result.snapshot;

    if (fromStatement && page == GridKind::TaxInvoice) {
        // One summary line in place of the statement's lines, with the totals of those lines.
        Money supplyTotal, taxTotal;
        const Money zero;
        for (const LoadedLine &line : lines) {
            supplyTotal += line.supply.isEmpty() ? zero : ParseAmount(line.supply);
            taxTotal += line.tax.isEmpty() ? zero : ParseAmount(line.tax);
        }
        doc.dGrid = EmptyItemRows(GridKind::TaxInvoice);
        const InvoiceColumns c = ColumnsOf(GridKind::TaxInvoice);
        QStringList &row = doc.dGrid[0];
        row[c.date] = doc.grDay.mid(5, 2) + u'/' + doc.grDay.mid(8, 2);
        row[c.item] = doc.grEdit + QStringLiteral("외");
        row[c.supply] = FormatAmountText(supplyTotal, kLoadedSupplyWidth);
        row[c.tax] = FormatAmountText(taxTotal, kLoadedTaxWidth);
        result.summarised = true;
        // The document is no longer the statement; saving it under the statement's name would lose the
        // statement's lines, whatever the extension.
        result.curFileName = kUnnamedDocumentName;
        return result;
    }

    const int capacity = ItemRowCount(doc.kind());
    if (lines.size() > capacity)
        refuse(QStringLiteral("품목이 %1줄이라 이 화면의 %2줄에 모두 담을 수 없습니다.").arg(lines.size()).arg(capacity));
    for (int i = 0; i < lines.size(); ++i)
        PlaceLine(doc.rows()[i], std::move(lines[i]), doc.kind());
    return result;
}

QByteArray WriteInvoiceFile(const InvoiceSnapshot &s) {
    const InvoiceLayout &L = kCurrent;
    const GridKind kind = s.kind();
    const InvoiceColumns c = ColumnsOf(kind);
    const std::int32_t buyerKind = static_cast<std::int32_t>(s.Gbn);
    const int rowCount = ItemRowCount(kind);

    QByteArray out;
    out.reserve((3 + rowCount) * L.size);
    auto start = [&](int type) {
        RecordWriter w(L.size);
        w.int32At(L.typeOffset, type);
        w.int32At(L.buyerKindOffset, buyerKind);
        return w;
    };

    RecordWriter supplier = start(1);
    supplier.text(L.slot(1), s.DayEdt);
    supplier.text(L.slot(4), s.aSangho);
    supplier.text(L.slot(5), s.aName);
    supplier.text(L.slot(6), s.aSaNo);
    supplier.text(L.slot(7), s.aUpTea);
    supplier.text(L.slot(8), s.aUpJong);
    supplier.text(L.slot(9), s.aAddr);
    out += supplier.bytes();

    RecordWriter buyer = start(2);
    buyer.text(L.slot(1), s.grDay);
    buyer.text(L.slot(4), s.bSangho);
    buyer.text(L.slot(5), s.bName);
    buyer.text(L.slot(6), s.Gbn == BuyerKind::Individual ? s.JuMinNo : s.bSaNo);
    buyer.text(L.slot(7), s.bUpTea);
    buyer.text(L.slot(8), s.bUpJong);
    buyer.text(L.slot(9), s.bAddr);
    out += buyer.bytes();

    RecordWriter totals = start(3);
    totals.text(L.slot(1), s.receipt ? QStringLiteral("A") : QStringLiteral("B"));
    totals.text(L.slot(4), BookNumberText(s.DtyfNo, {0, u"책번호(권)"}) +
                               BookNumberText(s.DtyeNo, {0, u"책번호(호)"}) +
                               SerialNumberText(s.DtysNo) + (s.statement ? u'1' : u'0'));
    totals.text(L.slot(5), TotalAmountText(s.Billmy, L.slot(5).capacity, {0, u"어음"}));
    totals.text(L.slot(6), TotalAmountText(s.Checkmy, L.slot(6).capacity, {0, u"수표"}));
    totals.text(L.slot(7), TotalAmountText(s.Cashmy, L.slot(7).capacity, {0, u"현금"}));
    totals.text(L.slot(8), TotalAmountText(s.Creditmy, L.slot(8).capacity, {0, u"외상미수금"}));
    totals.text(L.slot(9), s.grEdit);
    out += totals.bytes();

    const QList<QStringList> &rows = s.rows();
    for (int r = 0; r < rowCount; ++r) {
        const QStringList row = rows.value(r);
        auto cell = [&](int col) { return row.value(col); };
        auto what = [&](const char16_t *column) { return FieldName{r + 1, column}; };
        RecordWriter line = start(kFirstLineType + r);
        line.text(L.slot(1), cp949::cutToBytes(cell(c.remark), kRemarkBytes));
        const QString date = cell(c.date);
        line.text(L.slot(2), date.mid(0, 2));
        line.text(L.slot(3), date.mid(3, 2));
        line.text(L.slot(4), cp949::cutToBytes(cell(c.spec), kSpecBytes));
        line.text(L.slot(5), LineAmountText(cell(c.tax), L.slot(5).capacity, what(u"세액")));
        line.text(L.slot(6), LineAmountText(cell(c.supply), L.slot(6).capacity, what(u"공급가액")));
        line.text(L.slot(7), LineAmountText(cell(c.quantity), L.slot(7).capacity, what(u"수량")));
        line.text(L.slot(8), LineAmountText(cell(c.unitPrice), L.slot(8).capacity, what(u"단가")));
        line.text(L.slot(9), cp949::cutToBytes(cell(c.item), kItemBytes));
        line.text(L.slot(10), cp949::cutToBytes(cell(c.unit), kUnitBytes));
        out += line.bytes();
    }
    return out;
}

InvoiceLoadResult LoadInvoiceFile(const QString &path, GridKind page, InvoiceSnapshot cleared) {
    InvoiceLoadResult result = ReadInvoiceFile(ReadDocumentBytes(path), path, page, std::move(cleared));
    // A file of that name in another case is the same document: saving goes on in it rather than writing
    // a second one beside it.
    if (result.curFileName != path && result.curFileName != kUnnamedDocumentName)
        result.curFileName = storage::ExistingNameIgnoringCase(result.curFileName);
    return result;
}

void SaveInvoiceFile(const QString &path, const InvoiceSnapshot &snapshot) {
    QByteArray bytes;
    try {
        bytes = WriteInvoiceFile(snapshot);
    } catch (const NumberConversionError &e) {
        throw NumberConversionError(e.text(), storage::UnsavedFileMessage(path, e.message()));
    }
    WriteDocumentBytes(path, bytes);
}
