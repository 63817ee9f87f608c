#pragma once

#include <QString>

#include <optional>

// Where the server's rows live: an SQLite file in the data folder, or a
// PostgreSQL database named by a URL (several instances can share that one).
class DatabaseLocation
{
public:
    QString driver;
    QString databaseName;
    QString host;
    int port = -1;
    QString user;
    QString password;
    QString connectOptions;

    bool isPostgres() const;
    // For log lines: never the password.
    QString describe() const;

    static DatabaseLocation sqliteIn(const QString &dataDir);
    // Accepts postgres:// and postgresql:// URLs; "?host=/dir" names a socket
    // folder and "?sslmode=…" is passed on, as libpq reads them.
    static std::optional<DatabaseLocation> fromPostgresUrl(const QString &url, QString *error);
};
