#include "document_io.h"
#include "fixtures.h"
#include "invoice_file.h"
#include "quotation_file.h"

#include "amount_columns.h"
#include "codec.h"
#include "disk_limits.h"
#include "errors.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <functional>

#include <csignal>
#include <sys/wait.h>
#include <utime.h>
#include <unistd.h>

using namespace fx;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

QByteArray OldInvoice() {
    return Join({V35(1).str(S4, "옛상호"), V35(2).str(S4, "구매처"), V35(3),
                 V35(4).str(S9, "품목").str(S7, "1").str(S8, "100").str(S6, "100").str(S5, "10")});
}

} // namespace

TEST(DocumentIo, AReadOnlyDocumentOpens) {
    ScratchAppFolder dir;
    dir.write(S("ro.Dnt"), OldInvoice());
    const QString path = dir.file(S("ro.Dnt"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const InvoiceLoadResult r = LoadInvoiceFile(path, GridKind::TaxInvoice);
    EXPECT_EQ(r.document.supplier.name, S("옛상호"));
    EXPECT_EQ(r.curFileName, dir.file(S("ro.Dy5")));
}

TEST(DocumentIo, OpeningAnOldFileAndSavingLeavesTheOldFileUntouched) {
    ScratchAppFolder dir;
    const QByteArray old = OldInvoice();
    dir.write(S("doc.Dnt"), old);
    const InvoiceLoadResult r = LoadInvoiceFile(dir.file(S("doc.Dnt")), GridKind::TaxInvoice);
    ASSERT_EQ(r.curFileName, dir.file(S("doc.Dy5")));
    SaveInvoiceFile(r.curFileName, r.document);
    EXPECT_EQ(dir.read(S("doc.Dnt")), old);
    const QByteArray saved = dir.read(S("doc.Dy5"));
    EXPECT_EQ(saved.size(), 1824);
    const InvoiceLoadResult again = LoadInvoiceFile(r.curFileName, GridKind::TaxInvoice);
    EXPECT_EQ(again.document.lines, r.document.lines);
    EXPECT_EQ(again.document.lines[0].item, S("품목"));
    EXPECT_EQ(again.curFileName, r.curFileName);
}

TEST(DocumentIo, ARefusedSaveLeavesTheOldFileWhole) {
    ScratchAppFolder dir;
    QuotationDocument q;
    q.recipient = S("처음");
    const QString path = dir.file(S("q.Prc"));
    SaveQuotationFile(path, q);
    const QByteArray first = dir.read(S("q.Prc"));
    ASSERT_EQ(first.size(), 5301);

    q.recipient = S("두번째");
    q.lines[3].quantity = Money::fromWon(-3);
    try {
        SaveQuotationFile(path, q);
        FAIL() << "saved a negative quantity";
    } catch (const NumberConversionError &e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(e.message().contains(S("4번째 줄의 수량")));
    }
    EXPECT_EQ(dir.read(S("q.Prc")), first);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{S("q.Prc")}); // nothing left beside it

    // An amount wider than its column: the refusal names the file, as every refused save does.
    InvoiceDocument d = InvoiceDocument::empty(false);
    d.lines[0].supply = Money::fromWon(10'000'000'000);
    const QString invoice = dir.file(S("i.Dy5"));
    dir.write(S("i.Dy5"), S("old").toUtf8());
    try {
        SaveInvoiceFile(invoice, d);
        FAIL() << "saved a supply wider than its column";
    } catch (const AppError &e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(invoice))) << e.message().toStdString();
    }
    EXPECT_EQ(dir.read(S("i.Dy5")), "old");
}

