#include "app/exclusivedatafile.h"

#include "app/singleinstanceguard.h"

#include <QDir>
#include <QLoggingCategory>

ExclusiveDataFile::ExclusiveDataFile()
    : m_directory(Database::dataDirectory())
    , m_lock(SingleInstanceGuard::lockFilePath(m_directory))
{
    // A lock left by a program that died is taken over, not waited for.
    m_lock.setStaleLockTime(0);
}

QString ExclusiveDataFile::open()
{
    if (!m_lock.tryLock(0) && m_lock.error() == QLockFile::LockFailedError) {
        return tr("Kestrelwood Checkbook is open on %1. Close it, then try again.")
            .arg(QDir::toNativeSeparators(m_directory));
    }
    // The migrations' progress lines are no part of a command's answer.
    if (qEnvironmentVariableIsEmpty("CHECKBOOK_VERBOSE"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    const QString path = Database::databasePath();
    if (!m_database.open(path) || !m_database.runMigrations()) {
        return tr("Cannot open the data file %1. %2")
            .arg(QDir::toNativeSeparators(path), Database::failureText(m_database.lastFailure()));
    }
    return QString();
}
