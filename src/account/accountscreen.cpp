#include "account/accountscreen.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "storage/clock.h"
#include "widgets/palette.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace KestAccount {

namespace {

constexpr int navigationWidth = 180;
constexpr int errorShownMs = 4000;
constexpr int successShownMs = 3000;
constexpr int minimumPasswordLength = 8;
constexpr qsizetype userAgentLength = 60;

// Names and other texts from the service are shown as written, never as markup.
QLabel* plainLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* plainLabel(const QString& text, const QFont& font)
{
    QLabel* label = plainLabel(text);
    label->setFont(font);
    return label;
}

QLabel* mutedLabel(const QString& text, int pointSizeDelta)
{
    QLabel* label = plainLabel(text);
    QFont font = label->font();
    font.setPointSize(std::max(7, font.pointSize() + pointSizeDelta));
    label->setFont(font);
    label->setWordWrap(true);
    label->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    return label;
}

QPushButton* button(const QString& text, const char* name)
{
    auto* pushButton = new QPushButton(text);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

// A page of the screen: its name as a heading above its sections.
QVBoxLayout* newPage(QScrollArea*& scroll, const QString& heading)
{
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(8);
    layout->addWidget(plainLabel(heading, Palette::adjustedFont(4, QFont::DemiBold)));
    scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    return layout;
}

void addSection(QVBoxLayout* layout, const QString& title, const QString& description = QString())
{
    layout->addSpacing(12);
    layout->addWidget(plainLabel(title, Palette::adjustedFont(1, QFont::Medium)));
    if (!description.isEmpty())
        layout->addWidget(mutedLabel(description, -2));
}

// A row of a list: text lines on the left, an action or a badge on the right.
QHBoxLayout* addRow(QVBoxLayout* layout, const QList<QLabel*>& lines, QWidget* trailing)
{
    auto* row = new QHBoxLayout;
    auto* text = new QVBoxLayout;
    text->setSpacing(2);
    for (QLabel* line : lines)
        text->addWidget(line);
    row->addLayout(text, 1);
    if (trailing)
        row->addWidget(trailing, 0, Qt::AlignVCenter);
    layout->addLayout(row);
    return row;
}

QLabel* badge(const QString& text, const QColor& color)
{
    auto* label = plainLabel(text);
    QFont font = Palette::adjustedFont(-2, QFont::Medium);
    font.setPointSize(std::max(7, font.pointSize()));
    label->setFont(font);
    label->setStyleSheet(Palette::textColorStyle(color));
    return label;
}

void clearLayout(QLayout* layout)
{
    while (QLayoutItem* item = layout->takeAt(0)) {
        if (QWidget* widget = item->widget())
            widget->deleteLater();
        if (QLayout* inner = item->layout())
            clearLayout(inner);
        delete item;
    }
}

QString shortUserAgent(const QString& userAgent)
{
    if (userAgent.isEmpty())
        return AccountScreen::tr("Unknown client");
    return userAgent.size() > userAgentLength ? userAgent.left(userAgentLength) + QStringLiteral("...") : userAgent;
}

} // namespace

AccountScreen::AccountScreen(Client* client, QWidget* parent)
    : QWidget(parent, Qt::Dialog)
    , m_client(client)
    , m_accounts(client->accountClient())
    , m_auth(client->authClient())
    , m_statusTimer(new QTimer(this))
{
    setWindowTitle(tr("Kestrelwood Account"));
    resize(820, 600);
    m_navigation = new QListWidget;
    m_navigation->setObjectName(QStringLiteral("accountNavigation"));
    m_navigation->setFixedWidth(navigationWidth);
    m_navigation->addItems({tr("Profile"), tr("Group"), tr("Devices"), tr("Security"), tr("Data & Privacy")});
    restyleNavigation();

    m_pages = new QStackedWidget;
    m_pages->addWidget(buildProfilePage());
    m_pages->addWidget(buildGroupPage());
    m_pages->addWidget(buildDevicesPage());
    m_pages->addWidget(buildSecurityPage());
    m_pages->addWidget(buildPrivacyPage());
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_navigation->setCurrentRow(ProfileTab);

    m_status = new QLabel;
    m_status->setContentsMargins(20, 0, 0, 0);
    m_status->setObjectName(QStringLiteral("accountStatus"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    m_statusTimer->setSingleShot(true);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 20, 8);
    right->addWidget(m_pages, 1);
    right->addWidget(m_status);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addLayout(right, 1);

    connect(m_accounts, &AccountClient::groupChanged, this, &AccountScreen::refreshGroup);
}

void AccountScreen::selectTab(Tab tab)
{
    m_navigation->setCurrentRow(tab);
}

void AccountScreen::refreshAll()
{
    refreshProfile();
    refreshGroup();
    refreshDevices();
    refreshSessions();
}

void AccountScreen::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_navigation)
        restyleNavigation();
}

