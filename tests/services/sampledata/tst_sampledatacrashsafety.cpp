// Kills a process that keeps loading and clearing the sample data at random
// moments, and checks after every kill that the books hold the whole data
// set or none of it.

#include "services/sampledata/sampledataservice.h"
#include "storage/sampledatarepository.h"
#include "support/filebooks.h"
#include "support/killedworker.h"
#include "support/storagetesting.h"

#include <QTemporaryDir>

namespace {

const char* const workerFlag = "--load-and-clear-until-killed";

struct Books : FileBooks
{
    using FileBooks::FileBooks;
    SampleDataRepository sampleRows{&database};
    SampleDataService service{
        &database, &sampleRows, &categories, &accountService, &transactionService, &recurringService};
};

// The sample accounts, transactions and recurring rules stored.
QList<int> sampleRows(Books& books)
{
    QList<int> counts;
    for (const char* table : {"accounts", "transactions", "recurring_transactions"})
        counts.append(scalar(&books.database,
            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE id LIKE 'sample-%'").arg(QLatin1String(table)))
                          .toInt());
    return counts;
}

} // namespace

class SampleDataCrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theDataSetIsWholeOrAbsentAfterEveryKill()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString path = directory.filePath(QStringLiteral("checkbook.db"));
        QList<int> whole;
        {
            Books books(path);
            QVERIFY(books.ready && books.service.load().ok());
            whole = sampleRows(books);
            QVERIFY(books.service.clear().ok());
        }
        const QList<int> none = {0, 0, 0};
        QSet<bool> seenLoaded;
        for (int kill = 1; kill <= 30 && !QTest::currentTestFailed(); ++kill) {
            QVERIFY2(killWorkerOnce(workerFlag, path, quint32(kill), 40), "the worker did not run");
            Books books(path);
            QVERIFY(books.ready);
            const QList<int> found = sampleRows(books);
            QVERIFY2(found == whole || found == none, qPrintable(QStringLiteral("kill %1").arg(kill)));
            seenLoaded.insert(found == whole);
        }
        // The kills met the books in both states.
        QCOMPARE(seenLoaded.size(), 2);
    }
};

int main(int argc, char** argv)
{
    return crashTestMain<SampleDataCrashSafetyTest, Books>(argc, argv, workerFlag, [](Books& books, QRandomGenerator&) {
        books.service.hasSampleData() ? books.service.clear() : books.service.load();
    });
}

#include "tst_sampledatacrashsafety.moc"
