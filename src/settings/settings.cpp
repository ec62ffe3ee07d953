#include "settings.h"

#include "codec.h"
#include "errors.h"
#include "safe_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString &folderOverride() {
    static QString folder;
    return folder;
}

// The file is parsed on views into its bytes: a settings access makes no copy of any line.
QByteArrayView trimmed(QByteArrayView b) { return b.trimmed(); }

// ASCII-only case folding: Korean names compare byte for byte.
bool sameName(QByteArrayView a, QByteArrayView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct Line {
    qsizetype begin; // offset of the line in the file
    qsizetype end;   // offset just after its text, before CR/LF
    qsizetype next;  // offset of the following line
};

// The line that begins at pos (pos < file.size()).
Line lineAt(const QByteArray &file, qsizetype pos) {
    const qsizetype n = file.size();
    const qsizetype lf = file.indexOf('\n', pos);
    const qsizetype next = lf < 0 ? n : lf + 1;
    qsizetype end = lf < 0 ? n : lf;
    if (end > pos && file[end - 1] == '\r')
        --end;
    return {pos, end, next};
}

// The section name of a "[name]" line, or nothing.
std::optional<QByteArrayView> sectionName(QByteArrayView line) {
    const QByteArrayView t = trimmed(line);
    if (!t.startsWith('['))
        return std::nullopt;
    const qsizetype close = t.indexOf(']');
    return trimmed(close < 0 ? t.sliced(1) : t.sliced(1, close - 1));
}

struct KeyLine {
    QByteArrayView key;
    QByteArrayView value;
};

std::optional<KeyLine> keyLine(QByteArrayView line) {
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return std::nullopt;
    return KeyLine{trimmed(line.first(eq)), trimmed(line.sliced(eq + 1))};
}

QByteArrayView lineText(const QByteArray &file, const Line &l) {
    return QByteArrayView(file).sliced(l.begin, l.end - l.begin);
}

// Where a key stands in a settings file. Only the first section of that name counts; it ends at the next
// section header. Found in one pass over the lines, without listing them: every setting read comes here.
struct KeyPlace {
    bool sectionFound = false;
    Line lastContent{}; // the section's last non-blank line before the key (its header when none)
    std::optional<Line> line;
    QByteArrayView value; // the key's value, when its line was found
};

KeyPlace locate(const QByteArray &file, QByteArrayView section, QByteArrayView key) {
    KeyPlace place;
    bool inSection = false;
    for (qsizetype pos = 0; pos < file.size();) {
        const Line line = lineAt(file, pos);
        pos = line.next;
        const QByteArrayView text = lineText(file, line);
        if (const auto name = sectionName(text)) {
            if (inSection)
                break;
            inSection = sameName(*name, section);
            if (inSection) {
                place.sectionFound = true;
                place.lastContent = line;
            }
            continue;
        }
        const QByteArrayView t = trimmed(text);
        if (!inSection || t.isEmpty())
            continue;
        place.lastContent = line;
        if (t.startsWith(';'))
            continue;
        const auto kv = keyLine(text);
        if (kv && sameName(kv->key, key)) {
            place.line = line;
            place.value = kv->value;
            break;
        }
    }
    return place;
}

QString writeFailure(const QString &path) {
    return QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path));
}

QByteArray readFile(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

namespace profile {

std::optional<QByteArray> find(const QByteArray &file, const QByteArray &section, const QByteArray &key) {
    const KeyPlace place = locate(file, section, key);
    if (!place.line)
        return std::nullopt;
    return place.value.toByteArray();
}

QByteArray set(const QByteArray &file, const QByteArray &section, const QByteArray &key, const QByteArray &value) {
    const QByteArray entry = key + '=' + value;
    const KeyPlace place = locate(file, section, key);
    if (!place.sectionFound) {
        QByteArray out = file;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += "\r\n";
        out += '[' + section + "]\r\n" + entry + "\r\n";
        return out;
    }
    if (place.line) // the key's line gets the new text and keeps its line end
        return file.left(place.line->begin) + entry + file.mid(place.line->end);
    // A new key goes after the section's last non-blank line.
    const Line &after = place.lastContent;
    QByteArray out = file.left(after.next);
    if (file.at(after.next - 1) != '\n') // the file ended without a line break (perhaps in a lone CR)
        out += "\r\n";
    out += entry + "\r\n";
    out += file.mid(after.next);
    return out;
}

} // namespace profile

QString ApplicationFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    QString dir;
    if (QCoreApplication::instance())
        dir = QCoreApplication::applicationDirPath();
    else
        dir = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir;
}

void SetApplicationFolderForTesting(const QString &folder) {
    QString f = folder;
    if (!f.isEmpty() && !f.endsWith(u'/'))
        f += u'/';
    folderOverride() = f;
}

bool IsSystemFolder(const QString &folder) { return folder.startsWith(QStringLiteral("/usr/")); }

QString DataFolderFor(const QString &applicationFolder, const QString &userDataFolder, bool systemInstallation) {
    if (!systemInstallation)
        return applicationFolder;
    QDir().mkpath(userDataFolder);
    const QString ini = userDataFolder + kIniFileName;
    const QString shipped = applicationFolder + kIniFileName;
    if (!QFileInfo::exists(ini) && QFileInfo::exists(shipped))
        QFile::copy(shipped, ini); // a failed copy leaves the defaults, as a missing file does
    return userDataFolder;
}

QString DataFolder() {
    if (!folderOverride().isEmpty())
        return folderOverride();
    static const QString folder = DataFolderFor(ApplicationFolder(),
                                                QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                                    QStringLiteral("/zaruziz/"),
                                                IsSystemFolder(ApplicationFolder()));
    return folder;
}

bool IsWindowsPath(const QString &path) {
    const bool driveLetter =
        path.size() >= 2 && path.at(1) == u':' && path.at(0).unicode() < 0x80 && path.at(0).isLetter();
    return driveLetter || path.contains(u'\\');
}

QString IniFilePath(const QString &fileName) { return DataFolder() + fileName; }

QString IniReadStr(const QString &fileName, const QString &section, const QString &key, const QString &defaultValue) {
    const QByteArray file = readFile(IniFilePath(fileName));
    const auto value = profile::find(file, cp949::encode(section), cp949::encode(key));
    if (!value)
        return defaultValue;
    return cp949::decode(cp949::cutBytes(*value, kIniValueLimit));
}

void IniWriteStr(const QString &fileName, const QString &section, const QString &key, const QString &value) {
    const QString path = IniFilePath(fileName);
    QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        throw IoError(writeFailure(path));
    // Line breaks inside a value would start new lines of the file.
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray before = readFile(path);
    const QByteArray after = profile::set(before, cp949::encode(section), cp949::encode(key), cp949::encode(oneLine));
    if (info.exists() && after == before)
        return;
    // A folder that refuses new files (an application folder made read-only) still lets a writable
    // settings file be rewritten where it lies.
    if (!safefile::ReplaceFile(path, after, nullptr, safefile::InPlace::WhenFolderReadOnly))
        throw IoError(writeFailure(path));
}

bool IniReadBool(const QString &fileName, const QString &section, const QString &key, bool defaultValue) {
    const QString text = IniReadStr(fileName, section, key, QString()).trimmed();
    bool ok = false;
    const long long n = text.toLongLong(&ok);
    if (!ok)
        return defaultValue;
    return n != 0;
}

void IniWriteBool(const QString &fileName, const QString &section, const QString &key, bool value) {
    IniWriteStr(fileName, section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
