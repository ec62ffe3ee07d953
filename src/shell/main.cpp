// Program entry: one copy at a time, the process-wide formats and fonts, the main window.

#include "application.h"
#include "buyer_book.h"
#include "command_line.h"
#include "document_handoff.h"
#include "editor_launch.h"
#include "fonts.h"
#include "korean_ui.h"
#include "look.h"
#include "mainU.h"
#include "prevUnt.h"
#include "prompts.h"
#include "recording_prompts.h"
#include "register_launch.h"
#include "frameless.h"
#include "settings.h"
#include "single_instance.h"
#include "workpath.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>

#include <memory>

#include <csignal>
#include <cstdio>

int main(int argc, char *argv[]) {
    // A file size limit makes a write fail (and the save report it) instead of ending the program with
    // everything typed since the last save.
    std::signal(SIGXFSZ, SIG_IGN);
    // --help and --version answer on the terminal and need no display.
    switch (EarlyAction(argc, argv)) {
    case CommandLine::Action::Help: std::fputs(HelpText().toUtf8().constData(), stdout); return 0;
    case CommandLine::Action::Version: std::fputs(VersionText().toUtf8().constData(), stdout); return 0;
    default: break;
    }
    GuardedApplication app(argc, argv);
    const CommandLine line = ParseArguments(QCoreApplication::arguments(), QDir::currentPath());
    if (line.action == CommandLine::Action::Error) {
        std::fputs(QStringLiteral("zaruziz: %1\n사용법은 'zaruziz --help'로 볼 수 있습니다.\n")
                       .arg(line.error)
                       .toUtf8()
                       .constData(),
                   stderr);
        return 2;
    }
    QApplication::setApplicationName(kAppTitle);
    QApplication::setApplicationDisplayName(kAppTitle);
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));
    // Qt's own dialogs (open, save, printer set-up) and standard buttons in Korean.
    InstallQtKoreanTranslations(app);
    InstallFontSubstitutions();
    // Installed into a system folder, the program keeps its settings in the user's own folder: made,
    // with the settings file of the application folder taken along, on the first start.
    DataFolder();
    // A preview saves its PDF into the work folder, where the documents are.
    report::TprevUntf::SetPdfFolder([] { return GetWorkPath(kIniFileName); });
    // Our own light face and fonts on every desktop, dark and themed ones too.
    look::Apply();

    std::unique_ptr<RecordingPrompts> recording;
    const QString log = qEnvironmentVariable("ZARU_TEST_PROMPTS_LOG");
    if (!log.isEmpty()) {
        recording = std::make_unique<RecordingPrompts>(log);
        setPrompts(recording.get());
    }

    SingleInstance instance(SingleInstance::keyFor(kAppTitle));
    if (!instance.becomePrimary()) {
        // A document to open goes to the copy already running on this display.
        if (!line.files.isEmpty() && instance.askPrimaryToOpen(line.files.constFirst()))
            return 0;
        prompts().info(nullptr, QStringLiteral(" 프로그램이 이미 실행중입니다."), QStringLiteral(" 확인!!"));
        instance.askPrimaryToShow();
        return 0;
    }

    // Buyers and item names of earlier documents, from the register's index of the work folder.
    reg::IndexedBuyerBook buyerBook(reg::DefaultIndexPath(), [] { return GetWorkPath(kIniFileName); });
    reg::setBuyerBook(&buyerBook);

    Tmainf mainf(&OpenEditor);
    mainf.setRegisterLauncher(&OpenRegister);
    QObject::connect(&instance, &SingleInstance::showRequested, &mainf, [&] {
        BringToFront(&mainf);
        if (recording)
            recording->record(QStringLiteral("shown"));
    });
    // Opened once the request has been answered, so that the later copy ends at once.
    QObject::connect(&instance, &SingleInstance::openRequested, &mainf, [&](const QString &path) {
        if (recording)
            recording->record(QStringLiteral("open|") + path);
        QTimer::singleShot(0, &mainf, [&mainf, path] { OpenDocumentFromDesktop(&mainf, path); });
    });
    mainf.show();
    if (recording)
        recording->record(QStringLiteral("started"));
    // A settings file that cannot be written is told once, at start or at the first write that fails;
    // the settings are then kept for the session and documents are saved as ever.
    SetSettingsProblemReporter([&mainf](const QString &message) { ShowInfo(message, &mainf); });
    QTimer::singleShot(0, &mainf, [] { ReportSettingsFileProblem(kIniFileName); });
    if (!line.files.isEmpty())
        QTimer::singleShot(0, &mainf, [&mainf, &line] { OpenDocumentFromDesktop(&mainf, line.files.constFirst()); });
    const int rc = QApplication::exec();
    SetSettingsProblemReporter(nullptr);
    setPrompts(nullptr);
    reg::setBuyerBook(nullptr);
    return rc;
}
