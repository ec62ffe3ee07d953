// The sheets as a person sees them and computes with them, in LibreOffice headless: each boundary sheet
// (the widest amounts and longest texts) converted to PDF must show every amount whole and no "###"; and
// sums that LibreOffice computes over the amount columns of a written sheet must give the document's
// totals. Skipped, with a notice, where LibreOffice is not installed.

#include "boundary_documents.h"
#include "export_fixtures.h"
#include "sheet_invoice.h"
#include "sheet_quotation.h"
#include "sheet_statement.h"
#include "xlsx_writer.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <memory>

using namespace sheet;
using namespace boundary;

namespace {

QString Soffice() {
    for (const char *name : {"soffice", "libreoffice"}) {
        const QString exe = QStandardPaths::findExecutable(QLatin1String(name));
        if (!exe.isEmpty())
            return exe;
    }
    return QString();
}

// An amount as it must show: its digits and separators (a quantity has none), without the won sign.
QString Digits(const QString &text) {
    QString t = text.trimmed();
    t.remove(QChar(0x20A9));
    return t;
}

struct Expected {
    QString file;                   // the sheet's file name, without extension
    std::map<QString, int> amounts; // amount text -> how often it shows at least
};

class LibreOfficeCheck : public ::testing::Test {
protected:
    void SetUp() override {
        soffice = Soffice();
        if (soffice.isEmpty())
            GTEST_SKIP() << "LibreOffice (soffice) is not installed, so the sheets are not checked in it; "
                            "install the package libreoffice-calc to run this check.";
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir.isValid());
    }

    void write(const Sheet &s, const QString &name) { WriteXlsx(s, dir.filePath(name + QStringLiteral(".xlsx"))); }

    // Converts every listed file from one format to another at once, each LibreOffice with a profile of
    // its own; the converted files land beside them.
    void convertAll(const QStringList &names, const QString &from, const QString &to) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (const QString &name : names) {
            auto p = std::make_unique<QProcess>();
            const QString profile = QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile-") + name)).toString();
            p->start(soffice, {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                               QStringLiteral("--norestore"), QStringLiteral("--convert-to"), to,
                               QStringLiteral("--outdir"), dir.path(), dir.filePath(name + u'.' + from)});
            running.push_back(std::move(p));
        }
        for (size_t i = 0; i < running.size(); ++i) {
            const QString name = names[qsizetype(i)];
            EXPECT_TRUE(running[i]->waitForFinished(120000)) << name.toStdString();
            EXPECT_TRUE(QFileInfo::exists(dir.filePath(name + u'.' + to)))
                << "LibreOffice wrote no " << to.toStdString() << " for " << name.toStdString() << ": "
                << running[i]->readAllStandardError().toStdString();
        }
    }

    // Converts every written sheet to PDF and returns the text of each PDF by file name.
    std::map<QString, QString> pdfTexts(const QStringList &names) {
        convertAll(names, QStringLiteral("xlsx"), QStringLiteral("pdf"));
        std::map<QString, QString> texts;
        for (const QString &name : names) {
            const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
            QProcess text;
            text.start(QStringLiteral("pdftotext"),
                       {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
            EXPECT_TRUE(text.waitForFinished(30000));
            texts[name] = QString::fromUtf8(text.readAllStandardOutput());
            const QString keep = qEnvironmentVariable("ZARU_EXPORT_SAMPLES");
            if (!keep.isEmpty()) {
                QDir().mkpath(keep);
                QFile::remove(keep + u'/' + name + QStringLiteral(".pdf"));
                QFile::copy(pdf, keep + u'/' + name + QStringLiteral(".pdf"));
            }
        }
        return texts;
    }

    QString soffice;
    QTemporaryDir dir;
};

} // namespace

