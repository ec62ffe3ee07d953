#include "fixtures.h"
#include "quotation_file.h"

#include "codec.h"
#include "errors.h"
#include "money.h"

#include <gtest/gtest.h>

using namespace fx;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }
QString R(int n, const char *text) { return S(text).rightJustified(n); }

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
        ReadQuotationFile(bytes, S("/w/q.Prc"), QuotationSnapshot{});
    } catch (const IoError &e) {
        return e.message().toStdString();
    }
    return "no error";
}

} // namespace

TEST(QuotationFile, ReadsEveryRecordTypeAndRecomputesTheAmount) {
    const QByteArray f = TwoLineQuotation();
    ASSERT_EQ(f.size(), 5301);
    QuotationSnapshot cleared;
    cleared.fMemo = QStringList{S("지난 메모")};
    const QuotationSnapshot q = ReadQuotationFile(f, S("q.Prc"), cleared);
    EXPECT_EQ(q.SangHoEdt, S("(주)견적처"));
    EXPECT_EQ(q.mTelEdit, S("031- 123-4567")); // the display form of the stored telephone
    EXPECT_EQ(q.NameEdt, S("이담당"));
    EXPECT_EQ(q.Day1Edt, S("2001.05.27"));
    EXPECT_EQ(q.Day2Edt, S("2001.06.30"));
    EXPECT_EQ(q.AddrEdt, S("경기도 성남시"));
    EXPECT_EQ(q.fMemo, QStringList({S("첫 메모"), S(""), S(""), S(""), S(""), S(""), S("")}));

    EXPECT_EQ(q.kGrid[0], QStringList({S(" 1"), S("복사지"), S("규격"), S("EA"), S("2.5"), R(12, "1,001"),
                                       R(12, "2,502"), S("비고")}));
    EXPECT_EQ(q.kGrid[1][4], S("1"));
    EXPECT_EQ(q.kGrid[1][6], R(12, "5,000"));
    for (int row = 2; row < 20; ++row) {
        EXPECT_EQ(q.kGrid[row][0], PadLeftTo(QString::number(row + 1), 2));
        EXPECT_EQ(q.kGrid[row][4], S("0"));
        EXPECT_EQ(ParseAmount(q.kGrid[row][5]), Money());
    }
}

TEST(QuotationFile, WritesThirtyOneRecordsInTheOrderOfTheTable) {
    QuotationSnapshot q;
    q.SangHoEdt = S("(주)견적처");
    q.mTelEdit = S("031- 123-4567");
    q.NameEdt = S("이담당");
    q.Day1Edt = S("2001.05.27");
    q.Day2Edt = S("2001.06.30");
    q.AddrEdt = S("경기도");
    q.fMemo = {S("1"), S("2"), S("3"), S("4"), S("5"), S("6"), S("7"), S("8 버려짐"), S("9")};
    q.kGrid[0][1] = QString(16, u'가'); // 32 bytes
    q.kGrid[0][2] = S("a") + QString(10, u'나'); // 21 bytes
    q.kGrid[0][3] = S("상자들");
    q.kGrid[0][4] = S("2.5");
    q.kGrid[0][5] = S("      1,001");
    q.kGrid[0][7] = QString(8, u'다'); // 16 bytes
    q.kGrid[19][4] = S("");

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
    const QuotationSnapshot b = ReadQuotationFile(f, S("q.Prc"), QuotationSnapshot{});
    EXPECT_EQ(b.mTelEdit, S("031- 123-4567"));
    EXPECT_EQ(b.fMemo.size(), 7);
    EXPECT_EQ(b.kGrid[0][1], QString(15, u'가'));
    EXPECT_EQ(b.kGrid[0][4], S("2.5"));
    EXPECT_EQ(b.kGrid[0][6], R(12, "2,502"));
}

TEST(QuotationFile, NumbersAreCheckedBeforeAnyByteIsMade) {
    QuotationSnapshot q;
    q.kGrid[6][5] = S("12O0");
    try {
        WriteQuotationFile(q);
        FAIL() << "a unit price that is not a number was written";
    } catch (const NumberConversionError &e) {
        EXPECT_TRUE(e.message().contains(S("7번째 줄의 단가"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(S("12O0")));
    }
    q = QuotationSnapshot{};
    q.kGrid[0][4] = S("99999999999999999");
    EXPECT_THROW(WriteQuotationFile(q), NumberConversionError);
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

TEST(QuotationFile, HugeProductsShowAsTheBlankOfAnOverlargeAmount) {
    QByteArray f = TwoLineQuotation();
    f += Quote(0); // skipped
    f.replace(11 * 171, 171, Item(1, "큰", std::numeric_limits<std::int64_t>::max(),
                                  std::numeric_limits<std::int64_t>::min()));
    const QuotationSnapshot q = ReadQuotationFile(f, S("q.Prc"), QuotationSnapshot{});
    EXPECT_EQ(q.kGrid[0][6], QString(12, u' '));
}
