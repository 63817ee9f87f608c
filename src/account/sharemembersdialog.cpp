#include "account/sharemembersdialog.h"

#include "account/accountclient.h"
#include "account/sharingbackend.h"
#include "widgets/palette.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace KestAccount {

namespace {

QString orFallback(const QString& text, const QString& fallback)
{
    return text.isEmpty() ? fallback : text;
}

QLabel* mutedLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    return label;
}

} // namespace

ShareMembersDialog::ShareMembersDialog(SharingBackend* sharing, AccountClient* accounts, const QString& accountId,
    const Texts& texts, QWidget* parent)
    : QDialog(parent)
    , m_sharing(sharing)
    , m_accounts(accounts)
    , m_accountId(accountId)
    , m_texts(texts)
{
    m_texts.listCaption = orFallback(texts.listCaption, tr("Shared with"));
    m_texts.emptyList = orFallback(texts.emptyList, tr("Not shared with anyone yet."));
    m_texts.shareButton = orFallback(texts.shareButton, tr("Share"));
    m_texts.removeButton = orFallback(texts.removeButton, tr("Remove Selected"));
    m_texts.closeButton = orFallback(texts.closeButton, tr("Close"));
    m_texts.removeConfirmTitle = orFallback(texts.removeConfirmTitle, tr("Remove Share"));
    m_texts.removeConfirmText = orFallback(texts.removeConfirmText, tr("Remove %1's access to this item?"));
    setWindowTitle(m_texts.windowTitle);
    setMinimumSize(520, 520);
    resize(560, 560);
    buildLayout();
    refreshAll();
}

void ShareMembersDialog::buildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* header = new QLabel(m_texts.header);
    header->setTextFormat(Qt::PlainText);
    header->setFont(Palette::adjustedFont(3, QFont::DemiBold));
    layout->addWidget(header);
    layout->addWidget(mutedLabel(m_texts.description));

    m_pickerRow = new QWidget;
    auto* pickerLayout = new QHBoxLayout(m_pickerRow);
    pickerLayout->setContentsMargins(0, 0, 0, 0);
    m_picker = new QComboBox;
    m_picker->setObjectName(QStringLiteral("memberPicker"));
    m_picker->setMinimumWidth(280);
    m_shareButton = new QPushButton(m_texts.shareButton);
    m_shareButton->setObjectName(QStringLiteral("shareButton"));
    m_shareButton->setDefault(true);
    pickerLayout->addWidget(m_picker, 1);
    pickerLayout->addWidget(m_shareButton);
    layout->addWidget(m_pickerRow);

    m_notice = mutedLabel(m_texts.noGroupNotice);
    m_notice->setObjectName(QStringLiteral("noGroupNotice"));
    m_notice->hide();
    layout->addWidget(m_notice);

    auto* caption = new QLabel(m_texts.listCaption);
    caption->setFont(Palette::adjustedFont(0, QFont::Medium));
    layout->addWidget(caption);
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("shareList"));
    m_list->setMinimumHeight(160);
    layout->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    m_removeButton = new QPushButton(m_texts.removeButton);
    m_removeButton->setObjectName(QStringLiteral("removeShareButton"));
    m_removeButton->setEnabled(false);
    auto* closeButton = new QPushButton(m_texts.closeButton);
    closeButton->setAutoDefault(false);
    buttons->addWidget(m_removeButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);

    connect(m_shareButton, &QPushButton::clicked, this, &ShareMembersDialog::onAddShare);
    connect(m_removeButton, &QPushButton::clicked, this, &ShareMembersDialog::onRemoveSelected);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
        [this] { m_removeButton->setEnabled(!m_list->selectedItems().isEmpty()); });
}

void ShareMembersDialog::refreshAll()
{
    loadGroup();
    loadShares();
}

void ShareMembersDialog::loadGroup()
{
    m_groupLoad = Load::Loading;
    fillPicker();
    const QPointer<ShareMembersDialog> self(this);
    m_accounts->getProfile([self](const Profile& profile) {
        if (!self)
            return;
        self->m_ownId = profile.id;
        self->m_accounts->getGroup([self](bool ok, const Group& group) {
            if (!self)
                return;
            self->m_groupMembers = group.members;
            self->m_groupLoad = ok ? Load::Loaded : Load::Failed;
            self->fillPicker();
            self->fillList();
        });
    });
}

void ShareMembersDialog::loadShares()
{
    m_sharesLoad = Load::Loading;
    m_list->clear();
    addNoticeRow(tr("Loading..."));
    fillPicker();
    const QPointer<ShareMembersDialog> self(this);
    m_sharing->listMembers(m_accountId, [self](bool ok, const QList<ShareMember>& members) {
        if (!self)
            return;
        self->m_shares = members;
        self->m_sharesLoad = ok ? Load::Loaded : Load::Failed;
        self->fillList();
        self->fillPicker();
    });
}

