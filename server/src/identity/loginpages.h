#pragma once

#include "http/httpreply.h"

#include <QString>
#include <QStringList>
#include <QUrlQuery>

class HttpRequest;
class LoginThrottle;
class Router;
class SessionTokens;
class UserRepository;

// The browser pages of the identity service: "/{realm}/account/login" and
// "/{realm}/account/signup". Plain HTML forms posting back to their own
// address, protected by a form token that must match a same-site cookie;
// success sends the browser to the program's loopback address with the tokens.
class LoginPages
{
public:
    static constexpr int maxFormBytes = 16 * 1024;
    static constexpr int minPasswordLength = 8;
    static constexpr int maxPasswordLength = 1024;
    static constexpr int maxEmailLength = 254;
    static constexpr int maxDisplayNameLength = 100;

    LoginPages(const QString &realm, const QStringList &clientIds, UserRepository &users, LoginThrottle &throttle,
               SessionTokens &sessions);

    void addRoutes(Router &router);

    static bool isPlausibleEmail(const QString &email);

private:
    enum class Kind { Login, Signup };

    struct Form
    {
        QUrlQuery fields;
        bool tokenMatches = false;
    };

    HttpReply show(Kind kind, const HttpRequest &request) const;
    HttpReply submitLogin(const HttpRequest &request);
    HttpReply submitSignup(const HttpRequest &request);
    // The form again, with a fresh token, the message and what was typed (never the password).
    HttpReply page(Kind kind, const HttpRequest &request, int status, const QString &message,
                   const QUrlQuery &typed = {}) const;
    HttpReply errorPage(int status, const QString &message) const;
    QString problemWithTarget(const HttpRequest &request) const;
    Form readForm(const HttpRequest &request) const;
    HttpReply signedIn(const HttpRequest &request, const QString &userId);

    QString m_realm;
    QStringList m_clientIds;
    UserRepository &m_users;
    LoginThrottle &m_throttle;
    SessionTokens &m_sessions;
    // Checked when the e-mail is unknown, so an answer's timing does not tell
    // which addresses have accounts.
    QString m_decoyHash;
};
