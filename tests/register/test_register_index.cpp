// The register's index over a real folder of documents: what it reads from each kind of file, how it keeps
// up with changes on disk, and that it is only a cache.
#include "choice_store.h"
#include "document_index.h"
#include "register_filter.h"
#include "register_fixtures.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <thread>

#include <sys/stat.h>

using namespace reg;

namespace {

class RegisterIndexTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString work() const { return dir.path() + QStringLiteral("/Work"); }
    QString indexPath() const { return dir.path() + QStringLiteral("/data/register.sqlite"); }

    static const RegisterEntry *byName(const QVector<RegisterEntry> &entries, const QString &name) {
        for (const RegisterEntry &e : entries)
            if (e.fileName() == name)
                return &e;
        return nullptr;
    }

    // Moves a file's modification time, as a later save does.
    // Sets the file's time secondsLater from now, in milliseconds that no whole-second file system gives.
    static void touch(const QString &path, int secondsLater) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        QDateTime t = QDateTime::currentDateTime().addSecs(secondsLater);
        t = t.addMSecs(250 - t.time().msec());
        ASSERT_TRUE(f.setFileTime(t, QFileDevice::FileModificationTime));
    }
};

TEST_F(RegisterIndexTest, ListsEveryKindWithItsFieldsAndTheUnreadableWithTheirReason) {
    regfx::Write(work(), QStringLiteral("a.Dy5"),
                 {QDate(2026, 3, 31),
                  QStringLiteral("123-45-67890"),
                  QStringLiteral("가나상회"),
                  {{QStringLiteral("복사지"), 100000, 10000}, {QStringLiteral("토너"), 55000, 5500}}});
    regfx::Write(
        work(), QStringLiteral("sub/deeper/b.Gy5"),
        {QDate(2026, 4, 1),
         QStringLiteral("220-81-62517"),
         QStringLiteral("다라물산"),
         {{QStringLiteral("볼트"), 7000, 700}, {QStringLiteral("너트"), 3000, 300}, {QStringLiteral("와셔"), 10, 1}},
         true});
    regfx::Write(work(), QStringLiteral("c.Dy5"),
                 {QDate(2026, 5, 2),
                  QStringLiteral("900101-1234567"),
                  QStringLiteral("홍길동"),
                  {{QStringLiteral("상담"), 30000, 0}},
                  false,
                  true});
    regfx::WriteQuotation(work(), QStringLiteral("q.Prc"), QDate(2026, 6, 30), QStringLiteral("마바건설"),
                          QStringLiteral("철근"), 3, 12500);
    // Saved from the statement page under a tax invoice's name: a statement, listed with its own lines.
    regfx::Write(work(), QStringLiteral("named-wrong.Dy5"),
                 {QDate(2026, 4, 2),
                  QStringLiteral("220-81-62517"),
                  QStringLiteral("다라물산"),
                  {{QStringLiteral("볼트"), 7000, 700}, {QStringLiteral("너트"), 3000, 300}},
                  true});
    regfx::WriteBytes(work() + QStringLiteral("/broken.Dy5"), QByteArray("not a document at all"));
    regfx::WriteBytes(work() + QStringLiteral("/notes.txt"), QByteArray("ignored"));
    // A FIFO under a document's name: listed with what it is, never opened (it would wait for a writer).
    ASSERT_EQ(::mkfifo(QFile::encodeName(work() + QStringLiteral("/pipe.Dy5")).constData(), 0644), 0);

    DocumentIndex index(indexPath());
    const QVector<RegisterEntry> entries = index.refresh(work());
    ASSERT_EQ(entries.size(), 7); // the text file is no document
    const RegisterEntry *pipe = byName(entries, QStringLiteral("pipe.Dy5"));
    ASSERT_TRUE(pipe);
    EXPECT_FALSE(pipe->readable());
    EXPECT_TRUE(pipe->error.contains(QStringLiteral("FIFO"))) << pipe->error.toStdString();

    const RegisterEntry *a = byName(entries, QStringLiteral("a.Dy5"));
    ASSERT_TRUE(a && a->readable()) << (a ? a->error.toStdString() : "");
    EXPECT_EQ(a->kind, DocKind::TaxInvoice);
    EXPECT_EQ(a->date, QDate(2026, 3, 31));
    EXPECT_EQ(a->buyerNumber, QStringLiteral("1234567890"));
    EXPECT_EQ(a->buyerNumberText(), QStringLiteral("123-45-67890"));
    EXPECT_EQ(a->buyerName, QStringLiteral("가나상회"));
    EXPECT_EQ(a->supply, 155000);
    EXPECT_EQ(a->tax, 15500);
    EXPECT_EQ(a->itemCount, 2);
    EXPECT_TRUE(a->inTaxInvoiceSummary());

    const RegisterEntry *b = byName(entries, QStringLiteral("b.Gy5"));
    ASSERT_TRUE(b && b->readable());
    EXPECT_EQ(b->kind, DocKind::Statement);
    EXPECT_EQ(b->supply, 10010);
    EXPECT_EQ(b->tax, 1001);
    EXPECT_EQ(b->itemCount, 3);

    const RegisterEntry *wrong = byName(entries, QStringLiteral("named-wrong.Dy5"));
    ASSERT_TRUE(wrong && wrong->readable());
    EXPECT_EQ(wrong->kind, DocKind::Statement);
    EXPECT_EQ(wrong->itemCount, 2);
    EXPECT_EQ(wrong->supply, 10000);

    const RegisterEntry *c = byName(entries, QStringLiteral("c.Dy5"));
    ASSERT_TRUE(c && c->readable());
    EXPECT_EQ(c->buyerKind, BuyerKind::Individual);
    EXPECT_EQ(c->buyerNumberText(), QStringLiteral("900101-1234567"));
    EXPECT_FALSE(c->inTaxInvoiceSummary()); // no tax: the summary of invoices without tax

    const RegisterEntry *q = byName(entries, QStringLiteral("q.Prc"));
    ASSERT_TRUE(q && q->readable());
    EXPECT_EQ(q->kind, DocKind::Quotation);
    EXPECT_EQ(q->supply, 37500);
    EXPECT_EQ(q->buyerName, QStringLiteral("마바건설"));

    const RegisterEntry *broken = byName(entries, QStringLiteral("broken.Dy5"));
    ASSERT_TRUE(broken);
    EXPECT_FALSE(broken->readable());
    EXPECT_FALSE(broken->error.isEmpty());
}

