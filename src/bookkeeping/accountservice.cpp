#include "bookkeeping/accountservice.h"

#include "bookkeeping/accountcreation.h"
#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/storedtime.h"
#include "storage/transactionrepository.h"

#include <QDebug>
#include <algorithm>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Yen have no minor unit: the stored numbers would stay and every amount
// would read a hundred times larger or smaller.
bool changesScale(Currency from, Currency to)
{
    return from != to && (from == Currency::JPY || to == Currency::JPY);
}

// Deleting an account deletes its rows first, in the moments before the
// account itself; rows deleted on their own before that stay deleted.
constexpr int cascadeWindowSeconds = 10;

} // namespace

AccountService::AccountService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
    RecurringRepository* recurring, ReconciliationRepository* reconciliations, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
{
}

WriteOutcome AccountService::create(const Account& entered, const QDate& asOf)
{
    std::optional<AccountCreation> creation = AccountCreation::fromEntered(entered, asOf);
    if (!creation)
        return WriteOutcome::refused(tr("An account needs a name."));
    return writeInTransaction(m_database, [&] {
        const QList<Account> accounts = m_accounts->all();
        if (WriteOutcome checked = checkName(creation->account, accounts); !checked.ok())
            return checked;
        // A new account goes to the end of the sidebar, so Alt+1 and the
        // others keep meaning what they meant.
        const auto last = std::max_element(accounts.cbegin(), accounts.cend(),
            [](const Account& a, const Account& b) { return a.sortOrder < b.sortOrder; });
        creation->account.sortOrder = last == accounts.cend() ? 0 : last->sortOrder + 1;
        if (!m_accounts->insert(creation->account))
            return storageFailure(m_database);
        if (creation->openingBalance && !m_transactions->insert(*creation->openingBalance))
            return storageFailure(m_database);
        return WriteOutcome::done(creation->account.id);
    });
}

WriteOutcome AccountService::update(const Account& entered, const QDate& asOf)
{
    return writeInTransaction(m_database, [&] {
        if (WriteOutcome checked = checkName(entered, m_accounts->all()); !checked.ok())
            return checked;
        const std::optional<Account> stored = m_accounts->byId(entered.id);
        Account account = entered;
        const bool inOpeningRow = stored && stored->startingBalance == 0;
        if (inOpeningRow)
            account.startingBalance = 0;
        if (stored && changesScale(stored->currency, account.currency)
            && (stored->startingBalance != 0 || m_transactions->hasLiveTransactions(account.id)))
            return WriteOutcome::refused(tr("The currency can't be changed between yen and another currency while the "
                                            "account holds amounts: yen have no cents, so every amount would become a "
                                            "hundred times larger or smaller."));
        if (!m_accounts->update(account))
            return storageFailure(m_database);
        if (inOpeningRow && !writeOpeningBalance(account, entered.startingBalance, asOf))
            return storageFailure(m_database);
        return WriteOutcome::done(account.id);
    });
}

std::optional<Transaction> AccountService::openingBalance(const Account& account)
{
    if (account.startingBalance != 0)
        return std::nullopt;
    return m_transactions->openingBalance(account.id);
}

bool AccountService::writeOpeningBalance(const Account& account, qint64 amount, const QDate& asOf)
{
    std::optional<Transaction> opening = m_transactions->openingBalance(account.id);
    if (!opening)
        return amount == 0 || m_transactions->insert(AccountCreation::openingBalanceTransaction(account, amount, asOf));
    if (amount == 0)
        return m_transactions->softDelete(opening->id);
    if (opening->amount == amount && opening->date == asOf)
        return true;
    opening->amount = amount;
    opening->date = asOf;
    opening->version += 1;
    opening->updatedAt = Clock::nowUtc();
    opening->syncStatus = SyncStatus::Pending;
    return m_transactions->update(*opening);
}

WriteOutcome AccountService::checkName(const Account& account, const QList<Account>& accounts) const
{
    if (account.name.trimmed().isEmpty())
        return WriteOutcome::refused(tr("An account needs a name."));
    // Transfers find their account by name, so two live accounts never share one.
    const bool taken = std::any_of(accounts.cbegin(), accounts.cend(),
        [&](const Account& other) { return other.id != account.id && sameName(other.name, account.name); });
    if (taken)
        return WriteOutcome::refused(tr("Another account is already named \"%1\". Please choose another name.")
                                         .arg(account.name.trimmed()));
    return WriteOutcome::done();
}

WriteOutcome AccountService::remove(const QString& accountId)
{
    int transactions = 0;
    int recurrings = 0;
    int reconciliations = 0;
    const WriteOutcome outcome = writeInTransaction(m_database, [&] {
        // Children first: the account is never gone while rows of it are live.
        transactions = m_transactions->softDeleteByAccount(accountId);
        recurrings = m_recurring->softDeleteByAccount(accountId);
        reconciliations = m_reconciliations->softDeleteByAccount(accountId);
        if (transactions < 0 || recurrings < 0 || reconciliations < 0 || !m_accounts->softDelete(accountId))
            return storageFailure(m_database);
        return WriteOutcome::done(accountId);
    });
    if (outcome.ok())
        qInfo().noquote() << "Cascade delete account" << accountId << "→ transactions:" << transactions
                          << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    return outcome;
}

WriteOutcome AccountService::restore(const QString& accountId)
{
    const std::optional<Account> account = m_accounts->byId(accountId);
    if (!account || !account->deletedAt)
        return WriteOutcome::refused(tr("This account is no longer among the deleted accounts."));
    const QList<Account> live = m_accounts->all();
    const bool taken = std::any_of(
        live.cbegin(), live.cend(), [&](const Account& other) { return sameName(other.name, account->name); });
    if (taken)
        return WriteOutcome::refused(
            tr("Another account is now named \"%1\". Rename that account first, then restore this one.")
                .arg(account->name.trimmed()));
    const QString since = timeToText(account->deletedAt->addSecs(-cascadeWindowSeconds));
    return writeInTransaction(m_database, [&] {
        const bool restored = m_transactions->restoreByAccount(accountId, since) >= 0
            && m_recurring->restoreByAccount(accountId, since) >= 0
            && m_reconciliations->restoreByAccount(accountId, since) >= 0 && m_accounts->restore(accountId);
        return restored ? WriteOutcome::done(accountId) : storageFailure(m_database);
    });
}
