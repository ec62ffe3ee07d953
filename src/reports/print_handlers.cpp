#include "print_handlers.h"

#include "codec.h"
#include "money.h"

namespace report {

QString BreakInsertion(const QString &text, int limit) {
    if (cp949::byteLength(text) <= limit)
        return text;
    const QString trimmed = TrimRightText(text);
    if (cp949::byteLength(trimmed) <= limit)
        return trimmed;
    int bytes = 0;
    for (qsizetype i = 0; i < trimmed.size();) {
        const char32_t cp = trimmed.at(i).isHighSurrogate() && i + 1 < trimmed.size()
                                ? QChar::surrogateToUcs4(trimmed.at(i), trimmed.at(i + 1))
                                : char32_t(trimmed.at(i).unicode());
        const qsizetype units = cp > 0xFFFF ? 2 : 1;
        const int width = cp949::charBytes(cp);
        if (bytes + width >= limit) {
            // This character holds byte number limit.
            const qsizetype at = width == 1 ? i + units : i;
            return trimmed.left(at) + kBreakMark + trimmed.mid(at);
        }
        bytes += width;
        i += units;
    }
    return trimmed;
}

QString RepresentativeName(const QString &text) {
    const QString trimmed = TrimRightText(text);
    if (cp949::byteLength(trimmed) <= 8)
        return trimmed + QStringLiteral("(인)");
    return BreakInsertion(text, 14);
}

QString ZeroBlank(const QString &text) {
    if (text.trimmed() == u"0")
        return QString();
    return TrimLeftText(text);
}

QString TotalBlank(const QString &text) {
    const QString t = text.trimmed();
    // The won sign is drawn as U+20A9; texts written with the code page's one-byte sign show a backslash.
    if (t == QStringLiteral("\u20A90") || t == QStringLiteral("\\0"))
        return QString();
    return TrimLeftText(text);
}

QString DateBlank(const QString &text) {
    if (text.trimmed().size() == 3)
        return QString();
    return text;
}

QString TelephoneBlank(const QString &text) {
    QString digits = text;
    digits.remove(u'-').remove(u' ');
    if (digits.size() <= 2)
        return QString();
    return text;
}

} // namespace report
