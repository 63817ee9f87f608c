#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace KestUpdate {

// One published build of a release for one platform.
struct Artifact
{
    QString version;
    QDateTime releasedAt;
    // The download page or file.
    QUrl url;
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString minUpgradableFrom;
    QUrl releaseNotesUrl;
};

} // namespace KestUpdate

Q_DECLARE_METATYPE(KestUpdate::Artifact)
