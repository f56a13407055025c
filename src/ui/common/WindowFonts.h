#pragma once

#include <QFont>

namespace amsaview {

// The fonts the windows were composed with, each followed by a metric
// look-alike that Linux desktops ship.
inline QFont FontOf(const QString& family, const QString& lookAlike, double points,
                    bool bold = false) {
    QFont font;
    font.setFamilies({family, lookAlike, QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

inline QFont SansSerifFont(double points = 8.0, bool bold = false) {
    return FontOf(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), points, bold);
}

inline QFont VerdanaFont(double points = 8.0, bool bold = false) {
    return FontOf(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), points, bold);
}

}  // namespace amsaview
