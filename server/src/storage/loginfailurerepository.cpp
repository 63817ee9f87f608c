#include "storage/loginfailurerepository.h"

#include "storage/database.h"

LoginFailureRepository::LoginFailureRepository(Database &database)
    : m_database(database)
{
}

bool LoginFailureRepository::record(const QString &scope, const QString &subject, const QString &failedAt)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO login_failures (scope, subject, failed_at) VALUES (?, ?, ?)"),
                 {scope, subject, failedAt}, "LoginFailureRepository::record")
        .has_value();
}

LoginFailureRepository::Recent LoginFailureRepository::recentSince(const QString &scope, const QString &subject,
                                                                   const QString &since)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT COUNT(*), MAX(failed_at) FROM login_failures "
                       "WHERE scope = ? AND subject = ? AND failed_at > ?"),
        {scope, subject, since}, "LoginFailureRepository::recentSince");
    if (!query || !query->next())
        return {};
    return {query->value(0).toInt(), query->value(1).toString()};
}

bool LoginFailureRepository::clear(const QString &scope, const QString &subject)
{
    return m_database
        .execute(QStringLiteral("DELETE FROM login_failures WHERE scope = ? AND subject = ?"), {scope, subject},
                 "LoginFailureRepository::clear")
        .has_value();
}

bool LoginFailureRepository::pruneBefore(const QString &before)
{
    return m_database
        .execute(QStringLiteral("DELETE FROM login_failures WHERE failed_at < ?"), {before},
                 "LoginFailureRepository::pruneBefore")
        .has_value();
}
