#include "export/ChartOrnament.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>

namespace amsaview {
namespace {

struct Petal {
    double degreesFromUpright;
    double length;  // share of the ornament's height
    double width;   // share of the length
};

// Outer petals first so that the inner ones overlap them.
constexpr std::array<Petal, 7> kPetals = {{
    {-75, 0.52, 0.30},
    {75, 0.52, 0.30},
    {-48, 0.66, 0.32},
    {48, 0.66, 0.32},
    {-22, 0.76, 0.34},
    {22, 0.76, 0.34},
    {0, 0.84, 0.36},
}};

QPainterPath PetalPath(QPointF base, const Petal& petal, double height) {
    const double angle = petal.degreesFromUpright * std::numbers::pi / 180.0;
    const double length = petal.length * height;
    const QPointF along(std::sin(angle), -std::cos(angle));
    const QPointF across(-along.y(), along.x());
    const QPointF tip = base + along * length;
    const QPointF bulge = base + along * (length * 0.45);
    const double halfWidth = petal.width * length;
    QPainterPath path(base);
    path.cubicTo(bulge + across * halfWidth,
                 tip - along * (length * 0.15) + across * halfWidth * 0.3, tip);
    path.cubicTo(tip - along * (length * 0.15) - across * halfWidth * 0.3,
                 bulge - across * halfWidth, base);
    return path;
}

void DrawSun(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0.0, QColor(255, 236, 140));
    glow.setColorAt(0.6, QColor(255, 200, 60, 200));
    glow.setColorAt(1.0, QColor(255, 170, 40, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, radius, radius);
}

void DrawWater(QPainter& painter, const QRectF& area, double waterTop) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(QColor(255, 240, 210, 170), area.height() * 0.025, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 3; ++line) {
        const double y = waterTop + line * area.height() * 0.07;
        const double left = area.left() + area.width() * (0.08 + 0.08 * line);
        const int segments = 8 - 2 * line;
        const double segmentWidth = (area.right() - left - (left - area.left())) / segments;
        QPainterPath wave(QPointF(left, y));
        for (int i = 0; i < segments; ++i) {
            const double crest = (i % 2 == 0 ? -0.03 : 0.03) * area.height();
            wave.quadTo(QPointF(left + (i + 0.5) * segmentWidth, y + crest),
                        QPointF(left + (i + 1) * segmentWidth, y));
        }
        painter.drawPath(wave);
    }
}

}  // namespace

void DrawChartOrnament(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double height = area.height();
    const QPointF base(area.center().x(), area.top() + height * 0.80);

    DrawSun(painter, QPointF(base.x(), base.y() - height * 0.50), height * 0.42);
    for (const Petal& petal : kPetals) {
        const QPainterPath path = PetalPath(base, petal, height);
        QLinearGradient shade(base, base - QPointF(0, petal.length * height));
        shade.setColorAt(0.0, QColor(250, 190, 200));
        shade.setColorAt(1.0, QColor(255, 246, 236));
        painter.setBrush(shade);
        painter.setPen(QPen(QColor(128, 40, 40), std::max(1.0, height * 0.012)));
        painter.drawPath(path);
    }
    DrawWater(painter, area, base.y() + height * 0.05);
    painter.restore();
}

}  // namespace amsaview
