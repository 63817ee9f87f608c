// The share dialog used as a user would, against the real reference
// server: a group member picked, shared with and removed again after a
// question that changes nothing on No, the failures each shown in words,
// and a user without a family group told so.

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/sharemembersdialog.h"
#include "support/modalanswer.h"
#include "support/referenceserver.h"
#include "support/signedinclient.h"
#include "support/testdatabase.h"
#include "sync/accountsharingservice.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QtTest>

using namespace KestAccount;

namespace {

const QString ownerEmail = QStringLiteral("ada@example.com");
const QString memberEmail = QStringLiteral("bob@example.com");
const QString outsiderEmail = QStringLiteral("eve@example.com");
const QString loneOwnerEmail = QStringLiteral("frank@example.com");
const QString memberText = QStringLiteral("Test User (bob@example.com)");
const QString emptyText = QStringLiteral("Not shared with anyone yet.");

ShareMembersDialog::Texts texts(const QString& role = QStringLiteral("member"))
{
    ShareMembersDialog::Texts texts;
    texts.windowTitle = QStringLiteral("Share Account");
    texts.header = QStringLiteral("Sharing: Household");
    texts.noGroupNotice = QStringLiteral("Join a family group first.");
    texts.role = role;
    texts.shareFailedTitle = QStringLiteral("Share Failed");
    return texts;
}

QStringList rows(const ShareMembersDialog& dialog)
{
    QStringList texts;
    const QListWidget* list = dialog.findChild<QListWidget*>(QStringLiteral("shareList"));
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

} // namespace

class ShareMembersDialogTest : public QObject
{
    Q_OBJECT

public:
    ShareMembersDialogTest()
        : m_server(QStringLiteral(KESTRELWOOD_SERVER))
    {
    }

private:
    TestDataDirectory m_dataDirectory;
    ReferenceServer m_server;
    std::unique_ptr<Client> m_owner;
    std::unique_ptr<Client> m_member;
    const QString m_accountId = QStringLiteral("0d8c9f52-37a1-4b6e-a0f4-5c2e8d1b7a93");

    bool pushAccount(Client& client, const QString& id)
    {
        const QJsonObject change{{QStringLiteral("entity_type"), QStringLiteral("account")},
            {QStringLiteral("entity_id"), id}, {QStringLiteral("action"), QStringLiteral("upsert")},
            {QStringLiteral("version"), 1},
            {QStringLiteral("payload"), QJsonObject{{QStringLiteral("name"), QStringLiteral("Household")}}}};
        std::optional<bool> pushed;
        client.syncApi()->post(QStringLiteral("/sync/push"), {{QStringLiteral("changes"), QJsonArray{change}}},
            [&pushed](bool ok, int, const QJsonObject&) { pushed = ok; });
        return QTest::qWaitFor([&pushed] { return pushed.has_value(); }) && *pushed;
    }

    static void click(const ShareMembersDialog& dialog, const char* name)
    {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
    }

    static void selectRow(const ShareMembersDialog& dialog, const QString& text)
    {
        QListWidget* list = dialog.findChild<QListWidget*>(QStringLiteral("shareList"));
        const QListWidgetItem* item = list->findItems(text, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_server.startWithUser(ownerEmail));
        for (const QString& email : {memberEmail, outsiderEmail, loneOwnerEmail})
            QVERIFY(m_server.signUp(email));
        m_owner = signedInClient(m_server, ownerEmail);
        m_member = signedInClient(m_server, memberEmail);
        const GroupInvitation invitation =
            *answerOf<GroupInvitation>([this](auto done) { m_owner->accountClient()->generateInviteCode(done); });
        QVERIFY(answerOf<bool>([&](auto done) { m_member->accountClient()->joinGroup(invitation.inviteCode, done); })
                    .value_or(false));
        QVERIFY(pushAccount(*m_owner, m_accountId));
    }

