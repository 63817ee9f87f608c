#include "storage/privatefiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions ownerOnlyDirectory = ownerOnlyFile | QFileDevice::ExeOwner;

// Creation already masks the permissions with the umask, which can only take
// rights away; setting them again gives the owner back any the umask took.
void restrictToOwner(const QString& path, QFileDevice::Permissions permissions)
{
#ifdef Q_OS_UNIX
    QFile::setPermissions(path, permissions);
#else
    Q_UNUSED(path);
    Q_UNUSED(permissions);
#endif
}

// The missing directories of `path`, outermost first.
QStringList missingDirectories(const QString& path)
{
    QStringList missing;
    for (QString directory = QDir::cleanPath(QDir(path).absolutePath()); !QFileInfo::exists(directory);
         directory = QFileInfo(directory).path()) {
        missing.prepend(directory);
        if (QDir(directory).isRoot())
            break;
    }
    return missing;
}

} // namespace

bool makePrivateDirectory(const QString& path)
{
    // One level at a time: QDir::mkpath would give the parents it creates
    // the umask's permissions.
    for (const QString& directory : missingDirectories(path)) {
        // Another process may create the same directory meanwhile; then it
        // is theirs to set up.
        if (QDir().mkdir(directory, ownerOnlyDirectory))
            restrictToOwner(directory, ownerOnlyDirectory);
    }
    return QFileInfo(path).isDir();
}

bool ensurePrivateFile(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, ownerOnlyFile)) {
        file.close();
        restrictToOwner(path, ownerOnlyFile);
    }
    return QFileInfo(path).isFile();
}

void restrictFileToOwner(const QString& path)
{
    restrictToOwner(path, ownerOnlyFile);
}
