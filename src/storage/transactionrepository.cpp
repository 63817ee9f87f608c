#include "storage/transactionrepository.h"

#include "storage/clock.h"
#include "storage/database.h"
#include "storage/sqlquery.h"
#include "storage/syncrowstatements.h"
#include "storage/storedtime.h"

#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace {

const QString columns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, t.reconciled, "
    "t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, t.sync_status, "
    "t.server_id, t.created_at, t.updated_at, t.deleted_at");
constexpr int categoryNameColumn = 20;
constexpr int searchLimit = 200;

// A deleted category is shown as none, while the transactions keep its id:
// "Transactions using this category will become uncategorized".
const QString liveCategoryJoin = QStringLiteral("LEFT JOIN categories c ON t.category_id = c.id AND c.deleted_at IS NULL ");

// `text` as FTS5 phrases, one per word with its quotes doubled, the last one
// a prefix: any text becomes a query that parses. Words without a letter or
// digit are left out, the index holds nothing for them.
QString fullTextPhrases(const QString& text)
{
    QStringList phrases;
    for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        if (std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetterOrNumber(); }))
            phrases.append(QLatin1Char('"') + QString(word).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"'));
    }
    if (!phrases.isEmpty())
        phrases.last() += QLatin1Char('*');
    return phrases.join(QLatin1Char(' '));
}

QString select(const char* rest)
{
    return QStringLiteral("SELECT %1 FROM transactions t ").arg(columns) + QLatin1String(rest);
}

QString selectWithCategoryName(const QString& joinsAndFilter)
{
    return QStringLiteral("SELECT %1, c.name AS category_name FROM transactions t ").arg(columns) + joinsAndFilter;
}

Transaction readTransaction(const SqlQuery& row)
{
    Transaction t;
    t.id = row.value(0).toString();
    t.accountId = row.value(1).toString();
    t.date = dateFromText(row.value(2).toString());
    t.payee = row.value(3).toString();
    t.memo = row.value(4).toString();
    t.amount = row.value(5).toLongLong();
    t.categoryId = row.value(6).toString();
    t.checkNumber = row.value(7).toString();
    t.cleared = row.value(8).toBool();
    t.reconciled = row.value(9).toBool();
    t.transferLinkId = row.value(10).toString();
    t.transferDestAccountId = row.value(11).toString();
    t.isSplit = row.value(12).toBool();
    t.recurringId = row.value(13).toString();
    t.version = row.value(14).toInt();
    t.syncStatus = syncStatusFromText(row.value(15).toString());
    t.serverId = row.value(16).toString();
    t.createdAt = timeFromText(row.value(17).toString());
    t.updatedAt = timeFromText(row.value(18).toString());
    t.deletedAt = optionalTimeFromText(row.value(19).toString());
    return t;
}

RegisterRow readRegisterRow(const SqlQuery& row)
{
    return RegisterRow{readTransaction(row), 0, row.value(categoryNameColumn).toString()};
}

// SQLite's SUM fails the whole query when a total overflows, which would hide
// every balance. So the balance queries add up the high and the low 32 bits
// of the amounts apart (neither sum can overflow) and this puts them back
// together with the starting balance, in checked arithmetic.
const QString amountHalvesSums =
    QStringLiteral("COALESCE(SUM(t.amount >> 32), 0), COALESCE(SUM(t.amount & 4294967295), 0)");

CheckedSum balanceFromHalves(qint64 startingBalance, qint64 highSum, qint64 lowSum)
{
    // Carry the low sum's overflow into the high one, so the total is
    // high * 2^32 + low with 0 <= low < 2^32.
    const qint64 high = highSum + (lowSum >> 32);
    const qint64 low = lowSum & 0xFFFFFFFF;
    if (high < std::numeric_limits<qint32>::min() || high > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return checkedAdd(checkedAdd(high * (qint64(1) << 32), low), startingBalance);
}

CheckedSum readBalance(const SqlQuery& row, int firstColumn)
{
    return balanceFromHalves(row.value(firstColumn).toLongLong(), row.value(firstColumn + 1).toLongLong(),
        row.value(firstColumn + 2).toLongLong());
}

} // namespace

