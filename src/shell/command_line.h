#pragma once
// The program's command line, as command-line programs answer it: `zaruziz --help` and `--version` print
// and end (before any window, so they work without a display), `zaruziz FILE` opens a document file on its
// editor page, and anything else is refused with a Korean message and exit status 2.

#include <QString>
#include <QStringList>

struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    QStringList files; // absolute paths, in the order given
    QString error;     // for Action::Error: what was wrong
};

// Whether argv asks for --help (-h) or --version (-V); looked at before the application starts, since
// those need no display. Anything else is left for ParseArguments.
CommandLine::Action EarlyAction(int argc, char **argv);

// The arguments the application left after taking its own (-platform and the like), the program's name
// first. Relative file names are taken from workingFolder.
CommandLine ParseArguments(const QStringList &arguments, const QString &workingFolder);

QString HelpText();
QString VersionText();
