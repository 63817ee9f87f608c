#include "testdatabase.h"

#include <QStandardPaths>

TestDataDirectory::TestDataDirectory()
{
    QStandardPaths::setTestModeEnabled(true);
    qputenv("CHECKBOOK_DATA_DIR", m_directory.path().toUtf8());
}

TestDataDirectory::~TestDataDirectory()
{
    qunsetenv("CHECKBOOK_DATA_DIR");
}

TestDatabase::TestDatabase()
    : m_database(std::make_unique<Database>())
{
    if (!m_database->open(Database::databasePath()) || !m_database->runMigrations())
        qFatal("TestDatabase: the test database could not be opened and migrated");
}
