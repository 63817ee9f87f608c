#include "storage/backuprepository.h"

#include "storage/database.h"
#include "storage/nativesqlite.h"
#include "storage/sqlquery.h"

#include <QDebug>
#include <QSet>
#include <QSqlError>
#include <algorithm>

namespace {

// A name as SQL spells an identifier, so even a column name of unusual
// letters stays one name.
QString quoted(const QString& name)
{
    QString doubled = name;
    doubled.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QString quotedList(const QStringList& names, const QString& suffix = QString())
{
    QStringList parts;
    parts.reserve(names.size());
    for (const QString& name : names)
        parts.append(quoted(name) + suffix);
    return parts.join(QLatin1String(", "));
}

} // namespace

#ifdef CHECKBOOK_SQLITE_API
// Statements of the SQLite library itself, on the very connection of Qt's
// driver and so inside its transaction.
struct BackupRepository::NativeStatements
{
    explicit NativeStatements(QSqlDatabase& connection)
        : database(nativeConnection(connection))
    {
    }
    ~NativeStatements()
    {
        for (sqlite3_stmt* statement : std::as_const(prepared))
            sqlite3_finalize(statement);
    }
    NativeStatements(const NativeStatements&) = delete;
    NativeStatements& operator=(const NativeStatements&) = delete;

