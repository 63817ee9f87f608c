// The account screen used as a user would, against the real reference
// server: what an owner and a member of a family group may do, confirmations
// that change nothing on No, outcomes shown after the service answered,
// server texts shown as text, and pages that could not be loaded.

#include "account/accountclient.h"
#include "account/accountscreen.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "storage/clock.h"
#include "support/modalanswer.h"
#include "support/referenceserver.h"
#include "support/signedinclient.h"
#include "support/testbrowser.h"
#include "support/testdatabase.h"
#include "support/testworld.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace KestAccount;

namespace {

const QString ownerEmail = QStringLiteral("ada@example.com");
const QString memberEmail = QStringLiteral("bob@example.com");
const QString newcomerEmail = QStringLiteral("cy@example.com");
const QString loneOwnerEmail = QStringLiteral("dee@example.com");

// Types each answer into the next input dialog and presses OK; the prompts
// are noted. When the answers run out, nothing more is answered.
void answerInputs(QStringList answers, QStringList* prompts)
{
    if (answers.isEmpty())
        return;
    testworld::whenDialogShown([answers, prompts](QDialog* dialog) mutable {
        auto* input = qobject_cast<QInputDialog*>(dialog);
        if (!input)
            return;
        prompts->append(input->labelText());
        QTest::keyClicks(input->findChild<QLineEdit*>(), answers.takeFirst());
        QTest::mouseClick(input->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        answerInputs(answers, prompts);
    });
}

QUrl unreachable(const QString& path)
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost);
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(closed.serverPort()).arg(path));
}

} // namespace

class AccountScreenTest : public QObject
{
    Q_OBJECT

public:
    AccountScreenTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    TestDataDirectory m_dataDirectory;
    ReferenceServer m_server;
    std::unique_ptr<Client> m_owner;
    std::unique_ptr<Client> m_member;

    static std::unique_ptr<AccountScreen> openScreen(Client& client, AccountScreen::Tab tab)
    {
        auto screen = std::make_unique<AccountScreen>(&client);
        screen->selectTab(tab);
        screen->refreshAll();
        screen->show();
        return screen;
    }

    static QPushButton* only(const AccountScreen& screen, const char* name)
    {
        const QList<QPushButton*> buttons = screen.findChildren<QPushButton*>(QLatin1String(name));
        return buttons.size() == 1 ? buttons.first() : nullptr;
    }

    static QString status(const AccountScreen& screen)
    {
        return screen.findChild<QLabel*>(QStringLiteral("accountStatus"))->text();
    }

    static bool groupShown(const AccountScreen& screen)
    {
        return QTest::qWaitFor([&screen] {
            return screen.findChild<QPushButton*>(QStringLiteral("leaveGroupButton"))
                || screen.findChild<QPushButton*>(QStringLiteral("inviteByEmailButton"));
        });
    }

    QList<Device> devicesOf(Client& client)
    {
        return answerWithFlagOf<QList<Device>>([&client](auto done) { client.accountClient()->getDevices(done); })
            ->second;
    }

