#include "storage/database.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

const QString schemaVersionTable = u"CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  "
                                   "applied_at TEXT NOT NULL DEFAULT (datetime('now')))"_s;

// Lets a test apply a script of its own choosing, as runMigrations would.
class MigrationHarness : public Database
{
public:
    using Database::applyMigration;
    using Database::Database;
};

QString readScript(const QString& name)
{
    QFile file(u":/sql/sql/migrations/"_s + name);
    return file.open(QIODevice::ReadOnly | QIODevice::Text) ? QString::fromUtf8(file.readAll()) : QString();
}

int reconciliationColumnCount(Database& database)
{
    return scalar(&database, u"SELECT COUNT(*) FROM pragma_table_info('reconciliations')"_s).toInt();
}

QStringList ftsMatches(Database& database, const QString& query)
{
    return rows(&database, u"SELECT t.id FROM transactions_fts JOIN transactions t ON t.rowid = transactions_fts.rowid "
                          "WHERE transactions_fts MATCH '%1' ORDER BY t.id"_s.arg(query));
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
        QCOMPARE(applied.count(), 7);
        QCOMPARE(rows(&database, u"SELECT version || ' ' || name FROM schema_version WHERE applied_at != '' ORDER BY version"_s),
            (QStringList{u"1 initial"_s, u"2 recon_sync"_s, u"3 balance_index"_s, u"4 report_indexes"_s, u"5 statement_ids"_s,
                u"6 server_id_indexes"_s, u"7 search_index_trigger"_s}));
        QCOMPARE(scalar(&database, u"PRAGMA foreign_keys"_s).toInt(), 1);
        QCOMPARE(scalar(&database, u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
    }

    void upgradesAVersionOneFile()
    {
        TestDataDirectory directory;
        {
            MigrationHarness versionOne;
            QVERIFY(versionOne.open(directory.databasePath()));
            QVERIFY(execute(&versionOne, schemaVersionTable));
            QVERIFY(versionOne.applyMigration(1, u"initial"_s, readScript(u"001_initial.sql"_s)));
            QVERIFY(execute(&versionOne, u"INSERT INTO accounts (id, name, created_at, updated_at) "
                                         "VALUES ('a', 'Checking', '2023-01-01T00:00:00Z', '2023-01-01T00:00:00Z')"_s));
            QVERIFY(execute(&versionOne, u"INSERT INTO reconciliations VALUES ('r1', 'a', '2023-01-31', 1000, 1000, "
                                         "'2023-02-02T10:00:00Z'), ('r2', 'a', '2023-02-28', 2500, 2500, '2023-03-05T18:30:15Z')"_s));
            QCOMPARE(reconciliationColumnCount(versionOne), 6);
        }

        Database database;
        QSignalSpy applied(&database, &Database::migrationApplied);
        QSignalSpy failed(&database, &Database::migrationError);
        QVERIFY(database.open(directory.databasePath()));
        QVERIFY(database.runMigrations());

        QCOMPARE(failed.count(), 0);
        QCOMPARE(applied.at(0), (QVariantList{2, u"recon_sync"_s}));
        QCOMPARE(scalar(&database, u"SELECT MAX(version) FROM schema_version"_s).toInt(), Database::latestSchemaVersion());
        QCOMPARE(rows(&database, u"SELECT id || '|' || created_at || '|' || updated_at || '|' || version || '|' || sync_status "
                                  "|| '|' || IFNULL(server_id, 'null') || '|' || IFNULL(deleted_at, 'null') "
                                  "FROM reconciliations ORDER BY id"_s),
            (QStringList{u"r1|2023-02-02T10:00:00Z|2023-02-02T10:00:00Z|1|pending|null|null"_s,
                u"r2|2023-03-05T18:30:15Z|2023-03-05T18:30:15Z|1|pending|null|null"_s}));
    }

    void upgradesAVersionThreeFileToTheReportIndexes()
    {
        TestDataDirectory directory;
        {
            MigrationHarness versionThree;
            QVERIFY(versionThree.open(directory.databasePath()));
            QVERIFY(execute(&versionThree, schemaVersionTable));
            QVERIFY(versionThree.applyMigration(1, u"initial"_s, readScript(u"001_initial.sql"_s)));
            QVERIFY(versionThree.applyMigration(2, u"recon_sync"_s, readScript(u"002_recon_sync.sql"_s)));
            QVERIFY(versionThree.applyMigration(3, u"balance_index"_s, readScript(u"003_balance_index.sql"_s)));
            QVERIFY(execute(&versionThree, u"INSERT INTO accounts (id, name, created_at, updated_at) "
                                           "VALUES ('a', 'Checking', '2023-01-01T00:00:00Z', '2023-01-01T00:00:00Z')"_s));
            QVERIFY(execute(&versionThree, u"INSERT INTO transactions (id, account_id, date, payee, amount, cleared, "
                                           "created_at, updated_at, deleted_at) VALUES "
                                           "('t1', 'a', '2023-02-01', 'Grocer', -1250, 1, 'x', 'x', NULL), "
                                           "('t2', 'a', '2023-02-02', 'Grocer', -300, 0, 'x', 'x', NULL), "
                                           "('t3', 'a', '2023-02-03', 'Grocer', -999, 0, 'x', 'x', '2023-03-01T00:00:00Z')"_s));
        }

        Database database;
        QSignalSpy applied(&database, &Database::migrationApplied);
        QVERIFY(database.open(directory.databasePath()));
        QVERIFY(database.runMigrations());

        QCOMPARE(applied.count(), Database::latestSchemaVersion() - 3);
        QCOMPARE(applied.at(0), (QVariantList{4, u"report_indexes"_s}));
        QCOMPARE(rows(&database, u"SELECT id || '|' || amount || '|' || cleared || '|' || IFNULL(deleted_at, 'live') "
                                  "FROM transactions ORDER BY id"_s),
            (QStringList{u"t1|-1250|1|live"_s, u"t2|-300|0|live"_s, u"t3|-999|0|2023-03-01T00:00:00Z"_s}));
        // The report indexes hold live rows only; the balance index keeps its name.
        QCOMPARE(rows(&database, u"SELECT name FROM sqlite_master WHERE type = 'index' AND sql LIKE '%WHERE deleted_at IS NULL' "
                                  "ORDER BY name"_s),
            (QStringList{u"idx_transactions_live_category"_s, u"idx_transactions_live_date"_s,
                u"idx_transactions_live_newest"_s, u"idx_transactions_live_payee"_s}));
        QCOMPARE(scalar(&database, u"SELECT COUNT(*) FROM pragma_index_info('idx_transactions_live_date')"_s).toInt(), 8);
        QCOMPARE(rows(&database, u"SELECT name FROM pragma_index_info('idx_transactions_account_balance') ORDER BY seqno"_s),
            (QStringList{u"account_id"_s, u"deleted_at"_s, u"cleared"_s, u"amount"_s}));

        // Cleared and uncleared sums of an account read that index alone.
        const QString plan = rows(&database, u"EXPLAIN QUERY PLAN SELECT SUM(CASE WHEN cleared = 1 THEN amount ELSE 0 END) "
                                             "FROM transactions WHERE account_id = 'a' AND deleted_at IS NULL"_s).join(u' ');
        QVERIFY2(plan.contains(u"COVERING INDEX idx_transactions_account_balance"_s), qPrintable(plan));
    }

    void failingStatementLeavesTheSchemaAtThePreviousVersion()
    {
        TestDataDirectory directory;
        MigrationHarness database;
        QVERIFY(database.open(directory.databasePath()));
        QVERIFY(execute(&database, schemaVersionTable));
        QVERIFY(database.applyMigration(1, u"initial"_s, readScript(u"001_initial.sql"_s)));

        // The real second script, with a table created before it and a statement
        // that cannot run after it: none of it may survive.
        const QString broken = u"CREATE TABLE half_done (id TEXT);\n"_s + readScript(u"002_recon_sync.sql"_s)
            + u"\nINSERT INTO no_such_table VALUES (1);\nCREATE TABLE never_reached (id TEXT);\n"_s;
        QSignalSpy applied(&database, &Database::migrationApplied);
        QSignalSpy failed(&database, &Database::migrationError);
        QTest::ignoreMessage(QtCriticalMsg,
            QRegularExpression(u"^Migration 2 failed: .*no_such_table[\\s\\S]*\\nStatement: INSERT INTO no_such_table VALUES \\(1\\)$"_s));
        QVERIFY(!database.applyMigration(2, u"recon_sync"_s, broken));

        QCOMPARE(applied.count(), 0);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.at(0).at(0).toInt(), 2);
        QCOMPARE(scalar(&database, u"SELECT MAX(version) FROM schema_version"_s).toInt(), 1);
        QCOMPARE(scalar(&database, u"SELECT COUNT(*) FROM sqlite_master WHERE name IN ('half_done', 'never_reached')"_s).toInt(), 0);
        QCOMPARE(reconciliationColumnCount(database), 6);

        // The failed attempt left no transaction open: the next start retries and succeeds.
        QVERIFY(database.runMigrations());
        QCOMPARE(applied.count(), Database::latestSchemaVersion() - 1);
        QCOMPARE(reconciliationColumnCount(database), 12);
    }

    void failedFirstMigrationLeavesANewFileEmpty()
    {
        TestDataDirectory directory;
        {
            MigrationHarness database;
            QVERIFY(database.open(directory.databasePath()));
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(u"^Migration 1 failed: "_s));
            QVERIFY(!database.applyMigration(1, u"initial"_s, u"CREATE TABLE half_done (id TEXT);\nINSERT INTO no_such_table VALUES (1);\n"_s));
            // Neither the bookkeeping table nor the journal mode may outlive the failure.
            QCOMPARE(scalar(&database, u"SELECT COUNT(*) FROM sqlite_master"_s).toInt(), 0);
            QCOMPARE(scalar(&database, u"PRAGMA journal_mode"_s).toString(), u"delete"_s);
        }
        QCOMPARE(QFileInfo(directory.databasePath()).size(), 0);
    }

    void identifiesWhoseFileItIs_data()
    {
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<int>("failure"); // an OpenFailure

        QTest::newRow("an empty schema_version left by an earlier start") << QStringList{schemaVersionTable} << int(OpenFailure::None);
        QTest::newRow("another program's own schema_version")
            << QStringList{u"CREATE TABLE schema_version (version INTEGER, script TEXT)"_s,
                   u"INSERT INTO schema_version VALUES (1, 'users'), (7, 'sessions')"_s, u"CREATE TABLE users (id INTEGER PRIMARY KEY)"_s}
            << int(OpenFailure::NotOurs);
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
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(u"^Failed to open database: "_s));
        QCOMPARE(database.runMigrations(), failure == int(OpenFailure::None));
        QCOMPARE(int(database.openFailure()), failure);
    }

    void splitsStatements_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("statements");

        QTest::newRow("trigger body with several inner statements")
            << u"CREATE TABLE a (x);\nCREATE TRIGGER a_ai AFTER INSERT ON a BEGIN\n    INSERT INTO b VALUES (1);\n"
               "    UPDATE b SET y = 3;\nEND;\nSELECT 1;\n"_s
            << QStringList{u"CREATE TABLE a (x)"_s,
                   u"CREATE TRIGGER a_ai AFTER INSERT ON a BEGIN\n    INSERT INTO b VALUES (1);\n    UPDATE b SET y = 3;\nEND"_s, u"SELECT 1"_s};
        QTest::newRow("comment lines, one ending in a semicolon inside a statement")
            << u"-- header\n  -- indented comment\nCREATE TABLE a (\n    -- the key;\n    id TEXT\n);\n"_s
            << QStringList{u"CREATE TABLE a (\n    id TEXT\n)"_s};
        QTest::newRow("CR LF line ends")
            << u"-- comment\r\n\r\nALTER TABLE a ADD COLUMN b TEXT;\r\nUPDATE a SET b = c\r\nWHERE b IS NULL;\r\n"_s
            << QStringList{u"ALTER TABLE a ADD COLUMN b TEXT"_s, u"UPDATE a SET b = c\r\nWHERE b IS NULL"_s};
        QTest::newRow("lone semicolon lines and a last statement without one")
            << u";\nSELECT 1;\n  ;  \n\n;\nSELECT 2\n"_s << QStringList{u"SELECT 1"_s, u"SELECT 2"_s};
        QTest::newRow("END outside a trigger")
            << u"SELECT CASE WHEN 1 THEN 2\nEND;\nSELECT 3;"_s << QStringList{u"SELECT CASE WHEN 1 THEN 2\nEND"_s, u"SELECT 3"_s};
    }

    void splitsStatements()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, statements);
        QCOMPARE(Database::splitStatements(script), statements);
    }

    // The search index follows every write and stays consistent, which the
    // start-up check for damage relies on.
    void fullTextTriggersFollowTheTransactions()
    {
        TestDatabase test;
        Database& database = *test.database();
        QVERIFY(execute(&database, u"INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'Checking', 'c', 'u')"_s));
        QVERIFY(execute(&database, u"INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, created_at, "
                                   "updated_at) VALUES ('t1', 'a', '2024-01-02', 'Green Grocer', 'weekly shop', -2500, '1042', 'c', 'u')"_s));
        QCOMPARE(ftsMatches(database, u"grocer AND shop AND 1042"_s), QStringList{u"t1"_s});

        QVERIFY(execute(&database, u"UPDATE transactions SET payee = 'Corner Bakery' WHERE id = 't1'"_s));
        QCOMPARE(ftsMatches(database, u"grocer"_s), QStringList());
        QCOMPARE(ftsMatches(database, u"bakery AND shop"_s), QStringList{u"t1"_s});
        QVERIFY(execute(&database, u"UPDATE transactions SET check_number = '1043', sync_status = 'synced', cleared = 1 WHERE id = 't1'"_s));
        QCOMPARE(ftsMatches(database, u"1042"_s), QStringList());
        QCOMPARE(ftsMatches(database, u"bakery AND 1043"_s), QStringList{u"t1"_s});
        // A write of columns the index does not hold leaves it alone.
        QVERIFY(execute(&database, u"UPDATE transactions SET sync_status = 'pending', version = 2 WHERE id = 't1'"_s));
        QVERIFY(execute(&database, u"INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')"_s));
        QCOMPARE(ftsMatches(database, u"bakery AND 1043"_s), QStringList{u"t1"_s});
        // Soft deletion is an update: the row stays findable in the index.
        QVERIFY(execute(&database, u"UPDATE transactions SET deleted_at = '2024-02-01T00:00:00Z' WHERE id = 't1'"_s));
        QCOMPARE(ftsMatches(database, u"bakery"_s), QStringList{u"t1"_s});
        QVERIFY(execute(&database, u"DELETE FROM transactions WHERE id = 't1'"_s));
        QCOMPARE(ftsMatches(database, u"bakery"_s), QStringList());
        QVERIFY(execute(&database, u"INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')"_s));
    }
};

QTEST_GUILESS_MAIN(DatabaseTest)
#include "tst_database.moc"
