#include "support/testappstate.h"

#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"
#include "storage/transactionrepository.h"

#include <QtTest>

TestAppState::TestAppState(const QDateTime& now)
{
    Clock::setFixedNow(now);
    m_ready = m_appState.initialize();
}

TestAppState::~TestAppState()
{
    Clock::reset();
}

QString TestAppState::addAccount(const QString& name, Currency currency)
{
    Account account;
    account.id = newId();
    account.name = name;
    account.currency = currency;
    account.createdAt = account.updatedAt = Clock::nowUtc();
    [&] { QVERIFY(m_appState.accounts()->insert(account)); }();
    return account.id;
}

QString TestAppState::addCategory(const QString& name, const QString& parentId)
{
    Category category;
    category.id = newId();
    category.name = name;
    category.parentId = parentId;
    category.createdAt = category.updatedAt = Clock::nowUtc();
    [&] { QVERIFY(m_appState.categories()->insert(category)); }();
    return category.id;
}

Transaction TestAppState::addTransaction(const QString& accountId, const QDate& date, const QString& payee, qint64 amount,
    const QString& categoryId, const QString& memo)
{
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = accountId;
    transaction.date = date;
    transaction.payee = payee;
    transaction.amount = amount;
    transaction.categoryId = categoryId;
    transaction.memo = memo;
    transaction.createdAt = transaction.updatedAt = Clock::nowUtc().addDays(-30);
    [&] { QVERIFY(m_appState.transactions()->insert(transaction)); }();
    return transaction;
}
