#pragma once

#include <QRect>
#include <QRectF>

namespace amsaview {

// Window geometry is laid out in twips (1/1440 inch). At 96 DPI a pixel is 15
// twips; Qt scales these device-independent pixels on high-DPI screens.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

// For drawing, where a fraction of a pixel still lands on a sharper screen.
constexpr QRectF TwipsRectF(int left, int top, int width, int height) {
    constexpr double kScale = 1.0 / kTwipsPerPixel;
    return {left * kScale, top * kScale, width * kScale, height * kScale};
}

}  // namespace amsaview
