#pragma once

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QUrl>
#include <QUrlQuery>

// Talks HTTP the way a browser does on the identity service's pages: it
// keeps cookies, reads the form's csrf_token and posts the form back to the
// page; redirects are followed only where a test asks for it.
class TestBrowser
{
public:
    struct Page
    {
        int status = 0;
        QByteArray body;
        QUrl location;
    };

    static const QString password;

    Page get(const QUrl& url);
    // Fetches the page for its form token, then posts the fields to it.
    Page submitForm(const QUrl& pageUrl, QUrlQuery fields);
    // Creates a user on the sign-up page; the redirect is not followed.
    Page signUp(const QUrl& serverUrl, const QString& clientId, const QString& email);
    // Signs in on the login page at `loginUrl`; the redirect is not followed.
    Page logIn(const QUrl& loginUrl, const QString& email);
    // The login page of the server for the client, returning to an unused port.
    static QUrl loginPage(const QUrl& serverUrl, const QString& clientId);
    // Signs in on the login page the program opened and follows the
    // redirect to the program's callback; the callback's answer.
    Page signIn(const QUrl& loginUrl, const QString& email);

private:
    Page finish(class QNetworkReply* reply);

    QNetworkAccessManager m_network;
};
