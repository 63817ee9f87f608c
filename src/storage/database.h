#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <functional>

// Owns the program's one SQLite connection and brings its schema up to date
// from the numbered migration scripts compiled into the program.
class Database : public QObject
{
    Q_OBJECT

public:
    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    // The data directory: CHECKBOOK_DATA_DIR when set, else the user's
    // generic data location + "/Kestrelwood/Checkbook". Created when missing
    // (owner-only on Unix).
    static QString dataDirectory();
    // dataDirectory() + "/checkbook.db".
    static QString databasePath();

    bool open(const QString& path);
    bool runMigrations();
    QSqlDatabase& database();
    // Runs `work` inside one database transaction: committed when it returns
    // true, rolled back when it returns false or the commit fails.
    bool inTransaction(const std::function<bool()>& work);

    // Cuts a script into statements, keeping CREATE TRIGGER … END bodies
    // whole and dropping "--" comment lines.
    static QStringList splitStatements(const QString& sql);

Q_SIGNALS:
    void migrationApplied(int version, const QString& name);
    void migrationError(int version, const QString& error);

protected:
    // Applies one script and its schema_version row in one transaction.
    bool applyMigration(int version, const QString& name, const QString& sql);

private:
    QSqlDatabase m_connection;
    bool m_open = false;
};
