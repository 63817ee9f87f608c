#include "widgets/glyphicon.h"

#include "widgets/palette.h"

#include <QFont>
#include <QLabel>
#include <QPainter>

QPixmap GlyphIcon::pixmap(char16_t codepoint, int pixelSize, const QColor& color)
{
    QPixmap pixmap(pixelSize, pixelSize);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(Palette::iconFont(pixelSize));
    painter.setPen(color);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(codepoint)));
    return pixmap;
}

QLabel* GlyphIcon::label(char16_t codepoint, int pixelSize, QWidget* parent)
{
    auto* label = new QLabel(QString(QChar(codepoint)), parent);
    label->setFont(Palette::iconFont(pixelSize));
    label->setStyleSheet(Palette::textColorStyle(Palette::glyph()));
    return label;
}
