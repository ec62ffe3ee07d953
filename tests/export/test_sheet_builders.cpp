// The three export sheets, checked cell by cell against the paper forms they draw.

#include "export_fixtures.h"
#include "sheet_invoice.h"
#include "sheet_quotation.h"
#include "sheet_statement.h"
#include "test_support.h"

#include "errors.h"
#include "regnum.h"
#include "settings_keys.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sheet;

namespace {

ExportSettings settingsWithMessage(const char *message) {
    ExportSettings s;
    s.message = QString::fromUtf8(message);
    return s;
}

bool hasMerge(const Sheet &s, const char *range) { return s.merges().contains(ParseRange(QLatin1String(range))); }

const Border kHairBlue{LineStyle::Continuous, Weight::Hairline, kFormBlue};
const Border kThinBlue{LineStyle::Continuous, Weight::Thin, kFormBlue};
const Border kThinWhite{LineStyle::Continuous, Weight::Thin, kWhite};
const Border kHairBlack{LineStyle::Continuous, Weight::Hairline, kBlack};
const Border kThinBlack{LineStyle::Continuous, Weight::Thin, kBlack};

} // namespace

// --- Tax invoice ---

TEST(TaxInvoiceSheet, FrameSizesAndLines) {
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), {});
    EXPECT_EQ(s.name(), QStringLiteral("세금계산서"));
    EXPECT_EQ(s.sheetColumnWidth(), 1);
    EXPECT_EQ(s.sheetRowHeight(), 15);
    for (int r : {5, 6, 7, 8, 11})
        EXPECT_EQ(s.rowHeight(r), 24) << r;
    EXPECT_EQ(s.rowHeight(9), 15);
    EXPECT_EQ(s.columnWidth(4), 2);
    EXPECT_EQ(s.columnWidth(5), 2);
    EXPECT_EQ(s.columnWidth(6), 1);
    // Visible once the sizes are set, before the first line is drawn.
    ASSERT_TRUE(s.visibleAfter());
    EXPECT_LT(*s.visibleAfter(), 20);

    EXPECT_EQ(s.sheetBorder(), kThinWhite);
    EXPECT_EQ(s.format(QStringLiteral("A1")).font, (Font{QStringLiteral("굴림"), 9, false, kFormBlue}));
    EXPECT_EQ(s.border(QStringLiteral("M14"), Edge::Right), kHairBlue);
    EXPECT_EQ(s.border(QStringLiteral("B14"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AN3"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AN19"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("B3"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("B20"), Edge::Bottom), kThinWhite); // outside the form
    // Grouping lines keep the form colour.
    EXPECT_EQ(s.border(QStringLiteral("C5"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("T6"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("V5"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AN5"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("K10"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("K9"), Edge::Right), kHairBlue);
    EXPECT_EQ(s.border(QStringLiteral("AE9"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AD11"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("AF11"), Edge::Bottom), kHairBlue);
    // Title and copy label read as one line.
    // (the colour changes, the hairline stays)
    const Border hairWhite{LineStyle::Continuous, Weight::Hairline, kWhite};
    EXPECT_EQ(s.border(QStringLiteral("R3"), Edge::Right), hairWhite);
    EXPECT_EQ(s.border(QStringLiteral("S4"), Edge::Right), hairWhite);
    EXPECT_EQ(s.border(QStringLiteral("R4"), Edge::Left), hairWhite);
    EXPECT_EQ(s.border(QStringLiteral("S3"), Edge::Bottom), hairWhite);
    // The outer frame above and the line below stay.
    EXPECT_EQ(s.border(QStringLiteral("R3"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("S3"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("R4"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("S4"), Edge::Bottom), kThinBlue);
}

TEST(TaxInvoiceSheet, Labels) {
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), {});
    for (const char *m : {"B2:G2", "B3:R4", "S3:AC4", "AD3:AG4", "AH3:AJ3", "AK3:AN3", "B5:B8", "U5:U8", "U9:U11",
                          "AF10:AN11", "F11:I11", "D12:O12", "AG18:AN19", "B20:AN20"})
        EXPECT_TRUE(hasMerge(s, m)) << m;
    EXPECT_EQ(s.value(QStringLiteral("B3")), QStringLiteral("세  금  계  산  서"));
    EXPECT_EQ(s.format(QStringLiteral("B3")).font, (Font{QStringLiteral("굴림"), 18, true, kFormBlue}));
    EXPECT_EQ(s.format(QStringLiteral("B3")).horizontal, HAlign::Right);
    EXPECT_EQ(s.format(QStringLiteral("S3")).horizontal, HAlign::Left);
    EXPECT_TRUE(s.format(QStringLiteral("AD3")).wrap);
    EXPECT_EQ(s.value(QStringLiteral("U5")), QStringLiteral("공급자받는자"));
    EXPECT_EQ(s.format(QStringLiteral("U5")).horizontal, HAlign::Left);
    EXPECT_EQ(s.value(QStringLiteral("J10")), QStringLiteral("백"));
    EXPECT_EQ(s.value(QStringLiteral("T10")), QStringLiteral("일"));
    EXPECT_EQ(s.value(QStringLiteral("V10")), QStringLiteral("십"));
    EXPECT_EQ(s.value(QStringLiteral("AE10")), QStringLiteral("일"));
    EXPECT_EQ(s.value(QStringLiteral("AA18")), QStringLiteral("외상미수금"));
    EXPECT_EQ(s.format(QStringLiteral("B12")).font.colour, kFormBlue);
}

TEST(TaxInvoiceSheet, PartiesDateAndDigits) {
    InvoiceSnapshot d = sampleTaxInvoice();
    d.aSaNo = SampleSupplierNumber();
    d.bSaNo = SampleSupplierNumber();
    const Sheet s = BuildTaxInvoiceSheet(d, {});
    // The reminder stands in the supplier's number only.
    EXPECT_EQ(s.value(QStringLiteral("F5")), QStringLiteral("사업자번호를 변경하세요"));
    EXPECT_EQ(s.value(QStringLiteral("Z5")), SampleSupplierNumber());
    EXPECT_EQ(s.format(QStringLiteral("F5")).font, (Font{QStringLiteral("굴림"), 13, true, kBlack}));
    EXPECT_EQ(s.value(QStringLiteral("Q6")), QStringLiteral("김철수"));
    EXPECT_EQ(s.value(QStringLiteral("AK6")), QStringLiteral("이영희"));
    EXPECT_EQ(s.value(QStringLiteral("AH8")), QStringLiteral("문구"));
    EXPECT_EQ(s.format(QStringLiteral("Z7")).horizontal, HAlign::Left);
    EXPECT_TRUE(s.format(QStringLiteral("Z7")).wrap);

    // 2005.03.07: the year as the text 05, month and day as typed.
    EXPECT_EQ(s.value(QStringLiteral("B11")), QStringLiteral("05"));
    EXPECT_TRUE(s.cell(QStringLiteral("B11")).text);
    EXPECT_EQ(s.value(QStringLiteral("D11")), QStringLiteral("03"));
    EXPECT_FALSE(s.cell(QStringLiteral("D11")).text);
    EXPECT_EQ(s.value(QStringLiteral("E11")), QStringLiteral("07"));

    EXPECT_EQ(s.value(QStringLiteral("F11")), QStringLiteral("④"));
    EXPECT_EQ(s.value(QStringLiteral("M11")), QStringLiteral(" "));  // ten-millions place is blank
    EXPECT_EQ(s.value(QStringLiteral("N11")), QStringLiteral("1"));  // millions
    EXPECT_EQ(s.value(QStringLiteral("T11")), QStringLiteral("0"));  // units
    EXPECT_EQ(s.value(QStringLiteral("Z11")), QStringLiteral("1"));  // tax hundred-thousands
    EXPECT_EQ(s.value(QStringLiteral("AE11")), QStringLiteral("0"));
    EXPECT_EQ(s.format(QStringLiteral("AE11")).font.colour, kBlack);
}

TEST(TaxInvoiceSheet, ItemLinesAndZeroSuppression) {
    InvoiceSnapshot d = sampleTaxInvoice();
    d.dGrid[2][3] = QStringLiteral(" 0 ");
    d.dGrid[2][1] = QStringLiteral("견본");
    d.dGrid[3][3] = QStringLiteral("00");
    const Sheet s = BuildTaxInvoiceSheet(d, {});
    EXPECT_EQ(s.value(QStringLiteral("B13")), QStringLiteral("03"));
    EXPECT_TRUE(s.cell(QStringLiteral("B13")).text);
    EXPECT_EQ(s.value(QStringLiteral("C13")), QStringLiteral("07"));
    EXPECT_TRUE(s.cell(QStringLiteral("C13")).text);
    EXPECT_EQ(s.value(QStringLiteral("D13")), QStringLiteral("복사용지 A4"));
    EXPECT_EQ(s.value(QStringLiteral("P13")), QStringLiteral("80g"));
    EXPECT_EQ(s.value(QStringLiteral("U13")), d.dGrid[0][3]);  // as the grid shows it
    EXPECT_EQ(s.value(QStringLiteral("AB14")), d.dGrid[1][5]);
    EXPECT_EQ(s.value(QStringLiteral("AK13")), QStringLiteral("박스"));
    EXPECT_EQ(s.format(QStringLiteral("X13")).horizontal, HAlign::Right);
    EXPECT_EQ(s.format(QStringLiteral("D13")).horizontal, HAlign::Left);
    EXPECT_TRUE(hasMerge(s, "AB17:AF17"));
    // "0" and " 0 " give empty cells, "00" stays; the empty lines show no zeros.
    EXPECT_EQ(s.value(QStringLiteral("U15")), QString());
    EXPECT_EQ(s.value(QStringLiteral("U16")), QStringLiteral("00"));
    for (const char *c : {"X15", "AB15", "AG15", "U17", "X17", "AB17", "AG17"})
        EXPECT_EQ(s.value(QLatin1String(c)), QString()) << c;
    // An empty date column leaves empty text cells.
    EXPECT_EQ(s.value(QStringLiteral("B17")), QString());
}

TEST(TaxInvoiceSheet, PaymentsClaimAndFooter) {
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), settingsWithMessage("고맙습니다"));
    EXPECT_EQ(s.value(QStringLiteral("B19")), FormatMoneyText(Money::fromWon(1357400), 17, false));
    EXPECT_EQ(s.value(QStringLiteral("B19")).size(), 17);
    EXPECT_TRUE(s.value(QStringLiteral("B19")).contains(QChar(0x20A9)));
    EXPECT_EQ(s.format(QStringLiteral("B19")).horizontal, HAlign::Right);
    EXPECT_EQ(s.value(QStringLiteral("I19")), FormatMoneyText(Money::fromWon(357400), 17, false));
    EXPECT_EQ(s.value(QStringLiteral("O19")), QString()); // "0"
    EXPECT_EQ(s.value(QStringLiteral("U19")), QString()); // empty
    EXPECT_EQ(s.value(QStringLiteral("AA19")), FormatMoneyText(Money::fromWon(1000000), 17, false));
    EXPECT_EQ(s.value(QStringLiteral("AG18")), QStringLiteral("이 금액을 청구함"));
    EXPECT_EQ(s.value(QStringLiteral("AF10")), QString());
    EXPECT_EQ(s.value(QStringLiteral("B20")), QStringLiteral("고맙습니다"));
    EXPECT_EQ(s.format(QStringLiteral("B20")).horizontal, HAlign::Left);

    InvoiceSnapshot receipt = sampleTaxInvoice();
    receipt.receipt = true;
    receipt.Totmy = QStringLiteral("0");
    const Sheet r = BuildTaxInvoiceSheet(receipt, {});
    EXPECT_EQ(r.value(QStringLiteral("AG18")), QStringLiteral("이 금액을 영수함"));
    EXPECT_EQ(r.value(QStringLiteral("B19")), QString());

    receipt.Cashmy = QStringLiteral("12x");
    EXPECT_THROW(BuildTaxInvoiceSheet(receipt, {}), NumberConversionError);
}

TEST(TaxInvoiceSheet, SealPictureOnlyFromAPictureFile) {
    QTemporaryDir dir;
    ExportSettings settings;
    settings.sealPath = dir.filePath(QStringLiteral("dojang.bmp"));
    EXPECT_TRUE(BuildTaxInvoiceSheet(sampleTaxInvoice(), settings).pictures().isEmpty()); // missing

    QFile junk(settings.sealPath);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    EXPECT_TRUE(BuildTaxInvoiceSheet(sampleTaxInvoice(), settings).pictures().isEmpty());

    ASSERT_TRUE(writeSealBitmap(settings.sealPath));
    const Sheet s = BuildTaxInvoiceSheet(sampleTaxInvoice(), settings);
    ASSERT_EQ(s.pictures().size(), 1);
    EXPECT_EQ(s.pictures().at(0).left, 220);
    EXPECT_EQ(s.pictures().at(0).top, 83);
    // The seal is ink: its white paper is transparent, its red ring stays.
    const QImage &seal = s.pictures().at(0).image;
    EXPECT_EQ(seal.pixelColor(1, 1).alpha(), 0);
    EXPECT_EQ(seal.pixelColor(30, 12), QColor(220, 0, 0));
}

TEST(ExportSettings, SealPathRuleAndFooters) {
    ScratchAppFolder app;
    // No settings file: "djnousr" reads as set, so no seal; the built-in footer lines.
    EXPECT_EQ(ReadTaxInvoiceSettings().sealPath, QString());
    EXPECT_EQ(ReadTaxInvoiceSettings().message, QString::fromUtf16(keys::kExportMessageInvoice));
    EXPECT_EQ(ReadStatementSettings().message, QString::fromUtf16(keys::kExportMessageStatement));
    const ExportSettings q = ReadQuotationSettings();
    EXPECT_EQ(q.tel, QStringLiteral("02-1234-5678"));
    EXPECT_EQ(q.sangho, QString::fromUtf16(sample::kSangho));

    keys::write(keys::djnousr, false);
    EXPECT_EQ(ReadQuotationSettings().sealPath, app.file(QStringLiteral("dojang.bmp")));
    keys::write(keys::dojImge, QStringLiteral("/somewhere/seal.bmp"));
    keys::write(keys::fMsge, QStringLiteral("세금계산서 메시지"));
    keys::write(keys::fMsg2, QStringLiteral("명세서 메시지"));
    keys::write(keys::fTel, QStringLiteral("(  02) 555-1234"));
    EXPECT_EQ(ReadStatementSettings().sealPath, QStringLiteral("/somewhere/seal.bmp"));
    EXPECT_EQ(ReadTaxInvoiceSettings().message, QStringLiteral("세금계산서 메시지"));
    EXPECT_EQ(ReadStatementSettings().message, QStringLiteral("명세서 메시지"));
    EXPECT_EQ(ReadQuotationSettings().tel, QStringLiteral("(  02) 555-1234"));
    keys::write(keys::djnousr, true);
    EXPECT_EQ(ReadQuotationSettings().sealPath, QString());
}

// --- Transaction statement ---

TEST(StatementSheet, TwelveLinesFormAndTotals) {
    InvoiceSnapshot d = sampleStatement(3);
    d.gGrid[0][4] = QStringLiteral("0");
    d.gGrid[0][8] = QStringLiteral(" 0 ");
    const Sheet s = BuildStatementSheet(d, settingsWithMessage("명세서 메시지"));
    EXPECT_EQ(s.name(), QStringLiteral("거래명세서"));
    EXPECT_EQ(s.sheetColumnWidth(), 2);
    EXPECT_EQ(s.sheetRowHeight(), 16);
    EXPECT_EQ(s.rowHeight(1), 7);
    EXPECT_EQ(s.rowHeight(3), 5);
    EXPECT_EQ(s.rowHeight(22), 21);
    EXPECT_EQ(s.rowHeight(21), 16);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("F"))), 5);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("D"))), 2);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("W"))), 5);

    EXPECT_EQ(s.value(QStringLiteral("H2")), QStringLiteral("거  래  명  세  표"));
    EXPECT_EQ(s.format(QStringLiteral("H2")).font, (Font{QStringLiteral("명조"), 18, true, kFormBlue}));
    EXPECT_EQ(s.value(QStringLiteral("H3")), QString(28, QChar(u'〓')));
    EXPECT_EQ(s.format(QStringLiteral("T4")).fill, kLightBlue);
    EXPECT_EQ(s.value(QStringLiteral("B4")), QStringLiteral("    No."));

    EXPECT_EQ(s.border(QStringLiteral("W21"), Edge::Right), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("B5"), Edge::Top), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("W22"), Edge::Bottom), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("W23"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("K15"), Edge::Bottom), kHairBlue);

    // Items, with the zero quantity left out and the remarks as written.
    EXPECT_EQ(s.value(QStringLiteral("B10")), QStringLiteral("03/01"));
    EXPECT_TRUE(s.cell(QStringLiteral("B10")).text);
    EXPECT_EQ(s.value(QStringLiteral("E11")), QStringLiteral("품목 2"));
    EXPECT_EQ(s.value(QStringLiteral("N11")), QStringLiteral("EA"));
    EXPECT_EQ(s.value(QStringLiteral("P10")), QString());
    EXPECT_EQ(s.value(QStringLiteral("W10")), QStringLiteral(" 0 "));
    EXPECT_EQ(s.value(QStringLiteral("S12")), d.gGrid[2][6]);
    EXPECT_EQ(s.format(QStringLiteral("P12")).horizontal, HAlign::Right);
    EXPECT_EQ(s.format(QStringLiteral("W12")).horizontal, HAlign::Left);
    EXPECT_EQ(s.value(QStringLiteral("Q21")), QString());
    EXPECT_TRUE(hasMerge(s, "U21:V21"));
    EXPECT_FALSE(hasMerge(s, "U22:V22"));

    // Totals in row 22, footer in row 23.
    EXPECT_EQ(s.value(QStringLiteral("B22")), QStringLiteral("미수금"));
    EXPECT_EQ(s.value(QStringLiteral("U22")), QStringLiteral("인수자         (인)"));
    EXPECT_EQ(s.value(QStringLiteral("J22")), FormatMoneyText(Money::fromWon(6000), 15, false));
    EXPECT_EQ(s.value(QStringLiteral("S22")), FormatMoneyText(Money::fromWon(6600), 15, false));
    EXPECT_EQ(s.format(QStringLiteral("S22")).horizontal, HAlign::Right);
    for (const char *c : {"B22", "E22", "I22", "M22", "R22", "J22", "O22", "S22"})
        EXPECT_EQ(s.format(QLatin1String(c)).fill, kLightBlue) << c;
    EXPECT_TRUE(hasMerge(s, "U22:W22"));
    EXPECT_TRUE(hasMerge(s, "B23:W23"));
    EXPECT_EQ(s.value(QStringLiteral("B23")), QStringLiteral("명세서 메시지"));
    EXPECT_EQ(s.format(QStringLiteral("B23")).horizontal, HAlign::Left);
}

