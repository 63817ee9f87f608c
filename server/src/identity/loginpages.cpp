#include "identity/loginpages.h"

#include "http/formguard.h"
#include "http/httprequest.h"
#include "http/router.h"
#include "identity/loginthrottle.h"
#include "identity/passwordhasher.h"
#include "identity/redirecttarget.h"
#include "identity/securerandom.h"
#include "identity/sessiontokens.h"
#include "storage/timestamps.h"
#include "storage/userrepository.h"

#include <QRegularExpression>

namespace {

const char pageStyle[] =
    "body{font-family:sans-serif;background:#f4f6f5;margin:0;padding:48px 16px;color:#1d2b25}"
    "main{max-width:360px;margin:0 auto;background:#fff;padding:28px;border-radius:8px;"
    "box-shadow:0 1px 4px rgba(0,0,0,.15)}"
    "h1{font-size:1.4em;margin:0 0 20px}label{display:block;margin:12px 0 4px}"
    "input{width:100%;box-sizing:border-box;padding:8px;font-size:1em}"
    "button{margin-top:20px;width:100%;padding:10px;font-size:1em;background:#00897B;color:#fff;"
    "border:0;border-radius:4px}.error{color:#C62828}p.switch{margin-top:20px;text-align:center}";

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

QString document(const QString &title, const QString &body)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>%1</title><style>%2</style></head><body><main>%3</main></body></html>")
        .arg(escaped(title), QString::fromLatin1(pageStyle), body);
}

QString inputField(const QString &label, const QString &name, const QString &type, const QString &value,
                   const QString &autocomplete)
{
    return QStringLiteral("<label for=\"%2\">%1</label><input id=\"%2\" name=\"%2\" type=\"%3\" value=\"%4\" "
                          "autocomplete=\"%5\" required>")
        .arg(escaped(label), name, type, escaped(value), autocomplete);
}

QString emailOf(const QUrlQuery &fields)
{
    return fields.queryItemValue(QStringLiteral("email"), QUrl::FullyDecoded).trimmed().toLower();
}

QString passwordOf(const QUrlQuery &fields)
{
    return fields.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded);
}

} // namespace

LoginPages::LoginPages(const QString &realm, const QStringList &clientIds, UserRepository &users,
                       LoginThrottle &throttle, SessionTokens &sessions)
    : m_realm(realm)
    , m_clientIds(clientIds)
    , m_users(users)
    , m_throttle(throttle)
    , m_sessions(sessions)
    , m_decoyHash(PasswordHasher::hash(SecureRandom::token()))
{
}

void LoginPages::addRoutes(Router &router)
{
    const QString login = QStringLiteral("/%1/account/login").arg(m_realm);
    const QString signup = QStringLiteral("/%1/account/signup").arg(m_realm);
    router.add(QStringLiteral("GET"), login, Router::Access::Public,
               [this](const HttpRequest &request) { return show(Kind::Login, request); });
    router.add(QStringLiteral("POST"), login, Router::Access::Public,
               [this](const HttpRequest &request) { return submitLogin(request); });
    router.add(QStringLiteral("GET"), signup, Router::Access::Public,
               [this](const HttpRequest &request) { return show(Kind::Signup, request); });
    router.add(QStringLiteral("POST"), signup, Router::Access::Public,
               [this](const HttpRequest &request) { return submitSignup(request); });
}

bool LoginPages::isPlausibleEmail(const QString &email)
{
    static const QRegularExpression pattern(QStringLiteral("^[^@\\s]+@[^@\\s]+\\.[^@\\s]+$"));
    return email.size() <= maxEmailLength && pattern.match(email).hasMatch();
}

QString LoginPages::problemWithTarget(const HttpRequest &request) const
{
    return RedirectTarget::problemWith(request.queryValue(QStringLiteral("client_id")),
                                       request.queryValue(QStringLiteral("redirect_uri")),
                                       request.queryValue(QStringLiteral("state")), m_clientIds);
}

HttpReply LoginPages::show(Kind kind, const HttpRequest &request) const
{
    const QString problem = problemWithTarget(request);
    if (!problem.isEmpty())
        return errorPage(400, problem);
    return page(kind, request, 200, {});
}

HttpReply LoginPages::errorPage(int status, const QString &message) const
{
    return HttpReply::html(document(QStringLiteral("Sign-in problem"),
                                    QStringLiteral("<h1>Sign-in problem</h1><p class=\"error\">%1</p>"
                                                   "<p>Start the sign-in again from Kestrelwood Checkbook.</p>")
                                        .arg(escaped(message))),
                           status);
}

