#include "storage/database.h"

#include "storage/databaselocation.h"
#include "storage/timestamps.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>

#include <memory>

namespace {

// Any fixed number: PostgreSQL instances starting together take turns migrating.
const qint64 migrationLockKey = 0x4b57534552;

QStringList statementsOf(const QString &script)
{
    QStringList statements;
    QString current;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.trimmed().startsWith(QLatin1String("--")))
            continue;
        current += line + QLatin1Char('\n');
        if (line.trimmed().endsWith(QLatin1Char(';'))) {
            statements.append(current.trimmed());
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

int versionOf(const QString &fileName)
{
    static const QRegularExpression leadingNumber(QStringLiteral("^(\\d+)_"));
    const QRegularExpressionMatch match = leadingNumber.match(fileName);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// Enough for every fixed statement of the repositories; those built for a
// list of ids come and go.
constexpr int maxKeptStatements = 200;

// Qt binds a null QString as SQL NULL; request text that is merely empty must
// be stored as empty text. Only nullText() means NULL.
QVariant boundValue(const QVariant &value)
{
    if (value.metaType().id() == QMetaType::QString && value.toString().isNull())
        return QStringLiteral("");
    return value;
}

} // namespace

// The migrations are compiled into this static library; naming them here keeps
// the linker from dropping them.
static void loadMigrationResources()
{
    Q_INIT_RESOURCE(migrations);
}

Database::Database(const QString &connectionName)
    : m_connectionName(connectionName)
    , m_statements(maxKeptStatements)
{
}

Database::~Database()
{
    m_statements.clear();
    {
        QSqlDatabase connection = QSqlDatabase::database(m_connectionName, false);
        if (connection.isOpen())
            connection.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool Database::open(const DatabaseLocation &location, QString *error)
{
    m_postgres = location.isPostgres();
    QSqlDatabase connection = QSqlDatabase::addDatabase(location.driver, m_connectionName);
    connection.setDatabaseName(location.databaseName);
    if (m_postgres) {
        connection.setHostName(location.host);
        connection.setPort(location.port);
        connection.setUserName(location.user);
        connection.setPassword(location.password);
        connection.setConnectOptions(location.connectOptions);
    } else {
        connection.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!connection.open()) {
        *error = QStringLiteral("Cannot open %1: %2").arg(location.describe(), connection.lastError().text());
        return false;
    }
    if (!m_postgres) {
        // WAL lets readers go on while a write commits; foreign keys are off by default in SQLite.
        if (!execute(QStringLiteral("PRAGMA journal_mode=WAL"), {}, "Database::open")
            || !execute(QStringLiteral("PRAGMA foreign_keys=ON"), {}, "Database::open")) {
            *error = QStringLiteral("Cannot set up %1").arg(location.describe());
            return false;
        }
    }
    return true;
}

bool Database::isPostgres() const
{
    return m_postgres;
}

std::optional<KeptStatement> Database::execute(const QString &sql, const QVariantList &values,
                                               const char *operation)
{
    // PostgreSQL cannot prepare schema statements; without values there is nothing to bind.
    if (values.isEmpty()) {
        QSqlQuery query(QSqlDatabase::database(m_connectionName, false));
        query.setForwardOnly(true);
        if (!query.exec(sql)) {
            qWarning("%s failed: %s", operation, qPrintable(query.lastError().text()));
            return std::nullopt;
        }
        return KeptStatement(nullptr, sql, std::move(query));
    }
    std::unique_ptr<QSqlQuery> kept{m_statements.take(sql)};
    QSqlQuery query = kept ? std::move(*kept) : QSqlQuery(QSqlDatabase::database(m_connectionName, false));
    if (!kept) {
        query.setForwardOnly(true);
        if (!query.prepare(sql)) {
            qWarning("%s failed: %s", operation, qPrintable(query.lastError().text()));
            return std::nullopt;
        }
    }
    for (int position = 0; position < values.size(); ++position)
        query.bindValue(position, boundValue(values.at(position)));
    if (!query.exec()) {
        qWarning("%s failed: %s", operation, qPrintable(query.lastError().text()));
        return std::nullopt;
    }
    return KeptStatement(this, sql, std::move(query));
}

void Database::keepStatement(const QString &sql, QSqlQuery statement)
{
    if (statement.lastError().type() != QSqlError::NoError)
        return;
    // A finished statement holds no result and no lock while it waits.
    statement.finish();
    m_statements.insert(sql, new QSqlQuery(std::move(statement)));
}

bool Database::beginTransaction()
{
    return QSqlDatabase::database(m_connectionName, false).transaction();
}

bool Database::commit()
{
    QSqlDatabase connection = QSqlDatabase::database(m_connectionName, false);
    if (connection.commit())
        return true;
    qWarning("Database::commit failed: %s", qPrintable(connection.lastError().text()));
    connection.rollback();
    return false;
}

void Database::rollback()
{
    QSqlDatabase::database(m_connectionName, false).rollback();
}

QVariant Database::nullText()
{
    return QVariant();
}

QVariant Database::textOrNull(const QString &text)
{
    return text.isEmpty() ? nullText() : QVariant(text);
}

bool Database::migrate(QString *error)
{
    loadMigrationResources();
    QStringList files = QDir(QStringLiteral(":/migrations")).entryList({QStringLiteral("*.sql")}, QDir::Files);
    std::sort(files.begin(), files.end(),
              [](const QString &a, const QString &b) { return versionOf(a) < versionOf(b); });
    for (const QString &fileName : std::as_const(files)) {
        QFile file(QStringLiteral(":/migrations/") + fileName);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Cannot read the migration %1").arg(fileName);
            return false;
        }
        if (!applyMigration(versionOf(fileName), QString::fromUtf8(file.readAll()), error))
            return false;
    }
    return true;
}

std::optional<int> Database::appliedVersion(QString *error)
{
    auto query = execute(QStringLiteral("SELECT COALESCE(MAX(version), 0) FROM schema_migrations"),
                               {}, "Database::appliedVersion");
    if (!query || !query->next()) {
        *error = QStringLiteral("Cannot read the schema version");
        return std::nullopt;
    }
    return query->value(0).toInt();
}

bool Database::applyMigration(int version, const QString &script, QString *error)
{
    if (!beginTransaction()) {
        *error = QStringLiteral("Cannot start the migration to version %1").arg(version);
        return false;
    }
    const bool applied = [&] {
        if (m_postgres && !execute(QStringLiteral("SELECT pg_advisory_xact_lock(?)"), {migrationLockKey}, "Database::migrate"))
            return false;
        if (!execute(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_migrations "
                                    "(version INTEGER PRIMARY KEY, applied_at TEXT NOT NULL)"),
                     {}, "Database::migrate")) {
            return false;
        }
        const std::optional<int> current = appliedVersion(error);
        if (!current)
            return false;
        if (*current >= version)
            return true;
        const QStringList statements = statementsOf(script);
        for (const QString &statement : statements) {
            if (!execute(statement, {}, "Database::migrate"))
                return false;
        }
        return execute(QStringLiteral("INSERT INTO schema_migrations (version, applied_at) VALUES (?, ?)"),
                       {version, Timestamps::nowText()}, "Database::migrate")
            .has_value();
    }();
    if (!applied) {
        rollback();
        if (error->isEmpty())
            *error = QStringLiteral("The migration to version %1 failed").arg(version);
        return false;
    }
    if (!commit()) {
        *error = QStringLiteral("The migration to version %1 could not be committed").arg(version);
        return false;
    }
    return true;
}