TEST_F(LibreOfficeCheck, EveryAmountOfEverySheetShowsWhole) {
    const QString p = QStringLiteral("(주)대한민국중공업해양플랜트");
    ExportSettings settings;
    settings.message = Filled(QStringLiteral("메시지"), 80);
    settings.sangho = Filled(p, 40);
    settings.upjong = Filled(p, 25);
    settings.saNo = QStringLiteral("214-86-12345");
    settings.name = QStringLiteral("홍길동");
    settings.addr = Filled(p, 70);
    settings.tel = QStringLiteral("(0505)1234-5678");

    const InvoiceDocument invoice = BoundaryTaxInvoice(p);
    // The widest negative unit price, supply and tax on its second line instead.
    InvoiceDocument negative = invoice;
    negative.lines[1].unitPrice = negative.lines[1].supply = negative.lines[1].tax = Money::fromWon(-999999999);
    negative.cash = negative.check = negative.bill = negative.credit = negative.total();
    const InvoiceDocument shortStatement = BoundaryStatement(p, 12);
    const InvoiceDocument longStatement = BoundaryStatement(p, 30);
    const QuotationDocument quotation = BoundaryQuotation(p);
    write(BuildTaxInvoiceSheet(invoice, settings), QStringLiteral("tax-invoice"));
    write(BuildTaxInvoiceSheet(negative, settings), QStringLiteral("tax-invoice-negative"));
    write(BuildStatementSheet(shortStatement, settings), QStringLiteral("statement"));
    write(BuildStatementSheet(longStatement, settings), QStringLiteral("statement-long"));
    write(BuildQuotationSheet(quotation, settings), QStringLiteral("quotation"));

    auto money = [](Money total) { return Digits(FormatMoneyText(total, 0, false)); };
    const std::vector<Expected> expected = {
        {QStringLiteral("tax-invoice"),
         {{QStringLiteral("999999"), 1},
          {QStringLiteral("999,999,999"), 10},
          {QStringLiteral("9,999,999,990"), 5},
          {money(invoice.total()), 5}}},
        {QStringLiteral("tax-invoice-negative"),
         {{QStringLiteral("-999,999,999"), 3},
          {QStringLiteral("999,999,999"), 8},
          {QStringLiteral("9,999,999,990"), 4},
          {money(negative.total()), 5}}},
        {QStringLiteral("statement"),
         {{QStringLiteral("999999"), 1},
          {QStringLiteral("999,999,999"), 24},
          {QStringLiteral("9,999,999,990"), 12},
          {money(shortStatement.supplyTotal()), 1},
          {money(shortStatement.taxTotal()), 1},
          {money(shortStatement.total()), 1}}},
        {QStringLiteral("statement-long"),
         {{QStringLiteral("999999"), 1},
          {QStringLiteral("999,999,999"), 60},
          {QStringLiteral("9,999,999,990"), 30},
          {money(longStatement.supplyTotal()), 1},
          {money(longStatement.taxTotal()), 1},
          {money(longStatement.total()), 1}}},
        {QStringLiteral("quotation"),
         {{QStringLiteral("999,999,999"), 20},
          {QStringLiteral("9,999,999,990"), 19},
          {QStringLiteral("8,999,999,991"), 1}}},
    };
    QStringList names;
    for (const Expected &e : expected)
        names << e.file;
    const std::map<QString, QString> texts = pdfTexts(names);

    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const Expected &e : expected) {
        SCOPED_TRACE(e.file.toStdString());
        const QString text = texts.at(e.file);
        ASSERT_FALSE(text.trimmed().isEmpty());
        EXPECT_FALSE(text.contains(QStringLiteral("##"))) << "a cell shows ### in:\n" << text.toStdString();
        std::map<QString, int> seen;
        for (const QString &token : text.split(blanks, Qt::SkipEmptyParts))
            ++seen[Digits(token)];
        for (const auto &[amount, count] : e.amounts)
            EXPECT_GE(seen[amount], count) << amount.toStdString() << " whole in:\n" << text.toStdString();
        // The form's words are there too (the fonts exist).
        EXPECT_TRUE(text.contains(e.file == u"quotation" ? QStringLiteral("참고사항") : QStringLiteral("공급가액")));
    }
}

