#include "app/thememanager.h"

#include "storage/preferencesrepository.h"
#include "widgets/palette.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QtGlobal>

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QStyleHints>
#endif

namespace {

const QString themeKey = QStringLiteral("theme");

struct PaletteColors
{
    QColor window;
    QColor windowText;
    QColor base;
    QColor alternateBase;
    QColor text;
    QColor button;
    QColor buttonText;
    QColor highlight;
    QColor highlightedText;
    QColor toolTipBase;
    QColor toolTipText;
    QColor placeholderText;
    QColor mid;
    QColor light;
    QColor dark;
    QColor disabledText;
};

QPalette buildPalette(const PaletteColors& colors)
{
    QPalette palette;
    palette.setColor(QPalette::Window, colors.window);
    palette.setColor(QPalette::WindowText, colors.windowText);
    palette.setColor(QPalette::Base, colors.base);
    palette.setColor(QPalette::AlternateBase, colors.alternateBase);
    palette.setColor(QPalette::Text, colors.text);
    palette.setColor(QPalette::Button, colors.button);
    palette.setColor(QPalette::ButtonText, colors.buttonText);
    palette.setColor(QPalette::Highlight, colors.highlight);
    palette.setColor(QPalette::HighlightedText, colors.highlightedText);
    palette.setColor(QPalette::ToolTipBase, colors.toolTipBase);
    palette.setColor(QPalette::ToolTipText, colors.toolTipText);
    palette.setColor(QPalette::PlaceholderText, colors.placeholderText);
    palette.setColor(QPalette::Mid, colors.mid);
    palette.setColor(QPalette::Light, colors.light);
    palette.setColor(QPalette::Dark, colors.dark);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, colors.disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Text, colors.disabledText);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, colors.disabledText);
    return palette;
}

QString themeName(ThemeManager::Theme theme)
{
    switch (theme) {
    case ThemeManager::Theme::Light:
        return QStringLiteral("light");
    case ThemeManager::Theme::Dark:
        return QStringLiteral("dark");
    case ThemeManager::Theme::System:
        break;
    }
    return QStringLiteral("system");
}

ThemeManager::Theme themeFromName(const QString& name)
{
    if (name == QLatin1String("light"))
        return ThemeManager::Theme::Light;
    if (name == QLatin1String("dark"))
        return ThemeManager::Theme::Dark;
    return ThemeManager::Theme::System;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
{
    // Pins the platform's scheme before this manager installs a palette of
    // its own (see platformPrefersDark).
    platformPrefersDark();
}

QPalette ThemeManager::lightPalette()
{
    return buildPalette({
        .window = QColor::fromRgb(0xFAFBFA),
        .windowText = QColor::fromRgb(0x1B2D26),
        .base = QColor::fromRgb(0xFFFFFF),
        .alternateBase = QColor::fromRgb(0xF2F7F4),
        .text = QColor::fromRgb(0x1B2D26),
        .button = QColor::fromRgb(0xE0EBE5),
        .buttonText = QColor::fromRgb(0x1B2D26),
        .highlight = QColor::fromRgb(0x00897B),
        .highlightedText = QColor::fromRgb(0xFFFFFF),
        .toolTipBase = QColor::fromRgb(0xFFFFFF),
        .toolTipText = QColor::fromRgb(0x1B2D26),
        .placeholderText = QColor::fromRgb(0x6E8A7E),
        .mid = QColor::fromRgb(0xD8E0DB),
        .light = QColor::fromRgb(0xFFFFFF),
        .dark = QColor::fromRgb(0x9BB0A3),
        .disabledText = QColor::fromRgb(0xA0B5A8),
    });
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette({
        .window = QColor::fromRgb(0x0F1E19),
        .windowText = QColor::fromRgb(0xD8E8DF),
        .base = QColor::fromRgb(0x152420),
        .alternateBase = QColor::fromRgb(0x1A2E28),
        .text = QColor::fromRgb(0xD8E8DF),
        .button = QColor::fromRgb(0x1E3530),
        .buttonText = QColor::fromRgb(0xD8E8DF),
        .highlight = QColor::fromRgb(0x4DB6AC),
        .highlightedText = QColor::fromRgb(0x0F1E19),
        .toolTipBase = QColor::fromRgb(0x1E3530),
        .toolTipText = QColor::fromRgb(0xD8E8DF),
        .placeholderText = QColor::fromRgb(0x8FAF9F),
        .mid = QColor::fromRgb(0x2A4038),
        .light = QColor::fromRgb(0x2A4038),
        .dark = QColor::fromRgb(0x0A1510),
        .disabledText = QColor::fromRgb(0x3A5A4A),
    });
}

void ThemeManager::setTheme(const QString& name)
{
    m_theme = themeFromName(name);
    const bool dark = m_theme == Theme::Dark || (m_theme == Theme::System && platformPrefersDark());
    applyPalette(dark ? darkPalette() : lightPalette());
    if (!m_preferences->set(themeKey, themeName(m_theme)))
        qWarning("ThemeManager: the theme could not be remembered for the next start");
    Q_EMIT themeChanged(m_theme);
}

bool ThemeManager::platformPrefersDark()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    return QGuiApplication::styleHints()->colorScheme() == Qt::ColorScheme::Dark;
#else
    // Before Qt 6.5 the platform's colour scheme has no public query. The
    // application palette Qt starts with is the platform theme's own palette
    // (a dark Window colour under a dark desktop scheme), so its Window
    // colour, read once before any palette of ours replaces it, tells the
    // scheme. The first manager is created before any window, hence this
    // snapshot is the platform's; a scheme changed while the program runs
    // is seen at the next start.
    static const bool darkAtStart = Palette::isDark();
    return darkAtStart;
#endif
}

void ThemeManager::applyPalette(const QPalette& palette)
{
    QApplication::setPalette(palette);
    // Setting the same font again makes every widget polish itself anew, so
    // style sheets and custom colours pick up the new palette.
    QApplication::setFont(QApplication::font());
}
