#pragma once

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "account/tokenstore.h"

namespace KestAccount {

// The token pair in the Windows Credential Manager: one generic credential
// per key, named "Kestrelwood/<appId>/<key>", kept for this machine.
class CredentialManagerTokenStore : public TokenStore
{
public:
    explicit CredentialManagerTokenStore(const QString& appId);

    std::optional<QString> load(const QString& key) override;
    bool store(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    void clear() override;

private:
    QString targetName(const QString& key) const;

    QString m_appId;
};

} // namespace KestAccount

#endif
