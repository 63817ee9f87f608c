#include "app/statusbar.h"

#include <QLabel>
#include <QMainWindow>
#include <QTranslator>
#include <QtTest>

class StatusBarTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void recurringDueShowsOnlyWhenSomethingIsDue()
    {
        QTranslator english;
        QVERIFY(english.load(QStringLiteral(":/i18n/checkbook_en.qm")));
        QCoreApplication::installTranslator(&english);
        QMainWindow window;
        auto* bar = new StatusBar(&window);
        window.setStatusBar(bar);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* due = bar->findChild<QLabel*>(QStringLiteral("recurringDueLabel"));
        QVERIFY(!due->isVisible());

        const QList<std::pair<int, QString>> steps{{0, QString()}, {1, QStringLiteral("  •  1 recurring due")},
            {3, QStringLiteral("  •  3 recurring due")}, {0, QString()}, {-1, QString()}};
        for (const auto& [count, text] : steps) {
            bar->setRecurringDue(count);
            QCOMPARE(due->isVisible(), !text.isEmpty());
            if (!text.isEmpty())
                QCOMPARE(due->text(), text);
        }
    }
};

QTEST_MAIN(StatusBarTest)
#include "tst_statusbar.moc"
