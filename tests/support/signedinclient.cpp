#include "support/signedinclient.h"

#include "account/apiclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "support/referenceserver.h"
#include "support/testbrowser.h"

#include <QUrlQuery>

std::unique_ptr<KestAccount::Client> signedInClient(const ReferenceServer& server, const QString& email)
{
    TestBrowser browser;
    const QUrlQuery tokens(
        browser.logIn(TestBrowser::loginPage(server.baseUrl(), ReferenceServer::clientId), email).location);
    auto client = std::make_unique<KestAccount::Client>(
        server.clientConfig(), std::make_unique<KestAccount::MemoryTokenStore>());
    client->tokenManager()->setTokens(tokens.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded),
        tokens.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded));
    client->initialize();
    client->syncApi()->setBaseUrl(server.baseUrl().resolved(QUrl(QStringLiteral("/checkbook/v1"))));
    return client;
}
