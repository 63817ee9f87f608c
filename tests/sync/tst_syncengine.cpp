// The sync engine between devices, each with books of its own, and the real
// reference server on loopback: batches and pages, the merge rules (an edit
// made while its upload is on the way, ties with pending rows, deletes and
// restores, rows known only by their server id), a page that cannot be
// stored, old dates, and books that belong to another user.

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "sync/syncengine.h"
#include "support/faultproxy.h"
#include "support/referenceserver.h"
#include "support/testbrowser.h"

#include <QJsonDocument>
#include <QLoggingCategory>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

using namespace KestAccount;

namespace {

const QDateTime startTime(QDate(2024, 5, 20), QTime(12, 0), Qt::UTC);

// One device: its own books, a cloud client signed in with a session of its
// own, and the engine between them.
class Device
{
public:
    Device(const ReferenceServer& server, const QString& email)
        : m_server(server)
    {
        if (!database.open(m_directory.filePath(QStringLiteral("checkbook.db"))) || !database.runMigrations())
            qFatal("the device's books could not be opened");
        signIn(email);
        engine = std::make_unique<SyncEngine>(client->syncApi(), &accounts, &transactions, &categories, &recurring,
            &reconciliations, &preferences);
        engine->setCanSync([this] { return client->isAuthenticated(); });
        engine->setCurrentUser([this] { return client->authClient()->userId(); });
    }

    // Signs `email` in; on a device already signed in, the same client
    // takes the new user's tokens.
    void signIn(const QString& email)
    {
        TestBrowser browser;
        const QUrlQuery tokens(
            browser.logIn(TestBrowser::loginPage(m_server.baseUrl(), ReferenceServer::clientId), email).location);
        const bool first = !client;
        if (first)
            client = std::make_unique<Client>(m_server.clientConfig(), std::make_unique<MemoryTokenStore>());
        client->tokenManager()->setTokens(tokens.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded),
            tokens.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded));
        if (!first)
            return;
        client->initialize();
        client->syncApi()->setBaseUrl(m_server.baseUrl().resolved(QUrl(QStringLiteral("/checkbook/v1"))));
    }

    // The data requests go through `proxy` from now on.
    void routeThrough(const FaultProxy& proxy)
    {
        client->syncApi()->setBaseUrl(proxy.url().resolved(QUrl(QStringLiteral("/checkbook/v1"))));
    }

    // Runs one cycle to its end; whether it completed.
    bool sync()
    {
        engine->sync();
        return finish();
    }

    bool finish()
    {
        QSignalSpy completed(engine.get(), &SyncEngine::syncCompleted);
        QSignalSpy failed(engine.get(), &SyncEngine::syncFailed);
        if (engine->state() != SyncState::Syncing)
            return false;
        return QTest::qWaitFor([&] { return !completed.isEmpty() || !failed.isEmpty(); }, 60000) && !completed.isEmpty();
    }

    Account addAccount(const QString& name)
    {
        Account account;
        account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        account.name = name;
        account.createdAt = account.updatedAt = Clock::nowUtc();
        if (!accounts.insert(account))
            qFatal("the account could not be stored");
        return account;
    }

    Transaction addTransaction(const QString& accountId, const QString& payee, const QDate& date = {2024, 5, 1})
    {
        Transaction transaction = Transaction::newPending(accountId, date, payee, -1250);
        if (!transactions.insert(transaction))
            qFatal("the transaction could not be stored");
        return transaction;
    }

    Transaction stored(const QString& id) { return transactions.byId(id).value_or(Transaction()); }

    void execute(const QString& statement)
    {
        QSqlQuery query(database.database());
        if (!query.exec(statement))
            qFatal("%s", qPrintable(query.lastError().text()));
    }

    QTemporaryDir m_directory;
    const ReferenceServer& m_server;
    Database database{QUuid::createUuid().toString()};
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    RecurringRepository recurring{&database};
    ReconciliationRepository reconciliations{&database};
    PreferencesRepository preferences{&database};
    std::unique_ptr<Client> client;
    std::unique_ptr<SyncEngine> engine;
};

// Moves the clock on, so every edit carries a stamp of its own.
void tick()
{
    Clock::setFixedNow(Clock::nowUtc().addSecs(1));
}

// A local edit as the register makes it: the version kept, stamped now,
// pending upload; by default a second after the last change.
void edit(Device& device, const QString& id, const QString& payee, bool sameSecond = false)
{
    if (!sameSecond)
        tick();
    Transaction transaction = device.stored(id);
    transaction.payee = payee;
    transaction.updatedAt = Clock::nowUtc();
    transaction.syncStatus = SyncStatus::Pending;
    QVERIFY(device.transactions.update(transaction));
}