void AccountScreen::restyleNavigation()
{
    m_navigation->setStyleSheet(
        QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                       "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                       "QListWidget::item:hover { background: %2; }"
                       "QListWidget::item:selected { background: %3; color: %4; }"
                       "QListWidget { outline: none; }")
            .arg(Palette::styleName(Palette::navigationBackground()), Palette::styleName(Palette::navigationHover()),
                Palette::styleName(Palette::navigationSelection()),
                Palette::styleName(Palette::navigationSelectedText())));
}

QWidget* AccountScreen::buildProfilePage()
{
    QScrollArea* page = nullptr;
    QVBoxLayout* layout = newPage(page, tr("Profile"));
    page->setObjectName(QStringLiteral("profilePage"));
    addSection(layout, tr("Personal Information"));
    m_displayName = plainLabel(QString());
    m_displayName->setObjectName(QStringLiteral("displayName"));
    m_email = mutedLabel(QString(), 0);
    m_email->setObjectName(QStringLiteral("email"));
    layout->addWidget(m_displayName);
    layout->addWidget(m_email);
    QPushButton* edit = button(tr("Edit Display Name"), "editDisplayNameButton");
    layout->addWidget(edit, 0, Qt::AlignLeft);
    addSection(layout, tr("Password"), tr("Change your account password."));
    QPushButton* password = button(tr("Change Password"), "changePasswordButton");
    layout->addWidget(password, 0, Qt::AlignLeft);
    if (m_accounts->accountPortalUrl(QString()).isValid()) {
        addSection(layout, tr("Account Portal"), tr("Billing and other settings of your account are on the web."));
        QPushButton* portal = button(tr("Open Account Portal"), "accountPortalButton");
        layout->addWidget(portal, 0, Qt::AlignLeft);
        connect(portal, &QPushButton::clicked, this, [this] { m_accounts->openAccountPortal(QString()); });
    }
    layout->addStretch();
    connect(edit, &QPushButton::clicked, this, &AccountScreen::editDisplayName);
    connect(password, &QPushButton::clicked, this, &AccountScreen::changePassword);
    return page;
}

QWidget* AccountScreen::buildGroupPage()
{
    QScrollArea* page = nullptr;
    QVBoxLayout* layout = newPage(page, tr("Group"));
    page->setObjectName(QStringLiteral("groupPage"));
    m_groupContent = new QVBoxLayout;
    layout->addLayout(m_groupContent);
    layout->addStretch();
    return page;
}

QWidget* AccountScreen::buildDevicesPage()
{
    QScrollArea* page = nullptr;
    QVBoxLayout* layout = newPage(page, tr("Devices"));
    page->setObjectName(QStringLiteral("devicesPage"));
    addSection(layout, tr("Registered Devices"), tr("Devices that have synced with your account."));
    m_devicesContent = new QVBoxLayout;
    layout->addLayout(m_devicesContent);
    layout->addStretch();
    return page;
}

QWidget* AccountScreen::buildSecurityPage()
{
    QScrollArea* page = nullptr;
    QVBoxLayout* layout = newPage(page, tr("Security"));
    page->setObjectName(QStringLiteral("securityPage"));
    addSection(layout, tr("Active Sessions"), tr("Sessions currently signed in to your account."));
    m_sessionsContent = new QVBoxLayout;
    layout->addLayout(m_sessionsContent);
    layout->addStretch();
    return page;
}

