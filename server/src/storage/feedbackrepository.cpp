#include "storage/feedbackrepository.h"

#include "storage/database.h"

FeedbackRepository::FeedbackRepository(Database &database)
    : m_database(database)
{
}

bool FeedbackRepository::insert(const Entry &entry)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO feedback (id, tags, email, message, ip_address, user_agent, created_at) "
                                "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                 {entry.id, entry.tags, entry.email, entry.message, entry.ipAddress, entry.userAgent, entry.createdAt},
                 "FeedbackRepository::insert")
        .has_value();
}

int FeedbackRepository::countFromAddressSince(const QString &ipAddress, const QString &since)
{
    auto query = m_database.execute(
        QStringLiteral("SELECT COUNT(*) FROM feedback WHERE ip_address = ? AND created_at > ?"), {ipAddress, since},
        "FeedbackRepository::countFromAddressSince");
    return query && query->next() ? query->value(0).toInt() : 0;
}
