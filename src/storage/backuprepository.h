#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class Database;
class SqlQuery;

// Whole tables as rows of column values, for the backup: the one place that
// reads and writes rows by column names the code does not spell out. Table
// names come from the caller's own fixed list; column names are checked
// against the table's schema before they reach a statement; every value is
// bound.
//
// Made for one export or one restore: it keeps the statements it prepared
// for reuse across the rows, and lets them go when it is destroyed.
class BackupRepository
{
public:
    explicit BackupRepository(Database* database);
    ~BackupRepository();
    BackupRepository(const BackupRepository&) = delete;
    BackupRepository& operator=(const BackupRepository&) = delete;

    // The table's columns in their order; empty when they cannot be read.
    QStringList columns(const QString& table);
    // The number of rows of `table`, deleted ones included; none when it
    // cannot be read.
    std::optional<qint64> rowCount(const QString& table);
    // Calls `visit` with each row's values, in column order, and stops when
    // it returns false. False when the table cannot be read or `visit`
    // stopped.
    [[nodiscard]] bool forEachRow(const QString& table, const std::function<bool(const QVariantList&)>& visit);
    // Runs `work` on one unchanging picture of the file, even while the
    // program writes to it, on a connection that may be read-only.
    [[nodiscard]] bool readSnapshot(const std::function<bool()>& work);

    // What a restore compares with and builds on. `version` is 0 and
    // `accountId` empty for tables without those columns.
    struct StoredRow
    {
        QString updatedAt;
        qint64 version = 0;
        QString accountId;
    };
    // Calls `visit` with the id and the stored row of every row of `table`,
    // deleted or not, in one read. `columns` are the table's, from
    // columns(). False when the table cannot be read.
    [[nodiscard]] bool forEachStoredRow(const QString& table, const QStringList& columns,
        const std::function<void(const QString& id, const StoredRow& row)>& visit);
    // The most rows one call of insertRows() takes for `columnCount` columns.
    static qsizetype rowsPerInsert(qsizetype columnCount);
    // Inserts `rows`, each holding the values of `names`, in one statement:
    // the full-text index of transactions is written once per statement,
    // not once per row, and a failing row leaves none of them written.
    // At most rowsPerInsert() rows.
    [[nodiscard]] bool insertRows(const QString& table, const QStringList& names, const QList<QVariantList>& rows);
    // Rewrites the row `id` with `values` for `names` (which leave out "id").
    [[nodiscard]] bool updateRow(
        const QString& table, const QStringList& names, const QVariantList& values, const QString& id);
    // The driver's words for the last failed write.
    QString lastError() const { return m_lastError; }

    // The connection's page cache, as SQLite's cache_size pragma counts it
    // (negative: KiB). A restore writes more pages than the usual cache
    // holds; without room it writes them out and reads them back midway.
    std::optional<int> cacheSize();
    [[nodiscard]] bool setCacheSize(int size);

    // Foreign keys checked at the commit instead of at each row, so rows
    // may arrive before the rows they refer to. Lasts until the
    // transaction ends.
    [[nodiscard]] bool deferForeignKeys();
    // A row of a table, by its id.
    struct RowKey
    {
        QString table;
        QString id;
    };
    // The rows whose references lead nowhere, for the rows of the running
    // transaction to be told apart from those already there.
    std::optional<QList<RowKey>> danglingReferences();

private:
    struct NativeStatements;

    // Runs the statement cached under `key`, prepared from `sql()` on first
    // use, with the values of `rows` bound one row after another.
    bool write(const QString& key, const std::function<QString()>& sql, const QList<QVariantList>& rows,
        const char* operation);
    bool writeNatively(const QString& key, const std::function<QString()>& sql, const QList<QVariantList>& rows,
        const char* operation);
    void failNatively(const char* operation);

    Database* m_database;
    QHash<QString, std::shared_ptr<SqlQuery>> m_statements;
    std::unique_ptr<NativeStatements> m_native;
    QString m_lastError;
};
