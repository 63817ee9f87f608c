#pragma once

#include "app/appstate.h"
#include "storage/enums.h"
#include "storage/transaction.h"
#include "support/testdatabase.h"

#include <QDateTime>

// An application state initialized in its own data directory, with the
// clock fixed at `now` until it is destroyed, for tests that open the
// program's dialogs on real repositories.
class TestAppState
{
public:
    // The fixed "now" of the dialog tests: noon UTC on Friday 15 March 2024.
    static QDateTime defaultNow() { return QDateTime(QDate(2024, 3, 15), QTime(12, 0), Qt::UTC); }

    explicit TestAppState(const QDateTime& now = defaultNow());
    ~TestAppState();

    AppState* appState() { return &m_appState; }
    // False when the database could not be opened or migrated.
    bool isReady() const { return m_ready; }

    // Stores an account created now and returns its id.
    QString addAccount(const QString& name, Currency currency);
    // Stores a category created now and returns its id.
    QString addCategory(const QString& name, const QString& parentId = QString());
    // Stores a transaction created thirty days ago and returns it.
    Transaction addTransaction(const QString& accountId, const QDate& date, const QString& payee, qint64 amount,
        const QString& categoryId = QString(), const QString& memo = QString());

private:
    TestDataDirectory m_dataDirectory;
    AppState m_appState;
    bool m_ready = false;
};
