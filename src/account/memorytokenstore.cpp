#include "account/memorytokenstore.h"

namespace KestAccount {

MemoryTokenStore::MemoryTokenStore(QHash<QString, QString>* values)
    : m_values(values)
{
}

std::optional<QString> MemoryTokenStore::load(const QString& key)
{
    const auto found = m_values->constFind(key);
    if (found == m_values->constEnd())
        return std::nullopt;
    return *found;
}

bool MemoryTokenStore::store(const QString& key, const QString& value)
{
    m_values->insert(key, value);
    return true;
}

bool MemoryTokenStore::remove(const QString& key)
{
    return m_values->remove(key) > 0;
}

void MemoryTokenStore::clear()
{
    remove(accessTokenKey);
    remove(refreshTokenKey);
}

} // namespace KestAccount
