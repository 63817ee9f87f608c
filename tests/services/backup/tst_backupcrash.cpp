// Kills a process in the middle of restoring a backup and checks after
// every kill that the register is exactly as it was before the restore or
// exactly as the whole restore leaves it: never half restored.

#include "services/backup/backupservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "support/filebooks.h"
#include "support/killedworker.h"
#include "support/storagetesting.h"

#include <QCryptographicHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const char* const workerFlag = "--restore-until-killed";

// One data file with the backup service over it, without the window.
struct Books : FileBooks
{
    using FileBooks::FileBooks;
    BackupService backups{&database, &accounts, &categories, &transactions, &recurring, &reconciliations};
};

QString backupBeside(const QString& path)
{
    return QFileInfo(path).absolutePath() + u"/backup.zip"_s;
}

// A hash of every row of the six tables, every column included.
QByteArray fingerprint(const QString& path)
{
    Books books(path);
    if (!books.ready)
        return "unopened";
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char* table : {"accounts", "categories", "transactions", "split_lines", "recurring_transactions", "reconciliations"}) {
        QSqlQuery query(books.database.database());
        if (!query.exec(u"SELECT * FROM %1 ORDER BY id"_s.arg(QLatin1String(table))))
            return "unreadable";
        while (query.next()) {
            for (int column = 0; column < query.record().count(); ++column)
                hash.addData(query.value(column).toString().toUtf8() + '|');
            hash.addData("\n");
        }
    }
    return hash.result().toHex();
}

bool copyFresh(const QString& from, const QString& to)
{
    for (const QString& suffix : {QString(), u"-wal"_s, u"-shm"_s})
        QFile::remove(to + suffix);
    return QFile::copy(from, to);
}

} // namespace

class TestBackupCrash : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedRestoreLeavesAllOrNothing()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString source = directory.filePath(u"source.db"_s);
        const QString original = directory.filePath(u"original.db"_s);
        const QString work = directory.filePath(u"checkbook.db"_s);
        const QString restored = directory.filePath(u"restored.db"_s);
        writeBackupOf(source, 4000);
        {
            // The register before: some of the backup's rows, changed since.
            Books books(original);
            QVERIFY(books.ready);
            QVERIFY(books.accounts.insert(makeAccount(u"account-0"_s, u"Renamed"_s)));
            QVERIFY(books.transactions.insert(makeTransaction(u"row-0"_s, u"account-0"_s, QDate(2024, 1, 1), 1)));
        }
        QVERIFY(copyFresh(original, restored));
        {
            Books books(restored);
            QVERIFY(books.backups.restoreFrom(backupBeside(restored), BackupService::RestoreMode::ReplaceAll).succeeded());
        }
        const QByteArray before = fingerprint(original);
        const QByteArray after = fingerprint(restored);
        QVERIFY(before != after);

        const int kills = qEnvironmentVariableIntValue("CHECKBOOK_KILLS") > 0 ? qEnvironmentVariableIntValue("CHECKBOOK_KILLS") : 12;
        int halfway = 0;
        for (int kill = 1; kill <= kills; ++kill) {
            QVERIFY(copyFresh(original, work));
            const bool killed = killWorkerOnce(workerFlag, work, quint32(kill), 700);
            QVERIFY2(killed, qPrintable(u"kill %1: the worker did not run"_s.arg(kill)));
            const QByteArray found = fingerprint(work);
            QVERIFY2(found == before || found == after, qPrintable(u"kill %1: the register is half restored"_s.arg(kill)));
            halfway += found == before ? 1 : 0;
        }
        qInfo() << halfway << "of" << kills << "kills came before the commit";
    }

private:
    // A backup of `rows` transactions in one account, written beside `path`.
    static void writeBackupOf(const QString& path, int rows)
    {
        Books books(path);
        QVERIFY(books.ready);
        QVERIFY(books.accounts.insert(makeAccount(u"account-0"_s, u"Checking"_s)));
        QList<Transaction> transactions;
        for (int row = 0; row < rows; ++row)
            transactions.append(makeTransaction(u"row-%1"_s.arg(row), u"account-0"_s, QDate(2024, 1, 1).addDays(row % 365), -row));
        QVERIFY(books.database.inTransaction([&] { return books.transactions.insertAll(transactions); }));
        QVERIFY(books.backups.exportTo(backupBeside(path)).succeeded());
    }
};

int main(int argc, char** argv)
{
    if (argc == 4 && qstrcmp(argv[1], workerFlag) == 0) {
        QCoreApplication application(argc, argv);
        const QString path = QString::fromLocal8Bit(argv[2]);
        Books books(path);
        if (!books.ready)
            return 2;
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
        books.backups.restoreFrom(backupBeside(path), BackupService::RestoreMode::ReplaceAll);
        // Killed at last, after the restore or in its midst.
        for (;;)
            QThread::sleep(1);
    }
    QCoreApplication application(argc, argv);
    TestBackupCrash test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_backupcrash.moc"
