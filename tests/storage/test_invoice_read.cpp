#include "fixtures.h"
#include "invoice_file.h"

#include "errors.h"
#include "money.h"

#include <gtest/gtest.h>

#include <functional>

using namespace fx;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }
Money W(std::int64_t won) { return Money::fromWon(won); }

// A line with its texts (date, item, spec, unit, remark) and amounts (quantity, unit price, supply, tax).
InvoiceLine Ln(const char *date, const char *item, const char *spec, const char *unit, const char *remark,
               Money quantity, Money unitPrice, Money supply, Money tax) {
    return {S(date), S(item), S(spec), S(unit), S(remark), quantity, unitPrice, supply, tax};
}

QByteArray Supplier(int buyerKind = 0) {
    return Current(1, buyerKind)
        .str(S1, "2001.05.27")
        .str(S4, "(주)한빛상사")
        .str(S5, "홍길동")
        .str(S6, "123-45-67890")
        .str(S7, "도소매")
        .str(S8, "문구")
        .str(S9, "서울시 중구 을지로 1");
}

QByteArray Buyer(int buyerKind = 0, const char *number = "214-86-12345") {
    return Current(2, buyerKind)
        .str(S1, "2001.06.03")
        .str(S4, "대한물산")
        .str(S5, "김철수")
        .str(S6, number)
        .str(S7, "제조")
        .str(S8, "기계")
        .str(S9, "부산시 해운대구");
}

QByteArray Totals(const char *book = "007012"
                                     "12-3456"
                                     "0",
                  const char *description = "사무용품") {
    return Current(3)
        .str(S1, "B")
        .str(S4, book)
        .str(S5, "1000")
        .str(S6, "2000")
        .str(S7, "150000")
        .str(S8, "")
        .str(S9, description);
}

QByteArray EmptyLine(int type) { return Current(type).str(S5, "0").str(S6, "0").str(S7, "0").str(S8, "0"); }

QByteArray Line(int type, const char *item, const char *qty, const char *price, const char *supply, const char *tax) {
    return Current(type)
        .str(S1, "비고")
        .str(S2, "05")
        .str(S3, "27")
        .str(S4, "A4")
        .str(S5, tax)
        .str(S6, supply)
        .str(S7, qty)
        .str(S8, price)
        .str(S9, item)
        .str(S10, "박스");
}

QByteArray TaxInvoiceFile(QList<QByteArray> lines) {
    QByteArray f = Supplier() + Buyer() + Totals();
    for (int i = 0; i < 5; ++i)
        f += i < lines.size() && !lines[i].isEmpty() ? lines[i] : EmptyLine(4 + i);
    return f;
}

QByteArray StatementFile(QMap<int, QByteArray> lines, const char *book = "000000"
                                                                         "  -    "
                                                                         "1") {
    QByteArray f = Supplier() + Buyer() + Totals(book);
    for (int row = 1; row <= 30; ++row)
        f += lines.value(row, EmptyLine(3 + row));
    return f;
}

std::string Failure(const std::function<void()> &run) {
    try {
        run();
    } catch (const IoError &e) {
        return e.message().toStdString();
    }
    return "no error";
}

} // namespace

