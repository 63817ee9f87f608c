#pragma once

#include <QMetaType>

// Where the sync engine stands. The engine itself never enters Offline;
// failed transfers end in Error.
enum class SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };

Q_DECLARE_METATYPE(SyncState)