TEST(StatementSheet, PartiesWithTheReminder) {
    InvoiceSnapshot d = sampleStatement(1);
    d.aSaNo = SampleSupplierNumber();
    d.bSaNo = SampleSupplierNumber();
    const Sheet s = BuildStatementSheet(d, {});
    EXPECT_EQ(s.value(QStringLiteral("F5")), QStringLiteral("사업자번호를 변경하세요"));
    EXPECT_EQ(s.value(QStringLiteral("Q5")), SampleSupplierNumber());
    EXPECT_EQ(s.format(QStringLiteral("Q5")).font, (Font{QStringLiteral("굴림"), 13, true, kBlack}));
    EXPECT_EQ(s.value(QStringLiteral("K6")), QStringLiteral("김철수"));
    EXPECT_EQ(s.value(QStringLiteral("U8")), QStringLiteral("문구"));
    EXPECT_TRUE(hasMerge(s, "U8:W8"));
    EXPECT_EQ(s.value(QStringLiteral("N5")), QStringLiteral("공급자받는자"));
}

TEST(StatementSheet, LineThirteenDecidesBetweenTwelveAndThirtyLines) {
    InvoiceSnapshot d = sampleStatement(2);
    d.gGrid[12][1] = QStringLiteral("열세번째");
    const Sheet s = BuildStatementSheet(d, settingsWithMessage("끝"));
    EXPECT_EQ(StatementExtension(d), 18);
    EXPECT_EQ(s.value(QStringLiteral("E22")), QStringLiteral("열세번째"));
    EXPECT_EQ(s.value(QStringLiteral("B39")), QString());
    EXPECT_TRUE(hasMerge(s, "B39:D39"));
    EXPECT_EQ(s.value(QStringLiteral("B40")), QStringLiteral("미수금"));
    EXPECT_EQ(s.rowHeight(40), 21);
    EXPECT_EQ(s.rowHeight(22), 16);
    EXPECT_EQ(s.value(QStringLiteral("B41")), QStringLiteral("끝"));
    EXPECT_EQ(s.border(QStringLiteral("B39"), Edge::Left), kThinBlue);
    EXPECT_EQ(s.border(QStringLiteral("C40"), Edge::Bottom), kThinBlue);

    // 1 x -1 and no text: the sum is zero, so line 13 is not exported.
    InvoiceSnapshot zero = sampleStatement(2);
    zero.gGrid[12][4] = QStringLiteral("1");
    zero.gGrid[12][5] = QStringLiteral("-1");
    EXPECT_EQ(StatementExtension(zero), 0);
    // A line after an empty 13th is exported too: the thirty lines are there.
    InvoiceSnapshot late = sampleStatement(2);
    late.gGrid[14][1] = QStringLiteral("열다섯번째");
    EXPECT_EQ(StatementExtension(late), 18);
    EXPECT_EQ(BuildStatementSheet(late, {}).value(QStringLiteral("E24")), QStringLiteral("열다섯번째"));
    const Sheet z = BuildStatementSheet(zero, {});
    EXPECT_EQ(z.value(QStringLiteral("B22")), QStringLiteral("미수금"));
    EXPECT_EQ(z.value(QStringLiteral("P22")), QString());

    // A blank size (규격) counts nothing; "-" alone reads as zero.
    QStringList line = EmptyItemRow(GridKind::Statement, 13);
    line[2] = QStringLiteral("   ");
    line[7] = QStringLiteral(" - ");
    EXPECT_FALSE(StatementLine13InUse(line));
    line[7] = QStringLiteral("1,000");
    EXPECT_TRUE(StatementLine13InUse(line));
}

