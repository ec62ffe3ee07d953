// The written .xlsx files read back by an independent reader (openpyxl): what a spreadsheet program sees.

#include "export_fixtures.h"
#include "sheet_invoice.h"
#include "sheet_quotation.h"
#include "sheet_statement.h"
#include "xlsx_writer.h"

#include "errors.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace sheet;

namespace {

// Runs the reader on the file and returns what it found, for the given cells.
QJsonObject readBack(const QString &path, const QStringList &cells) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), QStringList{QStringLiteral(ZARU_READ_XLSX_SCRIPT), path} + cells);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << "reader failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QJsonObject cellOf(const QJsonObject &file, const char *ref) {
    return file["cells"].toObject()[QLatin1String(ref)].toObject();
}

// The cell holds the number (not text) in the number format.
void expectNumber(const QJsonObject &file, const char *ref, double number, const QString &format) {
    const QJsonObject c = cellOf(file, ref);
    EXPECT_EQ(c["type"].toString(), QStringLiteral("n")) << ref;
    EXPECT_TRUE(c["value"].isDouble()) << ref;
    EXPECT_EQ(c["value"].toDouble(), number) << ref;
    EXPECT_EQ(c["numberFormat"].toString(), format) << ref;
}

// Where the sample files are copied for a look, when asked for.
void keepSample(const QString &path) {
    const QString dir = qEnvironmentVariable("ZARU_EXPORT_SAMPLES");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        const QString target = dir + u'/' + QFileInfo(path).fileName();
        QFile::remove(target);
        QFile::copy(path, target);
    }
}

class XlsxFile : public ::testing::Test {
protected:
    QString write(const Sheet &s, const char *name) {
        const QString path = dir.filePath(QLatin1String(name));
        WriteXlsx(s, path);
        keepSample(path);
        return path;
    }
    QString sealPath() {
        const QString p = dir.filePath(QStringLiteral("dojang.bmp"));
        writeSealBitmap(p);
        return p;
    }
    QTemporaryDir dir;
};

