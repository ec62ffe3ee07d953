// The sheet model's spreadsheet rules: addresses, text cells, shared lines, merges, whole-sheet defaults,
// pictures, and how values are stored in the file.

#include "sheet_model.h"
#include "xlsx_writer.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

using namespace sheet;

TEST(SheetModel, AddressesByLettersAndNumbers) {
    EXPECT_EQ(ColumnNumber(QStringLiteral("A")), 1);
    EXPECT_EQ(ColumnNumber(QStringLiteral("Z")), 26);
    EXPECT_EQ(ColumnNumber(QStringLiteral("AA")), 27);
    EXPECT_EQ(ColumnNumber(QStringLiteral("AN")), 40);
    EXPECT_EQ(ColumnNumber(QStringLiteral("XFD")), kMaxCols);
    EXPECT_EQ(ColumnNumber(QStringLiteral("XFE")), 0);
    EXPECT_EQ(ColumnLetters(40), QStringLiteral("AN"));
    EXPECT_EQ(ColumnLetters(703), QStringLiteral("AAA"));
    EXPECT_EQ(ParseCell(QStringLiteral("AN20")), (CellRef{20, 40}));
    // Corners in any order give the same range.
    EXPECT_EQ(ParseRange(QStringLiteral("G5:B2")), (Range{2, 2, 5, 7}));
    EXPECT_EQ(ParseRange(QStringLiteral("AM2")), (Range{2, 39, 2, 39}));
    for (const char *bad : {"", "5", "B", "B0", "1B", "B-1", "Ä1", "B2:", "B1048577"})
        EXPECT_THROW(ParseRange(QLatin1String(bad)), std::invalid_argument) << bad;
}

TEST(SheetModel, ApostropheMakesATextCellAndIsNotShown) {
    Sheet s(QStringLiteral("t"));
    s.setValue(QStringLiteral("B11"), QStringLiteral("'05"));
    s.setValue(QStringLiteral("D11"), QStringLiteral("03"));
    EXPECT_EQ(s.value(QStringLiteral("B11")), QStringLiteral("05"));
    EXPECT_TRUE(s.cell(QStringLiteral("B11")).text);
    EXPECT_FALSE(s.cell(QStringLiteral("D11")).text);
    // A later value replaces the text flag too.
    s.setValue(QStringLiteral("B11"), QStringLiteral("7"));
    EXPECT_FALSE(s.cell(QStringLiteral("B11")).text);
}

TEST(SheetModel, ALineIsSharedByTheCellsOnItsTwoSidesAndTheLaterOneWins) {
    Sheet s(QStringLiteral("t"));
    s.setSheetBorderColour(kWhite);
    // The sheet-wide colour turns on thin white lines everywhere.
    EXPECT_EQ(s.border(QStringLiteral("Z99"), Edge::Left), (Border{LineStyle::Continuous, Weight::Thin, kWhite}));

    s.setBorderStyle(QStringLiteral("B3:D5"), LineStyle::Continuous);
    s.setBorderWeight(QStringLiteral("B3:D5"), Weight::Hairline);
    s.setBorderColour(QStringLiteral("B3:D5"), kFormBlue);
    const Border hair{LineStyle::Continuous, Weight::Hairline, kFormBlue};
    EXPECT_EQ(s.border(QStringLiteral("C4"), Edge::Top), hair);
    EXPECT_EQ(s.border(QStringLiteral("B3"), Edge::Left), hair);
    EXPECT_EQ(s.border(QStringLiteral("A3"), Edge::Right), hair); // the same line seen from the left
    EXPECT_EQ(s.border(QStringLiteral("B6"), Edge::Top), hair);

    // An edge of a range is the outline only.
    s.setEdgeWeight(QStringLiteral("B3:D3"), Edge::Bottom, Weight::Thin);
    EXPECT_EQ(s.border(QStringLiteral("C4"), Edge::Top).weight, Weight::Thin);
    EXPECT_EQ(s.border(QStringLiteral("C4"), Edge::Top).colour, kFormBlue); // colour unchanged
    EXPECT_EQ(s.border(QStringLiteral("C4"), Edge::Bottom).weight, Weight::Hairline);

    // A later colour on the neighbour replaces the shared line.
    s.setBorderColour(QStringLiteral("C4"), kWhite);
    EXPECT_EQ(s.border(QStringLiteral("C3"), Edge::Bottom).colour, kWhite);
    EXPECT_EQ(s.border(QStringLiteral("D4"), Edge::Left).colour, kWhite);
    EXPECT_EQ(s.border(QStringLiteral("C3"), Edge::Bottom).weight, Weight::Thin);

    s.setEdgeStyle(QStringLiteral("C4"), Edge::Right, LineStyle::None);
    EXPECT_EQ(s.border(QStringLiteral("D4"), Edge::Left).style, LineStyle::None);
}

