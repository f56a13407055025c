#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace amsaview {

// The program's colours: light texts on brown panels.
inline constexpr QRgb kPanelBrown = qRgb(199, 121, 50);
inline constexpr QRgb kLightYellowText = qRgb(255, 255, 192);
inline constexpr QRgb kCyanText = qRgb(0, 255, 255);
inline constexpr QRgb kYellowText = qRgb(255, 255, 0);
inline constexpr QRgb kWhiteText = qRgb(255, 255, 255);

// Sets one colour of a widget's palette; a background colour also fills it.
inline void SetColour(QWidget& widget, QPalette::ColorRole role, QRgb colour) {
    QPalette colours = widget.palette();
    colours.setColor(role, QColor(colour));
    widget.setPalette(colours);
    if (role == QPalette::Window) {
        widget.setAutoFillBackground(true);
    }
}

}  // namespace amsaview
