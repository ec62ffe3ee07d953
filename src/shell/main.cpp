// Program entry: one copy at a time, the process-wide formats and fonts, the main window.

#include "application.h"
#include "buyer_book.h"
#include "editor_launch.h"
#include "fonts.h"
#include "korean_ui.h"
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
#include <QLocale>
#include <QTimer>

#include <memory>

#include <csignal>

int main(int argc, char *argv[]) {
    // A file size limit makes a write fail (and the save report it) instead of ending the program with
    // everything typed since the last save.
    std::signal(SIGXFSZ, SIG_IGN);
    GuardedApplication app(argc, argv);
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
    QFont appFont(QStringLiteral("굴림"));
    appFont.setPixelSize(12);
    QApplication::setFont(appFont);

    std::unique_ptr<RecordingPrompts> recording;
    const QString log = qEnvironmentVariable("ZARU_TEST_PROMPTS_LOG");
    if (!log.isEmpty()) {
        recording = std::make_unique<RecordingPrompts>(log);
        setPrompts(recording.get());
    }

    SingleInstance instance(SingleInstance::keyFor(kAppTitle));
    if (!instance.becomePrimary()) {
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
    mainf.show();
    if (recording)
        recording->record(QStringLiteral("started"));
    // A settings file that cannot be written is told once, at start or at the first write that fails;
    // the settings are then kept for the session and documents are saved as ever.
    SetSettingsProblemReporter([&mainf](const QString &message) { ShowInfo(message, &mainf); });
    QTimer::singleShot(0, &mainf, [] { ReportSettingsFileProblem(kIniFileName); });
    const int rc = QApplication::exec();
    SetSettingsProblemReporter(nullptr);
    setPrompts(nullptr);
    reg::setBuyerBook(nullptr);
    return rc;
}
