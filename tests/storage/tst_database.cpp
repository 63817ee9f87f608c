#include "storage/database.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

namespace {

const QString schemaVersionTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  "
    "applied_at TEXT NOT NULL DEFAULT (datetime('now')))");
const QString initialScript = QStringLiteral(":/sql/sql/migrations/001_initial.sql");
const QString reconSyncScript = QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql");

// Lets a test apply a script of its own choosing, as runMigrations would.
class MigrationHarness : public Database
{
public:
    using Database::applyMigration;
    using Database::Database;
};

QString readScript(const QString& resourcePath)
{
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QStringList column(Database& database, const QString& sql)
{
    QStringList values;
    QSqlQuery query(database.database());
    if (!query.exec(sql))
        return values;
    while (query.next())
        values.append(query.value(0).toString());
    return values;
}

QStringList reconciliationColumns(Database& database)
{
    return column(database, QStringLiteral("SELECT name FROM pragma_table_info('reconciliations') ORDER BY cid"));
}

QStringList ftsMatches(Database& database, const QString& query)
{
    return column(database,
        QStringLiteral("SELECT t.id FROM transactions_fts JOIN transactions t ON t.rowid = transactions_fts.rowid "
                       "WHERE transactions_fts MATCH '%1' ORDER BY t.id")
            .arg(query));
}

bool ftsIndexIsConsistent(Database& database)
{
    return execute(&database, QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')"));
}

} // namespace

class DatabaseTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void migratesANewFile()
    {
        TestDataDirectory directory;
        Database database;
        QSignalSpy applied(&database, &Database::migrationApplied);
        QSignalSpy failed(&database, &Database::migrationError);

        QVERIFY(database.open(Database::databasePath()));
        QVERIFY(database.runMigrations());

        QCOMPARE(failed.count(), 0);
        QCOMPARE(applied.count(), 3);
        QCOMPARE(column(database, QStringLiteral("SELECT version || ' ' || name FROM schema_version ORDER BY version")),
            (QStringList{QStringLiteral("1 initial"), QStringLiteral("2 recon_sync"), QStringLiteral("3 balance_index")}));
        QCOMPARE(scalar(&database, QStringLiteral("SELECT COUNT(*) FROM schema_version WHERE applied_at = ''")).toInt(), 0);

        QCOMPARE(scalar(&database, QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
        QCOMPARE(scalar(&database, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));

        // Every object of both scripts exists: a statement lost by the splitter
        // would show up here.
        const QStringList objects = column(database,
            QStringLiteral("SELECT type || ' ' || name FROM sqlite_master "
                           "WHERE name NOT LIKE 'sqlite_%' AND name NOT LIKE 'transactions_fts_%' ORDER BY type, name"));
        QCOMPARE(objects.join(u','),
            QStringLiteral("index idx_split_lines_transaction_id,index idx_transactions_account_balance,"
                           "index idx_transactions_account_id,index idx_transactions_category_id,"
                           "index idx_transactions_date,index idx_transactions_sync_status,index idx_transactions_transfer_link_id,"
                           "table accounts,table categories,table preferences,table reconciliations,table recurring_transactions,"
                           "table schema_version,table split_lines,table sync_queue,table transaction_templates,table transactions,"
                           "table transactions_fts,trigger transactions_ad,trigger transactions_ai,trigger transactions_au"));
        QCOMPARE(reconciliationColumns(database).join(u','),
            QStringLiteral("id,account_id,statement_date,statement_balance,reconciled_balance,completed_at,version,sync_status,"
                           "server_id,created_at,updated_at,deleted_at"));

        // One account's balance reads the covering index alone, not the rows.
        QSqlQuery plan(database.database());
        QVERIFY(plan.exec(QStringLiteral(
                    "EXPLAIN QUERY PLAN SELECT SUM(amount) FROM transactions WHERE account_id = 'a' AND deleted_at IS NULL"))
            && plan.next());
        const QString planDetail = plan.value(QStringLiteral("detail")).toString();
        QVERIFY2(planDetail.contains(QStringLiteral("COVERING INDEX idx_transactions_account_balance")), qPrintable(planDetail));

        // The foreign keys are enforced, not merely declared.
        QVERIFY(!execute(&database,
            QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                           "VALUES ('t', 'no-such-account', '2024-01-01', 'x', 1, 'c', 'u')")));
    }
    void upgradesAVersionOneFile()
    {
        TestDataDirectory directory;
        {
            MigrationHarness versionOne;
            QVERIFY(versionOne.open(directory.databasePath()));
            QVERIFY(execute(&versionOne, schemaVersionTable));
            const QString script = readScript(initialScript);
            QVERIFY(!script.isEmpty());
            QVERIFY(versionOne.applyMigration(1, QStringLiteral("initial"), script));
            QVERIFY(execute(&versionOne,
                QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                               "VALUES ('a', 'Checking', '2023-01-01T00:00:00Z', '2023-01-01T00:00:00Z')")));
            QVERIFY(execute(&versionOne,
                QStringLiteral("INSERT INTO reconciliations VALUES "
                               "('r1', 'a', '2023-01-31', 1000, 1000, '2023-02-02T10:00:00Z'), "
                               "('r2', 'a', '2023-02-28', 2500, 2500, '2023-03-05T18:30:15Z')")));
            QCOMPARE(reconciliationColumns(versionOne).size(), 6);
        }

        Database database;
        QSignalSpy applied(&database, &Database::migrationApplied);
        QSignalSpy failed(&database, &Database::migrationError);
        QVERIFY(database.open(directory.databasePath()));
        QVERIFY(database.runMigrations());

        QCOMPARE(failed.count(), 0);
        QCOMPARE(applied.at(0), (QVariantList{2, QStringLiteral("recon_sync")}));
        QCOMPARE(scalar(&database, QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), 3);
        QCOMPARE(column(database,
                     QStringLiteral("SELECT id || '|' || created_at || '|' || updated_at || '|' || version || '|' || sync_status "
                                    "|| '|' || IFNULL(server_id, 'null') || '|' || IFNULL(deleted_at, 'null') "
                                    "FROM reconciliations ORDER BY id")),
            (QStringList{QStringLiteral("r1|2023-02-02T10:00:00Z|2023-02-02T10:00:00Z|1|pending|null|null"),
                QStringLiteral("r2|2023-03-05T18:30:15Z|2023-03-05T18:30:15Z|1|pending|null|null")}));
    }
    void failingStatementLeavesTheSchemaAtThePreviousVersion()
    {
        TestDataDirectory directory;
        MigrationHarness database;
        QVERIFY(database.open(directory.databasePath()));
        QVERIFY(execute(&database, schemaVersionTable));
        QVERIFY(database.applyMigration(1, QStringLiteral("initial"), readScript(initialScript)));

        // The real second script, with a table created before it and a statement
        // that cannot run after it: none of it may survive.
        const QString broken = QStringLiteral("CREATE TABLE half_done (id TEXT);\n") + readScript(reconSyncScript)
            + QStringLiteral("\nINSERT INTO no_such_table VALUES (1);\nCREATE TABLE never_reached (id TEXT);\n");
        QSignalSpy applied(&database, &Database::migrationApplied);
        QSignalSpy failed(&database, &Database::migrationError);
        QTest::ignoreMessage(QtCriticalMsg,
            QRegularExpression(QStringLiteral("^Migration 2 failed: .*no_such_table[\\s\\S]*\\nStatement: INSERT INTO no_such_table VALUES \\(1\\)$")));
        QVERIFY(!database.applyMigration(2, QStringLiteral("recon_sync"), broken));

        QCOMPARE(applied.count(), 0);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), 2);
        QCOMPARE(scalar(&database, QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), 1);
        QCOMPARE(scalar(&database, QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name IN ('half_done', 'never_reached')")).toInt(), 0);
        QCOMPARE(reconciliationColumns(database).size(), 6);

        // The failed attempt left no transaction open: the next start retries and succeeds.
        QVERIFY(database.runMigrations());
        QCOMPARE(applied.count(), 2);
        QCOMPARE(reconciliationColumns(database).size(), 12);
    }
    void failedFirstMigrationLeavesANewFileEmpty()
    {
        TestDataDirectory directory;
        {
            MigrationHarness database;
            QVERIFY(database.open(directory.databasePath()));
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Migration 1 failed: ")));
            QVERIFY(!database.applyMigration(1, QStringLiteral("initial"),
                QStringLiteral("CREATE TABLE half_done (id TEXT);\nINSERT INTO no_such_table VALUES (1);\n")));
            // Neither the bookkeeping table nor the journal mode may outlive the failure.
            QCOMPARE(scalar(&database, QStringLiteral("SELECT COUNT(*) FROM sqlite_master")).toInt(), 0);
            QCOMPARE(scalar(&database, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("delete"));
        }
        QCOMPARE(QFileInfo(directory.databasePath()).size(), 0);
    }
    void identifiesWhoseFileItIs_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<int>("failure"); // an OpenFailure

        QTest::newRow("an empty schema_version left by an earlier start")
            << QStringList{schemaVersionTable} << int(OpenFailure::None);
        QTest::newRow("another program's own schema_version")
            << QStringList{QStringLiteral("CREATE TABLE schema_version (version INTEGER, script TEXT)"),
                   QStringLiteral("INSERT INTO schema_version VALUES (1, 'users'), (7, 'sessions')"),
                   QStringLiteral("CREATE TABLE users (id INTEGER PRIMARY KEY)")}
            << int(OpenFailure::NotOurs);
        QTest::newRow("a register of ours from a newer version")
            << QStringList{schemaVersionTable,
                   QStringLiteral("INSERT INTO schema_version (version, name) VALUES (1, 'initial'), (%1, 'later')")
                       .arg(Database::latestSchemaVersion() + 1)}
            << int(OpenFailure::NewerVersion);
    }
    void identifiesWhoseFileItIs()
    {
        QFETCH(QStringList, statements);
        QFETCH(int, failure);
        TestDataDirectory directory;
        Database database;
        QVERIFY(database.open(directory.databasePath()));
        for (const QString& statement : statements)
            QVERIFY(execute(&database, statement));

        if (failure != int(OpenFailure::None))
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database: ")));
        QCOMPARE(database.runMigrations(), failure == int(OpenFailure::None));
        QCOMPARE(int(database.openFailure()), failure);
    }
    void splitsStatements_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");

        QTest::newRow("empty script") << QString() << QStringList();
        QTest::newRow("one statement per line")
            << QStringLiteral("CREATE TABLE a (x);\nCREATE TABLE b (y);\n")
            << QStringList{QStringLiteral("CREATE TABLE a (x)"), QStringLiteral("CREATE TABLE b (y)")};
        QTest::newRow("trigger body with several inner statements")
            << QStringLiteral("CREATE TABLE a (x);\n"
                              "CREATE TRIGGER a_ai AFTER INSERT ON a BEGIN\n"
                              "    INSERT INTO b VALUES (1);\n"
                              "    INSERT INTO b VALUES (2);\n"
                              "    UPDATE b SET y = 3;\n"
                              "END;\n"
                              "SELECT 1;\n")
            << QStringList{QStringLiteral("CREATE TABLE a (x)"),
                   QStringLiteral("CREATE TRIGGER a_ai AFTER INSERT ON a BEGIN\n"
                                  "    INSERT INTO b VALUES (1);\n"
                                  "    INSERT INTO b VALUES (2);\n"
                                  "    UPDATE b SET y = 3;\n"
                                  "END"),
                   QStringLiteral("SELECT 1")};
        QTest::newRow("comment lines before and inside a statement")
            << QStringLiteral("-- header\n  -- indented comment\nCREATE TABLE a (\n    -- the key\n    id TEXT\n);\n")
            << QStringList{QStringLiteral("CREATE TABLE a (\n    id TEXT\n)")};
        QTest::newRow("comment line inside a trigger")
            << QStringLiteral("CREATE TRIGGER t AFTER INSERT ON a BEGIN\n-- keep b current; always\n    INSERT INTO b VALUES (1);\nEND;")
            << QStringList{QStringLiteral("CREATE TRIGGER t AFTER INSERT ON a BEGIN\n    INSERT INTO b VALUES (1);\nEND")};
        QTest::newRow("CR LF line ends")
            << QStringLiteral("-- comment\r\n\r\nALTER TABLE a ADD COLUMN b TEXT;\r\nUPDATE a SET b = c\r\nWHERE b IS NULL;\r\n")
            << QStringList{QStringLiteral("ALTER TABLE a ADD COLUMN b TEXT"), QStringLiteral("UPDATE a SET b = c\r\nWHERE b IS NULL")};
        QTest::newRow("final statement without a semicolon")
            << QStringLiteral("SELECT 1;\nSELECT 2\n")
            << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")};
        QTest::newRow("lone semicolon lines")
            << QStringLiteral(";\nSELECT 1;\n  ;  \n\n;\nSELECT 2;\n;")
            << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")};
        QTest::newRow("END outside a trigger")
            << QStringLiteral("SELECT CASE WHEN 1 THEN 2\nEND;\nSELECT 3;")
            << QStringList{QStringLiteral("SELECT CASE WHEN 1 THEN 2\nEND"), QStringLiteral("SELECT 3")};
    }
    void splitsStatements()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(Database::splitStatements(script), statements);
    }
    void fullTextTriggersFollowTheTransactions()
    {
        TestDatabase test;
        Database& database = *test.database();
        QVERIFY(execute(&database,
            QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'Checking', 'c', 'u')")));
        QVERIFY(execute(&database,
            QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, created_at, updated_at) "
                           "VALUES ('t1', 'a', '2024-01-02', 'Green Grocer', 'weekly shop', -2500, '1042', 'c', 'u'), "
                           "('t2', 'a', '2024-01-03', 'Power Company', NULL, -9000, NULL, 'c', 'u')")));
        QCOMPARE(ftsMatches(database, QStringLiteral("grocer OR shop OR 1042")), QStringList{QStringLiteral("t1")});
        QCOMPARE(ftsMatches(database, QStringLiteral("power")), QStringList{QStringLiteral("t2")});

        QVERIFY(execute(&database, QStringLiteral("UPDATE transactions SET payee = 'Corner Bakery' WHERE id = 't1'")));
        QCOMPARE(ftsMatches(database, QStringLiteral("grocer")), QStringList());
        QCOMPARE(ftsMatches(database, QStringLiteral("bakery AND shop")), QStringList{QStringLiteral("t1")});

        // Soft deletion is an update: the row stays findable in the index.
        QVERIFY(execute(&database, QStringLiteral("UPDATE transactions SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 't1'")));
        QCOMPARE(ftsMatches(database, QStringLiteral("bakery")), QStringList{QStringLiteral("t1")});
        QVERIFY(execute(&database, QStringLiteral("DELETE FROM transactions WHERE id = 't1'")));
        QCOMPARE(ftsMatches(database, QStringLiteral("bakery")), QStringList());
        QCOMPARE(ftsMatches(database, QStringLiteral("power")), QStringList{QStringLiteral("t2")});
        QVERIFY(ftsIndexIsConsistent(database));
    }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
