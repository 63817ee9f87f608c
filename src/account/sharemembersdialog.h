#pragma once

#include "account/groupmember.h"
#include "account/sharemember.h"

#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace KestAccount {

class AccountClient;
class SharingBackend;

// Shares one register account with members of the user's family group:
// who has it, a picker of the members who do not yet, and removal.
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    // The dialog's words, given by the caller for what is being shared; an
    // empty text falls back to a neutral one where there is one.
    struct Texts
    {
        QString windowTitle;
        QString header;
        QString description;
        QString listCaption;
        QString emptyList;
        QString noGroupNotice;
        QString shareButton;
        QString removeButton;
        QString closeButton;
        QString role;
        QString shareFailedTitle;
        QString removeFailedTitle;
        QString removeConfirmTitle;
        // %1 is the member.
        QString removeConfirmText;
    };

    ShareMembersDialog(SharingBackend* sharing, AccountClient* accounts, const QString& accountId, const Texts& texts,
        QWidget* parent = nullptr);

public Q_SLOTS:
    void refreshAll();
    void onAddShare();
    void onRemoveSelected();

Q_SIGNALS:
    void sharingChanged();

private:
    enum class Load { Loading, Loaded, Failed };

    void buildLayout();
    void loadGroup();
    void loadShares();
    void fillList();
    void fillPicker();
    void addNoticeRow(const QString& text);
    QString shareText(const ShareMember& share) const;
    // A warning titled `title`, or the window title when that is empty.
    void warn(const QString& title, const QString& text);

    SharingBackend* m_sharing;
    AccountClient* m_accounts;
    QString m_accountId;
    Texts m_texts;

    QString m_ownId;
    QList<GroupMember> m_groupMembers;
    Load m_groupLoad = Load::Loading;
    QList<ShareMember> m_shares;
    Load m_sharesLoad = Load::Loading;

    QWidget* m_pickerRow = nullptr;
    QComboBox* m_picker = nullptr;
    QPushButton* m_shareButton = nullptr;
    QLabel* m_notice = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_removeButton = nullptr;
};

} // namespace KestAccount