TEST(InvoiceRead, TaxInvoiceFillsHeaderAndItsRowsInOrder) {
    // The third line's amounts are stored as an older writer left them: blanks, separators, trailing zeros.
    const QByteArray file =
        TaxInvoiceFile({Line(4, "볼펜", "10", "1000", "10000", "1000"), Line(5, "노트", "0", "0", "5000", "500"),
                        Line(6, "지우개", "1.50", "    23,400", "35,100", " 3,510")});
    ASSERT_EQ(file.size(), 8 * 228);
    const InvoiceLoadResult r = ReadInvoiceFile(file, QStringLiteral("/w/a.Dy5"), GridKind::TaxInvoice);
    const InvoiceDocument &d = r.document;

    EXPECT_EQ(r.curFileName, QStringLiteral("/w/a.Dy5"));
    EXPECT_EQ(r.generation, InvoiceFileGeneration::Current);
    EXPECT_FALSE(r.fromStatement);
    EXPECT_FALSE(r.summarised);
    EXPECT_FALSE(d.statement);
    EXPECT_EQ(d.issueDate, S("2001.05.27"));
    EXPECT_EQ(d.supplier, (Party{S("123-45-67890"), S("(주)한빛상사"), S("홍길동"), S("서울시 중구 을지로 1"),
                                 S("도소매"), S("문구")}));
    EXPECT_EQ(d.buyerKind, BuyerKind::Business);
    EXPECT_EQ(d.statementDate, S("2001.06.03"));
    EXPECT_EQ(d.buyer.name, S("대한물산"));
    EXPECT_EQ(d.buyer.number, S("214-86-12345"));
    EXPECT_EQ(d.buyer.address, S("부산시 해운대구"));
    // Book volume 7, number 12, serial number, claim.
    EXPECT_EQ(d.bookVolume, S("7"));
    EXPECT_EQ(d.bookNumber, S("12"));
    EXPECT_EQ(d.serialNumber, S("12-3456"));
    EXPECT_FALSE(d.receipt);
    EXPECT_EQ(d.bill, W(1000));
    EXPECT_EQ(d.check, W(2000));
    EXPECT_EQ(d.cash, W(150000));
    EXPECT_EQ(d.credit, Money());         // an empty amount slot reads as 0
    EXPECT_TRUE(d.description.isEmpty()); // the description is read from statement files only

    ASSERT_EQ(d.lines.size(), 5);
    EXPECT_EQ(d.lines[0], Ln("05/27", "볼펜", "A4", "박스", "비고", W(10), W(1000), W(10000), W(1000)));
    EXPECT_EQ(d.lines[1].quantity, Money());
    EXPECT_EQ(d.lines[1].unitPrice, Money());
    EXPECT_EQ(d.lines[1].supply, W(5000));
    EXPECT_EQ(d.lines[1].tax, W(500));
    EXPECT_EQ(d.lines[2].quantity, Money::fromRaw(15000));
    EXPECT_EQ(d.lines[2].quantityDecimals, 2); // shows as written: "1.50"
    EXPECT_EQ(d.lines[2].unitPrice, W(23400));
    EXPECT_EQ(d.lines[2].supply, W(35100));
    EXPECT_EQ(d.lines[2].tax, W(3510));
    for (int row = 3; row < 5; ++row)
        EXPECT_EQ(d.lines[row], InvoiceLine{}) << row;
}

TEST(InvoiceRead, StatementRowsCloseUpAndLinesWithoutContentLeaveNoRow) {
    QMap<int, QByteArray> lines;
    lines[2] = Line(5, "첫째", "1", "100", "100", "10");
    lines[3] = Current(6).str(S1, "비고만"); // a remark alone is no line
    lines[5] = Line(8, "둘째", "2", "300", "600", "60");
    lines[9] = Current(12).str(S7, "3"); // a quantity alone is a line
    const QByteArray file = StatementFile(lines);
    ASSERT_EQ(file.size(), 33 * 228);

    const InvoiceLoadResult r = ReadInvoiceFile(file, QStringLiteral("b.Gy5"), GridKind::Statement);
    const InvoiceDocument &d = r.document;
    EXPECT_TRUE(d.statement);
    EXPECT_TRUE(r.fromStatement);
    EXPECT_FALSE(r.summarised);
    EXPECT_EQ(r.curFileName, QStringLiteral("b.Gy5"));
    EXPECT_EQ(d.description, S("사무용품"));
    EXPECT_EQ(d.bookVolume, S("0"));
    ASSERT_EQ(d.lines.size(), 30);
    EXPECT_EQ(d.lines[0].item, S("첫째"));
    EXPECT_EQ(d.lines[0].unit, S("박스"));
    EXPECT_EQ(d.lines[1].item, S("둘째"));
    EXPECT_EQ(d.lines[1].supply, W(600));
    EXPECT_EQ(d.lines[2], Ln("", "", "", "", "", W(3), W(0), W(0), W(0))); // no date without month or day
    for (int row = 3; row < 30; ++row)
        EXPECT_EQ(d.lines[row], InvoiceLine{}) << row;
}

