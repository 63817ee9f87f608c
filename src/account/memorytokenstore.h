#pragma once

#include "account/tokenstore.h"

#include <QHash>

namespace KestAccount {

// Keeps the tokens for this run only: the store of tests, and of a start
// in test mode, where the user's real keyring must stay untouched.
class MemoryTokenStore : public TokenStore
{
public:
    MemoryTokenStore() = default;
    // Keeps the values in `values`, which outlives the store: what one
    // store wrote, the next one reads, as after a restart.
    explicit MemoryTokenStore(QHash<QString, QString>* values);

    std::optional<QString> load(const QString& key) override;
    bool store(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    void clear() override;

private:
    QHash<QString, QString> m_ownValues;
    QHash<QString, QString>* m_values = &m_ownValues;
};

} // namespace KestAccount
