// Writes PNG pictures of the program's windows, as a person sees them, into the folder given as the only
// argument: the main window and the editor on each of its pages. Runs offscreen; opens no dialog.

#include "editor_launch.h"
#include "fonts.h"
#include "mainU.h"
#include "prompts.h"
#include "subUnt.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPixmap>
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

} // namespace

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));
    InstallFontSubstitutions();
    QFont appFont(QStringLiteral("굴림"));
    appFont.setPixelSize(12);
    QApplication::setFont(appFont);
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
    return ok ? 0 : 1;
}
