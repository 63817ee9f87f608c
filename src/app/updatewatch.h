#pragma once

#include "update/artifact.h"
#include "update/updateconfig.h"

#include <QObject>
#include <QPointer>

class PreferencesRepository;
class QWidget;

// The program's own look-out for releases: the release notes once after an
// upgrade, and a quiet check for a newer release shortly after start that
// offers each newer version once.
class UpdateWatch : public QObject
{
    Q_OBJECT

public:
    UpdateWatch(const KestUpdate::UpdateConfig& config, PreferencesRepository* preferences, QWidget* window,
        QObject* parent = nullptr);

    // Shows the running version's notes when it is newer than the last one
    // whose notes were shown (a first start included), and remembers it.
    void showWhatsNewWhenUpgraded();
    // Starts the quiet check after `delayMilliseconds`.
    void checkLater(int delayMilliseconds);

public Q_SLOTS:
    // Shows the update dialog unless this version, or a newer one, was
    // offered before.
    void offerUpdate(const KestUpdate::Artifact& artifact);

private:
    bool upgradedSinceNotesShown();
    void check();

    KestUpdate::UpdateConfig m_config;
    PreferencesRepository* m_preferences;
    QPointer<QWidget> m_window;
};
