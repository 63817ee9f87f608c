// Backups: every row of the register out to a ZIP archive and back in, the
// three restore modes on the same register, and archives no export of ours
// makes (hostile or damaged) refused with nothing written.

#include "services/backup/backupservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "support/storagetesting.h"
#include "support/testworld.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <memory>
#include <quazip.h>
#include <quazipfile.h>

using namespace Qt::StringLiterals;
using Mode = BackupService::RestoreMode;

namespace {

const QStringList tables{u"accounts"_s, u"categories"_s, u"transactions"_s, u"split_lines"_s,
    u"recurring_transactions"_s, u"reconciliations"_s};
const QStringList syncColumns{u"version"_s, u"sync_status"_s, u"server_id"_s};

// Every row of the six tables as text, in id order; without the sync
// columns a restore resets unless `withSync`.
QStringList rowsOf(Database* database, bool withSync = true)
{
    QStringList rows;
    for (const QString& table : tables) {
        QSqlQuery query(database->database());
        if (!query.exec(u"SELECT * FROM %1 ORDER BY id"_s.arg(table)))
            return {u"unreadable %1"_s.arg(table)};
        while (query.next()) {
            QStringList cells{table};
            for (int column = 0; column < query.record().count(); ++column) {
                if (withSync || !syncColumns.contains(query.record().fieldName(column)))
                    cells.append(query.isNull(column) ? u"NULL"_s : query.value(column).toString());
            }
            rows.append(cells.join(u'|'));
        }
    }
    return rows;
}

struct Entry
{
    QString name;
    QByteArray bytes;
};

const Entry header{u"manifest.json"_s, "{\"version\": 1, \"exportedAt\": \"2024-05-20T12:00:00Z\"}"};

QByteArray accountRow(const QString& id, const QString& extraMember = QString())
{
    return u"{\"id\": \"%1\", \"name\": \"Restored %1\", \"account_type\": \"checking\", \"currency\": \"USD\", \"starting_balance\": 0, "
           "\"created_at\": \"2024-01-01T09:00:00Z\", \"updated_at\": \"2024-01-01T09:00:00Z\"%2}"_s.arg(id, extraMember).toUtf8();
}

const Entry good{u"accounts/good.json"_s, accountRow(u"good"_s)};

// Writes a ZIP archive of `entries` as any ZIP tool could.
bool writeZip(const QString& path, const QList<Entry>& entries)
{
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdCreate))
        return false;
    for (const Entry& entry : entries) {
        QuaZipFile file(&zip);
        if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry.name)) || file.write(entry.bytes) != entry.bytes.size())
            return false;
        file.close();
    }
    zip.close();
    return zip.getZipError() == ZIP_OK;
}

QStringList entryNames(const QString& path)
{
    QuaZip zip(path);
    return zip.open(QuaZip::mdUnzip) ? zip.getFileNameList() : QStringList();
}

} // namespace

