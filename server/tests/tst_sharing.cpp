// Sharing an account with a member of the owner's group: what the member's
// next pull brings, what the member may write, what ending the share takes
// back, and who may share or list at all.
#include "support/serverprocess.h"
#include "support/syncchanges.h"
#include "support/testclient.h"

#include <QJsonArray>
#include <QtTest>

namespace {

struct User
{
    QString email;
    TestClient::Tokens tokens;
};

QString statusOf(const TestClient::Reply &reply, int index = 0)
{
    return reply.json.value(QStringLiteral("results")).toArray().at(index).toObject().value(QStringLiteral("status")).toString();
}

} // namespace

class TestSharing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void aSharedAccountReachesTheMembersNextPull();
    void theMemberWritesRowsButNotTheAccount();
    void endingTheShareDeliversTheRowsAsDeleted();
    void leavingTheGroupEndsItsShares_data();
    void leavingTheGroupEndsItsShares();
    void onlyTheOwnerSharesAndOnlyWithinTheGroup_data();
    void onlyTheOwnerSharesAndOnlyWithinTheGroup();

private:
    User newUser(const QString &name);
    void joinGroup(const User &owner, const User &member);
    TestClient::Reply push(const User &user, const QJsonArray &changes);
    TestClient::Reply shareWith(const User &owner, const QString &account, const QJsonObject &body);
    SyncChanges::Pulled pull(const User &user, const QString &since = {});

    ServerProcess m_server;
    std::unique_ptr<TestClient> m_client;
    int m_users = 0;
    // Shared by the first three tests, which follow one share from start to end.
    User m_owner;
    User m_member;
    QString m_memberCursor;
};

void TestSharing::initTestCase()
{
    if (ServerProcess::wantsPostgres() && ServerProcess::postgresUrl().isEmpty())
        QSKIP("KESTRELWOOD_TEST_POSTGRES_URL is not set");
    QVERIFY(m_server.start());
    m_client = std::make_unique<TestClient>(m_server.baseUrl());
    m_owner = newUser(QStringLiteral("owner"));
    m_member = newUser(QStringLiteral("member"));
    joinGroup(m_owner, m_member);
}

User TestSharing::newUser(const QString &name)
{
    const QString email = QStringLiteral("%1-%2@example.com").arg(name).arg(++m_users);
    const auto tokens = TestClient(m_server.baseUrl()).signUp(email, QStringLiteral("correct horse"));
    return {email, tokens.value_or(TestClient::Tokens{})};
}

void TestSharing::joinGroup(const User &owner, const User &member)
{
    const QString code = m_client->post(QStringLiteral("/account/v1/group/invite"), {}, owner.tokens.access)
                             .json.value(QStringLiteral("invite_code")).toString();
    QCOMPARE(m_client->post(QStringLiteral("/account/v1/group/join/%1").arg(code), {}, member.tokens.access).status, 200);
}

TestClient::Reply TestSharing::push(const User &user, const QJsonArray &changes)
{
    return m_client->post(QStringLiteral("/checkbook/v1/sync/push"), {{QStringLiteral("changes"), changes}}, user.tokens.access);
}

TestClient::Reply TestSharing::shareWith(const User &owner, const QString &account, const QJsonObject &body)
{
    return m_client->post(QStringLiteral("/checkbook/v1/accounts/%1/share").arg(account), body, owner.tokens.access);
}

SyncChanges::Pulled TestSharing::pull(const User &user, const QString &since)
{
    return SyncChanges::pullAll(*m_client, user.tokens.access, since);
}

