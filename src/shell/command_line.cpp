#include "command_line.h"

#include "prompts.h"

#include <QDir>

#include <cstring>

namespace {

bool isHelp(const char *a) { return std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0; }
bool isVersion(const char *a) { return std::strcmp(a, "--version") == 0 || std::strcmp(a, "-V") == 0; }

} // namespace

CommandLine::Action EarlyAction(int argc, char **argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--") == 0)
            break;
        if (isHelp(argv[i]))
            return CommandLine::Action::Help;
        if (isVersion(argv[i]))
            return CommandLine::Action::Version;
    }
    return CommandLine::Action::Run;
}

CommandLine ParseArguments(const QStringList &arguments, const QString &workingFolder) {
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && a.startsWith(u'-') && a.size() > 1) {
            line.action = CommandLine::Action::Error;
            line.error = QStringLiteral("알 수 없는 옵션입니다: %1").arg(a);
            return line;
        }
        if (a.isEmpty())
            continue;
        line.files << QDir::cleanPath(QDir(workingFolder).absoluteFilePath(a));
    }
    if (line.files.size() > 1) {
        line.action = CommandLine::Action::Error;
        line.error = QStringLiteral("한 번에 문서 파일 하나만 열 수 있습니다.");
    }
    return line;
}

QString HelpText() {
    return QStringLiteral(
        "사용법: zaruziz [파일]\n"
        "%1: 세금계산서, 계산서, 거래명세표, 영수증, 견적서를 작성하고 인쇄합니다.\n"
        "\n"
        "  파일            세금계산서(.Dy5 .Dnt .Dty), 거래명세서(.Gy5 .Gnt .Gty) 또는 견적서(.Prc) 파일을\n"
        "                  그 작성 화면에서 엽니다. 이 화면에서 프로그램이 이미 실행 중이면 그 프로그램이\n"
        "                  파일을 엽니다.\n"
        "  -h, --help      이 도움말을 보이고 끝냅니다.\n"
        "  -V, --version   판 번호를 보이고 끝냅니다.\n")
        .arg(kAppTitle);
}

QString VersionText() { return QStringLiteral("%1 (zaruziz) %2\n").arg(kAppTitle, QStringLiteral(ZARU_VERSION)); }
