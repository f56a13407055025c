#include "pipeline/ComputeChart.h"

#include <cstdlib>

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
    Zone_Calculation(form.zoneRow, birth);
    birth.month = static_cast<std::int16_t>(form.monthRow + 1);
    birth.day = static_cast<std::int16_t>(form.dayRow + 1);
    birth.year = static_cast<std::int16_t>(kFirstYear + form.yearRow);
    birth.hour = static_cast<std::int16_t>(form.hourRow);
    birth.minute = static_cast<std::int16_t>(form.minuteRow);
    birth.zoneHours = static_cast<std::int16_t>(std::abs(birth.zoneToUtHours));
    birth.zoneMinutes = static_cast<std::int16_t>(std::abs(birth.zoneToUtMinutes));
    birth.lonDegrees = Whole(form.lonDegrees);
    birth.lonMinutes = Whole(form.lonMinutes);
    birth.latDegrees = Whole(form.latDegrees);
    birth.latMinutes = Whole(form.latMinutes);
    birth.isEast = form.east;
    birth.isSouth = form.south;
    birth.dst = form.dst;
    birth.city = form.city;
    birth.state = form.state;
    birth.country = form.country;
}

}  // namespace

std::optional<ValidationFailure> ComputeChart(const FormInput& form, ChartResult& result) {
    if (auto failure = ValidateBirthData(form)) {
        return failure;
    }
    RefillPlainNames(result.names);
    CopyFormToBirthData(form, result.birth);

    ComputeAscendant(result.birth, result.positions);
    ComputeVedicDetails(result.birth, result.positions);
    ComputePlanets(result.birth, result.positions);
    MarkRetrogrades(result.birth, result.positions, result.names);

    FillResultTexts(result.birth, result.positions, result.texts);
    FillRashiChart(result.positions, result.names, result.boxes);
    PlaceDivisionalCharts(result.positions, result.names, result.boxes);
    return std::nullopt;
}

}  // namespace amsaview
