#include "ui/common/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>
#include <cmath>
#include <numbers>

#include "ui/common/ProgramColours.h"

namespace amsaview {
namespace {

constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
constexpr int kSignCount = 12;

QPixmap WheelPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const double radius = size / 2.0 - size / 16.0;
    const QPointF centre(size / 2.0, size / 2.0);
    painter.setPen(QPen(QColor(kLightYellowText), size / 24.0));
    painter.setBrush(QColor(kPanelBrown));
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, radius / 2.5, radius / 2.5);
    for (int sign = 0; sign < kSignCount; ++sign) {
        const double angle = sign * 2.0 * std::numbers::pi / kSignCount;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(centre + direction * (radius / 2.5), centre + direction * radius);
    }
    return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addPixmap(WheelPixmap(size));
    }
    return icon;
}

}  // namespace amsaview
