// The reports window as the user drives it: presets set the dates and run
// the reports, totals rows, the per-currency account filter, export of
// tables and charts, and the window opened from the main window.

#include "app/mainwindow.h"
#include "services/reports/reportsscreen.h"
#include "support/modalanswer.h"
#include "support/testworld.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFileDialog>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QStringList rowTexts(const QAbstractItemModel* table, int row)
{
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column)
        cells << table->index(row, column).data().toString();
    return cells;
}

QStringList comboTexts(const QComboBox* combo)
{
    QStringList texts;
    for (int index = 0; index < combo->count(); ++index)
        texts << combo->itemText(index);
    return texts;
}

} // namespace

class TestReportsScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void presetSetsDatesAndRuns_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("transactions");

        QTest::newRow("this month") << 0 << QDate(2024, 5, 1) << QDate(2024, 5, 20) << 1;
        QTest::newRow("last month") << 1 << QDate(2024, 4, 1) << QDate(2024, 4, 30) << 1;
        QTest::newRow("all time") << 9 << QDate(2023, 2, 3) << QDate(2024, 5, 20) << 3;
    }

    void presetSetsDatesAndRuns()
    {
        QFETCH(int, preset);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, transactions);

        TestWorld world;
        const Account checking = world.addAccount(u"Checking"_s);
        world.addTransaction(checking.id, QDate(2024, 5, 2), u"Market"_s, -5000);
        world.addTransaction(checking.id, QDate(2024, 4, 2), u"Market"_s, -2000);
        world.addTransaction(checking.id, QDate(2023, 2, 3), u"Old"_s, -100);
        ReportsScreen screen(&world.appState);
        auto* period = screen.findChild<QComboBox*>(u"periodCombo"_s);
        period->setCurrentIndex(preset == 0 ? 1 : 0);
        period->setCurrentIndex(preset);

        QCOMPARE(screen.findChild<QDateEdit*>(u"fromEdit"_s)->date(), from);
        QCOMPARE(screen.findChild<QDateEdit*>(u"toEdit"_s)->date(), to);
        QCOMPARE(screen.table(ReportsScreen::Transactions)->model()->rowCount(), transactions);
        const QString range = screen.findChild<QLabel*>(u"rangeLabel"_s)->text();
        QCOMPARE(range, u"%1 – %2"_s.arg(QLocale().toString(from, QLocale::ShortFormat),
                            QLocale().toString(to, QLocale::ShortFormat)));
    }

    void totalsRowOnlyWithRows()
    {
        TestWorld world;
        const Account checking = world.addAccount(u"Checking"_s);
        world.addTransaction(checking.id, QDate(2024, 5, 2), u"Employer"_s, 100000);
        world.addTransaction(checking.id, QDate(2024, 5, 3), u"Market"_s, -2500);
        ReportsScreen screen(&world.appState);

        const QAbstractItemModel* income = screen.table(ReportsScreen::IncomeVsExpenses)->model();
        QCOMPARE(income->rowCount(), 2);
        QCOMPARE(rowTexts(income, 0), (QStringList{u"2024-05"_s, u"$1,000.00"_s, u"-$25.00"_s, u"$975.00"_s}));
        QCOMPARE(rowTexts(income, 1), (QStringList{u"Total"_s, u"$1,000.00"_s, u"-$25.00"_s, u"$975.00"_s}));
        QVERIFY(income->index(1, 0).data(Qt::FontRole).value<QFont>().bold());
        QVERIFY(!income->index(0, 0).data(Qt::FontRole).value<QFont>().bold());
        QCOMPARE(income->index(1, 3).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(income->index(1, 0).data(Qt::TextAlignmentRole), QVariant());

        screen.findChild<QComboBox*>(u"periodCombo"_s)->setCurrentIndex(1);
        QCOMPARE(income->rowCount(), 0);
        QCOMPARE(screen.table(ReportsScreen::CashFlow)->model()->rowCount(), 0);
    }

    void accountFilterPerCurrency()
    {
        TestWorld world;
        const Account dollars = world.addAccount(u"Dollars"_s, Currency::USD, 0, 0);
        ReportsScreen screen(&world.appState);
        screen.show();
        auto* accounts = screen.findChild<QComboBox*>(u"accountCombo"_s);
        QCOMPARE(comboTexts(accounts), (QStringList{u"All Accounts"_s, u"Dollars"_s}));

        // A second currency splits "All Accounts" as soon as the account exists.
        const Account yen = world.addAccount(u"Yen"_s, Currency::JPY, 0, 1);
        world.addTransaction(dollars.id, QDate(2024, 5, 2), u"Market"_s, -2500);
        world.addTransaction(yen.id, QDate(2024, 5, 2), u"Ramen"_s, -1200);
        QCOMPARE(comboTexts(accounts),
            (QStringList{u"All Accounts (USD)"_s, u"All Accounts (JPY)"_s, u"Dollars"_s, u"Yen"_s}));

        const QAbstractItemModel* spending = screen.table(ReportsScreen::CategorySpending)->model();
        QCOMPARE(spending->rowCount(), 1);
        QCOMPARE(rowTexts(spending, 0), (QStringList{u"Uncategorized"_s, u"-$25.00"_s}));
        accounts->setCurrentIndex(1);
        QCOMPARE(rowTexts(spending, 0), (QStringList{u"Uncategorized"_s, u"-¥1,200"_s}));

        const QAbstractItemModel* summary = screen.table(ReportsScreen::AccountSummary)->model();
        QCOMPARE(rowTexts(summary, 1), (QStringList{u"Yen"_s, u"Checking"_s, u"¥0"_s, u"-¥1,200"_s, u"-¥1,200"_s}));
    }

    void exportGuardsFormulas()
    {
        TestWorld world;
        const Account checking = world.addAccount(u"Checking"_s);
        world.addTransaction(checking.id, QDate(2024, 5, 2), u"=cmd|' /C calc'!A0"_s, -2500);
        ReportsScreen screen(&world.appState);
        screen.findChild<QTabWidget*>()->setCurrentIndex(ReportsScreen::PayeeSummary);

        QTemporaryDir directory;
        const QString path = directory.filePath(ReportsScreen::proposedFileName(ReportsScreen::PayeeSummary));
        QVERIFY(screen.exportCurrentTabTo(path).isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
            u"\"Payee\",\"Total\",\"Count\"\n\"'=cmd|' /C calc'!A0\",\"-$25.00\",\"1\"\n"_s);
    }

    void failedExportIsReported_data()
    {
        QTest::addColumn<bool>("chart");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("filter");
        QTest::newRow("table as CSV") << false << u"Export CSV"_s << u"CSV Files (*.csv)"_s;
        QTest::newRow("chart as PNG") << true << u"Export Chart"_s << u"PNG Images (*.png)"_s;
    }

    void failedExportIsReported()
    {
        QFETCH(bool, chart);
        QFETCH(QString, title);
        QFETCH(QString, filter);
        TestWorld world;
        const Account checking = world.addAccount(u"Checking"_s);
        world.addTransaction(checking.id, QDate(2024, 5, 2), u"Market"_s, -2500);
        ReportsScreen screen(&world.appState);
        testworld::showActive(&screen);
        screen.findChild<QTabWidget*>()->setCurrentIndex(ReportsScreen::CashFlow);
        QTemporaryDir directory;
        const QString path = directory.filePath(chart ? ReportsScreen::proposedChartFileName(ReportsScreen::CashFlow)
                                                      : ReportsScreen::proposedFileName(ReportsScreen::CashFlow));
        QVERIFY(QDir().mkdir(path));
        QString shownTitle;
        testworld::whenDialogShown([&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            QVERIFY(files);
            QCOMPARE(files->windowTitle(), title);
            QCOMPARE(files->nameFilters(), QStringList{filter});
            files->setDirectory(directory.path());
            QCOMPARE(files->selectedFiles(), QStringList{path});
            ModalAnswer::pressWhenShown(QMessageBox::Ok, nullptr, &shownTitle);
            dialog->done(QDialog::Accepted);
        });
        if (chart)
            QTest::mouseClick(screen.findChild<QPushButton*>(u"exportChartButton"_s), Qt::LeftButton);
        else
            screen.exportCurrentTab();
        QCOMPARE(shownTitle, u"Export Failed"_s);
        QVERIFY(QFileInfo(path).isDir());
    }

    void opensFromTheMainWindow()
    {
        TestWorld world;
        world.addAccount(u"Checking"_s);
        MainWindow window(&world.appState);
        testworld::showActive(&window);
        testworld::press(Qt::Key_2, Qt::ControlModifier);
        auto* screen = window.findChild<ReportsScreen*>();
        QVERIFY(screen);
        QTRY_VERIFY(screen->isVisible());
        QCOMPARE(screen->windowTitle(), u"Reports"_s);
    }
};

// A folder where the file should go: nothing can be written there, and the
// window says so.
QTEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
