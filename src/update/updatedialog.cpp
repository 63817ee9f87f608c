#include "update/updatedialog.h"

#include "update/notesbrowser.h"
#include "update/releasenotesfetcher.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace KestUpdate {

UpdateDialog::UpdateDialog(const Artifact& artifact, const QString& runningVersion, const QString& displayName,
    const QUrl& feedUrl, QWidget* parent)
    : QDialog(parent)
    , m_artifact(artifact)
{
    setWindowTitle(tr("Update available"));
    setModal(true);
    resize(520, 420);
    auto* layout = new QVBoxLayout(this);
    auto* headline = new QLabel(tr("A new version of %1 is available.").arg(displayName));
    QFont bold = headline->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    headline->setFont(bold);
    layout->addWidget(headline);
    layout->addWidget(new QLabel(tr("You have version %1. The latest version is %2.").arg(runningVersion, artifact.version)));
    if (artifact.releaseNotesUrl.isValid()) {
        m_notes = new NotesBrowser;
        m_notes->setObjectName(QStringLiteral("releaseNotes"));
        m_notes->setPlaceholderText(tr("Loading release notes…"));
        m_notes->setMinimumHeight(150);
        layout->addWidget(m_notes, 1);
        auto* fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, QStringLiteral("update-dialog"), feedUrl, this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this,
            [this] { m_notes->setNotes(tr("*Release notes are not available for this version.*")); });
        fetcher->fetch();
    } else {
        layout->addStretch();
    }
    auto* buttons = new QDialogButtonBox;
    QPushButton* download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    if (!artifact.mandatory)
        buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void UpdateDialog::onDownloadClicked()
{
    NotesBrowser::openSafely(m_artifact.url);
    accept();
}

void UpdateDialog::onNotesReady(const QString& markdown)
{
    if (m_notes)
        m_notes->setNotes(markdown);
}

} // namespace KestUpdate
