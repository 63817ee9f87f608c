#include "storage/preferencesrepository.h"

#include "storage/database.h"
#include "storage/sqlquery.h"

PreferencesRepository::PreferencesRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

std::optional<QString> PreferencesRepository::get(const QString& key)
{
    // A stored NULL or empty value is present and empty.
    return SqlQuery(m_database, QStringLiteral("SELECT value FROM preferences WHERE key = ?"), {key})
        .readOne([](const SqlQuery& row) {
            const QString value = row.value(0).toString();
            return value.isNull() ? QString(QLatin1String("")) : value;
        });
}

QString PreferencesRepository::get(const QString& key, const QString& defaultValue)
{
    return get(key).value_or(defaultValue);
}

bool PreferencesRepository::getBool(const QString& key, bool defaultValue)
{
    const std::optional<QString> value = get(key);
    if (!value)
        return defaultValue;
    return *value == QLatin1String("1") || *value == QLatin1String("true");
}

bool PreferencesRepository::set(const QString& key, const QString& value)
{
    if (!SqlQuery(m_database,
            QStringLiteral("INSERT INTO preferences (key, value) VALUES (?, ?) ON CONFLICT(key) DO UPDATE SET value = excluded.value"),
            {key, value})
             .execWrite("PreferencesRepository::set"))
        return false;
    m_database->notifyAfterCommit(QStringLiteral("preference:") + key, [this, key] { Q_EMIT changed(key); });
    return true;
}

bool PreferencesRepository::setBool(const QString& key, bool value)
{
    return set(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool PreferencesRepository::setInt(const QString& key, int value)
{
    return set(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString& key)
{
    return SqlQuery(m_database, QStringLiteral("DELETE FROM preferences WHERE key = ?"), {key}).execWrite("PreferencesRepository::remove");
}