TEST(StatementSheet, ALineThirteenAmountThatIsNoNumberStopsTheExport) {
    InvoiceSnapshot d = sampleStatement(1);
    d.gGrid[12][5] = QStringLiteral("12a");
    try {
        BuildStatementSheet(d, {});
        FAIL() << "no error";
    } catch (const NumberConversionError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("13"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("12a"))) << e.message().toStdString();
    }
}

TEST(StatementSheet, ZeroTotalsStayEmptyButFilled) {
    InvoiceSnapshot d = sampleStatement(0);
    d.gMnyEdt = QStringLiteral("0");
    d.gVatEdt = QString();
    d.gTotEdt = QStringLiteral("0");
    QTemporaryDir dir;
    ExportSettings settings;
    settings.sealPath = dir.filePath(QStringLiteral("seal.bmp"));
    ASSERT_TRUE(writeSealBitmap(settings.sealPath));
    const Sheet s = BuildStatementSheet(d, settings);
    for (const char *c : {"J22", "O22", "S22"}) {
        EXPECT_EQ(s.value(QLatin1String(c)), QString()) << c;
        EXPECT_EQ(s.format(QLatin1String(c)).fill, kLightBlue) << c;
    }
    ASSERT_EQ(s.pictures().size(), 1);
    EXPECT_EQ(s.pictures().at(0).left, 225);
    EXPECT_EQ(s.pictures().at(0).top, 73);
}

