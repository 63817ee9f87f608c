// The search window as a user drives it: typing is searched once it pauses,
// text that is no full-text query still finds what it names, the filters
// narrow the list, rows read as in their registers, and a double click opens
// the transaction in its register.

#include "app/mainwindow.h"
#include "services/search/searchscreen.h"
#include "support/testworld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>

using namespace testworld;

namespace {

// The payees listed, top to bottom.
QStringList listedPayees(const SearchScreen& screen)
{
    QStringList payees;
    const RegisterModel* model = screen.resultsModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (const RegisterRow* stored = model->rowAt(row))
            payees.append(stored->transaction.payee);
    }
    return payees;
}

QStringList payees(const char* commaSeparated)
{
    return QString::fromLatin1(commaSeparated).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

void choose(QComboBox* combo, const QString& data)
{
    combo->setCurrentIndex(combo->findData(data));
}

} // namespace

class TestSearchScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fiveQuickKeysRunOneSearch()
    {
        TestWorld world;
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        world.addTransaction(checking.id, QDate(2024, 5, 1), QStringLiteral("Bagel Bakery"), -450);
        world.addTransaction(checking.id, QDate(2024, 5, 2), QStringLiteral("Grocer"), -2000);
        SearchScreen screen(&world.appState);
        screen.refresh();
        showActive(&screen);
        screen.focusSearch();
        QSignalSpy searches(screen.resultsModel(), &QAbstractItemModel::modelReset);

        QTest::keyClicks(screen.searchField(), QStringLiteral("bagel"));
        QCOMPARE(searches.count(), 0);
        QTRY_COMPARE(searches.count(), 1);
        QVERIFY(!screen.findChild<QTimer*>()->isActive());
        QCOMPARE(listedPayees(screen), QStringList{QStringLiteral("Bagel Bakery")});
    }

    void typedTextFindsWhatItNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        const QString att = QStringLiteral("AT&T Wireless");
        const QString obrien = QStringLiteral("O'Brien Plumbing");
        const QString shop = QStringLiteral("The coffee-shop");
        QTest::newRow("ampersand") << QStringLiteral("AT&T") << QStringList{att};
        QTest::newRow("apostrophe") << QStringLiteral("O'Brien") << QStringList{obrien};
        QTest::newRow("last word a prefix") << QStringLiteral("o'bri") << QStringList{obrien};
        QTest::newRow("hyphen") << QStringLiteral("coffee-shop") << QStringList{shop};
        QTest::newRow("quoted phrase") << QStringLiteral("\"coffee-shop\"") << QStringList{shop};
        QTest::newRow("lone quote") << QStringLiteral("\"") << QStringList{};
        QTest::newRow("unclosed quote") << QStringLiteral("\"plumbing") << QStringList{obrien};
        QTest::newRow("query prefix") << QStringLiteral("wire*") << QStringList{att};
        QTest::newRow("query OR") << QStringLiteral("plumbing OR wireless") << QStringList{obrien, att};
        QTest::newRow("memo column") << QStringLiteral("memo:invoice") << QStringList{shop};
    }
    void typedTextFindsWhatItNames()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TestWorld world;
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        world.addTransaction(checking.id, QDate(2024, 5, 1), QStringLiteral("AT&T Wireless"), -6000);
        world.addTransaction(checking.id, QDate(2024, 5, 2), QStringLiteral("O'Brien Plumbing"), -12000);
        world.addTransaction(checking.id, QDate(2024, 4, 30), QStringLiteral("The coffee-shop"), -450, QString(),
            QStringLiteral("invoice 12"));
        SearchScreen screen(&world.appState);
        screen.refresh();
        screen.searchField()->setText(text);
        screen.performSearch();
        QCOMPARE(listedPayees(screen), found);
    }

    void filtersNarrowTheList_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("searchesRun");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("none") << QString() << 0 << payees("Rent,Pharmacy,Market");
        QTest::newRow("account") << QStringLiteral("account") << 1 << payees("Rent");
        QTest::newRow("category") << QStringLiteral("category") << 1 << payees("Market");
        QTest::newRow("date range") << QStringLiteral("dates") << 2 << payees("Rent,Pharmacy");
        QTest::newRow("from date without the range") << QStringLiteral("from only") << 0 << payees("Rent,Pharmacy,Market");
        QTest::newRow("cleared only") << QStringLiteral("cleared") << 1 << payees("Pharmacy");
    }
    void filtersNarrowTheList()
    {
        QFETCH(QString, filter);
        QFETCH(int, searchesRun);
        QFETCH(QStringList, found);
        TestWorld world;
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        const Account savings = world.addAccount(QStringLiteral("Savings"));
        world.addTransaction(checking.id, QDate(2024, 3, 1), QStringLiteral("Market"), -3000, world.categoryId(QStringLiteral("Groceries")));
        Transaction pharmacy = world.addTransaction(checking.id, QDate(2024, 5, 10), QStringLiteral("Pharmacy"), -1500);
        pharmacy.cleared = true;
        QVERIFY(world.appState.transactions()->update(pharmacy));
        world.addTransaction(savings.id, QDate(2024, 5, 15), QStringLiteral("Rent"), -90000);
        SearchScreen screen(&world.appState);
        screen.refresh();
        QSignalSpy searches(screen.resultsModel(), &QAbstractItemModel::modelReset);
        auto* fromDate = screen.findChild<QDateEdit*>(QStringLiteral("fromDate"));
        if (filter == QLatin1String("account"))
            choose(screen.findChild<QComboBox*>(QStringLiteral("accountFilter")), savings.id);
        else if (filter == QLatin1String("category"))
            choose(screen.findChild<QComboBox*>(QStringLiteral("categoryFilter")), world.categoryId(QStringLiteral("Groceries")));
        else if (filter == QLatin1String("dates")) {
            screen.findChild<QCheckBox*>(QStringLiteral("dateRange"))->setChecked(true);
            fromDate->setDate(QDate(2024, 5, 1));
        } else if (filter == QLatin1String("from only"))
            fromDate->setDate(QDate(2024, 5, 1));
        else if (filter == QLatin1String("cleared"))
            screen.findChild<QCheckBox*>(QStringLiteral("clearedOnly"))->setChecked(true);
        // A filter searches at once; the from date alone, with the range off, not at all.
        QCOMPARE(searches.count(), searchesRun);
        QCOMPARE(listedPayees(screen), found);
    }

    // Each row reads as in its own register: in its account's currency, and
    // with a deleted category as none.
    void rowsReadAsInTheirRegister()
    {
        TestWorld world;
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        const Account travel = world.addAccount(QStringLiteral("Travel"), Currency::JPY);
        const QString groceries = world.categoryId(QStringLiteral("Groceries"));
        world.addTransaction(checking.id, QDate(2024, 5, 1), QStringLiteral("Cafe"), -450, groceries);
        world.addTransaction(travel.id, QDate(2024, 5, 2), QStringLiteral("Ramen"), -1500);
        QVERIFY(world.appState.categories()->softDelete(groceries));
        SearchScreen screen(&world.appState);
        screen.refresh();
        const RegisterModel* model = screen.resultsModel();
        QStringList rows;
        for (int row = 0; row < model->rowCount(); ++row) {
            if (model->rowAt(row)) {
                rows.append(QStringList{model->rowAt(row)->transaction.payee, model->index(row, RegisterModel::PaymentColumn).data().toString(),
                    model->index(row, RegisterModel::CategoryColumn).data().toString()}.join(QLatin1Char('|')));
            }
        }
        rows.sort();
        QCOMPARE(rows, QStringList({QStringLiteral("Cafe|4.50|"), QStringLiteral("Ramen|1,500|")}));
    }

    void aDoubleClickOpensTheTransactionInItsRegister()
    {
        TestWorld world;
        const Account checking = world.addAccount(QStringLiteral("Checking"));
        const Account savings = world.addAccount(QStringLiteral("Savings"), Currency::USD, 0, 1);
        world.addTransaction(checking.id, QDate(2024, 1, 1), QStringLiteral("Lumber Yard"), -100);
        Transaction wanted;
        for (int day = 0; day < 120; ++day) {
            const Transaction added = world.addTransaction(savings.id, QDate(2023, 1, 1).addDays(day),
                day == 5 ? QStringLiteral("Lumber Mill") : QStringLiteral("Transfer %1").arg(day), 100);
            if (day == 5)
                wanted = added;
        }
        MainWindow window(&world.appState);
        showActive(&window);
        window.selectAccount(checking.id);
        window.showSearchWindow();
        auto* screen = window.findChild<SearchScreen*>();
        QVERIFY(screen && QTest::qWaitForWindowExposed(screen));
        screen->searchField()->setText(QStringLiteral("mill"));
        screen->performSearch();
        QCOMPARE(listedPayees(*screen), QStringList{QStringLiteral("Lumber Mill")});

        QTableView* results = screen->resultsView();
        const QRect cell = results->visualRect(screen->resultsModel()->index(0, RegisterModel::PayeeColumn));
        QSignalSpy opened(screen, &SearchScreen::editTransactionRequested);
        // A double click as the window system sends it: a click, then the double click.
        QTest::mouseClick(results->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QCOMPARE(opened.count(), 1);

        RegisterScreen* registerScreen = window.registerScreen();
        QCOMPARE(registerScreen->accountId(), savings.id);
        const int row = registerScreen->rowForTransactionId(wanted.id);
        QVERIFY(row >= 0);
        QCOMPARE(registerScreen->view()->currentIndex().row(), row);
        const QRect shown = registerScreen->view()->visualRect(registerScreen->model()->index(row, 0));
        QVERIFY(registerScreen->view()->viewport()->rect().contains(shown));
    }
};

QTEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
