#pragma once

#include "update/artifact.h"

#include <QDialog>

namespace KestUpdate {

class NotesBrowser;

// Offers a newer release: what it is, its notes, and Download (which opens
// the release's page in the system browser) or Later.
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    // The notes are fetched from https or from the feed at `feedUrl` only.
    UpdateDialog(const Artifact& artifact, const QString& runningVersion, const QString& displayName,
        const QUrl& feedUrl, QWidget* parent = nullptr);

public Q_SLOTS:
    void onDownloadClicked();
    void onNotesReady(const QString& markdown);

private:
    Artifact m_artifact;
    NotesBrowser* m_notes = nullptr;
};

} // namespace KestUpdate
