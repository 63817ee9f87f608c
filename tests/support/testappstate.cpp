#include "support/testappstate.h"

#include "storage/accountrepository.h"
#include "storage/clock.h"
#include "storage/identifiers.h"

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
