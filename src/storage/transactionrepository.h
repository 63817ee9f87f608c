#pragma once

#include "storage/registerrow.h"
#include "storage/transaction.h"

#include <QHash>
#include <QList>
#include <QObject>
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
    QList<Transaction> pending();
    // The account's register, oldest first, with running balances and the
    // opening-balance row when the account has a starting balance.
    QList<RegisterRow> registerRows(const QString& accountId);
    // Every live account's current balance (starting balance plus its live
    // transactions), by account id: what the last registerRows row would
    // show, without reading the registers.
    QHash<QString, qint64> balances();
    // One account's current balance; none when the account does not exist.
    std::optional<qint64> balance(const QString& accountId);
    QList<Transaction> unreconciled(const QString& accountId);
    std::optional<Transaction> lastByPayee(const QString& payee, const QString& accountId);
    // `text` is an FTS5 query; at most 200 rows, newest first.
    QList<RegisterRow> search(const QString& text, const SearchFilter& filter);

    bool insert(const Transaction& transaction);
    bool update(const Transaction& transaction);
    // Both sides of a transfer are written together or not at all; the
    // change signal follows the commit, once per account touched.
    bool insertAll(const QList<Transaction>& transactions);
    bool updateAll(const QList<Transaction>& transactions);
    bool softDelete(const QString& id);
    int softDeleteByAccount(const QString& accountId);
    int restoreByAccount(const QString& accountId, const QString& since);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();

Q_SIGNALS:
    void transactionsChanged(const QString& accountId);

private:
    bool writeInsert(const Transaction& transaction);
    bool writeUpdate(const Transaction& transaction);
    bool writeAll(const QList<Transaction>& transactions, bool (TransactionRepository::*write)(const Transaction&));

    Database* m_database;
};
