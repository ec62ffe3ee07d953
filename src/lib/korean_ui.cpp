#include "korean_ui.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QList>
#include <QTranslator>

#include <algorithm>
#include <utility>

bool InstallQtKoreanTranslations(QCoreApplication &app) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool any = false;
    // qtbase: the dialogs and buttons of the widgets; qt: the collection that also names the others.
    for (const char *catalogue : {"qtbase", "qt"}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(QLocale(QLocale::Korean, QLocale::SouthKorea), QString::fromLatin1(catalogue),
                             QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            any = true;
        } else {
            delete translator;
        }
    }
    return any;
}

namespace {

using Reason = std::pair<QString, QString>;

// The system's texts (strerror) and Qt's own file messages, longest first so that no shorter text
// replaces part of a longer one.
QList<Reason> reasons() {
    QList<Reason> list = {
        {QStringLiteral("Permission denied"), QStringLiteral("접근 권한이 없습니다")},
        {QStringLiteral("Operation not permitted"), QStringLiteral("허용되지 않은 작업입니다")},
        {QStringLiteral("No such file or directory"), QStringLiteral("파일이나 폴더가 없습니다")},
        {QStringLiteral("No space left on device"), QStringLiteral("디스크에 남은 공간이 없습니다")},
        {QStringLiteral("Disk quota exceeded"), QStringLiteral("디스크 할당량을 넘었습니다")},
        {QStringLiteral("File too large"), QStringLiteral("파일 크기 제한을 넘었습니다")},
        {QStringLiteral("Read-only file system"), QStringLiteral("읽기 전용 파일 시스템입니다")},
        {QStringLiteral("Is a directory"), QStringLiteral("폴더입니다")},
        {QStringLiteral("Not a directory"), QStringLiteral("폴더가 아닙니다")},
        {QStringLiteral("File exists"), QStringLiteral("파일이 이미 있습니다")},
        {QStringLiteral("File name too long"), QStringLiteral("파일 이름이 너무 깁니다")},
        {QStringLiteral("Too many open files"), QStringLiteral("열린 파일이 너무 많습니다")},
        {QStringLiteral("Input/output error"), QStringLiteral("입출력 오류가 발생했습니다")},
        {QStringLiteral("Device or resource busy"), QStringLiteral("장치가 사용 중입니다")},
        {QStringLiteral("Text file busy"), QStringLiteral("파일이 사용 중입니다")},
        {QStringLiteral("Invalid argument"), QStringLiteral("잘못된 인수입니다")},
        {QStringLiteral("Filename refers to a directory"), QStringLiteral("파일 이름이 폴더를 가리킵니다")},
        {QStringLiteral("file to open is a directory"), QStringLiteral("열려는 파일이 폴더입니다")},
        {QStringLiteral("Destination file exists"), QStringLiteral("같은 이름의 파일이 이미 있습니다")},
        {QStringLiteral("Error while renaming"), QStringLiteral("이름을 바꾸는 중 오류가 발생했습니다")},
        {QStringLiteral("Writing canceled"), QStringLiteral("쓰기가 취소되었습니다")},
        {QStringLiteral("Unknown error"), QStringLiteral("알 수 없는 오류입니다")},
    };
    std::stable_sort(list.begin(), list.end(),
                     [](const Reason &a, const Reason &b) { return a.first.size() > b.first.size(); });
    return list;
}

} // namespace

QString KoreanSystemReasons(const QString &message) {
    static const QList<Reason> table = reasons();
    QString out = message;
    for (const Reason &r : table)
        out.replace(r.first, r.second);
    return out;
}
