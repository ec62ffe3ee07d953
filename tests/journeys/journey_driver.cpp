#include "journey_driver.h"

#include "PrtUnit.h"
#include "editor_launch.h"
#include "prevUnt.h"
#include "subUnt.h"

#include <QAbstractButton>
#include <QToolButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QString kQueue = QStringLiteral("PDF");
constexpr int kWatchdogMs = 30000;

bool isAscii(const QString &text) {
    for (QChar c : text)
        if (c.unicode() > 0x7e)
            return false;
    return true;
}

void commitText(QWidget *target, const QString &text) {
    QInputMethodEvent e(QString(), {});
    e.setCommitString(text);
    QApplication::sendEvent(target, &e);
}

} // namespace

bool JourneyPrompts::printerSetup(QWidget *parent, QPrinter &printer) {
    ScriptedPrompts::printerSetup(parent, printer);
    if (printerToChoose.isEmpty())
        return false;
    printer.setPrinterName(printerToChoose);
    return true;
}

void JourneyFixture::SetUp() {
    savedCurrent = QDir::currentPath();
    setSpreadsheetOpener(&opener);
    watchdog.setSingleShot(true);
    watchdog.setInterval(kWatchdogMs);
    QObject::connect(&watchdog, &QTimer::timeout, [this] {
        ADD_FAILURE() << "a window stayed open too long; closing every window";
        closeEverything();
    });
    mainWindow = std::make_unique<Tmainf>(&OpenEditor);
    mainWindow->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(mainWindow.get()));
    kick();
}

void JourneyFixture::TearDown() {
    watchdog.stop();
    setSpreadsheetOpener(nullptr);
    for (const QString &path : opener.opened)
        QFile::remove(path);
    mainWindow.reset();
    // Saving enters the saved file's folder; leave the scratch folder before it goes.
    QDir::setCurrent(savedCurrent);
}

void JourneyFixture::kick() { watchdog.start(); }

void JourneyFixture::closeEverything() {
    if (report::TprevUntf *preview = report::TprevUntf::current())
        preview->close();
    // Innermost first: each close lets the loop under it return.
    for (int i = 0; i < 10; ++i) {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            break;
        modal->close();
        QApplication::processEvents();
    }
    watchdog.start();
}

void JourneyFixture::onWindow(const std::function<QWidget *()> &find, const std::function<void()> &open,
                              const std::function<void(QWidget *)> &act) {
    bool found = false;
    int tries = 0;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *w = find();
        if (!w || !w->isVisible()) {
            if (++tries > 1000) {
                poll.stop();
                ADD_FAILURE() << "the window did not open";
            }
            return;
        }
        poll.stop();
        found = true;
        kick();
        act(w);
        kick();
    });
    poll.start();
    open();
    poll.stop();
    EXPECT_TRUE(found) << "the step's window never appeared";
}

void JourneyFixture::inEditor(const char *mainButton, const std::function<void(TsubUntf *)> &act) {
    onWindow([] { return qobject_cast<TsubUntf *>(QApplication::activeModalWidget()); },
             [&] { click(mainWindow.get(), mainButton); },
             [&](QWidget *w) {
                 auto *editor = static_cast<TsubUntf *>(w);
                 editor->activateWindow();
                 EXPECT_TRUE(QTest::qWaitForWindowActive(editor));
                 act(editor);
                 if (editor->isVisible()) {
                     ADD_FAILURE() << "the journey left the editor open";
                     editor->close();
                 }
             });
}

void JourneyFixture::inPrintDialog(TsubUntf *editor, const char *printButton,
                                   const std::function<void(TPrtUntf *)> &act) {
    onWindow([] { return static_cast<QWidget *>(TPrtUntf::instance()); }, [&] { click(editor, printButton); },
             [&](QWidget *w) {
                 auto *dialog = static_cast<TPrtUntf *>(w);
                 act(dialog);
                 if (dialog->isVisible())
                     click(dialog, "mExit0");
             });
}

