#include "storage/nativesqlite.h"

#ifdef CHECKBOOK_SQLITE_API

#include <QSqlDatabase>
#include <QSqlDriver>

sqlite3* nativeConnection(const QSqlDatabase& connection)
{
    const QVariant handle = connection.driver()->handle();
    if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0)
        return *static_cast<sqlite3* const*>(handle.constData());
    return nullptr;
}

int bindNatively(sqlite3_stmt* statement, int position, const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return sqlite3_bind_null(statement, position);
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return sqlite3_bind_int64(statement, position, value.toLongLong());
    case QMetaType::Double:
        return sqlite3_bind_double(statement, position, value.toDouble());
    case QMetaType::QString: {
        const auto* text = static_cast<const QString*>(value.constData());
        return sqlite3_bind_text16(
            statement, position, text->constData(), int(text->size() * qsizetype(sizeof(QChar))), SQLITE_STATIC);
    }
    default: {
        const QByteArray text = value.toString().toUtf8();
        return sqlite3_bind_text(statement, position, text.constData(), int(text.size()), SQLITE_TRANSIENT);
    }
    }
}

QSqlError nativeError(sqlite3* connection)
{
    return QSqlError(QString(), QString::fromUtf8(sqlite3_errmsg(connection)), QSqlError::StatementError,
        QString::number(sqlite3_extended_errcode(connection)));
}

#endif
