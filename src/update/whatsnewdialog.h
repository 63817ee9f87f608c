#pragma once

#include <QDialog>
#include <QUrl>

namespace KestUpdate {

// The release notes of one version, with a Download button when the
// version is a newer one than the running program.
class WhatsNewDialog : public QDialog
{
    Q_OBJECT

public:
    WhatsNewDialog(const QString& markdown, const QString& displayName, const QString& version,
        const QString& runningVersion, const QUrl& downloadUrl = QUrl(), QWidget* parent = nullptr);
};

} // namespace KestUpdate