    void aMemberIsSharedWithAndRemovedAfterAskingFirst()
    {
        AccountSharingService sharing(m_owner->syncApi());
        ShareMembersDialog dialog(&sharing, m_owner->accountClient(), m_accountId, texts());
        QSignalSpy changed(&dialog, &ShareMembersDialog::sharingChanged);
        dialog.show();
        auto* picker = dialog.findChild<QComboBox*>(QStringLiteral("memberPicker"));
        QTRY_COMPARE(rows(dialog), QStringList{emptyText});
        QTRY_VERIFY(picker->isEnabled());
        QCOMPARE(picker->count(), 1);
        QCOMPARE(picker->currentText(), memberText);

        click(dialog, "shareButton");
        QTRY_COMPARE(rows(dialog), QStringList{memberText});
        QCOMPARE(changed.size(), 1);
        QTRY_COMPARE(picker->currentText(), QStringLiteral("All group members already added"));
        QVERIFY(!picker->isEnabled());
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("shareButton"))->isEnabled());

        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            selectRow(dialog, memberText);
            QString question;
            ModalAnswer::pressWhenShown(answer, &question);
            click(dialog, "removeShareButton");
            QCOMPARE(question, QStringLiteral("Remove %1's access to this item?").arg(memberText));
        }
        QTRY_COMPARE(rows(dialog), QStringList{emptyText});
        QCOMPARE(changed.size(), 2);
        QTRY_COMPARE(picker->currentText(), memberText);
    }

    void failuresAreShownInWords_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("shownTitle");
        QTest::addColumn<QString>("shownText");
        QTest::newRow("share refused") << "share" << "Share Failed" << "The only role is \"member\"";
        QTest::newRow("share already ended") << "remove" << "Share Account" << "Could not remove share.";
    }

    void failuresAreShownInWords()
    {
        QFETCH(QString, failure);
        QFETCH(QString, shownTitle);
        QFETCH(QString, shownText);
        AccountSharingService sharing(m_owner->syncApi());
        const bool refusedRole = failure == QLatin1String("share");
        ShareMembersDialog dialog(&sharing, m_owner->accountClient(), m_accountId,
            texts(refusedRole ? QStringLiteral("admin") : QStringLiteral("member")));
        QSignalSpy changed(&dialog, &ShareMembersDialog::sharingChanged);
        dialog.show();
        QTRY_VERIFY(dialog.findChild<QComboBox*>(QStringLiteral("memberPicker"))->isEnabled());
        QString text;
        QString title;
        if (refusedRole) {
            ModalAnswer::pressWhenShown(QMessageBox::Ok, &text, &title);
            click(dialog, "shareButton");
        } else {
            click(dialog, "shareButton");
            QTRY_COMPARE(rows(dialog), QStringList{memberText});
            const QString memberId = m_member->authClient()->userId();
            QVERIFY(answerOf<bool>([&](auto done) { sharing.removeShare(m_accountId, memberId, done); })
                        .value_or(false));
            selectRow(dialog, memberText);
            ModalAnswer::pressWhenShown(QMessageBox::Yes);
            click(dialog, "removeShareButton");
            ModalAnswer::pressWhenShown(QMessageBox::Ok, &text, &title);
        }
        QTRY_COMPARE(text, shownText);
        QCOMPARE(title, shownTitle);
        QCOMPARE(changed.size(), refusedRole ? 0 : 1);
    }

    void aListThatCouldNotBeLoadedIsNotShownAsEmpty()
    {
        auto owner = signedInClient(m_server, ownerEmail);
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        owner->syncApi()->setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1/checkbook/v1").arg(closed.serverPort())));
        closed.close();
        AccountSharingService sharing(owner->syncApi());
        ShareMembersDialog dialog(&sharing, owner->accountClient(), m_accountId, texts());
        dialog.show();
        QTRY_COMPARE(rows(dialog), QStringList{QStringLiteral("Could not load who this is shared with.")});
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("shareButton"))->isEnabled());
    }

    void someoneWithNobodyToShareWithIsToldSo_data()
    {
        QTest::addColumn<bool>("ownsGroup");
        QTest::addColumn<QString>("accountId");
        QTest::newRow("in no group") << false << QStringLiteral("7e2b4c18-9f3d-4a5e-b6c7-d8e9f0a1b2c3");
        QTest::newRow("alone in a group of their own") << true << QStringLiteral("8f3c5d29-0a4e-4b6f-a7d8-e9f0a1b2c3d4");
    }

    void someoneWithNobodyToShareWithIsToldSo()
    {
        QFETCH(bool, ownsGroup);
        QFETCH(QString, accountId);
        auto outsider = signedInClient(m_server, ownsGroup ? loneOwnerEmail : outsiderEmail);
        // The first invitation makes the group; until it is taken the owner is alone.
        if (ownsGroup)
            QVERIFY(answerOf<GroupInvitation>([&outsider](auto done) { outsider->accountClient()->generateInviteCode(done); }));
        QVERIFY(pushAccount(*outsider, accountId));
        AccountSharingService sharing(outsider->syncApi());
        ShareMembersDialog dialog(&sharing, outsider->accountClient(), accountId, texts());
        dialog.show();
        auto* notice = dialog.findChild<QLabel*>(QStringLiteral("noGroupNotice"));
        QTRY_VERIFY(notice->isVisible());
        QCOMPARE(notice->text(), texts().noGroupNotice);
        QVERIFY(!dialog.findChild<QComboBox*>(QStringLiteral("memberPicker"))->isVisible());
        QTRY_COMPARE(rows(dialog), QStringList{emptyText});
    }
};

QTEST_MAIN(ShareMembersDialogTest)
#include "tst_sharemembersdialog.moc"
