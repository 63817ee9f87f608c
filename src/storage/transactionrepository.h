#pragma once

#include "storage/registerrow.h"
#include "storage/syncstamp.h"
#include "storage/transaction.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <optional>

class Database;

class TransactionRepository : public QObject
{
    Q_OBJECT

public:
    struct SearchFilter
    {
        QString accountId;  // empty: any account
        QString categoryId; // empty: any category
        QDate fromDate;     // invalid: no lower bound
        QDate toDate;       // invalid: no upper bound
        std::optional<bool> cleared;
    };

    TransactionRepository(Database* database, QObject* parent = nullptr);

    QStringList payees();
    QList<Transaction> byAccount(const QString& accountId);
    std::optional<Transaction> byId(const QString& id);
    // The account's earliest live "Opening Balance" row that is no transfer.
    std::optional<Transaction> openingBalance(const QString& accountId);
    // Rows waiting for upload, deleted ones included; at most `limit`
    // (all when negative).
    QList<Transaction> pending(int limit = -1);
    int pendingCount();
    // The account's register, oldest first, with running balances and the
    // opening-balance row when the account has a starting balance. A row
    // whose category was deleted shows no category name. From the
    // first row whose balance is too large to hold on, the balances are none.
    QList<RegisterRow> registerRows(const QString& accountId);
    // Every live account's current balance (starting balance plus its live
    // transactions), by account id: what the last registerRows row would
    // show, without reading the registers. Empty when the query fails.
    QHash<QString, CheckedSum> balances();
    // One account's current balance; none when the account does not exist
    // or cannot be read.
    std::optional<CheckedSum> balance(const QString& accountId);
    QList<Transaction> unreconciled(const QString& accountId);
    // The date of the account's latest live reconciled transaction; invalid
    // when it has none.
    QDate latestReconciledDate(const QString& accountId);
    bool hasLiveTransactions(const QString& accountId);
    std::optional<Transaction> lastByPayee(const QString& payee, const QString& accountId);
    // `text` is an FTS5 query; at most 200 rows, newest first.
    QList<RegisterRow> search(const QString& text, const SearchFilter& filter);
    // search() for text as a user types it: text that does not parse as an
    // FTS5 query is searched for as its words, each one a quoted phrase and
    // the last one a prefix, so "AT&T" or "O'Brien" find what they name.
    // None when the transactions cannot be read.
    std::optional<QList<RegisterRow>> searchTyped(const QString& text, const SearchFilter& filter);

    // Which of `ids` are stored, deleted rows included.
    QSet<QString> existingIds(const QStringList& ids);
    // The date, amount and payee of a stored row, by which an import knows
    // a row of a bank file it has seen before.
    struct Fingerprint
    {
        QDate date;
        qint64 amount = 0;
        QString payee;
    };
    // The fingerprints of the account's live transactions, without reading
    // whole rows: a large register matched against a statement. With valid
    // dates, only those dated from `from` to `to`.
    QList<Fingerprint> fingerprints(const QString& accountId, const QDate& from = {}, const QDate& to = {});

    [[nodiscard]] bool insert(const Transaction& transaction);
    // Stores `transactions` with one prepared statement; the caller holds
    // the database transaction that makes them all or none.
    [[nodiscard]] bool insertAll(const QList<Transaction>& transactions);
    [[nodiscard]] bool update(const Transaction& transaction);
    [[nodiscard]] bool softDelete(const QString& id);
    [[nodiscard]] int softDeleteByAccount(const QString& accountId);
    [[nodiscard]] int restoreByAccount(const QString& accountId, const QString& since);
    [[nodiscard]] bool markSynced(const QString& id, const QString& serverId);
    [[nodiscard]] int markAllPendingForResync();
    // The sync engine's side: the row the server knows by its id, an upload
    // acknowledged only for a row unchanged since it was sent, a row stored
    // as the server has it (deletion included), and every row made new to
    // the server.
    std::optional<QString> idForServerId(const QString& serverId);
    [[nodiscard]] std::optional<bool> markSyncedIfUnchanged(
        const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied);
    [[nodiscard]] bool storeFromServer(const Transaction& transaction);
    [[nodiscard]] int forgetServer();
    // Gives every live transaction paid to `from` the payee `to`, stamped
    // now, its version raised and pending upload. The number of rows
    // changed; none after a logged failure.
    [[nodiscard]] std::optional<int> renamePayee(const QString& from, const QString& to);
    // Renames each of `payees` to `into` as one database transaction, so
    // either all of them become one payee or none changes. The total of rows
    // changed; none after a failure.
    [[nodiscard]] std::optional<int> mergePayees(const QStringList& payees, const QString& into);

Q_SIGNALS:
    void transactionsChanged(const QString& accountId);

private:
    struct Statement
    {
        QString sql;
        QVariantList values;
    };
    static Statement searchStatement(const QString& text, const SearchFilter& filter);

    // The change signal, sent after the commit when inside a transaction.
    void announceChange(const QString& accountId);

    Database* m_database;
};