TEST(InvoiceRead, StatementOnTheTaxInvoicePageBecomesOneSummaryLineFromItsOwnLines) {
    QMap<int, QByteArray> lines;
    lines[1] = Line(4, "가", "1", "100000", "100000", "10000");
    lines[7] = Line(10, "나", "1", "50000", "50000", "5000");
    const QByteArray file = StatementFile(lines);

    const InvoiceLoadResult r = ReadInvoiceFile(file, QStringLiteral("/w/s.Gy5"), GridKind::TaxInvoice);
    const InvoiceDocument &d = r.document;
    EXPECT_TRUE(r.summarised);
    EXPECT_EQ(r.curFileName, kUnnamedDocumentName);
    EXPECT_FALSE(d.statement);
    ASSERT_EQ(d.lines.size(), 5);
    // Month and day of the statement date, its description, the totals of its lines.
    EXPECT_EQ(d.lines[0], Ln("06/03", "사무용품외", "", "", "", W(0), W(0), W(150000), W(15000)));
    for (int row = 1; row < 5; ++row)
        EXPECT_EQ(d.lines[row], InvoiceLine{}) << row;

    // A statement saved under a tax invoice extension is a statement all the same: the summary document
    // must not stay bound to it, or the next save would replace its 30 lines by one.
    const InvoiceLoadResult t = ReadInvoiceFile(file, QStringLiteral("/w/s.Dy5"), GridKind::TaxInvoice);
    EXPECT_TRUE(t.summarised);
    EXPECT_EQ(t.curFileName, kUnnamedDocumentName);
    EXPECT_EQ(t.document.lines[0].item, S("외")); // the description is kept in statement files only

    // The same file on the statement page keeps its lines.
    const InvoiceLoadResult g = ReadInvoiceFile(file, QStringLiteral("/w/s.Gy5"), GridKind::Statement);
    EXPECT_FALSE(g.summarised);
    EXPECT_EQ(g.document.lines[1].item, S("나"));
}

TEST(InvoiceRead, IndividualBuyerKeepsTheResidentNumber) {
    const QByteArray file = Supplier(1) + Buyer(1, "800101-1234567") + Totals();
    const InvoiceDocument d = ReadInvoiceFile(file, QStringLiteral("p.Dy5"), GridKind::TaxInvoice).document;
    EXPECT_EQ(d.buyerKind, BuyerKind::Individual);
    EXPECT_EQ(d.buyer.number, S("800101-1234567"));
}

TEST(InvoiceRead, OlderGenerationsReadTheirOwnOffsetsAndTakeTheCurrentExtension) {
    // 220 bytes: the current slots 1-9, type at 212, buyer kind at 216, no unit.
    const QByteArray v35 =
        Join({V35(1, 1).str(S1, "1999.12.31").str(S4, "옛상호").str(S9, "옛주소"), V35(2, 1).str(S6, "700101-2345678"),
              V35(3).str(S1, "A"), V35(4).str(S2, "12").str(S3, "31").str(S9, "품목").str(S6, "7000")});
    const InvoiceLoadResult a = ReadInvoiceFile(v35, QStringLiteral("/w/old.Dnt"), GridKind::TaxInvoice);
    EXPECT_EQ(a.generation, InvoiceFileGeneration::V35);
    EXPECT_EQ(a.curFileName, QStringLiteral("/w/old.Dy5"));
    EXPECT_EQ(a.document.supplier.name, S("옛상호"));
    EXPECT_EQ(a.document.buyerKind, BuyerKind::Individual);
    EXPECT_EQ(a.document.buyer.number, S("700101-2345678"));
    EXPECT_TRUE(a.document.receipt);
    EXPECT_EQ(a.document.lines[0], Ln("12/31", "품목", "", "", "", W(0), W(0), W(7000), W(0)));

    // 156 bytes with narrower slots; always a business buyer.
    const QByteArray v31 = Join({V31(1).str(O4, "아주옛상호").str(O9, "주소52바이트까지"),
                                 V31(2).str(O6, "214-86-12345").str(O9, "구매처주소"), V31(3).str(O9, "설명"),
                                 V31(4).str(O9, "물건").str(O4, "규격").str(O7, "2").str(O8, "50").str(O6, "100")});
    const InvoiceLoadResult b = ReadInvoiceFile(v31, QStringLiteral("/w/old.gty"), GridKind::Statement);
    EXPECT_EQ(b.generation, InvoiceFileGeneration::V31);
    EXPECT_EQ(b.curFileName, QStringLiteral("/w/old.Gy5"));
    EXPECT_EQ(b.document.buyerKind, BuyerKind::Business);
    EXPECT_EQ(b.document.buyer.number, S("214-86-12345"));
    EXPECT_EQ(b.document.supplier.address, S("주소52바이트까지"));
    EXPECT_EQ(b.document.buyer.address, S("구매처주소"));
    EXPECT_EQ(b.document.description, S("설명"));
    EXPECT_EQ(b.document.lines[0], Ln("", "물건", "규격", "", "", W(2), W(50), W(100), W(0)));
}