TEST(DocumentIo, FailuresNameTheFile) {
    ScratchAppFolder dir;
    auto message = [](const std::function<void()> &run) -> QString {
        try {
            run();
        } catch (const IoError &e) {
            return e.message();
        }
        return S("no error");
    };
    const QString missing = dir.file(S("없는파일.Dy5"));
    EXPECT_TRUE(message([&] { ReadDocumentBytes(missing); }).contains(QDir::toNativeSeparators(missing)));
    const QString noFolder = dir.file(S("없는폴더/a.Prc"));
    EXPECT_TRUE(message([&] { WriteDocumentBytes(noFolder, "x"); }).contains(QDir::toNativeSeparators(noFolder)));
    EXPECT_TRUE(message([&] { WriteDocumentBytes(dir.path(), "x"); }).startsWith(S("파일을 저장할 수 없습니다")));

    // A file far larger than any document is refused without being taken for one.
    dir.write(S("big.Dy5"), QByteArray(2 * 1024 * 1024, 'x'));
    EXPECT_TRUE(message([&] { ReadDocumentBytes(dir.file(S("big.Dy5"))); }).contains(S("문서 파일이 아닙니다")));

    // A damaged document names the file it came from.
    dir.write(S("cut.Prc"), QByteArray(170, '\0'));
    const QString cut = dir.file(S("cut.Prc"));
    EXPECT_TRUE(message([&] { LoadQuotationFile(cut); }).contains(QDir::toNativeSeparators(cut)));
}

TEST(DocumentIo, SavingReplacesTheWholeFile) {
    ScratchAppFolder dir;
    dir.write(S("x.Gy5"), QByteArray(9000, 'z')); // longer than the new content
    const InvoiceDocument d = InvoiceDocument::empty(true);
    SaveInvoiceFile(dir.file(S("x.Gy5")), d);
    EXPECT_EQ(dir.read(S("x.Gy5")), WriteInvoiceFile(d));
}

namespace {

InvoiceDocument Statement(const char *buyer) {
    InvoiceDocument d = InvoiceDocument::empty(true);
    d.buyer.name = S(buyer);
    d.lines[0].item = S("볼펜");
    return d;
}

QStringList FilesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

} // namespace

// A full disk: the new statement does not fit beside the old one. The save reports it and the old
// statement stays whole, with nothing left beside it.
TEST(DocumentIo, ASaveOnAFullDiskReportsItAndKeepsTheOldDocument) {
    TinyDisk disk(12);
    if (!disk.available())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const QString path = disk.file(S("명세.Gy5"));
    SaveInvoiceFile(path, Statement("첫거래처"));
    const QByteArray first = ReadDocumentBytes(path);
    ASSERT_EQ(first.size(), 7524);

    EXPECT_THROW(SaveInvoiceFile(path, Statement("둘째거래처")), IoError);
    EXPECT_EQ(ReadDocumentBytes(path), first);
    EXPECT_EQ(FilesIn(disk.path()), QStringList{S("명세.Gy5")});

    // Not even a small tax invoice fits on a disk filled to the last byte; the old one stays.
    const QString invoice = disk.file(S("세금.Dy5"));
    ASSERT_TRUE(QFile::remove(path));
    SaveInvoiceFile(invoice, InvoiceDocument::empty(false));
    const QByteArray invoiceBytes = ReadDocumentBytes(invoice);
    disk.fill(S("filler"));
    InvoiceDocument changed = InvoiceDocument::empty(false);
    changed.buyer.name = S("바뀐거래처");
    try {
        SaveInvoiceFile(invoice, changed);
        FAIL() << "a save on a full disk reported success";
    } catch (const IoError &e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(invoice)));
    }
    EXPECT_EQ(ReadDocumentBytes(invoice), invoiceBytes);
}

// A file size limit (as "ulimit -f 1" sets it) stops the write after 1,024 bytes.
TEST(DocumentIo, ASaveBeyondTheFileSizeLimitReportsItAndKeepsTheOldDocument) {
    ScratchAppFolder dir;
    const QString path = dir.file(S("명세.Gy5"));
    SaveInvoiceFile(path, Statement("첫거래처"));
    const QByteArray first = dir.read(S("명세.Gy5"));
    const int code = RunWithFileSizeLimit(1024, [&] {
        try {
            SaveInvoiceFile(path, Statement("둘째거래처"));
        } catch (const IoError &) {
            return 0;
        }
        return 1;
    });
    EXPECT_EQ(code, 0) << "the save did not report the failed write";
    EXPECT_EQ(dir.read(S("명세.Gy5")), first);
    EXPECT_EQ(FilesIn(dir.path()), QStringList{S("명세.Gy5")});
}

