#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;
class QTimer;

namespace KestAccount {

// The loopback listener of one browser sign-in. It answers on 127.0.0.1
// only, and takes as the sign-in's end only a GET of "/callback" that
// carries its own random state and both tokens; anything else is refused
// and the attempt stays open, until it ends or its time is up.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 preferredPort = 19876;
    static constexpr int defaultLifetimeMs = 5 * 60 * 1000;
    // A request head longer than this is refused rather than buffered.
    static constexpr int maxHeadBytes = 16 * 1024;

    explicit WebAuthHandler(QObject* parent = nullptr);
    ~WebAuthHandler() override;

    // Starts listening; the redirect URI to give the login page, or empty
    // text when no port could be opened.
    QString start();
    // The random value the callback must carry back.
    QString state() const { return m_state; }
    quint16 port() const { return m_port; }
    bool isListening() const;
    // How long the attempt stays open once started.
    void setLifetime(int milliseconds);

Q_SIGNALS:
    void callbackReceived(const QUrl& url);
    // The attempt's time ran out; the listener is closed.
    void timedOut();

private:
    void acceptConnections();
    void readRequest(QTcpSocket* socket);
    void answerRequest(QTcpSocket* socket, const QByteArray& head);
    void respond(QTcpSocket* socket, int status, const QString& reason, const QString& heading, const QString& text);
    void stopListening();

    QTcpServer* m_server;
    QTimer* m_lifetime;
    QString m_state;
    quint16 m_port = 0;
    QHash<QTcpSocket*, QByteArray> m_pending;
};

} // namespace KestAccount
