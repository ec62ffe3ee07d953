// The register window as the user meets it: Alt+L in the main window opens it, a period narrows the list,
// a header click sorts it, and a double click opens the document in the editor on its page.
#include "document_index.h"
#include "invoice_file.h"
#include "editor_launch.h"
#include "mainU.h"
#include "register_fixtures.h"
#include "register_window.h"
#include "subUnt.h"
#include "test_support.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace reg;

namespace {

// Runs act on the first window find() returns once it is visible, while open() runs a modal loop.
bool WhenShown(const std::function<QWidget *()> &find, const std::function<void(QWidget *)> &act,
               const std::function<void()> &open) {
    bool found = false;
    int tries = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *w = find();
        if (!w || !w->isVisible()) {
            if (++tries > 500) {
                poll.stop();
                if (QWidget *modal = QApplication::activeModalWidget())
                    modal->close();
            }
            return;
        }
        poll.stop();
        found = true;
        act(w);
    });
    poll.start();
    open();
    return found;
}

TEST(RegisterWindow, OpenedWithAltLFilteredSortedAndOpeningADocumentInTheEditor) {
    ScratchAppFolder app;
    QTemporaryDir data;
    const QString work = app.path() + QStringLiteral("Work");
    regfx::Write(work, QStringLiteral("jan.Dy5"),
                 {QDate(2026, 1, 1),
                  QStringLiteral("123-45-67890"),
                  QStringLiteral("가나상회"),
                  {{QStringLiteral("복사지"), 100000, 10000}}});
    regfx::Write(work, QStringLiteral("mar.Gy5"),
                 {QDate(2026, 3, 31),
                  QStringLiteral("220-81-62517"),
                  QStringLiteral("다라물산"),
                  {{QStringLiteral("볼트"), 250000, 25000}, {QStringLiteral("너트"), 1000, 100}},
                  true});
    regfx::Write(work, QStringLiteral("apr.Dy5"),
                 {QDate(2026, 4, 1),
                  QStringLiteral("123-45-67890"),
                  QStringLiteral("가나상회"),
                  {{QStringLiteral("토너"), 9, 0}}});
    QFile broken(work + QStringLiteral("/broken.Dy5"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a document");
    broken.close();
    DocumentIndex index(data.path() + QStringLiteral("/register.sqlite"));
    ScriptedPrompts prompts;

    QStringList opened;
    Tmainf mainf([](QWidget *, int, bool, int) {});
    mainf.setRegisterLauncher([&](QWidget *mainWindow, int captionAdj) {
        RegisterWindow window(
            index, work,
            [&, captionAdj](QWidget *parent, const RegisterEntry &e) {
                opened << e.fileName();
                OpenEditorOnFile(parent, pkInvoiceOrStatement, e.kind == DocKind::Statement, captionAdj, e.path);
            },
            mainWindow);
        window.exec();
    });
    mainf.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainf));

    InvoiceDocument seenInEditor;
    DocumentKind seenKind = DocumentKind::Registration;
    const bool shown = WhenShown(
        [] { return qobject_cast<RegisterWindow *>(QApplication::activeModalWidget()); },
        [&](QWidget *w) {
            auto *window = static_cast<RegisterWindow *>(w);
            auto *table = window->findChild<QTableView *>(QStringLiteral("docTable"));
            auto *totals = window->findChild<QLabel *>(QStringLiteral("totalsLabel"));
            EXPECT_EQ(table->model()->rowCount(), 4);

            window->choosePeriod(2026, RegisterWindow::FirstPreliminary);
            ASSERT_EQ(table->model()->rowCount(), 3); // the unreadable file stays listed
            // Opening it only says why it cannot be opened.
            for (int r = 0; r < table->model()->rowCount(); ++r)
                if (table->model()->index(r, 9).data().toString() == QStringLiteral("broken.Dy5"))
                    window->openRow(r);
            ASSERT_EQ(prompts.shown.size(), 1);
            EXPECT_TRUE(prompts.shown.at(0).startsWith(QStringLiteral("이 파일은 열 수 없습니다.")))
                << prompts.shown.at(0).toStdString();
            EXPECT_TRUE(opened.isEmpty());
            // A tax invoice and a statement are no one sum: each kind has its own.
            const QString t = totals->text();
            EXPECT_TRUE(t.contains(QStringLiteral("세금계산서 1건 공급가액 100,000 세액 10,000"))) << t.toStdString();
            EXPECT_TRUE(t.contains(QStringLiteral("거래명세서 1건 공급가액 251,000 세액 25,100"))) << t.toStdString();
            EXPECT_FALSE(t.contains(QStringLiteral("351,"))) << t.toStdString();
            EXPECT_TRUE(t.contains(QStringLiteral("읽을 수 없는 파일·폴더 1개"))) << t.toStdString();

            // Sorted by the supply column, largest first after the second click.
            const int supplyColumn = 5;
            QHeaderView *header = table->horizontalHeader();
            const QPoint at(header->sectionViewportPosition(supplyColumn) + 10, header->height() / 2);
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
            EXPECT_EQ(table->model()->index(0, 9).data().toString(), QStringLiteral("broken.Dy5")); // no amount
            if (header->sortIndicatorOrder() == Qt::AscendingOrder)
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
            EXPECT_EQ(table->model()->index(0, supplyColumn).data().toString(), QStringLiteral("251,000"));
            EXPECT_EQ(table->model()->index(0, 9).data().toString(), QStringLiteral("mar.Gy5"));

            // The text filter finds a document by an item name.
            auto *search = window->findChild<QLineEdit *>(QStringLiteral("searchEdit"));
            search->insert(QStringLiteral("복사"));
            ASSERT_EQ(table->model()->rowCount(), 2); // and the unreadable file
            search->clear();

            const QRect cell = table->visualRect(table->model()->index(0, 3));
            const bool editorShown = WhenShown(
                [] { return qobject_cast<TsubUntf *>(QApplication::activeModalWidget()); },
                [&](QWidget *e) {
                    auto *editor = static_cast<TsubUntf *>(e);
                    QTest::qWait(50); // the file is loaded once the editor runs
                    seenInEditor = editor->invoiceDocument();
                    seenKind = editor->CurrentKind();
                    EXPECT_EQ(editor->CurFileName(), QFileInfo(work + QStringLiteral("/mar.Gy5")).absoluteFilePath());
                    editor->close();
                },
                [&] {
                    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cell.center());
                    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cell.center());
                    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
                });
            EXPECT_TRUE(editorShown);
            window->close();
        },
        [&] { QTest::keyClick(&mainf, Qt::Key_L, Qt::AltModifier); });
    EXPECT_TRUE(shown);
    EXPECT_EQ(opened, QStringList{QStringLiteral("mar.Gy5")});
    EXPECT_EQ(seenKind, DocumentKind::Statement);
    EXPECT_EQ(seenInEditor.buyer.name, QStringLiteral("다라물산"));
    EXPECT_EQ(seenInEditor.lines.at(0).item, QStringLiteral("볼트"));
}

} // namespace

