// A work folder as a bookkeeper's really is: subfolders, one of them unreadable, a linked folder, a link
// back to the top, older files beside the files that replaced them, documents saved elsewhere. The
// expected summaries are computed here from the documents' own data, never by reading the files back.
#include "choice_store.h"
#include "document_index.h"
#include "register_fixtures.h"
#include "register_window.h"
#include "report_renderer.h"
#include "summary_form.h"
#include "test_support.h"

#include "errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QLabel>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace reg;

namespace {

const DateRange kPeriod = VatPeriod(2026, VatHalf::First, VatPart::Whole);
const Submitter kSubmitter{QStringLiteral("220-81-62517"), QStringLiteral("우리상사"), QStringLiteral("김우리"),
                           QStringLiteral("서울")};

// Where a document of the fixture lies, and whether it counts.
struct Doc {
    QString file; // relative to the fixture's root
    regfx::Invoice invoice;
    bool counted = true;
    bool older = false; // written as the older generation
};

QString number(int i) {
    // Business numbers that pass their check: "1xx-81-0000c".
    // ("%1" followed by digits would read as a two-digit placeholder, so the parts are joined.)
    const QString base = u'1' + QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')) + QStringLiteral("810000");
    static const int weights[9] = {1, 3, 7, 1, 3, 7, 1, 3, 5};
    int sum = 0;
    for (int k = 0; k < 9; ++k)
        sum += base.at(k).digitValue() * weights[k];
    sum += base.at(8).digitValue() * 5 / 10;
    const QString digits = base + QString::number((10 - sum % 10) % 10);
    return digits.left(3) + u'-' + digits.mid(3, 2) + u'-' + digits.mid(5);
}

regfx::Invoice invoice(int buyer, int day, qint64 supply, qint64 tax) {
    return {QDate(2026, 1 + day % 6, 1 + day % 28),
            number(buyer),
            QStringLiteral("거래처%1").arg(buyer),
            {{QStringLiteral("품목%1").arg(day), supply, tax}}};
}

struct Expected {
    int documents = 0;
    qint64 supply = 0, tax = 0;
};

// The tax invoice summary the documents that count make, buyer by buyer.
QMap<QString, Expected> expectedBuyers(const std::vector<Doc> &docs) {
    QMap<QString, Expected> out;
    for (const Doc &d : docs) {
        if (!d.counted || d.invoice.lines.empty() || !kPeriod.contains(d.invoice.date))
            continue;
        qint64 tax = 0, supply = 0;
        for (const regfx::Line &l : d.invoice.lines) {
            supply += l.supply;
            tax += l.tax;
        }
        if (tax == 0)
            continue;
        QString digits = d.invoice.buyerNumber;
        digits.remove(u'-');
        Expected &e = out[digits];
        ++e.documents;
        e.supply += supply;
        e.tax += tax;
    }
    return out;
}

void expectSummary(const SalesSummary &s, const QMap<QString, Expected> &expected) {
    ASSERT_EQ(s.buyers.size(), expected.size());
    for (const BuyerLine &b : s.buyers) {
        ASSERT_TRUE(expected.contains(b.number)) << b.number.toStdString();
        const Expected &e = expected.value(b.number);
        EXPECT_EQ(b.documents, e.documents) << b.number.toStdString();
        EXPECT_EQ(b.supply, e.supply) << b.number.toStdString();
        EXPECT_EQ(b.tax, e.tax) << b.number.toStdString();
    }
}

struct Fixture {
    QTemporaryDir dir;
    std::vector<Doc> docs;
    QString root() const { return dir.path(); }
    QString work() const { return dir.path() + QStringLiteral("/Work"); }

