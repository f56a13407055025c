#include "charts/RashiChart.h"

#include "astro/AngleText.h"
#include "charts/SignPosition.h"

namespace amsaview {
namespace {

std::optional<std::int16_t> SignOfBody(const ChartPositions& positions, Body body) {
    return FindSign(SignAbbreviationIn(positions.positionText[SlotOf(body)]));
}

void Add(ChartPlacement& chart, int sign, const ChartPositions& positions, Body body) {
    chart.signs[static_cast<std::size_t>(sign)].add({body, IsMarkedRetrograde(positions, body)});
}

}  // namespace

void PlaceRashiChart(const ChartPositions& positions, ChartPlacement& rashi) {
    for (SignBox& box : rashi.signs) {
        box.clear();
    }
    for (std::size_t slot = 0; slot < SlotOf(Body::Rahu); ++slot) {
        const auto body = static_cast<Body>(slot);
        if (const auto sign = SignOfBody(positions, body)) {
            Add(rashi, *sign, positions, body);
        }
    }
    // The nodes are always opposite each other, so Ketu follows Rahu rather
    // than its own text.
    if (const auto rahu = SignOfBody(positions, Body::Rahu)) {
        Add(rashi, *rahu, positions, Body::Rahu);
        Add(rashi, (*rahu + 6) % kSignCount, positions, Body::Ketu);
    }
    rashi.ascendant =
        FindSign(SignAbbreviationIn(ShortPositionText(positions.ascendantText))).value_or(kNoSign);
}

}  // namespace amsaview
