#include "sqlitebaseline.h"

#include <sqlite3.h>

namespace {

constexpr const char* registerSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, c.name AS category_name "
    "FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
    "WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC";

constexpr const char* searchSql =
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at, c.name AS category_name "
    "FROM transactions t INDEXED BY idx_transactions_live_newest "
    "LEFT JOIN categories c ON t.category_id = c.id "
    "WHERE t.deleted_at IS NULL AND t.rowid IN (SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?) "
    "ORDER BY t.date DESC, t.created_at DESC, t.rowid LIMIT 200";

// A prepared statement that is finalised however the caller leaves.
class Statement
{
public:
    Statement(sqlite3* connection, const char* sql)
    {
        sqlite3_prepare_v2(connection, sql, -1, &m_statement, nullptr);
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bindText(int position, const std::string& text)
    {
        sqlite3_bind_text(m_statement, position, text.data(), int(text.size()), SQLITE_TRANSIENT);
    }
    void bindInteger(int position, std::int64_t value) { sqlite3_bind_int64(m_statement, position, value); }
    bool step() { return m_statement && sqlite3_step(m_statement) == SQLITE_ROW; }
    // Runs a write and makes the statement ready for the next values.
    bool write()
    {
        const bool done = m_statement && sqlite3_step(m_statement) == SQLITE_DONE;
        sqlite3_reset(m_statement);
        return done;
    }
    std::string text(int column) const
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, column));
        return bytes ? std::string(bytes, std::size_t(sqlite3_column_bytes(m_statement, column))) : std::string();
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(m_statement, column); }

private:
    sqlite3_stmt* m_statement = nullptr;
};

PlainRegisterRow readRow(const Statement& row)
{
    PlainRegisterRow r;
    r.id = row.text(0);
    r.accountId = row.text(1);
    r.date = row.text(2);
    r.payee = row.text(3);
    r.memo = row.text(4);
    r.amount = row.integer(5);
    r.categoryId = row.text(6);
    r.checkNumber = row.text(7);
    r.cleared = row.integer(8) != 0;
    r.reconciled = row.integer(9) != 0;
    r.transferLinkId = row.text(10);
    r.transferDestAccountId = row.text(11);
    r.isSplit = row.integer(12) != 0;
    r.recurringId = row.text(13);
    r.version = int(row.integer(14));
    r.syncStatus = row.text(15);
    r.serverId = row.text(16);
    r.createdAt = row.text(17);
    r.updatedAt = row.text(18);
    r.deletedAt = row.text(19);
    r.categoryName = row.text(20);
    return r;
}

} // namespace

SqliteBaseline::SqliteBaseline(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &m_connection, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        sqlite3_close(m_connection);
        m_connection = nullptr;
    }
}

SqliteBaseline::~SqliteBaseline()
{
    sqlite3_close(m_connection);
}

std::vector<PlainRegisterRow> SqliteBaseline::registerRows(const std::string& accountId)
{
    std::vector<PlainRegisterRow> rows;
    Statement listing(m_connection, registerSql);
    listing.bindText(1, accountId);
    while (listing.step())
        rows.push_back(readRow(listing));

    std::int64_t balance = startingBalance(accountId);
    for (PlainRegisterRow& row : rows) {
        balance += row.amount;
        row.runningBalance = balance;
    }
    return rows;
}

std::map<std::string, std::int64_t> SqliteBaseline::balances()
{
    std::map<std::string, std::int64_t> result;
    Statement accounts(m_connection, "SELECT id, starting_balance FROM accounts WHERE deleted_at IS NULL");
    while (accounts.step())
        result[accounts.text(0)] = accounts.integer(1);

    Statement sums(m_connection,
        "SELECT account_id, SUM(amount) FROM transactions WHERE deleted_at IS NULL GROUP BY account_id");
    while (sums.step()) {
        const auto account = result.find(sums.text(0));
        if (account != result.end())
            account->second += sums.integer(1);
    }
    return result;
}

std::vector<PlainRegisterRow> SqliteBaseline::search(const std::string& word)
{
    std::vector<PlainRegisterRow> rows;
    Statement query(m_connection, searchSql);
    query.bindText(1, word);
    while (query.step())
        rows.push_back(readRow(query));
    return rows;
}

bool SqliteBaseline::quickCheck()
{
    Statement check(m_connection, "PRAGMA quick_check");
    return check.step() && check.text(0) == "ok";
}

bool SqliteBaseline::insertPostings(const std::vector<PlainRegisterRow>& rows,
    const std::vector<std::pair<std::string, std::string>>& nextDueDates)
{
    if (sqlite3_exec(m_connection, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return false;
    bool written = true;
    {
        Statement insert(m_connection,
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
            "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
            "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, NULL, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const PlainRegisterRow& row : rows) {
            insert.bindText(1, row.id);
            insert.bindText(2, row.accountId);
            insert.bindText(3, row.date);
            insert.bindText(4, row.payee);
            insert.bindText(5, row.memo);
            insert.bindInteger(6, row.amount);
            insert.bindText(7, row.checkNumber);
            insert.bindInteger(8, row.cleared);
            insert.bindInteger(9, row.reconciled);
            insert.bindText(10, row.transferLinkId);
            insert.bindText(11, row.transferDestAccountId);
            insert.bindInteger(12, row.isSplit);
            insert.bindText(13, row.recurringId);
            insert.bindInteger(14, row.version);
            insert.bindText(15, row.syncStatus);
            insert.bindText(16, row.serverId);
            insert.bindText(17, row.createdAt);
            insert.bindText(18, row.updatedAt);
            written = written && insert.write();
        }
        Statement advance(m_connection, "UPDATE recurring_transactions SET next_due_date = ? WHERE id = ?");
        for (const auto& [ruleId, nextDue] : nextDueDates) {
            advance.bindText(1, nextDue);
            advance.bindText(2, ruleId);
            written = written && advance.write();
        }
    }
    return sqlite3_exec(m_connection, written ? "COMMIT" : "ROLLBACK", nullptr, nullptr, nullptr) == SQLITE_OK && written;
}

std::int64_t SqliteBaseline::startingBalance(const std::string& accountId)
{
    Statement query(m_connection, "SELECT starting_balance FROM accounts WHERE id = ?");
    query.bindText(1, accountId);
    return query.step() ? query.integer(0) : 0;
}
