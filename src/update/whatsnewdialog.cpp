#include "update/whatsnewdialog.h"

#include "update/notesbrowser.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace KestUpdate {

WhatsNewDialog::WhatsNewDialog(const QString& markdown, const QString& displayName, const QString& version,
    const QString& runningVersion, const QUrl& downloadUrl, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("What's New in %1 %2").arg(displayName, version));
    setModal(false);
    resize(520, 420);
    auto* layout = new QVBoxLayout(this);
    auto* headline = new QLabel(tr("What's new in %1 %2").arg(displayName, version));
    QFont bold = headline->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    headline->setFont(bold);
    layout->addWidget(headline);
    auto* notes = new NotesBrowser;
    notes->setObjectName(QStringLiteral("releaseNotes"));
    notes->setNotes(markdown);
    layout->addWidget(notes, 1);

    auto* bottom = new QHBoxLayout;
    auto* running = new QLabel(tr("You are running version %1").arg(runningVersion));
    running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    bottom->addWidget(running);
    bottom->addStretch();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    if (downloadUrl.isValid()) {
        QPushButton* download = buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::AcceptRole);
        connect(download, &QPushButton::clicked, this, [this, downloadUrl] {
            NotesBrowser::openSafely(downloadUrl);
            accept();
        });
    }
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

} // namespace KestUpdate