class TestBackupService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_service = m_world->appState.backupService();
        m_database = m_world->appState.database();
        m_backup = m_world->dataDirectory.path() + u"/backup.zip"_s;
    }
    void cleanup() { m_world.reset(); }

    void roundTrip_data()
    {
        QTest::addColumn<bool>("seeded");
        QTest::newRow("every table") << true;
        QTest::newRow("empty register") << false;
    }
    void roundTrip()
    {
        QFETCH(bool, seeded);
        if (seeded)
            seed();
        else
            emptyTheRegister();
        QVERIFY(execute(m_database, u"UPDATE accounts SET sync_status = 'synced', server_id = 'server-1', version = 4"_s));
        const QStringList before = rowsOf(m_database, false);
        const ExportResult exported = m_service->exportTo(m_backup);
        QVERIFY2(exported.succeeded(), qPrintable(exported.message()));
        QCOMPARE(exported.rowCount(), before.size());
        QCOMPARE(entryNames(m_backup).size(), before.size() + 1);
        // An id travels as a value: no file name made from one leaves its folder.
        const QRegularExpression safeName(u"^(manifest|[a-z_]+/[A-Za-z0-9_-][A-Za-z0-9._-]*)\\.json$"_s);
        for (const QString& name : entryNames(m_backup))
            QVERIFY2(safeName.match(name).hasMatch(), qPrintable(name));
        QCOMPARE(QFile::permissions(m_backup) & ~(QFile::ReadUser | QFile::WriteUser), QFile::ReadOwner | QFile::WriteOwner);
        // Any other ZIP reader takes the archive as sound.
        if (const QString unzip = QStandardPaths::findExecutable(u"unzip"_s); !unzip.isEmpty())
            QCOMPARE(QProcess::execute(unzip, {u"-tqq"_s, m_backup}), 0);

        emptyTheRegister();
        const RestoreResult restored = m_service->restoreFrom(m_backup, Mode::SkipExisting);
        QCOMPARE(restored.errors(), QStringList());
        QCOMPARE(restored.written(), before.size());
        QCOMPARE(restored.skipped(), 0);
        QCOMPARE(rowsOf(m_database, false), before);
        // Restored rows are uploaded again, as new rows.
        QCOMPARE(scalar(m_database, u"SELECT COUNT(*) FROM accounts WHERE sync_status != 'pending' OR server_id IS NOT NULL "
                                    "OR version != 1"_s).toInt(), 0);
    }

    void modes_data()
    {
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("changedLaterKept");
        QTest::addColumn<bool>("changedEarlierKept");
        QTest::addColumn<int>("replaced");
        // A row changed here after the backup, one changed here but stamped
        // before the backup's copy, and one removed since.
        QTest::newRow("skip existing") << Mode::SkipExisting << true << true << 0;
        QTest::newRow("replace all") << Mode::ReplaceAll << false << false << -1;
        QTest::newRow("keep newer") << Mode::KeepNewer << true << false << 1;
    }
    void modes()
    {
        QFETCH(Mode, mode);
        QFETCH(bool, changedLaterKept);
        QFETCH(bool, changedEarlierKept);
        QFETCH(int, replaced);
        const Account checking = m_world->addAccount(u"Checking"_s);
        const Transaction later = m_world->addTransaction(checking.id, QDate(2024, 5, 1), u"Grocer"_s, -100);
        const Transaction earlier = m_world->addTransaction(checking.id, QDate(2024, 5, 2), u"Bakery"_s, -200);
        const Transaction removed = m_world->addTransaction(checking.id, QDate(2024, 5, 3), u"Garage"_s, -300);
        QVERIFY(execute(m_database, u"UPDATE transactions SET version = 3"_s));
        QVERIFY(m_service->exportTo(m_backup).succeeded());
        const qsizetype total = rowsOf(m_database).size();

        const QString change = u"UPDATE transactions SET payee = 'Local', version = ?, updated_at = ? WHERE id = ?"_s;
        QVERIFY(execute(m_database, change, {5, u"2030-01-01T00:00:00Z"_s, later.id}));
        QVERIFY(execute(m_database, change, {2, u"2000-01-01T00:00:00Z"_s, earlier.id}));
        QVERIFY(execute(m_database, u"DELETE FROM transactions WHERE id = ?"_s, {removed.id}));
        const RestoreResult result = m_service->restoreFrom(m_backup, mode);
        QCOMPARE(result.errors(), QStringList());
        const qsizetype written = 1 + (replaced < 0 ? total - 1 : replaced);
        QCOMPARE(result.written(), written);
        QCOMPARE(result.skipped(), total - written);
        const auto stored = [&](const Transaction& row) {
            return scalar(m_database, u"SELECT payee || '/' || version || '/' || sync_status FROM transactions WHERE id = ?"_s, {row.id})
                .toString();
        };
        // A row that was gone comes back as new; a replaced one goes above
        // both its stored version and the backup's, and is uploaded again.
        QCOMPARE(stored(removed), removed.payee + u"/1/pending"_s);
        QCOMPARE(stored(later), changedLaterKept ? u"Local/5/pending"_s : later.payee + u"/6/pending"_s);
        QCOMPARE(stored(earlier), changedEarlierKept ? u"Local/2/pending"_s : earlier.payee + u"/4/pending"_s);
    }

    void refusesArchivesNoBackupHolds_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<QString>("error");
        const auto besideGood = [](const QString& name, const QByteArray& bytes) { return QList<Entry>{header, good, {name, bytes}}; };
        QTest::newRow("version 2") << QList<Entry>{good, {u"manifest.json"_s, "{\"version\": 2}"}} << u"Unsupported backup version: 2"_s;
        QTest::newRow("no manifest") << QList<Entry>{good} << u"Invalid backup: missing manifest.json"_s;
        QTest::newRow("empty manifest") << QList<Entry>{good, {u"manifest.json"_s, {}}} << u"Invalid backup: missing manifest.json"_s;
        QTest::newRow("member that is no column")
            << besideGood(u"accounts/evil.json"_s, accountRow(u"evil"_s, u", \"name\\\" = 'x'; DROP TABLE accounts; --\": 1"_s))
            << u"accounts/evil.json: \"name\" = 'x'; DROP TABLE accounts; --\" is no column of accounts"_s;
        QTest::newRow("column of another table") << besideGood(u"accounts/payee.json"_s, accountRow(u"payee"_s, u", \"payee\": \"x\""_s))
                                                 << u"accounts/payee.json: \"payee\" is no column of accounts"_s;
        QTest::newRow("unknown table folder") << besideGood(u"preferences/theme.json"_s, "{\"key\": \"theme\", \"value\": \"dark\"}")
                                              << u"preferences/theme.json: not part of a backup"_s;
        QTest::newRow("parent folder") << besideGood(u"accounts/../../x.json"_s, accountRow(u"x"_s)) << u"accounts/../../x.json: unsafe entry name"_s;
        QTest::newRow("absolute") << besideGood(u"/accounts/x.json"_s, accountRow(u"x"_s)) << u"/accounts/x.json: unsafe entry name"_s;
        QTest::newRow("backslash") << besideGood(u"accounts\\..\\x.json"_s, accountRow(u"x"_s)) << u"accounts\\..\\x.json: unsafe entry name"_s;
        QTest::newRow("zip bomb") << besideGood(u"accounts/bomb.json"_s, QByteArray(900 * 1024, ' '))
                                  << u"accounts/bomb.json: compressed beyond any row file (a zip bomb)"_s;
        QByteArray large;
        for (int line = 0; large.size() <= 1024 * 1024; ++line)
            large += QCryptographicHash::hash(QByteArray::number(line), QCryptographicHash::Sha256).toHex();
        QTest::newRow("entry above a megabyte") << besideGood(u"accounts/large.json"_s, large) << u"accounts/large.json: larger than any row file"_s;
        QTest::newRow("malformed JSON") << besideGood(u"accounts/broken.json"_s, "{\"id\": \"broken\",") << u"accounts/broken.json: invalid JSON"_s;
        QTest::newRow("no object") << besideGood(u"accounts/list.json"_s, "[1, 2]") << u"accounts/list.json: invalid JSON"_s;
        QTest::newRow("no id") << besideGood(u"accounts/anonymous.json"_s, "{\"name\": \"x\"}") << u"accounts/anonymous.json: the row has no id"_s;
        QTest::newRow("value no column holds") << besideGood(u"accounts/array.json"_s, accountRow(u"array"_s, u", \"sort_order\": [1]"_s))
                                               << u"accounts/array.json: the value of \"sort_order\" cannot be stored"_s;
        QTest::newRow("failing row statement") << besideGood(u"accounts/nameless.json"_s, "{\"id\": \"nameless\", \"name\": null}")
                                               << u"accounts/nameless.json: the row could not be written"_s;
        QTest::newRow("reference to nothing")
            << besideGood(u"recurring/orphan.json"_s, "{\"id\": \"orphan\", \"account_id\": \"missing\", \"payee\": \"x\", \"amount\": 1, "
                                                      "\"start_date\": \"2024-01-01\", \"next_due_date\": \"2024-02-01\", \"created_at\": \"x\", \"updated_at\": \"x\"}")
            << u"recurring_transactions/orphan: refers to a row that is neither in the backup nor in the register"_s;
    }
    void refusesArchivesNoBackupHolds()
    {
        QFETCH(QList<Entry>, entries);
        QFETCH(QString, error);
        seed();
        const QStringList before = rowsOf(m_database);
        QVERIFY(writeZip(m_backup, entries));
        for (const Mode mode : {Mode::SkipExisting, Mode::ReplaceAll, Mode::KeepNewer}) {
            const RestoreResult result = m_service->restoreFrom(m_backup, mode);
            QVERIFY2(result.errors().value(0).startsWith(error), qPrintable(result.errors().join(u'\n')));
            QCOMPARE(result.written(), 0);
            QCOMPARE(result.title(), u"Import Failed"_s);
            QCOMPARE(rowsOf(m_database), before);
        }
    }

    void refusesFilesThatAreNoArchive_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("text file") << QByteArray("text file") << u"Failed to open ZIP archive"_s;
        QTest::newRow("truncated") << QByteArray("truncated") << u"Failed to open ZIP archive"_s;
        QTest::newRow("missing") << QByteArray("missing") << u"Could not read file."_s;
    }
    void refusesFilesThatAreNoArchive()
    {
        QFETCH(QByteArray, damage);
        QFETCH(QString, error);
        seed();
        QVERIFY(m_service->exportTo(m_backup).succeeded());
        emptyTheRegister();
        QFile file(m_backup);
        if (damage == "text file")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Date,Payee,Amount\n") > 0);
        else
            QVERIFY(damage == "truncated" ? file.resize(file.size() / 2) : file.remove());
        file.close();
        QCOMPARE(m_service->restoreFrom(m_backup, Mode::ReplaceAll).errors(), QStringList{error});
        QCOMPARE(rowsOf(m_database), QStringList());
    }

    void takesArchivesOfOtherMakers_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("skipped");
        // Notes, folders and other files beside the rows are no rows.
        QTest::newRow("files beside the rows") << QList<Entry>{header, {u"readme.txt"_s, "notes"}, {u"notes.json"_s, "{}"},
            {u"accounts/"_s, {}}, {u"accounts/readme.txt"_s, "x"}, good} << Mode::SkipExisting << 1 << 0;
        // A row that comes twice meets its first copy as a stored row.
        const QList<Entry> twice{header, good, {u"accounts/copy.json"_s, good.bytes}};
        QTest::newRow("row twice, skip existing") << twice << Mode::SkipExisting << 1 << 1;
        QTest::newRow("row twice, replace all") << twice << Mode::ReplaceAll << 2 << 0;
    }
    void takesArchivesOfOtherMakers()
    {
        QFETCH(QList<Entry>, entries);
        QFETCH(Mode, mode);
        QFETCH(int, written);
        QFETCH(int, skipped);
        QVERIFY(writeZip(m_backup, entries));
        const RestoreResult result = m_service->restoreFrom(m_backup, mode);
        QCOMPARE(result.errors(), QStringList());
        QCOMPARE(result.written(), written);
        QCOMPARE(result.skipped(), skipped);
        QCOMPARE(scalar(m_database, u"SELECT version FROM accounts WHERE id = 'good'"_s).toInt(), written);
    }

    void screensHearOnceAfterTheCommit()
    {
        const Account checking = m_world->addAccount(u"Checking"_s);
        const Account savings = m_world->addAccount(u"Savings"_s);
        for (int row = 0; row < 3; ++row) {
            m_world->addTransaction(checking.id, QDate(2024, 5, 1), u"Grocer"_s, -100);
            m_world->addTransaction(savings.id, QDate(2024, 5, 1), u"Bank"_s, 100);
        }
        QVERIFY(m_service->exportTo(m_backup).succeeded());
        AppState& state = m_world->appState;
        bool committed = true;
        connect(state.accounts(), &AccountRepository::accountsChanged, this,
            [&committed, this] { committed = committed && !m_database->isInTransaction(); });
        QSignalSpy accounts(state.accounts(), &AccountRepository::accountsChanged);
        QSignalSpy categories(state.categories(), &CategoryRepository::categoriesChanged);
        QSignalSpy recurring(state.recurring(), &RecurringRepository::recurringChanged);
        QSignalSpy transactions(state.transactions(), &TransactionRepository::transactionsChanged);
        QVERIFY(m_service->restoreFrom(m_backup, Mode::ReplaceAll).succeeded());
        QVERIFY(committed);
        QCOMPARE(QList<qsizetype>({accounts.size(), categories.size(), recurring.size()}), QList<qsizetype>({1, 1, 0}));
        QStringList changed = firstArguments(transactions);
        changed.sort();
        QCOMPARE(changed, (checking.id < savings.id ? QStringList{checking.id, savings.id} : QStringList{savings.id, checking.id}));
        // Rows left as they were change nothing a screen shows.
        for (QSignalSpy* spy : {&accounts, &categories, &transactions})
            spy->clear();
        QVERIFY(m_service->restoreFrom(m_backup, Mode::SkipExisting).succeeded());
        QCOMPARE(QList<qsizetype>({accounts.size(), categories.size(), transactions.size()}), QList<qsizetype>({0, 0, 0}));
    }

    void cancelledRestoreChangesNothing()
    {
        seed();
        QVERIFY(m_service->exportTo(m_backup).succeeded());
        emptyTheRegister();
        connect(m_service, &BackupService::progressed, m_service, &BackupService::cancel);
        const RestoreResult result = m_service->restoreFrom(m_backup, Mode::SkipExisting);
        QCOMPARE(result.errors(), QStringList{u"The restore was cancelled; nothing was changed."_s});
        QCOMPARE(rowsOf(m_database), QStringList());
    }

    void failedExportKeepsTheOldArchive()
    {
        seed();
        QFile old(m_backup);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the good backup of yesterday") > 0);
        old.close();
        // A table that cannot be read fails the whole export.
        QVERIFY(execute(m_database, u"DROP TABLE reconciliations"_s));
        const ExportResult result = m_service->exportTo(m_backup);
        QVERIFY2(result.message().startsWith(u"Could not write to:\n"_s + QDir::toNativeSeparators(m_backup)), qPrintable(result.message()));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the good backup of yesterday"));
        QCOMPARE(QDir(m_world->dataDirectory.path()).entryList({u"backup*"_s}, QDir::Files | QDir::Hidden), QStringList{u"backup.zip"_s});
        QCOMPARE(m_service->exportTo(m_world->dataDirectory.path() + u"/missing/backup.zip"_s).title(), u"Backup Failed"_s);
    }

