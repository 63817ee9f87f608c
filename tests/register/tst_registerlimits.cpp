#include "support/testworld.h"

#include "widgets/palette.h"
#include "storage/textlimits.h"
#include "support/storagetesting.h"

#include <limits>

using namespace testworld;

namespace {

QString cellText(const RegisterScreen& screen, int row, int column, int role = Qt::DisplayRole)
{
    return screen.model()->index(row, column).data(role).toString();
}

} // namespace

// What the register does with values it cannot hold: balances beyond a
// qint64, and stored texts far longer than an editor accepts.
class TestRegisterLimits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void showsOverflowInsteadOfAWrappedBalance()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(account.id, QDate(2024, 1, 1), QStringLiteral("Pay"), 100);
        const Transaction huge = m_world->addTransaction(account.id, QDate(2024, 1, 2), QStringLiteral("Huge"), 0);
        m_world->addTransaction(account.id, QDate(2024, 1, 3), QStringLiteral("Shop"), -50);
        QVERIFY(execute(m_world->appState.database(),
            QStringLiteral("UPDATE transactions SET amount = %1 WHERE id = '%2'").arg(std::numeric_limits<qint64>::max()).arg(huge.id)));
        auto screen = showScreen(&m_world->appState, account.id);

        const QStringList expected{QStringLiteral("1.00"), QStringLiteral("Overflow"), QStringLiteral("Overflow")};
        for (int row = 0; row < expected.size(); ++row)
            QCOMPARE(cellText(*screen, row, RegisterModel::BalanceColumn), expected[row]);
        QCOMPARE(screen->model()->index(2, RegisterModel::BalanceColumn).data(Qt::ForegroundRole).value<QColor>(),
            Palette::negative());
        QCOMPARE(cellText(*screen, 2, RegisterModel::BalanceColumn, Qt::ToolTipRole), QStringLiteral("The balance is too large to show."));
        auto* balance = screen->findChild<QLabel*>(QStringLiteral("balanceLabel"));
        QCOMPARE(balance->text(), QStringLiteral("Overflow"));
        QCOMPARE(balance->toolTip(), QStringLiteral("The balance is too large to show."));
        QVERIFY(balance->styleSheet().contains(Palette::negative().name()));
    }

    void keepsAnOverlongStoredPayeeWhenAnotherFieldIsEdited()
    {
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        const QString payee(100000, QLatin1Char('p'));
        const QString memo(5000, QLatin1Char('m'));
        m_world->addTransaction(account.id, QDate(2024, 1, 1), payee, -100, QString(), memo);
        auto screen = showScreen(&m_world->appState, account.id);

        const QString shown = cellText(*screen, 0, RegisterModel::PayeeColumn);
        QVERIFY(shown.size() <= maxMemoLength + 1);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        // Through the payee and memo editors, untouched, to the amount.
        openCell(*screen, 0, RegisterModel::PayeeColumn);
        tab(3);
        QCOMPARE(current(*screen).column(), int(RegisterModel::PaymentColumn));
        type(QStringLiteral("2"));
        saveRow();

        const std::optional<Transaction> saved = m_world->onlyTransaction(account.id);
        QVERIFY(saved);
        QCOMPARE(saved->amount, qint64(-200));
        QVERIFY(saved->payee == payee && saved->memo == memo);
    }

private:
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(TestRegisterLimits)
#include "tst_registerlimits.moc"
