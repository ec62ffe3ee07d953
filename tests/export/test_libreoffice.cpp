// The sheets as a person sees them: each boundary sheet (the widest amounts and longest texts) is
// written, converted to PDF by LibreOffice headless, and the PDF's text must hold every amount whole
// and no "###". Skipped, with a notice, where LibreOffice is not installed.

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

// An amount as it must show: its digits and separators, without the won sign.
QString Digits(const QString &text) {
    QString t = text.trimmed();
    t.remove(QChar(0x20A9));
    return t;
}

struct Expected {
    QString file;                      // the sheet's file name, without extension
    std::map<QString, int> amounts;    // amount text -> how often it shows at least
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

    // Converts every written sheet at once, each LibreOffice with a profile of its own, and returns the
    // text of each PDF by file name.
    std::map<QString, QString> convertAll(const QStringList &names) {
        std::vector<std::unique_ptr<QProcess>> running;
        for (const QString &name : names) {
            auto p = std::make_unique<QProcess>();
            const QString profile = QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile-") + name)).toString();
            p->start(soffice, {QStringLiteral("-env:UserInstallation=") + profile, QStringLiteral("--headless"),
                               QStringLiteral("--norestore"), QStringLiteral("--convert-to"), QStringLiteral("pdf"),
                               QStringLiteral("--outdir"), dir.path(), dir.filePath(name + QStringLiteral(".xlsx"))});
            running.push_back(std::move(p));
        }
        std::map<QString, QString> texts;
        for (size_t i = 0; i < running.size(); ++i) {
            EXPECT_TRUE(running[i]->waitForFinished(120000)) << names[qsizetype(i)].toStdString();
            const QString pdf = dir.filePath(names[qsizetype(i)] + QStringLiteral(".pdf"));
            EXPECT_TRUE(QFileInfo::exists(pdf)) << "LibreOffice wrote no PDF: "
                                                << running[i]->readAllStandardError().toStdString();
            QProcess text;
            text.start(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf,
                                                     QStringLiteral("-")});
            EXPECT_TRUE(text.waitForFinished(30000));
            texts[names[qsizetype(i)]] = QString::fromUtf8(text.readAllStandardOutput());
            const QString keep = qEnvironmentVariable("ZARU_EXPORT_SAMPLES");
            if (!keep.isEmpty()) {
                QDir().mkpath(keep);
                QFile::remove(keep + u'/' + names[qsizetype(i)] + QStringLiteral(".pdf"));
                QFile::copy(pdf, keep + u'/' + names[qsizetype(i)] + QStringLiteral(".pdf"));
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

    const InvoiceSnapshot invoice = BoundaryTaxInvoice(p);
    const InvoiceSnapshot shortStatement = BoundaryStatement(p, 12);
    const InvoiceSnapshot longStatement = BoundaryStatement(p, 30);
    const QuotationSnapshot quotation = BoundaryQuotation(p);
    write(BuildTaxInvoiceSheet(invoice, settings), QStringLiteral("tax-invoice"));
    write(BuildStatementSheet(shortStatement, settings), QStringLiteral("statement"));
    write(BuildStatementSheet(longStatement, settings), QStringLiteral("statement-long"));
    write(BuildQuotationSheet(quotation, settings), QStringLiteral("quotation"));

    auto money = [](const QString &total, int width) { return Digits(FormatMoneyText(ParseAmount(total), width, false)); };
    const std::vector<Expected> expected = {
        {QStringLiteral("tax-invoice"),
         {{QStringLiteral("999,999"), 1}, {QStringLiteral("999,999,999"), 10}, {QStringLiteral("9,999,999,990"), 5},
          {money(invoice.Totmy, 17), 5}}},
        {QStringLiteral("statement"),
         {{QStringLiteral("999,999"), 1}, {QStringLiteral("999,999,999"), 24}, {QStringLiteral("9,999,999,990"), 12},
          {money(shortStatement.gMnyEdt, 15), 1}, {money(shortStatement.gVatEdt, 15), 1},
          {money(shortStatement.gTotEdt, 15), 1}}},
        {QStringLiteral("statement-long"),
         {{QStringLiteral("999,999"), 1}, {QStringLiteral("999,999,999"), 60}, {QStringLiteral("9,999,999,990"), 30},
          {money(longStatement.gMnyEdt, 15), 1}, {money(longStatement.gVatEdt, 15), 1},
          {money(longStatement.gTotEdt, 15), 1}}},
        {QStringLiteral("quotation"),
         {{QStringLiteral("999,999,999"), 20}, {QStringLiteral("9,999,999,990"), 19},
          {QStringLiteral("8,999,999,991"), 1}}},
    };
    QStringList names;
    for (const Expected &e : expected)
        names << e.file;
    const std::map<QString, QString> texts = convertAll(names);

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
