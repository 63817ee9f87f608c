#include "app/glyphicon.h"

#include <QFontDatabase>
#include <QImage>
#include <QtTest>

namespace {

constexpr char16_t calendarGlyph = 0xE935;

int pixelsOfColor(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 0 && pixel.red() == color.red() && pixel.green() == color.green() && pixel.blue() == color.blue())
                ++count;
        }
    }
    return count;
}

// The horizontal and vertical centre of the painted pixels.
QPointF inkCentre(const QImage& image)
{
    double sumX = 0;
    double sumY = 0;
    double weight = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const double alpha = image.pixelColor(x, y).alphaF();
            sumX += alpha * (x + 0.5);
            sumY += alpha * (y + 0.5);
            weight += alpha;
        }
    }
    return weight > 0 ? QPointF(sumX / weight, sumY / weight) : QPointF();
}

} // namespace

class GlyphIconTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void drawsGlyphCentredInColor_data();
    void drawsGlyphCentredInColor();
};

void GlyphIconTest::initTestCase()
{
    QVERIFY(QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf")) >= 0);
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Material Icons")));
}

void GlyphIconTest::drawsGlyphCentredInColor_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<QColor>("color");

    QTest::newRow("calendar icon") << 16 << QColor(0x6E, 0x8A, 0x7E);
    QTest::newRow("large teal") << 96 << QColor(0x4D, 0xB6, 0xAC);
}

void GlyphIconTest::drawsGlyphCentredInColor()
{
    QFETCH(int, size);
    QFETCH(QColor, color);

    const QImage image = GlyphIcon::pixmap(calendarGlyph, size, color).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(size, size));
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(image.pixelColor(size - 1, size - 1).alpha(), 0);
    QVERIFY(pixelsOfColor(image, color) > size);

    const QPointF centre = inkCentre(image);
    QVERIFY(qAbs(centre.x() - size / 2.0) < size / 8.0);
    QVERIFY(qAbs(centre.y() - size / 2.0) < size / 8.0);
}

QTEST_MAIN(GlyphIconTest)
#include "tst_glyphicon.moc"
