// Any form at all, rows and texts built from the fuzz bytes: a refusal
// leaves the result alone, a chart holds together.
#include <cmath>

#include "FuzzInput.h"
#include "charts/DivisionalRules.h"
#include "model/TimeZoneTable.h"
#include "pipeline/ChartCaptions.h"
#include "pipeline/ComputeChart.h"

namespace amsaview::fuzz {
namespace {

FormInput FormFrom(FuzzInput& input) {
    FormInput form;
    form.name = input.Text();
    form.monthRow = input.Row(12);
    form.dayRow = input.Row(31);
    form.yearRow = input.Row(kLastYear - kFirstYear + 1);
    form.hourRow = input.Row(24);
    form.minuteRow = input.Row(60);
    form.secondRow = input.Row(60);
    form.lonDegrees = input.Text();
    form.lonMinutes = input.Text();
    form.east = input.Flag();
    form.latDegrees = input.Text();
    form.latMinutes = input.Text();
    form.south = input.Flag();
    form.city = input.Text();
    form.state = input.Text();
    form.country = input.Text();
    form.zoneRow = input.Flag() ? std::optional<int>(input.Row(kTimeZoneCount)) : std::nullopt;
    form.dst = input.Flag();
    return form;
}

std::size_t NamesIn(std::span<const std::string, kSignCount> boxes) {
    std::size_t names = 0;
    for (const std::string& box : boxes) {
        for (std::size_t at = box.find("\r\n"); at != std::string::npos;
             at = box.find("\r\n", at + 2)) {
            ++names;
        }
    }
    return names;
}

void CheckChart(const ChartResult& result) {
    const ChartPositions& positions = result.positions;
    Require(std::isfinite(positions.ayanamsa));
    for (const double longitude : positions.siderealLongitude) {
        Require(std::isfinite(longitude) && longitude >= 0 && longitude < 360);
    }
    Require(std::isfinite(positions.ascendant) && positions.ascendant >= 0 &&
            positions.ascendant < 360);
    for (const std::string& text : positions.positionText) {
        Require(text.size() == 9);
    }
    Require(NamesIn(RashiCaptions(result.placements)) == kBodyCount);
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        Require(NamesIn(DivisionalCaptions(result.placements, chart)) == kBodyCount);
    }
}

}  // namespace
}  // namespace amsaview::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace amsaview;
    fuzz::FuzzInput input(data, size);
    const FormInput form = fuzz::FormFrom(input);

    ChartResult result;
    result.birth.name = "EARLIER";
    const ChartResult earlier = result;
    if (const auto failure = ComputeChart(form, result)) {
        fuzz::Require(!failure->message.empty() && result == earlier);
        return 0;
    }
    fuzz::CheckChart(result);
    return 0;
}
