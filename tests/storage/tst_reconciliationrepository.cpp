#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

class ReconciliationRepositoryTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void roundTripsEveryField();
    void readsAnUnknownSyncStatusAsPending();
    void listsTheHistoryLatestStatementFirst();
    void cascadeRestoreRevivesOnlyTheLastTenSeconds();
    void resyncMarksOnlyLiveRowsThatAreNotPending();

private:
    std::unique_ptr<TestDatabase> m_test;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    Database* database() const { return m_test->database(); }
};

void ReconciliationRepositoryTest::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    m_test = std::make_unique<TestDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_test->database());
    m_reconciliations = std::make_unique<ReconciliationRepository>(m_test->database());
    for (const QString& id : {QStringLiteral("A"), QStringLiteral("B")})
        QVERIFY(m_accounts->insert(makeAccount(id, id, 0, QStringLiteral("2024-01-01T00:00:00Z"))));
}

void ReconciliationRepositoryTest::cleanup()
{
    m_reconciliations.reset();
    m_accounts.reset();
    m_test.reset();
    Clock::reset();
}

void ReconciliationRepositoryTest::roundTripsEveryField()
{
    Reconciliation reconciliation;
    reconciliation.id = QStringLiteral("rec-1");
    reconciliation.accountId = QStringLiteral("A");
    reconciliation.statementDate = QDate(2024, 2, 29);
    reconciliation.statementBalance = 123456789012LL;
    reconciliation.reconciledBalance = -42;
    reconciliation.completedAt = utc(QStringLiteral("2024-03-02T15:16:17Z"));
    reconciliation.version = 2;
    reconciliation.syncStatus = SyncStatus::Conflict;
    reconciliation.serverId = QStringLiteral("srv-rec");
    reconciliation.createdAt = utc(QStringLiteral("2024-03-02T15:16:18Z"));
    reconciliation.updatedAt = utc(QStringLiteral("2024-03-02T15:16:19Z"));
    // An update may move the row to another account; the creation stamp stays.
    Reconciliation update = reconciliation;
    update.accountId = QStringLiteral("B");
    update.statementDate = QDate(2024, 3, 31);
    update.statementBalance = 5;
    update.reconciledBalance = 6;
    update.completedAt = utc(QStringLiteral("2024-04-01T00:00:00Z"));
    update.version = 3;
    update.syncStatus = SyncStatus::Synced;
    update.createdAt = utc(QStringLiteral("2030-01-01T00:00:00Z"));
    update.updatedAt = utc(QStringLiteral("2024-04-01T00:00:01Z"));
    QSignalSpy changed(m_reconciliations.get(), &ReconciliationRepository::reconciliationsChanged);

    verifyRoundTrip(*m_reconciliations, changed, reconciliation, update);
}

void ReconciliationRepositoryTest::readsAnUnknownSyncStatusAsPending()
{
    QVERIFY(execute(database(), QStringLiteral(
        "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, "
        "sync_status, created_at, updated_at) VALUES ('x', 'A', '2024-01-31', 1, 1, '2024-02-01T00:00:00Z', 'weird', "
        "'2024-02-01T00:00:00Z', '2024-02-01T00:00:00Z')")));

    const std::optional<Reconciliation> stored = m_reconciliations->byId(QStringLiteral("x"));
    QVERIFY(stored);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
}

void ReconciliationRepositoryTest::listsTheHistoryLatestStatementFirst()
{
    QVERIFY(m_reconciliations->insert(makeReconciliation(QStringLiteral("feb"), QDate(2024, 2, 29))));
    QVERIFY(m_reconciliations->insert(makeReconciliation(QStringLiteral("apr"), QDate(2024, 4, 30))));
    QVERIFY(m_reconciliations->insert(makeReconciliation(QStringLiteral("jan"), QDate(2024, 1, 31))));
    QVERIFY(m_reconciliations->insert(makeReconciliation(QStringLiteral("other-account"), QDate(2024, 5, 31), QStringLiteral("B"))));

    QCOMPARE(ids(m_reconciliations->byAccount(QStringLiteral("A"))),
        (QStringList{QStringLiteral("apr"), QStringLiteral("feb"), QStringLiteral("jan")}));
    QCOMPARE(m_reconciliations->latest(QStringLiteral("A"))->id, QStringLiteral("apr"));
    QCOMPARE(m_reconciliations->latest(QStringLiteral("B"))->id, QStringLiteral("other-account"));

    QCOMPARE(m_reconciliations->softDeleteByAccount(QStringLiteral("B")), 1);
    QVERIFY(!m_reconciliations->latest(QStringLiteral("B")));
    QVERIFY(m_reconciliations->byAccount(QStringLiteral("B")).isEmpty());
    QVERIFY(m_reconciliations->byId(QStringLiteral("other-account"))->deletedAt.has_value());
    QCOMPARE(m_reconciliations->pending().size(), 4);
}

void ReconciliationRepositoryTest::cascadeRestoreRevivesOnlyTheLastTenSeconds()
{
    QSignalSpy changed(m_reconciliations.get(), &ReconciliationRepository::reconciliationsChanged);
    int month = 1;
    verifyCascadeRestore(*m_reconciliations, changed, [&month](const QString& id, const QString& accountId) {
        return makeReconciliation(id, QDate(2024, month++, 28), accountId);
    });
    QCOMPARE(ids(m_reconciliations->byAccount(QStringLiteral("A"))), (QStringList{QStringLiteral("last"), QStringLiteral("late")}));
}

void ReconciliationRepositoryTest::resyncMarksOnlyLiveRowsThatAreNotPending()
{
    QSignalSpy changed(m_reconciliations.get(), &ReconciliationRepository::reconciliationsChanged);
    // There is no single-row delete: the row to delete is the only one of account "B".
    int month = 1;
    verifyResync(
        *m_reconciliations, changed,
        [&month](const QString& id) {
            return makeReconciliation(id, QDate(2024, month++, 28), id == QLatin1String("gone") ? QStringLiteral("B") : QStringLiteral("A"));
        },
        [this](const QString&) { return m_reconciliations->softDeleteByAccount(QStringLiteral("B")) == 1; });
}

QTEST_GUILESS_MAIN(ReconciliationRepositoryTest)
#include "tst_reconciliationrepository.moc"
