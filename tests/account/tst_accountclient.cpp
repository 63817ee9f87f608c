// The account service through the program's client, against the real
// reference server: an owner's family group with invitations, a second
// user who joins it, what a member may not do, the devices with their
// registration across restarts, and the account's deletion.

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/deviceidentity.h"
#include "support/referenceserver.h"
#include "support/signedinclient.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace KestAccount;

namespace {

const QString ownerEmail = QStringLiteral("ada@example.com");
const QString memberEmail = QStringLiteral("bob@example.com");
const QString leaverEmail = QStringLiteral("cy@example.com");

bool succeeded(const std::function<void(AccountClient::DoneCallback)>& request)
{
    return answerOf<bool>(request).value_or(false);
}

} // namespace

class AccountClientTest : public QObject
{
    Q_OBJECT

public:
    AccountClientTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    ReferenceServer m_server;
    std::unique_ptr<Client> m_owner;
    std::unique_ptr<Client> m_member;

    static Group groupOf(Client& client)
    {
        return answerWithFlagOf<Group>([&client](auto done) { client.accountClient()->getGroup(done); })->second;
    }

    static QString joinWithNewCode(Client& owner, Client& joiner)
    {
        const GroupInvitation invitation =
            *answerOf<GroupInvitation>([&owner](auto done) { owner.accountClient()->generateInviteCode(done); });
        return succeeded([&](auto done) { joiner.accountClient()->joinGroup(invitation.inviteCode, done); })
            ? invitation.inviteCode
            : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_server.startWithUser(ownerEmail));
        for (const QString& email : {memberEmail, leaverEmail})
            QVERIFY(m_server.signUp(email));
        m_owner = signedInClient(m_server, ownerEmail);
        m_member = signedInClient(m_server, memberEmail);
    }

    void aUserWithoutGroupHasAnEmptyOneNotAFailure()
    {
        const auto group = answerWithFlagOf<Group>([this](auto done) { m_owner->accountClient()->getGroup(done); });
        QVERIFY(group->first);
        QVERIFY(group->second.isEmpty());
        const Profile profile = *answerOf<Profile>([this](auto done) { m_owner->accountClient()->getProfile(done); });
        QCOMPARE(profile.email, ownerEmail);
        QVERIFY(!profile.hasGroup);
    }

    void invitationsMakeTheGroupAndAreListedForItsOwner()
    {
        const GroupInvitation byEmail = *answerOf<GroupInvitation>(
            [this](auto done) { m_owner->accountClient()->inviteByEmail(QStringLiteral("dee@example.com"), done); });
        QCOMPARE(byEmail.invitedEmail, QStringLiteral("dee@example.com"));
        QVERIFY(!byEmail.inviteCode.isEmpty());
        QVERIFY(byEmail.expiresAt > QDateTime::currentDateTimeUtc());

        const Group group = groupOf(*m_owner);
        QVERIFY(!group.name.isEmpty());
        QVERIFY(group.maxSeats > 1);
        QCOMPARE(group.members.size(), 1);
        QVERIFY(group.members.first().isOwner());
        QCOMPARE(group.members.first().email, ownerEmail);
        QCOMPARE(group.pendingInvitations.size(), 1);
        QCOMPARE(group.pendingInvitations.first().id, byEmail.id);

        QVERIFY(succeeded([&](auto done) { m_owner->accountClient()->revokeInvitation(byEmail.id, done); }));
        QVERIFY(groupOf(*m_owner).pendingInvitations.isEmpty());
    }

    void joiningWithACodeBringsTheGroupIntoTheToken()
    {
        QSignalSpy changed(m_member->accountClient(), &AccountClient::groupChanged);
        QVERIFY(!joinWithNewCode(*m_owner, *m_member).isEmpty());
        QCOMPARE(changed.size(), 1);
        QCOMPARE(m_member->claims().role, QStringLiteral("member"));
        QCOMPARE(m_member->claims().groupId, groupOf(*m_owner).id);

        const Profile profile = *answerOf<Profile>([this](auto done) { m_member->accountClient()->getProfile(done); });
        QVERIFY(profile.hasGroup);
        QCOMPARE(profile.group.role, QStringLiteral("member"));
        QCOMPARE(profile.group.memberCount, 2);
        const Group seen = groupOf(*m_member);
        QCOMPARE(seen.members.size(), 2);
        QVERIFY(seen.pendingInvitations.isEmpty());
    }

    void aCodeThatIsNotValidIsRefused_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("unknown") << QStringLiteral("NOPE1234");
        QTest::newRow("path characters") << QStringLiteral("../leave");
        QTest::newRow("empty") << QString();
    }

    void aCodeThatIsNotValidIsRefused()
    {
        QFETCH(QString, code);
        auto outsider = signedInClient(m_server, leaverEmail);
        QSignalSpy changed(outsider->accountClient(), &AccountClient::groupChanged);
        QVERIFY(!succeeded([&](auto done) { outsider->accountClient()->joinGroup(code, done); }));
        QCOMPARE(changed.size(), 0);
        QVERIFY(groupOf(*outsider).isEmpty());
    }

    void aMemberCannotDoWhatOnlyTheOwnerMay()
    {
        AccountClient* member = m_member->accountClient();
        QVERIFY(answerOf<GroupInvitation>([member](auto done) { member->generateInviteCode(done); })->isEmpty());
        const QString ownerId = m_owner->authClient()->userId();
        QVERIFY(!succeeded([&](auto done) { member->removeMember(ownerId, done); }));
        const GroupInvitation open =
            *answerOf<GroupInvitation>([this](auto done) { m_owner->accountClient()->generateInviteCode(done); });
        QVERIFY(!succeeded([&](auto done) { member->revokeInvitation(open.id, done); }));
        QCOMPARE(groupOf(*m_owner).pendingInvitations.size(), 1);
        QVERIFY(succeeded([&](auto done) { m_owner->accountClient()->revokeInvitation(open.id, done); }));
    }

    void aMemberLeavesOrIsRemoved_data()
    {
        QTest::addColumn<bool>("removedByOwner");
        QTest::newRow("leaves") << false;
        QTest::newRow("removed") << true;
    }

    void aMemberLeavesOrIsRemoved()
    {
        QFETCH(bool, removedByOwner);
        auto leaver = signedInClient(m_server, leaverEmail);
        QVERIFY(!joinWithNewCode(*m_owner, *leaver).isEmpty());
        const QString leaverId = leaver->authClient()->userId();
        if (removedByOwner) {
            QSignalSpy changed(m_owner->accountClient(), &AccountClient::groupChanged);
            QVERIFY(succeeded([&](auto done) { m_owner->accountClient()->removeMember(leaverId, done); }));
            QCOMPARE(changed.size(), 1);
            QVERIFY(!succeeded([&](auto done) { m_owner->accountClient()->removeMember(leaverId, done); }));
        } else {
            QVERIFY(succeeded([&](auto done) { leaver->accountClient()->leaveGroup(done); }));
            QVERIFY(leaver->claims().groupId.isEmpty());
        }
        QVERIFY(groupOf(*leaver).isEmpty());
        QCOMPARE(groupOf(*m_owner).members.size(), 2);
    }

    void restartsKeepOneDevicePerMachine()
    {
        for (int run = 0; run < 2; ++run) {
            auto client = signedInClient(m_server, memberEmail);
            QVERIFY(succeeded([&client](auto done) { client->accountClient()->registerDevice(done); }));
        }
        const auto devices =
            answerWithFlagOf<QList<Device>>([this](auto done) { m_member->accountClient()->getDevices(done); });
        QVERIFY(devices->first);
        QCOMPARE(devices->second.size(), 1);
        const Device device = devices->second.first();
        QCOMPARE(device.deviceName, DeviceIdentity::deviceName());
        QCOMPARE(device.fingerprint, DeviceIdentity::fingerprint());
        QCOMPARE(device.appVersion, m_server.clientConfig().appVersion);

        QVERIFY(!succeeded([&](auto done) { m_owner->accountClient()->removeDevice(device.id, done); }));
        QVERIFY(succeeded([&](auto done) { m_member->accountClient()->removeDevice(device.id, done); }));
        QVERIFY(answerWithFlagOf<QList<Device>>([this](auto done) { m_member->accountClient()->getDevices(done); })
                    ->second.isEmpty());
    }

    void theFingerprintHidesTheMachineId_data()
    {
        QTest::addColumn<QByteArray>("machineId");
        QTest::addColumn<bool>("fromHostName");
        QTest::newRow("machine id") << QByteArray("4f6e2a9c1b8d4e7fa0c3d5b6e7f80912\n") << false;
        QTest::newRow("empty file") << QByteArray("\n") << true;
    }

    void theFingerprintHidesTheMachineId()
    {
        QFETCH(QByteArray, machineId);
        QFETCH(bool, fromHostName);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("machine-id"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(machineId);
        file.close();
        const QString fingerprint = DeviceIdentity::machineIdFingerprint(path, QStringLiteral("kitchen-pc"));
        QCOMPARE(fingerprint.size(), 32);
        QVERIFY(fromHostName || !fingerprint.contains(QString::fromLatin1(machineId.left(8))));
        QCOMPARE(fingerprint == DeviceIdentity::hostNameFingerprint(QStringLiteral("kitchen-pc")), fromHostName);
        const QString renamed = DeviceIdentity::machineIdFingerprint(path, QStringLiteral("other-name"));
        QCOMPARE(renamed == fingerprint, !fromHostName);
    }

    void theGroupOwnerCanDeleteTheAccountOnlyAlone()
    {
        QVERIFY(!succeeded([this](auto done) { m_owner->accountClient()->deleteAccount(done); }));
        QVERIFY(succeeded([this](auto done) { m_member->accountClient()->deleteAccount(done); }));
        const Profile deleted = *answerOf<Profile>([this](auto done) { m_member->accountClient()->getProfile(done); });
        QVERIFY(deleted.isEmpty());
    }

    void thePortalAddressTakesThePath_data()
    {
        QTest::addColumn<QString>("portal");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("slash on both") << "https://portal.test/" << "/devices" << "https://portal.test/devices";
        QTest::newRow("slash on neither") << "https://portal.test" << "devices" << "https://portal.test/devices";
        QTest::newRow("no path") << "https://portal.test/" << "" << "https://portal.test";
        QTest::newRow("no portal") << "" << "/devices" << "";
    }

    void thePortalAddressTakesThePath()
    {
        QFETCH(QString, portal);
        QFETCH(QString, path);
        QFETCH(QString, expected);
        ClientConfig config = m_server.clientConfig();
        config.accountPortalUrl = portal;
        const AccountClient client(nullptr, nullptr, config);
        QCOMPARE(client.accountPortalUrl(path).toString(), expected);
    }
};

QTEST_GUILESS_MAIN(AccountClientTest)
#include "tst_accountclient.moc"