void TestSharing::aSharedAccountReachesTheMembersNextPull()
{
    using SC = SyncChanges;
    QCOMPARE(push(m_owner, {SC::change(QStringLiteral("account"), QStringLiteral("acc-home"), 1, {{QStringLiteral("name"), QStringLiteral("Household")}}),
                            SC::change(QStringLiteral("category"), QStringLiteral("cat-food"), 1, {{QStringLiteral("name"), QStringLiteral("Owner's food")}}),
                            SC::change(QStringLiteral("category"), QStringLiteral("cat-rent"), 1, {{QStringLiteral("name"), QStringLiteral("Owner's rent")}}),
                            SC::change(QStringLiteral("category"), QStringLiteral("cat-unused"), 1),
                            SC::transaction(QStringLiteral("tx-food"), QStringLiteral("acc-home"), 1, QStringLiteral("Market"), QStringLiteral("cat-food")),
                            SC::transaction(QStringLiteral("tx-rent"), QStringLiteral("acc-home"), 1, QStringLiteral("Landlord"), QStringLiteral("cat-rent"))})
                 .status, 200);
    QCOMPARE(push(m_member, {SC::change(QStringLiteral("category"), QStringLiteral("cat-rent"), 1, {{QStringLiteral("name"), QStringLiteral("My rent")}})}).status, 200);
    const SC::Pulled before = pull(m_member);
    QCOMPARE(before.rows.size(), 1);

    const TestClient::Reply shared = shareWith(m_owner, QStringLiteral("acc-home"), {{QStringLiteral("email"), m_member.email}, {QStringLiteral("user_id"), m_member.email}});
    QCOMPARE(shared.status, 201);

    // The rows changed before the member's cursor, yet they arrive now.
    const SC::Pulled after = pull(m_member, before.cursor);
    QVERIFY(after.rows.value(QStringLiteral("accounts/acc-home")).value(QStringLiteral("is_shared")).toBool());
    QCOMPARE(after.rows.value(QStringLiteral("transactions/tx-food")).value(QStringLiteral("payee")).toString(), QStringLiteral("Market"));
    QVERIFY(after.rows.contains(QStringLiteral("transactions/tx-rent")));
    QCOMPARE(after.rows.value(QStringLiteral("categories/cat-food")).value(QStringLiteral("name")).toString(), QStringLiteral("Owner's food"));
    // The member's own category of the same id stays the member's; an unreferenced one is not sent.
    QVERIFY(after.rows.value(QStringLiteral("categories/cat-rent"), QJsonObject{{QStringLiteral("name"), QStringLiteral("My rent")}})
                .value(QStringLiteral("name")).toString() == QLatin1String("My rent"));
    QVERIFY(!after.rows.contains(QStringLiteral("categories/cat-unused")));
    m_memberCursor = after.cursor;

    QVERIFY(pull(m_owner).rows.value(QStringLiteral("accounts/acc-home")).value(QStringLiteral("is_shared")).toBool());
    const QJsonArray members = m_client->get(QStringLiteral("/checkbook/v1/accounts/acc-home/members"), m_member.tokens.access)
                                   .json.value(QStringLiteral("members")).toArray();
    QCOMPARE(members.size(), 2);
    QCOMPARE(members.at(0).toObject().value(QStringLiteral("role")).toString(), QStringLiteral("owner"));
    QCOMPARE(members.at(1).toObject().value(QStringLiteral("email")).toString(), m_member.email);
}

void TestSharing::theMemberWritesRowsButNotTheAccount()
{
    using SC = SyncChanges;
    const TestClient::Reply written = push(m_member, {SC::transaction(QStringLiteral("tx-by-member"), QStringLiteral("acc-home"), 1, QStringLiteral("Bakery")),
                                                      SC::transaction(QStringLiteral("tx-food"), QStringLiteral("acc-home"), 2, QStringLiteral("Market, corrected")),
                                                      SC::change(QStringLiteral("account"), QStringLiteral("acc-home"), 5, {{QStringLiteral("name"), QStringLiteral("Mine now")}}),
                                                      SC::change(QStringLiteral("account"), QStringLiteral("acc-home"), 5, {}, QStringLiteral("delete"))});
    QCOMPARE(statusOf(written, 0), QStringLiteral("ok"));
    QCOMPARE(statusOf(written, 1), QStringLiteral("ok"));
    QCOMPARE(statusOf(written, 2), QStringLiteral("forbidden"));
    QCOMPARE(statusOf(written, 3), QStringLiteral("forbidden"));
    const SC::Pulled owners = pull(m_owner);
    QCOMPARE(owners.rows.value(QStringLiteral("transactions/tx-by-member")).value(QStringLiteral("payee")).toString(), QStringLiteral("Bakery"));
    QCOMPARE(owners.rows.value(QStringLiteral("transactions/tx-food")).value(QStringLiteral("payee")).toString(), QStringLiteral("Market, corrected"));
    QCOMPARE(owners.rows.value(QStringLiteral("accounts/acc-home")).value(QStringLiteral("name")).toString(), QStringLiteral("Household"));
    QCOMPARE(shareWith(m_member, QStringLiteral("acc-home"), {{QStringLiteral("user_id"), QStringLiteral("anyone")}}).status, 403);
}

