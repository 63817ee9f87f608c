#pragma once

#include "account/sharingbackend.h"

namespace KestAccount {
class ApiClient;
}

// Account sharing on the data service: who a register account is shared
// with, sharing it with a member of the family group, and ending a share.
// The shared rows themselves arrive through sync.
class AccountSharingService : public KestAccount::SharingBackend
{
    Q_OBJECT

public:
    explicit AccountSharingService(KestAccount::ApiClient* syncApi, QObject* parent = nullptr);

    void listMembers(const QString& accountId, const MembersCallback& callback) override;
    void shareWith(const QString& accountId, const QString& identifier, const QString& role,
        const ShareCallback& callback) override;
    void removeShare(const QString& accountId, const QString& userId, const RemoveCallback& callback) override;

private:
    KestAccount::ApiClient* m_syncApi;
};