TEST(InvoiceRead, RenamingFollowsTheReaderThePageAndTheExtension) {
    using G = InvoiceFileGeneration;
    const GridKind T = GridKind::TaxInvoice, St = GridKind::Statement;
    const QString U = kUnnamedDocumentName;
    struct Row {
        G g;
        GridKind page;
        const char *name, *expected;
    };
    const Row rows[] = {
        {G::Current, T, "x.Gy5", nullptr},  {G::Current, T, "x.Dy5", "x.Dy5"}, {G::Current, St, "x.dy5", nullptr},
        {G::Current, St, "x.Gy5", "x.Gy5"}, {G::V35, T, "x.Gnt", nullptr},     {G::V35, T, "x.Dnt", "x.Dy5"},
        {G::V35, St, "x.DNT", nullptr},     {G::V35, St, "x.Gnt", "x.Gy5"},    {G::V31, T, "x.gty", nullptr},
        {G::V31, T, "x.Dty", "x.Dy5"},      {G::V31, St, "x.Dty", nullptr},    {G::V31, St, "x.Gty", "x.Gy5"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(RenamedInvoiceFileName(r.g, r.page, S(r.name)), r.expected ? S(r.expected) : U) << r.name;

    EXPECT_EQ(InvoiceGenerationOf(S("a.Dy5")), G::Current);
    EXPECT_EQ(InvoiceGenerationOf(S("a.gnt")), G::V35);
    EXPECT_EQ(InvoiceGenerationOf(S("a.GnT")), G::V35);
    EXPECT_EQ(InvoiceGenerationOf(S("a.Gty")), G::V31);
    EXPECT_EQ(InvoiceGenerationOf(S("a.xyz")), G::V31);
}

TEST(InvoiceRead, OldTextsWithASplitSyllableStillLoad) {
    QByteArray name = cp("가나다");
    name.chop(1); // an old writer cut the name inside 다
    const QByteArray file = Join({Current(1).str(S4, name), Current(2), Current(3)});
    const InvoiceDocument d = ReadInvoiceFile(file, S("c.Dy5"), GridKind::TaxInvoice).document;
    EXPECT_EQ(d.supplier.name, S("가나"));
}

TEST(InvoiceRead, UnreadableFilesAreRefusedWithTheFileNamed) {
    const QString name = QStringLiteral("/w/bad.Dy5");
    auto read = [&](const QByteArray &bytes, GridKind page = GridKind::TaxInvoice) {
        return [=]() { ReadInvoiceFile(bytes, name, page); };
    };
    const QByteArray good = TaxInvoiceFile({Line(4, "볼펜", "1", "1", "1", "0")});

    const std::string empty = Failure(read({}));
    EXPECT_NE(empty.find("/w/bad.Dy5"), std::string::npos) << empty;
    EXPECT_NE(empty.find("비어"), std::string::npos) << empty;

    const std::string truncated = Failure(read(good.chopped(1)));
    EXPECT_NE(truncated.find("/w/bad.Dy5"), std::string::npos);
    EXPECT_NE(truncated.find("잘려"), std::string::npos) << truncated;

    // A length byte beyond the capacity of its slot (35 for slot 4) is never followed.
    QByteArray longLength = good;
    longLength[S4] = char(36);
    const std::string length = Failure(read(longLength));
    EXPECT_NE(length.find("손상"), std::string::npos) << length;
    EXPECT_NE(length.find("/w/bad.Dy5"), std::string::npos);
    // ... also in the last slot of a record, where following it would leave the file.
    QByteArray lastSlot = good;
    lastSlot[3 * 228 + S10] = char(255);
    EXPECT_NE(Failure(read(lastSlot)).find("손상"), std::string::npos);

    QByteArray notNumber = TaxInvoiceFile({Line(4, "볼펜", "열개", "1", "1", "0")});
    const std::string number = Failure(read(notNumber));
    EXPECT_NE(number.find("열개"), std::string::npos) << number;
    EXPECT_NE(number.find("/w/bad.Dy5"), std::string::npos);
    EXPECT_NE(Failure(read(Join({Current(1), Current(2), Current(3).str(S4, "0a7012")}))).find("0a7"),
              std::string::npos);

    // Zeros, or another kind of file of a fitting size, are not a document.
    EXPECT_NE(Failure(read(QByteArray(228 * 4, '\0'))).find("파일이 아닙니다"), std::string::npos);
    EXPECT_NE(Failure(read(Join({Current(4), Current(1)}))).find("파일이 아닙니다"), std::string::npos);

    // More lines than the page holds.
    QByteArray many = Supplier() + Buyer() + Totals();
    for (int i = 0; i < 6; ++i)
        many += Line(4 + i, "품목", "1", "1", "1", "0");
    EXPECT_NE(Failure(read(many)).find("5줄"), std::string::npos);
    EXPECT_EQ(Failure(read(many, GridKind::Statement)), "no error");
}
