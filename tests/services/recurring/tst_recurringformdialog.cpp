#include "app/appstate.h"
#include "widgets/datefield.h"
#include "widgets/smartamountfield.h"
#include "services/recurring/recurringformdialog.h"
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
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }
    void memorizesEditedRule_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<QString>("typedAmount");
        QTest::addColumn<qint64>("amount");

        QTest::newRow("dollars") << int(Currency::USD) << "1250" << qint64(125000);
        QTest::newRow("yen have no cents") << int(Currency::JPY) << "1800" << qint64(1800);
    }
    void memorizesEditedRule()
    {
        QFETCH(int, currency);
        QFETCH(QString, typedAmount);
        QFETCH(qint64, amount);

        const QString accountId = m_world->addAccount(QStringLiteral("Checking"), Currency(currency)).id;
        RecurringFormDialog dialog(&m_world->appState, seedFromRow(accountId));
        showAndWait(&dialog);
        const RecurringForm form{&dialog};
        typeInto(form.payee, QStringLiteral(" Landlord Ltd "));
        QTest::mouseClick(form.deposit, Qt::LeftButton);
        typeInto(form.amount, typedAmount);
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

private:
    // A rule as the register builds it from a stored payment.
    static RecurringTransaction seedFromRow(const QString& accountId)
    {
        RecurringTransaction seed;
        seed.accountId = accountId;
        seed.payee = QStringLiteral("Landlord");
        seed.memo = QStringLiteral("flat 4");
        seed.amount = -120050;
        seed.frequency = Frequency::Monthly;
        seed.startDate = seed.nextDueDate = QDate(2024, 3, 1);
        return seed;
    }

    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(RecurringFormDialogTest)
#include "tst_recurringformdialog.moc"