// A program killed at any moment of a save leaves one of the two documents whole.
TEST(DocumentIo, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewDocumentWhole) {
    ScratchAppFolder dir;
    const QString path = dir.file(S("명세.Gy5"));
    const InvoiceDocument a = Statement("가나상사");
    const InvoiceDocument b = Statement("다라물산");
    SaveInvoiceFile(path, a);
    const QByteArray bytesA = WriteInvoiceFile(a);
    const QByteArray bytesB = WriteInvoiceFile(b);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0;; ++i)
                SaveInvoiceFile(path, i % 2 ? a : b);
        }
        ASSERT_GT(child, 0);
        ::usleep(useconds_t(2000 + round * 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray now = dir.read(S("명세.Gy5"));
        ASSERT_TRUE(now == bytesA || now == bytesB) << "round " << round << ": " << now.size() << " bytes";
    }
}

// What killed saves leave behind goes with the next save into the folder once it is a minute old; a
// temporary file still young (perhaps another PC's save in progress) and others' files stay.
TEST(DocumentIo, TheNextSaveRemovesWhatKilledSavesLeftBehind) {
    ScratchAppFolder dir;
    auto make = [&](const char *name, int ageSeconds) {
        dir.write(S(name), "partial");
        const QByteArray path = QFile::encodeName(dir.file(S(name)));
        const time_t then = ::time(nullptr) - ageSeconds;
        const struct utimbuf times { then, then };
        ::utime(path.constData(), &times);
    };
    make("명세.Gy5.tmp-1x2y3z", 120);
    make("old.DNT.tmp-abc", 3600);
    make("명세.Gy5.tmp-young1", 5);
    make("notes.txt.tmp-abc", 3600);
    make("명세.Gy5.tmp-not_ours!", 3600);
    SaveInvoiceFile(dir.file(S("명세.Gy5")), Statement("가나상사"));
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, (QStringList{S("notes.txt.tmp-abc"), S("명세.Gy5"), S("명세.Gy5.tmp-not_ours!"),
                                 S("명세.Gy5.tmp-young1")}));
}

namespace {

Money W(std::int64_t won) { return Money::fromWon(won); }

// The count of whole digits of the widest whole number of that sign the column holds.
int WholeDigits(AmountColumn column, int sign) {
    int digits = 0;
    for (std::int64_t nines = 9; digits < 15 && Holds(column, W(sign * nines)); nines = nines * 10 + 9)
        ++digits;
    return digits;
}

// Random amounts of every width a column holds, of either sign where it takes one, with as many
// decimals as it keeps; now and then 0.
class RandomAmounts {
public:
    explicit RandomAmounts(QRandomGenerator &rng) : rng_(rng) {
        for (int c = 0; c < kColumns; ++c)
            for (int negative = 0; negative < 2; ++negative)
                digits_[c][negative] = WholeDigits(AmountColumn(c), negative ? -1 : 1);
    }

