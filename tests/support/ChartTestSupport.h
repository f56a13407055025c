#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/ChartPlacements.h"
#include "model/ChartPositions.h"

namespace amsaview::testing {

inline ChartPositions BodiesAt(const std::array<std::string_view, kBodyCount>& texts) {
    ChartPositions positions;
    for (std::size_t body = 0; body < texts.size(); ++body) {
        positions.positionText[body] = texts[body];
    }
    return positions;
}

inline ChartPositions AllBodiesAt(std::string_view text) {
    ChartPositions positions;
    positions.positionText.fill(std::string(text));
    return positions;
}

// A sign's bodies as "Sun Mercury(R) Ketu", for readable expectations.
inline std::string BodiesIn(const SignBox& box) {
    constexpr std::array<std::string_view, kBodyCount> kNames = {
        "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
    std::string text;
    for (const PlacedBody& placed : box.bodies()) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kNames[SlotOf(placed.body)];
        if (placed.retrograde) {
            text += "(R)";
        }
    }
    return text;
}

}  // namespace amsaview::testing
