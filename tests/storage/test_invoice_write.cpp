#include "fixtures.h"
#include "invoice_file.h"

#include "codec.h"
#include "errors.h"
#include "money.h"

#include <gtest/gtest.h>

using namespace fx;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }
QByteArray Slot(const QByteArray &file, int record, int offset) { return SlotAt(file, 228, record, offset); }

InvoiceSnapshot Filled(bool statement) {
    InvoiceSnapshot s;
    s.statement = statement;
    s.DayEdt = S("2001.05.27");
    s.grDay = S("2001.06.03");
    s.aSangho = S("(주)한빛상사");
    s.aName = S("홍길동");
    s.aSaNo = S("123-45-67890");
    s.aUpTea = S("도소매");
    s.aUpJong = S("문구");
    s.aAddr = S("서울시 중구");
    s.bSangho = S("대한물산");
    s.bName = S("김철수");
    s.bSaNo = S("214-86-12345");
    s.bAddr = S("부산시");
    s.DtyfNo = S("7");
    s.DtyeNo = S("12");
    s.DtysNo = S("12-3456");
    s.Cashmy = S("150,000");
    s.Checkmy = S("");
    s.Billmy = S("0");
    s.Creditmy = S("2500.5");
    s.receipt = true;
    s.grEdit = S("사무용품");
    const InvoiceColumns c = ColumnsOf(s.kind());
    QStringList &row = s.rows()[statement ? 4 : 1];
    row[c.date] = S("05/27");
    row[c.item] = S("볼펜");
    row[c.spec] = S("0.7mm");
    row[c.quantity] = S("2.5");
    row[c.unitPrice] = S("      1,001");
    row[c.supply] = FormatAmountText(Money::fromWon(2502), kSupplyWidth);
    row[c.tax] = FormatAmountText(Money::fromWon(250), kTaxWidth);
    row[c.remark] = S("비고");
    if (statement)
        row[c.unit] = S("자루");
    return s;
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
    EXPECT_EQ(Slot(f, 2, S4), "007012" "12-3456" "0");
    EXPECT_EQ(Slot(f, 2, S5), "0");      // bill
    EXPECT_EQ(Slot(f, 2, S6), "0");      // cheque, empty field
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
    InvoiceSnapshot s = Filled(true);
    s.Gbn = BuyerKind::Individual;
    s.JuMinNo = S("800101-1234567");
    const QByteArray f = WriteInvoiceFile(s);
    ASSERT_EQ(f.size(), 7524);
    EXPECT_EQ(Int32At(f, 228, 32, 220), 33);
    EXPECT_EQ(Int32At(f, 228, 0, 224), 1);
    EXPECT_EQ(Slot(f, 1, S6), "800101-1234567"); // the resident number of an individual buyer
    EXPECT_EQ(Slot(f, 2, S4).right(1), "1");
    EXPECT_EQ(Slot(f, 7, S10), cp("자루"));
}

TEST(InvoiceWrite, TextsAreCutToTheirSlotsWithoutSplittingASyllable) {
    InvoiceSnapshot s = Filled(true);
    s.aAddr = QString(40, u'가'); // 80 bytes
    s.bAddr = S("a") + QString(40, u'나'); // 81 bytes: the cut at 70 falls inside a syllable
    QStringList &row = s.gGrid[0];
    row[1] = QString(15, u'다'); // item, 30 bytes
    row[2] = S("a") + QString(10, u'라'); // spec, 21 bytes; 16 falls inside a syllable
    row[3] = S("abcdef");
    row[8] = S("비고란이길어요"); // remark, 14 bytes
    const QByteArray f = WriteInvoiceFile(s);
    EXPECT_EQ(Slot(f, 0, S9), cp949::encode(QString(35, u'가')));
    EXPECT_EQ(Slot(f, 1, S9), cp949::encode(S("a") + QString(34, u'나')));
    EXPECT_EQ(Slot(f, 3, S9), cp949::encode(QString(12, u'다')));
    EXPECT_EQ(Slot(f, 3, S4), cp949::encode(S("a") + QString(7, u'라')));
    EXPECT_EQ(Slot(f, 3, S10), "abcd");
    EXPECT_EQ(Slot(f, 3, S1), cp("비고란이길"));

    // Read back: an address of 80 bytes comes back as its first 70, an item of 30 as its first 25.
    const InvoiceSnapshot back = ReadInvoiceFile(f, S("r.Gy5"), GridKind::Statement, InvoiceSnapshot{}).snapshot;
    EXPECT_EQ(back.aAddr, QString(35, u'가'));
    EXPECT_EQ(back.gGrid[0][1], QString(12, u'다'));
}

