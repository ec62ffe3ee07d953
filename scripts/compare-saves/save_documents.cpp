// Saves documents through the editor window, for comparing the files two builds of the program write.
//
//   save_documents typed <seed> <count> <folder>   types <count> random documents (tax invoices,
//                                                 statements, quotations in turn) into the editor, key by
//                                                 key in the amount cells, and saves each into <folder>
//   save_documents resave <folder-in> <folder-out>  opens every document file of <folder-in> in the
//                                                 editor of its page and saves it into <folder-out>
//
// Only the editor's public commands are used (open, save, the grid's keys), so the same source builds
// against any version of the program. Messages the program shows go to standard error.
#include "HStrGrid.h"
#include "fonts.h"
#include "prompts.h"
#include "settings.h"
#include "subUnt.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <random>

namespace {

struct QuietPrompts final : Prompts {
    void say(const QString &m) const { QTextStream(stderr) << "message: " << m << '\n'; }
    void info(QWidget *, const QString &m, const QString &) override { say(m); }
    bool askYesNo(QWidget *, const QString &m, const QString &) override { return say(m), false; }
    bool askProceed(QWidget *, const QString &m, const QString &, const QString &) override { return say(m), false; }
    YesNoCancel askYesNoCancel(QWidget *, const QString &m, const QString &) override {
        return say(m), YesNoCancel::No;
    }
    void error(QWidget *, const QString &m, const QString &) override { say(m); }
    void plain(QWidget *, const QString &m, const QString &) override { say(m); }
    QString openFile(QWidget *, const FileDialogRequest &) override { return {}; }
    QString saveFile(QWidget *, const FileDialogRequest &) override { return {}; }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    bool printerSetup(QWidget *, QPrinter &) override { return false; }
};

std::mt19937 rng;
int pick(int from, int to) { return from + int(rng() % unsigned(to - from + 1)); }
bool chance(int percent) { return pick(1, 100) <= percent; }

QString digits(int count) {
    QString s = QString::number(pick(1, 9));
    while (s.size() < count)
        s += QString::number(pick(0, 9));
    return s;
}

const char *const kItems[] = {"A4 복사용지", "볼펜 0.7mm", "레이저 토너",   "사무용 의자",     "USB 메모리 32GB",
                              "스테이플러",  "Paper clip", "모니터 받침대", "화이트보드 마커", "(주)견본 품목"};
const char *const kUnits[] = {"개", "박스", "권", "EA", "set"};

QString item() { return QString::fromUtf8(kItems[pick(0, 9)]); }

// Types text into the cell as keys and finishes it with Enter.
void typeCell(THStringGrid *g, int row, int col, const QString &text) {
    g->setFocus();
    g->setCurrentCell(row, col);
    for (QChar ch : text) {
        QWidget *target = g->inplaceEditor() ? static_cast<QWidget *>(g->inplaceEditor()) : g;
        QTest::keyClick(target, ch.toLatin1());
    }
    QWidget *target = g->inplaceEditor() ? static_cast<QWidget *>(g->inplaceEditor()) : g;
    QTest::keyClick(target, Qt::Key_Return);
}

QString quantityText(bool negativeAllowed) {
    QString q = QString::number(pick(1, chance(70) ? 20 : 999));
    if (chance(30)) {
        q += u'.' + digits(pick(1, 3));
        if (chance(30))
            q += u'0'; // written with a trailing zero: "1.50"
    }
    return negativeAllowed && chance(10) ? u'-' + q : q;
}

template <typename T> T *child(QWidget &w, const char *name) { return w.findChild<T *>(QString::fromLatin1(name)); }

void invoiceLines(TsubUntf &e, bool statement) {
    THStringGrid *g = child<THStringGrid>(e, statement ? "gGrid" : "dGrid");
    // Columns: date, item, 규격, [unit], quantity, unit price, supply, tax, remark.
    const int u = statement ? 1 : 0;
    const int lines = statement ? (chance(15) ? pick(13, 30) : pick(1, 12)) : pick(1, 5);
    for (int r = 1; r <= lines; ++r) {
        if (chance(60))
            g->setCellText(
                r, 0,
                QStringLiteral("%1/%2").arg(pick(1, 12), 2, 10, QChar(u'0')).arg(pick(1, 28), 2, 10, QChar(u'0')));
        g->setCellText(r, 1, item());
        if (chance(50))
            g->setCellText(r, 2, QStringLiteral("%1x%2").arg(pick(1, 99)).arg(pick(1, 99)));
        if (statement && chance(60))
            g->setCellText(r, 3, QString::fromUtf8(kUnits[pick(0, 4)]));
        if (chance(75)) {
            const QString q = quantityText(true);
            const bool bigQuantity = q.contains(u'.') ? false : q.toInt() > 99;
            QString price = digits(pick(1, bigQuantity ? 6 : 8));
            if (chance(10))
                price = u'-' + price;
            typeCell(g, r, 3 + u, q);
            typeCell(g, r, 4 + u, price);
        } else {
            QString supply = digits(pick(1, 9));
            if (chance(10))
                supply = u'-' + digits(pick(1, 8));
            typeCell(g, r, 5 + u, supply);
        }
        if (chance(15)) // the tax typed over, within two won or not
            typeCell(g, r, 6 + u, QString::number(pick(0, 99999)));
        if (chance(30))
            g->setCellText(r, 7 + u, QStringLiteral("비고%1").arg(r));
    }
}

void invoiceHeader(TsubUntf &e, bool statement) {
    child<QLineEdit>(e, "bSangho")->setText(QStringLiteral("매입처 %1").arg(pick(1, 999)));
    if (chance(70))
        child<QLineEdit>(e, "bName")->setText(QStringLiteral("대표 %1").arg(pick(1, 99)));
    if (chance(70))
        child<QLineEdit>(e, "bAddr")->setText(QStringLiteral("서울특별시 중구 세종대로 %1").arg(pick(1, 300)));
    if (chance(50))
        child<QLineEdit>(e, "bUpTea")->setText(QStringLiteral("도소매"));
    if (chance(50))
        child<QLineEdit>(e, "bUpJong")->setText(QStringLiteral("문구"));
    child<QLineEdit>(e, "bSaNo")->setText(QStringLiteral("1234567891"));
    const QString date =
        QStringLiteral("2026.%1.%2").arg(pick(1, 12), 2, 10, QChar(u'0')).arg(pick(1, 28), 2, 10, QChar(u'0'));
    child<QLineEdit>(e, statement ? "grDay" : "DayEdt")->setText(date);
    if (!statement && chance(50)) {
        child<QLineEdit>(e, "DtyfNo")->setText(QString::number(pick(0, 999)));
        child<QLineEdit>(e, "DtyeNo")->setText(QString::number(pick(0, 999)));
    }
    if (statement && chance(60))
        child<QLineEdit>(e, "grEdit")->setText(QStringLiteral("사무용품"));
    if (chance(30))
        child<QLineEdit>(e, "Cashmy")->setText(digits(pick(1, 8)));
}

void quotation(TsubUntf &e) {
    child<QLineEdit>(e, "SangHoEdt")->setText(QStringLiteral("제출처 %1").arg(pick(1, 999)));
    if (chance(60))
        child<QLineEdit>(e, "NameEdt")->setText(QStringLiteral("담당 %1").arg(pick(1, 99)));
    if (chance(60))
        child<QLineEdit>(e, "AddrEdt")->setText(QStringLiteral("대전광역시 유성구 %1").arg(pick(1, 99)));
    if (chance(50))
        child<QPlainTextEdit>(e, "fMemo")->setPlainText(QStringLiteral("납기 협의\n부가세 별도"));
    THStringGrid *g = child<THStringGrid>(e, "kGrid");
    for (int r = 1, lines = pick(1, 10); r <= lines; ++r) {
        g->setCellText(r, 1, item());
        if (chance(40))
            g->setCellText(r, 2, QStringLiteral("%1mm").arg(pick(1, 999)));
        if (chance(50))
            g->setCellText(r, 3, QString::fromUtf8(kUnits[pick(0, 4)]));
        const QString q = quantityText(false);
        typeCell(g, r, 4, q);
        typeCell(g, r, 5, digits(pick(1, q.contains(u'.') || q.toInt() < 100 ? 8 : 6)));
        if (chance(30))
            g->setCellText(r, 7, QStringLiteral("비고"));
    }
}

void save(TsubUntf &e, const QString &path, bool quotationPage) {
    e.SetCurFileName(path);
    if (quotationPage)
        e.SavekBtnClick();
    else
        e.SaveBtnClick();
    e.SetModified(false);
}

int typed(unsigned seed, int count, const QString &folder) {
    rng.seed(seed);
    for (int i = 0; i < count; ++i) {
        const int kind = i % 3; // tax invoice, statement, quotation
        TsubUntf e(nullptr, kind == 2 ? pkQuotation : pkInvoiceOrStatement, kind == 1, 0);
        e.show();
        QApplication::processEvents();
        if (kind == 2) {
            quotation(e);
        } else {
            invoiceHeader(e, kind == 1);
            invoiceLines(e, kind == 1);
        }
        const QString ext = kind == 0   ? QStringLiteral("Dy5")
                            : kind == 1 ? QStringLiteral("Gy5")
                                        : QStringLiteral("Prc");
        save(e, QDir(folder).filePath(QStringLiteral("doc%1.%2").arg(i, 4, 10, QChar(u'0')).arg(ext)), kind == 2);
        e.close();
    }
    return 0;
}

int resave(const QString &in, const QString &out) {
    const QFileInfoList files = QDir(in).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &f : files) {
        const QString ext = f.suffix().toLower();
        const bool quotationPage = ext == QLatin1String("prc");
        const bool statement = ext.startsWith(u'g');
        TsubUntf e(nullptr, quotationPage ? pkQuotation : pkInvoiceOrStatement, statement, 0);
        e.show();
        QApplication::processEvents();
        e.OpenDocumentFile(f.absoluteFilePath());
        const QString name = f.completeBaseName() + u'.' +
                             (quotationPage ? QStringLiteral("Prc")
                              : statement   ? QStringLiteral("Gy5")
                                            : QStringLiteral("Dy5"));
        save(e, QDir(out).filePath(f.suffix() + u'-' + name), quotationPage);
        e.close();
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    InstallFontSubstitutions();
    QTemporaryDir settings; // the sample supplier, settings of a fresh installation
    SetApplicationFolderForTesting(settings.path());
    QuietPrompts quiet;
    setPrompts(&quiet);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("typed")) {
        QDir().mkpath(args[4]);
        return typed(args[2].toUInt(), args[3].toInt(), args[4]);
    }
    if (args.size() == 4 && args[1] == QLatin1String("resave")) {
        QDir().mkpath(args[3]);
        return resave(args[2], args[3]);
    }
    QTextStream(stderr) << "usage: save_documents typed <seed> <count> <folder> | resave <in> <out>\n";
    return 2;
}
