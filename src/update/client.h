#pragma once

#include "update/artifact.h"
#include "update/updateconfig.h"

#include <QObject>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

namespace KestUpdate {

// Asks the release feed whether a newer release than the running one is
// published for this platform. It never downloads or installs anything.
class Client : public QObject
{
    Q_OBJECT

public:
    explicit Client(const UpdateConfig& config, QObject* parent = nullptr);

    // Starts one check; a second call while one runs is ignored.
    void check();

Q_SIGNALS:
    void updateAvailable(const KestUpdate::Artifact& artifact);
    void upToDate();
    void checkFailed(const QString& reason);

private:
    void onManifestReply(QNetworkReply* reply);
    void decide(const QByteArray& body);

    UpdateConfig m_config;
    QNetworkAccessManager* m_network;
    bool m_inFlight = false;
};

// A GET for the feed, with the program's User-Agent naming `agent`, the
// toolkit's no-less-safe redirects, a time-out, and a refusal of bodies over
// `limit` bytes (the reply is aborted, so the error is set).
QNetworkReply* getFromFeed(QNetworkAccessManager* network, const QUrl& url, const QString& agent, qint64 limit);
// The finished reply's body, or nothing when it is larger than `limit`.
std::optional<QByteArray> boundedBody(QNetworkReply* reply, qint64 limit);

} // namespace KestUpdate
