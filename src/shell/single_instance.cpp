#include "single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

#include <unistd.h>

namespace {
const QByteArray kShowRequest = "show\n";
const QByteArray kShownAnswer = "shown\n";
// "open " and the path's UTF-8 in base64 (a file name may hold any character but NUL and "/").
const QByteArray kOpenRequest = "open ";
constexpr qsizetype kLongestRequest = 64 * 1024;
} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent) : QObject(parent), key_(key) {}

QString SingleInstance::displaySession() {
    // A Wayland session is named by its socket; an X display by host and display number, the screen
    // number left off (":0" and ":0.1" are one session).
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (!wayland.isEmpty())
        return QStringLiteral("wayland:") + wayland;
    QString x = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = x.lastIndexOf(u':');
    const qsizetype dot = x.indexOf(u'.', colon < 0 ? 0 : colon);
    if (colon >= 0 && dot > colon)
        x.truncate(dot);
    return x;
}

QString SingleInstance::keyFor(const QString &title, const QString &session) {
    // A socket name of plain letters, one per title, user and display session: a copy running on
    // another display belongs to another desktop and does not count.
    const QByteArray hash =
        QCryptographicHash::hash(title.toUtf8() + '\n' + session.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("zaruziz-%1-%2").arg(QString::fromLatin1(hash)).arg(getuid());
}

bool SingleInstance::becomePrimary() {
    {
        QLocalSocket probe;
        probe.connectToServer(key_);
        if (probe.waitForConnected(500))
            return false; // another copy answers
    }
    // Nobody answers: a socket left by a copy that crashed may still lie there.
    QLocalServer::removeServer(key_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(key_))
        return true; // run anyway: refusing to start would be worse than two copies
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                if (!client->canReadLine()) {
                    if (client->bytesAvailable() > kLongestRequest)
                        client->abort();
                    return;
                }
                const QByteArray line = client->readLine(kLongestRequest);
                if (line == kShowRequest) {
                    emit showRequested();
                } else if (line.startsWith(kOpenRequest) && line.endsWith('\n')) {
                    const auto decoded = QByteArray::fromBase64Encoding(line.mid(kOpenRequest.size()).chopped(1),
                                                                        QByteArray::AbortOnBase64DecodingErrors);
                    const QString path = QString::fromUtf8(decoded.decoded);
                    if (!decoded || path.isEmpty() || !path.startsWith(u'/') || path.contains(QChar(0))) {
                        client->abort();
                        return;
                    }
                    emit openRequested(path);
                } else {
                    client->abort();
                    return;
                }
                client->write(kShownAnswer);
                client->flush();
            });
        }
    });
    return true;
}

bool SingleInstance::askPrimaryToShow(int timeoutMs) { return ask(kShowRequest, timeoutMs); }

bool SingleInstance::askPrimaryToOpen(const QString &path, int timeoutMs) {
    return ask(kOpenRequest + path.toUtf8().toBase64() + '\n', timeoutMs);
}

bool SingleInstance::ask(const QByteArray &request, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(request);
    socket.flush();
    if (!socket.waitForReadyRead(timeoutMs))
        return false;
    return socket.readLine() == kShownAnswer;
}
