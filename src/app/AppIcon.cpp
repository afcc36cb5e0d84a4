#include "app/AppIcon.h"

#include <QPainter>
#include <QPixmap>

QIcon AppIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 64.0, size / 64.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0x2f, 0x4f, 0x6f));  // printer body
        painter.drawRoundedRect(QRectF(4, 22, 56, 30), 6, 6);
        painter.setBrush(QColor(0xf5, 0xf2, 0xe8));  // the label
        painter.drawRect(QRectF(14, 6, 36, 26));
        painter.setBrush(QColor(0x20, 0x20, 0x20));  // a barcode on it
        for (const int x : {18, 22, 24, 29, 33, 35, 40, 44}) {
            painter.drawRect(QRectF(x, 10, x % 3 == 0 ? 2.5 : 1.5, 14));
        }
        painter.setBrush(QColor(0x7c, 0xc4, 0x6a));  // ready lamp
        painter.drawEllipse(QPointF(50, 42), 3.5, 3.5);
        icon.addPixmap(pixmap);
    }
    return icon;
}
