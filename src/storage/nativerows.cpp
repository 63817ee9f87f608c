#include "storage/nativerows.h"

#include "storage/database.h"
#include "storage/nativesqlite.h"
#include "storage/sqlquery.h"

#include <QDebug>
#include <vector>

#ifdef CHECKBOOK_SQLITE_API
struct NativeRows::Native
{
    Native(Database* database, sqlite3* connection, const QString& sql, const QVariantList& values)
        : database(database)
        , connection(connection)
        , sql(sql)
        , values(values)
    {
    }
    ~Native() { sqlite3_finalize(statement); }
    Native(const Native&) = delete;
    Native& operator=(const Native&) = delete;

    bool exec()
    {
        sqlite3_finalize(statement);
        statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v2(connection, text.constData(), int(text.size()), &statement, nullptr) != SQLITE_OK)
            return fail();
        for (int position = 0; position < values.size(); ++position) {
            if (bindNatively(statement, position + 1, values.at(position)) != SQLITE_OK)
                return fail();
        }
        return true;
    }

    bool next()
    {
        if (!statement)
            return false;
        const int stepped = sqlite3_step(statement);
        if (stepped == SQLITE_ROW)
            return true;
        if (stepped != SQLITE_DONE)
            fail();
        sqlite3_finalize(statement);
        statement = nullptr;
        return false;
    }

    bool fail()
    {
        const QSqlError error = nativeError(connection);
        qWarning().noquote() << "NativeRows read failed:" << error.databaseText() << "\nStatement:" << sql.left(200);
        database->noteFailure(error);
        sqlite3_finalize(statement);
        statement = nullptr;
        return false;
    }

    Database* database;
    sqlite3* connection;
    QString sql;
    // Bound in place, so kept for the statement's life.
    QVariantList values;
    sqlite3_stmt* statement = nullptr;
};
#else
// Qt's driver holds a SQLite of its own, which the program cannot call.
struct NativeRows::Native
{
};
#endif

struct NativeRows::Portable
{
    Portable(Database* database, const QString& sql, const QVariantList& values)
        : query(database, sql, values)
    {
    }

    SqlQuery query;
    // The current row's cells as UTF-8, made when asked for.
    mutable std::vector<QByteArray> cells;
};

NativeRows::NativeRows(Database* database, const QString& sql, const QVariantList& values)
{
#ifdef CHECKBOOK_SQLITE_API
    if (sqlite3* connection = nativeConnection(database->database())) {
        m_native = std::make_unique<Native>(database, connection, sql, values);
        return;
    }
#endif
    m_portable = std::make_unique<Portable>(database, sql, values);
}

NativeRows::~NativeRows() = default;

bool NativeRows::exec()
{
#ifdef CHECKBOOK_SQLITE_API
    if (m_native)
        return m_native->exec();
#endif
    return m_portable->query.exec();
}

bool NativeRows::next()
{
#ifdef CHECKBOOK_SQLITE_API
    if (m_native)
        return m_native->next();
#endif
    m_portable->cells.clear();
    return m_portable->query.next();
}

bool NativeRows::isNull(int column) const
{
#ifdef CHECKBOOK_SQLITE_API
    if (m_native)
        return sqlite3_column_type(m_native->statement, column) == SQLITE_NULL;
#endif
    return m_portable->query.value(column).isNull();
}

qint64 NativeRows::integer(int column) const
{
#ifdef CHECKBOOK_SQLITE_API
    if (m_native)
        return sqlite3_column_int64(m_native->statement, column);
#endif
    return m_portable->query.value(column).toLongLong();
}

QString NativeRows::text(int column) const
{
#ifdef CHECKBOOK_SQLITE_API
    if (m_native) {
        const QByteArrayView cell = utf8(column);
        return QString::fromUtf8(cell.data(), cell.size());
    }
#endif
    return m_portable->query.value(column).toString();
}

QByteArrayView NativeRows::utf8(int column) const
{
#ifdef CHECKBOOK_SQLITE_API
    if (m_native) {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(m_native->statement, column));
        return QByteArrayView(bytes, sqlite3_column_bytes(m_native->statement, column));
    }
#endif
    auto& cells = m_portable->cells;
    if (cells.size() <= size_t(column))
        cells.resize(size_t(column) + 1);
    cells[size_t(column)] = m_portable->query.value(column).toString().toUtf8();
    return cells[size_t(column)];
}
