#pragma once

#include <QJsonObject>
#include <QString>

namespace KestAccount {

// Reads the payload of an access token (a JSON Web Token). The signature
// is the service's business; the program only reads what the token says
// about itself.
class TokenPayload
{
public:
    // The decoded payload; empty when the token does not decode to an object.
    static QJsonObject decode(const QString& token);
    // The "exp" claim in seconds since 1970, 0 when it is missing or unreadable.
    static qint64 expiry(const QString& token);
    // The "sub" claim: the user's id.
    static QString subject(const QString& token);
};

} // namespace KestAccount