TEST_F(RegisterIndexTest, KeepsUpWithTheFolderAndIsOnlyACache) {
    const QString a = regfx::Write(work(), QStringLiteral("a.Dy5"),
                                   {QDate(2026, 1, 5),
                                    QStringLiteral("123-45-67890"),
                                    QStringLiteral("가나상회"),
                                    {{QStringLiteral("복사지"), 1000, 100}}});
    const QString b = regfx::Write(work(), QStringLiteral("b.Dy5"),
                                   {QDate(2026, 1, 6),
                                    QStringLiteral("123-45-67890"),
                                    QStringLiteral("가나상회"),
                                    {{QStringLiteral("토너"), 0, 0}}});
    const QString c = regfx::Write(work(), QStringLiteral("c.Dy5"),
                                   {QDate(2026, 1, 7),
                                    QStringLiteral("220-81-62517"),
                                    QStringLiteral("다라물산"),
                                    {{QStringLiteral("볼트"), 500, 50}}});
    // Saved an hour ago: times that tell every change.
    for (const QString &path : {a, b, c})
        touch(path, -3600);
    {
        DocumentIndex index(indexPath());
        EXPECT_EQ(index.refresh(work()).size(), 3);
        EXPECT_EQ(index.filesReadByLastRefresh(), 3);
        ChoiceStore choices(work());
        choices.setSummary(b, SummaryChoice::TaxInvoice); // a zero-rated tax invoice, kept beside the files

        // Opening again reads nothing; a changed file is read again and keeps the user's choice; a deleted
        // file leaves the list.
        EXPECT_EQ(index.refresh(work()).size(), 3);
        EXPECT_EQ(index.filesReadByLastRefresh(), 0);
        regfx::Write(work(), QStringLiteral("b.Dy5"),
                     {QDate(2026, 1, 6),
                      QStringLiteral("123-45-67890"),
                      QStringLiteral("가나상회(주)"),
                      {{QStringLiteral("토너"), 2000, 0}}});
        touch(b, 5);
        ASSERT_TRUE(QFile::remove(c));
        const QVector<RegisterEntry> after = index.refresh(work());
        EXPECT_EQ(index.filesReadByLastRefresh(), 1);
        ASSERT_EQ(after.size(), 2);
        const RegisterEntry *changed = byName(after, QStringLiteral("b.Dy5"));
        ASSERT_TRUE(changed);
        EXPECT_EQ(changed->buyerName, QStringLiteral("가나상회(주)"));
        EXPECT_EQ(changed->supply, 2000);
        ChoiceStore reread(work());
        reread.load();
        EXPECT_EQ(reread.summary(changed->path), SummaryChoice::TaxInvoice);

        // The buyer book finds the latest document of a number.
        const std::optional<RegisterEntry> latest = index.latestWithBuyer(QStringLiteral("1234567890"));
        ASSERT_TRUE(latest);
        EXPECT_EQ(latest->fileName(), QStringLiteral("b.Dy5"));
        EXPECT_FALSE(index.latestWithBuyer(QStringLiteral("2208162517"))); // its only file was deleted
    }
    // Deleting the index loses no document.
    ASSERT_TRUE(QFile::remove(indexPath()));
    DocumentIndex again(indexPath());
    EXPECT_EQ(again.refresh(work()).size(), 2);
    EXPECT_EQ(again.filesReadByLastRefresh(), 2);
    ChoiceStore kept(work());
    kept.load();
    EXPECT_EQ(kept.summary(b), SummaryChoice::TaxInvoice);

    // A damaged index is thrown away and made again.
    regfx::WriteBytes(dir.path() + QStringLiteral("/data/damaged.sqlite"), QByteArray(4096, 'x'));
    DocumentIndex damaged(dir.path() + QStringLiteral("/data/damaged.sqlite"));
    EXPECT_EQ(damaged.refresh(work()).size(), 2);
    Q_UNUSED(a);
}

