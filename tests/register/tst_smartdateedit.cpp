#include "support/testworld.h"

#include "widgets/calendarpopup.h"
#include "register/smartdateedit.h"

#include <QLineEdit>

using namespace testworld;

class TestSmartDateEdit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_world = std::make_unique<TestWorld>(); }
    void cleanup() { m_world.reset(); }

    void dateKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        // 3/15/2024 is a Friday. Each key's own date arithmetic is covered with
        // the date texts; here the key events themselves must reach it.
        QTest::newRow("w: Sunday before") << int(Qt::Key_W) << QStringLiteral("w") << QDate(2024, 3, 10);
        QTest::newRow("T: today") << int(Qt::Key_T) << QStringLiteral("T") << QDate(2024, 5, 20);
        QTest::newRow("=: next day") << int(Qt::Key_Equal) << QStringLiteral("=") << QDate(2024, 3, 16);
        QTest::newRow("+: next day") << int(Qt::Key_Plus) << QStringLiteral("+") << QDate(2024, 3, 16);
        QTest::newRow("-: day before") << int(Qt::Key_Minus) << QStringLiteral("-") << QDate(2024, 3, 14);
    }

    void dateKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        SmartDateEdit edit;
        edit.setDate(QDate(2024, 3, 15));
        // The exact character, as the keyboard sends it ("T" is Shift+t).
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&edit, &press);
        QCOMPARE(edit.date(), expected);
        QCOMPARE(edit.text(), expected.toString(QStringLiteral("M/d/yyyy")));
        QCOMPARE(edit.selectedText(), edit.text());
    }

    void keysWithCommandModifiersAreNoDateKeys()
    {
        SmartDateEdit edit;
        edit.setDate(QDate(2024, 3, 15));
        QTest::keyClick(&edit, Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(edit.date(), QDate(2024, 3, 15));
    }

    void digitsTypeOverTheSelectedDate()
    {
        SmartDateEdit edit;
        edit.setDate(QDate(2024, 3, 15));
        QTest::keyClicks(&edit, QStringLiteral("4/1/2024"));
        QCOMPARE(edit.text(), QStringLiteral("4/1/2024"));
        QCOMPARE(edit.resolvedDate(), QDate(2024, 4, 1));
        // A date key then works from the typed date.
        QTest::keyClick(&edit, Qt::Key_H);
        QCOMPARE(edit.date(), QDate(2024, 4, 30));
    }

    void typedDatesResolve_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("full") << QStringLiteral("3/5/2024") << QStringLiteral("3/5/2024");
        QTest::newRow("two-digit year this century") << QStringLiteral("3/5/24") << QStringLiteral("3/5/2024");
        QTest::newRow("two-digit year last century") << QStringLiteral("3/5/85") << QStringLiteral("3/5/1985");
        QTest::newRow("no year takes the row's") << QStringLiteral("3/5") << QStringLiteral("3/5/2024");
        // Text that is no possible date stays as typed, for the save to refuse.
        QTest::newRow("no such day stays as typed") << QStringLiteral("2/30/2024") << QStringLiteral("2/30/2024");
        QTest::newRow("words stay as typed") << QStringLiteral("soon") << QStringLiteral("soon");
    }

    // Typed into the register's date cell and left with Enter.
    void typedDatesResolve()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        const Account account = m_world->addAccount(QStringLiteral("Checking"));
        auto screen = showScreen(&m_world->appState, account.id);
        screen->model()->setStickyDate(QStringLiteral("1/9/2024"));
        screen->reload();
        press(Qt::Key_Return);
        auto* edit = qobject_cast<SmartDateEdit*>(openEditor(*screen));
        QVERIFY(edit);
        QCOMPARE(edit->date(), QDate(2024, 1, 9));
        edit->setText(typed);
        press(Qt::Key_Return);
        QCOMPARE(screen->model()->buffer().dateText, expected);
        QCOMPARE(current(*screen).column(), int(RegisterModel::CheckNumberColumn));
    }

    void calendarOpensWithF4AndAltDown()
    {
        const QList<QKeyCombination> calendarKeys = {QKeyCombination(Qt::Key_F4), QKeyCombination(Qt::AltModifier, Qt::Key_Down)};
        for (const QKeyCombination keys : calendarKeys) {
            SmartDateEdit edit;
            edit.setDate(QDate(2024, 3, 15));
            edit.show();
            QApplication::setActiveWindow(&edit);
            QVERIFY(QTest::qWaitForWindowActive(&edit));
            QTest::keyClick(&edit, keys.key(), keys.keyboardModifiers());
            auto* calendar = qobject_cast<CalendarPopup*>(QApplication::activePopupWidget());
            QVERIFY(calendar);
            QCOMPARE(calendar->selectedDate(), QDate(2024, 3, 15));
            QPointer<CalendarPopup> watched(calendar);
            Q_EMIT calendar->clicked(QDate(2024, 3, 22));
            settle();
            QCOMPARE(edit.date(), QDate(2024, 3, 22));
            QCOMPARE(edit.text(), QStringLiteral("3/22/2024"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(watched.isNull());
        }
    }

private:
    std::unique_ptr<TestWorld> m_world;
};

QTEST_MAIN(TestSmartDateEdit)
#include "tst_smartdateedit.moc"
