#include "app/appstate.h"
#include "services/recurring/recurringformdialog.h"
#include "services/recurring/recurringservice.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "support/dialogtesting.h"
#include "support/storagetesting.h"
#include "support/testworld.h"
#include "widgets/datefield.h"
#include "widgets/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QDateTime fixedNow = TestWorld::now();

struct RecurringForm
{
    QDialog* dialog;
    QComboBox* account = child<QComboBox>(dialog, "accountCombo");
    QRadioButton* deposit = child<QRadioButton>(dialog, "depositRadio");
    QLineEdit* payee = child<QLineEdit>(dialog, "payeeField");
    SmartAmountField* amount = child<SmartAmountField>(dialog, "amountField");
    QComboBox* frequency = child<QComboBox>(dialog, "frequencyCombo");
    DateField* startDate = child<DateField>(dialog, "startDateField");
    QCheckBox* hasEndDate = child<QCheckBox>(dialog, "hasEndDateCheck");
    DateField* endDate = child<DateField>(dialog, "endDateField");
    QLabel* dueNote = child<QLabel>(dialog, "dueNote");
    QCheckBox* autoPost = child<QCheckBox>(dialog, "autoPostCheck");
    QCheckBox* active = child<QCheckBox>(dialog, "activeCheck");
    QPushButton* ok = okButton(dialog);
};

// A rule as the register builds it from a payment stored on 1 March.
RecurringTransaction seedFromRow(const QString& accountId)
{
    RecurringTransaction seed;
    seed.accountId = accountId;
    seed.payee = QStringLiteral("Landlord");
    seed.memo = QStringLiteral("flat 4");
    seed.amount = -120050;
    seed.startDate = seed.nextDueDate = QDate(2024, 3, 1);
    return seed;
}

} // namespace

class RecurringFormDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }
    void memorizesEditedRule_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("typedAmount");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<qint64>("amount");

        QTest::newRow("dollars") << int(Currency::USD) << "1250" << "$ " << 2 << qint64(125000);
        QTest::newRow("yen have no cents") << int(Currency::JPY) << "1800" << QStringLiteral("¥ ") << 0 << qint64(1800);
    }
    void memorizesEditedRule()
    {
        QFETCH(int, currency);
        QFETCH(QString, typedAmount);
        QFETCH(QString, symbol);
        QFETCH(int, decimals);
        QFETCH(qint64, amount);

        const QString accountId = m_world->addAccount(QStringLiteral("Checking"), Currency(currency)).id;
        RecurringFormDialog dialog(&m_world->appState, RecurringFormDialog::Mode::Memorize, seedFromRow(accountId));
        showAndWait(&dialog);
        const RecurringForm form{&dialog};
        typeInto(form.payee, QStringLiteral(" Landlord Ltd "));
        QTest::mouseClick(form.deposit, Qt::LeftButton);
        typeInto(form.amount, typedAmount);
        QCOMPARE(form.amount->prefix(), symbol);
        QCOMPARE(form.amount->decimals(), decimals);
        form.frequency->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.frequency, Qt::Key_Up); // from Monthly to every two weeks
        typeInto(form.startDate, QStringLiteral("3/29/24"));
        toggleByKeyboard(form.autoPost);
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        const RecurringTransaction rule = dialog.recurring();
        QCOMPARE(dialog.recurring().id, rule.id);
        QCOMPARE(QUuid(rule.id).version(), QUuid::Random);
        QCOMPARE(rule.accountId, accountId);
        QCOMPARE(rule.payee, QStringLiteral("Landlord Ltd"));
        QCOMPARE(rule.memo, QStringLiteral("flat 4"));
        QCOMPARE(rule.amount, amount);
        QCOMPARE(rule.frequency, Frequency::Biweekly);
        QCOMPARE(rule.startDate, QDate(2024, 3, 29));
        QCOMPARE(rule.nextDueDate, QDate(2024, 3, 29));
        QVERIFY(!rule.endDate);
        QVERIFY(rule.autoPost && rule.isActive);
        QCOMPARE(rule.createdAt, fixedNow);
        QCOMPARE(rule.updatedAt, fixedNow);
    }

    // The memorized row is the first occurrence: confirming the new rule
    // posts the next one, not a copy of the row.
    void memorizedRuleFirstPostsTheNextOccurrence()
    {
        const QString accountId = m_world->addAccount(QStringLiteral("Checking")).id;
        m_world->addTransaction(accountId, QDate(2024, 3, 1), QStringLiteral("Landlord"), -120050);
        RecurringFormDialog dialog(&m_world->appState, RecurringFormDialog::Mode::Memorize, seedFromRow(accountId));
        showAndWait(&dialog);
        const RecurringForm form{&dialog};
        QVERIFY(form.dueNote->text().contains(QStringLiteral("4/1/2024")));
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QVERIFY(m_world->appState.recurringService()->add(dialog.recurring()).ok());

        QVERIFY(m_world->appState.recurringService()->confirm(dialog.recurring()).ok());
        const QList<Transaction> rows = m_world->stored(accountId);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.first().date, QDate(2024, 4, 1));
        QCOMPARE(rows.first().id, recurringPostingId(dialog.recurring().id, QDate(2024, 4, 1)));
    }

    void editKeepsTheScheduleUnlessTheStartChanges_data()
    {
        QTest::addColumn<QString>("typedStart");
        QTest::addColumn<QDate>("nextDue");
        QTest::newRow("start untouched") << QString() << QDate(2024, 6, 15);
        QTest::newRow("new start") << "7/1/24" << QDate(2024, 7, 1);
    }
    void editKeepsTheScheduleUnlessTheStartChanges()
    {
        QFETCH(QString, typedStart);
        QFETCH(QDate, nextDue);
        RecurringTransaction stored = makeRecurring(newId(), QDate(2024, 6, 15), m_world->addAccount(QStringLiteral("Checking")).id);
        stored.startDate = QDate(2024, 1, 15);
        stored.endDate = QDate(2024, 12, 31);
        stored.autoPost = true;
        stored.isActive = false;
        stored.memo = QStringLiteral("kept");
        RecurringFormDialog dialog(&m_world->appState, RecurringFormDialog::Mode::Edit, stored);
        showAndWait(&dialog);
        const RecurringForm form{&dialog};
        QVERIFY(!form.account->isEnabled());
        if (!typedStart.isEmpty())
            typeInto(form.startDate, typedStart);
        QTest::mouseClick(form.ok, Qt::LeftButton);

        RecurringTransaction expected = stored;
        expected.startDate = typedStart.isEmpty() ? stored.startDate : nextDue;
        expected.nextDueDate = nextDue;
        expected.version = stored.version + 1;
        expected.updatedAt = fixedNow;
        QVERIFY(sameRecord(dialog.recurring(), expected));
    }

    // A rule that ends before it is next due would never post: the form
    // says so while the dates are typed and saves it inactive.
    void aRuleEndingBeforeItsStartIsSavedInactive()
    {
        m_world->addAccount(QStringLiteral("Checking"));
        RecurringFormDialog dialog(&m_world->appState);
        showAndWait(&dialog);
        const RecurringForm form{&dialog};
        typeInto(form.payee, QStringLiteral("Gym"));
        typeInto(form.amount, QStringLiteral("35"));
        typeInto(form.startDate, QStringLiteral("6/1/24"));
        toggleByKeyboard(form.hasEndDate);
        typeInto(form.endDate, QStringLiteral("5/25/24"));
        QVERIFY(form.dueNote->text().contains(QStringLiteral("never post")));
        QVERIFY(!form.active->isEnabled() && !form.active->isChecked());
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.recurring().isActive);

        typeInto(form.endDate, QStringLiteral("6/30/24"));
        QVERIFY(form.active->isEnabled() && form.active->isChecked());
        QVERIFY(dialog.recurring().isActive);
    }

private:
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(RecurringFormDialogTest)
#include "tst_recurringformdialog.moc"
