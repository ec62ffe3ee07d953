#include "fixtures.h"
#include "quotation_file.h"

#include "codec.h"
#include "errors.h"
#include "money.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

using namespace fx;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }
Money W(std::int64_t won) { return Money::fromWon(won); }

QByteArray Item(int row, const char *item, std::int64_t qtyRaw, std::int64_t priceRaw) {
    return Quote(6)
        .str(QA, item)
        .str(QB, "규격")
        .str(QC, "EA")
        .i64(QQty, qtyRaw)
        .i64(QPrice, priceRaw)
        .str(QD, "비고")
        .str(QMark, "N")
        .i32(QRow, row);
}

// A quotation with two item lines and one memo line, as the table lays it out.
QByteArray TwoLineQuotation() {
    QByteArray f = Join({Quote(1).str(QA, "(주)견적처").str(QD, "( 031) 123-4567"), Quote(2).str(QA, "이담당"),
                         Quote(3).str(QA, "2001.05.27").str(QD, "2001.06.30"), Quote(4).str(QA, "경기도 성남시")});
    f += Quote(5).str(QA, "첫 메모");
    for (int i = 1; i < 7; ++i)
        f += Quote(5);
    f += Item(1, "복사지", 25000, 10010000); // 2.5 x 1,001
    f += Item(2, "토너", 10000, 50000000);
    for (int row = 3; row <= 20; ++row)
        f += Quote(6).str(QMark, "N").i32(QRow, row);
    return f;
}

std::string Failure(const QByteArray &bytes) {
    try {
        ReadQuotationFile(bytes, S("/w/q.Prc"));
    } catch (const IoError &e) {
        return e.message().toStdString();
    }
    return "no error";
}

} // namespace

TEST(QuotationFile, ReadsEveryRecordTypeAndRecomputesTheAmount) {
    const QByteArray f = TwoLineQuotation();
    ASSERT_EQ(f.size(), 5301);
    const QuotationDocument q = ReadQuotationFile(f, S("q.Prc"));
    EXPECT_EQ(q.recipient, S("(주)견적처"));
    EXPECT_EQ(q.phone, S("031- 123-4567")); // the display form of the stored telephone
    EXPECT_EQ(q.contact, S("이담당"));
    EXPECT_EQ(q.quoteDate, S("2001.05.27"));
    EXPECT_EQ(q.deliveryDate, S("2001.06.30"));
    EXPECT_EQ(q.address, S("경기도 성남시"));
    EXPECT_EQ(q.memo, QStringList({S("첫 메모"), S(""), S(""), S(""), S(""), S(""), S("")}));

    ASSERT_EQ(q.lines.size(), 20);
    EXPECT_EQ(q.lines[0], (QuotationLine{S("복사지"), S("규격"), S("EA"), S("비고"), Money::fromRaw(25000), W(1001)}));
    EXPECT_EQ(q.lines[0].amount(), W(2502)); // 2.5 x 1,001, the won fraction dropped
    EXPECT_EQ(q.lines[1].quantity, W(1));
    EXPECT_EQ(q.lines[1].amount(), W(5000));
    for (int row = 2; row < 20; ++row)
        EXPECT_EQ(q.lines[row], QuotationLine{}) << row;
    EXPECT_EQ(q.total(), W(7502));
}

