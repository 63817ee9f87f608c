#include "app/settingsscreen.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/abouttext.h"
#include "app/appstate.h"
#include "app/language.h"
#include "app/thememanager.h"
#include "bookkeeping/accountservice.h"
#include "services/backup/backupservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "sync/syncengine.h"
#include "widgets/blockingprogressdialog.h"
#include "widgets/firstdayofweek.h"
#include "widgets/glyphicon.h"
#include "widgets/palette.h"
#include "widgets/settingscard.h"

#include <QCheckBox>
#include <QDebug>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
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
#include <QVBoxLayout>

#include <memory>

namespace {

const QString themeKey = QStringLiteral("theme");
const QString weekStartKey = QStringLiteral("weekStartDay");
const QString twoLineKey = QStringLiteral("registerTwoLine");
const QString newestFirstKey = QStringLiteral("registerNewestFirst");

constexpr int navigationWidth = 180;
constexpr int navigationIconSize = 20;
// Of the restore's error lines, the message shows this many; a long list
// from a damaged archive would not fit on the screen.
constexpr int shownErrorLines = 5;

struct Section
{
    char16_t glyph;
    const char* title;
};

// The navigation's rows, in the order of the pages.
constexpr Section sections[] = {
    {0xE8B8, QT_TRANSLATE_NOOP("SettingsScreen", "General")},
    {0xE8EF, QT_TRANSLATE_NOOP("SettingsScreen", "Register")},
    {0xE627, QT_TRANSLATE_NOOP("SettingsScreen", "Data & Sync")},
    {0xE88E, QT_TRANSLATE_NOOP("SettingsScreen", "About")},
};

// A page: its cards in a column from the top, scrolling when the window is
// too short for them.
QWidget* pageOf(const QList<QWidget*>& cards)
{
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(16);
    for (QWidget* card : cards)
        column->addWidget(card);
    column->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Long texts wrap to the window's width instead of running off it.
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(content);
    return scroll;
}

void selectData(QComboBox* combo, const QVariant& data)
{
    combo->setCurrentIndex(combo->findData(data));
}

QString restoreFailureText(const QStringList& errors)
{
    QStringList lines = errors.mid(0, shownErrorLines);
    if (errors.size() > shownErrorLines)
        lines << SettingsScreen::tr("…and %n more.", nullptr, int(errors.size() - shownErrorLines));
    return SettingsScreen::tr("Nothing was restored; your data is as it was.") + QStringLiteral("\n\n")
        + lines.join(QLatin1Char('\n'));
}

QColor syncStateColor(SyncState state)
{
    switch (state) {
    case SyncState::Syncing:
        return Palette::primaryButton();
    case SyncState::Error:
        return Palette::negative();
    case SyncState::Offline:
        return Palette::warning();
    case SyncState::Idle:
        break;
    }
    return Palette::positive();
}

} // namespace

SettingsScreen::SettingsScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    buildNavigation();
    m_pages = new QStackedWidget;
    m_pages->setObjectName(QStringLiteral("settingsPages"));
    m_pages->addWidget(buildGeneralPage());
    m_pages->addWidget(buildRegisterPage());
    m_pages->addWidget(buildDataPage());
    m_pages->addWidget(buildAboutPage());
    connect(m_navigation, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_navigation->setCurrentRow(GeneralPage);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_navigation);
    layout->addWidget(m_pages, 1);

    showStoredValues();
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    connect(m_state->themeManager(), &ThemeManager::themeChanged, this, &SettingsScreen::restyleNavigation);
    // The state's colour depends on the theme.
    connect(m_state->themeManager(), &ThemeManager::themeChanged, this, &SettingsScreen::refreshSync);
    refresh();
}

void SettingsScreen::refresh()
{
    refreshDeletedAccounts();
    refreshSync();
}

void SettingsScreen::onThemeChanged(int index)
{
    if (index >= 0)
        m_state->themeManager()->setTheme(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    if (index < 0)
        return;
    const int day = m_weekStartCombo->itemData(index).toInt();
    if (!m_state->preferences()->setInt(weekStartKey, day))
        reportUnsavedSetting();
    setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(day));
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString language = index >= 0 ? m_languageCombo->itemData(index).toString() : QString();
    if (language.isEmpty() || language == resolveLanguage(false))
        return;
    setLanguage(language);
    QMessageBox::information(this, tr("Language Changed"),
        tr("The new language will take effect the next time you start Kestrelwood Checkbook."));
}

