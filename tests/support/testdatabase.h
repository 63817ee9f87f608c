#pragma once

#include "storage/database.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

// A private data directory for one test: CHECKBOOK_DATA_DIR points into a
// temporary directory and QStandardPaths runs in test mode, so no test
// touches the user's files or settings.
class TestDataDirectory
{
public:
    TestDataDirectory()
    {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("CHECKBOOK_DATA_DIR", m_directory.path().toUtf8());
    }
    ~TestDataDirectory() { qunsetenv("CHECKBOOK_DATA_DIR"); }

    QString path() const { return m_directory.path(); }
    QString databasePath() const { return path() + QStringLiteral("/checkbook.db"); }

private:
    QTemporaryDir m_directory;
};

// Writes `bytes` to `name` in `directory` and returns its path.
inline QString writeFile(const QTemporaryDir& directory, const QString& name, const QByteArray& bytes)
{
    const QString path = directory.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the test file %s", qPrintable(path));
    return path;
}

// A migrated database in its own data directory.
class TestDatabase
{
public:
    TestDatabase();

    Database* database() const { return m_database.get(); }
    QString path() const { return m_dataDirectory.databasePath(); }

private:
    TestDataDirectory m_dataDirectory;
    std::unique_ptr<Database> m_database;
};
