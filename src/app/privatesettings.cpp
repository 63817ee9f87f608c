#include "app/privatesettings.h"

#include "storage/privatefiles.h"

#include <QDebug>
#include <QFileInfo>
#include <QSettings>

void preparePrivateSettingsFile()
{
#ifdef Q_OS_WIN
    // The registry key is the user's own.
#else
    const QString path = QSettings().fileName();
    if (!makePrivateDirectory(QFileInfo(path).path()) || !ensurePrivateFile(path))
        qWarning().noquote() << "preparePrivateSettingsFile: cannot create" << path;
#endif
}
