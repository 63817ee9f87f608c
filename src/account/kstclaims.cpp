#include "account/kstclaims.h"

#include "account/tokenpayload.h"

namespace KestAccount {

KstClaims KstClaims::fromAccessToken(const QString& token)
{
    const QJsonObject kst = TokenPayload::decode(token)
                                .value(QStringLiteral("custom"))
                                .toObject()
                                .value(QStringLiteral("kst"))
                                .toObject();
    return {kst.value(QStringLiteral("group_id")).toString(), kst.value(QStringLiteral("role")).toString()};
}

} // namespace KestAccount
