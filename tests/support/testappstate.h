#pragma once

#include "app/appstate.h"
#include "storage/enums.h"
#include "support/testdatabase.h"

#include <QDateTime>

// An application state initialized in its own data directory, with the
// clock fixed at `now` until it is destroyed, for tests that open the
// program's dialogs on real repositories.
class TestAppState
{
public:
    explicit TestAppState(const QDateTime& now);
    ~TestAppState();

    AppState* appState() { return &m_appState; }
    // False when the database could not be opened or migrated.
    bool isReady() const { return m_ready; }

    // Stores an account created now and returns its id.
    QString addAccount(const QString& name, Currency currency);

private:
    TestDataDirectory m_dataDirectory;
    AppState m_appState;
    bool m_ready = false;
};