QWidget* AccountScreen::buildPrivacyPage()
{
    QScrollArea* page = nullptr;
    QVBoxLayout* layout = newPage(page, tr("Data & Privacy"));
    page->setObjectName(QStringLiteral("privacyPage"));
    addSection(layout, tr("Danger Zone"), tr("Permanently delete your account. This cannot be undone after 30 days."));
    m_deleteButton = button(tr("Delete Account"), "deleteAccountButton");
    m_deleteButton->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: %1; border: none;  border-radius: 4px; "
                       "padding: 6px 16px; font-weight: 600; }"
                       "QPushButton:hover { background: %2; }QPushButton:disabled { background: #666; }")
            .arg(Palette::styleName(Palette::dangerButton()), Palette::styleName(Palette::dangerButtonHover())));
    layout->addWidget(m_deleteButton, 0, Qt::AlignLeft);
    m_ownerNote = mutedLabel(
        tr("You are the group owner. Transfer ownership or remove all members before deleting your account."), -1);
    m_ownerNote->setObjectName(QStringLiteral("ownerNote"));
    layout->addWidget(m_ownerNote);
    layout->addStretch();
    connect(m_deleteButton, &QPushButton::clicked, this, &AccountScreen::deleteAccount);
    updatePrivacyPage();
    return page;
}

void AccountScreen::refreshProfile()
{
    const QPointer<AccountScreen> self(this);
    m_auth->fetchCurrentUser([self](const User& user) {
        if (!self)
            return;
        if (user.id.isEmpty())
            self->m_displayName->setText(tr("Your profile could not be loaded."));
        else
            self->m_displayName->setText(user.displayName.isEmpty() ? tr("(not set)") : user.displayName);
        self->m_email->setText(user.email);
    });
}

void AccountScreen::refreshGroup()
{
    const QPointer<AccountScreen> self(this);
    m_accounts->getGroup([self](bool ok, const Group& group) {
        if (!self)
            return;
        if (ok) {
            self->showGroup(group);
            return;
        }
        clearLayout(self->m_groupContent);
        self->showNotLoaded(self->m_groupContent, tr("Your group could not be loaded."));
    });
}

