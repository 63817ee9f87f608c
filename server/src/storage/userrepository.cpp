#include "storage/userrepository.h"

#include "storage/database.h"

UserRepository::UserRepository(Database &database)
    : m_database(database)
{
}

bool UserRepository::insert(const User &user)
{
    return m_database
        .execute(QStringLiteral("INSERT INTO users (id, email, password_hash, display_name, created_at, deletion_due_at) "
                                "VALUES (?, ?, ?, ?, ?, ?)"),
                 {user.id, user.email, user.passwordHash, user.displayName, user.createdAt,
                  Database::textOrNull(user.deletionDueAt)},
                 "UserRepository::insert")
        .has_value();
}

std::optional<UserRepository::User> UserRepository::findById(const QString &id)
{
    return findWhere(QStringLiteral("id"), id);
}

std::optional<UserRepository::User> UserRepository::findByEmail(const QString &email)
{
    return findWhere(QStringLiteral("email"), email);
}

std::optional<UserRepository::User> UserRepository::findWhere(const QString &column, const QString &value)
{
    // `column` is one of the two fixed names above, never request text.
    auto query = m_database.execute(
        QStringLiteral("SELECT id, email, password_hash, display_name, created_at, deletion_due_at "
                       "FROM users WHERE %1 = ?")
            .arg(column),
        {value}, "UserRepository::find");
    if (!query || !query->next())
        return std::nullopt;
    return User{query->value(0).toString(), query->value(1).toString(), query->value(2).toString(),
                query->value(3).toString(), query->value(4).toString(), query->value(5).toString()};
}

bool UserRepository::updateDisplayName(const QString &id, const QString &displayName)
{
    return m_database
        .execute(QStringLiteral("UPDATE users SET display_name = ? WHERE id = ?"), {displayName, id},
                 "UserRepository::updateDisplayName")
        .has_value();
}

bool UserRepository::updatePasswordHash(const QString &id, const QString &passwordHash)
{
    return m_database
        .execute(QStringLiteral("UPDATE users SET password_hash = ? WHERE id = ?"), {passwordHash, id},
                 "UserRepository::updatePasswordHash")
        .has_value();
}

bool UserRepository::setDeletionDue(const QString &id, const QString &dueAt)
{
    return m_database
        .execute(QStringLiteral("UPDATE users SET deletion_due_at = ? WHERE id = ?"),
                 {Database::textOrNull(dueAt), id}, "UserRepository::setDeletionDue")
        .has_value();
}
