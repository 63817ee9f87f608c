// The charts beside the reports' tables: drawn from the same rows as the
// tables, the rest of the spending gathered as "Other", one net worth chart
// per currency, the palette followed, the charts' visibility and width
// remembered, and the PNG export (a failed one is in the reports window test).

#include "app/thememanager.h"
#include "services/reports/reportchart.h"
#include "services/reports/reportsscreen.h"
#include "storage/preferencesrepository.h"
#include "support/testworld.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QComboBox>
#include <QImageReader>
#include <QLineSeries>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString money(double majorUnits)
{
    return formatCurrency(qRound64(majorUnits * 100), Currency::USD, AmountFormat::shown());
}

QString cell(const QAbstractItemModel* table, int row, int column)
{
    return table->index(row, column).data().toString();
}

// A table's amount as the chart draws it: money out as a positive height.
QString positive(const QString& text)
{
    return QString(text).remove(u'-');
}

QList<QBarSet*> barSets(ReportChart* chart)
{
    return qobject_cast<QAbstractBarSeries*>(chart->charts().constFirst()->series().constFirst())->barSets();
}

// The colour of a button's face beside its text, as drawn on its window.
QColor faceColor(QWidget* window, const QPushButton* button)
{
    const QImage image = window->grab(QRect(button->mapTo(window, QPoint(0, 0)), button->size())).toImage();
    return image.pixelColor(3, image.height() / 2);
}

int colorDistance(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue());
}

QString hoverText(QBarSet* set, int index)
{
    Q_EMIT set->hovered(true, index);
    return QToolTip::text();
}

} // namespace

