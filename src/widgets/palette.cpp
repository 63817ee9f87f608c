#include "widgets/palette.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

namespace {

// Every colour of the program, spelled once; the roles below choose among
// them.
const QString deepRed = QStringLiteral("#C62828");
const QString darkRed = QStringLiteral("#B71C1C");
const QString salmon = QStringLiteral("#FF8A80");
const QString green = QStringLiteral("#2E7D32");
const QString lightGreen = QStringLiteral("#66BB6A");
const QString leafGreen = QStringLiteral("#008800");
const QString deepOrange = QStringLiteral("#E65100");
const QString orange = QStringLiteral("#FFA726");
const QString sage = QStringLiteral("#6E8A7E");
const QString paleSage = QStringLiteral("#8FAF9F");
const QString greySage = QStringLiteral("#5A7A6E");
const QString darkSage = QStringLiteral("#4A6358");
const QString slate = QStringLiteral("#2A3D33");
const QString mint = QStringLiteral("#E8F5E9");
const QString pine = QStringLiteral("#1A2E28");
const QString forest = QStringLiteral("#152420");
const QString moss = QStringLiteral("#1E3530");
const QString darkMoss = QStringLiteral("#1E3028");
const QString fern = QStringLiteral("#26574A");
const QString teal = QStringLiteral("#00897B");
const QString darkTeal = QStringLiteral("#00796B");
const QString deepTeal = QStringLiteral("#004D40");
const QString lightTeal = QStringLiteral("#4DB6AC");
const QString tealWash = QStringLiteral("#E0F2F1");
const QString tealMist = QStringLiteral("#B2DFDB");
const QString white = QStringLiteral("#FFFFFF");
const QString frost = QStringLiteral("#F0F4F2");
const QString lichen = QStringLiteral("#D8E8DF");
const QString nightGreen = QStringLiteral("#1B2D26");
const QString mist = QStringLiteral("#E0EBE5");

const QString iconFamily = QStringLiteral("Material Icons");

QColor themed(const QString& light, const QString& dark)
{
    return QColor(Palette::isDark() ? dark : light);
}

} // namespace

bool Palette::isDark()
{
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor Palette::negative()
{
    return themed(deepRed, salmon);
}

QColor Palette::positive()
{
    return themed(green, lightGreen);
}

QColor Palette::warning()
{
    return themed(deepOrange, orange);
}

QColor Palette::due()
{
    return themed(leafGreen, lightGreen);
}

QColor Palette::muted()
{
    return QColor(sage);
}

QColor Palette::hint()
{
    return QColor(greySage);
}

QColor Palette::bufferRow()
{
    return themed(mint, pine);
}

QColor Palette::link()
{
    return QColor(lightTeal);
}

QColor Palette::glyph()
{
    return QColor(lightTeal);
}

QColor Palette::primaryButton()
{
    return QColor(teal);
}

QColor Palette::primaryButtonHover()
{
    return QColor(darkTeal);
}

QColor Palette::primaryButtonPressed()
{
    return QColor(deepTeal);
}

QColor Palette::outlineButton()
{
    return themed(teal, lightTeal);
}

QColor Palette::outlineButtonHover()
{
    return themed(tealWash, moss);
}

QColor Palette::outlineButtonPressed()
{
    return themed(tealMist, fern);
}

QColor Palette::dangerButton()
{
    return QColor(deepRed);
}

QColor Palette::dangerButtonHover()
{
    return QColor(darkRed);
}

QColor Palette::roleBadge()
{
    return themed(teal, lightTeal);
}

QColor Palette::badgeBackground()
{
    return QColor(teal);
}

QColor Palette::badgeText()
{
    return QColor(white);
}

QColor Palette::sidebarBackground()
{
    return QColor(forest);
}

QColor Palette::sidebarText()
{
    return QColor(paleSage);
}

QColor Palette::sidebarHover()
{
    return QColor(moss);
}

QColor Palette::sidebarSelection()
{
    return QColor(fern);
}

QColor Palette::sidebarBrightText()
{
    return QColor(white);
}

QColor Palette::sidebarHeading()
{
    return hint();
}

QColor Palette::sidebarNegative()
{
    return QColor(salmon);
}

QColor Palette::sidebarPositive()
{
    return QColor(lightGreen);
}

QColor Palette::totalsBackground()
{
    return QColor(darkMoss);
}

QColor Palette::totalsBorder()
{
    return sidebarBackground();
}

QColor Palette::navigationBackground()
{
    return themed(frost, forest);
}

QColor Palette::navigationText()
{
    return themed(nightGreen, lichen);
}

QColor Palette::navigationHover()
{
    return themed(mist, moss);
}

QColor Palette::navigationSelection()
{
    return themed(teal, fern);
}

QColor Palette::navigationSelectedText()
{
    return QColor(white);
}

QColor Palette::navigationIcon()
{
    return themed(darkSage, paleSage);
}

QColor Palette::welcomeText()
{
    return themed(darkSage, paleSage);
}

QColor Palette::statusText()
{
    return themed(slate, paleSage);
}

QString Palette::styleName(const QColor& color)
{
    return color.name(QColor::HexRgb).toUpper();
}

QString Palette::textColorStyle(const QColor& color)
{
    return QStringLiteral("color: %1;").arg(styleName(color));
}

QFont Palette::adjustedFont(int pointSizeDelta, QFont::Weight weight)
{
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + pointSizeDelta);
    font.setWeight(weight);
    return font;
}

QFont Palette::smallFont()
{
    QFont font = QApplication::font();
    font.setPointSize(std::max(font.pointSize() - 2, 7));
    return font;
}

QString Palette::iconFontFamily()
{
    return iconFamily;
}

QFont Palette::iconFont(int pixelSize)
{
    QFont font(iconFamily);
    font.setPixelSize(pixelSize);
    return font;
}