TEST_F(XlsxFile, AFileThatCannotBeWrittenRaisesAnErrorAndLeavesNothing) {
    const QString path = dir.filePath(QStringLiteral("no/such/folder/x.xlsx"));
    EXPECT_THROW(WriteXlsx(BuildQuotationSheet(sampleQuotation(), {}), path), IoError);
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace

TEST_F(XlsxFile, TaxInvoice) {
    ExportSettings settings;
    settings.sealPath = sealPath();
    settings.message = QStringLiteral("항상 감사합니다");
    const QString path = write(BuildTaxInvoiceSheet(sampleTaxInvoice(), settings), "tax_invoice.xlsx");
    const QJsonObject f = readBack(path, {"B3", "F5", "B11", "D11", "U13", "X13", "AB14", "AG14", "B19", "AA19", "O19",
                                          "AG18", "M14", "B14", "R3", "AN19", "Q40", "B20"});
    EXPECT_EQ(f["sheets"].toArray(), QJsonArray{QStringLiteral("세금계산서")});
    const QJsonArray merges = f["merges"].toArray();
    for (const char *m : {"B3:R4", "AG18:AN19", "F5:T5", "B20:AN20", "AB13:AF13"})
        EXPECT_TRUE(merges.contains(QLatin1String(m))) << m;

    const QJsonObject b3 = cellOf(f, "B3");
    EXPECT_EQ(b3["value"].toString(), QStringLiteral("세  금  계  산  서"));
    EXPECT_EQ(b3["font"].toObject()["name"].toString(), QStringLiteral("굴림"));
    EXPECT_EQ(b3["font"].toObject()["size"].toDouble(), 18);
    EXPECT_TRUE(b3["font"].toObject()["bold"].toBool());
    EXPECT_EQ(b3["font"].toObject()["color"].toString(), QStringLiteral("FF000080"));
    EXPECT_EQ(b3["horizontal"].toString(), QStringLiteral("right"));
    EXPECT_EQ(b3["vertical"].toString(), QStringLiteral("center"));
    EXPECT_EQ(b3["top"].toObject()["style"].toString(), QStringLiteral("thin"));
    EXPECT_EQ(b3["top"].toObject()["color"].toString(), QStringLiteral("FF000080"));

    // The year as text with its leading zero; the month as the number the spreadsheet reads.
    EXPECT_EQ(cellOf(f, "B11")["value"].toString(), QStringLiteral("05"));
    EXPECT_EQ(cellOf(f, "B11")["type"].toString(), QStringLiteral("s"));
    EXPECT_EQ(cellOf(f, "D11")["value"].toDouble(), 3);
    EXPECT_EQ(cellOf(f, "F5")["font"].toObject()["color"].toString(), QStringLiteral("FF000000"));
    // Quantities, amounts and payments are numbers to compute with, in the form's formats.
    expectNumber(f, "U13", 10, QStringLiteral("General"));
    expectNumber(f, "X13", 23400, QStringLiteral("#,##0"));
    expectNumber(f, "AB14", 1000000, QStringLiteral("#,##0"));
    expectNumber(f, "AG14", 100000, QStringLiteral("#,##0"));
    expectNumber(f, "B19", 1357400, QStringLiteral("\"₩\"#,##0"));
    expectNumber(f, "AA19", 1000000, QStringLiteral("\"₩\"#,##0"));
    EXPECT_EQ(cellOf(f, "B19")["horizontal"].toString(), QStringLiteral("right"));
    EXPECT_TRUE(cellOf(f, "O19")["value"].isNull());
    EXPECT_EQ(cellOf(f, "AG18")["value"].toString(), QStringLiteral("이 금액을 청구함"));
    EXPECT_EQ(cellOf(f, "B20")["horizontal"].toString(), QStringLiteral("left"));

    EXPECT_EQ(cellOf(f, "M14")["bottom"].toObject()["style"].toString(), QStringLiteral("hair"));
    EXPECT_EQ(cellOf(f, "M14")["bottom"].toObject()["color"].toString(), QStringLiteral("FF000080"));
    EXPECT_EQ(cellOf(f, "B14")["left"].toObject()["style"].toString(), QStringLiteral("thin"));
    EXPECT_EQ(cellOf(f, "R3")["right"].toObject()["color"].toString(), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(cellOf(f, "AN19")["right"].toObject()["style"].toString(), QStringLiteral("thin"));
    // A cell the form never touched carries the sheet's defaults through its column.
    const QJsonObject column = f["columnStyles"].toObject()["Q"].toObject();
    EXPECT_EQ(column["font"].toObject()["name"].toString(), QStringLiteral("굴림"));
    EXPECT_EQ(column["font"].toObject()["size"].toDouble(), 9);
    EXPECT_EQ(column["font"].toObject()["color"].toString(), QStringLiteral("FF000080"));
    EXPECT_EQ(column["bottom"].toObject()["style"].toString(), QStringLiteral("thin"));
    EXPECT_EQ(column["bottom"].toObject()["color"].toString(), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(column["horizontal"].toString(), QStringLiteral("center"));

    // Widths in the file (7-pixel characters, padding included) keep the form's pixels, measured on
    // 9-pixel characters: 1 character is 14 pixels, 2 are 23.
    const QJsonObject widths = f["columnWidths"].toObject();
    EXPECT_NEAR(widths["C"].toDouble(), 14.0 / 7, 0.01);
    EXPECT_NEAR(widths["D"].toDouble(), 23.0 / 7, 0.01);
    EXPECT_NEAR(widths["E"].toDouble(), 23.0 / 7, 0.01);
    EXPECT_EQ(f["defaultRowHeight"].toDouble(), 15);
    const QJsonObject heights = f["rowHeights"].toObject();
    EXPECT_EQ(heights["5"].toDouble(), 24);
    EXPECT_EQ(heights["11"].toDouble(), 24);
    EXPECT_FALSE(heights.contains(QStringLiteral("9")));

    // The seal 220 points (293 pixels) right and 83 points (111 pixels) down from A1, on the form's
    // columns (A-C 14 pixels, D-E 23, then 14 each): column T (index 19), 9 of its 14 pixels in; rows
    // 1-4 20 pixels, 5-8 32: row 5 (index 4) at 31.
    const QJsonArray pictures = f["pictures"].toArray();
    ASSERT_EQ(pictures.size(), 1);
    const QJsonObject anchor = pictures.at(0).toObject();
    EXPECT_EQ(anchor["col"].toInt(), 19);
    EXPECT_EQ(anchor["colOff"].toInt(), 9 * 9525);
    EXPECT_EQ(anchor["row"].toInt(), 4);
    EXPECT_EQ(anchor["rowOff"].toInt(), 31 * 9525);
    EXPECT_EQ(f["media"].toArray().at(0).toString(), QStringLiteral("xl/media/image1.png"));
}

TEST_F(XlsxFile, StatementWithThirtyLines) {
    InvoiceDocument d = sampleStatement(13);
    ExportSettings settings;
    settings.message = QStringLiteral("명세서 메시지");
    const QString path = write(BuildStatementSheet(d, settings), "statement.xlsx");
    const QJsonObject f = readBack(path, {"H2", "T4", "B10", "P10", "S22", "J40", "O40", "S40", "B40", "B41", "W39"});
    EXPECT_EQ(f["sheets"].toArray(), QJsonArray{QStringLiteral("거래명세서")});
    EXPECT_TRUE(f["merges"].toArray().contains(QStringLiteral("B41:W41")));
    EXPECT_EQ(cellOf(f, "H2")["font"].toObject()["name"].toString(), QStringLiteral("명조"));
    EXPECT_EQ(cellOf(f, "T4")["fill"].toString(), QStringLiteral("FF7BB6D5"));
    EXPECT_EQ(cellOf(f, "J40")["fill"].toString(), QStringLiteral("FF7BB6D5"));
    EXPECT_EQ(cellOf(f, "B10")["value"].toString(), QStringLiteral("03/01"));
    expectNumber(f, "P10", 1, QStringLiteral("General"));
    expectNumber(f, "S22", 13000, QStringLiteral("#,##0")); // line 13
    // 1 + 2 + ... + 13 = 91 thousands, and a tenth of it in tax.
    expectNumber(f, "J40", 91000, QStringLiteral("\"₩\"#,##0"));
    expectNumber(f, "O40", 9100, QStringLiteral("\"₩\"#,##0"));
    expectNumber(f, "S40", 100100, QStringLiteral("\"₩\"#,##0"));
    EXPECT_EQ(cellOf(f, "B40")["value"].toString(), QStringLiteral("미수금"));
    EXPECT_EQ(cellOf(f, "B41")["value"].toString(), QStringLiteral("명세서 메시지"));
    EXPECT_EQ(cellOf(f, "W39")["right"].toObject()["style"].toString(), QStringLiteral("thin"));
    EXPECT_EQ(f["defaultRowHeight"].toDouble(), 16);
    EXPECT_EQ(f["rowHeights"].toObject()["40"].toDouble(), 21);
    EXPECT_NEAR(f["columnWidths"].toObject()["F"].toDouble(), 50.0 / 7, 0.01);
    EXPECT_NEAR(f["rowHeights"].toObject()["4"].toDouble(), 15, 0.02); // not the sheet's 16
    EXPECT_TRUE(f["pictures"].toArray().isEmpty());
}

TEST_F(XlsxFile, Quotation) {
    ExportSettings settings;
    settings.sealPath = sealPath();
    settings.sangho = QStringLiteral("한빛상사");
    settings.name = QStringLiteral("홍길동");
    settings.tel = QStringLiteral("02-1234-5678");
    const QString path = write(BuildQuotationSheet(sampleQuotation(), settings), "quotation.xlsx");
    const QJsonObject f = readBack(path, {"B2", "B5", "C20", "B15", "H15", "I15", "J15", "J16", "H7", "B44"});
    EXPECT_EQ(f["sheets"].toArray(), QJsonArray{QStringLiteral("견적서")});
    EXPECT_EQ(cellOf(f, "B2")["font"].toObject()["color"].toString(), QStringLiteral("FF000000"));
    EXPECT_EQ(cellOf(f, "C20")["bottom"].toObject()["style"].toString(), QStringLiteral("hair"));
    EXPECT_EQ(cellOf(f, "C20")["bottom"].toObject()["color"].toString(), QStringLiteral("FF000000"));
    EXPECT_EQ(cellOf(f, "B5")["top"].toObject()["color"].toString(), QStringLiteral("FFFFFFFF"));
    EXPECT_EQ(cellOf(f, "B15")["value"].toString(), QStringLiteral(" 1"));
    expectNumber(f, "H15", 10, QStringLiteral("General"));
    expectNumber(f, "I15", 23400, QStringLiteral("#,##0"));
    expectNumber(f, "J15", 234000, QStringLiteral("#,##0"));
    EXPECT_TRUE(cellOf(f, "J16")["value"].isNull());
    EXPECT_EQ(cellOf(f, "H7")["value"].toString(), QStringLiteral("대     표 :    홍    길    동   [印]"));
    EXPECT_EQ(cellOf(f, "B44")["value"].toString(), QStringLiteral("한빛상사  Tel.02-1234-5678"));
    EXPECT_EQ(f["rowHeights"].toObject()["11"].toDouble(), 2);
    EXPECT_NEAR(f["columnWidths"].toObject()["K"].toDouble(), 86.0 / 7, 0.01);
    EXPECT_EQ(f["pictures"].toArray().size(), 1);
}
