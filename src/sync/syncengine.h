#pragma once

#include "sync/syncstate.h"

#include <QJsonArray>
#include <QHash>
#include <QJsonObject>
#include <QSet>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace KestAccount {
class ApiClient;
}

class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class QTimer;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// Keeps the local books and the data service in step for the signed-in
// user. A cycle uploads the pending rows of the five synchronised tables
// (one batch of at most 500), then pulls what changed on the server since
// the stored cursor, in pages of 200, at most 50 pages a cycle. Only one
// cycle runs at a time; a request during a cycle becomes one more cycle.
//
// Merge rule: an incoming row replaces a local row that is synced when its
// version is the same or newer, and a local row that is still pending only
// when its version is strictly newer; otherwise the local change stays
// pending and goes out with the next upload. The replaced row takes the
// server's deletion state, so deletes and restores travel both ways.
class SyncEngine : public QObject
{
    Q_OBJECT

public:
    static constexpr int pushBatchSize = 500;
    static constexpr int pullPageSize = 200;
    static constexpr int maxPagesPerCycle = 50;
    static constexpr int debounceMs = 2000;
    // Preferences: the "server_time" of the last stored page, and when the
    // last cycle completed (UTC, ISO 8601).
    static const QString cursorKey;
    static const QString lastSyncedAtKey;

    SyncEngine(KestAccount::ApiClient* api, AccountRepository* accounts, TransactionRepository* transactions,
        CategoryRepository* categories, RecurringRepository* recurring, ReconciliationRepository* reconciliations,
        PreferencesRepository* preferences, QObject* parent = nullptr);

    // May a cycle run now (someone is signed in)? Without one, always.
    void setCanSync(std::function<bool()> canSync);
    // Who is signed in (the access token's subject). The local books are
    // tied to the first user they are synced with; while another user is
    // signed in nothing is synced until adoptLocalDataForCurrentUser().
    void setCurrentUser(std::function<QString()> currentUser);

    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    static QString stateText(SyncState state);

    // True when the local books were last synced with a user other than the
    // one signed in.
    bool localDataBelongsToAnotherUser();
    // Gives this device's books to the signed-in user: every row pending
    // and new to the server (accounts, transactions, recurring rules and
    // reconciliations under new local ids, as the server keeps the old ones
    // for the user who uploaded them), the cursor cleared. Nothing is
    // deleted; dataChanged() follows.
    [[nodiscard]] bool adoptLocalDataForCurrentUser();

public Q_SLOTS:
    void sync();
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    void scheduleSync();
    // Drops the cycle on its way (at sign-out): its late replies are ignored
    // and nothing more is written for it.
    void cancelCycle();

Q_SIGNALS:
    void stateChanged(SyncState state);
    void syncCompleted();
    void syncFailed(const QString& error);
    void dataChanged();

private:
    void setState(SyncState state);
    void fail(const QString& error);
    void buildUpload();
    QJsonArray pendingBatch(const QSet<QString>& skipped, int& skippedCount);
    void pushNextBatch();
    void onPushReply(int cycle, const QJsonArray& batch, bool ok, int status, const QJsonObject& body);
    bool markResults(const QJsonArray& results, const QHash<QString, QJsonObject>& sent, int& accepted, int& errors);
    // Marks the row of `change` synced while it is still what was sent;
    // false only when the database failed.
    bool markSynced(const QJsonObject& change, const QString& serverId, bool applied);
    // The change object the stored row would make now; none when the row
    // is gone or the type unknown.
    std::optional<QJsonObject> storedChange(const QString& entityType, const QString& id) const;
    void pullChanges(const QString& since);
    void onPullReply(int cycle, bool ok, int status, const QJsonObject& body);
    bool mergePage(const QJsonObject& page);
    bool mergeRows(const QJsonObject& page, const QString& key);
    void checkIntegrity(const QJsonObject& integrity);
    void completeCycle();
    QString cursor();
    QString currentUser() const;
    void claimLocalDataForCurrentUser();

    KestAccount::ApiClient* m_api;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    PreferencesRepository* m_preferences;
    QTimer* m_periodicTimer;
    QTimer* m_debounceTimer;
    SyncState m_state = SyncState::Idle;
    QString m_lastError;
    int m_pageCount = 0;
    bool m_resyncRequested = false;
    // Set while a pulled page is written, so the repositories' change
    // signals of the merge do not schedule another cycle.
    bool m_merging = false;
    // Counts cycles; a reply that belongs to an earlier one is ignored.
    int m_cycle = 0;
    std::function<bool()> m_canSync;
    std::function<QString()> m_currentUser;
    QJsonArray m_queue;
    // Pending rows beyond the queue, left for the following cycles.
    int m_pendingAfterQueue = 0;
    // The rows the server refused this session, as "type/id".
    QSet<QString> m_refused;
};
