#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariant>
#include <memory>

class Database;

// A read of many rows whose cells the caller copies out itself, for the
// long report listings. Where the program links the SQLite that Qt's driver
// uses, the statement is stepped through that library's own calls, so a
// cell costs no QVariant and no UTF-16 copy; elsewhere it runs through
// SqlQuery. A failed statement or step is logged and noted with the
// Database, as SqlQuery's are, and leaves no further rows.
class NativeRows
{
public:
    NativeRows(Database* database, const QString& sql, const QVariantList& values);
    ~NativeRows();
    NativeRows(const NativeRows&) = delete;
    NativeRows& operator=(const NativeRows&) = delete;

    bool exec();
    bool next();

    bool isNull(int column) const;
    qint64 integer(int column) const;
    QString text(int column) const;
    // The cell as UTF-8, valid until the next row.
    QByteArrayView utf8(int column) const;

private:
    struct Native;
    struct Portable;
    std::unique_ptr<Native> m_native;
    std::unique_ptr<Portable> m_portable;
};
