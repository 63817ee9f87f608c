#include "sync/accountsharingservice.h"

#include "account/apiclient.h"

#include <QJsonArray>

using KestAccount::ApiClient;
using KestAccount::ShareMember;

namespace {

QString accountPath(const QString& accountId)
{
    return QStringLiteral("/accounts/") + ApiClient::pathSegment(accountId);
}

} // namespace

AccountSharingService::AccountSharingService(ApiClient* syncApi, QObject* parent)
    : SharingBackend(parent)
    , m_syncApi(syncApi)
{
}

void AccountSharingService::listMembers(const QString& accountId, const MembersCallback& callback)
{
    const QString path = accountPath(accountId) + QStringLiteral("/members");
    m_syncApi->get(path, [callback](bool ok, int, const QJsonObject& body) {
        QList<ShareMember> members;
        if (ok) {
            for (const QJsonValue& member : body.value(QStringLiteral("members")).toArray())
                members.append(ShareMember::fromJson(member.toObject()));
        }
        callback(ok, members);
    });
}

void AccountSharingService::shareWith(
    const QString& accountId, const QString& identifier, const QString& role, const ShareCallback& callback)
{
    QJsonObject body{{QStringLiteral("user_id"), identifier},
        {QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role}};
    if (identifier.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), identifier);
    m_syncApi->post(accountPath(accountId) + QStringLiteral("/share"), body,
        [callback](bool ok, int status, const QJsonObject& reply) {
            if (ok) {
                callback(true, QString());
                return;
            }
            const QString error = reply.value(QStringLiteral("error")).toString();
            callback(false, error.isEmpty() ? tr("Failed to share account (HTTP %1)").arg(status) : error);
        });
}

void AccountSharingService::removeShare(const QString& accountId, const QString& userId, const RemoveCallback& callback)
{
    m_syncApi->del(accountPath(accountId) + QStringLiteral("/share/") + ApiClient::pathSegment(userId),
        [callback](bool ok, int, const QJsonObject&) { callback(ok); });
}
