#include "account/tokenpayload.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QStringList>

namespace KestAccount {

QJsonObject TokenPayload::decode(const QString& token)
{
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return {};
    const QByteArray::FromBase64Result payload = QByteArray::fromBase64Encoding(
        parts.at(1).toLatin1(), QByteArray::Base64UrlEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!payload)
        return {};
    return QJsonDocument::fromJson(*payload).object();
}

qint64 TokenPayload::expiry(const QString& token)
{
    return decode(token).value(QStringLiteral("exp")).toInteger();
}

QString TokenPayload::subject(const QString& token)
{
    return decode(token).value(QStringLiteral("sub")).toString();
}

} // namespace KestAccount
