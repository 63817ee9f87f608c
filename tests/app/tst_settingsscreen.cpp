#include "app/language.h"
#include "app/settingsscreen.h"
#include "bookkeeping/accountservice.h"
#include "services/backup/backupservice.h"
#include "storage/preferencesrepository.h"
#include "storage/storedtime.h"
#include "support/dialogtesting.h"
#include "support/modalanswer.h"
#include "support/storagetesting.h"
#include "support/testworld.h"
#include "widgets/firstdayofweek.h"
#include "widgets/palette.h"
#include "widgets/settingscard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace testworld;

namespace {

QString stored(TestWorld& world, const QString& key)
{
    return world.appState.preferences()->get(key, QString());
}

QString payeeOf(TestWorld& world, const QString& transactionId)
{
    return scalar(world.appState.database(), u"SELECT payee FROM transactions WHERE id = ?"_s, {transactionId}).toString();
}

bool isLive(TestWorld& world, const QString& table, const QString& id)
{
    return scalar(world.appState.database(), u"SELECT deleted_at IS NULL FROM %1 WHERE id = ?"_s.arg(table), {id}).toBool();
}

// Runs `answer` on the next modal dialog of type Dialog once it is shown;
// the dialog before it may still be closing.
template<typename Dialog>
void whenShown(const std::function<void(Dialog*)>& answer, int attemptsLeft = 500)
{
    QTimer::singleShot(10, [answer, attemptsLeft] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget()))
            answer(dialog);
        else if (attemptsLeft > 0)
            whenShown<Dialog>(answer, attemptsLeft - 1);
    });
}

// Picks the import mode by the text the user reads for `mode`.
void chooseModeWhenAsked(BackupService::RestoreMode mode, QStringList* offered, const std::function<void()>& next)
{
    whenShown<QInputDialog>([=](QInputDialog* input) {
        *offered = input->comboBoxItems();
        for (const auto& choice : BackupService::modeChoices()) {
            if (choice.second == mode)
                input->setTextValue(choice.first);
        }
        next();
        input->done(QDialog::Accepted);
    });
}

struct Shown
{
    QString title;
    QString text;
};

void exportThroughScreen(SettingsScreen& screen, const QString& path, Shown* result)
{
    ModalAnswer::pressWhenShown(QMessageBox::Ok, &result->text, &result->title);
    screen.exportBackupTo(path);
}

void importThroughScreen(SettingsScreen& screen, const QString& path, BackupService::RestoreMode mode, Shown* result,
    QStringList* offered)
{
    chooseModeWhenAsked(mode, offered, [result] { ModalAnswer::pressWhenShown(QMessageBox::Ok, &result->text, &result->title); });
    screen.importBackupFrom(path);
}

} // namespace

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void showsStoredValues_data();
    void showsStoredValues();
    void choicesAreStoredAndApplied();
    void languageChangeTakesEffectAtNextStart();
    void restoresDeletedAccountWithItsRows();
    void restoreRefusedWhileTheNameIsTaken();
    void restoresBackupInTheChosenMode_data();
    void restoresBackupInTheChosenMode();
    void failuresAreReportedAndButtonsComeBack();
};

void TestSettingsScreen::init()
{
    QSettings().remove(u"ui/language"_s);
    setFirstDayOfWeek(QLocale::system().firstDayOfWeek());
}

void TestSettingsScreen::showsStoredValues_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("weekStart");
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("dark, Monday, German")
        << u"dark"_s << u"1"_s << u"de"_s << true << QStringList{u"Dark"_s, u"Monday"_s, u"Deutsch"_s};
    QTest::newRow("light, Saturday, system")
        << u"light"_s << u"6"_s << QString() << false << QStringList{u"Light"_s, u"Saturday"_s, u"System Default"_s};
    // A day the list does not offer shows no choice, and the stored day stays.
    QTest::newRow("Tuesday is no choice")
        << u"system"_s << u"2"_s << u"ja"_s << false << QStringList{u"System Default"_s, QString(), u"日本語"_s};
}

void TestSettingsScreen::showsStoredValues()
{
    QFETCH(QString, theme);
    QFETCH(QString, weekStart);
    QFETCH(QString, language);
    QFETCH(bool, twoLine);
    QFETCH(QStringList, shown);
    TestWorld world;
    PreferencesRepository* preferences = world.appState.preferences();
    QVERIFY(preferences->set(u"theme"_s, theme));
    QVERIFY(preferences->set(u"weekStartDay"_s, weekStart));
    QVERIFY(preferences->setBool(u"registerTwoLine"_s, twoLine));
    if (!language.isEmpty())
        setLanguage(language);

    SettingsScreen screen(&world.appState);
    const QStringList combos{u"themeCombo"_s, u"weekStartCombo"_s, u"languageCombo"_s};
    for (int i = 0; i < combos.size(); ++i)
        QCOMPARE(screen.findChild<QComboBox*>(combos[i])->currentText(), shown[i]);
    QCOMPARE(child<QCheckBox>(&screen, "twoLineCheck")->isChecked(), twoLine);
    QVERIFY(!child<QCheckBox>(&screen, "newestFirstCheck")->isChecked());
    // Showing the stored values writes nothing back.
    QCOMPARE(stored(world, u"weekStartDay"_s), weekStart);
    QCOMPARE(stored(world, u"theme"_s), theme);
    QCOMPARE(resolveLanguage(false), language.isEmpty() ? u"system"_s : language);
}