    Fixture() {
        // Readable by everyone: the unprivileged run reads it too.
        QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7755));
        for (int b = 1; b <= 8; ++b)
            docs.push_back({QStringLiteral("Work/%1.Dy5").arg(b), invoice(b, b, 100000 * b, 10000 * b)});
        docs.push_back({QStringLiteral("Work/sub/deep/9.Dy5"), invoice(2, 40, 55555, 5555)});
        docs.push_back({QStringLiteral("Work/zero.Dy5"), invoice(3, 41, 70000, 0)}); // the summary without tax
        // An older file and the one saved from it in another case: one document.
        docs.push_back({QStringLiteral("Work/old/0119-58.Dnt"), invoice(4, 42, 31000, 3100), false, true});
        docs.push_back({QStringLiteral("Work/old/0119-58.DY5"), invoice(4, 42, 31000, 3100)});
        docs.push_back({QStringLiteral("Work/old/twin.DY5"), invoice(5, 43, 22000, 2200), false});
        docs.push_back({QStringLiteral("Work/old/twin.Dy5"), invoice(5, 43, 22000, 2200)});
        docs.push_back({QStringLiteral("Work/locked/a.Dy5"), invoice(6, 44, 900000, 90000), false});
        docs.push_back({QStringLiteral("Work/locked/b.Dy5"), invoice(7, 45, 800000, 80000), false});
        docs.push_back({QStringLiteral("Elsewhere/e.Dy5"), invoice(1, 46, 12000, 1200)}); // through a link
        docs.push_back({QStringLiteral("Outside/saved.Dy5"), invoice(8, 47, 5000, 500), false});
        docs.push_back({QStringLiteral("Work/late.Dy5"),
                        {QDate(2026, 7, 1), number(1), QStringLiteral("거래처1"), {{QStringLiteral("다음 기"), 1, 1}}},
                        true});
        for (const Doc &d : docs) {
            const QString path = dir.path() + u'/' + d.file;
            const QFileInfo info(path);
            if (d.older)
                regfx::WriteOlder(info.absolutePath(), info.fileName(), d.invoice);
            else
                regfx::Write(info.absolutePath(), info.fileName(), d.invoice);
        }
        QFile::link(dir.path() + QStringLiteral("/Elsewhere"), work() + QStringLiteral("/linked"));
        QFile::link(work(), work() + QStringLiteral("/sub/loop"));
        for (const QString &folder : {work(), work() + QStringLiteral("/sub"), work() + QStringLiteral("/old"),
                                      dir.path() + QStringLiteral("/Elsewhere")})
            QFile::setPermissions(folder, QFileDevice::Permissions(0x7755));
        QFile::setPermissions(work() + QStringLiteral("/locked"), QFileDevice::Permissions());
    }
    ~Fixture() { QFile::setPermissions(work() + QStringLiteral("/locked"), QFileDevice::Permissions(0x7700)); }

    bool lockedIsReadable() const { return !QDir(work() + QStringLiteral("/locked")).entryList().isEmpty(); }
};

// Whether this run reads the locked folder anyway (a superuser); then the test runs again in a process
// without the right to read past permissions, as an ordinary user would, and passes when that run does.
bool ranUnprivileged(const char *test) {
    if (qEnvironmentVariableIsSet("ZARU_UNPRIVILEGED_RUN"))
        return false;
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ZARU_UNPRIVILEGED_RUN"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("setpriv"), {QStringLiteral("--bounding-set=-dac_override,-dac_read_search"),
                                            QCoreApplication::applicationFilePath(),
                                            QStringLiteral("--gtest_filter=") + QString::fromLatin1(test)});
    if (!child.waitForFinished(120000)) {
        ADD_FAILURE() << "the unprivileged run did not finish (setpriv from util-linux is needed)";
        return true;
    }
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << "the run without the superuser's reading rights failed";
    return true;
}

const RegisterEntry *find(const QVector<RegisterEntry> &entries, const QString &endsWith) {
    for (const RegisterEntry &e : entries)
        if (e.path.endsWith(endsWith))
            return &e;
    return nullptr;
}

