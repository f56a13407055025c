#include "ProgramPositions.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "charts/DivisionalRules.h"
#include "charts/SignPosition.h"
#include "model/TimeZoneTable.h"
#include "pipeline/ComputeChart.h"

namespace accuracy {
namespace {

amsaview::FormInput FormFor(const Birth& birth) {
    amsaview::FormInput form;
    form.name = "Accuracy";
    form.monthRow = birth.month - 1;
    form.dayRow = birth.day - 1;
    form.yearRow = birth.year - amsaview::kFirstYear;
    form.hourRow = birth.hour;
    form.minuteRow = birth.minute;
    form.lonDegrees = std::to_string(birth.lonDegrees);
    form.lonMinutes = std::to_string(birth.lonMinutes);
    form.east = birth.east;
    form.latDegrees = std::to_string(birth.latDegrees);
    form.latMinutes = std::to_string(birth.latMinutes);
    form.south = birth.south;
    form.zoneRow = amsaview::kDefaultTimeZoneRow;
    return form;
}

const amsaview::DivisionalChart& NavamsaChart() {
    for (const amsaview::DivisionalChart& chart : amsaview::kDivisionalCharts) {
        if (chart.title == "Navamsa") {
            return chart;
        }
    }
    throw std::logic_error("the program has no Navamsa chart");
}

}  // namespace

ProgramPositions ComputeProgramPositions(const Birth& birth) {
    amsaview::ChartResult result;
    if (const auto failure = amsaview::ComputeChart(FormFor(birth), result)) {
        throw std::runtime_error("the program refused a birth: " + failure->message);
    }
    const amsaview::ChartPositions& positions = result.positions;
    ProgramPositions program;
    for (std::size_t body = 0; body < kBodyRows; ++body) {
        program.values[body] = positions.siderealLongitude[body];
        const amsaview::SignPosition at = amsaview::ReadSignPosition(positions.positionText[body]);
        const amsaview::DivisionalChart& navamsa = NavamsaChart();
        program.drawnNavamsa[body] =
            navamsa.targetSign(at.sign, amsaview::PartOf(navamsa, at.minuteInSign)) %
            amsaview::kSignCount;
    }
    program.values[kAscendantRow] = positions.ascendant;
    program.values[kAyanamsaRow] = std::fabs(positions.ayanamsa);
    return program;
}

}  // namespace accuracy
