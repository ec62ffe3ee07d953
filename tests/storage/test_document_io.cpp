#include "document_io.h"
#include "fixtures.h"
#include "invoice_file.h"
#include "quotation_file.h"

#include "disk_limits.h"
#include "errors.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace fx;

namespace {

QString S(const char *utf8) { return QString::fromUtf8(utf8); }

QByteArray OldInvoice() {
    return Join({V35(1).str(S4, "옛상호"), V35(2).str(S4, "구매처"), V35(3),
                 V35(4).str(S9, "품목").str(S7, "1").str(S8, "100").str(S6, "100").str(S5, "10")});
}

} // namespace

TEST(DocumentIo, AReadOnlyDocumentOpens) {
    ScratchAppFolder dir;
    dir.write(S("ro.Dnt"), OldInvoice());
    const QString path = dir.file(S("ro.Dnt"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const InvoiceLoadResult r = LoadInvoiceFile(path, GridKind::TaxInvoice, InvoiceSnapshot{});
    EXPECT_EQ(r.snapshot.aSangho, S("옛상호"));
    EXPECT_EQ(r.curFileName, dir.file(S("ro.Dy5")));
}

TEST(DocumentIo, OpeningAnOldFileAndSavingLeavesTheOldFileUntouched) {
    ScratchAppFolder dir;
    const QByteArray old = OldInvoice();
    dir.write(S("doc.Dnt"), old);
    const InvoiceLoadResult r = LoadInvoiceFile(dir.file(S("doc.Dnt")), GridKind::TaxInvoice, InvoiceSnapshot{});
    ASSERT_EQ(r.curFileName, dir.file(S("doc.Dy5")));
    SaveInvoiceFile(r.curFileName, r.snapshot);
    EXPECT_EQ(dir.read(S("doc.Dnt")), old);
    const QByteArray saved = dir.read(S("doc.Dy5"));
    EXPECT_EQ(saved.size(), 1824);
    const InvoiceLoadResult again = LoadInvoiceFile(r.curFileName, GridKind::TaxInvoice, InvoiceSnapshot{});
    EXPECT_EQ(again.snapshot.dGrid[0][1], S("품목"));
    EXPECT_EQ(again.curFileName, r.curFileName);
}

TEST(DocumentIo, ARefusedSaveLeavesTheOldFileWhole) {
    ScratchAppFolder dir;
    QuotationSnapshot q;
    q.SangHoEdt = S("처음");
    const QString path = dir.file(S("q.Prc"));
    SaveQuotationFile(path, q);
    const QByteArray first = dir.read(S("q.Prc"));
    ASSERT_EQ(first.size(), 5301);

    q.SangHoEdt = S("두번째");
    q.kGrid[3][4] = S("셋");
    try {
        SaveQuotationFile(path, q);
        FAIL() << "saved a quantity that is not a number";
    } catch (const NumberConversionError &e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(path)));
        EXPECT_TRUE(e.message().contains(S("4번째 줄의 수량")));
    }
    EXPECT_EQ(dir.read(S("q.Prc")), first);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{S("q.Prc")}); // nothing left beside it

    InvoiceSnapshot s;
    s.dGrid[0][5] = S("십만");
    dir.write(S("i.Dy5"), S("old").toUtf8());
    EXPECT_THROW(SaveInvoiceFile(dir.file(S("i.Dy5")), s), NumberConversionError);
    EXPECT_EQ(dir.read(S("i.Dy5")), "old");
}

TEST(DocumentIo, FailuresNameTheFile) {
    ScratchAppFolder dir;
    auto message = [](const std::function<void()> &run) -> QString {
        try {
            run();
        } catch (const IoError &e) {
            return e.message();
        }
        return S("no error");
    };
    const QString missing = dir.file(S("없는파일.Dy5"));
    EXPECT_TRUE(message([&] { ReadDocumentBytes(missing); }).contains(QDir::toNativeSeparators(missing)));
    const QString noFolder = dir.file(S("없는폴더/a.Prc"));
    EXPECT_TRUE(message([&] { WriteDocumentBytes(noFolder, "x"); }).contains(QDir::toNativeSeparators(noFolder)));
    EXPECT_TRUE(message([&] { WriteDocumentBytes(dir.path(), "x"); }).startsWith(S("파일을 저장할 수 없습니다")));

    // A file far larger than any document is refused without being taken for one.
    dir.write(S("big.Dy5"), QByteArray(2 * 1024 * 1024, 'x'));
    EXPECT_TRUE(message([&] { ReadDocumentBytes(dir.file(S("big.Dy5"))); }).contains(S("문서 파일이 아닙니다")));

    // A damaged document names the file it came from.
    dir.write(S("cut.Prc"), QByteArray(170, '\0'));
    const QString cut = dir.file(S("cut.Prc"));
    EXPECT_TRUE(message([&] { LoadQuotationFile(cut, QuotationSnapshot{}); }).contains(QDir::toNativeSeparators(cut)));
}

