#include "widgets/glyphicon.h"

#include "widgets/palette.h"

#include <QFont>
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
