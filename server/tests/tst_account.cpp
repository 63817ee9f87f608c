// The account service: profile, family group with seats and invitations,
// group claims in refreshed tokens, devices, and what other users cannot touch.
#include "support/serverprocess.h"
#include "support/testclient.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QtTest>

namespace {

struct User
{
    QString id;
    TestClient::Tokens tokens;
};

QJsonObject kstOf(const QString &token)
{
    const QByteArray part = token.section(QLatin1Char('.'), 1, 1).toLatin1();
    return QJsonDocument::fromJson(QByteArray::fromBase64(part, QByteArray::Base64UrlEncoding))
        .object().value(QStringLiteral("custom")).toObject().value(QStringLiteral("kst")).toObject();
}

QString subjectOf(const QString &token)
{
    const QByteArray part = token.section(QLatin1Char('.'), 1, 1).toLatin1();
    return QJsonDocument::fromJson(QByteArray::fromBase64(part, QByteArray::Base64UrlEncoding))
        .object().value(QStringLiteral("sub")).toString();
}

} // namespace

class TestAccount : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void groupClaimsFollowAtTheNextRefresh();
    void aGroupHasSixSeats();
    void invitationCodesAdmitOnePersonEach();
    void onlyTheOwnerManagesTheGroup();
    void devicesAreUpsertedByFingerprint();
    void deletingTheProfileSchedulesItAndSignsOut();
    void deletionsFallingDueAreCarriedOut();
    void othersCannotTouchAnAccountsRows_data();
    void othersCannotTouchAnAccountsRows();

private:
    User newUser(const QString &email);
    QString inviteCode(const User &owner, const QString &email = {});
    int join(const User &user, const QString &code);
    TestClient::Reply group(const User &user);

    ServerProcess m_server;
    std::unique_ptr<TestClient> m_client;
    int m_userCount = 0;
};

void TestAccount::initTestCase()
{
    if (ServerProcess::wantsPostgres() && ServerProcess::postgresUrl().isEmpty())
        QSKIP("KESTRELWOOD_TEST_POSTGRES_URL is not set");
    QVERIFY(m_server.start());
    m_client = std::make_unique<TestClient>(m_server.baseUrl());
}

User TestAccount::newUser(const QString &name)
{
    const QString email = QStringLiteral("%1-%2@example.com").arg(name).arg(++m_userCount);
    const auto tokens = TestClient(m_server.baseUrl()).signUp(email, QStringLiteral("correct horse"), name);
    if (!tokens)
        return {};
    return {subjectOf(tokens->access), *tokens};
}

QString TestAccount::inviteCode(const User &owner, const QString &email)
{
    QJsonObject body;
    if (!email.isEmpty())
        body.insert(QStringLiteral("email"), email);
    const TestClient::Reply reply = m_client->post(QStringLiteral("/account/v1/group/invite"), body, owner.tokens.access);
    return reply.status == 201 ? reply.json.value(QStringLiteral("invite_code")).toString() : QString();
}

int TestAccount::join(const User &user, const QString &code)
{
    return m_client->post(QStringLiteral("/account/v1/group/join/%1").arg(code), {}, user.tokens.access).status;
}

TestClient::Reply TestAccount::group(const User &user)
{
    return m_client->get(QStringLiteral("/account/v1/group"), user.tokens.access);
}

void TestAccount::groupClaimsFollowAtTheNextRefresh()
{
    User owner = newUser(QStringLiteral("owner"));
    User member = newUser(QStringLiteral("member"));
    QCOMPARE(kstOf(member.tokens.access).value(QStringLiteral("group_id")).toString(), QString());
    const QString code = inviteCode(owner);
    QVERIFY(!code.isEmpty());
    QCOMPARE(join(member, code), 200);

    const QString groupId = group(owner).json.value(QStringLiteral("id")).toString();
    QVERIFY(!groupId.isEmpty());
    member.tokens = *m_client->refresh(member.tokens.refresh);
    owner.tokens = *m_client->refresh(owner.tokens.refresh);
    QCOMPARE(kstOf(member.tokens.access).value(QStringLiteral("group_id")).toString(), groupId);
    QCOMPARE(kstOf(member.tokens.access).value(QStringLiteral("role")).toString(), QStringLiteral("member"));
    QCOMPARE(kstOf(owner.tokens.access).value(QStringLiteral("role")).toString(), QStringLiteral("owner"));

    const QJsonObject seen = group(member).json;
    QCOMPARE(seen.value(QStringLiteral("max_seats")).toInt(), 6);
    QCOMPARE(seen.value(QStringLiteral("members")).toArray().size(), 2);
    const QJsonObject profile = m_client->get(QStringLiteral("/account/v1/profile"), member.tokens.access).json;
    QCOMPARE(profile.value(QStringLiteral("group")).toObject().value(QStringLiteral("member_count")).toInt(), 2);

    QCOMPARE(m_client->post(QStringLiteral("/account/v1/group/leave"), {}, member.tokens.access).status, 200);
    member.tokens = *m_client->refresh(member.tokens.refresh);
    QCOMPARE(kstOf(member.tokens.access).value(QStringLiteral("group_id")).toString(), QString());
    QCOMPARE(group(member).status, 404);
}

