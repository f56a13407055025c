#pragma once

#include <QRgb>

namespace amsaview {

inline constexpr QRgb kPanelBackground = qRgb(199, 121, 50);
inline constexpr QRgb kChartFrameText = qRgb(128, 128, 128);
inline constexpr QRgb kChartTitle = qRgb(0, 255, 255);
inline constexpr QRgb kHeading = qRgb(0, 255, 255);
inline constexpr QRgb kBoxText = qRgb(255, 255, 255);
inline constexpr QRgb kValueText = qRgb(255, 255, 255);
inline constexpr QRgb kCaptionText = qRgb(255, 255, 192);  // light yellow
inline constexpr QRgb kChartHeader = qRgb(255, 255, 0);

}  // namespace amsaview
