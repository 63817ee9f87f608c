#pragma once

#include <QCache>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// Why a statement failed, in the terms a user can act on.
enum class StorageFailure {
    None,
    DiskFull,
    ReadOnly,
    InUse,
    Damaged,
    Other,
};

// Why the data file was refused at start, in the terms the start-up message
// names. A refused file is left exactly as it was.
enum class OpenFailure {
    None,
    ReadOnly, // the file or the data directory cannot be written
    InUse, // another program holds the file locked
    DiskFull,
    Damaged, // SQLite finds the file corrupt
    NotOurs, // not an SQLite file, or the file of another program
    NewerVersion, // made by a newer version of this program
    VersionMissing, // this program's tables without the record of their version
    OlderVersion, // made by an older version; only the program itself brings it up to date
    Other,
};

// Owns the program's one SQLite connection and brings its schema up to date
// from the numbered migration scripts compiled into the program.
class Database : public QObject
{
    Q_OBJECT

public:
    explicit Database(QObject* parent = nullptr);
    // A connection of its own name beside the program's default one, for
    // code that holds several data files open at once (several devices'
    // books in one test process).
    explicit Database(const QString& connectionName, QObject* parent = nullptr);
    ~Database() override;

    // The data directory: CHECKBOOK_DATA_DIR when set, else the user's
    // generic data location + "/Kestrelwood/Checkbook". Created when missing
    // (owner-only on Unix).
    static QString dataDirectory();
    // The same directory, without creating it: for readers that must leave
    // no trace.
    static QString locateDataDirectory();
    // dataDirectory() + "/checkbook.db".
    static QString databasePath();

    // Opens the file after proving, without changing it, that it can be
    // read and written; a refused file stays closed and untouched.
    bool open(const QString& path);
    // Opens the file for reading only, beside a running program or without
    // one: nothing is created, migrated or written. Refused when the file
    // is missing, not ours, or not at this build's schema version.
    bool openForReading(const QString& path);
    // Brings the file to the newest schema, refusing files that are not
    // this program's or come from a newer version. The file switches to
    // write-ahead logging only once it is current, so a refused or failed
    // start leaves it byte for byte as it was.
    bool runMigrations();
    // Why open() or runMigrations() refused the file; None while both succeed.
    OpenFailure openFailure() const { return m_openFailure; }
    // The newest schema version this build knows.
    static int latestSchemaVersion();
    // Checks the structure of the whole file ("PRAGMA quick_check") on a
    // second, read-only connection. Damage is reported as a query meeting
    // corruption would report it: damageDetected(), and no more writes.
    bool verifyIntegrity();
    QSqlDatabase& database();
    // Runs `work` inside one database transaction: committed when it returns
    // true, rolled back when it returns false or the commit fails. Calls
    // nest: an inner call is a savepoint of the outer transaction, so a
    // service can call another service inside an import or a restore, and
    // only the outermost commit makes the work durable.
    [[nodiscard]] bool inTransaction(const std::function<bool()>& work);
    bool isInTransaction() const { return m_transactionDepth > 0; }
    // Runs `notify` now, or inside a transaction once after the outermost
    // commit, so screens reload once and never see work that is rolled
    // back. Notifications with the same key are sent once; a rollback drops
    // those queued since its transaction or savepoint began.
    void notifyAfterCommit(const QString& key, const std::function<void()>& notify);

    // A statement prepared for `sql`: a free one prepared before when there
    // is one, since preparing costs more than running most statements.
    // `prepared` tells whether it is ready to run.
    QSqlQuery takeStatement(const QString& sql, bool* prepared);
    // Keeps a finished statement for the next taker of the same text.
    void returnStatement(const QString& sql, QSqlQuery statement);

    // Every failed statement is reported here; the last cause is kept for
    // the message the user sees. A damaged file is announced once and
    // nothing more is written to it.
    void noteFailure(const QSqlError& error);
    StorageFailure lastFailure() const { return m_lastFailure; }
    bool isDamaged() const { return m_damaged; }
    static StorageFailure classify(const QSqlError& error);
    // A sentence for the user about `failure`, such as "The disk is full."
    static QString failureText(StorageFailure failure);

    // Cuts a script into statements, keeping CREATE TRIGGER … END bodies
    // whole and dropping "--" comment lines.
    static QStringList splitStatements(const QString& sql);

Q_SIGNALS:
    void migrationApplied(int version, const QString& name);
    void migrationError(int version, const QString& error);
    void damageDetected();

protected:
    // Applies one script and its schema_version row in one transaction.
    bool applyMigration(int version, const QString& name, const QString& sql);

private:
    bool execute(const QString& statement);
    bool refuse(OpenFailure failure, const QString& reason);
    void closeConnection();
    bool failMigration(int version, const QSqlError& error);
    [[nodiscard]] bool canReadAndWriteDatabase();
    std::optional<int> schemaVersionOfOurFile();
    void sendNotifications();

    struct Notification
    {
        QString key;
        std::function<void()> notify;
    };

    QString m_connectionName;
    QSqlDatabase m_connection;
    QCache<QString, QSqlQuery> m_statements;
    bool m_open = false;
    OpenFailure m_openFailure = OpenFailure::None;
    int m_transactionDepth = 0;
    QList<Notification> m_notifications;
    StorageFailure m_lastFailure = StorageFailure::None;
    bool m_damaged = false;
};