TEST_F(RegisterIndexTest, AFileSavedAgainInTheSameSecondOnANetworkDriveIsSeenChanged) {
    // A network drive gives whole seconds: another PC's second save within the same second, at the same
    // size (a document file's size is fixed by its lines), leaves time and size as they were.
    const regfx::Invoice first{QDate(2026, 2, 3), QStringLiteral("123-45-67890"), QStringLiteral("가나상회"),
                               {{QStringLiteral("복사지"), 1000, 100}}};
    const QString path = regfx::Write(work(), QStringLiteral("shared.Dy5"), first);
    QDateTime second = QDateTime::currentDateTime();
    second = second.addMSecs(-second.time().msec());
    const auto setTime = [&] {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(second, QFileDevice::FileModificationTime));
    };
    setTime();
    DocumentIndex index(indexPath());
    ASSERT_EQ(index.refresh(work()).size(), 1);

    regfx::Invoice changed = first;
    changed.lines[0].supply = 9000;
    regfx::Write(work(), QStringLiteral("shared.Dy5"), changed);
    setTime();
    const QVector<RegisterEntry> after = index.refresh(work());
    ASSERT_EQ(after.size(), 1);
    EXPECT_EQ(after[0].supply, 9000);
}

TEST(RegisterFilter, PeriodsKindsTextAndTotals) {
    EXPECT_EQ(VatPeriod(2026, VatHalf::First, VatPart::Preliminary),
              (DateRange{QDate(2026, 1, 1), QDate(2026, 3, 31)}));
    EXPECT_EQ(VatPeriod(2026, VatHalf::First, VatPart::Final), (DateRange{QDate(2026, 4, 1), QDate(2026, 6, 30)}));
    EXPECT_EQ(VatPeriod(2026, VatHalf::Second, VatPart::Whole), (DateRange{QDate(2026, 7, 1), QDate(2026, 12, 31)}));
    EXPECT_EQ(MonthPeriod(2028, 2), (DateRange{QDate(2028, 2, 1), QDate(2028, 2, 29)}));

    auto entry = [](QDate date, DocKind kind, const QString &buyer, const QString &item, qint64 supply, qint64 tax) {
        RegisterEntry e;
        e.path = QStringLiteral("/w/") + buyer + QStringLiteral(".Dy5");
        e.date = date;
        e.kind = kind;
        e.buyerName = buyer;
        e.items = {{item, {}, {}, Money()}};
        e.supply = supply;
        e.tax = tax;
        return e;
    };
    QVector<RegisterEntry> entries{
        entry(QDate(2025, 12, 31), DocKind::TaxInvoice, QStringLiteral("전날"), QStringLiteral("A4용지"), 1, 1),
        entry(QDate(2026, 1, 1), DocKind::TaxInvoice, QStringLiteral("첫날"), QStringLiteral("복사지"), 100, 10),
        entry(QDate(2026, 3, 31), DocKind::Statement, QStringLiteral("끝날"), QStringLiteral("토너 카트리지"), 200, 20),
        entry(QDate(2026, 4, 1), DocKind::TaxInvoice, QStringLiteral("다음날"), QStringLiteral("복사지"), 1000, 100),
    };
    RegisterEntry broken;
    broken.path = QStringLiteral("/w/broken.Dy5");
    broken.error = QStringLiteral("문서 파일이 아닙니다.");
    entries.append(broken);

    RegisterFilter f;
    f.period = VatPeriod(2026, VatHalf::First, VatPart::Preliminary);
    EXPECT_EQ(FilterEntries(entries, f), (QVector<int>{1, 2, 4})); // both edges in; the unreadable file shown
    const RegisterTotals t = TotalsOf(entries, FilterEntries(entries, f));
    EXPECT_EQ(t.documents, 2);
    EXPECT_EQ(t.unreadable, 1);
    EXPECT_EQ(t.supply, 300);
    EXPECT_EQ(t.total(), 330);

    f.kind = DocKind::TaxInvoice;
    EXPECT_EQ(FilterEntries(entries, f), (QVector<int>{1, 4}));
    f = {};
    f.text = QStringLiteral("카트리지");
    EXPECT_EQ(FilterEntries(entries, f), (QVector<int>{2, 4}));
    f.text = QStringLiteral("복사지");
    f.period = {QDate(2026, 2, 1), QDate()}; // open end
    EXPECT_EQ(FilterEntries(entries, f), (QVector<int>{3, 4}));
}

} // namespace

