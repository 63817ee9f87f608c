#pragma once

#include <QMetaType>
#include <QString>

namespace KestAccount {

// The product's own claims of an access token ("custom" → "kst"): the
// user's family group and role in it. Empty when the token has none.
struct KstClaims
{
    QString groupId;
    QString role;

    static KstClaims fromAccessToken(const QString& token);
    bool operator==(const KstClaims&) const = default;
};

} // namespace KestAccount

Q_DECLARE_METATYPE(KestAccount::KstClaims)