TransactionRepository::TransactionRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QStringList TransactionRepository::payees()
{
    return SqlQuery(m_database,
        QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' ORDER BY payee"))
        .readAll([](const SqlQuery& row) { return row.value(0).toString(); });
}

std::optional<Transaction> TransactionRepository::openingBalance(const QString& accountId)
{
    return SqlQuery(m_database,
        select("WHERE t.account_id = ? AND t.payee = ? AND t.deleted_at IS NULL AND COALESCE(t.transfer_link_id, '') = '' "
               "ORDER BY t.date ASC, t.created_at ASC LIMIT 1"),
        {accountId, openingBalancePayee})
        .readOne(readTransaction);
}

QList<Transaction> TransactionRepository::byAccount(const QString& accountId)
{
    return SqlQuery(m_database, select("WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC"),
        {accountId})
        .readAll(readTransaction);
}

std::optional<Transaction> TransactionRepository::byId(const QString& id)
{
    return SqlQuery(m_database, select("WHERE t.id = ?"), {id}).readOne(readTransaction);
}

QList<Transaction> TransactionRepository::pending(int limit)
{
    return SqlQuery(m_database, select("WHERE t.sync_status = 'pending' LIMIT ?"), {limit}).readAll(readTransaction);
}

int TransactionRepository::pendingCount()
{
    return SyncRowStatements(m_database, QStringLiteral("transactions"), "TransactionRepository").pendingCount();
}

QList<RegisterRow> TransactionRepository::registerRows(const QString& accountId)
{
    QList<RegisterRow> rows = SqlQuery(m_database,
        selectWithCategoryName(liveCategoryJoin + QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL "
                                              "ORDER BY t.date ASC, t.created_at ASC")),
        {accountId})
                                  .readAll([&accountId](const SqlQuery& row) {
                                      // Every row names the same account: one shared string
                                      // instead of a copy per row keeps big registers light.
                                      RegisterRow registerRow = readRegisterRow(row);
                                      registerRow.transaction.accountId = accountId;
                                      return registerRow;
                                  });

    const qint64 startingBalance = SqlQuery(m_database, QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"), {accountId})
                                       .readOne([](const SqlQuery& row) { return row.value(0).toLongLong(); })
                                       .value_or(0);
    CheckedSum balance = startingBalance;
    for (RegisterRow& row : rows) {
        balance = checkedAdd(balance, row.transaction.amount);
        row.runningBalance = balance;
    }
    if (startingBalance == 0)
        return rows;

    // The opening balance is shown as a row of its own, dated with the
    // account's first transaction; it is not stored anywhere.
    QDate openingDate = SqlQuery(m_database,
        QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND deleted_at IS NULL ORDER BY date ASC LIMIT 1"),
        {accountId})
                            .readOne([](const SqlQuery& row) { return dateFromText(row.value(0).toString()); })
                            .value_or(QDate());
    if (!openingDate.isValid())
        openingDate = Clock::today();
    RegisterRow opening;
    opening.transaction.date = openingDate;
    opening.transaction.payee = openingBalancePayee;
    opening.transaction.amount = startingBalance;
    opening.transaction.cleared = true;
    opening.transaction.reconciled = true;
    opening.runningBalance = startingBalance;
    rows.prepend(opening);
    return rows;
}

QHash<QString, CheckedSum> TransactionRepository::balances()
{
    QHash<QString, CheckedSum> result;
    SqlQuery query(m_database,
        QStringLiteral("SELECT a.id, a.starting_balance, %1 FROM accounts a "
                       "LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
                       "WHERE a.deleted_at IS NULL GROUP BY a.id")
            .arg(amountHalvesSums));
    if (!query.exec())
        return result;
    while (query.next())
        result.insert(query.value(0).toString(), readBalance(query, 1));
    return result;
}

std::optional<CheckedSum> TransactionRepository::balance(const QString& accountId)
{
    return SqlQuery(m_database,
        QStringLiteral("SELECT a.starting_balance, %1 FROM accounts a "
                       "LEFT JOIN transactions t ON t.account_id = a.id AND t.deleted_at IS NULL "
                       "WHERE a.id = ? GROUP BY a.id")
            .arg(amountHalvesSums),
        {accountId})
        .readOne([](const SqlQuery& row) { return readBalance(row, 0); });
}

// The reconciled flag is in no index. Through the account index SQLite
// would fetch each of the account's rows from its own place in the file;
// reading the table in order is many times faster once the account holds a
// fair share of it (40 against 300 ms for 100,000 of 150,000 rows), and
// costs a large table's small accounts little.
QList<Transaction> TransactionRepository::unreconciled(const QString& accountId)
{
    return SqlQuery(m_database,
        QStringLiteral("SELECT %1 FROM transactions t NOT INDEXED WHERE t.account_id = ? AND t.deleted_at IS NULL "
                       "AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC")
            .arg(columns),
        {accountId})
        .readAll(readTransaction);
}

QDate TransactionRepository::latestReconciledDate(const QString& accountId)
{
    // Read in table order, as unreconciled() explains.
    return SqlQuery(m_database,
        QStringLiteral("SELECT MAX(date) FROM transactions NOT INDEXED "
                       "WHERE account_id = ? AND reconciled = 1 AND deleted_at IS NULL"),
        {accountId})
        .readOne([](const SqlQuery& row) { return dateFromText(row.value(0).toString()); })
        .value_or(QDate());
}

bool TransactionRepository::hasLiveTransactions(const QString& accountId)
{
    return SqlQuery(m_database, QStringLiteral("SELECT 1 FROM transactions WHERE account_id = ? AND deleted_at IS NULL LIMIT 1"),
        {accountId})
        .readOne([](const SqlQuery&) { return true; })
        .value_or(false);
}

std::optional<Transaction> TransactionRepository::lastByPayee(const QString& payee, const QString& accountId)
{
    return SqlQuery(m_database,
        select("WHERE t.payee = ? AND t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC LIMIT 1"),
        {payee, accountId})
        .readOne(readTransaction);
}

TransactionRepository::Statement TransactionRepository::searchStatement(const QString& text, const SearchFilter& filter)
{
    Statement statement;
    QString& sql = statement.sql;
    QVariantList& values = statement.values;
    if (text.isEmpty()) {
        sql = selectWithCategoryName(liveCategoryJoin + QStringLiteral("WHERE t.deleted_at IS NULL"));
    } else {
        // Walking the live rows newest first and stopping at the limit reads
        // a common word's first page alone, where joining every match would
        // read and sort thousands of rows.
        sql = selectWithCategoryName(QStringLiteral("INDEXED BY idx_transactions_live_newest ") + liveCategoryJoin
            + QStringLiteral("WHERE t.deleted_at IS NULL "
                             "AND t.rowid IN (SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?)"));
        values.append(text);
    }
    const auto addCondition = [&](const char* condition, const QVariant& value) {
        sql += QLatin1String(condition);
        values.append(value);
    };
    if (!filter.accountId.isEmpty())
        addCondition(" AND t.account_id = ?", filter.accountId);
    if (!filter.categoryId.isEmpty())
        addCondition(" AND t.category_id = ?", filter.categoryId);
    if (filter.fromDate.isValid())
        addCondition(" AND t.date >= ?", dateToText(filter.fromDate));
    if (filter.toDate.isValid())
        addCondition(" AND t.date <= ?", dateToText(filter.toDate));
    if (filter.cleared)
        addCondition(" AND t.cleared = ?", boolValue(*filter.cleared));
    // Rows of the same date and creation time keep the order they were entered in.
    sql += QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid LIMIT %1").arg(searchLimit);
    return statement;
}

QList<RegisterRow> TransactionRepository::search(const QString& text, const SearchFilter& filter)
{
    const Statement statement = searchStatement(text, filter);
    return SqlQuery(m_database, statement.sql, statement.values).readAll(readRegisterRow);
}

std::optional<QList<RegisterRow>> TransactionRepository::searchTyped(const QString& text, const SearchFilter& filter)
{
    const auto readRows = [](SqlQuery& query) {
        QList<RegisterRow> rows;
        while (query.next())
            rows.append(readRegisterRow(query));
        return rows;
    };
    const Statement asTyped = searchStatement(text, filter);
    SqlQuery typedQuery(m_database, asTyped.sql, asTyped.values);
    if (typedQuery.execQuietly())
        return readRows(typedQuery);
    const QString phrases = fullTextPhrases(text);
    // Punctuation alone names nothing that is indexed.
    if (phrases.isEmpty())
        return QList<RegisterRow>();
    const Statement asWords = searchStatement(phrases, filter);
    SqlQuery wordsQuery(m_database, asWords.sql, asWords.values);
    if (!wordsQuery.exec())
        return std::nullopt;
    return readRows(wordsQuery);
}

QSet<QString> TransactionRepository::existingIds(const QStringList& ids)
{
    QSet<QString> found;
    SqlQuery query(m_database, QStringLiteral("SELECT id FROM transactions WHERE id = ?"));
    for (const QString& id : ids) {
        query.rebind({id});
        if (query.exec() && query.next())
            found.insert(id);
    }
    return found;
}

QList<TransactionRepository::Fingerprint> TransactionRepository::fingerprints(
    const QString& accountId, const QDate& from, const QDate& to)
{
    const bool bounded = from.isValid() && to.isValid();
    // Within dates, the index of live rows by date holds all three columns,
    // so a statement of a few weeks reads a few weeks of index.
    SqlQuery query(m_database,
        bounded ? QStringLiteral("SELECT date, amount, payee FROM transactions INDEXED BY idx_transactions_live_date "
                                 "WHERE deleted_at IS NULL AND date >= ? AND date <= ? AND account_id = ?")
                : QStringLiteral("SELECT date, amount, payee FROM transactions WHERE account_id = ? AND deleted_at IS NULL"),
        bounded ? QVariantList{dateToText(from), dateToText(to), accountId} : QVariantList{accountId});
    return query.readAll([](const SqlQuery& row) {
        return Fingerprint{dateFromText(row.value(0).toString()), row.value(1).toLongLong(), row.value(2).toString()};
    });
}

bool TransactionRepository::insert(const Transaction& t)
{
    return insertAll({t});
}

bool TransactionRepository::insertAll(const QList<Transaction>& transactions)
{
    SqlQuery query(m_database,
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
                       "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, "
                       "sync_status, server_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    QSet<QString> accountIds;
    for (const Transaction& t : transactions) {
        query.rebind({t.id, t.accountId, dateToText(t.date), t.payee, t.memo, t.amount, nullIfEmpty(t.categoryId),
            t.checkNumber, boolValue(t.cleared), boolValue(t.reconciled), t.transferLinkId, t.transferDestAccountId,
            boolValue(t.isSplit), t.recurringId, t.version, toStoredText(t.syncStatus), t.serverId,
            timeToText(t.createdAt), timeToText(t.updatedAt)});
        if (!query.execWrite("TransactionRepository::insert"))
            return false;
        accountIds.insert(t.accountId);
    }
    for (const QString& accountId : accountIds)
        announceChange(accountId);
    return true;
}

bool TransactionRepository::update(const Transaction& t)
{
    SqlQuery query(m_database,
        QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, check_number=?, cleared=?, "
                       "reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, recurring_id=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        {dateToText(t.date), t.payee, t.memo, t.amount, nullIfEmpty(t.categoryId), t.checkNumber, boolValue(t.cleared),
         boolValue(t.reconciled), t.transferLinkId, t.transferDestAccountId, boolValue(t.isSplit), t.recurringId, t.version,
         toStoredText(t.syncStatus), t.serverId, timeToText(t.updatedAt), t.id});
    if (!query.execUpdate("TransactionRepository::update"))
        return false;
    announceChange(t.accountId);
    return true;
}

bool TransactionRepository::softDelete(const QString& id)
{
    const std::optional<Transaction> existing = byId(id);
    if (!existing)
        return false;
    const QString now = timeToText(Clock::nowUtc());
    SqlQuery query(m_database, QStringLiteral("UPDATE transactions SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"),
        {now, now, id});
    if (!query.execWrite("TransactionRepository::softDelete"))
        return false;
    announceChange(existing->accountId);
    return true;
}

int TransactionRepository::softDeleteByAccount(const QString& accountId)
{
    const QString now = timeToText(Clock::nowUtc());
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE transactions SET deleted_at = ?, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at IS NULL"),
        {now, now, accountId})
                            .execCount("TransactionRepository::softDeleteByAccount");
    if (changed > 0)
        announceChange(accountId);
    return changed;
}

