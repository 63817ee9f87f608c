#include "storage/database.h"

#include "storage/privatefiles.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <array>
#include <memory>
#include <utility>

#ifdef CHECKBOOK_TUNE_SQLITE
#include <sqlite3.h>
#endif

namespace {

struct Migration
{
    int version;
    const char* name;
    const char* resourcePath;
};

constexpr std::array<Migration, 7> migrations{{
    {1, "initial", ":/sql/sql/migrations/001_initial.sql"},
    {2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql"},
    {3, "balance_index", ":/sql/sql/migrations/003_balance_index.sql"},
    {4, "report_indexes", ":/sql/sql/migrations/004_report_indexes.sql"},
    {5, "statement_ids", ":/sql/sql/migrations/005_statement_ids.sql"},
    {6, "server_id_indexes", ":/sql/sql/migrations/006_server_id_indexes.sql"},
    {7, "search_index_trigger", ":/sql/sql/migrations/007_search_index_trigger.sql"},
}};

const QString schemaVersionStatement = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  "
    "applied_at TEXT NOT NULL DEFAULT (datetime('now')))");

// True when `tables` hold those of the first migration that every file of
// ours has, whatever became of the others.
bool holdsRegisterTables(const QStringList& tables)
{
    return tables.contains(QStringLiteral("accounts")) && tables.contains(QStringLiteral("categories"))
        && tables.contains(QStringLiteral("transactions"));
}

// The first column of the first row `sql` returns, or an invalid value.
QVariant firstValue(const QSqlDatabase& connection, const QString& sql)
{
    QSqlQuery query(connection);
    return query.exec(sql) && query.next() ? query.value(0) : QVariant();
}

// Enough for every fixed statement of the repositories; the statements
// built for a list of ids come and go.
constexpr int maxKeptStatements = 200;

// SQLite's primary result codes the start-up tells apart from classify().
constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;

int primaryResultCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

OpenFailure openFailureFor(const QSqlError& error)
{
    // Bytes that are no SQLite database at all are another program's file
    // (or one damaged beyond recognition), not a register to repair.
    if (primaryResultCode(error) == sqliteNotADatabase)
        return OpenFailure::NotOurs;
    switch (Database::classify(error)) {
    case StorageFailure::ReadOnly: return OpenFailure::ReadOnly;
    case StorageFailure::InUse: return OpenFailure::InUse;
    case StorageFailure::DiskFull: return OpenFailure::DiskFull;
    case StorageFailure::Damaged: return OpenFailure::Damaged;
    case StorageFailure::None:
    case StorageFailure::Other: break;
    }
    return OpenFailure::Other;
}

// Proves that the data directory and an existing file can be written, without
// changing either: a probe file is created and removed again, and the file is
// opened for writing but not written. SQLite would open a read-only file
// silently and fail only at the first save.
bool canWriteFiles(const QString& path)
{
    QTemporaryFile probe(QFileInfo(path).absolutePath() + QStringLiteral("/.write-probe-XXXXXX"));
    if (!probe.open())
        return false;
    QFile file(path);
    return !file.exists() || file.open(QIODevice::ReadWrite);
}

constexpr QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// The register is private financial data: a database file the program
// creates is readable by its owner only, as is its directory
// (makePrivateDirectory).
void createPrivateFile(const QString& path)
{
    if (QFile::exists(path))
        return;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.setPermissions(ownerOnlyFile);
}

// Appends the finished buffer to `statements` as one statement without its
// final ";", dropping buffers that hold nothing but a ";".
void flushStatement(QString& buffer, QStringList& statements)
{
    QString statement = buffer.trimmed();
    buffer.clear();
    if (statement.isEmpty() || statement == QLatin1String(";"))
        return;
    if (statement.endsWith(QLatin1Char(';')))
        statement.chop(1);
    statement = statement.trimmed();
    if (!statement.isEmpty())
        statements.append(statement);
}

// The program reaches SQLite from the GUI thread only, so the library's own
// per-call locking and its allocation statistics are pure overhead: they cost
// a tenth of the time of reading a large register. Both settings must come
// before SQLite initialises, that is before the first connection opens; once
// it has, the calls fail harmlessly and the defaults stay.
void tuneSqliteForOneThread()
{
#ifdef CHECKBOOK_TUNE_SQLITE
    static const bool tuned = [] {
        sqlite3_config(SQLITE_CONFIG_MULTITHREAD);
        sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
        return true;
    }();
    Q_UNUSED(tuned);
#endif
}

} // namespace

Database::Database(QObject* parent)
    : Database(QLatin1String(QSqlDatabase::defaultConnection), parent)
{
}

