#include "storage/database.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <array>

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

constexpr std::array<Migration, 2> migrations{{
    {1, "initial", ":/sql/sql/migrations/001_initial.sql"},
    {2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql"},
}};

constexpr QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions ownerOnlyDirectory = ownerOnlyFile | QFileDevice::ExeOwner;

// The register is private financial data: a directory or database file the
// program creates is readable by its owner only.
void makeDirectory(const QString& path)
{
    const bool existed = QDir(path).exists();
    QDir(path).mkpath(QStringLiteral("."));
    if (!existed)
        QFile::setPermissions(path, ownerOnlyDirectory);
}

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
    : QObject(parent)
{
}

Database::~Database()
{
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

QString Database::dataDirectory()
{
    const QString fromEnvironment = QString::fromUtf8(qgetenv("CHECKBOOK_DATA_DIR"));
    const QString directory = fromEnvironment.isEmpty()
        ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Kestrelwood/Checkbook")
        : fromEnvironment;
    makeDirectory(directory);
    return directory;
}

QString Database::databasePath()
{
    return dataDirectory() + QStringLiteral("/checkbook.db");
}

bool Database::open(const QString& path)
{
    tuneSqliteForOneThread();
    m_connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_connection.setDatabaseName(path);
    createPrivateFile(path);
    if (!m_connection.open()) {
        qCritical().noquote() << "Failed to open database:" << m_connection.lastError().text();
        return false;
    }
    // A file that is not an SQLite database opens without complaint; reading
    // its schema before anything else refuses it without writing to it.
    QSqlQuery probe(m_connection);
    if (!probe.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master"))) {
        qCritical().noquote() << "Failed to open database:" << probe.lastError().text();
        probe.finish();
        m_connection.close();
        return false;
    }
    probe.finish();

    QSqlQuery pragmas(m_connection);
    pragmas.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    pragmas.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    pragmas.exec(QStringLiteral("PRAGMA temp_store=MEMORY"));
    m_open = true;
    return true;
}

bool Database::runMigrations()
{
    QSqlQuery query(m_connection);
    if (!query.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCritical().noquote() << "Failed to create schema_version table:" << query.lastError().text();
        return false;
    }
    int currentVersion = 0;
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && query.next())
        currentVersion = query.value(0).toInt();
    query.finish();

    for (const Migration& migration : migrations) {
        if (migration.version <= currentVersion)
            continue;
        const QString resourcePath = QString::fromLatin1(migration.resourcePath);
        QFile script(resourcePath);
        if (!script.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(resourcePath);
            qCritical().noquote() << message;
            Q_EMIT migrationError(migration.version, message);
            return false;
        }
        const QString sql = QString::fromUtf8(script.readAll());
        if (!applyMigration(migration.version, QString::fromLatin1(migration.name), sql))
            return false;
    }
    return true;
}

QSqlDatabase& Database::database()
{
    return m_connection;
}

bool Database::inTransaction(const std::function<bool()>& work)
{
    if (!m_connection.transaction())
        return false;
    if (work() && m_connection.commit())
        return true;
    m_connection.rollback();
    return false;
}

bool Database::applyMigration(int version, const QString& name, const QString& sql)
{
    m_connection.transaction();
    for (const QString& statement : splitStatements(sql)) {
        QSqlQuery query(m_connection);
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            qCritical().noquote() << "Migration" << version << "failed:" << error << "\nStatement:" << statement.left(200);
            query.finish();
            m_connection.rollback();
            Q_EMIT migrationError(version, error);
            return false;
        }
    }
    QSqlQuery record(m_connection);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        const QString error = record.lastError().text();
        record.finish();
        m_connection.rollback();
        Q_EMIT migrationError(version, error);
        return false;
    }
    if (!m_connection.commit()) {
        const QString error = m_connection.lastError().text();
        m_connection.rollback();
        Q_EMIT migrationError(version, error);
        return false;
    }
    qInfo().noquote() << "Applied migration" << version << name;
    Q_EMIT migrationApplied(version, name);
    return true;
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
