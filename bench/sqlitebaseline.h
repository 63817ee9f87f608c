#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct sqlite3;

// One register line as plain C++ data: the 20 transaction columns, the
// category name and the running balance, every text copied out of SQLite.
struct PlainRegisterRow
{
    std::string id;
    std::string accountId;
    std::string date;
    std::string payee;
    std::string memo;
    std::int64_t amount = 0;
    std::string categoryId;
    std::string checkNumber;
    bool cleared = false;
    bool reconciled = false;
    std::string transferLinkId;
    std::string transferDestAccountId;
    bool isSplit = false;
    std::string recurringId;
    int version = 1;
    std::string syncStatus;
    std::string serverId;
    std::string createdAt;
    std::string updatedAt;
    std::string deletedAt;
    std::string categoryName;
    std::int64_t runningBalance = 0;
};

// The floor the repositories are measured against: the same statements run
// through the plain SQLite C API on a second connection to the same file,
// with no Qt types and no parsing of dates and times.
class SqliteBaseline
{
public:
    explicit SqliteBaseline(const std::string& path);
    ~SqliteBaseline();
    SqliteBaseline(const SqliteBaseline&) = delete;
    SqliteBaseline& operator=(const SqliteBaseline&) = delete;

    bool isOpen() const { return m_connection != nullptr; }

    // The register listing of TransactionRepository::registerRows without
    // the opening-balance row: same SELECT, same order, balances computed
    // from the account's starting balance.
    std::vector<PlainRegisterRow> registerRows(const std::string& accountId);
    // Starting balance plus the sum of live transactions, per live account.
    std::map<std::string, std::int64_t> balances();
    // The full-text search of TransactionRepository::search with no filter.
    std::vector<PlainRegisterRow> search(const std::string& word);
    // "PRAGMA quick_check" on this connection; true when it reports "ok".
    bool quickCheck();
    // Stores `rows` with one prepared INSERT of the repository's columns and
    // sets each rule's next due date, all in one transaction: the floor for
    // posting recurring occurrences.
    bool insertPostings(const std::vector<PlainRegisterRow>& rows,
        const std::vector<std::pair<std::string, std::string>>& nextDueDates);

private:
    std::int64_t startingBalance(const std::string& accountId);

    sqlite3* m_connection = nullptr;
};