Database::Database(const QString& connectionName, QObject* parent)
    : QObject(parent)
    , m_connectionName(connectionName)
    , m_statements(maxKeptStatements)
{
}

Database::~Database()
{
    m_statements.clear();
    if (m_open) {
        m_connection.close();
        m_open = false;
    }
    if (!m_connection.isValid())
        return;
    // Unregister too, so a later Database in the same process starts clean.
    const QString name = m_connection.connectionName();
    m_connection = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
}

QString Database::locateDataDirectory()
{
    const QString fromEnvironment = QString::fromUtf8(qgetenv("CHECKBOOK_DATA_DIR"));
    return fromEnvironment.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kestrelwood/Checkbook")
        : fromEnvironment;
}

QString Database::dataDirectory()
{
    const QString directory = locateDataDirectory();
    if (!makePrivateDirectory(directory))
        qWarning().noquote() << "Database::dataDirectory cannot create" << directory;
    return directory;
}

QString Database::databasePath()
{
    return dataDirectory() + QStringLiteral("/checkbook.db");
}

bool Database::open(const QString& path)
{
    tuneSqliteForOneThread();
    m_openFailure = OpenFailure::None;
    m_connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_connection.setDatabaseName(path);
    // A file another program holds locked makes a statement wait this long
    // and then fail as busy, so the start reports it instead of hanging.
    m_connection.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!canWriteFiles(path))
        return refuse(OpenFailure::ReadOnly, QStringLiteral("the file or its directory cannot be written"));
    createPrivateFile(path);
    if (!m_connection.open())
        return refuse(openFailureFor(m_connection.lastError()), m_connection.lastError().text());
    if (!canReadAndWriteDatabase())
        return false;

    QSqlQuery pragmas(m_connection);
    pragmas.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    pragmas.exec(QStringLiteral("PRAGMA temp_store=MEMORY"));
    // 32 MB of pages instead of SQLite's 2 MB: a register of a hundred
    // thousand rows, read or synced row by row, stays in memory.
    pragmas.exec(QStringLiteral("PRAGMA cache_size=-32768"));
    m_open = true;
    return true;
}

bool Database::openForReading(const QString& path)
{
    m_openFailure = OpenFailure::None;
    if (!QFileInfo(path).isFile())
        return refuse(OpenFailure::Other, QStringLiteral("there is no data file"));
    m_connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_connection.setDatabaseName(path);
    m_connection.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
    if (!m_connection.open())
        return refuse(openFailureFor(m_connection.lastError()), m_connection.lastError().text());
    const std::optional<int> version = schemaVersionOfOurFile();
    if (!version)
        return false;
    // The program brings an older file up to date the next time it starts;
    // a reader must not.
    if (*version != latestSchemaVersion())
        return refuse(OpenFailure::OlderVersion, QStringLiteral("schema version %1 is older than the current %2").arg(*version).arg(latestSchemaVersion()));
    m_open = true;
    return true;
}

bool Database::runMigrations()
{
    const std::optional<int> currentVersion = schemaVersionOfOurFile();
    if (!currentVersion)
        return false;
    for (const Migration& migration : migrations) {
        if (migration.version <= *currentVersion)
            continue;
        const QString resourcePath = QString::fromLatin1(migration.resourcePath);
        QFile script(resourcePath);
        if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(resourcePath);
            qCritical().noquote() << message;
            Q_EMIT migrationError(migration.version, message);
            m_openFailure = OpenFailure::Other;
            closeConnection();
            return false;
        }
        const QString sql = QString::fromUtf8(script.readAll());
        if (!applyMigration(migration.version, QString::fromLatin1(migration.name), sql)) {
            closeConnection();
            return false;
        }
    }
    // Write-ahead logging rewrites the file's header, so only a file that is
    // now this program's and current is switched to it.
    QSqlQuery(m_connection).exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    return true;
}

int Database::latestSchemaVersion()
{
    return migrations.back().version;
}

bool Database::verifyIntegrity()
{
    const QString connectionName = QStringLiteral("integrity_check");
    QStringList findings;
    QSqlError failure;
    {
        QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        reader.setDatabaseName(m_connection.databaseName());
        reader.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000"));
        if (reader.open()) {
            QSqlQuery check(reader);
            if (check.exec(QStringLiteral("PRAGMA quick_check"))) {
                while (check.next())
                    findings.append(check.value(0).toString());
            }
            failure = check.lastError();
        } else {
            failure = reader.lastError();
        }
        reader.close();
    }
    QSqlDatabase::removeDatabase(connectionName);

    if (findings == QStringList{QStringLiteral("ok")})
        return true;
    if (findings.isEmpty() && primaryResultCode(failure) != sqliteCorrupt) {
        // Busy or unreadable says nothing about damage; the queries of the
        // session will still notice it.
        qWarning().noquote() << "Database::verifyIntegrity could not check the file:" << failure.text();
        return true;
    }
    const QString report = findings.isEmpty() ? failure.text() : findings.join(QLatin1Char('\n'));
    noteFailure(QSqlError(QString(), report, QSqlError::StatementError, QString::number(sqliteCorrupt)));
    return false;
}

