#include "texts.h"

#include "money.h"

#include <QDate>

namespace {

// Local digits as exchange "-" last four, right-aligned in 9.
QString localPart(const QString &digits) {
    const QString local = digits.left(qMax(0, int(digits.size()) - 4)) + u'-' + digits.right(4);
    return PadLeftTo(local, 9);
}

} // namespace

QString PhoneDisplayText(const QString &stored) {
    const QString s = RemoveBlanks(stored);
    if (!s.startsWith(u'(')) {
        // Not in the stored form (typed without hyphens, or written by hand): show it as it is.
        return stored.trimmed();
    }
    const qsizetype close = s.indexOf(u')');
    const qsizetype place = close < 0 ? s.size() : close;
    QString digits = s.mid(place + 1);
    digits.remove(u'-');
    digits = digits.trimmed();
    const QString area = s.mid(1, place - 1);
    if (digits.isEmpty())
        return PadLeftTo(area, 3);
    return PadLeftTo(area, 3) + u'-' + localPart(digits);
}

QString PhoneStoredText(const QString &display, int areaWidth) {
    const QString s = RemoveBlanks(display);
    const qsizetype dash = s.indexOf(u'-');
    const qsizetype place = dash < 0 ? s.size() : dash;
    QString digits = s.mid(place);
    digits.remove(u'-');
    if (digits.isEmpty()) {
        // Nothing after a hyphen: keep the number as typed rather than lose a character of it.
        return display.trimmed();
    }
    const QString area = s.left(place);
    return u'(' + PadLeftTo(area, areaWidth) + u')' + localPart(digits);
}

bool IsDateTextComplete(QChar c, const QString &text) {
    QString s = text;
    s.remove(c);
    s.remove(u' ');
    return s.isEmpty() || s.size() == 8;
}

int WinVersionCode(const OsVersionRecord &r) {
    const QString sp = r.servicePack.size() >= 2 ? r.servicePack.mid(1, 1).trimmed() : QString();
    switch (r.platform) {
    case 0: return 1;
    case 1:
        switch (r.minor) {
        case 0: return sp == u"B" ? 4 : 3;
        case 10: return sp == u"A" ? 6 : 5;
        case 90: return r.build == 0x045A0BB8u ? 7 : 0;
        default: return 2;
        }
    case 2:
        switch (r.major) {
        case 3: return 9;
        case 4: return 10;
        case 5:
            switch (r.minor) {
            case 0: return 11;
            case 1: return 12;
            case 2: return 13;
            default: return 8;
            }
        case 6: return 14;
        default: return 0;
        }
    default: return 0;
    }
}

int GetWinVersion() { return WinVersionCode(OsVersionRecord{}); }

bool IsWinVista() { return GetWinVersion() == 14; }

QString TodayText() { return QDate::currentDate().toString(kDateFormat); }
