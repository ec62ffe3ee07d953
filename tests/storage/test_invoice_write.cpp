#include "fixtures.h"
#include "invoice_file.h"

#include "codec.h"
#include "errors.h"
#include "money.h"

#include <gtest/gtest.h>

using namespace fx;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }
Money W(std::int64_t won) { return Money::fromWon(won); }
QByteArray Slot(const QByteArray &file, int record, int offset) { return SlotAt(file, 228, record, offset); }

// The filled line's index: line 2 of a tax invoice, line 5 of a statement.
int FilledLine(bool statement) { return statement ? 4 : 1; }

InvoiceDocument Filled(bool statement) {
    InvoiceDocument d = InvoiceDocument::empty(statement);
    d.issueDate = S("2001.05.27");
    d.statementDate = S("2001.06.03");
    d.supplier = {S("123-45-67890"), S("(주)한빛상사"), S("홍길동"), S("서울시 중구"), S("도소매"), S("문구")};
    d.buyer = {S("214-86-12345"), S("대한물산"), S("김철수"), S("부산시"), QString(), QString()};
    d.bookVolume = S("7");
    d.bookNumber = S("12");
    d.serialNumber = S("12-3456");
    d.cash = W(150000);
    d.credit = Money::fromRaw(25'005'000); // 2500.5
    d.receipt = true;
    d.description = S("사무용품");
    d.lines[FilledLine(statement)] = {.date = S("05/27"),
                                      .item = S("볼펜"),
                                      .spec = S("0.7mm"),
                                      .unit = statement ? S("자루") : QString(),
                                      .remark = S("비고"),
                                      .quantity = Money::fromRaw(25'000),
                                      .unitPrice = W(1001),
                                      .supply = W(2502),
                                      .tax = W(250)};
    return d;
}

} // namespace

TEST(InvoiceWrite, TaxInvoiceRecordsFollowTheTable) {
    const QByteArray f = WriteInvoiceFile(Filled(false));
    ASSERT_EQ(f.size(), 1824); // 8 records: every row, empty ones included
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(Int32At(f, 228, i, 220), i + 1) << i;
        EXPECT_EQ(Int32At(f, 228, i, 224), 0) << i;
    }
    EXPECT_EQ(Slot(f, 0, S1), "2001.05.27");
    EXPECT_EQ(Slot(f, 0, S4), cp("(주)한빛상사"));
    EXPECT_EQ(Slot(f, 0, S6), "123-45-67890");
    EXPECT_EQ(Slot(f, 0, S9), cp("서울시 중구"));
    EXPECT_EQ(Slot(f, 1, S1), "2001.06.03");
    EXPECT_EQ(Slot(f, 1, S6), "214-86-12345");
    EXPECT_EQ(Slot(f, 2, S1), "A");
    EXPECT_EQ(Slot(f, 2, S4), "007012"
                              "12-3456"
                              "0");
    EXPECT_EQ(Slot(f, 2, S5), "0");      // bill
    EXPECT_EQ(Slot(f, 2, S6), "0");      // cheque
    EXPECT_EQ(Slot(f, 2, S7), "150000"); // cash
    EXPECT_EQ(Slot(f, 2, S8), "2500.5"); // credit
    EXPECT_EQ(Slot(f, 2, S9), cp("사무용품"));
    // Row 2 (record 5): amounts without separators or blanks.
    EXPECT_EQ(Slot(f, 4, S1), cp("비고"));
    EXPECT_EQ(Slot(f, 4, S2), "05");
    EXPECT_EQ(Slot(f, 4, S3), "27");
    EXPECT_EQ(Slot(f, 4, S4), "0.7mm");
    EXPECT_EQ(Slot(f, 4, S5), "250");
    EXPECT_EQ(Slot(f, 4, S6), "2502");
    EXPECT_EQ(Slot(f, 4, S7), "2.5");
    EXPECT_EQ(Slot(f, 4, S8), "1001");
    EXPECT_EQ(Slot(f, 4, S9), cp("볼펜"));
    EXPECT_EQ(Slot(f, 4, S10), "");
    // An empty row is written as it stands.
    EXPECT_EQ(Slot(f, 3, S7), "0");
    EXPECT_EQ(Slot(f, 3, S9), "");
}

TEST(InvoiceWrite, StatementWritesAllThirtyRowsAndItsOrigin) {
    InvoiceDocument d = Filled(true);
    d.buyerKind = BuyerKind::Individual;
    d.buyer.number = S("800101-1234567");
    const QByteArray f = WriteInvoiceFile(d);
    ASSERT_EQ(f.size(), 7524);
    EXPECT_EQ(Int32At(f, 228, 32, 220), 33);
    EXPECT_EQ(Int32At(f, 228, 0, 224), 1);
    EXPECT_EQ(Slot(f, 1, S6), "800101-1234567"); // the resident number of an individual buyer
    EXPECT_EQ(Slot(f, 2, S4).right(1), "1");
    EXPECT_EQ(Slot(f, 7, S10), cp("자루"));
}

