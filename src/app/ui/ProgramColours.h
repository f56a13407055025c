#pragma once

#include <QColor>

namespace amsaview {

// The program's colours: light texts on brown panels.
inline constexpr QRgb kPanelBrown = qRgb(199, 121, 50);
inline constexpr QRgb kLightYellowText = qRgb(255, 255, 192);
inline constexpr QRgb kCyanText = qRgb(0, 255, 255);
inline constexpr QRgb kYellowText = qRgb(255, 255, 0);
inline constexpr QRgb kWhiteText = qRgb(255, 255, 255);
inline constexpr QRgb kChartFrameText = qRgb(128, 128, 128);

}  // namespace amsaview
