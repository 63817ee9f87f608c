#pragma once

#include <QObject>
#include <QPalette>
#include <QString>

class PreferencesRepository;

// Chooses the program's palette (a green-tinted light one or a dark one)
// from the user's setting, installs it on the whole application, stores the
// choice in the preferences and announces it.
class ThemeManager : public QObject
{
    Q_OBJECT

public:
    enum class Theme {
        System = 0,
        Light = 1,
        Dark = 2,
    };
    Q_ENUM(Theme)

    // Starts as `System` without touching the application palette; the
    // first setTheme applies one.
    explicit ThemeManager(PreferencesRepository* preferences, QObject* parent = nullptr);

    Theme theme() const { return m_theme; }

    static QPalette lightPalette();
    static QPalette darkPalette();

public Q_SLOTS:
    // "light" and "dark" (exactly so) choose that palette; anything else is
    // "system" and follows the platform's colour scheme as it is now. Stores
    // the theme's name under "theme" and always emits themeChanged.
    void setTheme(const QString& name);

Q_SIGNALS:
    void themeChanged(ThemeManager::Theme theme);

private:
    static bool platformPrefersDark();
    static void applyPalette(const QPalette& palette);

    PreferencesRepository* m_preferences;
    Theme m_theme = Theme::System;
};
