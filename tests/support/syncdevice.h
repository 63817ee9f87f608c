#pragma once

// One device of the sync tests: books of its own in a temporary data
// directory, the bookkeeping services a user's edits go through, a cloud
// client signed in to the real reference server with its data requests
// passing a FaultProxy, and the sync engine between the two.

#include "support/faultproxy.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

class AccountRepository;
class AccountService;
class CategoryRepository;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class ReferenceServer;
class SyncEngine;
class TransactionRepository;
class TransactionService;

namespace KestAccount {
class Client;
}

class SyncDevice : public QObject
{
    Q_OBJECT

public:
    // The synchronised tables, in the order the engine uploads them.
    static const QStringList syncedTables;
    // How long a stalled request waits before the client gives up.
    static constexpr int transferTimeoutMs = 3000;

    SyncDevice(const QString& name, const ReferenceServer& server, QObject* parent = nullptr);
    ~SyncDevice() override;

    // Signs `email` in with a session of this device's own.
    bool signIn(const QString& email);
    // Carries on a session another device object held, so a test can give
    // fresh books to a session without signing in again.
    bool signInWith(const QString& accessToken, const QString& refreshToken);
    QString accessToken() const;
    QString refreshToken() const;
    // The signed-in user's id, the access token's subject.
    QString userId() const;
    void signOut();

    // How long a request may go without progress (transferTimeoutMs
    // unless changed).
    void setTransferTimeout(int milliseconds);

    // Starts a cycle and returns at once.
    void startSync();
    // Waits until no cycle runs; whether the last one completed.
    bool finishSync(int timeoutMs = 30000);
    bool syncNow() { return startSync(), finishSync(); }
    bool isSyncing() const;

    // Every row of `table` by id, all columns but the sync status,
    // joined by '|'.
    QMap<QString, QString> rowsOf(const QString& table) const;
    // Each row of each synced table as "table/id" → "updated_at|deleted",
    // the stamp telling one write of a row from another.
    QHash<QString, QString> writeStates() const;
    // Rows still waiting for upload, as "table/id".
    QStringList pendingRows() const;

    QString name() const { return m_name; }
    Database* database() const { return m_database.get(); }
    AccountRepository* accounts() const { return m_accounts; }
    TransactionRepository* transactions() const { return m_transactions; }
    CategoryRepository* categories() const { return m_categories; }
    AccountService* accountService() const { return m_accountService; }
    TransactionService* transactionService() const { return m_transactionService; }
    SyncEngine* engine() const { return m_engine; }
    KestAccount::Client* client() const { return m_client; }
    FaultProxy* proxy() const { return m_proxy; }

private:
    QString m_name;
    const ReferenceServer& m_server;
    QTemporaryDir m_directory;
    std::unique_ptr<Database> m_database;
    AccountRepository* m_accounts = nullptr;
    TransactionRepository* m_transactions = nullptr;
    CategoryRepository* m_categories = nullptr;
    RecurringRepository* m_recurring = nullptr;
    ReconciliationRepository* m_reconciliations = nullptr;
    PreferencesRepository* m_preferences = nullptr;
    AccountService* m_accountService = nullptr;
    TransactionService* m_transactionService = nullptr;
    FaultProxy* m_proxy = nullptr;
    KestAccount::Client* m_client = nullptr;
    SyncEngine* m_engine = nullptr;
    bool m_lastCycleCompleted = false;
};
