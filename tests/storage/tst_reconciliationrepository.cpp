#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "support/storagetesting.h"
#include "support/testdatabase.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QtTest>
#include <memory>

namespace {

Reconciliation makeReconciliation(const QString& id, const QDate& statementDate, const QString& accountId = QStringLiteral("A"))
{
    Reconciliation reconciliation;
    reconciliation.id = id;
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = 10000;
    reconciliation.reconciledBalance = 10000;
    reconciliation.completedAt = utc(QStringLiteral("2024-01-01T09:00:00Z"));
    reconciliation.createdAt = reconciliation.completedAt;
    reconciliation.updatedAt = reconciliation.completedAt;
    return reconciliation;
}

} // namespace

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
    QSignalSpy changed(m_reconciliations.get(), &ReconciliationRepository::reconciliationsChanged);

    QVERIFY(m_reconciliations->insert(reconciliation));
    QCOMPARE(changed.count(), 1);

    const std::optional<Reconciliation> stored = m_reconciliations->byId(QStringLiteral("rec-1"));
    QVERIFY(stored);
    QCOMPARE(stored->id, reconciliation.id);
    QCOMPARE(stored->accountId, reconciliation.accountId);
    QCOMPARE(stored->statementDate, reconciliation.statementDate);
    QCOMPARE(stored->statementBalance, reconciliation.statementBalance);
    QCOMPARE(stored->reconciledBalance, reconciliation.reconciledBalance);
    QCOMPARE(stored->completedAt, reconciliation.completedAt);
    QCOMPARE(stored->version, 2);
    QCOMPARE(stored->syncStatus, SyncStatus::Conflict);
    QCOMPARE(stored->serverId, reconciliation.serverId);
    QCOMPARE(stored->createdAt, reconciliation.createdAt);
    QCOMPARE(stored->updatedAt, reconciliation.updatedAt);
    QVERIFY(!stored->deletedAt);

    // An update may move the row to another account; the creation stamp stays.
    reconciliation.accountId = QStringLiteral("B");
    reconciliation.statementDate = QDate(2024, 3, 31);
    reconciliation.statementBalance = 5;
    reconciliation.reconciledBalance = 6;
    reconciliation.completedAt = utc(QStringLiteral("2024-04-01T00:00:00Z"));
    reconciliation.version = 3;
    reconciliation.syncStatus = SyncStatus::Synced;
    reconciliation.createdAt = utc(QStringLiteral("2030-01-01T00:00:00Z"));
    reconciliation.updatedAt = utc(QStringLiteral("2024-04-01T00:00:01Z"));
    QVERIFY(m_reconciliations->update(reconciliation));
    QCOMPARE(changed.count(), 2);
    const std::optional<Reconciliation> updated = m_reconciliations->byId(QStringLiteral("rec-1"));
    QVERIFY(updated);
    QCOMPARE(updated->accountId, QStringLiteral("B"));
    QCOMPARE(updated->statementDate, QDate(2024, 3, 31));
    QCOMPARE(updated->statementBalance, qint64(5));
    QCOMPARE(updated->reconciledBalance, qint64(6));
    QCOMPARE(updated->completedAt, reconciliation.completedAt);
    QCOMPARE(updated->version, 3);
    QCOMPARE(updated->syncStatus, SyncStatus::Synced);
    QCOMPARE(updated->updatedAt, reconciliation.updatedAt);
    QCOMPARE(updated->createdAt, utc(QStringLiteral("2024-03-02T15:16:18Z")));
}

