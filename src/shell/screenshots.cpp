// Writes PNG pictures of the program as a person sees it into the folder given as the only argument: the
// main window, the editor on each of its pages (the tax invoice also filled with a sample document), that
// sample tax invoice as printed, and the register of a folder of sample documents with its VAT summary. Runs offscreen with an empty settings folder; opens no dialog.

#include "arithmetic.h"
#include "document_index.h"
#include "editor_launch.h"
#include "invoice_file.h"
#include "fonts.h"
#include "look.h"
#include "mainU.h"
#include "prompts.h"
#include "money.h"
#include "print_fill.h"
#include "register_window.h"
#include "report_renderer.h"
#include "settings.h"
#include "subUnt.h"
#include "summary_form.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTextStream>

namespace {

bool save(QWidget *w, const QString &folder, const QString &name) {
    w->show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name);
    const bool ok = w->grab().save(path);
    QTextStream(stdout) << (ok ? "wrote " : "FAILED ") << path << '\n';
    return ok;
}

// A sample tax invoice: a buyer and three lines.
void fillSample(InvoiceDocument &doc) {
    doc.buyer.number = QStringLiteral("105-81-67890");
    doc.buyer.name = QStringLiteral("(주)대한상사");
    doc.buyer.representative = QStringLiteral("김대한");
    doc.buyer.address = QStringLiteral("경기도 성남시 분당구 판교역로 235");
    doc.buyer.businessType = QStringLiteral("제조");
    doc.buyer.businessItem = QStringLiteral("전자부품");
    doc.issueDate = QStringLiteral("2026.12.08");
    doc.bookVolume = QStringLiteral("1");
    doc.bookNumber = QStringLiteral("12");
    doc.serialNumber = QStringLiteral("00-0012");
    const struct {
        const char16_t *date, *item, *spec;
        qint64 quantity, price;
    } lines[] = {{u"12/08", u"A4 복사용지 80g", u"500매/권", 3, 25000},
                 {u"12/08", u"볼펜 0.7mm 흑색", u"12자루", 10, 6000},
                 {u"12/08", u"레이저 토너 카트리지", u"정품", 2, 89000}};
    for (int i = 0; i < 3; ++i) {
        InvoiceLine &line = doc.lines[i];
        line.date = QString::fromUtf16(lines[i].date);
        line.item = QString::fromUtf16(lines[i].item);
        line.spec = QString::fromUtf16(lines[i].spec);
        line.quantity = Money::fromWon(lines[i].quantity);
        line.unitPrice = Money::fromWon(lines[i].price);
        line.supply = Money::fromWon(lines[i].price * lines[i].quantity);
        line.tax = TaxRule(line.supply);
    }
}

// A work folder of sample documents for the register: tax invoices and statements to a few buyers.
void writeSampleDocuments(const QString &work) {
    QDir().mkpath(work);
    const struct {
        const char16_t *number, *name;
    } buyers[] = {{u"105-81-67890", u"(주)대한상사"}, {u"220-81-62517", u"한빛문구"}, {u"314-86-12345", u"서해물산"}};
    for (int i = 0; i < 12; ++i) {
        InvoiceDocument doc = InvoiceDocument::empty(i % 4 == 3);
        const QDate day = QDate(2026, 1, 3).addDays(i * 15);
        doc.issueDate = doc.statementDate = day.toString(QStringLiteral("yyyy.MM.dd"));
        doc.buyer.number = QString::fromUtf16(buyers[i % 3].number);
        doc.buyer.name = QString::fromUtf16(buyers[i % 3].name);
        doc.bookVolume = QStringLiteral("1");
        doc.bookNumber = QString::number(i + 1);
        InvoiceLine &line = doc.lines[0];
        line.item = i % 2 ? QStringLiteral("A4 복사용지 80g") : QStringLiteral("레이저 토너 카트리지");
        line.supply = Money::fromWon(150000 + 37000 * i);
        line.tax = i == 5 ? Money() : TaxRule(line.supply);
        QFile f(QDir(work).filePath(QStringLiteral("%1-%2.%3")
                                        .arg(day.toString(QStringLiteral("MMdd")))
                                        .arg(i)
                                        .arg(doc.statement ? "Gy5" : "Dy5")));
        if (f.open(QIODevice::WriteOnly))
            f.write(WriteInvoiceFile(doc));
    }
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));
    InstallFontSubstitutions();
    look::Apply();
    QTemporaryDir settingsFolder; // the sample business, default print options
    SetApplicationFolderForTesting(settingsFolder.path());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);

    bool ok = true;
    Tmainf mainf([](QWidget *, int, bool, int) {});
    ok &= save(&mainf, folder, QStringLiteral("main-window.png"));

    const struct {
        int pageKind;
        bool statement;
        const char *file;
    } pages[] = {{0, false, "editor-registration.png"},
                 {1, false, "editor-tax-invoice.png"},
                 {1, true, "editor-statement.png"},
                 {2, false, "editor-quotation.png"}};
    for (const auto &p : pages) {
        TsubUntf editor(&mainf, p.pageKind, p.statement, mainf.CaptionAdj());
        ok &= save(&editor, folder, QString::fromLatin1(p.file));
        editor.close();
    }
    {
        TsubUntf editor(&mainf, 1, false, mainf.CaptionAdj());
        editor.show();
        InvoiceDocument doc = editor.invoiceDocument();
        fillSample(doc);
        editor.showInvoiceDocument(doc);
        editor.Recalculate(true);
        ok &= save(&editor, folder, QStringLiteral("editor-tax-invoice-filled.png"));
        PrintOptions options;
        auto form = printjobs::FillTaxInvoice(editor.invoiceDocument(), options);
        const report::RenderedReport pages = report::Render(*form);
        const QString path = QDir(folder).filePath(QStringLiteral("printed-tax-invoice.png"));
        const bool printed = !pages.isEmpty() && report::PageImage(pages.pages.front(), 100).save(path);
        QTextStream(stdout) << (printed ? "wrote " : "FAILED ") << path << '\n';
        ok &= printed;
        editor.SetModified(false); // a sample for the picture, nothing to ask about when it closes
        editor.close();
    }
    {
        QTemporaryDir data;
        const QString work = data.path() + QStringLiteral("/Work");
        writeSampleDocuments(work);
        reg::DocumentIndex index(data.path() + QStringLiteral("/register.sqlite"));
        reg::RegisterWindow window(index, work, {}, &mainf);
        window.reload();
        window.choosePeriod(2026, reg::RegisterWindow::FirstPreliminary);
        ok &= save(&window, folder, QStringLiteral("register.png"));
        const auto summary = window.summaryOfPeriod(reg::SummaryKind::TaxInvoice);
        const report::RenderedReport pages = reg::RenderSalesSummary(*summary);
        const QString path = QDir(folder).filePath(QStringLiteral("vat-summary.png"));
        const bool printed = !pages.isEmpty() && report::PageImage(pages.pages.front(), 100).save(path);
        QTextStream(stdout) << (printed ? "wrote " : "FAILED ") << path << '\n';
        ok &= printed;
        window.close();
    }
    return ok ? 0 : 1;
}
