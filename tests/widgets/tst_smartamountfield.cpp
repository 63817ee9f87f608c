#include "storage/money.h"
#include "widgets/smartamountfield.h"

#include <QLineEdit>
#include <QToolTip>
#include <QtTest>

class SmartAmountFieldTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_field = std::make_unique<SmartAmountField>();
        m_field->show();
        QVERIFY(QTest::qWaitForWindowActive(m_field.get()));
        m_field->setFocus();
    }
    void cleanup()
    {
        m_field.reset();
    }
    void typesAmounts_data()
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
    void typesAmounts()
    {
        QFETCH(int, currency);
        QFETCH(qint64, startAmount);
        QFETCH(int, cursorAfterUnits);
        QFETCH(QString, typed);
        QFETCH(qint64, expected);
        QFETCH(bool, limitSaid);

        m_field->setCurrency(Currency(currency));
        m_field->setAmountMinorUnits(startAmount);
        if (cursorAfterUnits < 0) {
            m_field->selectAll();
        } else {
            edit()->deselect();
            edit()->setCursorPosition(int(m_field->prefix().size()) + cursorAfterUnits);
        }
        QTest::keyClicks(m_field.get(), typed);

        QCOMPARE(m_field->amountMinorUnits(), expected);
        if (limitSaid) {
            QVERIFY(QToolTip::isVisible());
            QVERIFY(QToolTip::text().contains(formatCurrency(maxAmountMinorUnits, Currency(currency))));
        }
    }
    void showsCurrency_data()
    {
        QTest::addColumn<int>("currency");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("shown");

        QTest::newRow("USD") << int(Currency::USD) << qint64(123456) << "$ 1234.56";
        QTest::newRow("EUR") << int(Currency::EUR) << qint64(5) << "€ 0.05";
        QTest::newRow("GBP") << int(Currency::GBP) << qint64(100) << "£ 1.00";
        QTest::newRow("JPY") << int(Currency::JPY) << qint64(1500) << "¥ 1500";
    }
    void showsCurrency()
    {
        QFETCH(int, currency);
        QFETCH(qint64, amount);
        QFETCH(QString, shown);

        m_field->setCurrency(Currency(currency));
        m_field->setAmountMinorUnits(amount);
        QCOMPARE(m_field->text(), shown);
        QCOMPARE(m_field->amountMinorUnits(), amount);
    }

private:
    QLineEdit* edit() const { return m_field->findChild<QLineEdit*>(); }

    std::unique_ptr<SmartAmountField> m_field;
};

QTEST_MAIN(SmartAmountFieldTest)
#include "tst_smartamountfield.moc"
