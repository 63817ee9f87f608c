#pragma once

#include <QString>

class Database;

// Failed sign-ins, kept in the database so that every server instance sees
// the same count.
class LoginFailureRepository
{
public:
    struct Recent
    {
        int count = 0;
        QString lastAt;
    };

    explicit LoginFailureRepository(Database &database);

    bool record(const QString &scope, const QString &subject, const QString &failedAt);
    Recent recentSince(const QString &scope, const QString &subject, const QString &since);
    bool clear(const QString &scope, const QString &subject);
    bool pruneBefore(const QString &before);

private:
    Database &m_database;
};