void raiseVersion(Device& device, const QString& id, const QString& payee)
{
    tick();
    Transaction transaction = device.stored(id);
    transaction.payee = payee;
    transaction.version += 1;
    transaction.updatedAt = Clock::nowUtc();
    transaction.syncStatus = SyncStatus::Pending;
    QVERIFY(device.transactions.update(transaction));
}

void softDelete(Device& device, const QString& id)
{
    tick();
    QVERIFY(device.transactions.softDelete(id));
}

void restore(Device& device, const QString& accountId)
{
    tick();
    QCOMPARE(device.transactions.restoreByAccount(accountId, QStringLiteral("2000-01-01T00:00:00Z")), 1);
}

} // namespace

class SyncEngineTest : public QObject
{
    Q_OBJECT

public:
    SyncEngineTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    ReferenceServer m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qRegisterMetaType<SyncState>();
        QVERIFY(m_server.start());
    }

    void init() { Clock::setFixedNow(startTime); }
    void cleanup() { Clock::reset(); }

    void pendingRowsGoUpInBatchesAndComeDownInPages()
    {
        const QString email = m_server.newUser();
        Device first(m_server, email);
        const Account account = first.addAccount(QStringLiteral("Checking"));
        QList<Transaction> rows;
        for (int i = 0; i < 1200; ++i)
            rows.append(Transaction::newPending(account.id, QDate(2024, 1, 1).addDays(i % 300), QStringLiteral("Payee %1").arg(i), -i));
        QVERIFY(first.database.inTransaction([&] { return first.transactions.insertAll(rows); }));

        // One request: a cycle a batch, one after another, until none is left.
        QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 701 remaining");
        QList<int> pendingAfterEachCycle;
        connect(first.engine.get(), &SyncEngine::syncCompleted, this, [&] {
            pendingAfterEachCycle.append(first.transactions.pendingCount() + first.accounts.pendingCount());
        });
        first.engine->sync();
        QTRY_COMPARE_WITH_TIMEOUT(pendingAfterEachCycle, (QList<int>{701, 201, 0}), 60000);
        QTest::qWait(200);
        QCOMPARE(first.engine->state(), SyncState::Idle);
        QCOMPARE(pendingAfterEachCycle.size(), 3);

        Device second(m_server, email);
        QVERIFY(second.sync());
        QCOMPARE(second.transactions.byAccount(account.id).size(), 1200);
        QVERIFY(second.transactions.pending().isEmpty());
        QCOMPARE(second.stored(rows.at(1199).id).payee, QStringLiteral("Payee 1199"));
    }

    void changesMadeElsewhereArrive_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("expectedPayee");
        QTest::addColumn<bool>("expectedDeleted");
        QTest::newRow("edit") << "edit" << "Edited" << false;
        QTest::newRow("edit with a new version") << "new version" << "Edited" << false;
        QTest::newRow("delete") << "delete" << "Rent" << true;
        QTest::newRow("restore") << "restore" << "Rent" << false;
    }

    void changesMadeElsewhereArrive()
    {
        QFETCH(QString, change);
        QFETCH(QString, expectedPayee);
        QFETCH(bool, expectedDeleted);
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = there.addAccount(QStringLiteral("Checking"));
        const Transaction rent = there.addTransaction(account.id, QStringLiteral("Rent"));
        if (change == QLatin1String("restore"))
            softDelete(there, rent.id);
        QVERIFY(there.sync());
        QVERIFY(here.sync());

        if (change == QLatin1String("edit"))
            edit(there, rent.id, QStringLiteral("Edited"));
        else if (change == QLatin1String("new version"))
            raiseVersion(there, rent.id, QStringLiteral("Edited"));
        else if (change == QLatin1String("delete"))
            softDelete(there, rent.id);
        else
            restore(there, account.id);
        QVERIFY(there.sync());
        QVERIFY(here.sync());

        const Transaction arrived = here.stored(rent.id);
        QCOMPARE(arrived.payee, expectedPayee);
        QCOMPARE(arrived.deletedAt.has_value(), expectedDeleted);
        QCOMPARE(arrived.syncStatus, SyncStatus::Synced);
        QCOMPARE(here.transactions.byAccount(account.id).size(), expectedDeleted ? 0 : 1);
    }

    void categoryCountsAreCompared_data()
    {
        QTest::addColumn<bool>("strayCategory");
        QTest::newRow("the same categories") << false;
        QTest::newRow("a category the server never took") << true;
    }

    // The count of live categories on each page is compared with this
    // device's: a difference is logged, and the cycle still completes.
    void categoryCountsAreCompared()
    {
        QFETCH(bool, strayCategory);
        Device device(m_server, m_server.newUser());
        device.execute(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) "
                                      "VALUES ('groceries', 'Groceries', '2024-05-20T12:00:00Z', '2024-05-20T12:00:00Z')"));
        QVERIFY(device.sync());
        const QRegularExpression mismatch(QStringLiteral("^Category count mismatch: local= 2 server= 1 "));
        if (strayCategory) {
            device.execute(QStringLiteral("INSERT INTO categories (id, name, sync_status, created_at, updated_at) "
                                          "VALUES ('fuel', 'Fuel', 'synced', '2024-05-20T12:00:00Z', '2024-05-20T12:00:00Z')"));
            QTest::ignoreMessage(QtWarningMsg, mismatch);
        } else {
            QTest::failOnWarning(QRegularExpression(QStringLiteral("^Category count mismatch")));
        }
        QVERIFY(device.sync());
    }

    void rowDeletedBeforeThisDeviceSawItIsNotWritten()
    {
        const QString email = m_server.newUser();
        Device there(m_server, email);
        const Account account = there.addAccount(QStringLiteral("Checking"));
        const Transaction rent = there.addTransaction(account.id, QStringLiteral("Rent"));
        QVERIFY(there.sync());
        softDelete(there, rent.id);
        QVERIFY(there.sync());

        Device here(m_server, email);
        QVERIFY(here.sync());
        QVERIFY(here.accounts.byId(account.id));
        QVERIFY(!here.transactions.byId(rent.id));
    }

    // An edit made while the upload of the row's previous state is on the
    // way: the server's copy of that state comes back in the same cycle at
    // the same version, and neither the acknowledgement nor the pull may
    // take the newer local edit away.
    void editDuringUploadStaysPendingAndGoesOutNext_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("sameSecond");
        QTest::newRow("payee edited") << "edit" << false;
        QTest::newRow("payee edited in the same second") << "edit" << true;
        QTest::newRow("deleted") << "delete" << false;
    }

    void editDuringUploadStaysPendingAndGoesOutNext()
    {
        QFETCH(QString, change);
        QFETCH(bool, sameSecond);
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = here.addAccount(QStringLiteral("Checking"));
        const Transaction rent = here.addTransaction(account.id, QStringLiteral("Rent"));
        QVERIFY(here.sync());
        QVERIFY(there.sync());

        edit(here, rent.id, QStringLiteral("First edit"));
        here.engine->sync();
        if (change == QLatin1String("edit"))
            edit(here, rent.id, QStringLiteral("Second edit"), sameSecond);
        else
            softDelete(here, rent.id);
        QVERIFY(here.finish());
        const Transaction afterFirstCycle = here.stored(rent.id);
        QCOMPARE(afterFirstCycle.syncStatus, SyncStatus::Pending);
        QCOMPARE(afterFirstCycle.payee, change == QLatin1String("edit") ? QStringLiteral("Second edit") : QStringLiteral("First edit"));
        QCOMPARE(afterFirstCycle.deletedAt.has_value(), change == QLatin1String("delete"));

        QVERIFY(here.sync());
        QVERIFY(there.sync());
        QCOMPARE(here.stored(rent.id).syncStatus, SyncStatus::Synced);
        QCOMPARE(there.stored(rent.id).payee, afterFirstCycle.payee);
        QCOMPARE(there.stored(rent.id).deletedAt.has_value(), change == QLatin1String("delete"));
    }

    // The upload is one batch a cycle, the pull brings every row: the rows
    // still waiting keep their local edits at an equal version, and a newer
    // version made elsewhere wins over a local edit.
    void pendingRowsGiveWayOnlyToNewerVersions()
    {
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = here.addAccount(QStringLiteral("Checking"));
        QList<Transaction> rows;
        for (int i = 0; i < 600; ++i)
            rows.append(Transaction::newPending(account.id, QDate(2024, 1, 1), QStringLiteral("Server %1").arg(i), -i));
        QVERIFY(here.database.inTransaction([&] { return here.transactions.insertAll(rows); }));
        QVERIFY(here.sync());
        QVERIFY(here.sync());
        QVERIFY(there.sync());
        raiseVersion(there, rows.at(599).id, QStringLiteral("Newer elsewhere"));
        QVERIFY(there.sync());

        tick();
        for (const Transaction& row : rows) {
            Transaction edited = here.stored(row.id);
            edited.payee = QStringLiteral("Local %1").arg(row.payee);
            edited.syncStatus = SyncStatus::Pending;
            QVERIFY(here.transactions.update(edited));
        }
        QVERIFY(here.sync());
        QCOMPARE(here.transactions.pending().size(), 99);
        QCOMPARE(here.stored(rows.at(598).id).payee, QStringLiteral("Local Server 598"));
        QCOMPARE(here.stored(rows.at(599).id).payee, QStringLiteral("Newer elsewhere"));

        QVERIFY(here.sync());
        QVERIFY(here.transactions.pending().isEmpty());
        QVERIFY(there.sync());
        QCOMPARE(there.stored(rows.at(598).id).payee, QStringLiteral("Local Server 598"));
        QCOMPARE(there.stored(rows.at(0).id).payee, QStringLiteral("Local Server 0"));
    }

    void rowKnownOnlyByServerIdIsMergedUnderItsLocalId()
    {
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = there.addAccount(QStringLiteral("Checking"));
        const Transaction rent = there.addTransaction(account.id, QStringLiteral("Rent"));
        QVERIFY(there.sync());
        QVERIFY(here.sync());
        here.execute(QStringLiteral("UPDATE transactions SET id = 'renamed-here' WHERE id = '%1'").arg(rent.id));

        edit(there, rent.id, QStringLiteral("Rent, edited"));
        QVERIFY(there.sync());
        QVERIFY(here.sync());
        QCOMPARE(here.stored(QStringLiteral("renamed-here")).payee, QStringLiteral("Rent, edited"));
        QVERIFY(!here.transactions.byId(rent.id));
    }

    void pageThatCannotBeStoredKeepsTheCursor()
    {
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = there.addAccount(QStringLiteral("Checking"));
        there.addTransaction(account.id, QStringLiteral("Rent"));
        there.addTransaction(account.id, QStringLiteral("Refused here"));
        QVERIFY(there.sync());
        here.execute(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = 'Refused here' "
                                    "BEGIN SELECT RAISE(ABORT, 'refused'); END"));

        QSignalSpy accountsChanged(&here.accounts, &AccountRepository::accountsChanged);
        QVERIFY(!here.sync());
        QCOMPARE(here.engine->state(), SyncState::Error);
        QVERIFY(!here.engine->lastError().isEmpty());
        QVERIFY(!here.preferences.get(QStringLiteral("lastSyncTimestamp")));
        QVERIFY(here.accounts.all().isEmpty());
        QVERIFY(accountsChanged.isEmpty());

        here.execute(QStringLiteral("DROP TRIGGER refuse"));
        QVERIFY(here.sync());
        QCOMPARE(here.transactions.byAccount(account.id).size(), 2);
        QVERIFY(here.preferences.get(QStringLiteral("lastSyncTimestamp")));
    }

    void mergedPageAnnouncesEachChangeOnce()
    {
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = there.addAccount(QStringLiteral("Checking"));
        for (int i = 0; i < 20; ++i)
            there.addTransaction(account.id, QStringLiteral("Payee %1").arg(i));
        // The pull brings the uploaded rows back unchanged: none is written again.
        QSignalSpy ownRowsChanged(&there.transactions, &TransactionRepository::transactionsChanged);
        QVERIFY(there.sync());
        QCOMPARE(ownRowsChanged.size(), 0);

        QSignalSpy accountsChanged(&here.accounts, &AccountRepository::accountsChanged);
        QSignalSpy transactionsChanged(&here.transactions, &TransactionRepository::transactionsChanged);
        QSignalSpy dataChanged(here.engine.get(), &SyncEngine::dataChanged);
        QVERIFY(here.sync());
        QCOMPARE(accountsChanged.size(), 1);
        QCOMPARE(transactionsChanged.size(), 1);
        QCOMPARE(dataChanged.size(), 1);
    }

    void datesBeforeTwoThousandTravelExceptForDueDates_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("ruleArrives");
        QTest::newRow("1985") << QDate(1985, 3, 4) << false;
        QTest::newRow("1999-12-31") << QDate(1999, 12, 31) << false;
        QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << true;
    }

    void datesBeforeTwoThousandTravelExceptForDueDates()
    {
        QFETCH(QDate, date);
        QFETCH(bool, ruleArrives);
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = there.addAccount(QStringLiteral("Checking"));
        const Transaction old = there.addTransaction(account.id, QStringLiteral("Imported"), date);
        Reconciliation reconciliation;
        reconciliation.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        reconciliation.accountId = account.id;
        reconciliation.statementDate = date;
        reconciliation.completedAt = Clock::nowUtc();
        QVERIFY(there.reconciliations.insert(reconciliation));
        RecurringTransaction rule;
        rule.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        rule.accountId = account.id;
        rule.payee = QStringLiteral("Rent");
        rule.startDate = rule.nextDueDate = date;
        rule.createdAt = rule.updatedAt = Clock::nowUtc();
        QVERIFY(there.recurring.insert(rule));
        QVERIFY(there.sync());

        if (!ruleArrives)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^applyRecurring: skipping")));
        QVERIFY(here.sync());
        QCOMPARE(here.stored(old.id).date, date);
        QCOMPARE(here.reconciliations.byId(reconciliation.id).value_or(Reconciliation()).statementDate, date);
        QCOMPARE(here.recurring.byId(rule.id).has_value(), ruleArrives);
    }

    // Pages in shapes the reference server never sends, made by rewriting
    // its first answer on the way.
    void pagesInOtherShapesAreFollowed_data()
    {
        QTest::addColumn<bool>("rulesUnderRecurring");
        QTest::newRow("rules under \"recurring\"") << true;
        QTest::newRow("more to come without a server time") << false;
    }

    void pagesInOtherShapesAreFollowed()
    {
        QFETCH(bool, rulesUnderRecurring);
        const QString email = m_server.newUser();
        Device here(m_server, email);
        Device there(m_server, email);
        const Account account = there.addAccount(QStringLiteral("Checking"));
        QVERIFY(there.sync());
        QVERIFY(here.sync());
        RecurringTransaction rule;
        rule.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        rule.accountId = account.id;
        rule.payee = QStringLiteral("Rent");
        rule.startDate = rule.nextDueDate = QDate(2024, 6, 1);
        QVERIFY(there.recurring.insert(rule));
        QVERIFY(there.sync());

        FaultProxy proxy(m_server.baseUrl());
        QVERIFY(proxy.listen());
        here.routeThrough(proxy);
        bool rewritten = false;
        proxy.setRewrite([&](const QByteArray& path, const QByteArray& body) {
            if (!path.contains("/sync/pull") || std::exchange(rewritten, true))
                return body;
            QJsonObject page = QJsonDocument::fromJson(body).object();
            if (rulesUnderRecurring) {
                page.insert(QStringLiteral("recurring"), page.take(QStringLiteral("recurring_transactions")));
            } else {
                page.insert(QStringLiteral("has_more"), true);
                page.insert(QStringLiteral("server_time"), QString());
            }
            return QJsonDocument(page).toJson(QJsonDocument::Compact);
        });
        QVERIFY(here.sync());
        QVERIFY(here.recurring.byId(rule.id));
        QByteArrayList pulls;
        for (const FaultProxy::Exchange& exchange : proxy.exchanges()) {
            if (exchange.path.contains("/sync/pull"))
                pulls.append(exchange.path);
        }
        QCOMPARE(pulls.size(), rulesUnderRecurring ? 1 : 2);
        QVERIFY(pulls.constFirst().contains("since="));
        if (!rulesUnderRecurring)
            QVERIFY(!pulls.constLast().contains("since="));
    }

    // Rows the server refuses for good (here: written into another user's
    // account) stay pending, and the rows behind them still go up.
    void refusedRowsDoNotHoldTheRestBack()
    {
        Device owner(m_server, m_server.newUser());
        const Account theirs = owner.addAccount(QStringLiteral("Theirs"));
        QVERIFY(owner.sync());

        Device device(m_server, m_server.newUser());
        Account copy = theirs;
        copy.syncStatus = SyncStatus::Pending;
        QVERIFY(device.accounts.insert(copy));
        QList<Transaction> refused;
        for (int i = 0; i < SyncEngine::pushBatchSize; ++i)
            refused.append(Transaction::newPending(theirs.id, QDate(2024, 5, 1), QStringLiteral("Payee %1").arg(i), -i));
        QVERIFY(device.database.inTransaction([&] { return device.transactions.insertAll(refused); }));
        const Account own = device.addAccount(QStringLiteral("Mine"));
        const Transaction behind = device.addTransaction(own.id, QStringLiteral("Grocer"));

        QLoggingCategory::setFilterRules(QStringLiteral("default.warning=false"));
        QSignalSpy completed(device.engine.get(), &SyncEngine::syncCompleted);
        device.engine->sync();
        QTRY_COMPARE_WITH_TIMEOUT(completed.size(), 2, 60000);
        QTest::qWait(200);
        QLoggingCategory::setFilterRules(QString());

        QCOMPARE(completed.size(), 2);
        QCOMPARE(device.stored(behind.id).syncStatus, SyncStatus::Synced);
        QCOMPARE(device.transactions.pendingCount(), SyncEngine::pushBatchSize);
        QCOMPARE(device.accounts.pendingCount(), 1);
    }

    void requestsDuringACycleBecomeOneMoreCycle()
    {
        Device here(m_server, m_server.newUser());
        here.addAccount(QStringLiteral("Checking"));
        QSignalSpy states(here.engine.get(), &SyncEngine::stateChanged);
        QSignalSpy completed(here.engine.get(), &SyncEngine::syncCompleted);
        here.engine->sync();
        here.engine->sync();
        here.engine->sync();
        QCOMPARE(here.engine->state(), SyncState::Syncing);
        QVERIFY(QTest::qWaitFor([&] { return completed.size() == 2; }, 30000));
        QTest::qWait(300);
        QCOMPARE(completed.size(), 2);
        QCOMPARE(states.size(), 4);
        QCOMPARE(here.engine->state(), SyncState::Idle);
    }

    void cancelledCycleWritesNothingMore()
    {
        Device here(m_server, m_server.newUser());
        here.addAccount(QStringLiteral("Checking"));
        QSignalSpy completed(here.engine.get(), &SyncEngine::syncCompleted);
        QSignalSpy failed(here.engine.get(), &SyncEngine::syncFailed);
        here.engine->sync();
        here.engine->cancelCycle();
        QCOMPARE(here.engine->state(), SyncState::Idle);
        QTest::qWait(1000);
        QVERIFY(completed.isEmpty());
        QVERIFY(failed.isEmpty());
        QCOMPARE(here.accounts.pending().size(), 1);
        QVERIFY(!here.preferences.get(QStringLiteral("lastSyncTimestamp")));
    }

    void booksOfAnotherUserWaitUntilAdopted()
    {
        const QString firstEmail = m_server.newUser();
        const QString secondEmail = m_server.newUser();
        Device here(m_server, firstEmail);
        const Account account = here.addAccount(QStringLiteral("Checking"));
        const Transaction rent = here.addTransaction(account.id, QStringLiteral("Rent"));
        Transaction refund = Transaction::newPending(account.id, QDate(2024, 5, 2), QStringLiteral("Refund"), 500);
        refund.transferLinkId = rent.id;
        QVERIFY(here.transactions.insert(refund));
        QVERIFY(here.sync());

        here.signIn(secondEmail);
        QVERIFY(here.engine->localDataBelongsToAnotherUser());
        QVERIFY(!here.sync());
        QVERIFY(here.engine->adoptLocalDataForCurrentUser());
        QVERIFY(!here.engine->localDataBelongsToAnotherUser());
        const QList<Account> adopted = here.accounts.all();
        QCOMPARE(adopted.size(), 1);
        QVERIFY(adopted.constFirst().id != account.id);
        QCOMPARE(adopted.constFirst().syncStatus, SyncStatus::Pending);
        QVERIFY(adopted.constFirst().serverId.isEmpty());
        QVERIFY(!here.preferences.get(QStringLiteral("lastSyncTimestamp")));
        QVERIFY(here.sync());
        QVERIFY(here.transactions.pending().isEmpty());

        Device secondUsersOtherDevice(m_server, secondEmail);
        QVERIFY(secondUsersOtherDevice.sync());
        const QList<Transaction> arrived = secondUsersOtherDevice.transactions.byAccount(adopted.constFirst().id);
        QCOMPARE(arrived.size(), 2);
        const Transaction arrivedRefund = arrived.at(0).payee == QLatin1String("Refund") ? arrived.at(0) : arrived.at(1);
        QCOMPARE(secondUsersOtherDevice.stored(arrivedRefund.transferLinkId).payee, QStringLiteral("Rent"));
        Device firstUsersOtherDevice(m_server, firstEmail);
        QVERIFY(firstUsersOtherDevice.sync());
        QCOMPARE(firstUsersOtherDevice.transactions.byAccount(account.id).size(), 2);
    }
};

QTEST_MAIN(SyncEngineTest)
#include "tst_syncengine.moc"