void TestSharing::endingTheShareDeliversTheRowsAsDeleted()
{
    using SC = SyncChanges;
    const QJsonObject memberIdRow = m_client->get(QStringLiteral("/api/v1/realms/kestrelwood/users/me"), m_member.tokens.access).json;
    const QString memberId = memberIdRow.value(QStringLiteral("id")).toString();
    QCOMPARE(m_client->del(QStringLiteral("/checkbook/v1/accounts/acc-home/share/%1").arg(memberId), m_member.tokens.access).status, 403);
    QCOMPARE(m_client->del(QStringLiteral("/checkbook/v1/accounts/acc-home/share/%1").arg(memberId), m_owner.tokens.access).status, 200);

    const SC::Pulled after = pull(m_member, m_memberCursor);
    for (const QString &key : {QStringLiteral("accounts/acc-home"), QStringLiteral("transactions/tx-food"),
                               QStringLiteral("transactions/tx-rent"), QStringLiteral("transactions/tx-by-member")}) {
        QVERIFY2(after.rows.contains(key), qPrintable(key));
        QVERIFY2(!after.rows.value(key).value(QStringLiteral("deleted_at")).toString().isEmpty(), qPrintable(key));
    }
    // The member's queued edits of rows no longer theirs: a delete is done with, an update refused.
    const TestClient::Reply late = push(m_member, {SC::change(QStringLiteral("transaction"), QStringLiteral("tx-rent"), 3, {{QStringLiteral("account_id"), QStringLiteral("acc-home")}}, QStringLiteral("delete")),
                                                   SC::transaction(QStringLiteral("tx-food"), QStringLiteral("acc-home"), 3, QStringLiteral("Too late"))});
    QCOMPARE(statusOf(late, 0), QStringLiteral("ok"));
    const QJsonArray results = late.json.value(QStringLiteral("results")).toArray();
    QCOMPARE(results.at(0).toObject().value(QStringLiteral("applied")), QJsonValue(false));
    QCOMPARE(statusOf(late, 1), QStringLiteral("forbidden"));
    const SC::Pulled owners = pull(m_owner);
    QVERIFY(!owners.rows.value(QStringLiteral("transactions/tx-rent")).contains(QStringLiteral("deleted_at")));
    QCOMPARE(owners.rows.value(QStringLiteral("transactions/tx-food")).value(QStringLiteral("payee")).toString(), QStringLiteral("Market, corrected"));
    QVERIFY(!owners.rows.value(QStringLiteral("accounts/acc-home")).value(QStringLiteral("is_shared")).toBool());
    // Further changes of the owner no longer reach the member.
    QCOMPARE(push(m_owner, {SC::transaction(QStringLiteral("tx-after"), QStringLiteral("acc-home"), 1)}).status, 200);
    QCOMPARE(pull(m_member, after.cursor).rows.size(), 0);
}

void TestSharing::leavingTheGroupEndsItsShares_data()
{
    QTest::addColumn<bool>("removedByOwner");
    QTest::newRow("the member leaves") << false;
    QTest::newRow("the owner removes the member") << true;
}

