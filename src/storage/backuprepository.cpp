#include "storage/backuprepository.h"

#include "storage/database.h"
#include "storage/sqlquery.h"

#include <QSet>
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

BackupRepository::BackupRepository(Database* database)
    : m_database(database)
{
}

BackupRepository::~BackupRepository() = default;

SqlQuery& BackupRepository::statement(const QString& key, const std::function<QString()>& sql)
{
    std::shared_ptr<SqlQuery>& prepared = m_statements[key];
    if (!prepared)
        prepared = std::make_shared<SqlQuery>(m_database, sql());
    return *prepared;
}

bool BackupRepository::runWrite(SqlQuery& query, const QVariantList& values, const char* operation)
{
    query.rebind(values);
    if (query.execWrite(operation))
        return true;
    m_lastError = query.errorText();
    return false;
}

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
    SqlQuery& query = statement(key, [&] {
        const QString row = QLatin1Char('(') + QStringList(names.size(), QStringLiteral("?")).join(QLatin1String(", "))
            + QLatin1Char(')');
        return QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(quoted(table), quotedList(names))
            + QStringList(rows.size(), row).join(QLatin1String(", "));
    });
    QVariantList values;
    values.reserve(rows.size() * names.size());
    for (const QVariantList& row : rows)
        values.append(row);
    return runWrite(query, values, "BackupRepository::insertRows");
}

bool BackupRepository::updateRow(
    const QString& table, const QStringList& names, const QVariantList& values, const QString& id)
{
    SqlQuery& query = statement(QStringLiteral("update:") + table + QLatin1Char(':') + names.join(QLatin1Char(',')),
        [&] { return QStringLiteral("UPDATE %1 SET %2 WHERE id = ?").arg(quoted(table), quotedList(names, QStringLiteral(" = ?"))); });
    return runWrite(query, values + QVariantList{id}, "BackupRepository::updateRow");
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
