#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

// One answer to one request: status, content and extra headers.
class HttpReply
{
public:
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;

    static HttpReply json(const QJsonObject &object, int status = 200);
    // {"error": message}, the shape of every failure the API reports.
    static HttpReply error(int status, const QString &message);
    static HttpReply html(const QString &page, int status = 200);
    static HttpReply redirect(const QUrl &location);

    HttpReply &withHeader(const QByteArray &name, const QByteArray &value);
};
