#include "app/appstate.h"
#include "widgets/datefield.h"
#include "widgets/smartamountfield.h"
#include "services/recurring/recurringformdialog.h"
#include "storage/accountrepository.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "support/dialogtesting.h"
#include "support/testworld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

const QDateTime fixedNow = TestWorld::now();

struct RecurringForm
{
    QDialog* dialog;
    QRadioButton* payment = child<QRadioButton>(dialog, "paymentRadio");
    QRadioButton* deposit = child<QRadioButton>(dialog, "depositRadio");
    QLineEdit* payee = child<QLineEdit>(dialog, "payeeField");
    SmartAmountField* amount = child<SmartAmountField>(dialog, "amountField");
    QComboBox* frequency = child<QComboBox>(dialog, "frequencyCombo");
    DateField* startDate = child<DateField>(dialog, "startDateField");
    QCheckBox* autoPost = child<QCheckBox>(dialog, "autoPostCheck");
    QPushButton* ok = okButton(dialog);
};

} // namespace

class RecurringFormDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
    }
    void cleanup()
    {
        m_world.reset();
    }
    void memorizesEditedRule()
    {
        const QString accountId = addAccount(Currency::USD);
        RecurringTransaction seed = seedFromRow(accountId, -120050);
        seed.categoryId = QStringLiteral("not-a-real-category");
        RecurringFormDialog dialog((&m_world->appState), seed);
        showAndWait(&dialog);
        const RecurringForm form{&dialog};

        typeInto(form.payee, QStringLiteral(" Landlord Ltd "));
        QTest::mouseClick(form.deposit, Qt::LeftButton);
        typeInto(form.amount, QStringLiteral("1250"));
        form.frequency->setFocus(Qt::TabFocusReason);
        QTest::keyClick(form.frequency, Qt::Key_Up); // from Monthly
        QCOMPARE(form.frequency->currentText(), QStringLiteral("Every 2 Weeks"));
        typeInto(form.startDate, QStringLiteral("3/29/24"));
        toggleByKeyboard(form.autoPost);
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));

        RecurringTransaction rule = dialog.recurring();
        QCOMPARE(dialog.recurring().id, rule.id);
        rule.categoryId.clear(); // the made-up category would fail the foreign key
        QVERIFY(m_world->appState.recurring()->insert(rule));
        const auto stored = m_world->appState.recurring()->byId(rule.id);
        QVERIFY(stored);
        QCOMPARE(QUuid(stored->id).version(), QUuid::Random);
        QCOMPARE(stored->accountId, accountId);
        QCOMPARE(stored->payee, QStringLiteral("Landlord Ltd"));
        QCOMPARE(stored->memo, QStringLiteral("flat 4"));
        QCOMPARE(stored->amount, qint64(125000));
        QCOMPARE(stored->frequency, Frequency::Biweekly);
        QCOMPARE(stored->startDate, QDate(2024, 3, 29));
        QCOMPARE(stored->nextDueDate, QDate(2024, 3, 29));
        QVERIFY(!stored->endDate);
        QVERIFY(stored->autoPost);
        QVERIFY(stored->isActive);
        QCOMPARE(stored->createdAt, fixedNow);
        QCOMPARE(stored->updatedAt, fixedNow);
    }
    void keepsIdentityOfStoredSeed()
    {
        RecurringTransaction seed = seedFromRow(addAccount(Currency::USD), -5000);
        seed.id = newId();
        seed.createdAt = fixedNow.addDays(-40);
        seed.syncStatus = SyncStatus::Synced;

        RecurringFormDialog dialog((&m_world->appState), seed);
        const RecurringTransaction rule = dialog.recurring();
        QCOMPARE(rule.id, seed.id);
        QCOMPARE(rule.createdAt, seed.createdAt);
        QCOMPARE(rule.updatedAt, fixedNow);
        QCOMPARE(rule.syncStatus, SyncStatus::Pending);
        QCOMPARE(rule.amount, qint64(-5000));
    }
    void handlesYenWithoutCents()
    {
        RecurringFormDialog dialog((&m_world->appState), seedFromRow(addAccount(Currency::JPY), -1500));
        showAndWait(&dialog);
        const RecurringForm form{&dialog};
        QCOMPARE(form.amount->text(), QStringLiteral("¥ 1500"));

        typeInto(form.amount, QStringLiteral("1800"));
        QTest::mouseClick(form.ok, Qt::LeftButton);
        QCOMPARE(dialog.recurring().amount, qint64(-1800));
    }

private:
    QString addAccount(Currency currency)
    {
        return m_world->addAccount(QStringLiteral("Checking"), currency).id;
    }
    // A rule as the register builds it from a stored row.
    RecurringTransaction seedFromRow(const QString& accountId, qint64 amount) const
    {
        RecurringTransaction seed;
        seed.accountId = accountId;
        seed.payee = QStringLiteral("Landlord");
        seed.memo = QStringLiteral("flat 4");
        seed.amount = amount;
        seed.frequency = Frequency::Monthly;
        seed.startDate = seed.nextDueDate = QDate(2024, 3, 1);
        return seed;
    }

    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(RecurringFormDialogTest)
#include "tst_recurringformdialog.moc"
