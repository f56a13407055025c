#include "pipeline/ComputeChart.h"

#include "astro/Ascendant.h"
#include "astro/Planets.h"
#include "charts/DivisionalCharts.h"
#include "charts/RashiChart.h"
#include "model/TextUtil.h"
#include "model/TimeZoneTable.h"
#include "pipeline/ValidateBirthData.h"
#include "retro/Retrograde.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

std::int16_t Whole(const std::string& text) {
    return static_cast<std::int16_t>(ParseWholeNumber(text).value_or(0));
}

void CopyFormToBirthData(const FormInput& form, BirthData& birth) {
    birth.name = form.name;
    // With no row selected the standard offset stays that of the last chart.
    const std::int32_t lastStandard =
        birth.utcOffsetSeconds - (birth.dst ? kDaylightSavingSeconds : 0);
    birth.utcOffsetSeconds =
        form.exactClock ? form.exactClock->utcOffsetSeconds
                        : UtcOffsetOfRow(form.zoneRow, form.dst)
                              .value_or(lastStandard + (form.dst ? kDaylightSavingSeconds : 0));
    birth.month = static_cast<std::int16_t>(form.monthRow + 1);
    birth.day = static_cast<std::int16_t>(form.dayRow + 1);
    birth.year = static_cast<std::int16_t>(kFirstYear + form.yearRow);
    birth.hour = static_cast<std::int16_t>(form.hourRow);
    birth.minute = static_cast<std::int16_t>(form.minuteRow);
    birth.lonDegrees = Whole(form.lonDegrees);
    birth.lonMinutes = Whole(form.lonMinutes);
    birth.latDegrees = Whole(form.latDegrees);
    birth.latMinutes = Whole(form.latMinutes);
    birth.isEast = form.east;
    birth.isSouth = form.south;
    birth.dst = !form.exactClock && form.dst;
    birth.city = form.city;
    birth.state = form.state;
    birth.country = form.country;
}

}  // namespace

std::optional<ValidationFailure> ComputeChart(const FormInput& form, ChartResult& result) {
    if (auto failure = ValidateBirthData(form)) {
        return failure;
    }
    CopyFormToBirthData(form, result.birth);

    ComputeAscendant(result.birth, result.positions);
    ComputeVedicDetails(result.birth, result.positions);
    ComputePlanets(result.birth, result.positions);
    MarkRetrogrades(result.birth, result.positions);

    FillResultTexts(result.birth, result.positions, result.texts);
    PlaceRashiChart(result.positions, result.placements.rashi);
    PlaceDivisionalCharts(result.positions, result.placements.divisional);
    return std::nullopt;
}

}  // namespace amsaview
