#pragma once

#include "storage/syncrepository.h"

#include <QString>

class ShareRepository;

// Starts and ends shares, handing the member the account's rows as they are
// or as deleted. Each call runs inside the caller's transaction.
class AccountSharing
{
public:
    AccountSharing(SyncRepository &rows, ShareRepository &shares);

    bool begin(const SyncRepository::Row &account, const QString &memberId);
    bool end(const SyncRepository::Row &account, const QString &memberId);
    // Every share the user gives or receives: a share lives only within a group.
    bool endAllOf(const QString &userId);

private:
    // The member's copy of the account's rows under new change numbers, and
    // the account row renumbered so everyone who sees it learns "is_shared".
    bool deliverAccount(const SyncRepository::Row &account, const QString &memberId, bool asDeleted);

    SyncRepository &m_rows;
    ShareRepository &m_shares;
};
