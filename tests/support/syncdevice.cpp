#include "support/syncdevice.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "account/tokenpayload.h"
#include "bookkeeping/accountservice.h"
#include "bookkeeping/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "support/referenceserver.h"
#include "support/testbrowser.h"
#include "sync/syncengine.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTimer>
#include <QUrlQuery>

const QStringList SyncDevice::syncedTables{QStringLiteral("accounts"), QStringLiteral("categories"),
    QStringLiteral("recurring_transactions"), QStringLiteral("transactions"), QStringLiteral("reconciliations")};

SyncDevice::SyncDevice(const QString& name, const ReferenceServer& server, QObject* parent)
    : QObject(parent)
    , m_name(name)
    , m_server(server)
    , m_database(std::make_unique<Database>(QStringLiteral("device-") + name))
{
    if (!m_database->open(m_directory.filePath(QStringLiteral("checkbook.db"))) || !m_database->runMigrations())
        qFatal("SyncDevice: the books of %s could not be opened", qPrintable(name));
    Database* database = m_database.get();
    m_accounts = new AccountRepository(database, this);
    m_transactions = new TransactionRepository(database, this);
    m_categories = new CategoryRepository(database, this);
    m_preferences = new PreferencesRepository(database, this);
    m_recurring = new RecurringRepository(database, this);
    m_reconciliations = new ReconciliationRepository(database, this);
    m_accountService = new AccountService(database, m_accounts, m_transactions, m_recurring, m_reconciliations, this);
    m_transactionService = new TransactionService(database, m_accounts, m_transactions, this);

    m_proxy = new FaultProxy(server.baseUrl(), this);
    if (!m_proxy->listen())
        qFatal("SyncDevice: the proxy of %s could not listen", qPrintable(name));
    m_client = new KestAccount::Client(server.clientConfig(), std::make_unique<KestAccount::MemoryTokenStore>(), this);
    m_client->syncApi()->setBaseUrl(m_proxy->url().resolved(QUrl(QStringLiteral("/checkbook/v1"))));
    m_client->syncApi()->setTransferTimeout(transferTimeoutMs);
    m_engine = new SyncEngine(m_client->syncApi(), m_accounts, m_transactions, m_categories, m_recurring,
        m_reconciliations, m_preferences, this);
    m_engine->setCanSync([client = m_client] { return client->isAuthenticated(); });
    m_engine->setCurrentUser([this] { return userId(); });
    connect(m_engine, &SyncEngine::syncCompleted, this, [this] { m_lastCycleCompleted = true; });
    connect(m_engine, &SyncEngine::syncFailed, this, [this] { m_lastCycleCompleted = false; });
}

SyncDevice::~SyncDevice()
{
    // The engine and the repositories go before the books they read.
    delete m_engine;
    delete m_client;
    qDeleteAll(findChildren<QObject*>(Qt::FindDirectChildrenOnly));
}

bool SyncDevice::signIn(const QString& email)
{
    TestBrowser browser;
    const QUrlQuery tokens(
        browser.logIn(TestBrowser::loginPage(m_server.baseUrl(), ReferenceServer::clientId), email).location);
    const QString access = tokens.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
    const QString refresh = tokens.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    return signInWith(access, refresh);
}

bool SyncDevice::signInWith(const QString& accessToken, const QString& refreshToken)
{
    if (refreshToken.isEmpty())
        return false;
    m_client->tokenManager()->setTokens(accessToken, refreshToken);
    m_client->initialize();
    return m_client->isAuthenticated();
}

QString SyncDevice::accessToken() const
{
    return m_client->tokenManager()->accessToken();
}

QString SyncDevice::userId() const
{
    return KestAccount::TokenPayload::decode(m_client->tokenManager()->accessToken())
        .value(QStringLiteral("sub"))
        .toString();
}

QString SyncDevice::refreshToken() const
{
    return m_client->tokenManager()->refreshToken();
}

void SyncDevice::signOut()
{
    m_client->authClient()->logout();
}

void SyncDevice::setTransferTimeout(int milliseconds)
{
    m_client->syncApi()->setTransferTimeout(milliseconds);
}

void SyncDevice::startSync()
{
    m_lastCycleCompleted = false;
    m_engine->sync();
}

bool SyncDevice::isSyncing() const
{
    return m_engine->state() == SyncState::Syncing;
}

bool SyncDevice::finishSync(int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (isSyncing()) {
            QEventLoop loop;
            connect(m_engine, &SyncEngine::stateChanged, &loop, &QEventLoop::quit);
            QTimer::singleShot(deadline.remainingTime(), &loop, &QEventLoop::quit);
            loop.exec();
            continue;
        }
        // A cycle asked for during the last one starts from the event loop.
        QCoreApplication::processEvents();
        if (!isSyncing())
            return m_lastCycleCompleted;
    }
    return false;
}

QMap<QString, QString> SyncDevice::rowsOf(const QString& table) const
{
    QMap<QString, QString> rows;
    QSqlQuery query(m_database->database());
    query.exec(QStringLiteral("SELECT * FROM %1").arg(table));
    const QSqlRecord columns = query.record();
    while (query.next()) {
        QStringList cells;
        for (int column = 0; column < columns.count(); ++column) {
            if (columns.fieldName(column) != QLatin1String("sync_status"))
                cells << columns.fieldName(column) + QLatin1Char('=') + query.value(column).toString();
        }
        rows.insert(query.value(QStringLiteral("id")).toString(), cells.join(QLatin1Char('|')));
    }
    return rows;
}

QHash<QString, QString> SyncDevice::writeStates() const
{
    QHash<QString, QString> states;
    for (const QString& table : syncedTables) {
        QSqlQuery query(m_database->database());
        query.exec(QStringLiteral("SELECT id, updated_at, deleted_at IS NOT NULL, version FROM %1").arg(table));
        while (query.next()) {
            states.insert(table + QLatin1Char('/') + query.value(0).toString(),
                QStringLiteral("%1|%2|v%3")
                    .arg(query.value(1).toString(),
                        query.value(2).toBool() ? QStringLiteral("deleted") : QStringLiteral("live"),
                        query.value(3).toString()));
        }
    }
    return states;
}

QStringList SyncDevice::pendingRows() const
{
    QStringList pending;
    for (const QString& table : syncedTables) {
        QSqlQuery query(m_database->database());
        query.exec(QStringLiteral("SELECT id FROM %1 WHERE sync_status <> 'synced'").arg(table));
        while (query.next())
            pending << table + QLatin1Char('/') + query.value(0).toString();
    }
    return pending;
}
