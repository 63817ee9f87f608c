#pragma once

#include <QString>
#include <QStringList>

class Database;

// Removes a user and everything kept for them, when their account's
// deletion falls due.
class AccountEraser
{
public:
    explicit AccountEraser(Database &database);

    QStringList usersDueBefore(const QString &now);
    // The user's register rows, devices, sessions, tokens and the user row;
    // group membership and shares are ended by the caller first.
    bool erase(const QString &userId);

private:
    Database &m_database;
};