private:
    // One row or more of every table: a deleted account and transaction,
    // accounts whose ids are no file names, a split transaction with its
    // lines, a rule and a reconciliation.
    void seed()
    {
        AppState& state = m_world->appState;
        const Account checking = m_world->addAccount(u"Checking \"main\""_s, Currency::USD, 100000);
        const Account closed = m_world->addAccount(u"Old savings"_s, Currency::JPY, 5000);
        QVERIFY(state.accounts()->softDelete(closed.id));
        for (const QString& id : {u"../../escape"_s, u"/etc/passwd"_s, u"back\\slash"_s, u"nul\u0000byte"_s, u"..."_s})
            QVERIFY(state.accounts()->insert(makeAccount(id, u"Odd"_s)));
        const QString groceries = m_world->categoryId(u"Groceries"_s);
        m_world->addTransaction(checking.id, QDate(2024, 5, 1), u"Grocer"_s, -4550, groceries, u"line one\nline two ü"_s);
        const Transaction gone = m_world->addTransaction(checking.id, QDate(2024, 5, 2), u"Typo"_s, -1);
        QVERIFY(state.transactions()->softDelete(gone.id));
        Transaction split = m_world->addTransaction(checking.id, QDate(2024, 5, 3), u"Market"_s, -3000);
        split.isSplit = true;
        QVERIFY(state.transactions()->update(split));
        for (const qint64 amount : {-1000, -2000}) {
            SplitLine line;
            line.id = u"split-%1"_s.arg(-amount);
            line.transactionId = split.id;
            line.categoryId = groceries;
            line.amount = amount;
            line.createdAt = line.updatedAt = TestWorld::now();
            QVERIFY(state.splitLines()->insert(line));
        }
        QVERIFY(state.recurring()->insert(makeRecurring(u"rule"_s, QDate(2024, 6, 1), checking.id)));
        QVERIFY(state.reconciliations()->insert(makeReconciliation(u"statement"_s, QDate(2024, 4, 30), checking.id)));
    }

    void emptyTheRegister()
    {
        for (qsizetype table = tables.size() - 1; table >= 0; --table)
            QVERIFY(execute(m_database, u"DELETE FROM %1"_s.arg(tables.at(table))));
    }

    std::unique_ptr<TestWorld> m_world;
    BackupService* m_service = nullptr;
    Database* m_database = nullptr;
    QString m_backup;
};

QTEST_MAIN(TestBackupService)
#include "tst_backupservice.moc"
