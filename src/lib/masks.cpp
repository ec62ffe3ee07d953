#include "masks.h"

#include "input_method.h"

#include <QLineEdit>
#include <QVariant>

namespace {

const char *const kKeepLiteralsProperty = "maskKeepsLiterals";

// Characters with a meaning of their own in a Qt input mask; as literals they need a '\'.
bool isQtMaskChar(QChar c) { return QStringView(u"AaNnXx90DdHhBb#><![]{}\\;").contains(c); }

void appendLiteral(QString &out, QChar c) {
    if (isQtMaskChar(c))
        out += u'\\';
    out += c;
}

// Splits "mask;save;blank" at the field separators that are not escaped.
QStringList splitFields(const QString &mask) {
    QStringList fields{QString()};
    for (qsizetype i = 0; i < mask.size(); ++i) {
        const QChar c = mask.at(i);
        if (c == u'\\' && i + 1 < mask.size() && fields.size() == 1) {
            fields.last() += c;
            fields.last() += mask.at(++i);
        } else if (c == u';') {
            fields << QString();
        } else {
            fields.last() += c;
        }
    }
    return fields;
}

// For each position of the text a Qt input mask shows: true where the user types, false for a literal.
QList<bool> inputPositions(const QString &qtMask) {
    QList<bool> positions;
    for (qsizetype i = 0; i < qtMask.size(); ++i) {
        const QChar c = qtMask.at(i);
        if (c == u';')
            break;
        if (c == u'\\') {
            if (++i < qtMask.size())
                positions << false;
        } else if (c == u'>' || c == u'<' || c == u'!' || c == u'[' || c == u']' || c == u'{' || c == u'}') {
            continue;
        } else {
            positions << QStringView(u"AaNnXx90DdHhBb#").contains(c);
        }
    }
    return positions;
}

} // namespace

EditMask TranslateEditMask(const QString &mask) {
    const QStringList fields = splitFields(mask);
    EditMask result;
    if (fields.size() > 1 && !fields.at(1).isEmpty())
        result.keepLiterals = fields.at(1).at(0) != u'0';
    if (fields.size() > 2 && !fields.at(2).isEmpty())
        result.blank = fields.at(2).at(0);

    const QString &m = fields.at(0);
    QString out;
    for (qsizetype i = 0; i < m.size(); ++i) {
        const QChar c = m.at(i);
        switch (c.unicode()) {
        case u'0': out += u'9'; break;
        case u'9': out += u'0'; break;
        case u'#': out += u'#'; break;
        case u'L': out += u'A'; break;
        case u'l': out += u'a'; break;
        case u'A': out += u'N'; break;
        case u'a': out += u'n'; break;
        case u'C': out += u'X'; break;
        case u'c': out += u'x'; break;
        case u'!': break;
        case u'_': out += u' '; break;
        case u'>': out += u'>'; break;
        case u'<':
            if (i + 1 < m.size() && m.at(i + 1) == u'>') {
                out += u'!';
                ++i;
            } else {
                out += u'<';
            }
            break;
        case u'\\':
            if (i + 1 < m.size())
                appendLiteral(out, m.at(++i));
            break;
        default: appendLiteral(out, c); break;
        }
    }
    if (!out.isEmpty())
        result.inputMask = out + u';' + result.blank;
    return result;
}

void ApplyEditMask(QLineEdit *edit, const QString &mask) {
    const EditMask m = TranslateEditMask(mask);
    edit->setInputMask(m.inputMask);
    edit->setProperty(kKeepLiteralsProperty, m.keepLiterals);
    if (TakesOnlyDigits(m))
        MarkNumbersOnly(edit);
}

bool TakesOnlyDigits(const EditMask &mask) {
    if (mask.inputMask.isEmpty())
        return false;
    bool any = false;
    for (qsizetype i = 0; i < mask.inputMask.size(); ++i) {
        const QChar c = mask.inputMask.at(i);
        if (c == u';')
            break;
        if (c == u'\\') {
            ++i;
            continue;
        }
        if (QStringView(u"AaNnXxHhBb").contains(c))
            return false;
        any = any || QStringView(u"90Dd#").contains(c);
    }
    return any;
}

QString MaskedValue(const QLineEdit *edit) {
    const QString mask = edit->inputMask();
    if (mask.isEmpty())
        return edit->text();
    const QVariant keep = edit->property(kKeepLiteralsProperty);
    const bool keepLiterals = !keep.isValid() || keep.toBool();
    // The displayed text has one character per mask position, blank characters included.
    const QList<bool> positions = inputPositions(mask);
    const QChar blank = mask.at(mask.size() - 1);
    const QString shown = edit->displayText();
    QString typed, withLiterals;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool input = i >= positions.size() || positions.at(i);
        const QChar c = shown.at(i);
        if (input && c != blank)
            typed += c;
        withLiterals += (input && c == blank) ? QChar(u' ') : c;
    }
    // Nothing typed: the value is empty, whatever literals the mask shows.
    if (typed.isEmpty())
        return QString();
    return keepLiterals ? withLiterals : typed;
}