TEST(RegisterFolder, EachDocumentCountedOnceAndWhatCannotBeReadStopsTheSummaryUntilTheUserSays) {
    Fixture fx;
    if (fx.lockedIsReadable()) {
        ASSERT_EQ(geteuid(), 0u) << "a folder of mode 000 is readable to an ordinary user";
        ranUnprivileged("RegisterFolder.EachDocumentCountedOnce*");
        return;
    }
    DocumentIndex index(kIndexInMemory);
    const QVector<RegisterEntry> entries = index.refresh(fx.work());

    const RegisterEntry *locked = find(entries, QStringLiteral("/Work/locked"));
    ASSERT_TRUE(locked);
    EXPECT_EQ(locked->type, EntryType::UnreadableFolder);
    EXPECT_TRUE(locked->missing());
    EXPECT_EQ(locked->error, QStringLiteral("읽을 권한이 없습니다."));
    const RegisterEntry *loop = find(entries, QStringLiteral("/sub/loop"));
    ASSERT_TRUE(loop);
    EXPECT_EQ(loop->type, EntryType::FolderLoop);
    EXPECT_FALSE(loop->missing());
    const RegisterEntry *older = find(entries, QStringLiteral("/old/0119-58.Dnt"));
    ASSERT_TRUE(older);
    EXPECT_TRUE(older->readable());
    EXPECT_TRUE(older->supersededBy.endsWith(QStringLiteral("/old/0119-58.DY5")));
    const RegisterEntry *upperTwin = find(entries, QStringLiteral("/old/twin.DY5"));
    ASSERT_TRUE(upperTwin);
    EXPECT_TRUE(upperTwin->supersededBy.endsWith(QStringLiteral("/old/twin.Dy5")));
    ASSERT_TRUE(find(entries, QStringLiteral("/linked/e.Dy5"))); // the linked folder, read once
    EXPECT_FALSE(find(entries, QStringLiteral("/Outside/saved.Dy5")));

    // Every document that counts, once: computed from the documents themselves.
    const SalesSummary summary = BuildSalesSummary(entries, kPeriod, SummaryKind::TaxInvoice, kSubmitter, QDate());
    expectSummary(summary, expectedBuyers(fx.docs));

    // The window: nothing is summed while something could not be read, unless the user says so.
    ScriptedPrompts prompts;
    RegisterPlace place{fx.work(), {fx.root() + QStringLiteral("/Outside/saved.Dy5")}, {}, {}, sample::Supplier(), {}};
    RegisterWindow window(index, place, {});
    window.reload();
    auto *outside = window.findChild<QLabel *>(QStringLiteral("outsideLabel"));
    EXPECT_TRUE(outside->text().contains(QStringLiteral("밖에 저장한 문서 1개"))) << outside->text().toStdString();
    window.choosePeriod(2026, RegisterWindow::FirstWhole);
    prompts.proceedAnswers = {false, true};
    EXPECT_FALSE(window.summaryOfPeriod(SummaryKind::TaxInvoice));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.at(0).contains(QStringLiteral("locked"))) << prompts.shown.at(0).toStdString();
    EXPECT_TRUE(prompts.shown.at(0).contains(QStringLiteral("읽을 권한이 없습니다")))
        << prompts.shown.at(0).toStdString();
    const std::optional<SalesSummary> anyway = window.summaryOfPeriod(SummaryKind::TaxInvoice);
    ASSERT_TRUE(anyway);
    expectSummary(*anyway, expectedBuyers(fx.docs));
}

TEST(RegisterFolder, AMissingFolderIsAnErrorNotAnEmptyList) {
    QTemporaryDir dir;
    DocumentIndex index(kIndexInMemory);
    const QString gone = dir.path() + QStringLiteral("/unplugged");
    EXPECT_THROW(index.refresh(gone), IoError);
    ScriptedPrompts prompts;
    RegisterWindow window(index, gone, {});
    EXPECT_FALSE(window.reload());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown.at(0).startsWith(QStringLiteral("문서목록의 폴더가 없습니다")))
        << prompts.shown.at(0).toStdString();
    EXPECT_TRUE(window.shownEntries().isEmpty());
    window.choosePeriod(2026, RegisterWindow::FirstWhole);
    EXPECT_FALSE(window.summaryOfPeriod(SummaryKind::TaxInvoice));
}

