// Check boxes and radio buttons stay visible on the field behind them, in
// the light theme and the dark one.

#include "app/thememanager.h"
#include "widgets/outlinedindicatorstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>
#include <memory>

namespace {

double luminance(const QColor& color)
{
    const auto channel = [](double value) {
        value /= 255.0;
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.red()) + 0.7152 * channel(color.green()) + 0.0722 * channel(color.blue());
}

double contrast(const QColor& a, const QColor& b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

// The strongest contrast against the window along the indicator's left
// edge, where the outline is drawn.
double edgeContrast(QAbstractButton* button, QStyle::SubElement indicator)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect box = button->style()->subElementRect(indicator, &option, button);
    const QImage image = button->grab().toImage();
    const QColor window = button->palette().color(QPalette::Window);
    double best = 1.0;
    for (int x = box.left(); x < box.left() + 3; ++x)
        best = std::max(best, contrast(image.pixelColor(x, box.center().y()), window));
    return best;
}

} // namespace

class TestOutlinedIndicatorStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setStyle(new OutlinedIndicatorStyle); }

    void indicatorsStandOut_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("radio");
        QTest::newRow("light check box") << false << false;
        QTest::newRow("dark check box") << true << false;
        QTest::newRow("light radio button") << false << true;
        QTest::newRow("dark radio button") << true << true;
    }

    void indicatorsStandOut()
    {
        QFETCH(bool, dark);
        QFETCH(bool, radio);
        QApplication::setPalette(dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette());
        std::unique_ptr<QAbstractButton> button;
        if (radio)
            button = std::make_unique<QRadioButton>(QStringLiteral("Monthly"));
        else
            button = std::make_unique<QCheckBox>(QStringLiteral("Cleared"));
        button->resize(button->sizeHint());
        // Non-text parts of a control need 3:1 against what is around them.
        QVERIFY(edgeContrast(button.get(), radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator) >= 3.0);
    }
};

QTEST_MAIN(TestOutlinedIndicatorStyle)
#include "tst_outlinedindicatorstyle.moc"
