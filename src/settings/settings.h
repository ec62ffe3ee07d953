#pragma once
// The settings file "ZaruZiz.ini" in the application folder, with the semantics of a Windows profile
// file: section and key names compared without regard to case, values trimmed, the first occurrence of a
// section or key wins, every other line kept as it was when a value is written, CRLF line ends, CP949 on
// disk. Each call opens the file, does one access and closes it again; nothing is cached.

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

inline const QString kIniFileName = QStringLiteral("ZaruZiz.ini");

// The folder of the running executable, ending in "/". Tests point it elsewhere.
QString ApplicationFolder();
void SetApplicationFolderForTesting(const QString &folder); // empty restores the real one

// Where the settings file and the default work folder live. Run from a folder of its own (the build, an
// installation under the user's home), that is the application folder. Installed into a system folder
// (under /usr), whose files the user may not write, it is the user's ~/.local/share/zaruziz/, created
// on first use; a settings file found in the application folder is copied there then, once.
QString DataFolder();
// The rule above for given folders (each ending in "/"): the folder to use, prepared for use.
QString DataFolderFor(const QString &applicationFolder, const QString &userDataFolder, bool systemInstallation);
bool IsSystemFolder(const QString &folder);

// True for a path that only means something on Windows: one with a drive letter ("C:") or a backslash,
// as a settings file copied from the older Windows program holds them.
bool IsWindowsPath(const QString &path);

// The full path of a settings file name inside the data folder.
QString IniFilePath(const QString &fileName);

QString IniReadStr(const QString &fileName, const QString &section, const QString &key, const QString &defaultValue);
// Raises IoError "Unable to write to <path>" when the file cannot be written; the file is then unchanged.
void IniWriteStr(const QString &fileName, const QString &section, const QString &key, const QString &value);
bool IniReadBool(const QString &fileName, const QString &section, const QString &key, bool defaultValue);
void IniWriteBool(const QString &fileName, const QString &section, const QString &key, bool value);

// Writes as above; when the file cannot be written, the value is kept for the rest of the session (reads
// return it) and the first such failure is reported, in Korean, through the reporter. A setting never
// stops what the user is doing: the program's own settings are written through these.
void IniKeepStr(const QString &fileName, const QString &section, const QString &key, const QString &value);
void IniKeepBool(const QString &fileName, const QString &section, const QString &key, bool value);

// Why the settings file cannot be written (it is a folder, a FIFO, read-only, or its folder refuses new
// files), in Korean; empty when it can be. Looks only: nothing is written.
QString SettingsFileProblem(const QString &fileName);
// Where the problem is told, once per session (at start, or at the first write that fails).
void SetSettingsProblemReporter(std::function<void(const QString &)> reporter);
void ReportSettingsFileProblem(const QString &fileName);
void ForgetSessionSettingsForTesting();

// The longest value a read returns, in bytes; longer stored values are cut.
inline constexpr int kIniValueLimit = 2047;
// Whether the stored value is longer than that, so that a read gives only its beginning.
bool IniValueCut(const QString &fileName, const QString &section, const QString &key);

// Profile-file editing on the raw bytes of a file, for the functions above and for tests.
namespace profile {
// The value of key in section, or nothing.
std::optional<QByteArray> find(const QByteArray &file, const QByteArray &section, const QByteArray &key);
// The file with key in section set to value; section and key are created when missing.
QByteArray set(const QByteArray &file, const QByteArray &section, const QByteArray &key, const QByteArray &value);
} // namespace profile