TEST(SheetModel, AColourOrWeightOnASideWithoutLineTurnsOnAThinLine) {
    Sheet s(QStringLiteral("t"));
    EXPECT_EQ(s.border(QStringLiteral("B2"), Edge::Top).style, LineStyle::None);
    s.setEdgeColour(QStringLiteral("B2"), Edge::Top, kFormBlue);
    EXPECT_EQ(s.border(QStringLiteral("B2"), Edge::Top), (Border{LineStyle::Continuous, Weight::Thin, kFormBlue}));
    s.setEdgeWeight(QStringLiteral("C2"), Edge::Top, Weight::Hairline);
    EXPECT_EQ(s.border(QStringLiteral("C2"), Edge::Top), (Border{LineStyle::Continuous, Weight::Hairline, kBlack}));
}

TEST(SheetModel, MergesAndTheirAlignment) {
    Sheet s(QStringLiteral("t"));
    s.merge(QStringLiteral("B20:AN20"));
    s.merge(QStringLiteral("B3")); // one cell: nothing to merge
    s.merge(QStringLiteral("C5:D6"));
    s.merge(QStringLiteral("D6:E7")); // overlaps: the areas join
    ASSERT_EQ(s.merges().size(), 2);
    EXPECT_EQ(s.merges().at(1), ParseRange(QStringLiteral("C5:E7")));

    // Alignment on any cell of a merged area is the area's alignment; fonts stay with the cell.
    s.setHorizontalAlignment(QStringLiteral("T20"), HAlign::Left);
    EXPECT_EQ(s.format(QStringLiteral("B20")).horizontal, HAlign::Left);
    s.setFontColour(QStringLiteral("T20"), kWhite);
    EXPECT_EQ(s.format(QStringLiteral("B20")).font.colour, kBlack);
}

TEST(SheetModel, WholeSheetDefaultsReachWrittenAndUnwrittenCells) {
    Sheet s(QStringLiteral("t"));
    s.setValue(QStringLiteral("C3"), QStringLiteral("x"));
    s.setSheetFont(QStringLiteral("굴림"), 9, kFormBlue);
    s.setSheetAlignment(HAlign::Center, VAlign::Center);
    s.setSheetColumnWidth(1);
    s.setSheetRowHeight(15);
    s.setColumnWidth(QStringLiteral("D1:E1"), 2);
    s.setRowHeight(QStringLiteral("A5:A6"), 24);
    for (const char *c : {"C3", "Q77"}) {
        EXPECT_EQ(s.format(QLatin1String(c)).font.name, QStringLiteral("굴림")) << c;
        EXPECT_EQ(s.format(QLatin1String(c)).font.colour, kFormBlue) << c;
        EXPECT_EQ(s.format(QLatin1String(c)).vertical, VAlign::Center) << c;
    }
    // A later cell format overrides the default for that cell only.
    s.setFontColour(QStringLiteral("C3"), kBlack);
    EXPECT_EQ(s.format(QStringLiteral("C3")).font.colour, kBlack);
    EXPECT_EQ(s.format(QStringLiteral("C4")).font.colour, kFormBlue);
    EXPECT_EQ(s.columnWidth(3), 1);
    EXPECT_EQ(s.columnWidth(5), 2);
    EXPECT_EQ(s.rowHeight(6), 24);
    EXPECT_EQ(s.rowHeight(7), 15);
    EXPECT_EQ(s.format(QStringLiteral("C3")).font.size, 9);
    s.setFontStyle(QStringLiteral("C3"), kBoldStyle);
    EXPECT_TRUE(s.format(QStringLiteral("C3")).font.bold);
    s.setFontStyle(QStringLiteral("C3"), QStringLiteral("보통"));
    EXPECT_FALSE(s.format(QStringLiteral("C3")).font.bold);
}

TEST(SheetModel, PicturesFromFilesThatArePictures) {
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("seal.bmp"));
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(bmp, "BMP"));
    const QString notPicture = dir.filePath(QStringLiteral("seal2.bmp"));
    QFile f(notPicture);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("BM this is not a bitmap");
    f.close();

    Sheet s(QStringLiteral("t"));
    EXPECT_FALSE(s.insertPicture(notPicture));
    EXPECT_FALSE(s.insertPicture(dir.filePath(QStringLiteral("missing.bmp"))));
    EXPECT_TRUE(s.pictures().isEmpty());
    EXPECT_TRUE(s.insertPicture(bmp));
    s.movePictures(220, 83);
    ASSERT_EQ(s.pictures().size(), 1);
    EXPECT_EQ(s.pictures().at(0).left, 220);
    EXPECT_EQ(s.pictures().at(0).top, 83);
    EXPECT_EQ(s.pictures().at(0).image.size(), QSize(10, 10));
}