int TransactionRepository::restoreByAccount(const QString& accountId, const QString& since)
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE transactions SET deleted_at = NULL, updated_at = ?, sync_status = 'pending' "
                       "WHERE account_id = ? AND deleted_at >= ?"),
        {timeToText(Clock::nowUtc()), accountId, since})
                            .execCount("TransactionRepository::restoreByAccount");
    if (changed > 0)
        announceChange(accountId);
    return changed;
}

bool TransactionRepository::markSynced(const QString& id, const QString& serverId)
{
    return SqlQuery(m_database, QStringLiteral("UPDATE transactions SET sync_status='synced', server_id=? WHERE id=?"), {serverId, id})
        .execWrite("TransactionRepository::markSynced");
}

int TransactionRepository::markAllPendingForResync()
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE transactions SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'"))
                            .execCount("TransactionRepository::markAllPendingForResync");
    if (changed > 0)
        announceChange(QString());
    return changed;
}

std::optional<int> TransactionRepository::renamePayee(const QString& from, const QString& to)
{
    const int changed = SqlQuery(m_database,
        QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, version = version + 1, sync_status = 'pending' "
                       "WHERE payee = ? AND deleted_at IS NULL"),
        {to, timeToText(Clock::nowUtc()), from})
                            .execCount("TransactionRepository::renamePayee");
    if (changed < 0)
        return std::nullopt;
    // The rows may belong to any account.
    if (changed > 0)
        announceChange(QString());
    return changed;
}