void ReconciliationRepositoryTest::readsAnUnknownSyncStatusAsPending()
{
    QSqlQuery insert(database()->database());
    QVERIFY(insert.exec(QStringLiteral(
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
    QVERIFY(m_reconciliations->insert(makeReconciliation(QStringLiteral("elsewhere"), QDate(2024, 1, 31), QStringLiteral("B"))));
    QSignalSpy changed(m_reconciliations.get(), &ReconciliationRepository::reconciliationsChanged);
    // There is no single-row delete, so each row goes with a cascade of its own.
    const QList<QPair<QString, QString>> deletions{{QStringLiteral("early"), QStringLiteral("2024-05-01T11:59:00Z")},
        {QStringLiteral("late"), QStringLiteral("2024-05-01T11:59:55Z")},
        {QStringLiteral("last"), QStringLiteral("2024-05-01T12:00:00Z")}};
    int month = 1;
    for (const auto& [id, stamp] : deletions) {
        QVERIFY(m_reconciliations->insert(makeReconciliation(id, QDate(2024, month++, 28))));
        Clock::setFixedNow(utc(stamp));
        changed.clear();
        QCOMPARE(m_reconciliations->softDeleteByAccount(QStringLiteral("A")), 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(m_reconciliations->byId(id)->deletedAt, std::optional<QDateTime>(utc(stamp)));
    }
    QCOMPARE(m_reconciliations->softDeleteByAccount(QStringLiteral("A")), 0);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!m_reconciliations->byId(QStringLiteral("elsewhere"))->deletedAt);

    const QDateTime restoredAt = utc(QStringLiteral("2024-05-02T08:00:00Z"));
    Clock::setFixedNow(restoredAt);
    QCOMPARE(m_reconciliations->restoreByAccount(QStringLiteral("A"), QStringLiteral("2024-05-01T12:00:01Z")), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_reconciliations->restoreByAccount(QStringLiteral("A"), QStringLiteral("2024-05-01T11:59:50Z")), 2);
    QCOMPARE(changed.count(), 2);

    QCOMPARE(ids(m_reconciliations->byAccount(QStringLiteral("A"))), (QStringList{QStringLiteral("last"), QStringLiteral("late")}));
    for (const Reconciliation& revived : m_reconciliations->byAccount(QStringLiteral("A"))) {
        QCOMPARE(revived.updatedAt, restoredAt);
        QCOMPARE(revived.syncStatus, SyncStatus::Pending);
    }
    QVERIFY(m_reconciliations->byId(QStringLiteral("early"))->deletedAt.has_value());
}

void ReconciliationRepositoryTest::resyncMarksOnlyLiveRowsThatAreNotPending()
{
    Reconciliation synced = makeReconciliation(QStringLiteral("synced"), QDate(2024, 1, 31));
    synced.syncStatus = SyncStatus::Synced;
    Reconciliation conflict = makeReconciliation(QStringLiteral("conflict"), QDate(2024, 2, 29));
    conflict.syncStatus = SyncStatus::Conflict;
    QVERIFY(m_reconciliations->insert(makeReconciliation(QStringLiteral("gone"), QDate(2024, 1, 31), QStringLiteral("B"))));
    QCOMPARE(m_reconciliations->softDeleteByAccount(QStringLiteral("B")), 1);
    for (const Reconciliation& reconciliation : {synced, conflict, makeReconciliation(QStringLiteral("pending"), QDate(2024, 3, 31))})
        QVERIFY(m_reconciliations->insert(reconciliation));
    QSignalSpy changed(m_reconciliations.get(), &ReconciliationRepository::reconciliationsChanged);

    QVERIFY(m_reconciliations->markSynced(QStringLiteral("gone"), QStringLiteral("srv-gone")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_reconciliations->byId(QStringLiteral("gone"))->serverId, QStringLiteral("srv-gone"));

    QCOMPARE(m_reconciliations->markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_reconciliations->byId(QStringLiteral("synced"))->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_reconciliations->byId(QStringLiteral("conflict"))->syncStatus, SyncStatus::Pending);
    QCOMPARE(m_reconciliations->byId(QStringLiteral("gone"))->syncStatus, SyncStatus::Synced);

    QCOMPARE(m_reconciliations->markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 1);
}

QTEST_GUILESS_MAIN(ReconciliationRepositoryTest)
#include "tst_reconciliationrepository.moc"