// 전자발급 파일 from the register: the invoices of the period, the check's list of the one the service
// would refuse, the five-line invoice folded, the file written into the chosen folder, and once the user
// says they were issued on the site, the two invoices counted in the summary's electronic rows.
TEST(RegisterWindow, BulkIssueFileListsRefusalsWritesTheFileAndMarksTheIssuedInvoices) {
    ScratchAppFolder app;
    QTemporaryDir data, out;
    const QString work = app.path() + QStringLiteral("Work");
    QDir().mkpath(work);
    auto write = [&](const QString &name, const QString &buyerNumber, int lines) {
        InvoiceDocument d = InvoiceDocument::empty(false);
        d.supplier = {QStringLiteral("220-81-62517"), QStringLiteral("우리상사"), QStringLiteral("김우리"),
                      QStringLiteral("서울 중구"), QStringLiteral("도소매"), QStringLiteral("문구")};
        d.buyer = {buyerNumber, QStringLiteral("한빛문구"), QStringLiteral("이한빛"), QString(), QString(), QString()};
        d.issueDate = QStringLiteral("2026.02.10");
        for (int i = 0; i < lines; ++i) {
            d.lines[i].item = QStringLiteral("품목%1").arg(i + 1);
            d.lines[i].supply = Money::fromWon(1000 * (i + 1));
            d.lines[i].tax = Money::fromWon(100 * (i + 1));
        }
        QFile f(work + u'/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(WriteInvoiceFile(d));
    };
    write(QStringLiteral("one.Dy5"), QStringLiteral("123-45-67891"), 1);
    write(QStringLiteral("five.Dy5"), QStringLiteral("123-45-67891"), 5);
    write(QStringLiteral("nobody.Dy5"), QString(), 2);

    DocumentIndex index(data.path() + QStringLiteral("/register.sqlite"));
    ScriptedPrompts prompts;
    prompts.choiceAnswers = {0};            // fold the fifth line into the fourth
    prompts.folderAnswers = {out.path()};   // where the file goes
    prompts.yesNoAnswers = {true};          // issued on the site
    RegisterWindow window(index, work, {});
    window.show();
    window.reload();
    window.choosePeriod(2026, RegisterWindow::FirstPreliminary);

    QStringList listed;
    QStringList written;
    const bool checked = WhenShown(
        [] { return QApplication::activeModalWidget(); },
        [&](QWidget *dialog) {
            ASSERT_EQ(dialog->objectName(), QStringLiteral("bulkCheckDialog"));
            auto *table = dialog->findChild<QTableWidget *>(QStringLiteral("refusalTable"));
            ASSERT_NE(table, nullptr);
            for (int r = 0; r < table->rowCount(); ++r)
                listed << table->item(r, 0)->text() + u':' + table->item(r, 1)->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("makeWithoutBtn")), Qt::LeftButton);
        },
        [&] { written = window.bulkIssueFile(); });
    ASSERT_TRUE(checked);
    EXPECT_EQ(listed, QStringList{QStringLiteral("nobody.Dy5:공급받는자 등록번호가 없습니다")});
    ASSERT_FALSE(written.isEmpty());
    EXPECT_EQ(written.first(), QDir(out.path()).filePath(QStringLiteral("세금계산서등록양식(일반).xlsx")));
    EXPECT_GT(QFileInfo(written.first()).size(), 0);

    const auto summary = window.summaryOfPeriod(SummaryKind::TaxInvoice);
    ASSERT_TRUE(summary.has_value());
    EXPECT_EQ(summary->electronicBusiness, (SummaryLine{1, 2, 16000, 1600}));
    EXPECT_EQ(summary->paperSubtotal(), (SummaryLine{1, 1, 3000, 300}));
    EXPECT_TRUE(prompts.choiceAnswers.empty() && prompts.folderAnswers.empty() && prompts.yesNoAnswers.empty());
}