// --- Quotation ---

TEST(Quotation, SpreadName) {
    EXPECT_EQ(SpreadName(QStringLiteral("홍길")), QStringLiteral("홍       길"));
    EXPECT_EQ(SpreadName(QStringLiteral("홍길동")), QStringLiteral("홍    길    동"));
    EXPECT_EQ(SpreadName(QStringLiteral("남궁길동")), QStringLiteral("남  궁  길  동"));
    EXPECT_EQ(SpreadName(QStringLiteral("남궁길동이")), QStringLiteral("남궁길동이"));
    EXPECT_EQ(SpreadName(QStringLiteral("홍")), QStringLiteral("홍"));
    EXPECT_EQ(SpreadName(QString()), QString());
    // Byte pieces: two single-byte letters make one piece; a piece never splits a character.
    EXPECT_EQ(SpreadName(QStringLiteral("ab홍")), QStringLiteral("ab       홍"));
    EXPECT_EQ(SpreadName(QStringLiteral("a홍b")), QStringLiteral("a홍b"));
}

TEST(QuotationSheet, FrameInBlackAndTheSupplierRecord) {
    ExportSettings settings;
    settings.sangho = QStringLiteral("한빛상사");
    settings.upjong = QStringLiteral("문구");
    settings.saNo = QStringLiteral("123-45-67891");
    settings.name = QStringLiteral("홍 길 동");
    settings.addr = QStringLiteral("서울 중구");
    settings.tel = QStringLiteral("02-1234-5678");
    const Sheet s = BuildQuotationSheet(sampleQuotation(), settings);
    EXPECT_EQ(s.name(), QStringLiteral("견적서"));
    EXPECT_EQ(s.format(QStringLiteral("Z99")).font.colour, kBlack);
    EXPECT_EQ(s.sheetRowHeight(), 18);
    EXPECT_EQ(s.rowHeight(4), 30);
    EXPECT_EQ(s.rowHeight(11), 2);
    EXPECT_EQ(s.rowHeight(43), 11);
    EXPECT_EQ(s.rowHeight(44), 18);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("F"))), 13);
    EXPECT_EQ(s.columnWidth(ColumnNumber(QStringLiteral("L"))), 2);

    EXPECT_EQ(s.value(QStringLiteral("B2")), QStringLiteral("見       積        書"));
    EXPECT_EQ(s.format(QStringLiteral("B2")).font, (Font{QStringLiteral("명조"), 18, true, kBlack}));
    EXPECT_EQ(s.border(QStringLiteral("C20"), Edge::Bottom), kHairBlack);
    EXPECT_EQ(s.border(QStringLiteral("K20"), Edge::Right), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("K43"), Edge::Bottom), kThinBlack);

    // Customer block: open at the top, closed below; supplier block framed.
    EXPECT_EQ(s.value(QStringLiteral("B5")), QStringLiteral("하늘문구  귀하"));
    EXPECT_EQ(s.format(QStringLiteral("B5")).font, (Font{QStringLiteral("굴림"), 16, true, kBlack}));
    EXPECT_EQ(s.border(QStringLiteral("C5"), Edge::Top), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("G5"), Edge::Top), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("C5"), Edge::Bottom), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("B5"), Edge::Left), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("H5"), Edge::Top), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("H5"), Edge::Left), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("F7"), Edge::Right), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("G8"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I5"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I6"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I7"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("I8"), Edge::Bottom), kThinBlack);

    EXPECT_EQ(s.value(QStringLiteral("D6")), QStringLiteral("  이영희"));
    EXPECT_EQ(s.value(QStringLiteral("D8")), QStringLiteral(" 2005년03월14일"));
    EXPECT_EQ(s.value(QStringLiteral("F8")), QStringLiteral("051- 742-1234"));
    EXPECT_EQ(s.value(QStringLiteral("H5")), QStringLiteral("한빛상사"));
    EXPECT_EQ(s.format(QStringLiteral("H5")).font.size, 16);
    EXPECT_EQ(s.value(QStringLiteral("H6")), QStringLiteral("문구 사업번호: 123-45-67891"));
    EXPECT_EQ(s.value(QStringLiteral("H7")), QStringLiteral("대     표 :    홍    길    동   [印]"));
    EXPECT_EQ(s.value(QStringLiteral("J10")), QStringLiteral("견적일:2005년03월07일"));
    EXPECT_EQ(s.border(QStringLiteral("B10"), Edge::Left), kThinWhite);
    EXPECT_EQ(s.value(QStringLiteral("B12")), QStringLiteral("금액    一金 : 이십삼만사천원정 (₩234,000)"));
    EXPECT_EQ(s.value(QStringLiteral("B44")), QStringLiteral("한빛상사  Tel.02-1234-5678"));
    EXPECT_EQ(s.format(QStringLiteral("B44")).horizontal, HAlign::Left);
    for (const char *m : {"A11:L11", "A13:L13", "G5:G8", "B43:K43", "C34:E34", "B44:K44"})
        EXPECT_TRUE(hasMerge(s, m)) << m;
    // Rows 9 and 35 stay unmerged, so no margin cell's white edge stands for the lines above them.
    EXPECT_FALSE(hasMerge(s, "A9:L9"));
    EXPECT_FALSE(hasMerge(s, "A35:L35"));
    for (const char *c : {"B9", "F9", "H9", "K9", "B35", "K35"})
        EXPECT_EQ(s.border(QLatin1String(c), Edge::Top).colour, kBlack) << c;
    EXPECT_EQ(s.border(QStringLiteral("G9"), Edge::Top).colour, kWhite);
    // Inside the spacer rows no line shows, as in a merged row.
    for (const char *c : {"C9", "J9", "C35", "J35"})
        EXPECT_EQ(s.border(QLatin1String(c), Edge::Left).colour, kWhite) << c;
}

