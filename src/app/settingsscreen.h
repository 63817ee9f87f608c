#pragma once

#include <QWidget>

#include <functional>

class AppState;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class SettingsCard;

// The preferences window: the look, the calendar and the language; how the
// register shows its rows; sync, backups and deleted accounts; and what the
// program is. Every choice is stored the moment it is made.
class SettingsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Page { GeneralPage, RegisterPage, DataPage, AboutPage };

    explicit SettingsScreen(AppState* state, QWidget* parent = nullptr);

    // Reads the sync state and the deleted accounts again; the main window
    // calls it each time it shows the window.
    void refresh();

public Q_SLOTS:
    void onThemeChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    // Asks where to save a backup and writes it there.
    void exportBackup();
    void exportBackupTo(const QString& path);
    // Asks for a backup, then restores it.
    void importBackup();
    // Asks how to treat the rows already stored, then restores the backup
    // at `path`.
    void importBackupFrom(const QString& path);
    // Brings back the deleted account chosen in the list.
    void restoreSelectedAccount();
    // Starts a sync cycle; the button waits for its end.
    void syncNow();
    // After a confirmation: every live row pending, the cursor cleared,
    // then a cycle that uploads them and downloads everything.
    void forceFullSync();

Q_SIGNALS:
    // Accounts or their rows came back (a restored account or backup): the
    // main window reloads what it shows.
    void deletedAccountRestored();

private:
    void buildNavigation();
    QWidget* buildGeneralPage();
    QWidget* buildRegisterPage();
    QWidget* buildDataPage();
    QWidget* buildAboutPage();
    SettingsCard* buildSyncCard();
    SettingsCard* buildBackupCard();
    SettingsCard* buildDeletedAccountsCard();
    QCheckBox* registerOption(SettingsCard* card, const QString& text, const QString& hint, const QString& key);
    void showStoredValues();
    void restyleNavigation();
    void refreshDeletedAccounts();
    void showSignedOut();
    void refreshSync();
    QString lastSyncText();
    // Disables `buttons` and reads "Syncing..." on Sync Now until the cycle
    // just started ends, then reads the sync state again.
    void waitForSync(const QList<QPushButton*>& buttons);
    // Runs an export or restore behind a progress dialog whose Cancel stops
    // it, with `button` disabled and reading `busyText` meanwhile.
    void runBackupWork(QPushButton* button, const QString& busyText, const std::function<void()>& work);
    void storeRegisterOption(const QString& key, bool checked);
    void reportUnsavedSetting();

    AppState* m_state;
    QListWidget* m_navigation = nullptr;
    QStackedWidget* m_pages = nullptr;
    QComboBox* m_themeCombo = nullptr;
    QComboBox* m_weekStartCombo = nullptr;
    QComboBox* m_languageCombo = nullptr;
    QCheckBox* m_twoLineCheck = nullptr;
    QCheckBox* m_newestFirstCheck = nullptr;
    QLabel* m_syncStatusLabel = nullptr;
    QLabel* m_lastSyncLabel = nullptr;
    QWidget* m_syncButtons = nullptr;
    QPushButton* m_syncNowButton = nullptr;
    QPushButton* m_forceSyncButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_importButton = nullptr;
    SettingsCard* m_deletedAccountsCard = nullptr;
    QListWidget* m_deletedAccountsList = nullptr;
    QPushButton* m_restoreButton = nullptr;
};