    sqlite3* database = nullptr;
    QHash<QString, sqlite3_stmt*> prepared;
};
#else
// Qt's driver holds a SQLite of its own, which the program cannot call.
struct BackupRepository::NativeStatements
{
    explicit NativeStatements(QSqlDatabase&) {}
};
#endif

BackupRepository::BackupRepository(Database* database)
    : m_database(database)
    , m_native(std::make_unique<NativeStatements>(database->database()))
{
}

BackupRepository::~BackupRepository() = default;

bool BackupRepository::write(const QString& key, const std::function<QString()>& sql, const QList<QVariantList>& rows,
    const char* operation)
{
#ifdef CHECKBOOK_SQLITE_API
    if (m_native->database)
        return writeNatively(key, sql, rows, operation);
#endif
    std::shared_ptr<SqlQuery>& query = m_statements[key];
    if (!query)
        query = std::make_shared<SqlQuery>(m_database, sql());
    QVariantList values;
    for (const QVariantList& row : rows)
        values.append(row);
    query->rebind(values);
    if (query->execWrite(operation))
        return true;
    m_lastError = query->errorText();
    return false;
}

#ifdef CHECKBOOK_SQLITE_API
bool BackupRepository::writeNatively(const QString& key, const std::function<QString()>& sql,
    const QList<QVariantList>& rows, const char* operation)
{
    // Once the file is known to be damaged, writing to it can only make
    // things worse.
    if (m_database->isDamaged()) {
        m_lastError = QStringLiteral("the data file is damaged");
        qWarning().noquote() << QStringLiteral("%1 failed:").arg(QLatin1String(operation)) << m_lastError;
        return false;
    }
    sqlite3_stmt*& statement = m_native->prepared[key];
    if (!statement) {
        const QByteArray text = sql().toUtf8();
        if (sqlite3_prepare_v3(m_native->database, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                &statement, nullptr) != SQLITE_OK) {
            failNatively(operation);
            m_native->prepared.remove(key);
            return false;
        }
    }
    int position = 0;
    int bound = SQLITE_OK;
    for (const QVariantList& row : rows) {
        for (const QVariant& value : row) {
            if (bound == SQLITE_OK)
                bound = bindNatively(statement, ++position, value);
        }
    }
    const bool done = bound == SQLITE_OK && sqlite3_step(statement) == SQLITE_DONE;
    if (!done)
        failNatively(operation);
    // Reset, the statement holds no lock. Its bindings are all replaced
    // before its next run.
    sqlite3_reset(statement);
    return done;
}

void BackupRepository::failNatively(const char* operation)
{
    const QSqlError error = nativeError(m_native->database);
    m_lastError = error.databaseText();
    m_database->noteFailure(error);
    qWarning().noquote() << QStringLiteral("%1 failed:").arg(QLatin1String(operation)) << m_lastError;
}
#endif

QStringList BackupRepository::columns(const QString& table)
{
    // PRAGMA table_info takes no bound table name; the name is the caller's
    // own constant.
    return SqlQuery(m_database, QStringLiteral("SELECT name FROM pragma_table_info(?) ORDER BY cid"), {table})
        .readAll([](const SqlQuery& row) { return row.value(0).toString(); });
}

std::optional<qint64> BackupRepository::rowCount(const QString& table)
{
    return SqlQuery(m_database, QStringLiteral("SELECT COUNT(*) FROM %1").arg(quoted(table)))
        .readOne([](const SqlQuery& row) { return row.value(0).toLongLong(); });
}

bool BackupRepository::forEachRow(const QString& table, const std::function<bool(const QVariantList&)>& visit)
{
    const QStringList names = columns(table);
    if (names.isEmpty())
        return false;
    SqlQuery query(m_database, QStringLiteral("SELECT %1 FROM %2").arg(quotedList(names), quoted(table)));
    if (!query.exec())
        return false;
    QVariantList values;
    values.reserve(names.size());
    while (query.next()) {
        values.clear();
        for (int column = 0; column < names.size(); ++column)
            values.append(query.value(column));
        if (!visit(values))
            return false;
    }
    // A read that ends early (a damaged page, say) is no complete table.
    return query.errorText().trimmed().isEmpty();
}

bool BackupRepository::readSnapshot(const std::function<bool()>& work)
{
    if (m_database->isInTransaction())
        return work();
    // A deferred transaction takes no write lock, so it also runs on a file
    // opened for reading and beside a running program.
    if (!SqlQuery(m_database, QStringLiteral("BEGIN")).execWrite("BackupRepository::readSnapshot"))
        return false;
    const bool done = work();
    const bool ended = SqlQuery(m_database, QStringLiteral("COMMIT")).execWrite("BackupRepository::readSnapshot");
    return done && ended;
}

bool BackupRepository::forEachStoredRow(const QString& table, const QStringList& columns,
    const std::function<void(const QString& id, const StoredRow& row)>& visit)
{
    const bool versioned = columns.contains(QLatin1String("version"));
    const bool perAccount = columns.contains(QLatin1String("account_id"));
    SqlQuery query(m_database, QStringLiteral("SELECT id, updated_at, %1, %2 FROM %3")
                                   .arg(versioned ? QStringLiteral("version") : QStringLiteral("0"),
                                       perAccount ? QStringLiteral("account_id") : QStringLiteral("''"), quoted(table)));
    if (!query.exec())
        return false;
    // A register has few accounts and many rows per account: each account
    // id is held once, however many rows name it.
    QSet<QString> accountIds;
    while (query.next()) {
        const QString accountId = *accountIds.insert(query.value(3).toString());
        visit(query.value(0).toString(), StoredRow{query.value(1).toString(), query.value(2).toLongLong(), accountId});
    }
    return query.errorText().trimmed().isEmpty();
}

qsizetype BackupRepository::rowsPerInsert(qsizetype columnCount)
{
    // Well below SQLite's limit of bound values in one statement.
    constexpr qsizetype boundValues = 10000;
    return std::max<qsizetype>(1, boundValues / std::max<qsizetype>(1, columnCount));
}

bool BackupRepository::insertRows(const QString& table, const QStringList& names, const QList<QVariantList>& rows)
{
    if (rows.isEmpty() || rows.size() > rowsPerInsert(names.size()))
        return false;
    const QString key = QStringLiteral("insert:%1:").arg(rows.size()) + table + QLatin1Char(':') + names.join(QLatin1Char(','));
    const auto sql = [&] {
        const QString row = QLatin1Char('(') + QStringList(names.size(), QStringLiteral("?")).join(QLatin1String(", "))
            + QLatin1Char(')');
        return QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(quoted(table), quotedList(names))
            + QStringList(rows.size(), row).join(QLatin1String(", "));
    };
    return write(key, sql, rows, "BackupRepository::insertRows");
}

bool BackupRepository::updateRow(
    const QString& table, const QStringList& names, const QVariantList& values, const QString& id)
{
    const auto sql = [&] {
        return QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(quoted(table), quotedList(names, QStringLiteral(" = ?")));
    };
    return write(QStringLiteral("update:") + table + QLatin1Char(':') + names.join(QLatin1Char(',')), sql,
        {values + QVariantList{id}}, "BackupRepository::updateRow");
}

std::optional<int> BackupRepository::cacheSize()
{
    return SqlQuery(m_database, QStringLiteral("PRAGMA cache_size")).readOne([](const SqlQuery& row) { return row.value(0).toInt(); });
}

bool BackupRepository::setCacheSize(int size)
{
    // A pragma takes no bound value; `size` is a number.
    return SqlQuery(m_database, QStringLiteral("PRAGMA cache_size = %1").arg(size)).execWrite("BackupRepository::setCacheSize");
}

bool BackupRepository::deferForeignKeys()
{
    return SqlQuery(m_database, QStringLiteral("PRAGMA defer_foreign_keys = ON")).execWrite("BackupRepository::deferForeignKeys");
}

std::optional<QList<BackupRepository::RowKey>> BackupRepository::danglingReferences()
{
    struct Violation
    {
        QString table;
        qint64 rowid;
    };
    SqlQuery check(m_database, QStringLiteral("SELECT \"table\", rowid FROM pragma_foreign_key_check"));
    if (!check.exec())
        return std::nullopt;
    QList<Violation> violations;
    while (check.next())
        violations.append({check.value(0).toString(), check.value(1).toLongLong()});
    QList<RowKey> rows;
    for (const Violation& violation : violations) {
        const std::optional<QString> id =
            SqlQuery(m_database, QStringLiteral("SELECT id FROM %1 WHERE rowid = ?").arg(quoted(violation.table)),
                {violation.rowid})
                .readOne([](const SqlQuery& row) { return row.value(0).toString(); });
        rows.append({violation.table, id.value_or(QString::number(violation.rowid))});
    }
    return rows;
}
