#include "feed/feedbackpage.h"

#include "http/formguard.h"
#include "http/httprequest.h"
#include "http/router.h"
#include "identity/loginpages.h"
#include "identity/securerandom.h"
#include "storage/feedbackrepository.h"
#include "storage/timestamps.h"

#include <QRegularExpression>

namespace {

QString tagsOf(const HttpRequest &request)
{
    static const QRegularExpression allowed(QStringLiteral("^[a-z0-9_,-]{0,100}$"));
    const QString tags = request.queryValue(QStringLiteral("tags"));
    return allowed.match(tags).hasMatch() ? tags : QString();
}

QString page(const QString &body)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                          "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                          "<title>Kestrelwood feedback</title><style>body{font-family:sans-serif;max-width:520px;"
                          "margin:40px auto;padding:0 16px}textarea,input{width:100%;box-sizing:border-box;"
                          "padding:8px;font-size:1em}label{display:block;margin:12px 0 4px}button{margin-top:16px;"
                          "padding:10px 20px}.error{color:#C62828}</style></head><body>%1</body></html>")
        .arg(body);
}

} // namespace

FeedbackPage::FeedbackPage(FeedbackRepository &feedback)
    : m_feedback(feedback)
{
}

void FeedbackPage::addRoutes(Router &router)
{
    // The program opens the page as a folder ("/feedback/?tags=…"); a
    // person types it without the slash.
    for (const QString &path : {QStringLiteral("/feedback"), QStringLiteral("/feedback/")}) {
        router.add(QStringLiteral("GET"), path, Router::Access::Public, [this](const HttpRequest &) { return show(); });
        router.add(QStringLiteral("POST"), path, Router::Access::Public,
                   [this](const HttpRequest &request) { return submit(request); });
    }
}

HttpReply FeedbackPage::show(int status, const QString &message) const
{
    HttpReply reply = HttpReply::html({}, status);
    const QString token = FormGuard::issue(reply, QByteArrayLiteral("/feedback"));
    QString body = QStringLiteral("<h1>Send feedback</h1>");
    if (!message.isEmpty())
        body += QStringLiteral("<p class=\"error\" role=\"alert\">%1</p>").arg(message.toHtmlEscaped());
    // No action: the form posts back to this address, tags included.
    body += QStringLiteral("<form method=\"post\"><input type=\"hidden\" name=\"%1\" value=\"%2\">"
                           "<label for=\"message\">What would you like to tell us?</label>"
                           "<textarea id=\"message\" name=\"message\" rows=\"8\" maxlength=\"%3\" required></textarea>"
                           "<label for=\"email\">E-mail address for a reply (optional)</label>"
                           "<input id=\"email\" name=\"email\" type=\"email\">"
                           "<button type=\"submit\">Send</button></form>")
                .arg(FormGuard::fieldName, token)
                .arg(maxMessageLength);
    reply.body = page(body).toUtf8();
    return reply;
}

HttpReply FeedbackPage::submit(const HttpRequest &request)
{
    if (request.body.size() > LoginPages::maxFormBytes)
        return show(413, QStringLiteral("The message is too long."));
    const QUrlQuery fields = FormGuard::fieldsOf(request);
    if (!FormGuard::accepts(request, fields))
        return show(403, QStringLiteral("The form expired or came from another site. Please try again."));
    const QString message = fields.queryItemValue(QStringLiteral("message"), QUrl::FullyDecoded).trimmed();
    const QString email = fields.queryItemValue(QStringLiteral("email"), QUrl::FullyDecoded).trimmed();
    if (message.isEmpty() || message.size() > maxMessageLength)
        return show(400, QStringLiteral("Write a message of at most %1 characters.").arg(maxMessageLength));
    if (!email.isEmpty() && !LoginPages::isPlausibleEmail(email))
        return show(400, QStringLiteral("Enter a valid e-mail address, or none."));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (m_feedback.countFromAddressSince(request.ipAddress(), Timestamps::toText(now.addSecs(-3600))) >= maxPerAddressPerHour)
        return show(429, QStringLiteral("Thank you: that is enough messages for one hour."));
    const FeedbackRepository::Entry entry{SecureRandom::uuid(), tagsOf(request), email, message,
                                          request.ipAddress(), request.userAgent(), Timestamps::toText(now)};
    if (!m_feedback.insert(entry))
        return show(500, QStringLiteral("The message could not be saved. Please try again."));
    return HttpReply::html(page(QStringLiteral("<h1>Thank you</h1><p>Your message was received.</p>")));
}