void JourneyFixture::inPreview(TPrtUntf *dialog, const char *okButton,
                               const std::function<void(report::TprevUntf *)> &act) {
    onWindow([] { return static_cast<QWidget *>(report::TprevUntf::current()); }, [&] { click(dialog, okButton); },
             [&](QWidget *w) {
                 auto *preview = static_cast<report::TprevUntf *>(w);
                 act(preview);
                 if (preview->isVisible())
                     QTest::mouseClick(preview->closeButton(), Qt::LeftButton);
             });
}

bool JourneyFixture::HasPdfQueue() { return QPrinterInfo::availablePrinterNames().contains(kQueue); }

void JourneyFixture::chooseCupsPrinter() {
    prompts.printerToChoose = kQueue;
    click(mainWindow.get(), "PrtStup");
    prompts.printerToChoose.clear();
}

QSet<QString> JourneyFixture::PdfFiles() {
    const QString folder = QDir::homePath() + QStringLiteral("/PDF");
    const QStringList names = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    QSet<QString> out;
    for (const QString &n : names)
        out.insert(QDir(folder).filePath(n));
    return out;
}

QString JourneyFixture::waitForNewPdf(const QSet<QString> &before) {
    QElapsedTimer clock;
    clock.start();
    qint64 lastSize = -1;
    QString found;
    while (clock.elapsed() < 60000) {
        kick();
        if (found.isEmpty())
            for (const QString &n : PdfFiles() - before)
                found = n;
        if (!found.isEmpty()) {
            const qint64 size = QFileInfo(found).size();
            if (size > 0 && size == lastSize)
                return found;
            lastSize = size;
        }
        QThread::msleep(300);
    }
    return QString();
}

int JourneyFixture::PdfPageCount(const QString &pdf) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    if (!p.waitForFinished(20000))
        return -1;
    const QString info = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QImage JourneyFixture::PdfFirstPage(const QString &pdf) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, prefix});
    if (!p.waitForFinished(20000))
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}

QStringList JourneyFixture::WorkbookValues(const QString &xlsx) {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, openpyxl\n"
                            "ws = openpyxl.load_workbook(sys.argv[1]).worksheets[0]\n"
                            "for row in ws.iter_rows():\n"
                            "    for c in row:\n"
                            "        if c.value is not None: print(str(c.value).replace('\\n', ' '))\n"),
             xlsx});
    if (!p.waitForFinished(30000))
        return {};
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

void JourneyFixture::typeInto(QWidget *field, const QString &text) {
    if (!field)
        return;
    field->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->home(false);
    if (isAscii(text))
        QTest::keyClicks(field, text);
    else
        commitText(field, text);
}

void JourneyFixture::typeCell(THStringGrid *grid, int row, int col, const QString &text) {
    if (!grid)
        return;
    if (!grid->hasFocus() && !grid->inplaceEditor())
        grid->setFocus();
    grid->setCurrentCell(row, col);
    auto target = [grid]() -> QWidget * {
        return grid->inplaceEditor() ? static_cast<QWidget *>(grid->inplaceEditor()) : grid;
    };
    if (isAscii(text)) {
        for (QChar c : text)
            QTest::keyClick(target(), c.toLatin1());
    } else {
        commitText(target(), text);
    }
    QTest::keyClick(target(), Qt::Key_Return);
}

void JourneyFixture::click(QWidget *parent, const char *name) {
    auto *b = parent->findChild<QAbstractButton *>(QString::fromLatin1(name));
    ASSERT_NE(b, nullptr) << name;
    EXPECT_TRUE(b->isVisible() && b->isEnabled()) << name << " cannot be clicked";
    QTest::mouseClick(b, Qt::LeftButton);
}

QString JourneyFixture::text(QWidget *parent, const char *name) {
    if (auto *l = parent->findChild<QLabel *>(QString::fromLatin1(name)))
        return l->text();
    if (auto *e = parent->findChild<QLineEdit *>(QString::fromLatin1(name)))
        return e->text();
    ADD_FAILURE() << "no field " << name;
    return QString();
}

QString JourneyFixture::boxes(QWidget *parent, const char *prefix, int count) {
    QString out;
    for (int i = count; i >= 1; --i)
        out += text(parent, QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i).toLatin1().constData());
    return out;
}

QStringList JourneyFixture::pageTexts(const report::RenderedReport &report) {
    QStringList out;
    for (const report::RenderedPage &page : report.pages)
        out += page.texts();
    return out;
}