TEST(QuotationSheet, LineNumbersZerosMemoAndBlankDays) {
    QuotationSnapshot q = sampleQuotation();
    q.Day1Edt = QStringLiteral("    .  .  ");
    q.Day2Edt = QStringLiteral("    .  .  ");
    // Line 3: three empty amount texts still get the number; line 4: "00" is not "0".
    q.kGrid[2][4] = QString();
    q.kGrid[2][5] = QString();
    q.kGrid[2][6] = QString();
    q.kGrid[3][4] = QStringLiteral("00");
    QTemporaryDir dir;
    ExportSettings settings;
    settings.sealPath = dir.filePath(QStringLiteral("seal.bmp"));
    ASSERT_TRUE(writeSealBitmap(settings.sealPath));
    const Sheet s = BuildQuotationSheet(q, settings);

    EXPECT_EQ(s.value(QStringLiteral("B15")), QStringLiteral(" 1"));
    EXPECT_TRUE(s.cell(QStringLiteral("B15")).text);
    EXPECT_EQ(s.value(QStringLiteral("C15")), QStringLiteral("복사용지 A4"));
    EXPECT_EQ(s.value(QStringLiteral("G15")), QStringLiteral("박스"));
    EXPECT_EQ(s.value(QStringLiteral("J15")), q.kGrid[0][6]);
    EXPECT_EQ(s.format(QStringLiteral("J15")).horizontal, HAlign::Right);
    EXPECT_EQ(s.format(QStringLiteral("K15")).horizontal, HAlign::Left);
    // Line 2 is an empty line: no number, no zeros.
    for (const char *c : {"B16", "H16", "I16", "J16"})
        EXPECT_EQ(s.value(QLatin1String(c)), QString()) << c;
    EXPECT_EQ(s.value(QStringLiteral("B17")), QStringLiteral(" 3"));
    EXPECT_EQ(s.value(QStringLiteral("B18")), QStringLiteral(" 4"));
    EXPECT_EQ(s.value(QStringLiteral("H18")), QStringLiteral("00"));
    EXPECT_EQ(s.value(QStringLiteral("B34")), QString());
    EXPECT_EQ(s.value(QStringLiteral("C14")), QStringLiteral("품       목"));

    // Two memo lines: B37, B38; the rest empty.
    EXPECT_EQ(s.value(QStringLiteral("B36")), QStringLiteral(" ※ 참고사항 "));
    EXPECT_EQ(s.value(QStringLiteral("B37")), QStringLiteral("1. 부가세 별도"));
    EXPECT_EQ(s.value(QStringLiteral("B38")), QStringLiteral("2. 견적 유효기간: 30일"));
    for (int r = 39; r <= 43; ++r)
        EXPECT_EQ(s.value(QStringLiteral("B%1").arg(r)), QString()) << r;
    EXPECT_EQ(s.format(QStringLiteral("B40")).horizontal, HAlign::Left);
    EXPECT_EQ(s.border(QStringLiteral("C38"), Edge::Bottom), kThinWhite);
    EXPECT_EQ(s.border(QStringLiteral("C43"), Edge::Bottom), kThinBlack);
    EXPECT_EQ(s.border(QStringLiteral("C35"), Edge::Bottom), kThinBlack);

    EXPECT_EQ(s.value(QStringLiteral("D8")), QStringLiteral("     년  월  일"));
    EXPECT_EQ(s.value(QStringLiteral("J10")), QStringLiteral("견적일:    년  월  일"));
    ASSERT_EQ(s.pictures().size(), 1);
    EXPECT_EQ(s.pictures().at(0).left, 455);
    EXPECT_EQ(s.pictures().at(0).top, 103);
}
