#include "register/elidedlabel.h"

#include <QHBoxLayout>
#include <QtTest>

class ElidedLabelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shrinksInLayoutAndKeepsText();
};

void ElidedLabelTest::shrinksInLayoutAndKeepsText()
{
    const QString name = QStringLiteral("Joint Household Checking Account at the Credit Union");
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* label = new ElidedLabel(name, &window);
    layout->addWidget(label);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QFontMetrics metrics(label->font());
    QCOMPARE(label->sizeHint(), QSize(metrics.horizontalAdvance(name), metrics.height()));

    // A narrow sidebar squeezes the label instead of growing the window.
    window.resize(80, window.height());
    QVERIFY(label->width() < metrics.horizontalAdvance(name));
    QCOMPARE(label->text(), name);

    const QString shorter = QStringLiteral("Cash");
    static_cast<QLabel*>(label)->setText(shorter);
    QCOMPARE(label->sizeHint().width(), metrics.horizontalAdvance(shorter));
}

QTEST_MAIN(ElidedLabelTest)
#include "tst_elidedlabel.moc"
