#pragma once

#include <QRect>

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

}  // namespace amsaview
