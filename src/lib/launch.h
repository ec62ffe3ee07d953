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

// Waits ms milliseconds while window messages go on being processed.
void Delay(int ms);