void AccountScreen::showGroup(const Group& group)
{
    m_group = group;
    clearLayout(m_groupContent);
    updatePrivacyPage();
    if (group.isEmpty()) {
        addSection(m_groupContent, tr("No Group"),
            tr("You're not part of a group. The group owner can invite you, or you can join with an invite code."));
        QPushButton* join = button(tr("Join with Invite Code"), "joinGroupButton");
        m_groupContent->addWidget(join, 0, Qt::AlignLeft);
        connect(join, &QPushButton::clicked, this, &AccountScreen::joinGroup);
    } else {
        addSection(m_groupContent, group.name, tr("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats));
        showGroupMembers(m_groupContent, group);
    }
    if (group.isEmpty() || ownsGroup()) {
        showInvitations(m_groupContent, group);
    } else {
        QPushButton* leave = button(tr("Leave Group"), "leaveGroupButton");
        m_groupContent->addSpacing(12);
        m_groupContent->addWidget(leave, 0, Qt::AlignLeft);
        connect(leave, &QPushButton::clicked, this, &AccountScreen::leaveGroup);
    }
}

void AccountScreen::showGroupMembers(QVBoxLayout* layout, const Group& group)
{
    layout->addSpacing(8);
    layout->addWidget(plainLabel(tr("Members"), Palette::adjustedFont(0, QFont::Medium)));
    for (const GroupMember& member : group.members) {
        QWidget* trailing = nullptr;
        if (member.isOwner()) {
            trailing = badge(tr("Owner"), Palette::roleBadge());
        } else if (ownsGroup()) {
            QPushButton* remove = button(tr("Remove"), "removeMemberButton");
            remove->setProperty("memberId", member.accountId);
            connect(remove, &QPushButton::clicked, this, [this, member] { removeMember(member); });
            trailing = remove;
        }
        addRow(layout, {plainLabel(member.displayName), mutedLabel(member.email, -1)}, trailing);
    }
}

void AccountScreen::showInvitations(QVBoxLayout* layout, const Group& group)
{
    if (!group.pendingInvitations.isEmpty()) {
        auto* separator = new QFrame;
        separator->setFrameShape(QFrame::HLine);
        separator->setFrameShadow(QFrame::Sunken);
        layout->addSpacing(8);
        layout->addWidget(separator);
        layout->addWidget(plainLabel(tr("Pending Invitations"), Palette::adjustedFont(0, QFont::Medium)));
        for (const GroupInvitation& invitation : group.pendingInvitations) {
            const QString text = invitation.invitedEmail.isEmpty()
                ? tr("Invite code: %1").arg(invitation.inviteCode)
                : invitation.invitedEmail;
            QPushButton* revoke = button(tr("Revoke"), "revokeInvitationButton");
            connect(revoke, &QPushButton::clicked, this, [this, invitation] { revokeInvitation(invitation); });
            addRow(layout, {plainLabel(text)}, revoke);
        }
    }
    // Without a group, the first invitation starts one with the user as its owner.
    addSection(layout, tr("Invite Members"),
        group.isEmpty() ? tr("Invite someone to start a family group with you.") : QString());
    QPushButton* byEmail = button(tr("Invite by Email"), "inviteByEmailButton");
    QPushButton* code = button(tr("Generate Invite Code"), "generateInviteCodeButton");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(byEmail);
    buttons->addWidget(code);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(byEmail, &QPushButton::clicked, this, &AccountScreen::inviteByEmail);
    connect(code, &QPushButton::clicked, this, &AccountScreen::generateInviteCode);
}

void AccountScreen::showNotLoaded(QVBoxLayout* layout, const QString& text)
{
    QLabel* label = mutedLabel(text, 0);
    label->setObjectName(QStringLiteral("notLoaded"));
    layout->addWidget(label);
}

bool AccountScreen::ownsGroup() const
{
    if (m_client->claims().role == QLatin1String("owner"))
        return true;
    // A group made by this user's first invitation is theirs before the
    // token's claims catch up.
    const QString userId = m_auth->userId();
    return std::any_of(m_group.members.begin(), m_group.members.end(),
        [&userId](const GroupMember& member) { return member.accountId == userId && member.isOwner(); });
}

void AccountScreen::updatePrivacyPage()
{
    // An owner alone in the group can go: the group goes with them.
    const bool ownerOfOthers = m_group.members.size() > 1 && ownsGroup();
    m_deleteButton->setEnabled(!ownerOfOthers);
    m_ownerNote->setVisible(ownerOfOthers);
}

void AccountScreen::refreshDevices()
{
    const QPointer<AccountScreen> self(this);
    m_accounts->getDevices([self](bool ok, const QList<Device>& devices) {
        if (!self)
            return;
        clearLayout(self->m_devicesContent);
        if (ok)
            self->showDevices(devices);
        else
            self->showNotLoaded(self->m_devicesContent, tr("Your devices could not be loaded."));
    });
}

void AccountScreen::showDevices(const QList<Device>& devices)
{
    if (devices.isEmpty())
        m_devicesContent->addWidget(mutedLabel(tr("No devices registered."), 0));
    for (const Device& device : devices) {
        QFont bold = font();
        bold.setBold(true);
        QLabel* name = plainLabel(device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName, bold);
        name->setObjectName(QStringLiteral("deviceName"));
        const QString platform = device.appVersion.isEmpty()
            ? device.platform
            : device.platform + tr("  ·  v%1").arg(device.appVersion);
        QPushButton* remove = button(tr("Remove"), "removeDeviceButton");
        connect(remove, &QPushButton::clicked, this, [this, device] { removeDevice(device); });
        addRow(m_devicesContent, {name, mutedLabel(platform, -1), mutedLabel(relativeTime(device.lastSyncAt), -1)},
            remove);
    }
}

void AccountScreen::refreshSessions()
{
    const QPointer<AccountScreen> self(this);
    m_auth->listSessions([self](bool ok, const QList<Session>& sessions) {
        if (!self)
            return;
        clearLayout(self->m_sessionsContent);
        if (ok)
            self->showSessions(sessions);
        else
            self->showNotLoaded(self->m_sessionsContent, tr("Your sessions could not be loaded."));
    });
}

void AccountScreen::showSessions(const QList<Session>& sessions)
{
    if (sessions.isEmpty())
        m_sessionsContent->addWidget(mutedLabel(tr("No active sessions."), 0));
    for (const Session& session : sessions) {
        QString detail = session.isCurrent ? tr("This session") : relativeTime(session.lastActiveAt);
        if (!session.ipAddress.isEmpty())
            detail += tr("  ·  %1").arg(session.ipAddress);
        QWidget* trailing = nullptr;
        if (session.isCurrent) {
            trailing = badge(tr("Current"), Palette::positive());
        } else {
            QPushButton* revoke = button(tr("Revoke"), "revokeSessionButton");
            connect(revoke, &QPushButton::clicked, this, [this, session] { revokeSession(session); });
            trailing = revoke;
        }
        QLabel* agent = plainLabel(shortUserAgent(session.userAgent), Palette::adjustedFont(0, QFont::Medium));
        agent->setObjectName(QStringLiteral("sessionClient"));
        addRow(m_sessionsContent, {agent, mutedLabel(detail, -1)}, trailing);
    }
}

QString AccountScreen::relativeTime(const QDateTime& time)
{
    if (!time.isValid())
        return tr("Unknown");
    const qint64 seconds = time.secsTo(Clock::nowUtc());
    if (seconds < 60)
        return tr("Active now");
    if (seconds < 3600)
        return tr("%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return tr("%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return tr("%1d ago").arg(seconds / 86400);
    return QLocale::c().toString(time.toUTC().date(), QStringLiteral("MMM d, yyyy"));
}

void AccountScreen::editDisplayName()
{
    bool accepted = false;
    const QString name = QInputDialog::getText(this, tr("Edit Display Name"), tr("Display name:"), QLineEdit::Normal,
        m_auth->cachedUser().displayName, &accepted)
                             .trimmed();
    if (!accepted || name.isEmpty())
        return;
    const QPointer<AccountScreen> self(this);
    m_auth->updateProfile(name, [self](bool ok, const User& user) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Failed to update profile."));
            return;
        }
        self->m_displayName->setText(user.displayName);
        self->showSuccess(tr("Display name updated."));
    });
}

void AccountScreen::changePassword()
{
    bool accepted = false;
    const auto ask = [this, &accepted](const QString& prompt) {
        const QString text =
            QInputDialog::getText(this, tr("Change Password"), prompt, QLineEdit::Password, {}, &accepted);
        return accepted ? text : QString();
    };
    const QString current = ask(tr("Current password:"));
    if (current.isEmpty())
        return;
    const QString replacement = ask(tr("New password (min 8 characters):"));
    if (replacement.isEmpty())
        return;
    if (replacement.size() < minimumPasswordLength) {
        showError(tr("Password must be at least 8 characters."));
        return;
    }
    const QString confirmation = ask(tr("Confirm new password:"));
    if (confirmation.isEmpty())
        return;
    if (confirmation != replacement) {
        showError(tr("Passwords do not match."));
        return;
    }
    const QPointer<AccountScreen> self(this);
    m_auth->changePassword(current, replacement, [self](bool ok) {
        if (!self)
            return;
        if (ok) {
            self->showSuccess(tr("Password changed."));
            self->refreshSessions();
        } else {
            self->showError(tr("Failed to change password."));
        }
    });
}

void AccountScreen::joinGroup()
{
    const QString code = QInputDialog::getText(this, tr("Join Group"), tr("Enter invite code:")).trimmed();
    if (code.isEmpty())
        return;
    const QPointer<AccountScreen> self(this);
    m_accounts->joinGroup(code, [self](bool ok) {
        if (!self)
            return;
        if (ok)
            self->showSuccess(tr("Joined group."));
        else
            self->showError(tr("Invalid or expired invite code."));
    });
}

void AccountScreen::inviteByEmail()
{
    const QString address = QInputDialog::getText(this, tr("Invite by Email"), tr("Email address:")).trimmed();
    if (address.isEmpty())
        return;
    const QPointer<AccountScreen> self(this);
    m_accounts->inviteByEmail(address, [self](const GroupInvitation& invitation) {
        if (!self)
            return;
        if (invitation.isEmpty())
            self->showError(tr("Failed to send invitation."));
        else
            self->showSuccess(tr("Invitation sent."));
    });
}

void AccountScreen::generateInviteCode()
{
    const QPointer<AccountScreen> self(this);
    m_accounts->generateInviteCode([self](const GroupInvitation& invitation) {
        if (!self)
            return;
        if (invitation.isEmpty()) {
            self->showError(tr("Failed to generate code."));
            return;
        }
        auto* box = new QMessageBox(QMessageBox::Information, tr("Invite Code"),
            tr("Share this code with the person you want to invite:\n\n%1").arg(invitation.inviteCode),
            QMessageBox::Ok, self);
        box->setTextFormat(Qt::PlainText);
        box->setTextInteractionFlags(Qt::TextSelectableByMouse);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });
}

void AccountScreen::leaveGroup()
{
    if (!confirm(tr("Leave Group"), tr("Leave this group? You will lose access to shared data.")))
        return;
    const QPointer<AccountScreen> self(this);
    m_accounts->leaveGroup([self](bool ok) {
        if (!self)
            return;
        if (ok)
            self->showSuccess(tr("Left group."));
        else
            self->showError(tr("Could not leave the group."));
    });
}

void AccountScreen::removeMember(const GroupMember& member)
{
    const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
    if (!confirm(tr("Remove Member"),
            tr("Remove %1 from the group? The accounts you share with them will no longer reach them.").arg(name))) {
        return;
    }
    const QPointer<AccountScreen> self(this);
    m_accounts->removeMember(member.accountId, [self, name](bool ok) {
        if (!self)
            return;
        if (ok)
            self->showSuccess(tr("%1 removed.").arg(name));
        else
            self->showError(tr("Could not remove %1.").arg(name));
    });
}

void AccountScreen::revokeInvitation(const GroupInvitation& invitation)
{
    const QPointer<AccountScreen> self(this);
    m_accounts->revokeInvitation(invitation.id, [self](bool ok) {
        if (!self)
            return;
        if (ok)
            self->showSuccess(tr("Invitation revoked."));
        else
            self->showError(tr("Could not revoke the invitation."));
        self->refreshGroup();
    });
}

void AccountScreen::removeDevice(const Device& device)
{
    const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
    if (!confirm(tr("Remove Device"),
            tr("Remove %1 from your account's devices? It registers again the next time it signs in.").arg(name))) {
        return;
    }
    const QPointer<AccountScreen> self(this);
    m_accounts->removeDevice(device.id, [self](bool ok) {
        if (!self)
            return;
        if (ok)
            self->showSuccess(tr("Device removed."));
        else
            self->showError(tr("Could not remove the device."));
        self->refreshDevices();
    });
}

void AccountScreen::revokeSession(const Session& session)
{
    if (!confirm(tr("Revoke Session"),
            tr("Sign out %1? It will have to sign in again.").arg(shortUserAgent(session.userAgent)))) {
        return;
    }
    const QPointer<AccountScreen> self(this);
    m_auth->revokeSession(session.id, [self](bool ok) {
        if (!self)
            return;
        if (ok)
            self->showSuccess(tr("Session revoked."));
        else
            self->showError(tr("Could not revoke the session."));
        self->refreshSessions();
    });
}

void AccountScreen::deleteAccount()
{
    const QString typed = QInputDialog::getText(this, tr("Delete Account"),
        tr("This will schedule your account for permanent deletion after 30 days.\n\nType DELETE to confirm:"));
    if (typed != QLatin1String("DELETE"))
        return;
    const QPointer<AccountScreen> self(this);
    m_accounts->deleteAccount([self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(tr("Failed to delete account."));
            return;
        }
        auto* box = new QMessageBox(QMessageBox::Information, tr("Account Scheduled for Deletion"),
            tr("Your account will be permanently deleted in 30 days. You can recover it by signing in before then."),
            QMessageBox::Ok, self);
        box->setAttribute(Qt::WA_DeleteOnClose);
        connect(box, &QMessageBox::finished, self, &AccountScreen::logoutRequested);
        box->open();
    });
}

bool AccountScreen::confirm(const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void AccountScreen::showSuccess(const QString& text)
{
    m_status->setStyleSheet(QStringLiteral("color: %1; padding: 4px;").arg(Palette::styleName(Palette::positive())));
    m_status->setText(text);
    m_statusTimer->start(successShownMs);
}

void AccountScreen::showError(const QString& text)
{
    m_status->setStyleSheet(QStringLiteral("color: %1; padding: 4px;").arg(Palette::styleName(Palette::negative())));
    m_status->setText(text);
    m_statusTimer->start(errorShownMs);
}

} // namespace KestAccount
