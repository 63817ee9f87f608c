#pragma once

#include <QString>

class Database;

// Gives every account, transaction, recurring rule and reconciliation a new
// local id, and every reference to one (a transaction's account, a transfer's
// other half, split lines, statement matches, the account last shown) the
// new id with it. The data service ties a row's id to the user who first
// uploaded it, so books handed to another user must go up under new ids.
// Categories stay: the service keeps them per user.
class LocalIdRenewal
{
public:
    explicit LocalIdRenewal(Database* database);

    // Runs inside the caller's transaction; false after a logged failure.
    [[nodiscard]] bool renewAll();

private:
    bool execute(const QString& statement, const char* operation);
    bool mapIdsOf(const QString& table);
    bool rewrite(const QString& table, const QString& column);

    Database* m_database;
};
