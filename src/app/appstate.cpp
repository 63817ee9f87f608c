#include "app/appstate.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/clientconfig.h"
#include "app/buildinfo.h"

#include "widgets/firstdayofweek.h"
#include "app/thememanager.h"
#include "bookkeeping/accountservice.h"
#include "services/backup/backupservice.h"
#include "services/categories/categoryservice.h"
#include "services/import/importservice.h"
#include "services/reconciliation/reconciliationservice.h"
#include "services/recurring/recurringservice.h"
#include "services/reports/reportservice.h"
#include "services/sampledata/sampledataservice.h"
#include "bookkeeping/transactionservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/payeelist.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/reportrepository.h"
#include "storage/sampledatarepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "sync/accountsharingservice.h"
#include "sync/syncengine.h"

#include <QDebug>
#include <QUrl>

#include <memory>

namespace {

const QString themeKey = QStringLiteral("theme");
const QString weekStartDayKey = QStringLiteral("weekStartDay");
const QString lastViewedAccountKey = QStringLiteral("lastViewedAccountId");
constexpr int autoSyncIntervalMs = 5 * 60 * 1000;

} // namespace

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

bool AppState::initialize()
{
    if (!openDatabase())
        return false;
    createRepositories();
    createServices();
    applyThemePreference();
    applyWeekStartPreference();
    m_categoryService->ensureDefaultCategories();
    createAccountClient();
    createSyncEngine();
    restoreCloudSession();
    restoreLastViewedAccount();
    Q_EMIT databaseReady();
    return true;
}

void AppState::setCurrentAccountId(const QString& id)
{
    if (id == m_currentAccountId)
        return;
    m_currentAccountId = id;
    // Only the next start's first page depends on it; the repository has
    // logged why it failed.
    if (!m_preferences->set(lastViewedAccountKey, id))
        qWarning("AppState: the account on screen could not be remembered for the next start");
    Q_EMIT currentAccountChanged(id);
}

bool AppState::openDatabase()
{
    m_database = new Database(this);
    const QString path = Database::databasePath();
    qInfo().noquote() << "Opening database at:" << path;
    return m_database->open(path) && m_database->runMigrations();
}

void AppState::createRepositories()
{
    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_payees = new PayeeList(m_database, m_transactions, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);
    m_reportQueries = new ReportRepository(m_database, this);
}

void AppState::createServices()
{
    m_categoryService = new CategoryService(m_database, m_categories, this);
    m_transactionService = new TransactionService(m_database, m_accounts, m_transactions, this);
    m_accountService = new AccountService(m_database, m_accounts, m_transactions, m_recurring, m_reconciliations, this);
    m_reconciliationService =
        new ReconciliationService(m_database, m_accounts, m_transactions, m_reconciliations, this);
    m_recurringService = new RecurringService(m_database, m_recurring, m_transactions, m_transactionService, this);
    m_reportService = new ReportService(m_accounts, m_reportQueries, this);
    m_importService = new ImportService(m_database, m_accounts, m_transactions, m_categories, m_splitLines,
        m_preferences, m_accountService, m_transactionService, this);
    m_backupService = new BackupService(
        m_database, m_accounts, m_categories, m_transactions, m_recurring, m_reconciliations, this);
    m_sampleDataService = new SampleDataService(m_database, new SampleDataRepository(m_database, this), m_categories,
        m_accountService, m_transactionService, m_recurringService, this);
}

void AppState::applyThemePreference()
{
    m_themeManager = new ThemeManager(m_preferences, this);
    m_themeManager->setTheme(m_preferences->get(themeKey, QStringLiteral("system")));
}

void AppState::applyWeekStartPreference()
{
    // Anything but a day number 1 (Monday) to 7 (Sunday) is ignored, so a
    // damaged value cannot shift every calendar.
    bool isNumber = false;
    const int day = m_preferences->get(weekStartDayKey, QString()).toInt(&isNumber);
    if (isNumber && day >= Qt::Monday && day <= Qt::Sunday)
        setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(day));
}

