#include "pipeline/ComputeChart.h"

#include <memory>
#include <stdexcept>

#include "charts/DivisionalCharts.h"
#include "charts/ExactVargas.h"
#include "charts/RashiChart.h"
#include "model/TextUtil.h"
#include "model/TimeZoneTable.h"
#include "pipeline/KeyFilters.h"
#include "pipeline/ValidateBirthData.h"

namespace amsaview {
namespace {

std::int16_t Whole(const std::string& text) {
    return static_cast<std::int16_t>(ParseWholeNumber(text).value_or(0));
}

// "Central European Time,CET,+1.0" -> "Central European Time (CET)".
std::string RowClockName(std::optional<int> row) {
    if (!row || *row < 0 || *row >= kTimeZoneCount) {
        return {};
    }
    const std::string_view text = TimeZoneTable[static_cast<std::size_t>(*row)].listText;
    const std::size_t first = text.find(',');
    const std::size_t second = text.find(',', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) {
        return std::string(text);
    }
    return std::string(TrimBlanks(text.substr(0, first))) + " (" +
           std::string(TrimBlanks(text.substr(first + 1, second - first - 1))) + ")";
}

void CopyFormToBirthData(const FormInput& form, BirthData& birth) {
    // A birth file may keep small letters; the chart writes names as the box does.
    birth.name = FilterNameUtf8(form.name).text;
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
    birth.second = static_cast<std::int16_t>(form.secondRow);
    birth.lonDegrees = Whole(form.lonDegrees);
    birth.lonMinutes = Whole(form.lonMinutes);
    birth.latDegrees = Whole(form.latDegrees);
    birth.latMinutes = Whole(form.latMinutes);
    birth.isEast = form.east;
    birth.isSouth = form.south;
    birth.dst = !form.exactClock && form.dst;
    birth.clockIsExact = form.exactClock.has_value();
    birth.clockName = form.exactClock ? form.exactClock->description : RowClockName(form.zoneRow);
    birth.city = form.city;
    birth.state = form.state;
    birth.country = form.country;
}

ValidationFailure SourceFailure(const std::exception& error) {
    return {error.what(), MessageIcon::Critical, FormField::None};
}

// The form has passed ValidateBirthData.
std::optional<ValidationFailure> ComputeValidated(const FormInput& form,
                                                  const PositionSource& source, ChartResult& result,
                                                  const CalculationOptions& options) {
    BirthData birth = result.birth;
    CopyFormToBirthData(form, birth);
    ChartPositions positions = result.positions;
    try {
        source.Compute(birth, positions);
    } catch (const std::runtime_error& error) {
        return SourceFailure(error);
    }

    result.birth = std::move(birth);
    result.positions = std::move(positions);
    result.method = source.Settings();
    result.options = options;
    FillResultTexts(result.birth, result.positions, result.texts);
    PlaceRashiChart(result.positions, result.placements.rashi);
    PlaceDivisionalCharts(result.positions, result.placements.divisional);
    PlaceExactVargas(result.positions, result.placements.exact);
    return std::nullopt;
}

}  // namespace

std::optional<ValidationFailure> ComputeChart(const FormInput& form, const PositionSource& source,
                                              ChartResult& result,
                                              const CalculationOptions& options) {
    if (auto failure = ValidateBirthData(form)) {
        return failure;
    }
    return ComputeValidated(form, source, result, options);
}

std::optional<ValidationFailure> ComputeChart(const FormInput& form,
                                              const EphemerisSettings& settings,
                                              ChartResult& result,
                                              const CalculationOptions& options) {
    if (auto failure = ValidateBirthData(form)) {
        return failure;
    }
    if (settings.kind == EphemerisKind::BuiltIn) {
        return ComputeValidated(form, BuiltInPositionSource(), result, options);
    }
    std::unique_ptr<PositionSource> source;
    try {
        source = MakePositionSource(settings);
    } catch (const std::runtime_error& error) {
        return SourceFailure(error);
    }
    return ComputeValidated(form, *source, result, options);
}

std::optional<ValidationFailure> ComputeChart(const FormInput& form, ChartResult& result) {
    return ComputeChart(form, BuiltInPositionSource(), result);
}

}  // namespace amsaview
