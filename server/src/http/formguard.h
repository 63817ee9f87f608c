#pragma once

#include <QByteArray>
#include <QString>
#include <QUrlQuery>

class HttpReply;
class HttpRequest;

// Protects an HTML form against submission from another site: the page
// carries a random token both in a hidden field and in a same-site, script-
// invisible cookie; a post counts only when the two match.
class FormGuard
{
public:
    static const QString fieldName;

    // A fresh token, set as cookie for the pages under `cookiePath`.
    static QString issue(HttpReply &page, const QByteArray &cookiePath);
    // The posted fields, decoded as browsers encode forms.
    static QUrlQuery fieldsOf(const HttpRequest &request);
    static bool accepts(const HttpRequest &request, const QUrlQuery &fields);
};
