#pragma once

#include <QString>

class Database;

// Messages sent through the feedback page.
class FeedbackRepository
{
public:
    struct Entry
    {
        QString id;
        QString tags;
        QString email;
        QString message;
        QString ipAddress;
        QString userAgent;
        QString createdAt;
    };

    explicit FeedbackRepository(Database &database);

    bool insert(const Entry &entry);
    int countFromAddressSince(const QString &ipAddress, const QString &since);

private:
    Database &m_database;
};