// The buyers' e-mails and the electronic-issue marks live in the same file as the summary choices, and
// marking a hundred documents keeps every other choice.
TEST(RegisterChoices, BuyerEmailsAndElectronicMarksAreKeptBesideTheDocuments) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.path() + QStringLiteral("/a.Dy5"), b = dir.path() + QStringLiteral("/sub/b.Dy5");
    {
        ChoiceStore store(dir.path());
        store.setSummary(a, SummaryChoice::TaxInvoice);
        store.setBuyerEmail(QStringLiteral("1234567891"), QStringLiteral(" buy@hanbit.kr "));
        QStringList many{a, b};
        for (int i = 0; i < 98; ++i)
            many << dir.path() + QStringLiteral("/n%1.Dy5").arg(i);
        store.setElectronic(many, true, QDate(2027, 1, 5));
        store.setElectronic({b}, false);
    }
    ChoiceStore store(dir.path());
    store.load();
    EXPECT_EQ(store.summary(a), SummaryChoice::TaxInvoice);
    EXPECT_TRUE(store.electronic(a));
    EXPECT_FALSE(store.electronic(b));
    EXPECT_TRUE(store.electronic(dir.path() + QStringLiteral("/n97.Dy5")));
    EXPECT_EQ(store.buyerEmail(QStringLiteral("1234567891")), QStringLiteral("buy@hanbit.kr"));
    EXPECT_EQ(store.buyerEmail(QStringLiteral("2208162517")), QString());
    store.setBuyerEmail(QStringLiteral("1234567891"), QString());
    store.load();
    EXPECT_EQ(store.buyerEmail(QStringLiteral("1234567891")), QString());
}

TEST(RegisterChoices, TwoProgramsChoosingAtOnceLoseNoChoice) {
    // Two PCs on one shared folder, each setting choices of its own documents at the same moment: every
    // change reads the file, applies itself and replaces the file, and none may replace another's change.
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    constexpr int kEach = 40;
    const auto choose = [&](const QString &prefix) {
        ChoiceStore store(dir.path());
        for (int i = 0; i < kEach; ++i)
            store.setSummary(dir.path() + QStringLiteral("/%1-%2.Dy5").arg(prefix).arg(i), SummaryChoice::TaxInvoice);
    };
    std::thread counter([&] { choose(QStringLiteral("counter")); });
    std::thread office([&] { choose(QStringLiteral("office")); });
    counter.join();
    office.join();

    ChoiceStore store(dir.path());
    store.load();
    int kept = 0;
    for (const QString &prefix : {QStringLiteral("counter"), QStringLiteral("office")})
        for (int i = 0; i < kEach; ++i)
            kept += store.summary(dir.path() + QStringLiteral("/%1-%2.Dy5").arg(prefix).arg(i)) ==
                    SummaryChoice::TaxInvoice;
    EXPECT_EQ(kept, 2 * kEach);
    EXPECT_FALSE(QFile::exists(store.filePath() + QStringLiteral(".lock")));
}
