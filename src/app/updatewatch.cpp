#include "app/updatewatch.h"

#include "storage/preferencesrepository.h"
#include "update/client.h"
#include "update/updateactions.h"
#include "update/updatedialog.h"
#include "update/version.h"
#include "update/whatsnewdialog.h"

#include <QDebug>
#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace {

const QString lastShownKey = QStringLiteral("whatsNew/lastShownVersion");
const QString lastShownPreference = QStringLiteral("last_whats_new_version");
const QString dismissedPreference = QStringLiteral("update_dismissed_version");

QString displayName()
{
    return UpdateWatch::tr("Kestrelwood Checkbook");
}

} // namespace

UpdateWatch::UpdateWatch(const KestUpdate::UpdateConfig& config, PreferencesRepository* preferences, QWidget* window,
    QObject* parent)
    : QObject(parent)
    , m_config(config)
    , m_preferences(preferences)
    , m_window(window)
{
}

void UpdateWatch::showWhatsNewWhenUpgraded()
{
    if (upgradedSinceNotesShown())
        KestUpdate::showWhatsNewAfterUpgrade(m_config, displayName(), m_window);
}

bool UpdateWatch::upgradedSinceNotesShown()
{
    QSettings settings;
    QString lastShown = settings.value(lastShownKey).toString();
    if (lastShown.isEmpty()) {
        // Where earlier releases kept it.
        lastShown = m_preferences->get(lastShownPreference, QString());
        if (!lastShown.isEmpty())
            settings.setValue(lastShownKey, lastShown);
    }
    if (!(KestUpdate::Version::fromText(lastShown) < KestUpdate::Version::fromText(m_config.currentVersion)))
        return false;
    settings.setValue(lastShownKey, m_config.currentVersion);
    settings.sync();
    return true;
}

void UpdateWatch::checkLater(int delayMilliseconds)
{
    QTimer::singleShot(delayMilliseconds, this, &UpdateWatch::check);
}

void UpdateWatch::check()
{
    auto* client = new KestUpdate::Client(m_config, this);
    connect(client, &KestUpdate::Client::updateAvailable, this, [this, client](const KestUpdate::Artifact& artifact) {
        client->deleteLater();
        offerUpdate(artifact);
    });
    connect(client, &KestUpdate::Client::checkFailed, this, [client](const QString& reason) {
        client->deleteLater();
        qWarning().noquote() << "update check failed:" << reason;
    });
    connect(client, &KestUpdate::Client::upToDate, client, &QObject::deleteLater);
    client->check();
}

void UpdateWatch::offerUpdate(const KestUpdate::Artifact& artifact)
{
    const QString dismissed = m_preferences->get(dismissedPreference, QString());
    if (!dismissed.isEmpty()
        && !(KestUpdate::Version::fromText(dismissed) < KestUpdate::Version::fromText(artifact.version)))
        return;
    if (!m_window)
        return;
    // The notes of the version just installed come first: an offer that
    // arrives while they are open waits until they are closed, instead of
    // opening over them.
    if (auto* notes = m_window->findChild<KestUpdate::WhatsNewDialog*>(); notes && notes->isVisible()) {
        connect(notes, &QDialog::finished, this, [this, artifact] { offerUpdate(artifact); }, Qt::SingleShotConnection);
        return;
    }
    auto* dialog = new KestUpdate::UpdateDialog(
        artifact, m_config.currentVersion, displayName(), m_config.manifestBaseUrl, m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QDialog::finished, this, [this, version = artifact.version] {
        if (!m_preferences->set(dismissedPreference, version))
            qWarning("UpdateWatch: the offered version could not be remembered; it may be offered again");
    });
    dialog->show();
}