void SettingsScreen::exportBackup()
{
    QFileDialog dialog(this, tr("Export Backup"), BackupService::proposedFileName(), tr("ZIP Files (*.zip)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("zip"));
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        exportBackupTo(dialog.selectedFiles().constFirst());
}

void SettingsScreen::exportBackupTo(const QString& path)
{
    ExportResult result;
    runBackupWork(m_exportButton, tr("Exporting..."), [&] { result = m_state->backupService()->exportTo(path); });
    if (result.succeeded())
        QMessageBox::information(this, result.title(), result.message());
    else
        QMessageBox::warning(this, result.title(), result.message());
}

void SettingsScreen::importBackup()
{
    QFileDialog dialog(this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        importBackupFrom(dialog.selectedFiles().constFirst());
}

void SettingsScreen::importBackupFrom(const QString& path)
{
    const QList<std::pair<QString, BackupService::RestoreMode>> choices = BackupService::modeChoices();
    QInputDialog modeDialog(this);
    modeDialog.setWindowTitle(tr("Import Mode"));
    modeDialog.setLabelText(tr("How should existing data be handled?"));
    QStringList texts;
    for (const auto& choice : choices)
        texts << choice.first;
    modeDialog.setComboBoxItems(texts);
    modeDialog.setComboBoxEditable(false);
    if (modeDialog.exec() != QDialog::Accepted)
        return;
    // The mode the chosen text names: the list's order is not the modes'.
    const BackupService::RestoreMode mode = choices.value(int(texts.indexOf(modeDialog.textValue()))).second;

    RestoreResult result;
    runBackupWork(m_importButton, tr("Importing..."), [&] { result = m_state->backupService()->restoreFrom(path, mode); });
    if (!result.succeeded()) {
        QMessageBox::warning(this, result.title(), restoreFailureText(result.errors()));
        return;
    }
    QMessageBox::information(this, result.title(), result.summary());
    refreshDeletedAccounts();
    Q_EMIT deletedAccountRestored();
}

void SettingsScreen::runBackupWork(QPushButton* button, const QString& busyText, const std::function<void()>& work)
{
    BackupService* service = m_state->backupService();
    const QString idleText = button->text();
    button->setEnabled(false);
    button->setText(busyText);
    {
        BlockingProgressDialog progress(busyText, this);
        connect(service, &BackupService::progressed, &progress, &BlockingProgressDialog::setProgress);
        connect(&progress, &QProgressDialog::canceled, service, &BackupService::cancel);
        work();
    }
    button->setText(idleText);
    button->setEnabled(true);
}

void SettingsScreen::restoreSelectedAccount()
{
    const QListWidgetItem* item = m_deletedAccountsList->currentItem();
    if (!item)
        return;
    const WriteOutcome outcome = m_state->accountService()->restore(item->data(Qt::UserRole).toString());
    if (!outcome.ok())
        QMessageBox::warning(this, tr("Restore Failed"), outcome.message);
    refreshDeletedAccounts();
    if (outcome.ok())
        Q_EMIT deletedAccountRestored();
}

void SettingsScreen::buildNavigation()
{
    m_navigation = new QListWidget;
    m_navigation->setObjectName(QStringLiteral("settingsNavigation"));
    m_navigation->setFixedWidth(navigationWidth);
    m_navigation->setIconSize(QSize(navigationIconSize, navigationIconSize));
    // A longer translation of a section's name wraps onto a second line.
    m_navigation->setWordWrap(true);
    m_navigation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const Section& section : sections)
        m_navigation->addItem(tr(section.title));
    restyleNavigation();
}

void SettingsScreen::restyleNavigation()
{
    m_navigation->setStyleSheet(
        QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                       "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: 6px;}"
                       "QListWidget::item:hover {  background: %3;}"
                       "QListWidget::item:selected {  background: %4;  color: %5;}"
                       // The chosen row is marked by its colour; a focus
                       // frame drawn inside it would read as a second box.
                       "QListWidget {  outline: none;}")
            .arg(Palette::styleName(Palette::navigationBackground()), Palette::styleName(Palette::navigationText()),
                Palette::styleName(Palette::navigationHover()), Palette::styleName(Palette::navigationSelection()),
                Palette::styleName(Palette::navigationSelectedText())));
    for (int row = 0; row < m_navigation->count(); ++row) {
        const char16_t glyph = sections[row].glyph;
        QIcon icon(GlyphIcon::pixmap(glyph, navigationIconSize, Palette::navigationIcon()));
        // On the chosen row's fill the glyph takes the row's text colour.
        icon.addPixmap(GlyphIcon::pixmap(glyph, navigationIconSize, Palette::navigationSelectedText()), QIcon::Selected);
        m_navigation->item(row)->setIcon(icon);
    }
}

QWidget* SettingsScreen::buildGeneralPage()
{
    auto* appearance = new SettingsCard(tr("Appearance"), tr("Control how Kestrelwood Checkbook looks."));
    m_themeCombo = new QComboBox;
    m_themeCombo->setObjectName(QStringLiteral("themeCombo"));
    m_themeCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_themeCombo->addItem(tr("Light"), QStringLiteral("light"));
    m_themeCombo->addItem(tr("Dark"), QStringLiteral("dark"));
    auto* appearanceForm = new QFormLayout;
    appearanceForm->addRow(tr("Theme"), m_themeCombo);
    appearance->body()->addLayout(appearanceForm);

    auto* regional = new SettingsCard(tr("Regional"), tr("Date and calendar preferences."));
    m_weekStartCombo = new QComboBox;
    m_weekStartCombo->setObjectName(QStringLiteral("weekStartCombo"));
    m_weekStartCombo->addItem(tr("Sunday"), int(Qt::Sunday));
    m_weekStartCombo->addItem(tr("Monday"), int(Qt::Monday));
    m_weekStartCombo->addItem(tr("Saturday"), int(Qt::Saturday));
    m_languageCombo = new QComboBox;
    m_languageCombo->setObjectName(QStringLiteral("languageCombo"));
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    // Each language by its own name, so a reader finds theirs whatever the
    // program speaks now.
    m_languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageCombo->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languageCombo->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languageCombo->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    auto* regionalForm = new QFormLayout;
    regionalForm->addRow(tr("Week starts on"), m_weekStartCombo);
    regionalForm->addRow(tr("Language"), m_languageCombo);
    regional->body()->addLayout(regionalForm);
    return pageOf({appearance, regional});
}

QWidget* SettingsScreen::buildRegisterPage()
{
    auto* display = new SettingsCard(tr("Display"), tr("How transactions appear in the register."));
    m_twoLineCheck = registerOption(display, tr("Two-line rows"), tr("Show memo on a second line below the payee."), twoLineKey);
    m_twoLineCheck->setObjectName(QStringLiteral("twoLineCheck"));
    auto* sorting = new SettingsCard(tr("Sorting"), tr("Control the order of transactions in the register."));
    m_newestFirstCheck = registerOption(sorting, tr("Show newest transactions first"),
        tr("When enabled, the most recent transactions appear at the top."), newestFirstKey);
    m_newestFirstCheck->setObjectName(QStringLiteral("newestFirstCheck"));
    return pageOf({display, sorting});
}

QCheckBox* SettingsScreen::registerOption(SettingsCard* card, const QString& text, const QString& hint, const QString& key)
{
    auto* check = new QCheckBox(text);
    card->body()->addWidget(check);
    card->body()->addWidget(SettingsCard::hintLabel(hint));
    connect(check, &QCheckBox::toggled, this, [this, key](bool checked) { storeRegisterOption(key, checked); });
    return check;
}

void SettingsScreen::storeRegisterOption(const QString& key, bool checked)
{
    if (!m_state->preferences()->setBool(key, checked))
        reportUnsavedSetting();
}

void SettingsScreen::reportUnsavedSetting()
{
    QMessageBox::warning(this, tr("Preferences"),
        tr("The setting could not be saved. It applies until the program closes, and the data file may be full "
           "or read-only."));
}

QWidget* SettingsScreen::buildDataPage()
{
    return pageOf({buildSyncCard(), buildBackupCard(), buildDeletedAccountsCard()});
}

SettingsCard* SettingsScreen::buildSyncCard()
{
    auto* card = new SettingsCard(tr("Sync"), tr("Keep your checkbook in sync across all your devices."));
    m_syncStatusLabel = new QLabel;
    m_syncStatusLabel->setObjectName(QStringLiteral("syncStatusLabel"));
    m_syncStatusLabel->setWordWrap(true);
    m_lastSyncLabel = new QLabel;
    m_lastSyncLabel->setObjectName(QStringLiteral("lastSyncLabel"));
    m_lastSyncLabel->setWordWrap(true);
    m_syncNowButton = new QPushButton(tr("Sync Now"));
    m_syncNowButton->setObjectName(QStringLiteral("syncNowButton"));
    m_forceSyncButton = new QPushButton(tr("Force Full Sync"));
    m_forceSyncButton->setObjectName(QStringLiteral("forceFullSyncButton"));
    connect(m_syncNowButton, &QPushButton::clicked, this, &SettingsScreen::syncNow);
    connect(m_forceSyncButton, &QPushButton::clicked, this, &SettingsScreen::forceFullSync);
    m_syncButtons = SettingsCard::buttonColumn({m_syncNowButton, m_forceSyncButton});
    m_syncButtons->setObjectName(QStringLiteral("syncButtons"));
    card->body()->addWidget(m_syncStatusLabel);
    card->body()->addWidget(m_lastSyncLabel);
    card->body()->addWidget(m_syncButtons);
    return card;
}

SettingsCard* SettingsScreen::buildBackupCard()
{
    auto* card = new SettingsCard(tr("Backup & Restore"), tr("Save or restore your data to a portable backup file."));
    m_exportButton = new QPushButton(tr("Export Backup"));
    m_exportButton->setObjectName(QStringLiteral("exportBackupButton"));
    m_importButton = new QPushButton(tr("Import Backup"));
    m_importButton->setObjectName(QStringLiteral("importBackupButton"));
    connect(m_exportButton, &QPushButton::clicked, this, &SettingsScreen::exportBackup);
    connect(m_importButton, &QPushButton::clicked, this, &SettingsScreen::importBackup);
    card->body()->addWidget(SettingsCard::buttonColumn({m_exportButton, m_importButton}));
    return card;
}

SettingsCard* SettingsScreen::buildDeletedAccountsCard()
{
    m_deletedAccountsCard = new SettingsCard(tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here."));
    m_deletedAccountsCard->setObjectName(QStringLiteral("deletedAccountsCard"));
    m_deletedAccountsList = new QListWidget;
    m_deletedAccountsList->setObjectName(QStringLiteral("deletedAccountsList"));
    m_deletedAccountsList->setMaximumHeight(100);
    m_restoreButton = new QPushButton(tr("Restore Selected"));
    m_restoreButton->setObjectName(QStringLiteral("restoreAccountButton"));
    connect(m_deletedAccountsList, &QListWidget::currentRowChanged, this,
        [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);
    m_deletedAccountsCard->body()->addWidget(m_deletedAccountsList);
    m_deletedAccountsCard->body()->addWidget(SettingsCard::buttonColumn({m_restoreButton}));
    return m_deletedAccountsCard;
}

QWidget* SettingsScreen::buildAboutPage()
{
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(8);
    auto* title = new QLabel(tr("Kestrelwood Checkbook"));
    title->setFont(Palette::adjustedFont(6, QFont::DemiBold));
    auto* version = new QLabel(AboutText::version());
    version->setStyleSheet(Palette::textColorStyle(Palette::muted()));
    auto* description = new QLabel(AboutText::description());
    description->setWordWrap(true);
    auto* linksHeading = new QLabel(tr("Links"));
    linksHeading->setFont(Palette::adjustedFont(1, QFont::DemiBold));
    const QString linkStyle = Palette::styleName(Palette::link());
    const auto link = [&linkStyle](const QString& url, const QString& text) {
        return QStringLiteral("<a style=\"color: %1;\" href=\"%2\">%3</a>").arg(linkStyle, url, text.toHtmlEscaped());
    };
    auto* links = new QLabel(QStringList{link(QStringLiteral("https://kestrelwood.app/"), tr("Website")),
        link(QStringLiteral("https://kestrelwood.app/help/"), tr("Help and user guide")),
        link(QStringLiteral("https://kestrelwood.app/privacy/"), tr("Privacy policy"))}
                                 .join(QStringLiteral("<br>")));
    auto* qtNotice = new QLabel(AboutText::qtNoticeHtml());
    qtNotice->setWordWrap(true);
    qtNotice->setFont(Palette::smallFont());
    for (QLabel* label : {links, qtNotice}) {
        label->setTextFormat(Qt::RichText);
        label->setOpenExternalLinks(true);
    }
    column->addWidget(title);
    column->addWidget(version);
    column->addSpacing(8);
    column->addWidget(description);
    column->addSpacing(12);
    column->addWidget(linksHeading);
    column->addWidget(links);
    column->addSpacing(12);
    column->addWidget(qtNotice);
    column->addStretch();
    return content;
}

void SettingsScreen::showStoredValues()
{
    PreferencesRepository* preferences = m_state->preferences();
    selectData(m_themeCombo, preferences->get(themeKey, QStringLiteral("system")));
    bool isNumber = false;
    const int storedDay = preferences->get(weekStartKey, QString()).toInt(&isNumber);
    selectData(m_weekStartCombo, isNumber ? storedDay : int(QLocale::system().firstDayOfWeek()));
    selectData(m_languageCombo, resolveLanguage(false));
    const QSignalBlocker twoLineQuiet(m_twoLineCheck);
    const QSignalBlocker newestFirstQuiet(m_newestFirstCheck);
    m_twoLineCheck->setChecked(preferences->getBool(twoLineKey, false));
    m_newestFirstCheck->setChecked(preferences->getBool(newestFirstKey, false));
}

void SettingsScreen::refreshDeletedAccounts()
{
    m_deletedAccountsList->clear();
    m_restoreButton->setEnabled(false);
    const QList<Account> deleted = m_state->accounts()->deleted();
    for (const Account& account : deleted) {
        auto* item = new QListWidgetItem(account.name, m_deletedAccountsList);
        item->setData(Qt::UserRole, account.id);
    }
    m_deletedAccountsCard->setVisible(!deleted.isEmpty());
}

void SettingsScreen::refreshSync()
{
    KestAccount::AuthClient* auth = m_state->accountClient()->authClient();
    if (!auth->isAuthenticated()) {
        showSignedOut();
        return;
    }
    const KestAccount::User user = auth->cachedUser();
    if (user.displayName.isEmpty() && user.email.isEmpty()) {
        QPointer<SettingsScreen> self(this);
        auth->fetchCurrentUser([self](const KestAccount::User& fetched) {
            if (self && !(fetched.displayName.isEmpty() && fetched.email.isEmpty()))
                self->refreshSync();
        });
    }
    SyncEngine* engine = m_state->syncEngine();
    // Books of another user wait for the choice asked in the main window.
    const bool paused = engine->localDataBelongsToAnotherUser();
    m_syncStatusLabel->setText(tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
                                   .arg((user.displayName.isEmpty() ? user.email : user.displayName).toHtmlEscaped(),
                                       paused ? Palette::warning().name() : syncStateColor(engine->state()).name(),
                                       paused ? tr("Sync paused") : SyncEngine::stateText(engine->state())));
    m_lastSyncLabel->setText(lastSyncText());
    m_lastSyncLabel->show();
    m_syncButtons->show();
}

QString SettingsScreen::lastSyncText()
{
    const QString stamp = m_state->preferences()->get(SyncEngine::lastSyncedAtKey, QString());
    const QDateTime time = QDateTime::fromString(stamp, Qt::ISODate);
    QString text;
    if (stamp.isEmpty())
        text = tr("Never synced");
    else
        text = tr("Last synced: %1").arg(time.isValid() ? QLocale().toString(time.toLocalTime(), QStringLiteral("MMM d, h:mm ap")) : stamp);
    const SyncEngine* engine = m_state->syncEngine();
    if (engine->state() == SyncState::Error && !engine->lastError().isEmpty())
        text += tr("\nError: %1").arg(engine->lastError());
    return text;
}

void SettingsScreen::syncNow()
{
    m_state->syncEngine()->sync();
    waitForSync({m_syncNowButton});
}

void SettingsScreen::forceFullSync()
{
    if (QMessageBox::question(this, tr("Force Full Sync"),
            tr("This will re-upload every local row to the server and re-download all server data. Use this if data "
               "appears out of sync between devices.\n\nContinue?"),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        != QMessageBox::Yes)
        return;
    const int accounts = m_state->accounts()->markAllPendingForResync();
    const int categories = m_state->categories()->markAllPendingForResync();
    const int transactions = m_state->transactions()->markAllPendingForResync();
    const int recurrings = m_state->recurring()->markAllPendingForResync();
    const int reconciliations = m_state->reconciliations()->markAllPendingForResync();
    qInfo() << "Force Full Sync: marked pending —" << "accounts:" << accounts << "categories:" << categories
            << "transactions:" << transactions << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    if (!m_state->preferences()->remove(SyncEngine::cursorKey))
        reportUnsavedSetting();
    m_state->syncEngine()->sync();
    waitForSync({m_syncNowButton, m_forceSyncButton});
}

void SettingsScreen::waitForSync(const QList<QPushButton*>& buttons)
{
    SyncEngine* engine = m_state->syncEngine();
    // Held back (nobody signed in, or books of another user): nothing to wait for.
    if (engine->state() != SyncState::Syncing) {
        refreshSync();
        return;
    }
    for (QPushButton* button : buttons)
        button->setEnabled(false);
    m_syncNowButton->setText(tr("Syncing..."));
    refreshSync();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(engine, &SyncEngine::stateChanged, this, [this, buttons, connection](SyncState state) {
        if (state == SyncState::Syncing)
            return;
        disconnect(*connection);
        for (QPushButton* button : buttons)
            button->setEnabled(true);
        m_syncNowButton->setText(tr("Sync Now"));
        refresh();
    });
}

void SettingsScreen::showSignedOut()
{
    m_syncStatusLabel->setText(tr("Not signed in.\nSign in via File › Sign In to enable sync."));
    m_lastSyncLabel->hide();
    m_syncButtons->hide();
}