void TestAccount::aGroupHasSixSeats()
{
    const User owner = newUser(QStringLiteral("full"));
    QStringList codes;
    for (int i = 0; i < 6; ++i)
        codes.append(inviteCode(owner));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(join(newUser(QStringLiteral("seat")), codes.at(i)), 200);
    // Codes handed out while seats were free do not make a seventh.
    QCOMPARE(join(newUser(QStringLiteral("late")), codes.at(5)), 409);
    QCOMPARE(group(owner).json.value(QStringLiteral("members")).toArray().size(), 6);
    QCOMPARE(inviteCode(owner), QString());
}

void TestAccount::invitationCodesAdmitOnePersonEach()
{
    const User owner = newUser(QStringLiteral("inviter"));
    const User first = newUser(QStringLiteral("first"));
    const User second = newUser(QStringLiteral("second"));
    const QString code = inviteCode(owner);
    QCOMPARE(join(first, code.toLower()), 200);
    QCOMPARE(join(second, code), 404);
    QCOMPARE(join(first, inviteCode(owner)), 409);

    const User invitee = newUser(QStringLiteral("invitee"));
    const QString personal = inviteCode(owner, m_client->get(QStringLiteral("/account/v1/profile"), invitee.tokens.access)
                                                   .json.value(QStringLiteral("email")).toString());
    QCOMPARE(join(second, personal), 403);
    QCOMPARE(join(invitee, personal), 200);

    const QString revoked = inviteCode(owner);
    QString revokedId;
    const QJsonArray pending = group(owner).json.value(QStringLiteral("pending_invitations")).toArray();
    for (const QJsonValue &invitation : pending) {
        if (invitation.toObject().value(QStringLiteral("invite_code")).toString() == revoked)
            revokedId = invitation.toObject().value(QStringLiteral("id")).toString();
    }
    QVERIFY(!revokedId.isEmpty());
    QCOMPARE(m_client->del(QStringLiteral("/account/v1/group/invitations/%1").arg(revokedId), owner.tokens.access).status, 200);
    QCOMPARE(join(second, revoked), 404);
    QCOMPARE(join(second, QStringLiteral("NOSUCHCODE")), 404);
}

void TestAccount::onlyTheOwnerManagesTheGroup()
{
    const User owner = newUser(QStringLiteral("boss"));
    const User member = newUser(QStringLiteral("staff"));
    QCOMPARE(join(member, inviteCode(owner)), 200);
    QCOMPARE(inviteCode(member), QString());
    QCOMPARE(m_client->del(QStringLiteral("/account/v1/group/members/%1").arg(owner.id), member.tokens.access).status, 403);
    QCOMPARE(m_client->post(QStringLiteral("/account/v1/group/leave"), {}, owner.tokens.access).status, 409);
    QCOMPARE(m_client->del(QStringLiteral("/account/v1/group/members/%1").arg(member.id), owner.tokens.access).status, 200);
    QCOMPARE(group(member).status, 404);
    QCOMPARE(group(owner).json.value(QStringLiteral("members")).toArray().size(), 1);
    QCOMPARE(m_client->post(QStringLiteral("/account/v1/group/leave"), {}, owner.tokens.access).status, 200);
    QCOMPARE(group(owner).status, 404);
}

void TestAccount::devicesAreUpsertedByFingerprint()
{
    const User user = newUser(QStringLiteral("devices"));
    const auto registerDevice = [&](const QString &name, const QString &fingerprint) {
        return m_client->post(QStringLiteral("/account/v1/devices/register"),
                              {{QStringLiteral("device_name"), name}, {QStringLiteral("platform"), QStringLiteral("Windows")},
                               {QStringLiteral("app_id"), QStringLiteral("app.kestrelwood.Checkbook")},
                               {QStringLiteral("app_version"), QStringLiteral("1.0.7")},
                               {QStringLiteral("device_fingerprint"), fingerprint}},
                              user.tokens.access);
    };
    const QString id = registerDevice(QStringLiteral("Desk"), QStringLiteral("fp-1")).json.value(QStringLiteral("id")).toString();
    QCOMPARE(registerDevice(QStringLiteral("Desk renamed"), QStringLiteral("fp-1")).json.value(QStringLiteral("id")).toString(), id);
    QCOMPARE(registerDevice(QStringLiteral("Laptop"), QStringLiteral("fp-2")).status, 200);
    const QJsonArray devices = m_client->get(QStringLiteral("/account/v1/devices"), user.tokens.access)
                                   .json.value(QStringLiteral("devices")).toArray();
    QCOMPARE(devices.size(), 2);
    QStringList names;
    for (const QJsonValue &device : devices)
        names.append(device.toObject().value(QStringLiteral("device_name")).toString());
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("Desk renamed"), QStringLiteral("Laptop")}));
    QCOMPARE(m_client->del(QStringLiteral("/account/v1/devices/%1").arg(id), user.tokens.access).status, 200);
    QCOMPARE(m_client->get(QStringLiteral("/account/v1/devices"), user.tokens.access)
                 .json.value(QStringLiteral("devices")).toArray().size(), 1);
}