void TestSharing::leavingTheGroupEndsItsShares()
{
    QFETCH(bool, removedByOwner);
    const User owner = newUser(QStringLiteral("parting-owner"));
    const User member = newUser(QStringLiteral("parting-member"));
    joinGroup(owner, member);
    const QString account = QStringLiteral("acc-parting-%1").arg(m_users);
    QCOMPARE(push(owner, {SyncChanges::change(QStringLiteral("account"), account, 1),
                          SyncChanges::transaction(account + QStringLiteral("-tx"), account, 1)}).status, 200);
    QCOMPARE(shareWith(owner, account, {{QStringLiteral("email"), member.email}}).status, 201);
    const SyncChanges::Pulled shared = pull(member);
    QVERIFY(shared.rows.contains(QStringLiteral("transactions/") + account + QStringLiteral("-tx")));

    const QString memberId = m_client->get(QStringLiteral("/api/v1/realms/kestrelwood/users/me"), member.tokens.access)
                                 .json.value(QStringLiteral("id")).toString();
    if (removedByOwner)
        QCOMPARE(m_client->del(QStringLiteral("/account/v1/group/members/%1").arg(memberId), owner.tokens.access).status, 200);
    else
        QCOMPARE(m_client->post(QStringLiteral("/account/v1/group/leave"), {}, member.tokens.access).status, 200);

    const SyncChanges::Pulled after = pull(member, shared.cursor);
    QVERIFY(!after.rows.value(QStringLiteral("transactions/") + account + QStringLiteral("-tx")).value(QStringLiteral("deleted_at")).toString().isEmpty());
    QCOMPARE(push(member, {SyncChanges::transaction(account + QStringLiteral("-new"), account, 1)})
                 .json.value(QStringLiteral("results")).toArray().first().toObject().value(QStringLiteral("status")).toString(),
             QStringLiteral("forbidden"));
    QCOMPARE(m_client->get(QStringLiteral("/checkbook/v1/accounts/%1/members").arg(account), owner.tokens.access)
                 .json.value(QStringLiteral("members")).toArray().size(), 1);
}

void TestSharing::onlyTheOwnerSharesAndOnlyWithinTheGroup_data()
{
    QTest::addColumn<QString>("sharer");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("status");
    QTest::newRow("outsider of the group") << QStringLiteral("owner") << QStringLiteral("acc-rules") << QStringLiteral("outsider") << QString() << 403;
    QTest::newRow("by a member") << QStringLiteral("member") << QStringLiteral("acc-rules") << QStringLiteral("owner") << QString() << 403;
    QTest::newRow("by an outsider") << QStringLiteral("outsider") << QStringLiteral("acc-rules") << QStringLiteral("member") << QString() << 403;
    QTest::newRow("unknown account") << QStringLiteral("owner") << QStringLiteral("acc-none") << QStringLiteral("member") << QString() << 404;
    QTest::newRow("unknown person") << QStringLiteral("owner") << QStringLiteral("acc-rules") << QStringLiteral("nobody@example.com") << QString() << 404;
    QTest::newRow("unknown role") << QStringLiteral("owner") << QStringLiteral("acc-rules") << QStringLiteral("member") << QStringLiteral("admin") << 400;
    QTest::newRow("no one named") << QStringLiteral("owner") << QStringLiteral("acc-rules") << QString() << QString() << 400;
    QTest::newRow("the owner") << QStringLiteral("owner") << QStringLiteral("acc-rules") << QStringLiteral("owner") << QString() << 400;
    QTest::newRow("a group member") << QStringLiteral("owner") << QStringLiteral("acc-rules") << QStringLiteral("member") << QStringLiteral("member") << 201;
}

void TestSharing::onlyTheOwnerSharesAndOnlyWithinTheGroup()
{
    QFETCH(QString, sharer);
    QFETCH(QString, account);
    QFETCH(QString, target);
    QFETCH(QString, role);
    QFETCH(int, status);
    const User owner = newUser(QStringLiteral("rules-owner"));
    const User member = newUser(QStringLiteral("rules-member"));
    const User outsider = newUser(QStringLiteral("rules-outsider"));
    joinGroup(owner, member);
    const QString accountId = account + QString::number(m_users);
    QCOMPARE(push(owner, {SyncChanges::change(QStringLiteral("account"), QStringLiteral("acc-rules") + QString::number(m_users), 1)}).status, 200);
    const QHash<QString, const User *> users{{QStringLiteral("owner"), &owner}, {QStringLiteral("member"), &member},
                                             {QStringLiteral("outsider"), &outsider}};
    QJsonObject body;
    if (!target.isEmpty())
        body.insert(QStringLiteral("email"), users.contains(target) ? users.value(target)->email : target);
    if (!role.isEmpty())
        body.insert(QStringLiteral("role"), role);
    QCOMPARE(shareWith(*users.value(sharer), accountId, body).status, status);
    // The outsider can neither list nor end the account's shares.
    QCOMPARE(m_client->get(QStringLiteral("/checkbook/v1/accounts/%1/members").arg(accountId), outsider.tokens.access).status,
             account == QLatin1String("acc-none") ? 404 : 403);
}

QTEST_GUILESS_MAIN(TestSharing)
#include "tst_sharing.moc"
