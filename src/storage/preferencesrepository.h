#pragma once

#include <QObject>
#include <QString>
#include <optional>

class Database;

// The key/value preferences kept in the database. Booleans are stored as
// "1"/"0" and read as true for "1" or "true"; integers in decimal.
class PreferencesRepository : public QObject
{
    Q_OBJECT

public:
    PreferencesRepository(Database* database, QObject* parent = nullptr);

    std::optional<QString> get(const QString& key);
    QString get(const QString& key, const QString& defaultValue);
    bool getBool(const QString& key, bool defaultValue);

    [[nodiscard]] bool set(const QString& key, const QString& value);
    [[nodiscard]] bool setBool(const QString& key, bool value);
    [[nodiscard]] bool setInt(const QString& key, int value);
    [[nodiscard]] bool remove(const QString& key);

Q_SIGNALS:
    void changed(const QString& key);

private:
    Database* m_database;
};
