#pragma once

#include "account/authstate.h"

#include <QObject>
#include <QString>

namespace KestAccount {
class Client;
}

class AccountRepository;
class AccountSharingService;
class AccountService;
class BackupService;
class CategoryRepository;
class CategoryService;
class Database;
class ImportService;
class PayeeList;
class PreferencesRepository;
class ReconciliationRepository;
class ReconciliationService;
class RecurringRepository;
class RecurringService;
class ReportRepository;
class ReportService;
class SampleDataService;
class SplitLineRepository;
class SyncEngine;
class ThemeManager;
class TransactionRepository;
class TransactionService;

// The program's composition root: it opens the database and owns every
// repository and service for the life of the process. Every screen is given
// this object and reaches the data through it.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject* parent = nullptr);

    // Opens and migrates the database, builds the repositories and services
    // and restores the state of the last session. False when the database
    // cannot be opened or migrated; the repositories and services stay
    // null until it succeeds.
    bool initialize();

    Database* database() const { return m_database; }
    AccountRepository* accounts() const { return m_accounts; }
    TransactionRepository* transactions() const { return m_transactions; }
    PayeeList* payees() const { return m_payees; }
    CategoryRepository* categories() const { return m_categories; }
    PreferencesRepository* preferences() const { return m_preferences; }
    SplitLineRepository* splitLines() const { return m_splitLines; }
    RecurringRepository* recurring() const { return m_recurring; }
    ReconciliationRepository* reconciliations() const { return m_reconciliations; }
    ReportRepository* reportQueries() const { return m_reportQueries; }
    CategoryService* categoryService() const { return m_categoryService; }
    TransactionService* transactionService() const { return m_transactionService; }
    AccountService* accountService() const { return m_accountService; }
    RecurringService* recurringService() const { return m_recurringService; }
    ReconciliationService* reconciliationService() const { return m_reconciliationService; }
    ReportService* reportService() const { return m_reportService; }
    ImportService* importService() const { return m_importService; }
    BackupService* backupService() const { return m_backupService; }
    SampleDataService* sampleDataService() const { return m_sampleDataService; }
    ThemeManager* themeManager() const { return m_themeManager; }
    KestAccount::Client* accountClient() const { return m_accountClient; }
    SyncEngine* syncEngine() const { return m_syncEngine; }
    AccountSharingService* sharingService() const { return m_sharingService; }

    // The account shown in the register; empty for none.
    QString currentAccountId() const { return m_currentAccountId; }
    // Remembers the account for the next start and announces it; setting
    // the account already current does nothing.
    void setCurrentAccountId(const QString& id);

    // Starts automatic sync for the signed-in user, unless this device's
    // books were synced with another user: then syncLockedToAnotherUser()
    // asks the window to let the user choose.
    void startCloudSync();
    // The user's answer to syncLockedToAnotherUser(): this device's books go
    // to the signed-in user's account, then sync starts. False when the
    // books could not be prepared; nothing is synced then.
    [[nodiscard]] bool adoptLocalDataForSignedInUser();

Q_SIGNALS:
    void currentAccountChanged(const QString& accountId);
    void databaseReady();
    // A signed-in session is ready for the work that needs one: after a
    // sign-in, or at start once the stored session is confirmed.
    void cloudSessionStarted();
    // The signed-in user is not the one these books were synced with;
    // nothing is synced until the user decides.
    void syncLockedToAnotherUser();

private:
    bool openDatabase();
    void createRepositories();
    void createServices();
    void applyThemePreference();
    void applyWeekStartPreference();
    void restoreLastViewedAccount();
    void createAccountClient();
    void createSyncEngine();
    void restoreCloudSession();
    void startRestoredSession(KestAccount::AuthState state);

    Database* m_database = nullptr;
    AccountRepository* m_accounts = nullptr;
    TransactionRepository* m_transactions = nullptr;
    PayeeList* m_payees = nullptr;
    CategoryRepository* m_categories = nullptr;
    PreferencesRepository* m_preferences = nullptr;
    SplitLineRepository* m_splitLines = nullptr;
    RecurringRepository* m_recurring = nullptr;
    ReconciliationRepository* m_reconciliations = nullptr;
    ReportRepository* m_reportQueries = nullptr;
    CategoryService* m_categoryService = nullptr;
    TransactionService* m_transactionService = nullptr;
    AccountService* m_accountService = nullptr;
    RecurringService* m_recurringService = nullptr;
    ReconciliationService* m_reconciliationService = nullptr;
    ReportService* m_reportService = nullptr;
    ImportService* m_importService = nullptr;
    BackupService* m_backupService = nullptr;
    SampleDataService* m_sampleDataService = nullptr;
    ThemeManager* m_themeManager = nullptr;
    KestAccount::Client* m_accountClient = nullptr;
    SyncEngine* m_syncEngine = nullptr;
    AccountSharingService* m_sharingService = nullptr;
    QString m_currentAccountId;
};
