#include "settings.h"

#include "codec.h"
#include "errors.h"
#include "regular_file.h"
#include "safe_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

#include <unistd.h>

namespace {

QString &folderOverride() {
    static QString folder;
    return folder;
}

// Settings that could not be written to the file are kept here for the rest of the session, so the
// program goes on with what the user chose.
struct Session {
    QHash<QString, QString> values;
    std::function<void(const QString &)> reporter;
    bool reported = false;
};

Session &session() {
    static Session s;
    return s;
}

QString sessionKey(const QString &path, const QString &section, const QString &key) {
    return path + u'\x1f' + section.toLower() + u'\x1f' + key.toLower();
}

void reportOnce(const QString &message) {
    Session &s = session();
    if (s.reported)
        return;
    s.reported = true;
    if (s.reporter)
        s.reporter(message);
}

QString notWritableMessage(const QString &path, const QString &reason) {
    return QStringLiteral("설정 파일에 쓸 수 없습니다: %1\n%2\n이번에 바꾸는 설정은 프로그램을 끝낼 때까지만 "
                          "기억합니다. 문서를 저장하는 데에는 지장이 없습니다.")
        .arg(QDir::toNativeSeparators(path), reason);
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

// A settings file that cannot be read reads as empty: every setting has its default. Anything but a
// regular file in its place (a FIFO would block an ordinary open) is not opened at all.
QByteArray readFile(const QString &path) {
    QFile f(path);
    QString reason;
    if (!OpenRegularFileForReading(f, &reason))
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
    const QString path = IniFilePath(fileName);
    if (!session().values.isEmpty()) {
        const auto kept = session().values.constFind(sessionKey(path, section, key));
        if (kept != session().values.cend())
            return *kept;
    }
    const QByteArray file = readFile(path);
    const auto value = profile::find(file, cp949::encode(section), cp949::encode(key));
    if (!value)
        return defaultValue;
    return cp949::decode(cp949::cutBytes(*value, kIniValueLimit));
}

void IniWriteStr(const QString &fileName, const QString &section, const QString &key, const QString &value) {
    const QString path = IniFilePath(fileName);
    // Line breaks inside a value would start new lines of the file.
    QString oneLine = value;
    oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
    auto fail = [&] { throw IoError(writeFailure(path)); };
    QFileInfo info(path);
    if (info.exists() && (!info.isFile() || !info.isWritable()))
        fail();
    const QByteArray before = readFile(path);
    const QByteArray after = profile::set(before, cp949::encode(section), cp949::encode(key), cp949::encode(oneLine));
    if (!(info.exists() && after == before)) {
        // A folder that refuses new files (an application folder made read-only) still lets a writable
        // settings file be rewritten where it lies.
        if (!safefile::ReplaceFile(path, after, nullptr, safefile::InPlace::WhenFolderReadOnly))
            fail();
    }
    if (!session().values.isEmpty())
        session().values.remove(sessionKey(path, section, key));
}

void IniKeepStr(const QString &fileName, const QString &section, const QString &key, const QString &value) {
    try {
        IniWriteStr(fileName, section, key, value);
    } catch (const IoError &) {
        const QString path = IniFilePath(fileName);
        QString oneLine = value;
        oneLine.replace(u'\r', u' ').replace(u'\n', u' ');
        session().values.insert(sessionKey(path, section, key),
                                cp949::decode(cp949::cutBytes(cp949::encode(oneLine), kIniValueLimit)));
        QString reason = NotARegularFileReason(path);
        if (reason.isEmpty())
            reason = QStringLiteral("파일이나 그 폴더에 쓸 권한이 없거나 디스크에 남은 공간이 없습니다.");
        reportOnce(notWritableMessage(path, reason));
    }
}

void IniKeepBool(const QString &fileName, const QString &section, const QString &key, bool value) {
    IniKeepStr(fileName, section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QString SettingsFileProblem(const QString &fileName) {
    const QString path = IniFilePath(fileName);
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        if (const QString reason = NotARegularFileReason(path); !reason.isEmpty())
            return notWritableMessage(path, reason);
        if (::access(QFile::encodeName(path).constData(), W_OK) != 0)
            return notWritableMessage(path, QStringLiteral("파일에 쓸 권한이 없습니다."));
        return {};
    }
    const QString folder = info.absolutePath();
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        return notWritableMessage(path, QStringLiteral("폴더에 파일을 만들 권한이 없습니다."));
    return {};
}

void SetSettingsProblemReporter(std::function<void(const QString &)> reporter) {
    session().reporter = std::move(reporter);
}

void ReportSettingsFileProblem(const QString &fileName) {
    if (const QString problem = SettingsFileProblem(fileName); !problem.isEmpty())
        reportOnce(problem);
}

void ForgetSessionSettingsForTesting() { session() = Session{}; }

bool IniValueCut(const QString &fileName, const QString &section, const QString &key) {
    if (session().values.contains(sessionKey(IniFilePath(fileName), section, key)))
        return false;
    const auto value = profile::find(readFile(IniFilePath(fileName)), cp949::encode(section), cp949::encode(key));
    return value && value->size() > kIniValueLimit;
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
