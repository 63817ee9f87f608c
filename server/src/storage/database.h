#pragma once

#include "storage/keptstatement.h"

#include <QCache>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <optional>

class DatabaseLocation;

// The server's one connection, its schema migrations, and the one way every
// repository runs a statement: prepared, with bound values only.
class Database
{
public:
    explicit Database(const QString &connectionName);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool open(const DatabaseLocation &location, QString *error);
    // Applies every numbered migration not yet applied, each in one transaction.
    bool migrate(QString *error);
    bool isPostgres() const;

    // Nothing on failure, after the warning "<operation> failed: <driver text>".
    std::optional<KeptStatement> execute(const QString &sql, const QVariantList &values,
                                         const char *operation);
    // Takes back a statement that ran without error, for the next run of `sql`.
    void keepStatement(const QString &sql, QSqlQuery statement);

    bool beginTransaction();
    bool commit();
    void rollback();

    // SQL NULL, for optional columns; an empty QString is bound as empty text.
    static QVariant nullText();
    static QVariant textOrNull(const QString &text);

private:
    bool applyMigration(int version, const QString &script, QString *error);
    std::optional<int> appliedVersion(QString *error);

    QString m_connectionName;
    bool m_postgres = false;
    QCache<QString, QSqlQuery> m_statements;
};