TEST(InvoiceWrite, ReadingWhatWasWrittenGivesTheDocumentBack) {
    for (bool statement : {false, true}) {
        const InvoiceSnapshot s = Filled(statement);
        InvoiceSnapshot cleared;
        cleared.statement = statement;
        const QString name = statement ? S("r.Gy5") : S("r.Dy5");
        const InvoiceLoadResult r = ReadInvoiceFile(WriteInvoiceFile(s), name, s.kind(), cleared);
        const InvoiceSnapshot &b = r.snapshot;
        EXPECT_EQ(r.curFileName, name);
        EXPECT_EQ(r.fromStatement, statement);
        EXPECT_EQ(b.aSangho, s.aSangho);
        EXPECT_EQ(b.bSaNo, s.bSaNo);
        EXPECT_EQ(b.DtyfNo, S("7"));
        EXPECT_EQ(b.DtyeNo, S("12"));
        EXPECT_EQ(b.DtysNo, s.DtysNo);
        EXPECT_EQ(b.Cashmy, S("150000"));
        EXPECT_EQ(b.Creditmy, S("2500.5"));
        EXPECT_TRUE(b.receipt);
        const InvoiceColumns c = ColumnsOf(s.kind());
        // The filled row comes back as the first one, the gap closed up.
        const QStringList &row = b.rows()[0];
        EXPECT_EQ(row[c.item], S("볼펜"));
        EXPECT_EQ(row[c.date], S("05/27"));
        EXPECT_EQ(row[c.quantity], S("2.5"));
        EXPECT_EQ(ParseAmount(row[c.unitPrice]), Money::fromWon(1001));
        EXPECT_EQ(ParseAmount(row[c.supply]), Money::fromWon(2502));
        EXPECT_EQ(ParseAmount(row[c.tax]), Money::fromWon(250));
        EXPECT_EQ(row[c.remark], S("비고"));
        EXPECT_EQ(row[c.unit], statement ? S("자루") : QString());
        EXPECT_EQ(b.rows()[1], EmptyItemRow(s.kind(), 2));
    }
}

// Lines that repeat some cells of the line above and differ in others, as a delivery's lines do: every
// cell comes back as written, whichever of its neighbours' cells it shares.
TEST(InvoiceWrite, ThirtyLinesRepeatingTheirNeighboursComeBackCellForCell) {
    InvoiceSnapshot s = Filled(true);
    const InvoiceColumns c = ColumnsOf(GridKind::Statement);
    for (int r = 0; r < 30; ++r) {
        QStringList &row = s.gGrid[r];
        row[c.date] = r % 3 == 0 ? S("05/01") : QStringLiteral("05/%1").arg(r / 2 + 10);
        row[c.item] = QStringLiteral("품목 %1").arg(r / 4);
        row[c.spec] = r % 5 < 2 ? S("A4") : QStringLiteral("규격%1").arg(r / 3);
        row[c.unit] = r % 4 < 2 ? S("EA") : S("개");
        row[c.quantity] = QString::number(r / 3 + 1);
        row[c.unitPrice] = FormatAmountText(Money::fromWon(1000 * (r / 2 + 1)), kUnitPriceWidth);
        row[c.supply] = FormatAmountText(Money::fromWon(1000 * (r / 5 + 1)), kSupplyWidth);
        row[c.tax] = FormatAmountText(Money::fromWon(100 * (r / 3 + 1)), kTaxWidth);
        row[c.remark] = r % 7 == 6 ? QString() : QStringLiteral("비고%1").arg(r / 6);
    }
    const InvoiceSnapshot b = ReadInvoiceFile(WriteInvoiceFile(s), S("r.Gy5"), GridKind::Statement, {}).snapshot;
    for (int r = 0; r < 30; ++r) {
        SCOPED_TRACE(r + 1);
        const QStringList &want = s.gGrid[r];
        const QStringList &got = b.gGrid[r];
        for (int col : {c.date, c.item, c.spec, c.unit, c.quantity, c.remark})
            EXPECT_EQ(got[col], want[col]) << "column " << col;
        for (int col : {c.unitPrice, c.supply, c.tax})
            EXPECT_EQ(ParseAmount(got[col]), ParseAmount(want[col])) << "column " << col;
    }
}

TEST(InvoiceWrite, LargestGridSupplySurvivesTheRoundTrip) {
    InvoiceSnapshot s = Filled(false);
    s.dGrid[0][1] = S("큰 금액");
    s.dGrid[0][5] = FormatAmountText(Money::fromWon(9'999'999'999), kSupplyWidth);
    ASSERT_EQ(s.dGrid[0][5], S("9,999,999,999"));
    const InvoiceSnapshot b = ReadInvoiceFile(WriteInvoiceFile(s), S("r.Dy5"), GridKind::TaxInvoice, {}).snapshot;
    EXPECT_EQ(b.dGrid[0][5], S("9,999,999,999"));
}

TEST(InvoiceWrite, NumbersAreCheckedBeforeAnyByteIsMade) {
    auto message = [](const InvoiceSnapshot &s) -> std::string {
        try {
            WriteInvoiceFile(s);
        } catch (const NumberConversionError &e) {
            return e.message().toStdString();
        }
        return "no error";
    };
    InvoiceSnapshot s = Filled(true);
    s.gGrid[29][4] = S("두개");
    const std::string quantity = message(s);
    EXPECT_NE(quantity.find("30번째 줄의 수량"), std::string::npos) << quantity;
    EXPECT_NE(quantity.find("두개"), std::string::npos);

    s = Filled(false);
    s.dGrid[0][4] = S("1,00o");
    EXPECT_NE(message(s).find("단가"), std::string::npos);

    s = Filled(false);
    s.Cashmy = S("만원");
    EXPECT_NE(message(s).find("현금"), std::string::npos);

    // A book number that the three digits cannot hold would shift the serial number and the origin.
    for (const char *bad : {"1000", "-1", "1.5", "x"}) {
        s = Filled(false);
        s.DtyfNo = S(bad);
        EXPECT_NE(message(s).find("책번호"), std::string::npos) << bad;
    }
    s = Filled(false);
    s.DtyfNo = S(" ");
    EXPECT_EQ(message(s), "no error");

    // An amount too long for its slot is refused rather than cut to another number.
    s = Filled(false);
    s.dGrid[0][5] = S("123456789012345");
    EXPECT_NE(message(s).find("너무"), std::string::npos);
}
