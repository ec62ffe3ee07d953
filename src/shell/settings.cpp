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

QList<Line> splitLines(const QByteArray &file) {
    QList<Line> lines;
    for (qsizetype pos = 0; pos < file.size(); pos = lines.back().next)
        lines.append(lineAt(file, pos));
    return lines;
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

// Where the first section of that name begins and ends (line indexes; end is exclusive).
struct SectionRange {
    int header = -1;
    int end = -1;
};

QByteArrayView lineText(const QByteArray &file, const Line &l) {
    return QByteArrayView(file).sliced(l.begin, l.end - l.begin);
}

SectionRange findSection(const QByteArray &file, const QList<Line> &lines, const QByteArray &section) {
    SectionRange r;
    for (int i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lineText(file, lines[i]));
        if (!name)
            continue;
        if (r.header >= 0) {
            r.end = i;
            return r;
        }
        if (sameName(*name, section))
            r.header = i;
    }
    if (r.header >= 0)
        r.end = int(lines.size());
    return r;
}


QString writeFailure(const QString &path) { return QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(path)); }

QByteArray readFile(const QString &path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

namespace profile {

std::optional<QByteArray> find(const QByteArray &file, const QByteArray &section, const QByteArray &key) {
    // One pass over the lines, without listing them: every read of a setting comes here.
    bool inSection = false;
    for (qsizetype pos = 0; pos < file.size();) {
        const Line line = lineAt(file, pos);
        pos = line.next;
        const QByteArrayView text = lineText(file, line);
        if (const auto name = sectionName(text)) {
            if (inSection)
                return std::nullopt; // only the first section of that name counts
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection || trimmed(text).startsWith(';'))
            continue;
        const auto kv = keyLine(text);
        if (kv && sameName(kv->key, key))
            return kv->value.toByteArray();
    }
    return std::nullopt;
}

QByteArray set(const QByteArray &file, const QByteArray &section, const QByteArray &key,
               const QByteArray &value) {
    const QByteArray entry = key + '=' + value;
    const QList<Line> lines = splitLines(file);
    const SectionRange r = findSection(file, lines, section);
    if (r.header < 0) {
        QByteArray out = file;
        if (!out.isEmpty() && !out.endsWith('\n'))
            out += "\r\n";
        out += '[' + section + "]\r\n" + entry + "\r\n";
        return out;
    }
    int lastContent = r.header;
    for (int i = r.header + 1; i < r.end; ++i) {
        const QByteArrayView text = lineText(file, lines[i]);
        const QByteArrayView t = trimmed(text);
        if (t.isEmpty())
            continue;
        lastContent = i;
        if (t.startsWith(';'))
            continue;
        const auto kv = keyLine(text);
        if (kv && sameName(kv->key, key)) {
            // Replace this line's text, keeping its line end.
            return file.left(lines[i].begin) + entry + file.mid(lines[i].end);
        }
    }
    // A new key goes after the section's last non-blank line.
    const Line &after = lines[lastContent];
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
    static const QString folder = DataFolderFor(
        ApplicationFolder(),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/zaruziz/"),
        IsSystemFolder(ApplicationFolder()));
    return folder;
}

bool IsWindowsPath(const QString &path) {
    const bool driveLetter = path.size() >= 2 && path.at(1) == u':' && path.at(0).unicode() < 0x80 &&
                             path.at(0).isLetter();
    return driveLetter || path.contains(u'\\');
}

QString IniFilePath(const QString &fileName) { return DataFolder() + fileName; }

QString IniReadStr(const QString &fileName, const QString &section, const QString &key,
                   const QString &defaultValue) {
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
    const QByteArray after = profile::set(before, cp949::encode(section), cp949::encode(key),
                                          cp949::encode(oneLine));
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