void AppState::createAccountClient()
{
    const KestAccount::ClientConfig config = KestAccount::ClientConfig::fromEnvironment(QStringLiteral(CHECKBOOK_APP_ID));
    const QString syncApiUrl = KestAccount::ClientConfig::syncApiUrlFromEnvironment();
    qInfo().noquote() << "Auth:" << config.authBaseUrl << "Account:" << config.accountApiUrl << "Sync:" << syncApiUrl;
    m_accountClient = new KestAccount::Client(config, this);
    m_accountClient->syncApi()->setBaseUrl(QUrl(syncApiUrl));
    m_sharingService = new AccountSharingService(m_accountClient->syncApi(), this);
}

void AppState::createSyncEngine()
{
    m_syncEngine = new SyncEngine(m_accountClient->syncApi(), m_accounts, m_transactions, m_categories, m_recurring,
        m_reconciliations, m_preferences, this);
    m_syncEngine->setCanSync([this] { return m_accountClient->isAuthenticated(); });
    m_syncEngine->setCurrentUser([this] { return m_accountClient->authClient()->userId(); });
    connect(this, &AppState::cloudSessionStarted, this, &AppState::startCloudSync);
    // Signing out ends the cycle on its way too: its late replies must not
    // write the old session's cursor.
    connect(m_accountClient->authClient(), &KestAccount::AuthClient::logoutCompleted, m_syncEngine, [this] {
        m_syncEngine->stopAutoSync();
        m_syncEngine->cancelCycle();
    });
    connect(m_accounts, &AccountRepository::accountsChanged, m_syncEngine, &SyncEngine::scheduleSync);
    connect(m_transactions, &TransactionRepository::transactionsChanged, m_syncEngine, &SyncEngine::scheduleSync);
    connect(m_categories, &CategoryRepository::categoriesChanged, m_syncEngine, &SyncEngine::scheduleSync);
}

void AppState::startCloudSync()
{
    if (m_syncEngine->localDataBelongsToAnotherUser()) {
        qInfo("Sync held: these books were synced with another user");
        Q_EMIT syncLockedToAnotherUser();
        return;
    }
    qInfo("Starting auto-sync + immediate sync");
    m_syncEngine->startAutoSync(autoSyncIntervalMs);
    m_syncEngine->scheduleSync();
}

bool AppState::adoptLocalDataForSignedInUser()
{
    if (!m_syncEngine->adoptLocalDataForCurrentUser())
        return false;
    // The accounts have new ids, the one on screen too.
    const std::optional<QString> lastViewed = m_preferences->get(lastViewedAccountKey);
    m_currentAccountId.clear();
    setCurrentAccountId(lastViewed.value_or(QString()));
    startCloudSync();
    return true;
}

void AppState::restoreCloudSession()
{
    KestAccount::AuthClient* auth = m_accountClient->authClient();
    connect(auth, &KestAccount::AuthClient::loginSucceeded, this, [this] {
        m_accountClient->accountClient()->registerDevice();
        qInfo("loginSucceeded: starting cloud work");
        Q_EMIT cloudSessionStarted();
    });
    m_accountClient->initialize();
    if (auth->state() != KestAccount::AuthState::Initializing) {
        startRestoredSession(auth->state());
        return;
    }
    // The keyring answers later, and a stored access token that had run out
    // is refreshed first: the session starts when the state is decided.
    auto waiting = std::make_shared<QMetaObject::Connection>();
    *waiting = connect(m_accountClient, &KestAccount::Client::authStateChanged, this,
        [this, waiting](KestAccount::AuthState state) {
            disconnect(*waiting);
            startRestoredSession(state);
        });
}

void AppState::startRestoredSession(KestAccount::AuthState state)
{
    if (state != KestAccount::AuthState::SignedIn)
        return;
    KestAccount::AuthClient* auth = m_accountClient->authClient();
    if (auth->refreshedAtStart()) {
        qInfo("Startup: stored session restored");
        Q_EMIT cloudSessionStarted();
        return;
    }
    auth->refreshToken([this](bool ok) {
        qInfo() << "Startup token refresh:" << (ok ? "ok" : "failed");
        if (ok)
            Q_EMIT cloudSessionStarted();
    });
}

void AppState::restoreLastViewedAccount()
{
    // Restored quietly: nothing is shown yet that could follow the signal.
    if (const std::optional<QString> id = m_preferences->get(lastViewedAccountKey))
        m_currentAccountId = *id;
}