TEST(XlsxValues, NumbersAsTheSpreadsheetReadsThemButNeverFormulas) {
    auto stored = [](const char *value, bool text = false) {
        Cell c;
        c.value = QString::fromUtf8(value);
        c.text = text;
        return StoreValue(c);
    };
    EXPECT_EQ(stored("").kind, StoredValue::Blank);
    EXPECT_EQ(stored("03").kind, StoredValue::Number);
    EXPECT_EQ(stored("03").number, 3);
    EXPECT_EQ(stored("03").format, QString());
    EXPECT_EQ(stored("05", true).kind, StoredValue::Text);
    EXPECT_EQ(stored("  -1 ").number, -1);
    EXPECT_EQ(stored("2.5").number, 2.5);
    const StoredValue grouped = stored("      1,234,000");
    EXPECT_EQ(grouped.kind, StoredValue::Number);
    EXPECT_EQ(grouped.format, kAmountFormat);
    EXPECT_EQ(grouped.number, 1234000);
    for (const char *text : {"₩1,234", "1,23", "12,3456", "=1+1", "+A1", "①", "03/07", "1 234", "12345678901234567890"})
        EXPECT_EQ(stored(text).kind, StoredValue::Text) << text;
}

// Amounts written as numbers keep their value and format, whatever they show; a later text replaces them.
TEST(XlsxValues, AmountsWrittenAsNumbers) {
    Sheet s(QStringLiteral("t"));
    s.setNumber(QStringLiteral("A1"), Money::fromWon(-9999999999LL), kWonFormat);
    s.setNumber(QStringLiteral("A2"), Money::fromWon(1234000), kAmountFormat);
    s.setNumber(QStringLiteral("A3"), Money::fromRaw(-12345), kQuantityFormat);
    s.setNumber(QStringLiteral("A4"), Money::fromWon(5), kAmountFormat);
    s.setValue(QStringLiteral("A4"), QStringLiteral("'05"));
    EXPECT_EQ(s.value(QStringLiteral("A1")), QStringLiteral("-₩9,999,999,999"));
    EXPECT_EQ(s.value(QStringLiteral("A2")), QStringLiteral("1,234,000"));
    EXPECT_EQ(s.value(QStringLiteral("A3")), QStringLiteral("-1.2345"));
    const std::tuple<const char *, double, QString> expected[] = {
        {"A1", -9999999999.0, kWonFormat}, {"A2", 1234000, kAmountFormat}, {"A3", -1.2345, QString()}};
    for (const auto &[cell, number, format] : expected) {
        const StoredValue v = StoreValue(s.cell(QLatin1String(cell)));
        EXPECT_EQ(v.kind, StoredValue::Number) << cell;
        EXPECT_EQ(v.number, number) << cell;
        EXPECT_EQ(v.format, format) << cell;
    }
    EXPECT_FALSE(s.cell(QStringLiteral("A4")).number);
    EXPECT_EQ(StoreValue(s.cell(QStringLiteral("A4"))).kind, StoredValue::Text);
}

TEST(XlsxPictures, OffsetsCountOnTheFormsColumns) {
    EXPECT_EQ(ColumnPixels(1, kFileCharacterPixels), 12);
    EXPECT_EQ(ColumnPixels(2, kFileCharacterPixels), 19);
    EXPECT_EQ(ColumnPixels(1, kFormCharacterPixels), 14);
    EXPECT_EQ(ColumnPixels(0, kFormCharacterPixels), 0);
    Sheet s(QStringLiteral("t"));
    s.setSheetColumnWidth(1);
    EXPECT_EQ(PictureColumnAt(s, 0).col, 1);
    EXPECT_EQ(PictureColumnAt(s, 0).offset, 0);
    // 42 points = 56 pixels = four form columns of 14: the start of column E.
    EXPECT_EQ(PictureColumnAt(s, 42).col, 5);
    EXPECT_EQ(PictureColumnAt(s, 42).offset, 0);
    // The file's columns keep the form's pixels: 7 pixels into a column stay 7.
    EXPECT_EQ(PictureColumnAt(s, 5.25).offset, 7);
    for (double w : {1.0, 2.0, 3.0, 5.0, 13.0})
        EXPECT_EQ(ColumnPixels(FileColumnWidth(w), kFileCharacterPixels), ColumnPixels(w, kFormCharacterPixels)) << w;
}
