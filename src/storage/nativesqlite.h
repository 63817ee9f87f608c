#pragma once

// Where the program links the SQLite that Qt's driver uses (as on Debian),
// the repositories that move hundreds of thousands of values call that
// library directly on the driver's connection, inside its transaction. Qt's
// driver makes a QVariant and a UTF-16 copy of every value read and looks
// up a made-up parameter name for every value bound, which for a restore or
// a long report costs more than SQLite's own work.
#ifdef CHECKBOOK_SQLITE_API

#include <QSqlError>
#include <QVariant>
#include <sqlite3.h>

class QSqlDatabase;

// The connection under Qt's driver; null where the driver holds another.
sqlite3* nativeConnection(const QSqlDatabase& connection);

// Binds `value` as Qt's driver and SqlQuery would: a null QString as empty
// text, booleans as 0 and 1. A QString is bound in place, so it must outlive
// the statement's run.
int bindNatively(sqlite3_stmt* statement, int position, const QVariant& value);

// The connection's last error as Qt's driver would report it, for
// Database::noteFailure.
QSqlError nativeError(sqlite3* connection);

#endif
