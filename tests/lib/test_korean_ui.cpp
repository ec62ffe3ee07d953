// The reasons the system gives for a failed file operation reach the user inside Korean messages: each
// must read in Korean, and the rest of the message (the path) stay as it was.

#include "korean_ui.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

TEST(KoreanSystemReasons, RealFileFailuresReadInKoreanAndThePathIsKept) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString folder = dir.path();
    QFile directory(folder);
    QFile missing(folder + QStringLiteral("/없는폴더/a.Dy5"));
    QSaveFile intoFolder(folder);
    const QList<QFileDevice *> failures = {&directory, &missing, &intoFolder};
    EXPECT_FALSE(directory.open(QIODevice::WriteOnly));
    EXPECT_FALSE(missing.open(QIODevice::ReadOnly));
    EXPECT_FALSE(intoFolder.open(QIODevice::WriteOnly));

    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    for (QFileDevice *f : failures) {
        const QString reason = f->errorString();
        SCOPED_TRACE(reason.toStdString());
        ASSERT_FALSE(reason.isEmpty());
        const QString shown =
            KoreanSystemReasons(QStringLiteral("파일을 저장할 수 없습니다: %1\n%2").arg(folder, reason));
        EXPECT_TRUE(shown.startsWith(QStringLiteral("파일을 저장할 수 없습니다: ") + folder + u'\n'));
        EXPECT_FALSE(shown.mid(shown.indexOf(u'\n')).contains(latinWord));
    }
}

// The reasons a save can meet on a full or limited disk, or a folder the user may not write, are the
// system's own texts; each reads in Korean.
TEST(KoreanSystemReasons, SaveFailuresOfTheSystemReadInKorean) {
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    for (int error : {ENOSPC, EFBIG, EDQUOT, EACCES, EPERM, EROFS, EISDIR, EIO}) {
        const QString reason = QString::fromLocal8Bit(std::strerror(error));
        SCOPED_TRACE(reason.toStdString());
        EXPECT_FALSE(KoreanSystemReasons(reason).contains(latinWord));
    }
}
