#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/ChartPositions.h"
#include "model/DisplayNames.h"

namespace amsaview::test {

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

inline DisplayNames PlainNames() {
    DisplayNames names;
    RefillPlainNames(names);
    return names;
}

}  // namespace amsaview::test
