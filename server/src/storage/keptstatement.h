#pragma once

#include <QSqlQuery>
#include <QString>

class Database;

// A statement the database ran for a repository. When it is dropped it goes
// back to the database, so the next run of the same text skips preparing
// it: on PostgreSQL, preparing and releasing a statement are two more round
// trips to the database server for every row a push stores.
class KeptStatement : public QSqlQuery
{
public:
    KeptStatement(Database *database, const QString &sql, QSqlQuery query);
    KeptStatement(KeptStatement &&other) noexcept;
    KeptStatement &operator=(KeptStatement &&) = delete;
    ~KeptStatement();

private:
    Database *m_database;
    QString m_sql;
};
