#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

#include <functional>

class QTcpSocket;

// A loopback HTTP proxy between one client and the real server that breaks
// chosen exchanges the way a bad network or a struggling server does: a
// 5xx reply without asking the server, a reply lost after the server did
// the work, a 401 for a token the server would have taken, or a reply held
// until the client gives up waiting.
class FaultProxy : public QObject
{
    Q_OBJECT

public:
    enum class Fault {
        None,
        // 503 from the proxy; the server never sees the request.
        ServerError,
        // Forwarded and answered by the server; the connection is then
        // closed without the answer.
        DroppedReply,
        // 401 from the proxy; the server never sees the request.
        Unauthorized,
        // Forwarded; the answer is never passed on, so the client's
        // transfer time-out ends the request.
        Stall,
    };
    Q_ENUM(Fault)

    // One request as it went: what the proxy did with it and, when the
    // server was asked, what the server answered.
    struct Exchange
    {
        QByteArray method;
        QByteArray path;
        QByteArray requestBody;
        Fault fault = Fault::None;
        // 0 when the server was not asked or did not answer.
        int serverStatus = 0;
        QByteArray serverBody;
    };

    // Decides the fault of each request from its method and path.
    using Plan = std::function<Fault(const QByteArray& method, const QByteArray& path)>;

    explicit FaultProxy(const QUrl& upstream, QObject* parent = nullptr);
    ~FaultProxy() override;

    bool listen();
    QUrl url() const;
    // Without a plan every request goes through untouched.
    void setPlan(Plan plan);
    // Changes the body of a server answer that is passed on (a page in a
    // shape the reference server never sends); without one, answers pass
    // as they are.
    using Rewrite = std::function<QByteArray(const QByteArray& path, const QByteArray& body)>;
    void setRewrite(Rewrite rewrite) { m_rewrite = std::move(rewrite); }
    // Every finished exchange, in the order the server answered, while
    // recording (the default); a benchmark only counts them.
    const QList<Exchange>& exchanges() const { return m_exchanges; }
    void setRecording(bool recording) { m_recording = recording; }
    int requestCount() const { return m_requestCount; }
    // The exchange that finished last, recorded or not.
    const Exchange& lastExchange() const { return m_lastExchange; }

private:
    struct Connection;

    void accept();
    void readRequest(Connection* connection);
    void handle(Connection* connection, const QByteArray& head, const QByteArray& body);
    void forward(Connection* connection, Exchange exchange, const QByteArray& rawRequest);
    void record(const Exchange& exchange);
    void answer(Connection* connection, const QByteArray& rawReply);
    static QByteArray cannedReply(int status, const QByteArray& reason);
    // The open connection of `client`; none once the client went away.
    Connection* connectionOf(const QTcpSocket* client) const;
    bool repeatsDroppedRequest(const QByteArray& rawRequest) const;
    void close(Connection* connection);

    QUrl m_upstream;
    QTcpServer m_server;
    Plan m_plan;
    Rewrite m_rewrite;
    QList<Exchange> m_exchanges;
    bool m_recording = true;
    int m_requestCount = 0;
    Exchange m_lastExchange;
    QList<Connection*> m_connections;
    // The client's network stack sends a request once more by itself when
    // the connection closes before any answer; those copies share the fault.
    QByteArray m_lastDropped;
    QElapsedTimer m_sinceDrop;
    int m_resendsLeft = 0;
};
