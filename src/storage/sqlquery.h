#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <optional>

class Database;

// The repositories' common pattern in one place: prepare on the shared
// connection, bind positionally, execute, and log failed writes as
// "Class::operation failed: <driver text>" (failed reads with their
// statement). Every failure is reported to the Database, which keeps its
// cause for the user's message.
//
// Binding: a QString binds as text, and a null QString as empty text (the
// NOT NULL columns would refuse SQL NULL); sqlNull() and nullIfEmpty() bind
// SQL NULL where a column must hold NULL, such as an unset foreign key.
class SqlQuery
{
public:
    SqlQuery(Database* database, const QString& sql, const QVariantList& values = {});
    ~SqlQuery();
    SqlQuery(const SqlQuery&) = delete;
    SqlQuery& operator=(const SqlQuery&) = delete;

    // Runs a read; a failure is logged and leaves no rows.
    bool exec();
    // Runs a read whose refusal the caller expects and answers itself (a
    // full-text query as a user typed it may not parse): a failure is
    // neither logged nor noted as the database's.
    bool execQuietly();
    // Puts `values` in place of the bound ones, so one prepared statement
    // serves a whole batch of reads or writes.
    void rebind(const QVariantList& values);
    // Runs a write; a failure logs a warning naming `operation`.
    [[nodiscard]] bool execWrite(const char* operation);
    // Runs a write that must change a row: one that matched none (the row
    // is gone) fails too, with a warning naming `operation`.
    [[nodiscard]] bool execUpdate(const char* operation);

    // The next row; a failure met while stepping (a damaged page, say) is
    // logged and reported like a failed statement.
    bool next();
    QVariant value(int column) const { return m_query.value(column); }
    int rowsAffected() const { return m_query.numRowsAffected(); }
    QString errorText() const;

    template <typename Reader>
    auto readAll(Reader readRow) -> QList<decltype(readRow(std::declval<const SqlQuery&>()))>
    {
        QList<decltype(readRow(*this))> rows;
        if (!exec())
            return rows;
        while (next())
            rows.append(readRow(*this));
        return rows;
    }

    template <typename Reader>
    auto readOne(Reader readRow) -> std::optional<decltype(readRow(std::declval<const SqlQuery&>()))>
    {
        if (!exec() || !next())
            return std::nullopt;
        return readRow(*this);
    }

    // Runs a write and returns the number of rows it changed, or -1 after a
    // logged failure.
    int execCount(const char* operation);

private:
    void bind(const QVariantList& values);
    bool run();
    void logFailedRead() const;

    Database* m_database;
    QString m_sql;
    // Before the statement, which sets it when taken.
    bool m_prepared = false;
    QSqlQuery m_query;
};

QVariant sqlNull();
QVariant nullIfEmpty(const QString& text);
int boolValue(bool value);