TEST(QuotationFile, WritesThirtyOneRecordsInTheOrderOfTheTable) {
    QuotationDocument q;
    q.recipient = S("(주)견적처");
    q.phone = S("031- 123-4567");
    q.contact = S("이담당");
    q.quoteDate = S("2001.05.27");
    q.deliveryDate = S("2001.06.30");
    q.address = S("경기도");
    q.memo = {S("1"), S("2"), S("3"), S("4"), S("5"), S("6"), S("7"), S("8 버려짐"), S("9")};
    QuotationLine &line = q.lines[0];
    line.item = QString(16, u'가');          // 32 bytes
    line.spec = S("a") + QString(10, u'나'); // 21 bytes
    line.unit = S("상자들");
    line.quantity = Money::fromRaw(25000);
    line.unitPrice = W(1001);
    line.remark = QString(8, u'다'); // 16 bytes

    const QByteArray f = WriteQuotationFile(q);
    ASSERT_EQ(f.size(), 5301);
    const int types[] = {1, 2, 3, 4, 5, 5, 5, 5, 5, 5, 5};
    for (int i = 0; i < 31; ++i)
        EXPECT_EQ(Int32At(f, 171, i, QType), i < 11 ? types[i] : 6) << i;
    auto slot = [&](int record, int offset) { return SlotAt(f, 171, record, offset); };
    EXPECT_EQ(slot(0, QA), cp("(주)견적처"));
    EXPECT_EQ(slot(0, QD), "( 031) 123-4567");
    EXPECT_EQ(slot(1, QA), cp("이담당"));
    EXPECT_EQ(slot(2, QA), "2001.05.27");
    EXPECT_EQ(slot(2, QD), "2001.06.30");
    EXPECT_EQ(slot(3, QA), cp("경기도"));
    EXPECT_EQ(slot(10, QA), "7"); // the memo keeps its first 7 lines
    EXPECT_EQ(slot(0, QMark), "");

    EXPECT_EQ(slot(11, QA), cp949::encode(QString(15, u'가')));
    EXPECT_EQ(slot(11, QB), cp949::encode(S("a") + QString(9, u'나')));
    EXPECT_EQ(slot(11, QC), cp("상자"));
    EXPECT_EQ(slot(11, QD), cp949::encode(QString(7, u'다')));
    EXPECT_EQ(Int64At(f, 171, 11, QQty), 25000);
    EXPECT_EQ(Int64At(f, 171, 11, QPrice), 10010000);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(slot(11 + i, QMark), "N");
        EXPECT_EQ(Int32At(f, 171, 11 + i, QRow), i + 1);
        for (int reserved : {149, 153, 157})
            EXPECT_EQ(Int32At(f, 171, 11 + i, reserved), 0);
    }
    EXPECT_EQ(Int64At(f, 171, 30, QQty), 0); // an empty quantity is 0

    // And back.
    const QuotationDocument b = ReadQuotationFile(f, S("q.Prc"));
    EXPECT_EQ(b.phone, S("031- 123-4567"));
    EXPECT_EQ(b.memo.size(), 7);
    EXPECT_EQ(b.lines[0].item, QString(15, u'가'));
    EXPECT_EQ(b.lines[0].quantity, Money::fromRaw(25000));
    EXPECT_EQ(b.lines[0].amount(), W(2502));
}

TEST(QuotationFile, NumbersAreCheckedBeforeAnyByteIsMade) {
    auto message = [](const QuotationDocument &q) -> QString {
        try {
            WriteQuotationFile(q);
        } catch (const NumberConversionError &e) {
            return e.message();
        }
        return S("no error");
    };
    // A quotation's columns take no minus sign; its unit price no decimals.
    QuotationDocument q;
    q.lines[6].unitPrice = Money::fromRaw(12'005'000);
    const QString price = message(q);
    EXPECT_TRUE(price.contains(S("7번째 줄의 단가"))) << price.toStdString();
    q = QuotationDocument{};
    q.lines[19].quantity = W(-1);
    const QString quantity = message(q);
    EXPECT_TRUE(quantity.contains(S("20번째 줄의 수량"))) << quantity.toStdString();
    EXPECT_TRUE(quantity.contains(S("음수"))) << quantity.toStdString();
}

TEST(QuotationFile, UnreadableFilesAreRefusedWithTheFileNamed) {
    const QByteArray good = TwoLineQuotation();
    EXPECT_NE(Failure({}).find("비어"), std::string::npos);
    const std::string truncated = Failure(good.chopped(100));
    EXPECT_NE(truncated.find("/w/q.Prc"), std::string::npos);
    EXPECT_NE(truncated.find("잘려"), std::string::npos) << truncated;

    QByteArray length = good;
    length[11 * 171 + QC] = char(5); // the unit holds 4 bytes
    EXPECT_NE(Failure(length).find("손상"), std::string::npos);
    QByteArray mark = good;
    mark[12 * 171 + QMark] = char(2); // an ignored field is not read, so not checked
    EXPECT_EQ(Failure(mark), "no error");

    EXPECT_NE(Failure(QByteArray(171 * 31, '\0')).find("견적서 파일이 아닙니다"), std::string::npos);
    EXPECT_NE(Failure(good + Item(21, "스물한째", 0, 0)).find("20줄"), std::string::npos);
    // Records of unknown types are skipped.
    EXPECT_EQ(Failure(good + Quote(9).str(QA, "?")), "no error");
}

// Numbers the columns cannot hold, as a damaged file or another program may leave them, refuse the file
// rather than show a blank or 0 in their place.
TEST(QuotationFile, HugeNumbersAreRefusedRatherThanShownBlank) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    for (const auto &[quantity, price] :
         {std::pair{kMax, kMin}, std::pair{kMax, kMax}, std::pair{kMin, kMin}, std::pair{std::int64_t(10'000), kMax}}) {
        QByteArray f = TwoLineQuotation();
        f += Quote(0); // skipped
        f.replace(11 * 171, 171, Item(1, "큰", quantity, price));
        const std::string failure = Failure(f);
        EXPECT_NE(failure.find("1번째 줄"), std::string::npos) << quantity << " x " << price << ": " << failure;
    }
}