TEST(DocumentIo, SavingReplacesTheWholeFile) {
    ScratchAppFolder dir;
    dir.write(S("x.Gy5"), QByteArray(9000, 'z')); // longer than the new content
    InvoiceSnapshot s;
    s.statement = true;
    SaveInvoiceFile(dir.file(S("x.Gy5")), s);
    EXPECT_EQ(dir.read(S("x.Gy5")), WriteInvoiceFile(s));
}

namespace {

InvoiceSnapshot Statement(const char *buyer) {
    InvoiceSnapshot s;
    s.statement = true;
    s.bSangho = S(buyer);
    s.gGrid[0][1] = S("볼펜");
    return s;
}

QStringList FilesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

} // namespace

// A full disk: the new statement does not fit beside the old one. The save reports it and the old
// statement stays whole, with nothing left beside it.
TEST(DocumentIo, ASaveOnAFullDiskReportsItAndKeepsTheOldDocument) {
    TinyDisk disk(12);
    if (!disk.available())
        GTEST_SKIP() << "mounting a small tmpfs is not permitted here";
    const QString path = disk.file(S("명세.Gy5"));
    SaveInvoiceFile(path, Statement("첫거래처"));
    const QByteArray first = ReadDocumentBytes(path);
    ASSERT_EQ(first.size(), 7524);

    EXPECT_THROW(SaveInvoiceFile(path, Statement("둘째거래처")), IoError);
    EXPECT_EQ(ReadDocumentBytes(path), first);
    EXPECT_EQ(FilesIn(disk.path()), QStringList{S("명세.Gy5")});

    // Not even a small tax invoice fits on a disk filled to the last byte; the old one stays.
    const QString invoice = disk.file(S("세금.Dy5"));
    ASSERT_TRUE(QFile::remove(path));
    SaveInvoiceFile(invoice, InvoiceSnapshot{});
    const QByteArray invoiceBytes = ReadDocumentBytes(invoice);
    disk.fill(S("filler"));
    InvoiceSnapshot changed;
    changed.bSangho = S("바뀐거래처");
    try {
        SaveInvoiceFile(invoice, changed);
        FAIL() << "a save on a full disk reported success";
    } catch (const IoError &e) {
        EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(invoice)));
    }
    EXPECT_EQ(ReadDocumentBytes(invoice), invoiceBytes);
}

// A file size limit (as "ulimit -f 1" sets it) stops the write after 1,024 bytes.
TEST(DocumentIo, ASaveBeyondTheFileSizeLimitReportsItAndKeepsTheOldDocument) {
    ScratchAppFolder dir;
    const QString path = dir.file(S("명세.Gy5"));
    SaveInvoiceFile(path, Statement("첫거래처"));
    const QByteArray first = dir.read(S("명세.Gy5"));
    const int code = RunWithFileSizeLimit(1024, [&] {
        try {
            SaveInvoiceFile(path, Statement("둘째거래처"));
        } catch (const IoError &) {
            return 0;
        }
        return 1;
    });
    EXPECT_EQ(code, 0) << "the save did not report the failed write";
    EXPECT_EQ(dir.read(S("명세.Gy5")), first);
    EXPECT_EQ(FilesIn(dir.path()), QStringList{S("명세.Gy5")});
}

// A program killed at any moment of a save leaves one of the two documents whole.
TEST(DocumentIo, ASaveKilledAtAnyMomentLeavesTheOldOrTheNewDocumentWhole) {
    ScratchAppFolder dir;
    const QString path = dir.file(S("명세.Gy5"));
    const InvoiceSnapshot a = Statement("가나상사");
    const InvoiceSnapshot b = Statement("다라물산");
    SaveInvoiceFile(path, a);
    const QByteArray bytesA = WriteInvoiceFile(a);
    const QByteArray bytesB = WriteInvoiceFile(b);
    for (int round = 0; round < 20; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (int i = 0;; ++i)
                SaveInvoiceFile(path, i % 2 ? a : b);
        }
        ASSERT_GT(child, 0);
        ::usleep(useconds_t(2000 + round * 1500));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const QByteArray now = dir.read(S("명세.Gy5"));
        ASSERT_TRUE(now == bytesA || now == bytesB) << "round " << round << ": " << now.size() << " bytes";
    }
}
