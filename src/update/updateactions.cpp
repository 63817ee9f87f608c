#include "update/updateactions.h"

#include "update/client.h"
#include "update/notesbrowser.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/whatsnewdialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QUrlQuery>
#include <QWidget>

namespace KestUpdate {

namespace {

constexpr int messageMilliseconds = 5000;

void showNotesWindow(QWidget* parent, const QString& markdown, const QString& displayName, const QString& version,
    const QString& runningVersion, const QUrl& downloadUrl = QUrl())
{
    auto* dialog = new WhatsNewDialog(markdown, displayName, version, runningVersion, downloadUrl, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

// Asks the feed for a newer release's notes when the running version has
// none; every way that ends without notes says so.
void showNewerReleaseNotes(const UpdateConfig& config, const QString& displayName, const QPointer<QWidget>& parent,
    const FinishedCallback& finished, const MessageCallback& message)
{
    const auto noNotes = [=] {
        finished();
        message(QCoreApplication::translate("KestUpdate", "No release notes available for %1 %2").arg(displayName, config.currentVersion),
            messageMilliseconds);
    };
    auto* client = new Client(config);
    QObject::connect(client, &Client::upToDate, client, [client, noNotes] {
        noNotes();
        client->deleteLater();
    });
    QObject::connect(client, &Client::checkFailed, client, [client, noNotes] {
        noNotes();
        client->deleteLater();
    });
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        client->deleteLater();
        if (!artifact.releaseNotesUrl.isValid()) {
            noNotes();
            return;
        }
        auto* fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, QStringLiteral("update-dialog"),
            config.manifestBaseUrl);
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
            fetcher->deleteLater();
            finished();
            if (parent)
                showNotesWindow(parent, markdown, displayName, artifact.version, config.currentVersion, artifact.url);
        });
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [fetcher, noNotes] {
            fetcher->deleteLater();
            noNotes();
        });
        fetcher->fetch();
    });
    client->check();
}

} // namespace

void showWhatsNewAfterUpgrade(const UpdateConfig& config, const QString& displayName, QWidget* parent)
{
    const QPointer<QWidget> window(parent);
    auto* fetcher = new ReleaseNotesFetcher(config);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        fetcher->deleteLater();
        if (window)
            showNotesWindow(window, markdown, displayName, config.currentVersion, config.currentVersion);
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, &QObject::deleteLater);
    fetcher->fetch();
}

void checkForUpdatesInteractive(const UpdateConfig& config, const QString& displayName, QWidget* parent,
    const StatusCallback& status, const FinishedCallback& finished, const MessageCallback& message)
{
    status(QCoreApplication::translate("KestUpdate", "Checking for updates…"));
    const QPointer<QWidget> window(parent);
    auto* client = new Client(config);
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        client->deleteLater();
        finished();
        if (!window)
            return;
        auto* dialog = new UpdateDialog(artifact, config.currentVersion, displayName, config.manifestBaseUrl, window);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        client->deleteLater();
        finished();
        message(QCoreApplication::translate("KestUpdate", "%1 is up to date (version %2)").arg(displayName, config.currentVersion),
            messageMilliseconds);
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString& reason) {
        client->deleteLater();
        finished();
        message(QCoreApplication::translate("KestUpdate", "Update check failed: %1").arg(reason), messageMilliseconds);
    });
    client->check();
}

void showWhatsNew(const UpdateConfig& config, const QString& displayName, QWidget* parent,
    const StatusCallback& status, const FinishedCallback& finished, const MessageCallback& message)
{
    status(QCoreApplication::translate("KestUpdate", "Loading release notes…"));
    const QPointer<QWidget> window(parent);
    auto* fetcher = new ReleaseNotesFetcher(config);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        fetcher->deleteLater();
        finished();
        if (window)
            showNotesWindow(window, markdown, displayName, config.currentVersion, config.currentVersion);
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
        fetcher->deleteLater();
        showNewerReleaseNotes(config, displayName, window, finished, message);
    });
    fetcher->fetch();
}

void openFeedbackPage(const QString& product, const QUrl& feedbackRootUrl)
{
    QUrl url = feedbackRootUrl;
    if (!url.path().endsWith(QLatin1Char('/')))
        url.setPath(url.path() + QLatin1Char('/'));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("tags"), product);
    url.setQuery(query);
    NotesBrowser::openSafely(url);
}

} // namespace KestUpdate
