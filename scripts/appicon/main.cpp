// Draws the program icon, src/resources/icons/app_icon.png: a ledger page
// on a kestrel-brown checkbook cover, with a green check mark for a
// balanced register. The smaller sizes installed for desktop menus,
// dist/icons/app_icon_<size>.png, are the same drawing scaled. Run it again
// and commit the PNGs when the design changes:
//
//   cmake -S scripts/appicon -B /tmp/appicon -G Ninja && cmake --build /tmp/appicon
//   QT_QPA_PLATFORM=offscreen /tmp/appicon/appicon src/resources/icons/app_icon.png
//   for size in 16 24 32 48 64 128; do
//     QT_QPA_PLATFORM=offscreen /tmp/appicon/appicon dist/icons/app_icon_$size.png $size
//   done

#include <QByteArray>
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <cstdio>

namespace {

constexpr int iconSize = 256;

const QColor coverLight(0xA8, 0x62, 0x32);
const QColor coverDark(0x6E, 0x3B, 0x1A);
const QColor paper(0xFB, 0xF7, 0xEE);
const QColor paperShade(0xEC, 0xE4, 0xD3);
const QColor ruleLine(0xC9, 0xD6, 0xCF);
const QColor marginLine(0xD9, 0x8C, 0x5F);
const QColor ink(0x6E, 0x8A, 0x7E);
const QColor checkGreen(0x2E, 0x7D, 0x32);

void drawCover(QPainter& painter)
{
    const QRectF cover(16, 24, 224, 208);
    QLinearGradient leather(cover.topLeft(), cover.bottomRight());
    leather.setColorAt(0, coverLight);
    leather.setColorAt(1, coverDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(leather);
    painter.drawRoundedRect(cover, 28, 28);

    // Stitching along the spine.
    QPen stitch(QColor(0xF3, 0xD9, 0xB1, 170), 3, Qt::CustomDashLine, Qt::RoundCap);
    stitch.setDashPattern({2.5, 3.0});
    painter.setPen(stitch);
    painter.drawLine(QPointF(34, 46), QPointF(34, 210));
}

void drawPage(QPainter& painter)
{
    const QRectF page(50, 40, 174, 176);
    painter.setPen(Qt::NoPen);
    painter.setBrush(paperShade);
    painter.drawRoundedRect(page.translated(0, 4), 14, 14);
    painter.setBrush(paper);
    painter.drawRoundedRect(page, 14, 14);

    // Ledger rules, a margin and an amount column.
    painter.setPen(QPen(ruleLine, 3, Qt::SolidLine, Qt::FlatCap));
    for (int y = 82; y <= 194; y += 22)
        painter.drawLine(QPointF(page.left() + 12, y), QPointF(page.right() - 12, y));
    painter.setPen(QPen(marginLine, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(82, 56), QPointF(82, 204));
    painter.setPen(QPen(ruleLine, 3, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(170, 56), QPointF(170, 204));

    // Entries written in the register.
    painter.setPen(QPen(ink, 6, Qt::SolidLine, Qt::RoundCap));
    const int entryWidths[] = {62, 48, 70, 40};
    int y = 71;
    for (int width : entryWidths) {
        painter.drawLine(QPointF(92, y), QPointF(92 + width, y));
        painter.drawLine(QPointF(180, y), QPointF(208, y));
        y += 22;
    }
}

void drawCheckBadge(QPainter& painter)
{
    const QPointF centre(192, 188);
    painter.setPen(QPen(paper, 8));
    painter.setBrush(checkGreen);
    painter.drawEllipse(centre, 38, 38);

    QPainterPath tick;
    tick.moveTo(centre + QPointF(-17, 1));
    tick.lineTo(centre + QPointF(-5, 13));
    tick.lineTo(centre + QPointF(18, -12));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(tick);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    const int size = argc == 3 ? QByteArray(argv[2]).toInt() : iconSize;
    if (argc < 2 || argc > 3 || size <= 0) {
        std::fprintf(stderr, "usage: appicon OUTPUT.png [SIZE]\n");
        return 2;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    // The drawing is laid out on a 256-pixel square; other sizes scale it.
    painter.scale(qreal(size) / iconSize, qreal(size) / iconSize);
    drawCover(painter);
    drawPage(painter);
    drawCheckBadge(painter);
    painter.end();
    if (!icon.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