HttpReply LoginPages::page(Kind kind, const HttpRequest &request, int status, const QString &message,
                           const QUrlQuery &typed) const
{
    const bool login = kind == Kind::Login;
    const QString title = login ? QStringLiteral("Sign in to Kestrelwood") : QStringLiteral("Create a Kestrelwood account");
    HttpReply reply = HttpReply::html({}, status);
    const QString token = FormGuard::issue(reply, "/" + m_realm.toLatin1() + "/account");
    QString body = QStringLiteral("<h1>%1</h1>").arg(escaped(title));
    if (!message.isEmpty())
        body += QStringLiteral("<p class=\"error\" role=\"alert\">%1</p>").arg(escaped(message));
    // No action: the form posts back to this very address, query included.
    body += QStringLiteral("<form method=\"post\"><input type=\"hidden\" name=\"%1\" value=\"%2\">")
                .arg(FormGuard::fieldName, token);
    if (!login) {
        body += inputField(QStringLiteral("Name"), QStringLiteral("display_name"), QStringLiteral("text"),
                           typed.queryItemValue(QStringLiteral("display_name"), QUrl::FullyDecoded),
                           QStringLiteral("name"));
    }
    body += inputField(QStringLiteral("E-mail address"), QStringLiteral("email"), QStringLiteral("email"),
                       emailOf(typed), QStringLiteral("username"));
    body += inputField(QStringLiteral("Password"), QStringLiteral("password"), QStringLiteral("password"), {},
                       login ? QStringLiteral("current-password") : QStringLiteral("new-password"));
    body += QStringLiteral("<button type=\"submit\">%1</button></form>")
                .arg(login ? QStringLiteral("Sign in") : QStringLiteral("Create account"));
    const QString otherPath = QStringLiteral("/%1/account/%2?%3")
                                  .arg(m_realm, login ? QStringLiteral("signup") : QStringLiteral("login"),
                                       request.query.toString(QUrl::FullyEncoded));
    body += QStringLiteral("<p class=\"switch\"><a href=\"%1\">%2</a></p>")
                .arg(escaped(otherPath), login ? QStringLiteral("Create an account")
                                               : QStringLiteral("I already have an account"));
    reply.body = document(title, body).toUtf8();
    return reply;
}

LoginPages::Form LoginPages::readForm(const HttpRequest &request) const
{
    Form form;
    form.fields = FormGuard::fieldsOf(request);
    form.tokenMatches = FormGuard::accepts(request, form.fields);
    return form;
}

HttpReply LoginPages::submitLogin(const HttpRequest &request)
{
    const QString problem = problemWithTarget(request);
    if (!problem.isEmpty())
        return errorPage(400, problem);
    if (request.body.size() > maxFormBytes)
        return errorPage(413, QStringLiteral("The form is too large."));
    const Form form = readForm(request);
    if (!form.tokenMatches)
        return page(Kind::Login, request, 403, QStringLiteral("The form expired or came from another site. Please try again."), form.fields);
    const QString email = emailOf(form.fields);
    const QString password = passwordOf(form.fields);
    if (email.isEmpty() || email.size() > maxEmailLength || password.isEmpty() || password.size() > maxPasswordLength)
        return page(Kind::Login, request, 400, QStringLiteral("Enter your e-mail address and password."), form.fields);

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const qint64 wait = m_throttle.secondsToWait(email, request.ipAddress(), now);
    if (wait > 0) {
        return page(Kind::Login, request, 429,
                    QStringLiteral("Too many failed sign-ins. Try again in %1 seconds.").arg(wait), form.fields)
            .withHeader(QByteArrayLiteral("Retry-After"), QByteArray::number(wait));
    }
    const std::optional<UserRepository::User> user = m_users.findByEmail(email);
    const bool passwordRight = PasswordHasher::verify(password, user ? user->passwordHash : m_decoyHash);
    if (!user || !passwordRight) {
        m_throttle.recordFailure(email, request.ipAddress(), now);
        return page(Kind::Login, request, 401, QStringLiteral("The e-mail address or the password is wrong."), form.fields);
    }
    m_throttle.recordSuccess(email);
    // Signing in during the grace period keeps the account.
    if (!user->deletionDueAt.isEmpty())
        m_users.setDeletionDue(user->id, {});
    return signedIn(request, user->id);
}

HttpReply LoginPages::submitSignup(const HttpRequest &request)
{
    const QString problem = problemWithTarget(request);
    if (!problem.isEmpty())
        return errorPage(400, problem);
    if (request.body.size() > maxFormBytes)
        return errorPage(413, QStringLiteral("The form is too large."));
    const Form form = readForm(request);
    if (!form.tokenMatches)
        return page(Kind::Signup, request, 403, QStringLiteral("The form expired or came from another site. Please try again."), form.fields);
    const QString email = emailOf(form.fields);
    const QString password = passwordOf(form.fields);
    const QString displayName = form.fields.queryItemValue(QStringLiteral("display_name"), QUrl::FullyDecoded).simplified();
    if (!isPlausibleEmail(email))
        return page(Kind::Signup, request, 400, QStringLiteral("Enter a valid e-mail address."), form.fields);
    if (password.size() < minPasswordLength || password.size() > maxPasswordLength)
        return page(Kind::Signup, request, 400, QStringLiteral("The password must be at least 8 characters."), form.fields);
    if (displayName.size() > maxDisplayNameLength)
        return page(Kind::Signup, request, 400, QStringLiteral("The name must be at most 100 characters."), form.fields);
    if (m_users.findByEmail(email))
        return page(Kind::Signup, request, 409, QStringLiteral("An account with this e-mail address already exists."), form.fields);

    const UserRepository::User user{SecureRandom::uuid(), email, PasswordHasher::hash(password), displayName,
                                    Timestamps::nowText(), {}};
    if (user.passwordHash.isEmpty() || !m_users.insert(user))
        return page(Kind::Signup, request, 500, QStringLiteral("The account could not be created. Please try again."), form.fields);
    return signedIn(request, user.id);
}

HttpReply LoginPages::signedIn(const HttpRequest &request, const QString &userId)
{
    const std::optional<SessionTokens::Pair> pair = m_sessions.startSession(userId, request.userAgent(),
                                                                            request.ipAddress());
    if (!pair)
        return errorPage(500, QStringLiteral("The sign-in could not be completed. Please try again."));
    return HttpReply::redirect(RedirectTarget::withTokens(request.queryValue(QStringLiteral("redirect_uri")),
                                                          pair->accessToken, pair->refreshToken,
                                                          request.queryValue(QStringLiteral("state"))));
}
