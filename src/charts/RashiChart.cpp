#include "charts/RashiChart.h"

#include "charts/SignPosition.h"

namespace amsaview {
namespace {

constexpr std::size_t kRahu = 7;
constexpr std::size_t kKetu = 8;

std::optional<std::int16_t> SignOfBody(const ChartPositions& positions, std::size_t body) {
    return FindSign(SignAbbreviationIn(positions.positionText[body]));
}

}  // namespace

void FillRashiChart(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    for (std::string& box : boxes.rashi) {
        box.clear();
    }
    for (std::size_t body = 0; body < kRahu; ++body) {
        if (const auto sign = SignOfBody(positions, body)) {
            AppendToBox(boxes.rashi[static_cast<std::size_t>(*sign)], names.vedicPlanetNames[body]);
        }
    }
    // The nodes are always opposite each other, so Ketu follows Rahu rather
    // than its own text.
    if (const auto rahu = SignOfBody(positions, kRahu)) {
        AppendToBox(boxes.rashi[static_cast<std::size_t>(*rahu)], names.vedicPlanetNames[kRahu]);
        AppendToBox(boxes.rashi[static_cast<std::size_t>((*rahu + 6) % kSignCount)],
                    names.vedicPlanetNames[kKetu]);
    }
}

}  // namespace amsaview
