#include "charts/DivisionalCharts.h"

#include "astro/AngleText.h"
#include "charts/SignPosition.h"

namespace amsaview {
namespace {

using BodyPositions = std::array<SignPosition, kBodyCount>;

BodyPositions ReadBodies(const ChartPositions& positions) {
    BodyPositions bodies;
    for (std::size_t body = 0; body < kBodyCount; ++body) {
        bodies[body] = ReadSignPosition(positions.positionText[body]);
    }
    return bodies;
}

std::int16_t TargetSign(const DivisionalChart& chart, const SignPosition& at) {
    return static_cast<std::int16_t>(chart.targetSign(at.sign, PartOf(chart, at.minuteInSign)) %
                                     kSignCount);
}

// The Lagna goes by its short text, as the bodies do.
SignPosition ReadAscendant(const ChartPositions& positions) {
    return ReadSignPosition(ShortPositionText(positions.ascendantText));
}

void Place(const DivisionalChart& chart, const BodyPositions& bodies, const SignPosition& ascendant,
           const ChartPositions& positions, ChartPlacement& placement) {
    for (SignBox& box : placement.signs) {
        box.clear();
    }
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        const auto body = static_cast<Body>(slot);
        placement.signs[static_cast<std::size_t>(TargetSign(chart, bodies[slot]))].add(
            {body, IsMarkedRetrograde(positions, body)});
    }
    placement.ascendant = TargetSign(chart, ascendant);
}

}  // namespace

void PlaceDivisionalChart(const DivisionalChart& chart, const ChartPositions& positions,
                          ChartPlacement& placement) {
    Place(chart, ReadBodies(positions), ReadAscendant(positions), positions, placement);
}

void PlaceDivisionalCharts(const ChartPositions& positions,
                           std::array<ChartPlacement, kDivisionalChartCount>& charts) {
    // Read once: the texts are the same for all the charts.
    const BodyPositions bodies = ReadBodies(positions);
    const SignPosition ascendant = ReadAscendant(positions);
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        Place(kDivisionalCharts[chart], bodies, ascendant, positions, charts[chart]);
    }
}

}  // namespace amsaview
