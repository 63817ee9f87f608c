#pragma once

#include <QString>

#include <optional>

class Database;

// The users table: accounts that sign in with an e-mail address and a password.
class UserRepository
{
public:
    struct User
    {
        QString id;
        QString email;
        QString passwordHash;
        QString displayName;
        QString createdAt;
        // Set while the account waits for its deletion; empty otherwise.
        QString deletionDueAt;
    };

    explicit UserRepository(Database &database);

    bool insert(const User &user);
    std::optional<User> findById(const QString &id);
    std::optional<User> findByEmail(const QString &email);
    bool updateDisplayName(const QString &id, const QString &displayName);
    bool updatePasswordHash(const QString &id, const QString &passwordHash);
    // An empty time cancels a scheduled deletion.
    bool setDeletionDue(const QString &id, const QString &dueAt);

private:
    std::optional<User> findWhere(const QString &column, const QString &value);

    Database &m_database;
};
