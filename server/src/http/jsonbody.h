#pragma once

#include "http/httpreply.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// A request body read as one JSON object, with typed, bounded field access.
// The first problem found is kept; the handler answers it with errorReply().
class JsonBody
{
public:
    // `emptyAllowed`: an endpoint without fields also accepts no body at all.
    explicit JsonBody(const QByteArray &body, bool emptyAllowed = false);

    bool isValid() const;
    HttpReply errorReply() const;
    bool has(const QString &key) const;
    const QJsonObject &object() const;

    // Text of 1 to `maxLength` characters without control characters,
    // trimmed; records an error when absent or malformed.
    QString requiredText(const QString &key, int maxLength);
    // As requiredText, but absence or an empty text give empty text.
    QString optionalText(const QString &key, int maxLength);
    // Text taken as it is (passwords): no trimming, any characters but NUL.
    QString requiredSecret(const QString &key, int minLength, int maxLength);

private:
    void fail(const QString &message);

    QJsonObject m_object;
    QString m_error;
};
