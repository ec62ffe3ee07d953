#pragma once
// Telephone texts, the date-box test and the operating-system version mapping.

#include <QChar>
#include <QString>

// Stored form "( 031) 123-4567" to display form "031- 123-4567". A stored text that holds no area code in
// parentheses (a number typed without hyphens) is shown as stored.
QString PhoneDisplayText(const QString &stored);

// Display form "031-123-4567" to stored form "( 031) 123-4567" with the area code right-aligned in
// areaWidth. A number typed without hyphens is stored as typed.
QString PhoneStoredText(const QString &display, int areaWidth);

// The date format of every date the program shows, checks or stores: "2001.05.27".
inline const QString kDateFormat = QStringLiteral("yyyy.MM.dd");
// Today's date in that format.
QString TodayText();

// True when the date box text, without separators c and blanks, is 8 characters long or empty.
bool IsDateTextComplete(QChar c, const QString &text);

struct OsVersionRecord {
    int platform = -1; // 0: 16-bit extension, 1: 9x line, 2: NT line
    int major = 0;
    int minor = 0;
    quint32 build = 0;
    QString servicePack;
};

// The version code of a version record.
int WinVersionCode(const OsVersionRecord &record);

// The version code of the running system. This platform reports no version record of the kind the
// table knows, so the code is 0.
int GetWinVersion();
bool IsWinVista();