void TestSettingsScreen::choicesAreStoredAndApplied()
{
    TestWorld world;
    SettingsScreen screen(&world.appState);
    showActive(&screen);

    chooseByTyping(child<QComboBox>(&screen, "themeCombo"), u"Dark"_s);
    QCOMPARE(stored(world, u"theme"_s), u"dark"_s);
    QVERIFY(Palette::isDark());
    child<QComboBox>(&screen, "themeCombo")->setCurrentIndex(child<QComboBox>(&screen, "themeCombo")->findData(u"light"_s));
    QVERIFY(!Palette::isDark());

    QComboBox* weekStart = child<QComboBox>(&screen, "weekStartCombo");
    for (const auto& [name, day] : {std::pair{u"Saturday"_s, Qt::Saturday}, std::pair{u"Monday"_s, Qt::Monday}}) {
        weekStart->setCurrentIndex(weekStart->findText(name));
        QCOMPARE(stored(world, u"weekStartDay"_s), QString::number(day));
        QCOMPARE(firstDayOfWeek(), day);
    }

    screen.findChild<QListWidget*>(u"settingsNavigation"_s)->setCurrentRow(SettingsScreen::RegisterPage);
    for (const char* name : {"twoLineCheck", "newestFirstCheck"})
        toggleByKeyboard(child<QCheckBox>(&screen, name));
    QVERIFY(world.appState.preferences()->getBool(u"registerTwoLine"_s, false));
    QVERIFY(world.appState.preferences()->getBool(u"registerNewestFirst"_s, false));
}

void TestSettingsScreen::languageChangeTakesEffectAtNextStart()
{
    TestWorld world;
    setLanguage(u"fr"_s);
    SettingsScreen screen(&world.appState);
    QComboBox* language = child<QComboBox>(&screen, "languageCombo");

    // Choosing the language already stored says nothing.
    bool asked = false;
    QTimer::singleShot(0, [&asked] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            asked = true;
            box->close();
        }
    });
    screen.onLanguageChanged(language->findData(u"fr"_s));
    QCoreApplication::processEvents();
    QVERIFY(!asked);

    Shown shown;
    ModalAnswer::pressWhenShown(QMessageBox::Ok, &shown.text, &shown.title);
    language->setCurrentIndex(language->findData(u"de"_s));
    QCOMPARE(shown.title, u"Language Changed"_s);
    QCOMPARE(resolveLanguage(false), u"de"_s);
}

void TestSettingsScreen::restoresDeletedAccountWithItsRows()
{
    TestWorld world;
    const Account checking = world.addAccount(u"Checking"_s);
    const Transaction deletedBefore = world.addTransaction(checking.id, QDate(2024, 5, 1), u"Deleted on its own"_s, -100);
    const Transaction deletedWith = world.addTransaction(checking.id, QDate(2024, 5, 2), u"Market"_s, -2500);
    Clock::setFixedNow(TestWorld::now().addSecs(-60));
    QVERIFY(world.appState.transactions()->softDelete(deletedBefore.id));
    Clock::setFixedNow(TestWorld::now());
    SettingsScreen screen(&world.appState);
    QVERIFY(child<SettingsCard>(&screen, "deletedAccountsCard")->isHidden());

    QVERIFY(world.appState.accountService()->remove(checking.id).ok());
    screen.refresh();
    QListWidget* list = child<QListWidget>(&screen, "deletedAccountsList");
    QPushButton* restore = child<QPushButton>(&screen, "restoreAccountButton");
    QVERIFY(!child<SettingsCard>(&screen, "deletedAccountsCard")->isHidden());
    QCOMPARE(list->count(), 1);
    QVERIFY(!restore->isEnabled());
    list->setCurrentRow(0);
    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    restore->click();

    QCOMPARE(restored.count(), 1);
    QVERIFY(isLive(world, u"accounts"_s, checking.id));
    QVERIFY(isLive(world, u"transactions"_s, deletedWith.id));
    QVERIFY(!isLive(world, u"transactions"_s, deletedBefore.id));
    QCOMPARE(list->count(), 0);
    QVERIFY(child<SettingsCard>(&screen, "deletedAccountsCard")->isHidden());
}

