#include "charts/DivisionalCharts.h"

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

void Place(const DivisionalChart& chart, const BodyPositions& bodies,
           const ChartPositions& positions, ChartPlacement& placement) {
    for (SignBox& box : placement.signs) {
        box.clear();
    }
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        const SignPosition& at = bodies[slot];
        const int sign = chart.targetSign(at.sign, PartOf(chart, at.minuteInSign)) % kSignCount;
        const auto body = static_cast<Body>(slot);
        placement.signs[static_cast<std::size_t>(sign)].add(
            {body, IsMarkedRetrograde(positions, body)});
    }
}

}  // namespace

void PlaceDivisionalChart(const DivisionalChart& chart, const ChartPositions& positions,
                          ChartPlacement& placement) {
    Place(chart, ReadBodies(positions), positions, placement);
}

void PlaceDivisionalCharts(const ChartPositions& positions,
                           std::array<ChartPlacement, kDivisionalChartCount>& charts) {
    // Read once: the texts are the same for all the charts.
    const BodyPositions bodies = ReadBodies(positions);
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        Place(kDivisionalCharts[chart], bodies, positions, charts[chart]);
    }
}

}  // namespace amsaview
