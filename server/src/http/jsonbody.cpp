#include "http/jsonbody.h"

#include <QJsonDocument>
#include <QJsonParseError>

namespace {

bool hasControlCharacters(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

JsonBody::JsonBody(const QByteArray &body, bool emptyAllowed)
{
    if (body.trimmed().isEmpty()) {
        if (!emptyAllowed)
            fail(QStringLiteral("The request needs a JSON object body"));
        return;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        fail(QStringLiteral("The request body is not a JSON object"));
        return;
    }
    m_object = document.object();
}

bool JsonBody::isValid() const
{
    return m_error.isEmpty();
}

HttpReply JsonBody::errorReply() const
{
    return HttpReply::error(400, m_error);
}

bool JsonBody::has(const QString &key) const
{
    return m_object.contains(key);
}

const QJsonObject &JsonBody::object() const
{
    return m_object;
}

QString JsonBody::requiredText(const QString &key, int maxLength)
{
    const QString text = optionalText(key, maxLength);
    if (isValid() && text.isEmpty())
        fail(QStringLiteral("\"%1\" is required").arg(key));
    return text;
}

QString JsonBody::optionalText(const QString &key, int maxLength)
{
    const QJsonValue value = m_object.value(key);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString()) {
        fail(QStringLiteral("\"%1\" must be text").arg(key));
        return {};
    }
    const QString text = value.toString().trimmed();
    if (text.size() > maxLength) {
        fail(QStringLiteral("\"%1\" is longer than %2 characters").arg(key).arg(maxLength));
        return {};
    }
    if (hasControlCharacters(text)) {
        fail(QStringLiteral("\"%1\" contains control characters").arg(key));
        return {};
    }
    return text;
}

QString JsonBody::requiredSecret(const QString &key, int minLength, int maxLength)
{
    const QJsonValue value = m_object.value(key);
    if (!value.isString()) {
        fail(QStringLiteral("\"%1\" is required").arg(key));
        return {};
    }
    const QString text = value.toString();
    if (text.size() < minLength || text.size() > maxLength || text.contains(QChar(0))) {
        fail(QStringLiteral("\"%1\" must be %2 to %3 characters").arg(key).arg(minLength).arg(maxLength));
        return {};
    }
    return text;
}

void JsonBody::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
}
