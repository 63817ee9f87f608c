#include "update/releasenotesfetcher.h"

#include "update/client.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace KestUpdate {

namespace {

// Release notes are a page or two of text.
constexpr qint64 notesLimit = 1024 * 1024;

} // namespace

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig& config, QObject* parent)
    : QObject(parent)
    , m_englishUrl(englishUrlFor(config))
    , m_agent(config.app)
    , m_network(new QNetworkAccessManager(this))
{
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl& englishUrl, const QString& label, const QUrl& feedUrl, QObject* parent)
    : QObject(parent)
    , m_englishUrl(englishUrl)
    , m_agent(label)
    , m_allowed(englishUrl.isValid()
          && (englishUrl.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0
              || sameOrigin(englishUrl, feedUrl)))
    , m_network(new QNetworkAccessManager(this))
{
}

QUrl ReleaseNotesFetcher::englishUrlFor(const UpdateConfig& config)
{
    QUrl url = config.manifestBaseUrl;
    QString path = url.path();
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    url.setPath(path + config.currentVersion + QStringLiteral("/release-notes.md"));
    return url;
}

QUrl ReleaseNotesFetcher::localizedUrl(const QUrl& englishUrl, const QString& language)
{
    const QString path = englishUrl.path();
    if (language.isEmpty() || language == QLatin1String("en") || !path.endsWith(QLatin1String(".md")))
        return QUrl();
    QUrl url = englishUrl;
    url.setPath(path.left(path.size() - 3) + QLatin1Char('.') + language + QStringLiteral(".md"));
    return url;
}

void ReleaseNotesFetcher::fetch()
{
    if (!m_allowed) {
        Q_EMIT notesUnavailable();
        return;
    }
    // The interface language the user chose, which may differ from the
    // system's.
    const QUrl localized = localizedUrl(m_englishUrl, QLocale().name().left(2));
    if (localized.isValid())
        get(localized, true);
    else
        get(m_englishUrl, false);
}

void ReleaseNotesFetcher::get(const QUrl& url, bool isLocalized)
{
    QNetworkReply* reply = getFromFeed(m_network, url, m_agent, notesLimit);
    connect(reply, &QNetworkReply::finished, this, [this, reply, isLocalized] { onReply(reply, isLocalized); });
}

void ReleaseNotesFetcher::onReply(QNetworkReply* reply, bool isLocalized)
{
    reply->deleteLater();
    const std::optional<QByteArray> body = boundedBody(reply, notesLimit);
    const QString notes =
        body && reply->error() == QNetworkReply::NoError ? QString::fromUtf8(*body).trimmed() : QString();
    if (!notes.isEmpty())
        Q_EMIT notesReady(notes);
    else if (isLocalized)
        get(m_englishUrl, false);
    else
        Q_EMIT notesUnavailable();
}

} // namespace KestUpdate
