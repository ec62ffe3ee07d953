#pragma once
// Launching what lies outside the program: the companion tools (special characters, calculator), the help
// window, the about box, the web browser; and a wait that keeps the windows responsive.

#include <QRect>
#include <QString>

class QWidget;

// File names of the companion libraries, looked for in the application folder first.
inline const QString kSpecialCharsLibrary = QStringLiteral("Spelchr");
inline const QString kCalculatorLibrary = QStringLiteral("KmrCalc");
inline const QString kHelpLibrary = QStringLiteral("webnotice");
inline const QString kAboutLibrary = QStringLiteral("AboutLog");

// The message of a companion library that cannot be loaded.
inline const QString kLibraryLoadFailure = QStringLiteral("호출한 프로그램을 실행할 수 없습니다.");
// The error code shown when a library lacks its entry point ("procedure not found").
inline constexpr int kEntryPointMissingCode = 127;

// Opens the special character picker; the chosen text is left on the clipboard, or "Non" when the user
// cancels. A library that cannot be loaded raises AppError "호출한 프로그램을 실행할 수 없습니다."; a
// library without the entry point shows the error code in a plain message box.
void RunSpecialChars();
// Opens the calculator, with the same failures.
void RunCalculator();

// The help pages' base address (ends in "/help/vizuruz/").
QString HelpBase();
// The help window for a page name, docked at the right edge of window: top T + 30, left L + W - 583,
// height H - 35, width 580 (L, T, W, H: the window's frame).
QRect HelpPageRect(const QRect &windowFrame);
void ShowHelpPage(QWidget *window, const QString &pageName);
// Shows address in the help window at the given screen rectangle.
void ShowWebNote(const QRect &rect, const QString &address);
// Shows the about box.
void ShowAboutBox(const QString &revision, const QString &title);
// Opens an address in the system's web browser; a failure is silent.
void OpenInBrowser(const QString &address);

// The download page "soft.htm" beside the help pages.
QString DownloadPageAddress();
// Where the download page opens beside window: top T + 32 - captionAdj, left L + W - 565, height 580,
// width 560.
QRect DownloadPageRect(const QRect &windowFrame, int captionAdj);
void ShowDownloadPage(QWidget *window, int captionAdj);

// Waits ms milliseconds while window messages go on being processed.
void Delay(int ms);

// The folder searched first for the companion libraries and holding the help pages: the folder of the
// running program, ending in "/". Tests point it elsewhere; an empty folder restores the real one.
QString CompanionFolder();
void SetCompanionFolderForTesting(const QString &folder);