// The amounts are numbers LibreOffice computes with: formulas over the written sheet's amount columns,
// evaluated by LibreOffice, give the document's totals. LibreOffice reads the .xlsx and saves it as flat
// XML; a first sheet of formulas over the form's cells is put in front; LibreOffice computes them and
// saves that sheet's results as CSV. A text cell would count nothing in a sum, so a sum that comes out
// right proves every amount a number.
TEST_F(LibreOfficeCheck, SumsOverTheAmountColumnsGiveTheDocumentsTotals) {
    InvoiceDocument invoice = sampleTaxInvoice();
    invoice.lines[2] = invoiceLine("03/08", "반품", 1, -999999999, -999999999, -999999999);
    invoice.bill = Money::fromWon(-5000);
    InvoiceDocument statement = BoundaryStatement(QStringLiteral("가"), 30);
    statement.lines[29].supply = Money::fromWon(-999999999);
    statement.lines[29].tax = Money::fromWon(-99999999);
    write(BuildTaxInvoiceSheet(invoice, {}), QStringLiteral("tax-invoice"));
    write(BuildStatementSheet(statement, {}), QStringLiteral("statement"));

    struct Check {
        QString formula; // over the form's sheet
        std::int64_t expected;
    };
    const auto won = [](Money m) { return std::int64_t(m.won()); };
    const std::map<QString, std::pair<QString, std::vector<Check>>> checks = {
        {QStringLiteral("tax-invoice"),
         {kTaxInvoiceSheetName,
          {{QStringLiteral("SUM(.AB13:.AF17)"), won(invoice.supplyTotal())},
           {QStringLiteral("SUM(.AG13:.AJ17)"), won(invoice.taxTotal())},
           {QStringLiteral("COUNT(.U13:.AJ17)"), 3 * 4},
           {QStringLiteral("SUM(.B19)"), won(invoice.total())},
           {QStringLiteral("SUM(.I19:.AF19)"), won(invoice.cash + invoice.check + invoice.bill + invoice.credit)},
           {QStringLiteral("COUNT(.I19:.AF19)"), 3}}}},
        {QStringLiteral("statement"),
         {kStatementSheetName,
          {{QStringLiteral("SUM(.S10:.T39)"), won(statement.supplyTotal())},
           {QStringLiteral("SUM(.U10:.V39)"), won(statement.taxTotal())},
           {QStringLiteral("COUNT(.P10:.V39)"), 30 * 4},
           {QStringLiteral("SUM(.J40)"), won(statement.supplyTotal())},
           {QStringLiteral("SUM(.O40)"), won(statement.taxTotal())},
           {QStringLiteral("SUM(.S40)"), won(statement.total())}}}},
    };
    QStringList names;
    for (const auto &[name, check] : checks)
        names << name;
    convertAll(names, QStringLiteral("xlsx"), QStringLiteral("fods"));

    for (const auto &[name, check] : checks) {
        const auto &[sheetName, formulas] = check;
        QFile flat(dir.filePath(name + QStringLiteral(".fods")));
        ASSERT_TRUE(flat.open(QIODevice::ReadOnly)) << name.toStdString();
        QString xml = QString::fromUtf8(flat.readAll());
        flat.close();
        QString row;
        for (const Check &c : formulas) {
            QString formula = c.formula;
            formula.replace(QStringLiteral("(."), QStringLiteral("([$'") + sheetName + QStringLiteral("'."));
            formula.replace(u')', QStringLiteral("])"));
            row += QStringLiteral("<table:table-cell table:formula=\"of:=%1\"/>").arg(formula);
        }
        const qsizetype firstSheet = xml.indexOf(QStringLiteral("<table:table "));
        ASSERT_GT(firstSheet, 0) << name.toStdString();
        xml.insert(firstSheet, QStringLiteral("<table:table table:name=\"sums\"><table:table-row>%1</table:table-row>"
                                              "</table:table>")
                                   .arg(row));
        ASSERT_TRUE(flat.open(QIODevice::WriteOnly | QIODevice::Truncate));
        flat.write(xml.toUtf8());
        flat.close();
    }
    convertAll(names, QStringLiteral("fods"), QStringLiteral("csv"));

    for (const auto &[name, check] : checks) {
        SCOPED_TRACE(name.toStdString());
        QFile csv(dir.filePath(name + QStringLiteral(".csv")));
        ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
        const QStringList results = QString::fromUtf8(csv.readLine()).trimmed().split(u',');
        const std::vector<Check> &formulas = check.second;
        ASSERT_EQ(results.size(), qsizetype(formulas.size())) << results.join(u',').toStdString();
        for (size_t i = 0; i < formulas.size(); ++i)
            EXPECT_EQ(results[qsizetype(i)].toLongLong(), formulas[i].expected) << formulas[i].formula.toStdString();
    }
}
