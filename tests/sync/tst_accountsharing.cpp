// Sharing a register account with a member of the family group on the real
// reference server: the request bodies, the list of members, and the error
// texts of a refusal.

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "support/referenceserver.h"
#include "support/signedinclient.h"
#include "sync/accountsharingservice.h"

#include <QJsonArray>
#include <QTcpServer>
#include <QtTest>

using namespace KestAccount;

namespace {

const QString ownerEmail = QStringLiteral("ada@example.com");
const QString memberEmail = QStringLiteral("bob@example.com");
const QString outsiderEmail = QStringLiteral("eve@example.com");
const QString householdId = QStringLiteral("6f1c0f43-2a4e-4d53-9d3e-7b0d6c1e2f10");

// The data service's address on a loopback port that nobody listens on.
QUrl unreachableService()
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    return QUrl(QStringLiteral("http://127.0.0.1:%1/checkbook/v1").arg(closed.serverPort()));
}

using Members = std::pair<bool, QList<ShareMember>>;
using Shared = std::pair<bool, QString>;

} // namespace

class AccountSharingTest : public QObject
{
    Q_OBJECT

public:
    AccountSharingTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    ReferenceServer m_server;
    std::unique_ptr<Client> m_owner;
    std::unique_ptr<Client> m_member;
    std::unique_ptr<AccountSharingService> m_sharing;

    Members membersOf(const QString& accountId, SharingBackend* sharing = nullptr)
    {
        sharing = sharing ? sharing : m_sharing.get();
        return *answerWithFlagOf<QList<ShareMember>>(
            [&](auto done) { sharing->listMembers(accountId, done); });
    }

    Shared share(const QString& identifier, const QString& role = QString())
    {
        return *answerWithFlagOf<QString>(
            [&](auto done) { m_sharing->shareWith(householdId, identifier, role, done); });
    }

    bool unshare(const QString& userId)
    {
        return answerOf<bool>([&](auto done) { m_sharing->removeShare(householdId, userId, done); }).value_or(false);
    }

    bool pushAccount(Client& client, const QString& id)
    {
        const QJsonObject change{{QStringLiteral("entity_type"), QStringLiteral("account")},
            {QStringLiteral("entity_id"), id}, {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), 1},
            {QStringLiteral("payload"), QJsonObject{{QStringLiteral("name"), QStringLiteral("Household")}}}};
        std::optional<bool> pushed;
        client.syncApi()->post(QStringLiteral("/sync/push"), {{QStringLiteral("changes"), QJsonArray{change}}},
            [&pushed](bool ok, int, const QJsonObject&) { pushed = ok; });
        return QTest::qWaitFor([&pushed] { return pushed.has_value(); }, 10000) && *pushed;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_server.startWithUser(ownerEmail));
        for (const QString& email : {memberEmail, outsiderEmail})
            QVERIFY(m_server.signUp(email));
        m_owner = signedInClient(m_server, ownerEmail);
        m_member = signedInClient(m_server, memberEmail);
        const GroupInvitation invitation =
            *answerOf<GroupInvitation>([this](auto done) { m_owner->accountClient()->generateInviteCode(done); });
        QVERIFY(answerOf<bool>([&](auto done) { m_member->accountClient()->joinGroup(invitation.inviteCode, done); })
                    .value_or(false));
        QVERIFY(pushAccount(*m_owner, householdId));
        m_sharing = std::make_unique<AccountSharingService>(m_owner->syncApi());
    }

    void anAccountSharedWithNobodyListsItsOwnerAlone()
    {
        const Members members = membersOf(householdId);
        QVERIFY(members.first);
        QCOMPARE(members.second.size(), 1);
        QVERIFY(members.second.first().isOwner());
        QCOMPARE(members.second.first().email, ownerEmail);
    }

    void aGroupMemberIsSharedWithAndRemoved_data()
    {
        QTest::addColumn<bool>("byEmail");
        QTest::addColumn<QString>("role");
        QTest::newRow("by e-mail, default role") << true << QString();
        QTest::newRow("by user id, member role") << false << QStringLiteral("member");
    }

    void aGroupMemberIsSharedWithAndRemoved()
    {
        QFETCH(bool, byEmail);
        QFETCH(QString, role);
        const QString memberId = m_member->authClient()->userId();
        QCOMPARE(share(byEmail ? memberEmail : memberId, role), Shared(true, QString()));

        const Members members = membersOf(householdId);
        QCOMPARE(members.second.size(), 2);
        const ShareMember shared = members.second.last();
        QCOMPARE(shared.userId, memberId);
        QCOMPARE(shared.id, memberId);
        QCOMPARE(shared.email, memberEmail);
        QCOMPARE(shared.role, QStringLiteral("member"));
        QVERIFY(!shared.createdAt.isEmpty());
        AccountSharingService memberSide(m_member->syncApi());
        QCOMPARE(membersOf(householdId, &memberSide).second.size(), 2);

        QVERIFY(unshare(memberId));
        QVERIFY(!unshare(memberId));
        QCOMPARE(membersOf(householdId).second.size(), 1);
    }

    void aRefusedShareSaysWhy_data()
    {
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("error");
        QTest::newRow("outside the group") << outsiderEmail << QString()
                                           << "An account can be shared only with members of your group";
        QTest::newRow("nobody") << "nobody@example.com" << QString() << "No such user";
        QTest::newRow("unknown role") << memberEmail << "admin" << "The only role is \"member\"";
    }

    void aRefusedShareSaysWhy()
    {
        QFETCH(QString, identifier);
        QFETCH(QString, role);
        QFETCH(QString, error);
        QCOMPARE(share(identifier, role), Shared(false, error));
        QCOMPARE(membersOf(householdId).second.size(), 1);
    }

    void aShareWithoutAnAnswerGivesTheStatus()
    {
        ApiClient* api = m_owner->syncApi();
        const QUrl reachable = api->baseUrl();
        api->setBaseUrl(unreachableService());
        const Shared result = share(memberEmail);
        api->setBaseUrl(reachable);
        QCOMPARE(result, Shared(false, QStringLiteral("Failed to share account (HTTP 0)")));
    }
};

QTEST_GUILESS_MAIN(AccountSharingTest)
#include "tst_accountsharing.moc"
