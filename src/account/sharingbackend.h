#pragma once

#include "account/sharemember.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace KestAccount {

// Who a register account is shared with, and the two changes to that list.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    // ok is false when the list could not be read: then `members` is empty
    // without meaning that nobody shares the account.
    using MembersCallback = std::function<void(bool ok, const QList<ShareMember>& members)>;
    // On failure, `error` says why in words for the user.
    using ShareCallback = std::function<void(bool ok, const QString& error)>;
    using RemoveCallback = std::function<void(bool ok)>;

    using QObject::QObject;

    virtual void listMembers(const QString& accountId, const MembersCallback& callback) = 0;
    // `identifier` is a user id or an e-mail address.
    virtual void shareWith(const QString& accountId, const QString& identifier, const QString& role,
        const ShareCallback& callback) = 0;
    virtual void removeShare(const QString& accountId, const QString& userId, const RemoveCallback& callback) = 0;
};

} // namespace KestAccount