TEST(RegisterFolder, AChoiceLivesBesideTheDocumentsAndAnInvoiceWithTaxStaysWithTheTaxInvoices) {
    QTemporaryDir dir;
    const QString work = dir.path() + QStringLiteral("/Work");
    regfx::Write(work, QStringLiteral("zero.Dy5"), invoice(1, 1, 50000, 0));
    regfx::Write(work, QStringLiteral("taxed.Dy5"), invoice(2, 2, 40000, 4000));
    const QString indexPath = dir.path() + QStringLiteral("/index.sqlite");
    ScriptedPrompts prompts;
    {
        DocumentIndex index(indexPath);
        RegisterWindow window(index, work, {});
        window.reload();
        window.choosePeriod(2026, RegisterWindow::FirstWhole);
        window.setSummaryChoice(work + QStringLiteral("/zero.Dy5"), SummaryChoice::TaxInvoice);
        window.setSummaryChoice(work + QStringLiteral("/taxed.Dy5"), SummaryChoice::TaxFree);
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_TRUE(
            prompts.shown.at(0).startsWith(QStringLiteral("세액이 있는 세금계산서는 계산서합계표에 넣을 수 없습니다")));
    }
    // The index is only a cache: gone, it takes no choice with it.
    ASSERT_TRUE(QFile::remove(indexPath));
    DocumentIndex index(indexPath);
    RegisterWindow window(index, work, {});
    window.reload();
    window.choosePeriod(2026, RegisterWindow::FirstWhole);
    const std::optional<SalesSummary> taxed = window.summaryOfPeriod(SummaryKind::TaxInvoice);
    ASSERT_TRUE(taxed);
    EXPECT_EQ(taxed->buyers.size(), 2); // the zero-rated one moved in, the taxed one stayed
    EXPECT_EQ(taxed->total().supply, 90000);
    EXPECT_EQ(taxed->total().tax, 4000);
    const std::optional<SalesSummary> free = window.summaryOfPeriod(SummaryKind::TaxFree);
    ASSERT_TRUE(free);
    EXPECT_TRUE(free->buyers.isEmpty());
    EXPECT_TRUE(QFile::exists(work + u'/' + kChoiceFileName));
}

// Pages of the PDF the preview saves.
int pdfPages(const report::RenderedReport &r, const QString &path) {
    EXPECT_TRUE(report::WritePdf(r, path));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(30000))
        return -1;
    for (const QString &line : QString::fromUtf8(info.readAllStandardOutput()).split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

TEST(SalesSummaryPages, EightBuyersMakeTwoPagesAndFortySevenFourAsTheOfficialForm) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
    for (const auto &[buyers, pages] : {std::pair{8, 2}, std::pair{47, 4}}) {
        QTemporaryDir dir;
        std::vector<Doc> docs;
        for (int b = 1; b <= buyers; ++b) {
            docs.push_back({QStringLiteral("%1.Dy5").arg(b), invoice(b, b, 1000 * b, 100 * b)});
            regfx::Write(dir.path(), docs.back().file, docs.back().invoice);
        }
        DocumentIndex index(kIndexInMemory);
        const SalesSummary s =
            BuildSalesSummary(index.refresh(dir.path()), kPeriod, SummaryKind::TaxInvoice, kSubmitter, QDate());
        expectSummary(s, expectedBuyers(docs));
        const auto forms = SalesSummaryForms(s);
        ASSERT_EQ(int(forms.size()), pages);
        // (갑) five lines; each (을) fifteen, the last page's unused lines empty.
        EXPECT_EQ(forms[0]->text(QStringLiteral("row05No")), QStringLiteral("5"));
        EXPECT_FALSE(forms[0]->has(QStringLiteral("row06No")));
        EXPECT_EQ(forms[1]->text(QStringLiteral("title")), QStringLiteral("매출처별 세금계산서합계표(을)"));
        EXPECT_EQ(forms[1]->text(QStringLiteral("row01No")), QStringLiteral("6"));
        const int onLast = buyers - kFirstPageBuyers - (pages - 2) * kNextPageBuyers;
        EXPECT_EQ(forms.back()->text(QStringLiteral("row%1No").arg(onLast, 2, 10, QLatin1Char('0'))),
                  QString::number(buyers));
        EXPECT_EQ(forms.back()->text(QStringLiteral("page")), QStringLiteral("- %1 / %1 -").arg(pages));
        EXPECT_EQ(pdfPages(RenderSalesSummary(s), dir.path() + QStringLiteral("/summary.pdf")), pages);
    }
}

} // namespace
