#include "app/totalslabel.h"

#include <QtTest>

class TotalsLabelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void breaksOnlyBetweenTotals_data();
    void breaksOnlyBetweenTotals();
};

void TotalsLabelTest::breaksOnlyBetweenTotals_data()
{
    QTest::addColumn<QString>("roomFor");
    QTest::addColumn<QString>("shown");

    const QString line = QStringLiteral("Total: $1.00 USD · $2.00 CAD · -€450.00");
    QTest::newRow("room for all") << line << line;
    QTest::newRow("room for two") << QStringLiteral("Total: $1.00 USD · $2.00 CAD ·")
                                  << QStringLiteral("Total: $1.00 USD · $2.00 CAD ·\n-€450.00");
    QTest::newRow("room for one") << QStringLiteral("Total: $1.00 USD ·")
                                  << QStringLiteral("Total: $1.00 USD ·\n$2.00 CAD ·\n-€450.00");
    QTest::newRow("less than one") << QStringLiteral("$")
                                   << QStringLiteral("Total: $1.00 USD ·\n$2.00 CAD ·\n-€450.00");
}

void TotalsLabelTest::breaksOnlyBetweenTotals()
{
    QFETCH(QString, roomFor);
    QFETCH(QString, shown);

    TotalsLabel label;
    label.setTotals(QStringLiteral("Total: $1.00 USD · $2.00 CAD · -€450.00"));
    label.resize(label.fontMetrics().horizontalAdvance(roomFor) + 2, 40);
    label.show();
    QCOMPARE(label.text(), shown);
    QCOMPARE(label.totals(), QStringLiteral("Total: $1.00 USD · $2.00 CAD · -€450.00"));
}

QTEST_MAIN(TotalsLabelTest)
#include "tst_totalslabel.moc"
