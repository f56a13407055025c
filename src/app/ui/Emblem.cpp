#include "app/ui/Emblem.h"

#include <QPainter>
#include <QPixmap>
#include <QRadialGradient>

namespace amsaview {

void DrawEmblem(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double side = std::min(area.width(), area.height());
    const QRectF square(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    const double cell = side / 4;

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 54, 14));
    painter.drawRoundedRect(square, side * 0.08, side * 0.08);

    painter.setPen(QPen(QColor(255, 236, 200), std::max(1.0, side * 0.035)));
    painter.setBrush(Qt::NoBrush);
    const QRectF rim = square.adjusted(side * 0.06, side * 0.06, -side * 0.06, -side * 0.06);
    const double step = rim.width() / 4;
    painter.drawRect(rim);
    painter.drawRect(rim.adjusted(step, step, -step, -step));
    // Inside the rim only the outer row and column carry dividing lines.
    for (int line = 1; line < 4; ++line) {
        const double x = rim.left() + line * step;
        const double y = rim.top() + line * step;
        painter.drawLine(QPointF(x, rim.top()), QPointF(x, rim.top() + step));
        painter.drawLine(QPointF(x, rim.bottom() - step), QPointF(x, rim.bottom()));
        painter.drawLine(QPointF(rim.left(), y), QPointF(rim.left() + step, y));
        painter.drawLine(QPointF(rim.right() - step, y), QPointF(rim.right(), y));
    }

    const QPointF centre = square.center();
    QRadialGradient sun(centre, cell * 0.9);
    sun.setColorAt(0.0, QColor(255, 244, 170));
    sun.setColorAt(0.7, QColor(255, 190, 40));
    sun.setColorAt(1.0, QColor(230, 120, 20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(centre, cell * 0.7, cell * 0.7);
    painter.restore();
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        DrawEmblem(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace amsaview
