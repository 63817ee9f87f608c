#include "app/firstdayofweek.h"
#include "register/calendarpopup.h"
#include "storage/clock.h"

#include <QApplication>
#include <QLineEdit>
#include <QWindow>
#include <QtTest>

namespace {

const QDateTime fixedNow(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC);

} // namespace

class CalendarPopupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void opensUnderAnchor_data();
    void opensUnderAnchor();

private:
    std::unique_ptr<QLineEdit> m_anchor;
};

void CalendarPopupTest::init()
{
    Clock::setFixedNow(fixedNow);
    m_anchor = std::make_unique<QLineEdit>();
    m_anchor->move(40, 60);
    m_anchor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_anchor.get()));
}

void CalendarPopupTest::cleanup()
{
    m_anchor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Clock::reset();
}

void CalendarPopupTest::opensUnderAnchor_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QDate>("selected");
    QTest::addColumn<int>("weekStart");

    QTest::newRow("given date, weeks from Monday") << QDate(2024, 3, 15) << QDate(2024, 3, 15) << int(Qt::Monday);
    QTest::newRow("no date opens today, weeks from Sunday") << QDate() << fixedNow.date() << int(Qt::Sunday);
}

void CalendarPopupTest::opensUnderAnchor()
{
    QFETCH(QDate, date);
    QFETCH(QDate, selected);
    QFETCH(int, weekStart);

    setFirstDayOfWeek(Qt::DayOfWeek(weekStart));
    CalendarPopup::open(m_anchor.get(), date, nullptr);

    auto* popup = qobject_cast<CalendarPopup*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->selectedDate(), selected);
    QCOMPARE(popup->firstDayOfWeek(), Qt::DayOfWeek(weekStart));
    QCOMPARE(popup->locale(), QLocale::system());
    QVERIFY(popup->isGridVisible());
    // The offscreen platform frames even popups; the frame's corner is the
    // position asked for.
    // The offscreen platform frames even popups and places the frame's corner.
    const QMargins frame = popup->windowHandle()->frameMargins();
    const QPoint frameCorner = popup->pos() - QPoint(frame.left(), frame.top());
    QCOMPARE(frameCorner, m_anchor->mapToGlobal(QPoint(0, m_anchor->height())));
    QVERIFY(popup->testAttribute(Qt::WA_DeleteOnClose));
    popup->close();
}

QTEST_MAIN(CalendarPopupTest)
#include "tst_calendarpopup.moc"