    bool registerDevice(Client& client, const QString& name)
    {
        std::optional<bool> registered;
        client.accountApi()->post(QStringLiteral("/devices/register"),
            {{QStringLiteral("device_name"), name}, {QStringLiteral("platform"), QStringLiteral("Linux")},
                {QStringLiteral("device_fingerprint"), name + QStringLiteral("-print")}},
            [&registered](bool ok, int, const QJsonObject&) { registered = ok; });
        return QTest::qWaitFor([&registered] { return registered.has_value(); }) && *registered;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.startWithUser(ownerEmail));
        for (const QString& email : {memberEmail, newcomerEmail, loneOwnerEmail})
            QVERIFY(m_server.signUp(email));
        m_owner = signedInClient(m_server, ownerEmail);
        m_member = signedInClient(m_server, memberEmail);
        const GroupInvitation invitation =
            *answerOf<GroupInvitation>([this](auto done) { m_owner->accountClient()->generateInviteCode(done); });
        QVERIFY(answerOf<bool>([&](auto done) { m_member->accountClient()->joinGroup(invitation.inviteCode, done); })
                    .value_or(false));
    }

    void onlyTheOwnerSeesTheOwnersActions_data()
    {
        QTest::addColumn<bool>("owner");
        QTest::newRow("owner") << true;
        QTest::newRow("member") << false;
    }

    void onlyTheOwnerSeesTheOwnersActions()
    {
        QFETCH(bool, owner);
        auto screen = openScreen(owner ? *m_owner : *m_member, AccountScreen::GroupTab);
        QVERIFY(groupShown(*screen));
        QCOMPARE(screen->findChildren<QPushButton*>(QStringLiteral("removeMemberButton")).size(), owner ? 1 : 0);
        QCOMPARE(screen->findChild<QPushButton*>(QStringLiteral("inviteByEmailButton")) != nullptr, owner);
        QCOMPARE(screen->findChild<QPushButton*>(QStringLiteral("leaveGroupButton")) != nullptr, !owner);
        QCOMPARE(screen->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"))->isEnabled(), !owner);
        QCOMPARE(!screen->findChild<QLabel*>(QStringLiteral("ownerNote"))->isHidden(), owner);
    }

    void anOwnerAloneInTheGroupMayDeleteTheAccount()
    {
        auto alone = signedInClient(m_server, loneOwnerEmail);
        QVERIFY(!answerOf<GroupInvitation>([&alone](auto done) { alone->accountClient()->generateInviteCode(done); })
                     ->isEmpty());
        auto screen = openScreen(*alone, AccountScreen::PrivacyTab);
        QVERIFY(groupShown(*screen));
        QVERIFY(screen->findChild<QPushButton*>(QStringLiteral("deleteAccountButton"))->isEnabled());
        QVERIFY(screen->findChild<QLabel*>(QStringLiteral("ownerNote"))->isHidden());
    }

    void serverTextsAreShownAsText()
    {
        const QString markup = QStringLiteral("<img src=x><b>Bob</b>");
        QVERIFY(registerDevice(*m_member, markup));
        QVERIFY(answerWithFlagOf<User>([&](auto done) { m_member->authClient()->updateProfile(markup, done); })->first);
        for (Client* client : {m_owner.get(), m_member.get()}) {
            auto screen = openScreen(*client, AccountScreen::GroupTab);
            QVERIFY(groupShown(*screen));
            const auto shownAsText = [&screen, &markup] {
                const QList<QLabel*> labels = screen->findChildren<QLabel*>();
                return int(std::count_if(labels.begin(), labels.end(), [&markup](const QLabel* label) {
                    return label->text() == markup && label->textFormat() == Qt::PlainText;
                }));
            };
            // The member's own name, their name in the group and their
            // device on their screen; their name in the owner's group.
            QTRY_COMPARE(shownAsText(), client == m_member.get() ? 3 : 1);
        }
        QVERIFY(answerWithFlagOf<User>([&](auto done) {
            m_member->authClient()->updateProfile(QStringLiteral("Test User"), done);
        })->first);
    }

    void removingADeviceAsksFirstAndSaysHowItWent_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("removedElsewhereFirst");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("no") << QMessageBox::No << false << QString();
        QTest::newRow("yes") << QMessageBox::Yes << false << "Device removed.";
        QTest::newRow("yes, already gone") << QMessageBox::Yes << true << "Could not remove the device.";
    }

    void removingADeviceAsksFirstAndSaysHowItWent()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, removedElsewhereFirst);
        QFETCH(QString, outcome);
        for (const Device& device : devicesOf(*m_owner))
            QVERIFY(answerOf<bool>([&](auto done) { m_owner->accountClient()->removeDevice(device.id, done); })
                        .value_or(false));
        QVERIFY(registerDevice(*m_owner, QStringLiteral("kitchen-pc")));
        auto screen = openScreen(*m_owner, AccountScreen::DevicesTab);
        QTRY_VERIFY(only(*screen, "removeDeviceButton"));
        if (removedElsewhereFirst) {
            const QString id = devicesOf(*m_owner).first().id;
            QVERIFY(answerOf<bool>([&](auto done) { m_owner->accountClient()->removeDevice(id, done); })
                        .value_or(false));
        }

        QString question;
        ModalAnswer::pressWhenShown(answer, &question);
        QTest::mouseClick(only(*screen, "removeDeviceButton"), Qt::LeftButton);
        QVERIFY(question.contains(QStringLiteral("kitchen-pc")));
        QTRY_COMPARE(status(*screen), outcome);
        QCOMPARE(devicesOf(*m_owner).size(), answer == QMessageBox::No ? 1 : 0);
    }

    void revokingASessionSaysHowItWent_data()
    {
        QTest::addColumn<bool>("serviceReachable");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("revoked") << true << "Session revoked.";
        QTest::newRow("service unreachable") << false << "Could not revoke the session.";
    }

    void revokingASessionSaysHowItWent()
    {
        QFETCH(bool, serviceReachable);
        QFETCH(QString, outcome);
        auto newcomer = signedInClient(m_server, newcomerEmail);
        const auto sessions = answerWithFlagOf<QList<Session>>(
            [&newcomer](auto done) { newcomer->authClient()->listSessions(done); });
        for (const Session& session : sessions->second) {
            if (!session.isCurrent)
                answerOf<bool>([&](auto done) { newcomer->authClient()->revokeSession(session.id, done); });
        }
        auto other = signedInClient(m_server, newcomerEmail);
        auto screen = openScreen(*newcomer, AccountScreen::SecurityTab);
        QTRY_VERIFY(only(*screen, "revokeSessionButton"));
        if (!serviceReachable)
            newcomer->authApi()->setBaseUrl(unreachable(QStringLiteral("/api/v1/realms/kestrelwood")));

        ModalAnswer::pressWhenShown(QMessageBox::Yes);
        QTest::mouseClick(only(*screen, "revokeSessionButton"), Qt::LeftButton);
        QTRY_COMPARE(status(*screen), outcome);
        answerOf<bool>([&other](auto done) { other->authClient()->refreshToken(done); });
        QCOMPARE(other->isAuthenticated(), !serviceReachable);
    }

    void aNewcomerJoinsWithACodeIsRemovedAndDeletesTheAccount()
    {
        auto owners = openScreen(*m_owner, AccountScreen::GroupTab);
        QVERIFY(groupShown(*owners));
        QString codeText;
        ModalAnswer::pressWhenShown(QMessageBox::Ok, &codeText);
        QTest::mouseClick(only(*owners, "generateInviteCodeButton"), Qt::LeftButton);
        QTRY_VERIFY(!codeText.isEmpty());
        const QString code = codeText.split(QLatin1Char('\n')).last();

        auto newcomer = signedInClient(m_server, newcomerEmail);
        auto screen = openScreen(*newcomer, AccountScreen::GroupTab);
        QTRY_VERIFY(only(*screen, "joinGroupButton"));
        QStringList prompts;
        answerInputs({code}, &prompts);
        QTest::mouseClick(only(*screen, "joinGroupButton"), Qt::LeftButton);
        QTRY_COMPARE(status(*screen), QStringLiteral("Joined group."));
        QTRY_VERIFY(only(*screen, "leaveGroupButton"));

        owners->refreshAll();
        QTRY_COMPARE(owners->findChildren<QPushButton*>(QStringLiteral("removeMemberButton")).size(), 2);
        QPushButton* removeNewcomer = nullptr;
        for (QPushButton* remove : owners->findChildren<QPushButton*>(QStringLiteral("removeMemberButton"))) {
            if (remove->property("memberId").toString() == newcomer->authClient()->userId())
                removeNewcomer = remove;
        }
        QVERIFY(removeNewcomer);
        ModalAnswer::pressWhenShown(QMessageBox::Yes);
        QTest::mouseClick(removeNewcomer, Qt::LeftButton);
        QTRY_VERIFY(status(*owners).endsWith(QStringLiteral(" removed.")));
        QTRY_COMPARE(owners->findChildren<QPushButton*>(QStringLiteral("removeMemberButton")).size(), 1);

        QSignalSpy logout(screen.get(), &AccountScreen::logoutRequested);
        for (const QString& typed : {QStringLiteral("delete"), QStringLiteral("DELETE")}) {
            answerInputs({typed}, &prompts);
            if (typed == QLatin1String("DELETE"))
                ModalAnswer::pressWhenShown(QMessageBox::Ok);
            QTest::mouseClick(only(*screen, "deleteAccountButton"), Qt::LeftButton);
        }
        QTRY_COMPARE(logout.size(), 1);
        QVERIFY(answerOf<Profile>([&newcomer](auto done) { newcomer->accountClient()->getProfile(done); })->isEmpty());
    }

    void aShortOrMistypedPasswordIsRefusedBeforeTheService_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("promptsShown");
        QTest::addColumn<QString>("outcome");
        const QString good = QStringLiteral("a much longer one");
        QTest::newRow("seven characters") << QStringList{TestBrowser::password, QStringLiteral("short77")} << 2
                                          << "Password must be at least 8 characters.";
        QTest::newRow("mistyped") << QStringList{TestBrowser::password, good, good + QLatin1Char('!')} << 3
                                  << "Passwords do not match.";
        QTest::newRow("wrong current") << QStringList{QStringLiteral("not my password"), good, good} << 3
                                       << "Failed to change password.";
    }

    void aShortOrMistypedPasswordIsRefusedBeforeTheService()
    {
        QFETCH(QStringList, answers);
        QFETCH(int, promptsShown);
        QFETCH(QString, outcome);
        auto screen = openScreen(*m_member, AccountScreen::ProfileTab);
        QStringList prompts;
        answerInputs(answers, &prompts);
        QTest::mouseClick(only(*screen, "changePasswordButton"), Qt::LeftButton);
        QTRY_COMPARE(status(*screen), outcome);
        QCOMPARE(prompts.size(), promptsShown);
    }

    void pagesThatCouldNotBeLoadedSaySo()
    {
        auto client = signedInClient(m_server, memberEmail);
        client->accountApi()->setBaseUrl(unreachable(QStringLiteral("/account/v1")));
        client->authApi()->setBaseUrl(unreachable(QStringLiteral("/api/v1/realms/kestrelwood")));
        auto screen = openScreen(*client, AccountScreen::GroupTab);
        QTRY_COMPARE(screen->findChildren<QLabel*>(QStringLiteral("notLoaded")).size(), 3);
        QTRY_COMPARE(screen->findChild<QLabel*>(QStringLiteral("displayName"))->text(),
            QStringLiteral("Your profile could not be loaded."));
        QVERIFY(!screen->findChild<QPushButton*>(QStringLiteral("joinGroupButton")));
    }

    void timesAreToldRelativeToNow_data()
    {
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<QString>("expected");
        const QDateTime now = TestWorld::now();
        QTest::newRow("unknown") << QDateTime() << "Unknown";
        QTest::newRow("seconds") << now.addSecs(-59) << "Active now";
        QTest::newRow("minutes") << now.addSecs(-5 * 60 - 59) << "5m ago";
        QTest::newRow("hours") << now.addSecs(-3 * 3600) << "3h ago";
        QTest::newRow("days") << now.addDays(-6) << "6d ago";
        QTest::newRow("a week") << now.addDays(-7) << "May 13, 2024";
    }

    void timesAreToldRelativeToNow()
    {
        QFETCH(QDateTime, time);
        QFETCH(QString, expected);
        Clock::setFixedNow(TestWorld::now());
        QCOMPARE(AccountScreen::relativeTime(time), expected);
        Clock::reset();
    }
};

QTEST_MAIN(AccountScreenTest)
#include "tst_accountscreen.moc"