bool Database::refuse(OpenFailure failure, const QString& reason)
{
    qCritical().noquote() << "Failed to open database:" << reason;
    m_openFailure = failure;
    closeConnection();
    return false;
}

QSqlQuery Database::takeStatement(const QString& sql, bool* prepared)
{
    if (const std::unique_ptr<QSqlQuery> kept{m_statements.take(sql)}) {
        *prepared = true;
        return std::move(*kept);
    }
    QSqlQuery statement(m_connection);
    statement.setForwardOnly(true);
    *prepared = statement.prepare(sql);
    return statement;
}

void Database::returnStatement(const QString& sql, QSqlQuery statement)
{
    // A finished statement holds no read lock while it waits here.
    statement.finish();
    m_statements.insert(sql, new QSqlQuery(std::move(statement)));
}

void Database::closeConnection()
{
    m_statements.clear();
    m_connection.close();
    m_open = false;
}

// Reads the schema, then takes the write lock and makes a change that is
// rolled back: a file that is no database, is damaged, locked by another
// program or read-only is refused here, before anything is written to it.
bool Database::canReadAndWriteDatabase()
{
    QSqlQuery probe(m_connection);
    const bool usable = probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))
        && probe.exec(QStringLiteral("BEGIN IMMEDIATE"))
        && probe.exec(QStringLiteral("CREATE TABLE checkbook_write_probe (id INTEGER)"));
    const QSqlError error = probe.lastError();
    probe.exec(QStringLiteral("ROLLBACK"));
    probe.finish();
    return usable || refuse(openFailureFor(error), error.text());
}

