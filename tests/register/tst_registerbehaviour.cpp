#include "support/testworld.h"

#include "app/mainwindow.h"
#include "register/registerdelegate.h"
#include "storage/preferencesrepository.h"

#include <QHeaderView>
#include <QLineEdit>

using namespace testworld;

// Layout changes reach an open register at once, unless the user is in the
// middle of typing.
class TestRegisterBehaviour : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_account = m_world->addAccount(QStringLiteral("Checking"));
        m_world->addTransaction(m_account.id, QDate(2024, 5, 1), QStringLiteral("Rent"), -90000);
        m_world->addTransaction(m_account.id, QDate(2024, 5, 10), QStringLiteral("Power"), -6000);
    }
    void cleanup() { m_world.reset(); }

    void textColumnsKeepAReadableWidth_data()
    {
        QTest::addColumn<int>("windowWidth");
        QTest::addColumn<bool>("scrollsSideways");
        QTest::newRow("narrow window") << 600 << true;
        QTest::newRow("wide window") << 1400 << false;
    }

    void textColumnsKeepAReadableWidth()
    {
        QFETCH(int, windowWidth);
        QFETCH(bool, scrollsSideways);
        auto screen = showScreen(&m_world->appState, m_account.id);
        screen->resize(windowWidth, 500);
        settle();
        QHeaderView* header = screen->view()->horizontalHeader();
        for (const int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn})
            QVERIFY(header->sectionSize(column) >= 120);
        QCOMPARE(header->length() > screen->view()->viewport()->width(), scrollsSideways);
    }

    void preferenceChangeReloadsTheShownRegister_data()
    {
        QTest::addColumn<QString>("preference");
        QTest::newRow("two-line rows") << QStringLiteral("registerTwoLine");
        QTest::newRow("newest first") << QStringLiteral("registerNewestFirst");
    }

    void preferenceChangeReloadsTheShownRegister()
    {
        QFETCH(QString, preference);
        MainWindow window(&m_world->appState);
        showActive(&window);
        window.selectAccount(m_account.id);
        RegisterScreen* screen = window.registerScreen();
        QCOMPARE(layout(*screen), QStringList({QStringLiteral("one-line"), QStringLiteral("oldest first")}));

        QVERIFY(m_world->appState.preferences()->setBool(preference, true));

        const QStringList expected = preference == QLatin1String("registerTwoLine")
            ? QStringList({QStringLiteral("two-line"), QStringLiteral("oldest first")})
            : QStringList({QStringLiteral("one-line"), QStringLiteral("newest first")});
        QCOMPARE(layout(*screen), expected);
    }

    void preferenceChangeWaitsForTheOpenEditor()
    {
        MainWindow window(&m_world->appState);
        showActive(&window);
        window.selectAccount(m_account.id);
        RegisterScreen* screen = window.registerScreen();
        press(Qt::Key_Return);
        tab(2);
        type(QStringLiteral("Bakery"));

        QVERIFY(m_world->appState.preferences()->setBool(QStringLiteral("registerTwoLine"), true));

        // What is being typed stays as it is, in the layout it was begun in.
        QCOMPARE(layout(*screen).first(), QStringLiteral("one-line"));
        auto* payeeEdit = qobject_cast<QLineEdit*>(openEditor(*screen));
        QVERIFY(payeeEdit);
        QCOMPARE(payeeEdit->text(), QStringLiteral("Bakery"));

        // Saving the row ends the edit and shows the new layout.
        tab(3);
        type(QStringLiteral("12.00"));
        saveRow();
        QCOMPARE(layout(*screen).first(), QStringLiteral("two-line"));
        QCOMPARE(m_world->stored(m_account.id).first().payee, QStringLiteral("Bakery"));
        QCOMPARE(m_world->stored(m_account.id).first().amount, -1200);
    }

private:
    // The layout the register shows: line count and row order.
    static QStringList layout(const RegisterScreen& screen)
    {
        const bool twoLine = screen.delegate()->twoLine() && screen.view()->isColumnHidden(RegisterModel::MemoColumn);
        return {twoLine ? QStringLiteral("two-line") : QStringLiteral("one-line"),
            screen.model()->newestFirst() ? QStringLiteral("newest first") : QStringLiteral("oldest first")};
    }

    std::unique_ptr<TestWorld> m_world;
    Account m_account;
};

QTEST_MAIN(TestRegisterBehaviour)
#include "tst_registerbehaviour.moc"