TEST(InvoiceWrite, TextsAreCutToTheirSlotsWithoutSplittingASyllable) {
    InvoiceDocument d = Filled(true);
    d.supplier.address = QString(40, u'가');       // 80 bytes
    d.buyer.address = S("a") + QString(40, u'나'); // 81 bytes: the cut at 70 falls inside a syllable
    InvoiceLine &line = d.lines[0];
    line.item = QString(15, u'다');          // 30 bytes
    line.spec = S("a") + QString(10, u'라'); // 21 bytes; 16 falls inside a syllable
    line.unit = S("abcdef");
    line.remark = S("비고란이길어요"); // 14 bytes
    const QByteArray f = WriteInvoiceFile(d);
    EXPECT_EQ(Slot(f, 0, S9), cp949::encode(QString(35, u'가')));
    EXPECT_EQ(Slot(f, 1, S9), cp949::encode(S("a") + QString(34, u'나')));
    EXPECT_EQ(Slot(f, 3, S9), cp949::encode(QString(12, u'다')));
    EXPECT_EQ(Slot(f, 3, S4), cp949::encode(S("a") + QString(7, u'라')));
    EXPECT_EQ(Slot(f, 3, S10), "abcd");
    EXPECT_EQ(Slot(f, 3, S1), cp("비고란이길"));

    // Read back: an address of 80 bytes comes back as its first 70, an item of 30 as its first 25.
    const InvoiceDocument back = ReadInvoiceFile(f, S("r.Gy5"), GridKind::Statement).document;
    EXPECT_EQ(back.supplier.address, QString(35, u'가'));
    EXPECT_EQ(back.lines[0].item, QString(12, u'다'));
}

TEST(InvoiceWrite, ReadingWhatWasWrittenGivesTheDocumentBack) {
    for (bool statement : {false, true}) {
        SCOPED_TRACE(statement ? "statement" : "tax invoice");
        const InvoiceDocument d = Filled(statement);
        const QString name = statement ? S("r.Gy5") : S("r.Dy5");
        const InvoiceLoadResult r = ReadInvoiceFile(WriteInvoiceFile(d), name, d.kind());
        EXPECT_EQ(r.curFileName, name);
        EXPECT_EQ(r.fromStatement, statement);
        // The filled line comes back as the first one, the gap closed up; a tax invoice file keeps no
        // description.
        InvoiceDocument expected = d;
        expected.lines.move(FilledLine(statement), 0);
        if (!statement)
            expected.description.clear();
        EXPECT_EQ(r.document, expected);
        EXPECT_EQ(r.document.lines[0].quantity, Money::fromRaw(25'000));
        EXPECT_EQ(r.document.credit, Money::fromRaw(25'005'000));
    }
}

// Lines that repeat some cells of the line above and differ in others, as a delivery's lines do: every
// cell comes back as written, whichever of its neighbours' cells it shares.
TEST(InvoiceWrite, ThirtyLinesRepeatingTheirNeighboursComeBackCellForCell) {
    InvoiceDocument d = Filled(true);
    for (int r = 0; r < 30; ++r) {
        InvoiceLine &line = d.lines[r];
        line.date = r % 3 == 0 ? S("05/01") : QStringLiteral("05/%1").arg(r / 2 + 10);
        line.item = QStringLiteral("품목 %1").arg(r / 4);
        line.spec = r % 5 < 2 ? S("A4") : QStringLiteral("규격%1").arg(r / 3);
        line.unit = r % 4 < 2 ? S("EA") : S("개");
        line.quantity = W(r / 3 + 1);
        line.unitPrice = W(1000 * (r / 2 + 1));
        line.supply = W(1000 * (r / 5 + 1));
        line.tax = W(100 * (r / 3 + 1));
        line.remark = r % 7 == 6 ? QString() : QStringLiteral("비고%1").arg(r / 6);
    }
    const InvoiceDocument b = ReadInvoiceFile(WriteInvoiceFile(d), S("r.Gy5"), GridKind::Statement).document;
    ASSERT_EQ(b.lines.size(), 30);
    for (int r = 0; r < 30; ++r)
        EXPECT_EQ(b.lines[r], d.lines[r]) << "line " << r + 1;
}

TEST(InvoiceWrite, NumbersAreCheckedBeforeAnyByteIsMade) {
    auto message = [](const InvoiceDocument &d) -> std::string {
        try {
            WriteInvoiceFile(d);
        } catch (const AppError &e) {
            return e.message().toStdString();
        }
        return "no error";
    };
    // A whole-won column takes no decimals; the refusal names the line and the column.
    InvoiceDocument d = Filled(true);
    d.lines[29].unitPrice = Money::fromRaw(10'005'000);
    const std::string price = message(d);
    EXPECT_NE(price.find("30번째 줄의 단가"), std::string::npos) << price;

    // A payment longer than its slot (14 bytes for the cheque) is refused rather than cut to another number.
    d = Filled(false);
    d.check = W(123'456'789'012'345);
    EXPECT_NE(message(d).find("수표"), std::string::npos);

    // A book number that the three digits cannot hold would shift the serial number and the origin.
    for (const char *bad : {"1000", "-1", "1.5", "x"}) {
        d = Filled(false);
        d.bookVolume = S(bad);
        EXPECT_NE(message(d).find("책번호"), std::string::npos) << bad;
    }
    d = Filled(false);
    d.bookVolume = S(" ");
    EXPECT_EQ(message(d), "no error");

    // An amount wider than its column is refused, naming the line and the column, rather than written as
    // another number.
    d = Filled(false);
    d.lines[2].supply = W(123'456'789'012'345);
    const std::string supply = message(d);
    EXPECT_NE(supply.find("공급가액"), std::string::npos) << supply;
    EXPECT_NE(supply.find("3번째 줄"), std::string::npos) << supply;
}