// The file's schema version, 0 for a new file. A file of another program, one
// of ours that lost its schema_version table, or one from a newer version of
// the program is refused (none).
std::optional<int> Database::schemaVersionOfOurFile()
{
    QSqlQuery query(m_connection);
    if (!query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'"))) {
        refuse(openFailureFor(query.lastError()), query.lastError().text());
        return std::nullopt;
    }
    QStringList tables;
    while (query.next())
        tables.append(query.value(0).toString());
    const bool hasVersionTable = tables.removeAll(QStringLiteral("schema_version")) > 0;

    // Every file of ours names its first migration as this build does;
    // another program's schema_version table does not.
    const bool recordsOurHistory = hasVersionTable
        && firstValue(m_connection, QStringLiteral("SELECT name FROM schema_version WHERE version = 1")).toString()
            == QLatin1String(migrations.front().name);
    if (recordsOurHistory) {
        const int version = firstValue(m_connection, QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt();
        if (version <= latestSchemaVersion())
            return version;
        refuse(OpenFailure::NewerVersion,
            QStringLiteral("schema version %1 is newer than %2, the newest this version knows").arg(version).arg(latestSchemaVersion()));
        return std::nullopt;
    }
    // Earlier versions could leave an empty schema_version in a file whose
    // first migration failed; such a file is as good as new.
    const bool historyIsEmpty =
        !hasVersionTable || firstValue(m_connection, QStringLiteral("SELECT COUNT(*) FROM schema_version")).toInt() == 0;
    if (tables.isEmpty() && historyIsEmpty)
        return 0;
    if (holdsRegisterTables(tables))
        refuse(OpenFailure::VersionMissing, QStringLiteral("the register's tables are there without their schema version"));
    else
        refuse(OpenFailure::NotOurs, QStringLiteral("the file holds the tables of another program"));
    return std::nullopt;
}

QSqlDatabase& Database::database()
{
    return m_connection;
}

bool Database::inTransaction(const std::function<bool()>& work)
{
    if (m_damaged)
        return false;
    // The outermost level takes the write lock at once (IMMEDIATE), so what
    // the work reads is still current when it writes, even with another
    // program on the same file.
    const QString savepoint = QStringLiteral("level%1").arg(m_transactionDepth);
    const bool outermost = m_transactionDepth == 0;
    if (outermost)
        m_lastFailure = StorageFailure::None;
    if (!execute(outermost ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("SAVEPOINT %1").arg(savepoint)))
        return false;
    const qsizetype queuedBefore = m_notifications.size();
    ++m_transactionDepth;
    const bool done = work();
    --m_transactionDepth;
    if (done && execute(outermost ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE %1").arg(savepoint))) {
        if (outermost)
            sendNotifications();
        return true;
    }
    if (outermost) {
        execute(QStringLiteral("ROLLBACK"));
    } else {
        execute(QStringLiteral("ROLLBACK TO %1").arg(savepoint));
        execute(QStringLiteral("RELEASE %1").arg(savepoint));
    }
    m_notifications.resize(queuedBefore);
    return false;
}

void Database::notifyAfterCommit(const QString& key, const std::function<void()>& notify)
{
    if (m_transactionDepth == 0) {
        notify();
        return;
    }
    const bool queued = std::any_of(m_notifications.cbegin(), m_notifications.cend(),
        [&key](const Notification& notification) { return notification.key == key; });
    if (!queued)
        m_notifications.append({key, notify});
}

void Database::sendNotifications()
{
    const QList<Notification> notifications = std::exchange(m_notifications, {});
    for (const Notification& notification : notifications)
        notification.notify();
}

bool Database::execute(const QString& statement)
{
    QSqlQuery query(m_connection);
    if (query.exec(statement))
        return true;
    qWarning().noquote() << "Database:" << statement << "failed:" << query.lastError().text();
    noteFailure(query.lastError());
    return false;
}

void Database::noteFailure(const QSqlError& error)
{
    m_lastFailure = classify(error);
    if (m_lastFailure != StorageFailure::Damaged || m_damaged)
        return;
    m_damaged = true;
    qCritical().noquote() << "The database file is damaged:" << error.text();
    Q_EMIT damageDetected();
}

StorageFailure Database::classify(const QSqlError& error)
{
    // SQLite's primary result codes, as the driver reports them.
    enum : int { Perm = 3, Busy = 5, Locked = 6, ReadOnly = 8, Corrupt = 11, Full = 13, NotADatabase = 26 };
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xff;
    if (!isNumber)
        return StorageFailure::Other;
    switch (code) {
    case Full: return StorageFailure::DiskFull;
    case ReadOnly:
    case Perm: return StorageFailure::ReadOnly;
    case Busy:
    case Locked: return StorageFailure::InUse;
    case Corrupt:
    case NotADatabase: return StorageFailure::Damaged;
    default: return StorageFailure::Other;
    }
}

QString Database::failureText(StorageFailure failure)
{
    switch (failure) {
    case StorageFailure::DiskFull: return tr("The disk is full.");
    case StorageFailure::ReadOnly: return tr("The data file is read-only.");
    case StorageFailure::InUse: return tr("The data file is in use by another program.");
    case StorageFailure::Damaged: return tr("The data file is damaged.");
    case StorageFailure::None:
    case StorageFailure::Other: break;
    }
    return tr("The data file could not be written.");
}

bool Database::applyMigration(int version, const QString& name, const QString& sql)
{
    m_connection.transaction();
    // The bookkeeping table comes in the first migration's transaction, so a
    // file that fails it keeps no trace of this program.
    QSqlQuery bookkeeping(m_connection);
    if (!bookkeeping.exec(schemaVersionStatement)) {
        qCritical().noquote() << "Failed to create schema_version table:" << bookkeeping.lastError().text();
        return failMigration(version, bookkeeping.lastError());
    }
    for (const QString& statement : splitStatements(sql)) {
        QSqlQuery query(m_connection);
        if (!query.exec(statement)) {
            const QSqlError error = query.lastError();
            qCritical().noquote() << "Migration" << version << "failed:" << error.text() << "\nStatement:" << statement.left(200);
            query.finish();
            return failMigration(version, error);
        }
    }
    QSqlQuery record(m_connection);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        const QSqlError error = record.lastError();
        record.finish();
        return failMigration(version, error);
    }
    if (!m_connection.commit())
        return failMigration(version, m_connection.lastError());
    qInfo().noquote() << "Applied migration" << version << name;
    Q_EMIT migrationApplied(version, name);
    return true;
}

bool Database::failMigration(int version, const QSqlError& error)
{
    m_connection.rollback();
    m_openFailure = openFailureFor(error);
    Q_EMIT migrationError(version, error.text());
    return false;
}

QStringList Database::splitStatements(const QString& sql)
{
    QStringList statements;
    QString buffer;
    int depth = 0;
    const QStringList lines = sql.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1String("--")))
            continue;
        buffer += line + QLatin1Char('\n');
        const QString upper = trimmed.toUpper();
        if (upper.contains(QLatin1String("BEGIN")))
            ++depth;
        if (upper.startsWith(QLatin1String("END")) && depth >= 1)
            --depth;
        if (depth == 0 && trimmed.endsWith(QLatin1Char(';')))
            flushStatement(buffer, statements);
    }
    flushStatement(buffer, statements);
    return statements;
}
