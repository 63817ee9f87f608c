// The fields the forms share: the date field with the date texts and keys
// behind it, and the amount field. They sit one below the other in a
// window, as in a form.

#include "storage/clock.h"
#include "storage/money.h"
#include "support/testworld.h"
#include "widgets/calendarpopup.h"
#include "widgets/datefield.h"
#include "widgets/datetext.h"
#include "widgets/smartamountfield.h"

#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QDateTime fixedNow = TestWorld::now();

CalendarPopup* openPopup()
{
    return qobject_cast<CalendarPopup*>(QApplication::activePopupWidget());
}

// Lets a closed popup finish deleting itself.
void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class FormFieldsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Clock::setFixedNow(fixedNow);
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_date = new DateField(m_window.get());
        m_amount = new SmartAmountField(m_window.get());
        layout->addWidget(m_date);
        layout->addWidget(m_amount);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_date->setFocus(Qt::TabFocusReason);
    }
    void cleanup()
    {
        m_window.reset();
        processDeferredDeletes();
        Clock::reset();
    }
    void movesByDateKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QDate>("current");
        QTest::addColumn<QDate>("expected");

        // 3/15/2024 is a Friday.
        const QDate friday(2024, 3, 15);
        QTest::newRow("w: Sunday on or before") << "w" << friday << QDate(2024, 3, 10);
        QTest::newRow("k: Saturday on or after") << "k" << friday << QDate(2024, 3, 16);
        QTest::newRow("m: first of month") << "m" << friday << QDate(2024, 3, 1);
        QTest::newRow("h: last of month") << "h" << friday << QDate(2024, 3, 31);
        QTest::newRow("r: last of year") << "r" << friday << QDate(2024, 12, 31);
        QTest::newRow("T: today, upper case") << "T" << friday << fixedNow.date();
        QTest::newRow("=: next day") << "=" << friday << QDate(2024, 3, 16);
        QTest::newRow("-: previous day") << "-" << friday << QDate(2024, 3, 14);
        QTest::newRow("w on a Sunday stays") << "w" << QDate(2024, 3, 10) << QDate(2024, 3, 10);
        QTest::newRow("h in a leap February") << "h" << QDate(2024, 2, 10) << QDate(2024, 2, 29);
        QTest::newRow("+ across the year end") << "+" << QDate(2024, 12, 31) << QDate(2025, 1, 1);
        QTest::newRow("- across the year start") << "-" << QDate(2024, 1, 1) << QDate(2023, 12, 31);
        QTest::newRow("invalid date counts as today") << "m" << QDate() << QDate(2024, 5, 1);
    }
    void movesByDateKey()
    {
        QFETCH(QString, key);
        QFETCH(QDate, current);
        QFETCH(QDate, expected);

        const std::optional<QDate> moved = applyDateKey(key, current);
        QVERIFY(moved);
        QCOMPARE(*moved, expected);
    }
    void readsTypedDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected"); // invalid: not a date

        QTest::newRow("M/d/yyyy") << "3/5/2024" << QDate(2024, 3, 5);
        QTest::newRow("two-digit 24 is 2024") << "3/5/24" << QDate(2024, 3, 5);
        QTest::newRow("two-digit 69 is 2069") << "3/5/69" << QDate(2069, 3, 5);
        QTest::newRow("two-digit 70 is 1970") << "3/5/70" << QDate(1970, 3, 5);
        QTest::newRow("leap day of 2000 from 00") << "2/29/00" << QDate(2000, 2, 29);
        QTest::newRow("surrounding blanks") << " 3/5/2024 " << QDate(2024, 3, 5);
        QTest::newRow("February 30") << "2/30/2024" << QDate();
        QTest::newRow("three-digit year") << "3/5/024" << QDate();
        QTest::newRow("letters") << "soon" << QDate();
        QTest::newRow("empty") << "" << QDate();
    }
    void readsTypedDates()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);

        const std::optional<QDate> date = resolveTypedDate(text);
        QCOMPARE(date.has_value(), expected.isValid());
        if (date)
            QCOMPARE(*date, expected);
    }
    void dateFieldStartsTodaySelected()
    {
        QCOMPARE(m_date->date(), QDate(2024, 5, 20));
        QCOMPARE(m_date->text(), QStringLiteral("5/20/2024"));
        QCOMPARE(m_date->selectedText(), m_date->text());
    }
    void dateFieldResolvesTypedTextOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<int>("signals");
        QTest::addColumn<QString>("shown");

        QTest::newRow("a new date") << "3/5/24" << QDate(2024, 3, 5) << 1 << "3/5/2024";
        QTest::newRow("February 30 stays as typed") << "2/30/2024" << QDate(2024, 5, 20) << 0 << "2/30/2024";
        QTest::newRow("same date again") << "05/20/2024" << QDate(2024, 5, 20) << 0 << "5/20/2024";
        QTest::newRow("cleared text stays cleared") << "" << QDate(2024, 5, 20) << 0 << "";
    }
    void dateFieldResolvesTypedTextOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QDate, expected);
        QFETCH(int, signals);
        QFETCH(QString, shown);

        QSignalSpy changed(m_date, &DateField::dateChanged);
        typeIntoDateField(typed);
        if (typed.isEmpty())
            QTest::keyClick(m_date, Qt::Key_Backspace);
        QCOMPARE(changed.count(), 0);

        QTest::keyClick(m_date, Qt::Key_Tab);
        QVERIFY(!m_date->hasFocus());
        QCOMPARE(changed.count(), signals);
        if (signals > 0)
            QCOMPARE(changed.first().first().toDate(), expected);
        QCOMPARE(m_date->date(), expected);
        QCOMPARE(m_date->text(), shown);
        QCOMPARE(m_date->holdsDate(), !shown.isEmpty() && expected.toString(QStringLiteral("M/d/yyyy")) == shown);
    }
    // Both calendar keys are tried on the register's date cell; F4 stands for them here.
    void dateFieldPicksFromCalendarByKeyboard()
    {
        // The calendar opens on the date typed, even before leaving the field.
        typeIntoDateField(QStringLiteral("3/15/2024"));
        QSignalSpy changed(m_date, &DateField::dateChanged);
        QTest::keyClick(m_date, Qt::Key_F4);

        QPointer<CalendarPopup> popup = openPopup();
        QVERIFY(popup);
        QCOMPARE(popup->selectedDate(), QDate(2024, 3, 15));
        auto* dayGrid = popup->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(dayGrid);
        QTest::keyClick(dayGrid, Qt::Key_Right);
        QTest::keyClick(dayGrid, Qt::Key_Return);

        QVERIFY(!openPopup());
        processDeferredDeletes();
        QVERIFY(popup.isNull());
        QCOMPARE(m_date->date(), QDate(2024, 3, 16));
        QCOMPARE(m_date->text(), QStringLiteral("3/16/2024"));
        QVERIFY(m_date->hasFocus());
        // Opening the calendar moved the focus, which settled the typed date first.
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.last().first().toDate(), QDate(2024, 3, 16));
    }
    void amountFieldTypesAmounts_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("startAmount");
        QTest::addColumn<int>("cursorAfterUnits"); // -1: all text selected
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("expected");
        QTest::addColumn<bool>("limitSaid"); // the last digit passes the limit: refused, with a word

        const int usd = int(Currency::USD);
        QTest::newRow("fresh entry with a point") << usd << qint64(0) << -1 << "12.34" << qint64(1234) << false;
        QTest::newRow("point jumps into the cents") << usd << qint64(1200) << 2 << ".34" << qint64(1234) << false;
        QTest::newRow("comma jumps too") << usd << qint64(1200) << 2 << ",5" << qint64(1250) << false;
        QTest::newRow("point from the start of the units") << usd << qint64(4500) << 0 << ".99" << qint64(4599) << false;
        QTest::newRow("a third decimal is refused") << usd << qint64(1200) << 2 << ".345" << qint64(1234) << false;
        QTest::newRow("digits before the point still add units") << usd << qint64(1200) << 2 << "5" << qint64(12500) << false;
        QTest::newRow("JPY has no cents") << int(Currency::JPY) << qint64(0) << -1 << "1500." << qint64(1500) << false;
        QTest::newRow("dollars beyond the limit") << usd << qint64(0) << -1 << "1000000000000" << qint64(10000000000000) << true;
        QTest::newRow("yen beyond the limit") << int(Currency::JPY) << qint64(0) << -1 << "100000000000000" << qint64(10000000000000) << true;
    }
    void amountFieldTypesAmounts()
    {
        QFETCH(int, currency);
        QFETCH(qint64, startAmount);
        QFETCH(int, cursorAfterUnits);
        QFETCH(QString, typed);
        QFETCH(qint64, expected);
        QFETCH(bool, limitSaid);

        m_amount->setFocus();
        m_amount->setCurrency(Currency(currency));
        m_amount->setAmountMinorUnits(startAmount);
        auto* edit = m_amount->findChild<QLineEdit*>();
        if (cursorAfterUnits < 0) {
            m_amount->selectAll();
        } else {
            edit->deselect();
            edit->setCursorPosition(int(m_amount->prefix().size()) + cursorAfterUnits);
        }
        QTest::keyClicks(m_amount, typed);

        QCOMPARE(m_amount->amountMinorUnits(), expected);
        if (limitSaid) {
            QVERIFY(QToolTip::isVisible());
            QVERIFY(QToolTip::text().contains(formatCurrency(maxAmountMinorUnits, Currency(currency))));
        }
    }

private:
    void typeIntoDateField(const QString& text)
    {
        m_date->selectAll();
        QTest::keyClicks(m_date, text);
    }

    std::unique_ptr<QWidget> m_window;
    DateField* m_date = nullptr;
    SmartAmountField* m_amount = nullptr;
};

QTEST_MAIN(FormFieldsTest)
#include "tst_formfields.moc"
