#pragma once
// One copy of the program at a time for each user and display session. The first copy listens on a local
// socket named after the application title, the user and the display; a later copy on the same display
// finds it there, asks it to come forward, and ends. A copy on another display starts on its own.

#include <QObject>
#include <QString>

class QLocalServer;

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &key, QObject *parent = nullptr);

    // True when no other copy runs; this copy then listens for later ones.
    bool becomePrimary();
    // Asks the running copy to restore or raise its main window. True when it answered.
    bool askPrimaryToShow(int timeoutMs = 2000);
    // Asks the running copy to open the document file at path (absolute) and come to the front. True when
    // it took the request. The socket is the user's own, so only the same user's requests arrive.
    bool askPrimaryToOpen(const QString &path, int timeoutMs = 2000);

    static QString keyFor(const QString &title, const QString &session = displaySession());
    // The display session this process shows its windows on (from WAYLAND_DISPLAY or DISPLAY).
    static QString displaySession();

signals:
    void showRequested();
    void openRequested(const QString &path);

private:
    bool ask(const QByteArray &request, int timeoutMs);
    QString key_;
    QLocalServer *server_ = nullptr;
};
