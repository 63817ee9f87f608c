#include "update/client.h"

#include "update/manifest.h"
#include "update/version.h"

#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

Q_LOGGING_CATEGORY(updateLog, "kestupdate.client")

namespace KestUpdate {

namespace {

// A manifest names a handful of builds; anything larger is not one.
constexpr qint64 manifestLimit = 1024 * 1024;
constexpr int transferTimeoutMilliseconds = 30000;

QUrl manifestUrl(QUrl base)
{
    QString path = base.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    base.setPath(path + QStringLiteral("latest.json"));
    return base;
}

} // namespace

QNetworkReply* getFromFeed(QNetworkAccessManager* network, const QUrl& url, const QString& agent, qint64 limit)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("KestUpdateQt/0.1 (%1)").arg(agent));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMilliseconds);
    QNetworkReply* reply = network->get(request);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, limit](qint64 received, qint64 total) {
        if (received > limit || total > limit)
            reply->abort();
    });
    return reply;
}

std::optional<QByteArray> boundedBody(QNetworkReply* reply, qint64 limit)
{
    // A fast reply can arrive whole before its size is seen in transit.
    if (reply->error() == QNetworkReply::OperationCanceledError || reply->bytesAvailable() > limit)
        return std::nullopt;
    return reply->readAll();
}

Client::Client(const UpdateConfig& config, QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_network(new QNetworkAccessManager(this))
{
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(updateLog) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        Q_EMIT checkFailed(tr("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        Q_EMIT checkFailed(tr("currentVersion is empty"));
        return;
    }
    m_inFlight = true;
    QNetworkReply* reply = getFromFeed(m_network, manifestUrl(m_config.manifestBaseUrl), m_config.app, manifestLimit);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onManifestReply(reply); });
}

void Client::onManifestReply(QNetworkReply* reply)
{
    m_inFlight = false;
    reply->deleteLater();
    const std::optional<QByteArray> body = boundedBody(reply, manifestLimit);
    if (!body) {
        Q_EMIT checkFailed(tr("network error: %1").arg(tr("the manifest is larger than 1 MB")));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        Q_EMIT checkFailed(tr("network error: %1").arg(reply->errorString()));
        return;
    }
    decide(*body);
}

void Client::decide(const QByteArray& body)
{
    QString error;
    const std::optional<Manifest> manifest = Manifest::parse(body, &error);
    if (!manifest) {
        Q_EMIT checkFailed(tr("manifest invalid: %1").arg(error));
        return;
    }
    const QString platform = platformKey();
    if (platform.isEmpty()) {
        qCWarning(updateLog) << "unknown platform, skipping update check";
        Q_EMIT upToDate();
        return;
    }
    const std::optional<Artifact> artifact = manifest->artifactFor(platform);
    if (!artifact) {
        qCInfo(updateLog) << "platform" << platform << "not shipped in current manifest";
        Q_EMIT upToDate();
        return;
    }
    const Version running = Version::fromText(m_config.currentVersion);
    if (!(running < Version::fromText(artifact->version))) {
        Q_EMIT upToDate();
        return;
    }
    if (!artifact->minUpgradableFrom.isEmpty() && running < Version::fromText(artifact->minUpgradableFrom)) {
        Q_EMIT checkFailed(tr("current version %1 is older than min_upgradable_from %2; please upgrade to an "
                              "intermediate release first")
                               .arg(m_config.currentVersion, artifact->minUpgradableFrom));
        return;
    }
    Q_EMIT updateAvailable(*artifact);
}

} // namespace KestUpdate