std::optional<int> TransactionRepository::mergePayees(const QStringList& payees, const QString& into)
{
    int total = 0;
    const bool committed = m_database->inTransaction([&] {
        for (const QString& payee : payees) {
            if (payee == into)
                continue;
            const std::optional<int> changed = renamePayee(payee, into);
            if (!changed)
                return false;
            total += *changed;
        }
        return true;
    });
    return committed ? std::optional<int>(total) : std::nullopt;
}

void TransactionRepository::announceChange(const QString& accountId)
{
    m_database->notifyAfterCommit(QStringLiteral("transactionsChanged:") + accountId,
        [this, accountId] { Q_EMIT transactionsChanged(accountId); });
}

std::optional<QString> TransactionRepository::idForServerId(const QString& serverId)
{
    return SyncRowStatements(m_database, QStringLiteral("transactions"), "TransactionRepository")
        .idForServerId(serverId);
}

std::optional<bool> TransactionRepository::markSyncedIfUnchanged(
    const QString& id, const QString& serverId, const SyncStamp& pushed, bool applied)
{
    return SyncRowStatements(m_database, QStringLiteral("transactions"), "TransactionRepository")
        .markSyncedIfUnchanged(id, serverId, pushed, applied);
}

bool TransactionRepository::storeFromServer(const Transaction& t)
{
    const QStringList storedColumns{QStringLiteral("id"), QStringLiteral("account_id"), QStringLiteral("date"),
        QStringLiteral("payee"), QStringLiteral("memo"), QStringLiteral("amount"), QStringLiteral("category_id"),
        QStringLiteral("check_number"), QStringLiteral("cleared"), QStringLiteral("reconciled"),
        QStringLiteral("transfer_link_id"), QStringLiteral("transfer_dest_account_id"), QStringLiteral("is_split"),
        QStringLiteral("recurring_id"), QStringLiteral("version"), QStringLiteral("sync_status"),
        QStringLiteral("server_id"), QStringLiteral("created_at"), QStringLiteral("updated_at"),
        QStringLiteral("deleted_at")};
    if (!SyncRowStatements(m_database, QStringLiteral("transactions"), "TransactionRepository")
             .store(storedColumns,
                 {t.id, t.accountId, dateToText(t.date), t.payee, t.memo, t.amount, nullIfEmpty(t.categoryId),
                     t.checkNumber, boolValue(t.cleared), boolValue(t.reconciled), t.transferLinkId,
                     t.transferDestAccountId, boolValue(t.isSplit), t.recurringId, t.version,
                     toStoredText(t.syncStatus), t.serverId, timeToText(t.createdAt), timeToText(t.updatedAt),
                     optionalTimeValue(t.deletedAt)}))
        return false;
    announceChange(t.accountId);
    return true;
}

int TransactionRepository::forgetServer()
{
    const int changed =
        SyncRowStatements(m_database, QStringLiteral("transactions"), "TransactionRepository").forgetServer();
    if (changed > 0)
        announceChange(QString());
    return changed;
}
