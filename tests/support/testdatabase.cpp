#include "testdatabase.h"

TestDatabase::TestDatabase()
    : m_database(std::make_unique<Database>())
{
    if (!m_database->open(Database::databasePath()) || !m_database->runMigrations())
        qFatal("TestDatabase: the test database could not be opened and migrated");
}
