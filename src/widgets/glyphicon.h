#pragma once

#include <QColor>
#include <QPixmap>

class QLabel;
class QWidget;

// Icons are glyphs of the icon font (Palette::iconFontFamily), which the
// application registers from its resources at start.
class GlyphIcon
{
public:
    // A transparent square pixmap of `pixelSize` with the glyph `codepoint`
    // drawn centred and antialiased in `color`.
    static QPixmap pixmap(char16_t codepoint, int pixelSize, const QColor& color);
    // A label showing the glyph `codepoint` at `pixelSize` pixels in the
    // palette's glyph colour.
    static QLabel* label(char16_t codepoint, int pixelSize, QWidget* parent);
};
