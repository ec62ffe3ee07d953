// Two real copies of the program: the second shows its message, brings the first forward and ends.
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

QString readLog(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

bool waitFor(const QString &path, const QString &text, int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (readLog(path).contains(text))
            return true;
        QThread::msleep(50);
    }
    return false;
}

} // namespace

TEST(SingleInstance, SecondCopyShowsItsMessageRaisesTheFirstAndEnds) {
    QTemporaryDir tmp;
    const QString log = tmp.filePath(QStringLiteral("prompts.log"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), tmp.path()); // the instance socket lives here, apart from others
    env.insert(QStringLiteral("ZARU_TEST_PROMPTS_LOG"), log);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(QStringLiteral(ZARU_APP_EXE), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(waitFor(log, QStringLiteral("started"), 15000)) << readLog(log).toStdString();

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(ZARU_APP_EXE), {});
    ASSERT_TRUE(second.waitForFinished(15000));
    EXPECT_EQ(second.exitCode(), 0);

    const QString text = readLog(log);
    EXPECT_TRUE(text.contains(QStringLiteral("info| 확인!!| 프로그램이 이미 실행중입니다.")))
        << text.toStdString();
    EXPECT_TRUE(waitFor(log, QStringLiteral("shown"), 5000)) << readLog(log).toStdString();
    // The second copy made no window of its own: it never started.
    EXPECT_EQ(readLog(log).count(QStringLiteral("started")), 1);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}
