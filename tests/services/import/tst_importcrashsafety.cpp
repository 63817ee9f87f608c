// Kills a process that keeps importing a large two-account QIF file (and
// clearing the books again) at random moments, and checks after every kill
// that the import is there whole, with its split lines and both legs of
// every transfer, or not at all.

#include "importbooks.h"
#include "support/killedworker.h"

using namespace Qt::StringLiterals;

namespace {

const char* const workerFlag = "--import-until-killed";
constexpr int recordsPerAccount = 3000;

// Every tenth record is a transfer from Checking to Savings, every
// twentieth a split.
QByteArray largeQif()
{
    QByteArray checking = "!Account\nNChecking\n^\n!Type:Bank\n";
    QByteArray savings = "!Account\nNSavings\n^\n!Type:Bank\n";
    for (int i = 0; i < recordsPerAccount; ++i) {
        const QByteArray date = QDate(2020, 1, 1).addDays(i / 4).toString(u"M/d/yyyy"_s).toLatin1();
        const QByteArray amount = QByteArray::number(i + 1) + ".25";
        if (i % 10 == 0) {
            checking += "D" + date + "\nT-" + amount + "\nPTo savings\nL[Savings]\n^\n";
            savings += "D" + date + "\nT" + amount + "\nPFrom checking\nL[Checking]\n^\n";
        } else if (i % 20 == 1) {
            checking += "D" + date + "\nT-" + amount + "\nPMarket " + QByteArray::number(i)
                + "\nSFood\n$-1.00\nSHome\n$-" + QByteArray::number(i) + ".25\n^\n";
            savings += "D" + date + "\nT0.01\nPInterest " + QByteArray::number(i) + "\nLInterest\n^\n";
        } else {
            checking += "D" + date + "\nT-" + amount + "\nPShop " + QByteArray::number(i) + "\nLShopping\n^\n";
            savings += "D" + date + "\nT0.02\nPInterest " + QByteArray::number(i) + "\nLInterest\n^\n";
        }
    }
    return checking + savings;
}

constexpr int transfers = recordsPerAccount / 10;
constexpr int splitRecords = recordsPerAccount / 20;

QHash<QString, QifTarget> targets(ImportBooks& books)
{
    QHash<QString, QifTarget> byName;
    for (const Account& account : books.accounts.all())
        byName.insert(account.name, QifTarget::existing(account.id));
    return byName;
}

// Imports the file beside the books, finds it all duplicates a few times,
// which keeps the import in place for a while, and clears the books again.
void importAndClear(ImportBooks& books, QRandomGenerator&)
{
    const QString qif = QFileInfo(books.database.database().databaseName()).absolutePath() + u"/large.qif"_s;
    for (int pass = 0; pass < 6; ++pass)
        books.service.importQif({qif}, targets(books));
    const bool cleared = books.database.inTransaction([&] {
        return execute(&books.database, u"DELETE FROM split_lines"_s) && execute(&books.database, u"DELETE FROM transactions"_s);
    });
    Q_UNUSED(cleared);
}

} // namespace

class ImportCrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void anImportIsWholeOrAbsentAfterEveryKill()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString path = directory.filePath(u"checkbook.db"_s);
        QVERIFY(!writeFile(directory, u"large.qif"_s, largeQif()).isEmpty());
        {
            ImportBooks books(path);
            QVERIFY(books.ready);
            QVERIFY(!books.addAccount(u"Checking"_s).isEmpty() && !books.addAccount(u"Savings"_s).isEmpty());
        }
        int whole = 0;
        int absent = 0;
        for (int kill = 1; kill <= 6 && !QTest::currentTestFailed(); ++kill) {
            QVERIFY2(killWorkerOnce(workerFlag, path, quint32(kill), 1500), qPrintable(u"kill %1: the worker did not run"_s.arg(kill)));
            ImportBooks books(path);
            QVERIFY(books.ready);
            const int stored = books.count(u"SELECT COUNT(*) FROM transactions"_s);
            const int lines = books.count(u"SELECT COUNT(*) FROM split_lines"_s);
            const int linked = books.count(u"SELECT COUNT(*) FROM transactions t JOIN transactions o "
                                           "ON o.id = t.transfer_link_id AND o.transfer_link_id = t.id"_s);
            if (stored == 0) {
                ++absent;
                QCOMPARE(lines, 0);
                continue;
            }
            ++whole;
            QCOMPARE(stored, 2 * recordsPerAccount);
            QCOMPARE(lines, 2 * splitRecords);
            QCOMPARE(linked, 2 * transfers);
        }
        qInfo("%d kills found the import whole, %d found it absent", whole, absent);
    }
};

int main(int argc, char** argv)
{
    return crashTestMain<ImportCrashSafetyTest, ImportBooks>(argc, argv, workerFlag, importAndClear);
}

#include "tst_importcrashsafety.moc"
