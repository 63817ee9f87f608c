#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The program's named colours and fonts. A colour with a light and a dark
// variant follows the application palette the theme installed, read at the
// moment it is asked for; the sidebar is dark in both themes and keeps one
// set of colours. Screens take every colour from here by its role.
class Palette
{
public:
    // True while the application palette is a dark one (its Window colour
    // has a lightness below 128).
    static bool isDark();

    // Money going out and coming in: payments, deposits and balances.
    static QColor negative();
    static QColor positive();
    // Something wants the user's attention, such as recurring entries due.
    static QColor warning();
    // A recurring transaction that is due to be posted.
    static QColor due();
    // Secondary text in both themes: memos, placeholders, subtitles.
    static QColor muted();
    // Keyboard hints and the sidebar's headings.
    static QColor hint();
    // The background of the register row being typed or edited.
    static QColor bufferRow();

    // Links and glyph icons on any background.
    static QColor link();
    static QColor glyph();
    // The filled button of a page's main action, with white text.
    static QColor primaryButton();
    static QColor primaryButtonHover();
    static QColor primaryButtonPressed();
    // The outlined button of a page's second action: its text and border,
    // then its background under the mouse and while pressed.
    static QColor outlineButton();
    static QColor outlineButtonHover();
    static QColor outlineButtonPressed();
    // The filled button of an action that cannot be undone, with white text.
    static QColor dangerButton();
    static QColor dangerButtonHover();
    // A small word that marks someone's role, such as a group's owner.
    static QColor roleBadge();
    // The square behind a feature's glyph on the welcome page.
    static QColor badgeBackground();
    static QColor badgeText();

    // The sidebar: its list, rows and totals line.
    static QColor sidebarBackground();
    static QColor sidebarText();
    static QColor sidebarHover();
    static QColor sidebarSelection();
    static QColor sidebarBrightText();
    static QColor sidebarHeading();
    static QColor sidebarNegative();
    static QColor sidebarPositive();
    static QColor totalsBackground();
    static QColor totalsBorder();

    // A settings page's list of sections: its background, rows, the row
    // under the mouse, the chosen row and its text, and the rows' glyphs.
    static QColor navigationBackground();
    static QColor navigationText();
    static QColor navigationHover();
    static QColor navigationSelection();
    static QColor navigationSelectedText();
    static QColor navigationIcon();
    // The welcome page's tagline and descriptions.
    static QColor welcomeText();
    // The status bar's labels.
    static QColor statusText();

    // A colour as the style sheets spell it: "#RRGGBB".
    static QString styleName(const QColor& color);
    // The style sheet that sets a label's text colour.
    static QString textColorStyle(const QColor& color);

    // The application font `pointSizeDelta` points larger, in `weight`.
    static QFont adjustedFont(int pointSizeDelta, QFont::Weight weight);
    // Small print: two points below the application font, never below 7.
    static QFont smallFont();

    // The family of the glyph font the application registers at start.
    static QString iconFontFamily();
    // The glyph font at `pixelSize` pixels.
    static QFont iconFont(int pixelSize);
};
