#include "http/formguard.h"

#include "http/httpreply.h"
#include "http/httprequest.h"
#include "identity/securerandom.h"

namespace {
const QByteArray cookieName = QByteArrayLiteral("kestrelwood_form");
}

const QString FormGuard::fieldName = QStringLiteral("csrf_token");

QString FormGuard::issue(HttpReply &page, const QByteArray &cookiePath)
{
    const QString token = SecureRandom::token();
    page.withHeader(QByteArrayLiteral("Set-Cookie"),
                    cookieName + '=' + token.toLatin1() + "; Path=" + cookiePath + "; HttpOnly; SameSite=Strict");
    return token;
}

QUrlQuery FormGuard::fieldsOf(const HttpRequest &request)
{
    // Form encoding writes spaces as "+"; QUrlQuery only knows "%20".
    QByteArray encoded = request.body;
    encoded.replace('+', QByteArrayLiteral("%20"));
    return QUrlQuery(QString::fromUtf8(encoded));
}

bool FormGuard::accepts(const HttpRequest &request, const QUrlQuery &fields)
{
    const QByteArray field = fields.queryItemValue(fieldName, QUrl::FullyDecoded).toLatin1();
    return !field.isEmpty() && SecureRandom::equalInConstantTime(field, request.cookie(cookieName));
}
