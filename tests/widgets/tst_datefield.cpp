#include "widgets/calendarpopup.h"
#include "widgets/datefield.h"
#include "storage/clock.h"
#include "support/testworld.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

const QDateTime fixedNow = TestWorld::now();

CalendarPopup* openPopup()
{
    return qobject_cast<CalendarPopup*>(QApplication::activePopupWidget());
}

QTableView* dayGrid(CalendarPopup* popup)
{
    return popup->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
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
    void init()
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
    void cleanup()
    {
        m_window.reset();
        processDeferredDeletes();
        Clock::reset();
    }
    void startsTodaySelected()
    {
        QCOMPARE(m_field->date(), QDate(2024, 5, 20));
        QCOMPARE(m_field->text(), QStringLiteral("5/20/2024"));
        QCOMPARE(m_field->selectedText(), m_field->text());
    }
    void resolvesTypedTextOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("expected");
        QTest::addColumn<int>("signals");

        QTest::newRow("full date") << "3/15/2024" << QDate(2024, 3, 15) << 1;
        QTest::newRow("two-digit year") << "3/5/24" << QDate(2024, 3, 5) << 1;
        QTest::newRow("leading zeros") << "03/05/2024" << QDate(2024, 3, 5) << 1;
        QTest::newRow("February 30 keeps the date") << "2/30/2024" << QDate(2024, 5, 20) << 0;
        QTest::newRow("same date again") << "05/20/2024" << QDate(2024, 5, 20) << 0;
        QTest::newRow("cleared text keeps the date") << "" << QDate(2024, 5, 20) << 0;
    }
    void resolvesTypedTextOnLeaving()
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
    void pickingFromCalendarByKeyboard_data()
    {
        QTest::addColumn<int>("openKey");
        QTest::addColumn<int>("openModifiers");

        QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
    }
    void pickingFromCalendarByKeyboard()
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

private:
    void typeIntoField(const QString& text)
    {
        m_field->selectAll();
        QTest::keyClicks(m_field, text);
    }
    void leaveField()
    {
        QTest::keyClick(m_field, Qt::Key_Tab);
        QVERIFY(m_next->hasFocus());
    }

    std::unique_ptr<QWidget> m_window;
    DateField* m_field = nullptr;
    QLineEdit* m_next = nullptr;
};

QTEST_MAIN(DateFieldTest)
#include "tst_datefield.moc"
