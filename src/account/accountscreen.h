#pragma once

#include "account/device.h"
#include "account/group.h"
#include "account/session.h"

#include <QList>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

namespace KestAccount {

class AccountClient;
class AuthClient;
class Client;

// The signed-in user's Kestrelwood account: their name and password, the
// family group with its members and invitations, the devices and sessions
// of the account, and the account's deletion. Every outcome is shown once
// the service has answered.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab { ProfileTab, GroupTab, DevicesTab, SecurityTab, PrivacyTab };

    explicit AccountScreen(Client* client, QWidget* parent = nullptr);

    void selectTab(Tab tab);
    // Reads every page anew; the opener calls it each time the screen is shown.
    void refreshAll();

    // "Active now", "5m ago", ... up to a week, then the date.
    static QString relativeTime(const QDateTime& time);

Q_SIGNALS:
    // The account is scheduled for deletion: the session should end.
    void logoutRequested();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildProfilePage();
    QWidget* buildGroupPage();
    QWidget* buildDevicesPage();
    QWidget* buildSecurityPage();
    QWidget* buildPrivacyPage();
    void restyleNavigation();

    void refreshProfile();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();
    void showGroup(const Group& group);
    void showGroupMembers(QVBoxLayout* layout, const Group& group);
    void showInvitations(QVBoxLayout* layout, const Group& group);
    void showDevices(const QList<Device>& devices);
    void showSessions(const QList<Session>& sessions);
    void showNotLoaded(QVBoxLayout* layout, const QString& text);
    void updatePrivacyPage();
    bool ownsGroup() const;

    void editDisplayName();
    void changePassword();
    void joinGroup();
    void inviteByEmail();
    void generateInviteCode();
    void leaveGroup();
    void removeMember(const GroupMember& member);
    void revokeInvitation(const GroupInvitation& invitation);
    void removeDevice(const Device& device);
    void revokeSession(const Session& session);
    void deleteAccount();

    // A yes/no question whose default is No; the names in it are shown as
    // they are written, never as markup.
    bool confirm(const QString& title, const QString& text);
    void showSuccess(const QString& text);
    void showError(const QString& text);

    Client* m_client;
    AccountClient* m_accounts;
    AuthClient* m_auth;
    Group m_group;

    QListWidget* m_navigation = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_displayName = nullptr;
    QLabel* m_email = nullptr;
    QVBoxLayout* m_groupContent = nullptr;
    QVBoxLayout* m_devicesContent = nullptr;
    QVBoxLayout* m_sessionsContent = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QLabel* m_ownerNote = nullptr;
    QLabel* m_status = nullptr;
    QTimer* m_statusTimer = nullptr;
};

} // namespace KestAccount
