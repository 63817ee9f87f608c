// Kills a process that keeps importing a large bank statement (and clearing
// it away again) at random moments, and checks after every kill that the
// statement's rows and the bank ids remembered for them are there together
// and whole, or not at all.

#include "importbooks.h"
#include "ofxstatements.h"
#include "support/killedworker.h"

using namespace Qt::StringLiterals;

namespace {

const char* const workerFlag = "--import-statement-until-killed";
constexpr int rowCount = 3000;

QByteArray largeStatement()
{
    QList<StatementRow> rows;
    for (int i = 0; i < rowCount; ++i) {
        rows.append({QDate(2020, 1, 1).addDays(i / 5), "-" + QByteArray::number(i + 1) + ".25", "SHOP " + QByteArray::number(i),
            "id" + QByteArray::number(i)});
    }
    return ofxStatement(rows);
}

// Imports the statement beside the books, finds it all known a few times,
// which keeps the import in place for a while, and clears the books again.
void importAndClear(ImportBooks& books, QRandomGenerator&)
{
    const QString path = QFileInfo(books.database.database().databaseName()).absolutePath() + u"/large.ofx"_s;
    const QString key = books.service.analyzeOfx(path).value_or(QList<OfxSource>()).value(0).key;
    const QString accountId = books.accounts.all().constFirst().id;
    for (int pass = 0; pass < 4; ++pass)
        books.service.importOfx(path, {{key, QifTarget::existing(accountId)}});
    const bool cleared = books.database.inTransaction([&] {
        return execute(&books.database, u"DELETE FROM statement_ids"_s) && execute(&books.database, u"DELETE FROM transactions"_s);
    });
    Q_UNUSED(cleared);
}

} // namespace

class ImportOfxCrashSafetyTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aStatementIsWholeOrAbsentAfterEveryKill()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QString path = directory.filePath(u"checkbook.db"_s);
        QVERIFY(!writeFile(directory, u"large.ofx"_s, largeStatement()).isEmpty());
        {
            ImportBooks books(path);
            QVERIFY(books.ready);
            QVERIFY(!books.addAccount(u"Checking"_s).isEmpty());
        }
        int whole = 0;
        int absent = 0;
        for (int kill = 1; kill <= 6 && !QTest::currentTestFailed(); ++kill) {
            QVERIFY2(killWorkerOnce(workerFlag, path, quint32(kill), 1500), qPrintable(u"kill %1: the worker did not run"_s.arg(kill)));
            ImportBooks books(path);
            QVERIFY(books.ready);
            const int stored = books.count(u"SELECT COUNT(*) FROM transactions"_s);
            const int remembered = books.count(
                u"SELECT COUNT(*) FROM statement_ids s JOIN transactions t ON t.id = s.transaction_id"_s);
            QCOMPARE(remembered, stored);
            if (stored == 0) {
                ++absent;
                continue;
            }
            ++whole;
            QCOMPARE(stored, rowCount);
        }
        qInfo("%d kills found the statement whole, %d found it absent", whole, absent);
    }
};

int main(int argc, char** argv)
{
    return crashTestMain<ImportOfxCrashSafetyTest, ImportBooks>(argc, argv, workerFlag, importAndClear);
}

#include "tst_importofxcrashsafety.moc"
