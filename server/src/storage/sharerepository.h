#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

class Database;

// Which accounts their owners share with whom.
class ShareRepository
{
public:
    struct Share
    {
        QString accountId;
        QString ownerId;
        QString memberId;
        QString role;
        QString createdAt;
    };

    struct Member
    {
        QString userId;
        QString email;
        QString displayName;
        QString role;
        QString createdAt;
    };

    explicit ShareRepository(Database &database);

    bool insert(const Share &share);
    bool remove(const QString &accountId, const QString &memberId);
    std::optional<Share> find(const QString &accountId, const QString &memberId);
    // The shares the user gives as owner or receives as member.
    QList<Share> sharesInvolving(const QString &userId);
    // The account's shares with each member's e-mail and name, oldest first.
    QList<Member> membersOf(const QString &accountId);
    // Of the given account ids, those shared with anyone.
    QSet<QString> sharedAmong(const QStringList &accountIds);

private:
    Database &m_database;
};
