#include "charts/DivisionalCharts.h"

#include "charts/DivisionalRules.h"
#include "charts/SignPosition.h"

namespace amsaview {
namespace {

consteval const DivisionalChart& ChartTitled(std::string_view title) {
    for (const DivisionalChart& chart : kDivisionalCharts) {
        if (chart.title == title) {
            return chart;
        }
    }
    throw "no divisional chart of this title";
}

int TargetSignOf(const DivisionalChart& chart, const SignPosition& at) {
    return chart.targetSign(at.sign, PartOf(chart, at.minuteInSign)) % kSignCount;
}

using BodyPositions = std::array<SignPosition, kBodyCount>;

BodyPositions ReadBodies(const ChartPositions& positions) {
    BodyPositions bodies;
    for (std::size_t body = 0; body < kBodyCount; ++body) {
        bodies[body] = ReadSignPosition(positions.positionText[body]);
    }
    return bodies;
}

void Place(const DivisionalChart& chart, const BodyPositions& bodies, const DisplayNames& names,
           ChartBoxes& boxes) {
    const std::span<std::string, kSignCount> chartBoxes(boxes.lblPlanet.data() + chart.slotBase,
                                                        kSignCount);
    for (std::string& box : chartBoxes) {
        box.clear();
    }
    for (std::size_t body = 0; body < kBodyCount; ++body) {
        AppendToBox(chartBoxes[TargetSignOf(chart, bodies[body])], names.planetNames[body]);
    }
}

}  // namespace

void PlaceHora(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Hora"), ReadBodies(positions), names, boxes);
}

void PlaceDrekkana(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Drekkana"), ReadBodies(positions), names, boxes);
}

void PlaceChaturthamsa(const ChartPositions& positions, const DisplayNames& names,
                       ChartBoxes& boxes) {
    Place(ChartTitled("Chaturthamsa"), ReadBodies(positions), names, boxes);
}

void PlaceSaptamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Saptamsa"), ReadBodies(positions), names, boxes);
}

void PlaceNavamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Navamsa"), ReadBodies(positions), names, boxes);
}

void PlaceDasamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Dasamsa"), ReadBodies(positions), names, boxes);
}

void PlaceDwadasamsa(const ChartPositions& positions, const DisplayNames& names,
                     ChartBoxes& boxes) {
    Place(ChartTitled("Dwadasamsa"), ReadBodies(positions), names, boxes);
}

void PlaceDivisionalCharts(const ChartPositions& positions, const DisplayNames& names,
                           ChartBoxes& boxes) {
    constexpr std::array<const DivisionalChart*, kDivisionalChartCount> kPlacingOrder = {
        &ChartTitled("Hora"),      &ChartTitled("Chaturthamsa"), &ChartTitled("Drekkana"),
        &ChartTitled("Saptamsa"),  &ChartTitled("Navamsa"),      &ChartTitled("Dasamsa"),
        &ChartTitled("Dwadasamsa")};
    // Read once: the texts are the same for all seven charts.
    const BodyPositions bodies = ReadBodies(positions);
    for (const DivisionalChart* chart : kPlacingOrder) {
        Place(*chart, bodies, names, boxes);
    }
}

}  // namespace amsaview
