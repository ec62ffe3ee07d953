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
    EXPECT_TRUE(text.contains(QStringLiteral("info| 확인!!| 프로그램이 이미 실행중입니다."))) << text.toStdString();
    EXPECT_TRUE(waitFor(log, QStringLiteral("shown"), 5000)) << readLog(log).toStdString();
    // The second copy made no window of its own: it never started.
    EXPECT_EQ(readLog(log).count(QStringLiteral("started")), 1);
    EXPECT_EQ(first.state(), QProcess::Running);

    first.kill();
    first.waitForFinished();
}

// A copy already running on another display (another desktop session of the same user) does not keep
// this one from starting; the same display with another screen number is the same session.
TEST(SingleInstance, OneCopyPerDisplaySession) {
    QTemporaryDir tmp;
    const QString log = tmp.filePath(QStringLiteral("prompts.log"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TMPDIR"), tmp.path());
    env.insert(QStringLiteral("ZARU_TEST_PROMPTS_LOG"), log);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    auto start = [&](QProcess &p, const char *display) {
        QProcessEnvironment e = env;
        e.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(display));
        p.setProcessEnvironment(e);
        p.start(QStringLiteral(ZARU_APP_EXE), {});
        return p.waitForStarted();
    };

    QProcess first, other, same;
    ASSERT_TRUE(start(first, ":57"));
    ASSERT_TRUE(waitFor(log, QStringLiteral("started"), 15000)) << readLog(log).toStdString();
    ASSERT_TRUE(start(other, ":58"));
    EXPECT_FALSE(other.waitForFinished(3000)) << "the copy on another display ended";
    EXPECT_EQ(readLog(log).count(QStringLiteral("started")), 2) << readLog(log).toStdString();
    EXPECT_FALSE(readLog(log).contains(QStringLiteral("이미 실행중")));

    ASSERT_TRUE(start(same, ":57.1"));
    ASSERT_TRUE(same.waitForFinished(15000));
    EXPECT_TRUE(readLog(log).contains(QStringLiteral("이미 실행중"))) << readLog(log).toStdString();
    EXPECT_EQ(readLog(log).count(QStringLiteral("started")), 2);

    for (QProcess *p : {&first, &other}) {
        p->kill();
        p->waitForFinished();
    }
}