void TestAccount::deletingTheProfileSchedulesItAndSignsOut()
{
    const User owner = newUser(QStringLiteral("keeper"));
    const User member = newUser(QStringLiteral("leaver"));
    QCOMPARE(join(member, inviteCode(owner)), 200);
    QCOMPARE(m_client->del(QStringLiteral("/account/v1/profile"), owner.tokens.access).status, 409);

    const QString email = m_client->get(QStringLiteral("/account/v1/profile"), member.tokens.access)
                              .json.value(QStringLiteral("email")).toString();
    const TestClient::Reply deleted = m_client->del(QStringLiteral("/account/v1/profile"), member.tokens.access);
    QCOMPARE(deleted.status, 200);
    const QDateTime due = QDateTime::fromString(deleted.json.value(QStringLiteral("deletion_due_at")).toString(), Qt::ISODateWithMs);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().daysTo(due) - 30) <= 1);
    QCOMPARE(m_client->get(QStringLiteral("/account/v1/profile"), member.tokens.access).status, 401);
    QVERIFY(!m_client->refresh(member.tokens.refresh));

    // Signing in again within the grace period keeps the account.
    const auto back = TestClient(m_server.baseUrl()).logIn(email, QStringLiteral("correct horse"));
    QVERIFY(back);
    QCOMPARE(m_client->get(QStringLiteral("/account/v1/profile"), back->access).json.value(QStringLiteral("status")).toString(),
             QStringLiteral("active"));
}

void TestAccount::deletionsFallingDueAreCarriedOut()
{
    const User owner = newUser(QStringLiteral("stays"));
    const User member = newUser(QStringLiteral("goes"));
    QCOMPARE(join(member, inviteCode(owner)), 200);
    const QString email = m_client->get(QStringLiteral("/account/v1/profile"), member.tokens.access)
                              .json.value(QStringLiteral("email")).toString();
    QCOMPARE(m_client->post(QStringLiteral("/account/v1/devices/register"),
                            {{QStringLiteral("device_fingerprint"), QStringLiteral("goes-pc")}}, member.tokens.access).status, 200);
    QCOMPARE(m_client->post(QStringLiteral("/checkbook/v1/sync/push"),
                            {{QStringLiteral("changes"), QJsonArray{QJsonObject{
                                {QStringLiteral("entity_type"), QStringLiteral("account")}, {QStringLiteral("entity_id"), QStringLiteral("acc-goes")},
                                {QStringLiteral("action"), QStringLiteral("upsert")}, {QStringLiteral("version"), 1},
                                {QStringLiteral("payload"), QJsonObject{}}}}}},
                            member.tokens.access).status, 200);
    QCOMPARE(m_client->del(QStringLiteral("/account/v1/profile"), member.tokens.access).status, 200);

    // Thirty days pass.
    m_server.stop();
    QVERIFY(m_server.execute(QStringLiteral("UPDATE users SET deletion_due_at = '2000-01-01T00:00:00.000Z' "
                                            "WHERE deletion_due_at IS NOT NULL")));
    QVERIFY(m_server.start());
    m_client = std::make_unique<TestClient>(m_server.baseUrl());

    QVERIFY(!TestClient(m_server.baseUrl()).logIn(email, QStringLiteral("correct horse")));
    QCOMPARE(group(owner).json.value(QStringLiteral("members")).toArray().size(), 1);
    QCOMPARE(inviteCode(owner).isEmpty(), false);
    // The address is free again, and nothing of the old account comes back with it.
    const auto fresh = TestClient(m_server.baseUrl()).signUp(email, QStringLiteral("correct horse"));
    QVERIFY(fresh);
    QCOMPARE(m_client->get(QStringLiteral("/account/v1/devices"), fresh->access).json.value(QStringLiteral("devices")).toArray().size(), 0);
    const QJsonObject page = m_client->get(QStringLiteral("/checkbook/v1/sync/pull"), fresh->access).json;
    QCOMPARE(page.value(QStringLiteral("accounts")).toArray().size(), 0);
}