void ShareMembersDialog::fillList()
{
    if (m_sharesLoad == Load::Loading)
        return;
    m_list->clear();
    if (m_sharesLoad == Load::Failed) {
        addNoticeRow(tr("Could not load who this is shared with."));
        return;
    }
    for (const ShareMember& share : std::as_const(m_shares)) {
        if (share.isOwner())
            continue;
        auto* item = new QListWidgetItem(shareText(share), m_list);
        item->setData(Qt::UserRole, share.id);
    }
    if (m_list->count() == 0)
        addNoticeRow(m_texts.emptyList);
}

void ShareMembersDialog::addNoticeRow(const QString& text)
{
    auto* item = new QListWidgetItem(text, m_list);
    item->setFlags(Qt::NoItemFlags);
    item->setForeground(QColor(0x88, 0x88, 0x88));
}

QString ShareMembersDialog::shareText(const ShareMember& share) const
{
    QString name = share.displayName;
    QString email = share.email;
    for (const GroupMember& member : m_groupMembers) {
        if (member.accountId == share.userId) {
            name = orFallback(name, member.displayName);
            email = orFallback(email, member.email);
        }
    }
    if (!name.isEmpty() && !email.isEmpty())
        return QStringLiteral("%1 (%2)").arg(name, email);
    return orFallback(orFallback(name, email), share.userId);
}

void ShareMembersDialog::fillPicker()
{
    m_picker->clear();
    const bool ready = m_groupLoad == Load::Loaded && m_sharesLoad == Load::Loaded;
    // An owner whose invitations are still open is alone in the group:
    // there is nobody to share with yet.
    const bool inGroup = m_groupLoad != Load::Loaded
        || std::any_of(m_groupMembers.begin(), m_groupMembers.end(),
            [this](const GroupMember& member) { return member.accountId != m_ownId; });
    m_pickerRow->setVisible(inGroup && m_groupLoad != Load::Failed);
    m_notice->setText(
        m_groupLoad == Load::Failed ? tr("Your family group could not be loaded.") : m_texts.noGroupNotice);
    m_notice->setVisible(!inGroup || m_groupLoad == Load::Failed);
    if (ready) {
        for (const GroupMember& member : std::as_const(m_groupMembers)) {
            const bool shared = std::any_of(m_shares.begin(), m_shares.end(),
                [&member](const ShareMember& share) { return share.userId == member.accountId; });
            if (member.accountId == m_ownId || shared)
                continue;
            const QString text = member.displayName.isEmpty()
                ? member.email
                : QStringLiteral("%1 (%2)").arg(member.displayName, member.email);
            m_picker->addItem(text, member.accountId);
        }
        if (m_picker->count() == 0)
            m_picker->addItem(tr("All group members already added"));
    }
    const bool canShare = ready && !m_picker->currentData().toString().isEmpty();
    m_picker->setEnabled(canShare);
    m_shareButton->setEnabled(canShare);
}

void ShareMembersDialog::onAddShare()
{
    const QString memberId = m_picker->currentData().toString();
    if (memberId.isEmpty())
        return;
    const QString memberText = m_picker->currentText();
    m_shareButton->setEnabled(false);
    m_shareButton->setText(tr("Sharing..."));
    const QPointer<ShareMembersDialog> self(this);
    m_sharing->shareWith(m_accountId, memberId, m_texts.role, [self, memberText](bool ok, const QString& error) {
        if (!self)
            return;
        self->m_shareButton->setText(self->m_texts.shareButton);
        self->m_shareButton->setEnabled(true);
        if (ok) {
            Q_EMIT self->sharingChanged();
            self->loadShares();
            return;
        }
        self->warn(self->m_texts.shareFailedTitle,
            error.isEmpty() ? tr("Could not share with %1.").arg(memberText) : error);
    });
}

void ShareMembersDialog::onRemoveSelected()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return;
    const QString userId = selected.first()->data(Qt::UserRole).toString();
    const QString memberText = selected.first()->text();
    QMessageBox question(QMessageBox::Question, m_texts.removeConfirmTitle, m_texts.removeConfirmText.arg(memberText),
        QMessageBox::Yes | QMessageBox::No, this);
    question.setTextFormat(Qt::PlainText);
    question.setDefaultButton(QMessageBox::No);
    if (question.exec() != QMessageBox::Yes)
        return;
    m_removeButton->setEnabled(false);
    const QPointer<ShareMembersDialog> self(this);
    m_sharing->removeShare(m_accountId, userId, [self](bool ok) {
        if (!self)
            return;
        if (ok) {
            Q_EMIT self->sharingChanged();
            self->loadShares();
            return;
        }
        self->m_removeButton->setEnabled(!self->m_list->selectedItems().isEmpty());
        self->warn(self->m_texts.removeFailedTitle, tr("Could not remove share."));
    });
}

void ShareMembersDialog::warn(const QString& title, const QString& text)
{
    // The text may carry a member's name or the service's words: never markup.
    QMessageBox box(QMessageBox::Warning, orFallback(title, m_texts.windowTitle), text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace KestAccount
