#pragma once

#include "storage/database.h"

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