void TestSettingsScreen::restoreRefusedWhileTheNameIsTaken()
{
    TestWorld world;
    const Account old = world.addAccount(u"Savings"_s);
    QVERIFY(world.appState.accountService()->remove(old.id).ok());
    world.addAccount(u"savings"_s);
    SettingsScreen screen(&world.appState);
    child<QListWidget>(&screen, "deletedAccountsList")->setCurrentRow(0);
    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);

    Shown shown;
    ModalAnswer::pressWhenShown(QMessageBox::Ok, &shown.text, &shown.title);
    child<QPushButton>(&screen, "restoreAccountButton")->click();
    QCOMPARE(shown.title, u"Restore Failed"_s);
    QVERIFY(shown.text.contains(u"Savings"_s));
    QVERIFY(!isLive(world, u"accounts"_s, old.id));
    QCOMPARE(restored.count(), 0);
}

void TestSettingsScreen::restoresBackupInTheChosenMode_data()
{
    QTest::addColumn<BackupService::RestoreMode>("mode");
    QTest::addColumn<QStringList>("payees");

    // The first row was changed before the backup's copy (the backup is
    // newer), the second after it (the register is newer).
    QTest::newRow("replace all") << BackupService::RestoreMode::ReplaceAll << QStringList{u"Market"_s, u"Bakery"_s};
    QTest::newRow("keep newer") << BackupService::RestoreMode::KeepNewer << QStringList{u"Market"_s, u"Bakery changed"_s};
    QTest::newRow("skip existing") << BackupService::RestoreMode::SkipExisting
                                   << QStringList{u"Market changed"_s, u"Bakery changed"_s};
}

void TestSettingsScreen::restoresBackupInTheChosenMode()
{
    QFETCH(BackupService::RestoreMode, mode);
    QFETCH(QStringList, payees);
    TestWorld world;
    const Account checking = world.addAccount(u"Checking"_s);
    const Transaction market = world.addTransaction(checking.id, QDate(2024, 5, 2), u"Market"_s, -2500);
    const Transaction bakery = world.addTransaction(checking.id, QDate(2024, 5, 3), u"Bakery"_s, -800);
    SettingsScreen screen(&world.appState);
    QTemporaryDir directory;
    const QString path = directory.filePath(u"backup.zip"_s);
    Shown exported;
    exportThroughScreen(screen, path, &exported);
    QCOMPARE(exported.title, u"Backup Complete"_s);

    const auto change = [&](const Transaction& row, const QDateTime& at) {
        QVERIFY(execute(world.appState.database(), u"UPDATE transactions SET payee = ?, updated_at = ? WHERE id = ?"_s,
            {row.payee + u" changed"_s, timeToText(at), row.id}));
    };
    change(market, TestWorld::now().addDays(-30));
    change(bakery, TestWorld::now().addDays(1));

    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    Shown imported;
    QStringList offered;
    importThroughScreen(screen, path, mode, &imported, &offered);
    QCOMPARE(offered, (QStringList{u"Replace all with backup data"_s, u"Keep newer (compare timestamps)"_s,
                          u"Skip existing items"_s}));
    QCOMPARE(imported.title, u"Import Complete"_s);
    QCOMPARE(restored.count(), 1);
    QCOMPARE((QStringList{payeeOf(world, market.id), payeeOf(world, bakery.id)}), payees);
}

void TestSettingsScreen::failuresAreReportedAndButtonsComeBack()
{
    TestWorld world;
    world.addAccount(u"Checking"_s);
    SettingsScreen screen(&world.appState);
    QTemporaryDir directory;

    // A folder where the archive should go: it cannot be written there.
    const QString folder = directory.filePath(u"taken.zip"_s);
    QVERIFY(QDir().mkdir(folder));
    Shown exported;
    exportThroughScreen(screen, folder, &exported);
    QCOMPARE(exported.title, u"Backup Failed"_s);
    QVERIFY(exported.text.contains(folder));

    const QString notABackup = directory.filePath(u"notes.zip"_s);
    QFile file(notABackup);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("shopping list");
    file.close();
    Shown imported;
    QStringList offered;
    importThroughScreen(screen, notABackup, BackupService::RestoreMode::ReplaceAll, &imported, &offered);
    QCOMPARE(imported.title, u"Import Failed"_s);
    QVERIFY(imported.text.startsWith(u"Nothing was restored"_s));

    for (const auto& [name, text] : {std::pair{"exportBackupButton", u"Export Backup"_s}, std::pair{"importBackupButton", u"Import Backup"_s}}) {
        QPushButton* button = child<QPushButton>(&screen, name);
        QVERIFY(button->isEnabled());
        QCOMPARE(button->text(), text);
    }
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
