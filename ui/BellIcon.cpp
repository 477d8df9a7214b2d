#include "ui/BellIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tollix {

// Drawn on a grid of 64 and scaled, so every size is sharp.
QImage drawBell(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(0x2b, 0x5f, 0x93));
    sky.setColorAt(1, QColor(0x1d, 0x46, 0x70));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 13, 13);

    QPainterPath bell;
    bell.moveTo(32, 11);
    bell.cubicTo(44, 11, 46.5, 21, 46.5, 31);
    bell.lineTo(47.5, 41);
    bell.cubicTo(48.5, 45, 52.5, 46.5, 54, 48.5);
    bell.lineTo(10, 48.5);
    bell.cubicTo(11.5, 46.5, 15.5, 45, 16.5, 41);
    bell.lineTo(17.5, 31);
    bell.cubicTo(17.5, 21, 20, 11, 32, 11);
    QLinearGradient gold(16, 0, 48, 0);
    gold.setColorAt(0, QColor(0xf6, 0xc3, 0x3c));
    gold.setColorAt(0.35, QColor(0xff, 0xe6, 0x8a));
    gold.setColorAt(1, QColor(0xc8, 0x8a, 0x12));
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x05), 1.6));
    p.setBrush(gold);
    p.drawPath(bell);
    p.drawRoundedRect(QRectF(9, 47.5, 46, 5.5), 2.5, 2.5);
    p.drawEllipse(QPointF(32, 56.5), 4, 4);
    p.drawEllipse(QPointF(32, 9), 3, 3);
    return image;
}

QIcon bellIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(drawBell(size)));
    return icon;
}

}  // namespace tollix