    Money operator()(AmountColumn column) {
        const AmountLimits &limits = LimitsOf(column);
        for (;;) {
            if (rng_.bounded(8) == 0)
                return Money();
            const bool negative = limits.negative && rng_.bounded(2) == 1;
            const int digits = 1 + int(rng_.bounded(digits_[int(column)][negative]));
            std::int64_t whole = digits == 1 ? rng_.bounded(10) : 1 + rng_.bounded(9);
            for (int i = 1; i < digits; ++i)
                whole = whole * 10 + rng_.bounded(10);
            std::int64_t raw = whole * Money::Scale;
            std::int64_t unit = Money::Scale;
            for (int places = int(rng_.bounded(limits.decimals + 1)); places > 0; --places)
                unit /= 10;
            raw += std::int64_t(rng_.bounded(quint32(Money::Scale / unit))) * unit;
            const Money value = Money::fromRaw(negative ? -raw : raw);
            if (Holds(column, value)) // a quantity whose text rounds up past the column is tried again
                return value;
        }
    }

private:
    static constexpr int kColumns = int(AmountColumn::QuotationAmount) + 1;
    QRandomGenerator &rng_;
    int digits_[kColumns][2] = {};
};

// A random text of at most maxBytes CP949 bytes, Hangul and ASCII mixed.
QString RandomText(QRandomGenerator &rng, int maxBytes) {
    static const QString pool = QStringLiteral("가나다라마바사아자차카타파하값닭뷁 ABCxyz0789-().,/");
    const int target = int(rng.bounded(maxBytes + 1));
    QString text;
    for (int bytes = 0;;) {
        const QChar c = pool.at(rng.bounded(int(pool.size())));
        bytes += cp949::byteLength(QString(c));
        if (bytes > target)
            return text;
        text += c;
    }
}

QString RandomDate(QRandomGenerator &rng) {
    return QStringLiteral("%1.%2.%3")
        .arg(1990 + rng.bounded(40))
        .arg(1 + rng.bounded(12), 2, 10, QLatin1Char('0'))
        .arg(1 + rng.bounded(28), 2, 10, QLatin1Char('0'));
}

Party RandomParty(QRandomGenerator &rng) {
    return {RandomText(rng, 14), RandomText(rng, 35), RandomText(rng, 20),
            RandomText(rng, 70), RandomText(rng, 25), RandomText(rng, 25)};
}

// A payment: up to 8 whole digits and 4 decimals, either sign, so that every slot of the totals record holds it.
Money RandomPayment(QRandomGenerator &rng) {
    const Money value = Money::fromRaw(std::int64_t(rng.bounded(quint64(1'000'000'000'000))));
    return rng.bounded(2) ? -value : value;
}

// A document as the editor hands it to the writer: filled lines from the first on (the reader closes up
// gaps), texts within their slots, the serial number in its 7 characters; a tax invoice has no description.
InvoiceDocument RandomInvoice(QRandomGenerator &rng, RandomAmounts &amount, bool statement) {
    InvoiceDocument d = InvoiceDocument::empty(statement);
    d.supplier = RandomParty(rng);
    d.buyerKind = rng.bounded(2) ? BuyerKind::Individual : BuyerKind::Business;
    d.buyer = RandomParty(rng);
    d.issueDate = RandomDate(rng);
    d.statementDate = RandomDate(rng);
    d.bookVolume = QString::number(rng.bounded(1000));
    d.bookNumber = QString::number(rng.bounded(1000));
    d.serialNumber = QStringLiteral("%1-%2")
                         .arg(rng.bounded(100), 2, 10, QLatin1Char('0'))
                         .arg(rng.bounded(10000), 4, 10, QLatin1Char('0'));
    d.description = statement ? RandomText(rng, 70) : QString();
    d.cash = RandomPayment(rng);
    d.check = RandomPayment(rng);
    d.bill = RandomPayment(rng);
    d.credit = RandomPayment(rng);
    d.receipt = rng.bounded(2) == 1;
    const int filled = int(rng.bounded(d.lines.size() + 1));
    for (int i = 0; i < filled; ++i) {
        InvoiceLine &line = d.lines[i];
        if (rng.bounded(4) != 0)
            line.date = QStringLiteral("%1/%2")
                            .arg(1 + rng.bounded(12), 2, 10, QLatin1Char('0'))
                            .arg(1 + rng.bounded(31), 2, 10, QLatin1Char('0'));
        line.item = QStringLiteral("품") + RandomText(rng, 23);
        line.spec = RandomText(rng, 16);
        line.unit = RandomText(rng, 4);
        line.remark = RandomText(rng, 10);
        line.quantity = amount(AmountColumn::Quantity);
        // Now and then a quantity written with more decimals than it needs ("2.50").
        const int needed = int(DecimalText(line.quantity).section(u'.', 1).size());
        if (line.quantity != Money() && needed < kQuantityDecimals && rng.bounded(3) == 0)
            line.quantityDecimals = needed + 1 + int(rng.bounded(kQuantityDecimals - needed));
        line.unitPrice = amount(AmountColumn::UnitPrice);
        line.supply = amount(AmountColumn::Supply);
        line.tax = amount(AmountColumn::Tax);
    }
    return d;
}

// Whether the line's amount fits its column (a product too large to compute does not).
bool AmountHeld(const QuotationLine &line) {
    try {
        return Holds(AmountColumn::QuotationAmount, line.amount());
    } catch (const AppError &) {
        return false;
    }
}

QuotationDocument RandomQuotation(QRandomGenerator &rng, RandomAmounts &amount) {
    static const char *const kPhones[] = {"", "031- 123-4567", " 02-1234-5678", "010-9876-5432"};
    QuotationDocument q;
    q.recipient = RandomText(rng, 90);
    q.phone = QString::fromLatin1(kPhones[rng.bounded(4)]);
    q.contact = RandomText(rng, 90);
    q.address = RandomText(rng, 90);
    q.quoteDate = RandomDate(rng);
    q.deliveryDate = RandomDate(rng);
    for (int i = 0; i < kQuotationMemoLines; ++i)
        q.memo.append(RandomText(rng, 90));
    for (QuotationLine &line : q.lines) {
        if (rng.bounded(3) == 0)
            continue;
        line.item = RandomText(rng, 30);
        line.spec = RandomText(rng, 20);
        line.unit = RandomText(rng, 4);
        line.remark = RandomText(rng, 15);
        do {
            line.quantity = amount(AmountColumn::QuotationQuantity);
            line.unitPrice = amount(AmountColumn::QuotationUnitPrice);
        } while (!AmountHeld(line));
    }
    return q;
}

} // namespace

