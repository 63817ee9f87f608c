#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/reconciliationrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QtTest>

// A reconciliation stored without its creation or change stamp gets the
// moment it was stored; a stamp it brings is kept.
class ReconciliationStampsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(utc(QStringLiteral("2024-05-20T12:00:00Z")));
        m_database = std::make_unique<TestDatabase>();
        QVERIFY(AccountRepository(m_database->database()).insert(makeAccount(QStringLiteral("A"), QStringLiteral("Checking"))));
    }

    void cleanup()
    {
        m_database.reset();
        Clock::reset();
    }

    void insertStampsWhatIsUnset_data()
    {
        QTest::addColumn<bool>("createdSet");
        QTest::addColumn<bool>("updatedSet");
        QTest::addColumn<QString>("storedCreated");
        QTest::addColumn<QString>("storedUpdated");
        const QString given = QStringLiteral("2024-01-01T09:00:00Z");
        const QString now = QStringLiteral("2024-05-20T12:00:00Z");
        QTest::newRow("both unset") << false << false << now << now;
        QTest::newRow("created unset") << false << true << now << given;
        QTest::newRow("updated unset") << true << false << given << now;
        QTest::newRow("both set") << true << true << given << given;
    }

    void insertStampsWhatIsUnset()
    {
        QFETCH(bool, createdSet);
        QFETCH(bool, updatedSet);
        QFETCH(QString, storedCreated);
        QFETCH(QString, storedUpdated);
        Reconciliation reconciliation = makeReconciliation(QStringLiteral("R"), QDate(2024, 4, 30));
        if (!createdSet)
            reconciliation.createdAt = QDateTime();
        if (!updatedSet)
            reconciliation.updatedAt = QDateTime();

        QVERIFY(ReconciliationRepository(m_database->database()).insert(reconciliation));

        const QString sql = QStringLiteral("SELECT %1 FROM reconciliations WHERE id = 'R'");
        QCOMPARE(scalar(m_database->database(), sql.arg(QStringLiteral("created_at"))).toString(), storedCreated);
        QCOMPARE(scalar(m_database->database(), sql.arg(QStringLiteral("updated_at"))).toString(), storedUpdated);
    }

private:
    std::unique_ptr<TestDatabase> m_database;
};

QTEST_GUILESS_MAIN(ReconciliationStampsTest)
#include "tst_reconciliationstamps.moc"