class TestReportChart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_world = std::make_unique<TestWorld>();
        m_checking = m_world->addAccount(u"Checking"_s, Currency::USD, 100000);
        m_world->addTransaction(m_checking.id, QDate(2023, 11, 1), u"Employer"_s, 250000, m_world->categoryId(u"Salary"_s));
        m_world->addTransaction(m_checking.id, QDate(2024, 5, 1), u"Employer"_s, 260000, m_world->categoryId(u"Salary"_s));
        addSpending(u"Groceries"_s, -12345, QDate(2023, 11, 5));
        addSpending(u"Groceries"_s, -6789);
        addSpending(u"Utilities"_s, -4500);
    }

    void cleanup() { m_world.reset(); }

    void chartsShowTheTablesNumbers_data()
    {
        QTest::addColumn<int>("tab");
        QTest::newRow("income vs expenses") << int(ReportsScreen::IncomeVsExpenses);
        QTest::newRow("cash flow") << int(ReportsScreen::CashFlow);
        QTest::newRow("year over year") << int(ReportsScreen::YearOverYear);
        QTest::newRow("category spending") << int(ReportsScreen::CategorySpending);
    }

    void chartsShowTheTablesNumbers()
    {
        QFETCH(int, tab);
        ReportsScreen screen(&m_world->appState);
        screen.findChild<QComboBox*>(u"periodCombo"_s)->setCurrentIndex(9);
        screen.findChild<QTabWidget*>()->setCurrentIndex(tab);
        const QAbstractItemModel* table = screen.table(ReportsScreen::Tab(tab))->model();
        ReportChart* chart = screen.chart(ReportsScreen::Tab(tab));
        QVERIFY(table->rowCount() > 1);

        if (tab == ReportsScreen::CategorySpending) {
            const QList<QPieSlice*> slices = qobject_cast<QPieSeries*>(chart->charts()[0]->series()[0])->slices();
            QCOMPARE(slices.size(), table->rowCount());
            for (int row = 0; row < table->rowCount(); ++row) {
                QCOMPARE(slices[row]->label(), cell(table, row, 0));
                QCOMPARE(money(slices[row]->value()), positive(cell(table, row, 1)));
            }
            Q_EMIT slices[0]->hovered(true);
            QCOMPARE(QToolTip::text(), cell(table, 0, 0) + u": "_s + positive(cell(table, 0, 1)));
            return;
        }
        const QList<QBarSet*> sets = barSets(chart);
        if (tab == ReportsScreen::YearOverYear) {
            // The bars run from the bottom up, the table from the top down.
            const int last = table->rowCount() - 1;
            QCOMPARE(sets[0]->count(), table->rowCount());
            for (int row = 0; row <= last; ++row) {
                QCOMPARE(money(sets[0]->at(last - row)), cell(table, row, 1));
                QCOMPARE(money(sets[1]->at(last - row)), cell(table, row, 2));
            }
            QCOMPARE(hoverText(sets[1], last), cell(table, 0, 0) + u", Period 2: "_s + cell(table, 0, 2));
            return;
        }
        // The months' bars leave out the totals row.
        QCOMPARE(sets[0]->count(), table->rowCount() - 1);
        for (int row = 0; row < sets[0]->count(); ++row) {
            QCOMPARE(money(sets[0]->at(row)), cell(table, row, 1));
            QCOMPARE(money(sets[1]->at(row)), positive(cell(table, row, 2)));
        }
        const QString header = table->headerData(1, Qt::Horizontal).toString();
        QCOMPARE(hoverText(sets[0], 1), cell(table, 1, 0) + u' ' + header + u": "_s + cell(table, 1, 1));
    }

    void otherSumsTheRest()
    {
        QList<CategoryTotal> rows;
        for (int index = 1; index <= 9; ++index)
            rows.append({u"Category %1"_s.arg(index), -1000 * (10 - index)});
        // Given out of order, the largest spending still comes first.
        std::swap(rows[0], rows[8]);
        ReportChart chart;
        chart.showCategorySpending(rows, Currency::USD);

        const QList<QPieSlice*> slices = qobject_cast<QPieSeries*>(chart.charts()[0]->series()[0])->slices();
        QCOMPARE(slices.size(), ReportChart::largestCategories + 1);
        QCOMPARE(slices[0]->label(), u"Category 1"_s);
        QCOMPARE(slices[5]->label(), u"Category 6"_s);
        QCOMPARE(slices[6]->label(), u"Other"_s);
        QCOMPARE(slices[6]->value(), 30.0 + 20.0 + 10.0);
    }

    void emptyReportShowsANote()
    {
        ReportChart chart;
        chart.showMonths({}, Currency::USD, u"Income"_s, u"Expenses"_s);
        chart.resize(400, 300);
        chart.show();
        QVERIFY(chart.isEmpty());
        QCOMPARE(chart.charts().size(), 1);
        QVERIFY(chart.charts()[0]->series().isEmpty());
        QVERIFY(chart.charts()[0]->axes().isEmpty());
        auto* note = chart.findChild<QLabel*>();
        QVERIFY(note->isVisible());
        QCOMPARE(note->text(), u"No data for this period"_s);
    }

    void netWorthChartPerCurrency()
    {
        const Account euros = m_world->addAccount(u"Euros"_s, Currency::EUR, 5000, 1);
        m_world->addTransaction(euros.id, QDate(2024, 5, 2), u"Café"_s, -450);
        ReportsScreen screen(&m_world->appState);
        screen.findChild<QComboBox*>(u"periodCombo"_s)->setCurrentIndex(9);
        screen.findChild<QTabWidget*>()->setCurrentIndex(ReportsScreen::AccountSummary);

        const QList<QChart*> charts = screen.chart(ReportsScreen::AccountSummary)->charts();
        QCOMPARE(charts.size(), 2);
        QCOMPARE(charts[0]->title(), u"Net Worth (USD)"_s);
        QCOMPARE(charts[1]->title(), u"Net Worth (EUR)"_s);
        // From November to May, ending at each account's total balance.
        const QAbstractItemModel* summary = screen.table(ReportsScreen::AccountSummary)->model();
        const auto* dollars = qobject_cast<QLineSeries*>(charts[0]->series()[0]);
        QCOMPARE(dollars->count(), 7);
        QCOMPARE(money(dollars->at(6).y()), cell(summary, 0, 4));
        const auto* eurPoints = qobject_cast<QLineSeries*>(charts[1]->series()[0]);
        QCOMPARE(eurPoints->at(6).y(), 45.5);
    }

    void followsThePalette()
    {
        ReportChart chart;
        chart.showCategorySpending({{u"Groceries"_s, -500}}, Currency::USD);
        chart.show();
        for (const QString& theme : {u"dark"_s, u"light"_s}) {
            m_world->appState.themeManager()->setTheme(theme);
            QChart* drawn = chart.charts()[0];
            // The widgets take the new palette from the event loop.
            QTRY_COMPARE(drawn->backgroundBrush().color(), QApplication::palette().color(QPalette::Base));
            QCOMPARE(drawn->legend()->labelColor(), QApplication::palette().color(QPalette::Text));
        }
    }

    void chartsButtonShowsWhetherItIsOn_data()
    {
        QTest::addColumn<QString>("theme");
        QTest::newRow("light") << u"light"_s;
        QTest::newRow("dark") << u"dark"_s;
    }

    void chartsButtonShowsWhetherItIsOn()
    {
        QFETCH(QString, theme);
        ReportsScreen screen(&m_world->appState);
        testworld::showActive(&screen);
        m_world->appState.themeManager()->setTheme(theme);
        auto* button = screen.findChild<QPushButton*>(u"chartsButton"_s);
        const auto onAgainstOff = [&] {
            button->setChecked(false);
            const QColor off = faceColor(&screen, button);
            button->setChecked(true);
            return colorDistance(faceColor(&screen, button), off);
        };
        // The theme reaches the button's style from the event loop.
        QTRY_VERIFY(onAgainstOff() > 100);
    }

    void showChartsAndWidthAreRemembered()
    {
        QList<int> dragged;
        {
            ReportsScreen screen(&m_world->appState);
            screen.resize(1000, 600);
            testworld::showActive(&screen);
            QVERIFY(screen.findChild<QPushButton*>(u"chartsButton"_s)->isChecked());
            QVERIFY(screen.findChild<QPushButton*>(u"exportChartButton"_s)->isEnabled());

            // The user drags the first tab's divider to the right.
            auto* splitter = qobject_cast<QSplitter*>(screen.findChild<QTabWidget*>()->currentWidget());
            const QList<int> before = splitter->sizes();
            QSplitterHandle* handle = splitter->handle(1);
            const QPoint grip(handle->width() / 2, handle->height() / 2);
            const QPoint moved = grip + QPoint(150, 0);
            QMouseEvent press(QEvent::MouseButtonPress, grip, handle->mapToGlobal(grip), Qt::LeftButton, Qt::LeftButton, {});
            QMouseEvent drag(QEvent::MouseMove, moved, handle->mapToGlobal(moved), Qt::NoButton, Qt::LeftButton, {});
            QMouseEvent release(QEvent::MouseButtonRelease, moved, handle->mapToGlobal(moved), Qt::LeftButton, {}, {});
            for (QMouseEvent* event : {&press, &drag, &release})
                QApplication::sendEvent(handle, event);
            dragged = splitter->sizes();
            QCOMPARE(dragged.at(0), before.at(0) + 150);
        }
        {
            ReportsScreen reopened(&m_world->appState);
            reopened.resize(1000, 600);
            testworld::showActive(&reopened);
            QCOMPARE(qobject_cast<QSplitter*>(reopened.findChild<QTabWidget*>()->currentWidget())->sizes(), dragged);
            QTest::mouseClick(reopened.findChild<QPushButton*>(u"chartsButton"_s), Qt::LeftButton);
            QVERIFY(!reopened.chart(ReportsScreen::CategorySpending)->isVisible());
            QVERIFY(!reopened.findChild<QPushButton*>(u"exportChartButton"_s)->isEnabled());
        }
        ReportsScreen hidden(&m_world->appState);
        QVERIFY(!hidden.findChild<QPushButton*>(u"chartsButton"_s)->isChecked());
        QVERIFY(hidden.chart(ReportsScreen::CashFlow)->isHidden());
    }

    void exportsPng()
    {
        ReportsScreen screen(&m_world->appState);
        screen.resize(1000, 600);
        testworld::showActive(&screen);
        QTemporaryDir directory;
        const QString path = directory.filePath(ReportsScreen::proposedChartFileName(ReportsScreen::CategorySpending));
        QCOMPARE(QFileInfo(path).fileName(), u"category_spending.png"_s);

        QCOMPARE(screen.exportCurrentChartTo(path), QString());
        QImageReader reader(path);
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read();
        QCOMPARE(image.size(), screen.chart(ReportsScreen::CategorySpending)->size());
    }

private:
    void addSpending(const QString& category, qint64 amount, const QDate& date = QDate(2024, 5, 3))
    {
        m_world->addTransaction(m_checking.id, date, category, amount, m_world->categoryId(category));
    }

    std::unique_ptr<TestWorld> m_world;
    Account m_checking;
};

QTEST_MAIN(TestReportChart)
#include "tst_reportchart.moc"
