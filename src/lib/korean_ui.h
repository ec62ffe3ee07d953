#pragma once
// Korean for what the program does not write itself: Qt's own dialogs and buttons (its translation
// files), and the reasons the operating system and Qt give for a failed file operation, which reach the
// user inside the program's Korean messages.

#include <QString>

class QCoreApplication;

// Loads Qt's Korean translations from Qt's translations folder into app; true when they were found.
bool InstallQtKoreanTranslations(QCoreApplication &app);

// The message with every English failure reason of the system or of Qt ("Permission denied", "Filename
// refers to a directory", ...) replaced by its Korean text; everything else is left as it is.
QString KoreanSystemReasons(const QString &message);
