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

void Place(const DivisionalChart& chart, const ChartPositions& positions, const DisplayNames& names,
           ChartBoxes& boxes) {
    const std::span<std::string, kSignCount> chartBoxes(boxes.lblPlanet.data() + chart.slotBase,
                                                        kSignCount);
    for (std::string& box : chartBoxes) {
        box.clear();
    }
    for (std::size_t body = 0; body < kBodyCount; ++body) {
        const SignPosition at = ReadSignPosition(positions.positionText[body]);
        AppendToBox(chartBoxes[TargetSignOf(chart, at)], names.planetNames[body]);
    }
}

}  // namespace

void PlaceHora(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Hora"), positions, names, boxes);
}

void PlaceDrekkana(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Drekkana"), positions, names, boxes);
}

void PlaceChaturthamsa(const ChartPositions& positions, const DisplayNames& names,
                       ChartBoxes& boxes) {
    Place(ChartTitled("Chaturthamsa"), positions, names, boxes);
}

void PlaceSaptamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Saptamsa"), positions, names, boxes);
}

void PlaceNavamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Navamsa"), positions, names, boxes);
}

void PlaceDasamsa(const ChartPositions& positions, const DisplayNames& names, ChartBoxes& boxes) {
    Place(ChartTitled("Dasamsa"), positions, names, boxes);
}

void PlaceDwadasamsa(const ChartPositions& positions, const DisplayNames& names,
                     ChartBoxes& boxes) {
    Place(ChartTitled("Dwadasamsa"), positions, names, boxes);
}

void PlaceDivisionalCharts(const ChartPositions& positions, const DisplayNames& names,
                           ChartBoxes& boxes) {
    PlaceHora(positions, names, boxes);
    PlaceChaturthamsa(positions, names, boxes);
    PlaceDrekkana(positions, names, boxes);
    PlaceSaptamsa(positions, names, boxes);
    PlaceNavamsa(positions, names, boxes);
    PlaceDasamsa(positions, names, boxes);
    PlaceDwadasamsa(positions, names, boxes);
}

}  // namespace amsaview
