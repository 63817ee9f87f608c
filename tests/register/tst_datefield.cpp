#include "register/calendarpopup.h"
#include "register/datefield.h"
#include "storage/clock.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QDateTime fixedNow(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC);

CalendarPopup* openPopup()
{
    return qobject_cast<CalendarPopup*>(QApplication::activePopupWidget());
}

QTableView* dayGrid(CalendarPopup* popup)
{
    return popup->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
}

// The grid cell showing `day` of the shown month; the days of neighbouring
// months shown around it never reach the middle of the month.
QModelIndex cellOfDay(QTableView* grid, int day)
{
    QAbstractItemModel* model = grid->model();
    for (int row = 1; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (index.data().toInt() == day)
                return index;
        }
    }
    return {};
}

// Lets a closed popup finish deleting itself.
void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// A date field in a window with a second field to move the focus to, as in
// a form.
class DateFieldTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsTodaySelected();
    void resolvesTypedTextOnLeaving_data();
    void resolvesTypedTextOnLeaving();
    void movesByDateKey_data();
    void movesByDateKey();
    void dateKeyStartsFromTypedText();
    void leavesCommandKeysAlone();
    void setDateSignalsOnlyChanges();
    void pickingFromCalendarByKeyboard_data();
    void pickingFromCalendarByKeyboard();
    void pickingFromCalendarByMouse();
    void calendarButtonOpensCalendar();

private:
    void typeIntoField(const QString& text);
    void leaveField();

    std::unique_ptr<QWidget> m_window;
    DateField* m_field = nullptr;
    QLineEdit* m_next = nullptr;
};

void DateFieldTest::init()
{
    Clock::setFixedNow(fixedNow);
    m_window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(m_window.get());
    m_field = new DateField(m_window.get());
    m_next = new QLineEdit(m_window.get());
    layout->addWidget(m_field);
    layout->addWidget(m_next);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_field->setFocus(Qt::TabFocusReason);
}

void DateFieldTest::cleanup()
{
    m_window.reset();
    processDeferredDeletes();
    Clock::reset();
}

void DateFieldTest::typeIntoField(const QString& text)
{
    m_field->selectAll();
    QTest::keyClicks(m_field, text);
}

void DateFieldTest::leaveField()
{
    QTest::keyClick(m_field, Qt::Key_Tab);
    QVERIFY(m_next->hasFocus());
}

void DateFieldTest::startsTodaySelected()
{
    QCOMPARE(m_field->date(), QDate(2024, 6, 20));
    QCOMPARE(m_field->text(), QStringLiteral("6/20/2024"));
    QCOMPARE(m_field->selectedText(), m_field->text());
}

void DateFieldTest::resolvesTypedTextOnLeaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<int>("signals");

    QTest::newRow("full date") << "3/15/2024" << QDate(2024, 3, 15) << 1;
    QTest::newRow("two-digit year") << "3/5/24" << QDate(2024, 3, 5) << 1;
    QTest::newRow("leading zeros") << "03/05/2024" << QDate(2024, 3, 5) << 1;
    QTest::newRow("February 30 keeps the date") << "2/30/2024" << QDate(2024, 6, 20) << 0;
    QTest::newRow("same date again") << "06/20/2024" << QDate(2024, 6, 20) << 0;
    QTest::newRow("cleared text keeps the date") << "" << QDate(2024, 6, 20) << 0;
}

void DateFieldTest::resolvesTypedTextOnLeaving()
{
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QFETCH(int, signals);

    QSignalSpy changed(m_field, &DateField::dateChanged);
    typeIntoField(typed);
    if (typed.isEmpty())
        QTest::keyClick(m_field, Qt::Key_Backspace);
    QCOMPARE(changed.count(), 0);

    leaveField();
    QCOMPARE(changed.count(), signals);
    if (signals > 0)
        QCOMPARE(changed.first().first().toDate(), expected);
    QCOMPARE(m_field->date(), expected);
    QCOMPARE(m_field->text(), expected.toString(QStringLiteral("M/d/yyyy")));
}

void DateFieldTest::movesByDateKey_data()
{
    QTest::addColumn<char>("key");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("w") << 'w' << QDate(2024, 3, 10);
    QTest::newRow("k") << 'k' << QDate(2024, 3, 16);
    QTest::newRow("m") << 'm' << QDate(2024, 3, 1);
    QTest::newRow("h") << 'h' << QDate(2024, 3, 31);
    QTest::newRow("y") << 'y' << QDate(2024, 1, 1);
    QTest::newRow("r") << 'r' << QDate(2024, 12, 31);
    QTest::newRow("T") << 'T' << QDate(2024, 6, 20);
    QTest::newRow("=") << '=' << QDate(2024, 3, 16);
    QTest::newRow("-") << '-' << QDate(2024, 3, 14);
}