void TestAccount::othersCannotTouchAnAccountsRows_data()
{
    QTest::addColumn<QString>("actor");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");
    // {member}, {owner}, {invitation}, {device}, {session} name the owner's group and rows.
    const QString members = QStringLiteral("/account/v1/group/members/");
    const QString invitations = QStringLiteral("/account/v1/group/invitations/{invitation}");
    const QString device = QStringLiteral("/account/v1/devices/{device}");
    const QString session = QStringLiteral("/api/v1/realms/kestrelwood/users/me/sessions/{session}");
    QTest::newRow("outsider removes a member") << QStringLiteral("outsider") << QByteArrayLiteral("DELETE") << members + QStringLiteral("{member}") << 404;
    QTest::newRow("outsider revokes an invitation") << QStringLiteral("outsider") << QByteArrayLiteral("DELETE") << invitations << 403;
    QTest::newRow("outsider removes a device") << QStringLiteral("outsider") << QByteArrayLiteral("DELETE") << device << 403;
    QTest::newRow("outsider ends a session") << QStringLiteral("outsider") << QByteArrayLiteral("DELETE") << session << 403;
    QTest::newRow("outsider uses a personal code") << QStringLiteral("outsider") << QByteArrayLiteral("POST") << QStringLiteral("/account/v1/group/join/{personal}") << 403;
    QTest::newRow("member removes the owner") << QStringLiteral("member") << QByteArrayLiteral("DELETE") << members + QStringLiteral("{owner}") << 403;
    QTest::newRow("member revokes an invitation") << QStringLiteral("member") << QByteArrayLiteral("DELETE") << invitations << 403;
    QTest::newRow("member removes the owner's device") << QStringLiteral("member") << QByteArrayLiteral("DELETE") << device << 403;
    QTest::newRow("member ends the owner's session") << QStringLiteral("member") << QByteArrayLiteral("DELETE") << session << 403;
}

void TestAccount::othersCannotTouchAnAccountsRows()
{
    QFETCH(QString, actor);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(int, status);
    const User owner = newUser(QStringLiteral("victim"));
    const User member = newUser(QStringLiteral("housemate"));
    const User outsider = newUser(QStringLiteral("outsider"));
    QCOMPARE(join(member, inviteCode(owner)), 200);
    const QString personal = inviteCode(owner, QStringLiteral("someone@example.com"));
    const QString device = m_client->post(QStringLiteral("/account/v1/devices/register"),
                                          {{QStringLiteral("device_fingerprint"), QStringLiteral("owner-pc")}}, owner.tokens.access)
                               .json.value(QStringLiteral("id")).toString();
    const QJsonObject ownerGroup = group(owner).json;
    const QString invitation = ownerGroup.value(QStringLiteral("pending_invitations")).toArray().first().toObject().value(QStringLiteral("id")).toString();
    const QString session = m_client->get(QStringLiteral("/api/v1/realms/kestrelwood/users/me/sessions"), owner.tokens.access)
                                .json.value(QStringLiteral("sessions")).toArray().first().toObject().value(QStringLiteral("id")).toString();
    path.replace(QStringLiteral("{member}"), member.id).replace(QStringLiteral("{owner}"), owner.id)
        .replace(QStringLiteral("{invitation}"), invitation).replace(QStringLiteral("{device}"), device)
        .replace(QStringLiteral("{session}"), session).replace(QStringLiteral("{personal}"), personal);

    const User &caller = actor == QLatin1String("member") ? member : outsider;
    QCOMPARE(m_client->send(method, path, {}, caller.tokens.access).status, status);

    // The owner's group, invitation, device and session are all still there.
    const QJsonObject after = group(owner).json;
    QCOMPARE(after.value(QStringLiteral("members")).toArray().size(), 2);
    QCOMPARE(after.value(QStringLiteral("pending_invitations")).toArray().size(), 1);
    QCOMPARE(m_client->get(QStringLiteral("/account/v1/devices"), owner.tokens.access).json.value(QStringLiteral("devices")).toArray().size(), 1);
    QCOMPARE(m_client->get(QStringLiteral("/api/v1/realms/kestrelwood/users/me"), owner.tokens.access).status, 200);
    // And nothing of it shows in the outsider's own lists.
    QCOMPARE(group(outsider).status, 404);
    QCOMPARE(m_client->get(QStringLiteral("/account/v1/devices"), outsider.tokens.access).json.value(QStringLiteral("devices")).toArray().size(), 0);
}

QTEST_GUILESS_MAIN(TestAccount)
#include "tst_account.moc"