// Documents with amounts of every width their columns hold, of both signs where a column takes a minus sign,
// come back exactly as they were saved.
TEST(DocumentIo, RandomDocumentsComeBackExactly) {
    QRandomGenerator rng(20240527);
    RandomAmounts amount(rng);
    for (int i = 0; i < 300; ++i) {
        SCOPED_TRACE(i);
        const bool statement = i % 2 == 1;
        const InvoiceDocument d = RandomInvoice(rng, amount, statement);
        const InvoiceLoadResult back =
            ReadInvoiceFile(WriteInvoiceFile(d), statement ? S("r.Gy5") : S("r.Dy5"), d.kind());
        EXPECT_EQ(back.document, d);

        const QuotationDocument q = RandomQuotation(rng, amount);
        EXPECT_EQ(ReadQuotationFile(WriteQuotationFile(q), S("r.Prc")), q);
        if (HasFailure())
            break;
    }
}

namespace {

// The smallest and largest values of an amount column and a step beyond each, with the widest texts
// between, and values far beyond whose text is longer than the column.
struct ColumnEdges {
    AmountColumn column;
    Money InvoiceLine::*field; // in a tax invoice or statement line
    int offset;                // of the column's slot in a line record
    QList<Money> held;
    QList<Money> beyond;
};

const Money kQuantityStep = Money::fromRaw(1);

QList<ColumnEdges> InvoiceEdges() {
    // A quantity's digits fit in its 10 characters and show rounded to 2 decimals in 7.
    const Money qLow = Money::fromRaw(-999'999'940);   // -99,999.994
    const Money qHigh = Money::fromRaw(9'999'999'940); // 999,999.994
    return {
        {AmountColumn::Quantity,
         &InvoiceLine::quantity,
         S7,
         {qLow, qHigh, W(-10'000), Money::fromRaw(-1)},
         {qLow - kQuantityStep, qHigh + kQuantityStep, W(10'000'000'000), W(-1'000'000'000)}},
        {AmountColumn::UnitPrice,
         &InvoiceLine::unitPrice,
         S8,
         {W(-999'999'999), W(999'999'999), W(-100'000'000)},
         {W(-1'000'000'000), W(1'000'000'000), W(-100'000'000'000'000)}},
        {AmountColumn::Supply,
         &InvoiceLine::supply,
         S6,
         {W(-999'999'999), W(9'999'999'999), W(-100'000'000)},
         {W(-1'000'000'000), W(10'000'000'000)}},
        {AmountColumn::Tax,
         &InvoiceLine::tax,
         S5,
         {W(-999'999'999), W(999'999'999), W(-100'000'000)},
         {W(-1'000'000'000), W(1'000'000'000), W(-100'000'000'000'000)}},
    };
}

std::string Text(Money value) { return DecimalText(value).toStdString(); }

} // namespace

// Every amount column's smallest and largest values are saved and reopened whole; one step beyond is
// refused by the writer, and by the reader when a file holds it.
TEST(DocumentIo, AmountsAtTheColumnsLimitsComeBackWholeAndBeyondThemAreRefused) {
    for (bool statement : {false, true}) {
        const QString name = statement ? S("e.Gy5") : S("e.Dy5");
        const GridKind page = statement ? GridKind::Statement : GridKind::TaxInvoice;
        InvoiceDocument blank = InvoiceDocument::empty(statement);
        blank.serialNumber = S("00-0000");
        blank.lines[0].item = S("끝값");
        const QByteArray blankFile = WriteInvoiceFile(blank);
        for (const ColumnEdges &e : InvoiceEdges()) {
            const AmountLimits &limits = LimitsOf(e.column);
            SCOPED_TRACE(limits.name.toStdString() + (statement ? " on a statement" : " on a tax invoice"));
            for (const Money value : e.held) {
                InvoiceDocument d = blank;
                d.lines[0].*e.field = value;
                const InvoiceDocument back = ReadInvoiceFile(WriteInvoiceFile(d), name, page).document;
                EXPECT_EQ(back, d);
                // The same value placed into a file's slot by hand reads the same: the refusals below are
                // of the value, not of the way it was placed.
                const QByteArray placed = WithSlot(blankFile, 228, 3, e.offset, DecimalText(value).toLatin1());
                EXPECT_EQ(ReadInvoiceFile(placed, name, page).document.lines[0].*e.field, value);
            }
            for (const Money value : e.beyond) {
                InvoiceDocument d = blank;
                d.lines[0].*e.field = value;
                EXPECT_THROW(WriteInvoiceFile(d), AppError) << "writing " << Text(value);
                const QByteArray text = DecimalText(value).toLatin1();
                if (text.size() > limits.storedBytes)
                    continue;
                try {
                    ReadInvoiceFile(WithSlot(blankFile, 228, 3, e.offset, text), name, page);
                    ADD_FAILURE() << "a file holding " << Text(value) << " was read";
                } catch (const IoError &error) {
                    EXPECT_TRUE(error.message().contains(limits.name)) << error.message().toStdString();
                }
            }
        }
    }

    // A quotation's columns take no minus sign; the amount is quantity x unit price.
    struct QuotationEdge {
        AmountColumn column;
        Money quantity, unitPrice;
    };
    const QuotationEdge held[] = {
        {AmountColumn::QuotationQuantity, Money::fromRaw(9'999'999'940), Money()}, // 999,999.994
        {AmountColumn::QuotationQuantity, Money::fromRaw(1), W(1)},
        {AmountColumn::QuotationUnitPrice, W(1), W(999'999'999)},
        {AmountColumn::QuotationAmount, W(11), W(909'090'909)}, // 9,999,999,999
    };
    const QuotationEdge beyond[] = {
        {AmountColumn::QuotationQuantity, Money::fromRaw(9'999'999'941), Money()},
        {AmountColumn::QuotationQuantity, -kQuantityStep, W(1)},
        {AmountColumn::QuotationQuantity, W(10'000'000'000), Money()},
        {AmountColumn::QuotationUnitPrice, W(1), W(1'000'000'000)},
        {AmountColumn::QuotationUnitPrice, W(1), W(-1)},
        {AmountColumn::QuotationAmount, W(16), W(625'000'000)}, // 10,000,000,000
    };
    QuotationDocument blank;
    blank.memo = QStringList(kQuotationMemoLines);
    blank.lines[0].item = S("끝값");
    const QByteArray blankFile = WriteQuotationFile(blank);
    auto placed = [&](const QuotationEdge &e) {
        return WithInt64(WithInt64(blankFile, 171, 11, QQty, e.quantity.raw()), 171, 11, QPrice, e.unitPrice.raw());
    };
    for (const QuotationEdge &e : held) {
        SCOPED_TRACE(Text(e.quantity) + " x " + Text(e.unitPrice));
        QuotationDocument q = blank;
        q.lines[0].quantity = e.quantity;
        q.lines[0].unitPrice = e.unitPrice;
        EXPECT_EQ(ReadQuotationFile(WriteQuotationFile(q), S("e.Prc")), q);
        EXPECT_EQ(ReadQuotationFile(placed(e), S("e.Prc")), q);
    }
    for (const QuotationEdge &e : beyond) {
        SCOPED_TRACE(Text(e.quantity) + " x " + Text(e.unitPrice));
        QuotationDocument q = blank;
        q.lines[0].quantity = e.quantity;
        q.lines[0].unitPrice = e.unitPrice;
        EXPECT_THROW(WriteQuotationFile(q), AppError);
        try {
            ReadQuotationFile(placed(e), S("e.Prc"));
            ADD_FAILURE() << "a file holding the line was read";
        } catch (const IoError &error) {
            EXPECT_TRUE(error.message().contains(LimitsOf(e.column).name)) << error.message().toStdString();
        }
    }
}
