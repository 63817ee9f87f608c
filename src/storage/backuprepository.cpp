#include "storage/backuprepository.h"

#include "storage/database.h"
#include "storage/sqlquery.h"

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

BackupRepository::Lookup BackupRepository::stored(const QString& table, const QStringList& columns, const QString& id)
{
    SqlQuery& query = statement(QStringLiteral("stored:") + table, [&] {
        const bool versioned = columns.contains(QLatin1String("version"));
        const bool perAccount = columns.contains(QLatin1String("account_id"));
        return QStringLiteral("SELECT updated_at, %1, %2 FROM %3 WHERE id = ?")
            .arg(versioned ? QStringLiteral("version") : QStringLiteral("0"),
                perAccount ? QStringLiteral("account_id") : QStringLiteral("''"), quoted(table));
    });
    query.rebind({id});
    Lookup lookup;
    if (!query.exec())
        return lookup;
    lookup.ok = true;
    // Stepping to the end releases the statement for its next use.
    while (query.next())
        lookup.row = StoredRow{query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toString()};
    return lookup;
}

bool BackupRepository::insertRow(const QString& table, const QStringList& names, const QVariantList& values)
{
    return insertRows(table, names, {values});
}

bool BackupRepository::insertRows(const QString& table, const QStringList& names, const QList<QVariantList>& rows)
{
    // Well below SQLite's limit of bound values in one statement.
    const qsizetype rowsPerStatement = std::max<qsizetype>(1, 1000 / std::max<qsizetype>(1, names.size()));
    const QString columnKey = table + QLatin1Char(':') + names.join(QLatin1Char(','));
    for (qsizetype first = 0; first < rows.size(); first += rowsPerStatement) {
        const qsizetype count = std::min(rowsPerStatement, rows.size() - first);
        SqlQuery& query = statement(QStringLiteral("insert:%1:").arg(count) + columnKey, [&] {
            const QString row = QLatin1Char('(') + QStringList(names.size(), QStringLiteral("?")).join(QLatin1String(", "))
                + QLatin1Char(')');
            return QStringLiteral("INSERT INTO %1 (%2) VALUES ")
                       .arg(quoted(table), quotedList(names))
                + QStringList(count, row).join(QLatin1String(", "));
        });
        QVariantList values;
        values.reserve(count * names.size());
        for (qsizetype index = first; index < first + count; ++index)
            values.append(rows.at(index));
        if (!runWrite(query, values, "BackupRepository::insertRows"))
            return false;
    }
    return true;
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

std::optional<QStringList> BackupRepository::danglingReferences()
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
    QStringList rows;
    for (const Violation& violation : violations) {
        const std::optional<QString> id =
            SqlQuery(m_database, QStringLiteral("SELECT id FROM %1 WHERE rowid = ?").arg(quoted(violation.table)),
                {violation.rowid})
                .readOne([](const SqlQuery& row) { return row.value(0).toString(); });
        rows.append(violation.table + QLatin1Char('/') + id.value_or(QString::number(violation.rowid)));
    }
    return rows;
}