void DateFieldTest::movesByDateKey()
{
    QFETCH(char, key);
    QFETCH(QDate, expected);

    m_field->setDate(QDate(2024, 3, 15));
    QSignalSpy changed(m_field, &DateField::dateChanged);
    QTest::keyClick(m_field, key);

    QCOMPARE(m_field->date(), expected);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_field->text(), expected.toString(QStringLiteral("M/d/yyyy")));
    QCOMPARE(m_field->selectedText(), m_field->text());
}

void DateFieldTest::dateKeyStartsFromTypedText()
{
    typeIntoField(QStringLiteral("3/15/2024"));
    QTest::keyClick(m_field, 'k');
    QCOMPARE(m_field->date(), QDate(2024, 3, 16));
    QCOMPARE(m_field->text(), QStringLiteral("3/16/2024"));
}

void DateFieldTest::leavesCommandKeysAlone()
{
    QSignalSpy changed(m_field, &DateField::dateChanged);
    QTest::keyClick(m_field, Qt::Key_M, Qt::ControlModifier);
    QTest::keyClick(m_field, Qt::Key_T, Qt::AltModifier);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_field->date(), QDate(2024, 6, 20));
}

void DateFieldTest::setDateSignalsOnlyChanges()
{
    QSignalSpy changed(m_field, &DateField::dateChanged);
    m_field->setDate(QDate(2024, 6, 20));
    QCOMPARE(changed.count(), 0);
    m_field->setDate(QDate(2024, 7, 4));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_field->text(), QStringLiteral("7/4/2024"));
}

void DateFieldTest::pickingFromCalendarByKeyboard_data()
{
    QTest::addColumn<int>("openKey");
    QTest::addColumn<int>("openModifiers");

    QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
}

void DateFieldTest::pickingFromCalendarByKeyboard()
{
    QFETCH(int, openKey);
    QFETCH(int, openModifiers);

    // The calendar opens on the date typed, even before leaving the field.
    typeIntoField(QStringLiteral("3/15/2024"));
    QSignalSpy changed(m_field, &DateField::dateChanged);
    QTest::keyClick(m_field, Qt::Key(openKey), Qt::KeyboardModifiers(openModifiers));

    QPointer<CalendarPopup> popup = openPopup();
    QVERIFY(popup);
    QCOMPARE(popup->selectedDate(), QDate(2024, 3, 15));

    QTableView* grid = dayGrid(popup);
    QVERIFY(grid);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Return);

    QVERIFY(!openPopup());
    processDeferredDeletes();
    QVERIFY(popup.isNull());
    QCOMPARE(m_field->date(), QDate(2024, 3, 16));
    QCOMPARE(m_field->text(), QStringLiteral("3/16/2024"));
    QVERIFY(m_field->hasFocus());
    // Opening the calendar moved the focus, which settled the typed date first.
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.last().first().toDate(), QDate(2024, 3, 16));
}

void DateFieldTest::pickingFromCalendarByMouse()
{
    QSignalSpy changed(m_field, &DateField::dateChanged);
    QTest::keyClick(m_field, Qt::Key_F4);
    QPointer<CalendarPopup> popup = openPopup();
    QVERIFY(popup);

    QTableView* grid = dayGrid(popup);
    const QModelIndex day = cellOfDay(grid, 11);
    QVERIFY(day.isValid());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(day).center());

    QVERIFY(!openPopup());
    processDeferredDeletes();
    QVERIFY(popup.isNull());
    QCOMPARE(m_field->date(), QDate(2024, 6, 11));
    QCOMPARE(changed.count(), 1);
}

void DateFieldTest::calendarButtonOpensCalendar()
{
    QCOMPARE(m_field->actions().size(), 1);
    QCOMPARE(m_field->actions().first()->toolTip(), QStringLiteral("Open calendar (F4)"));
    auto* button = m_field->findChild<QToolButton*>();
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
    CalendarPopup* popup = openPopup();
    QVERIFY(popup);
    QCOMPARE(popup->selectedDate(), QDate(2024, 6, 20));
    popup->close();
}

QTEST_MAIN(DateFieldTest)
#include "tst_datefield.moc"
