#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "cli/JsonNumber.h"
#include "pipeline/ChartReport.h"

// What the structured keys (ascendant, bodies, vargas) are written from, and
// their compact forms for the batch: written whole at a pointer, as rapidjson
// would write them token by token, only many times faster.
namespace amsaview::json {

// A number as the JSON writes it, made once where two keys carry it.
struct NumberText {
    std::array<char, kJsonNumberRoom> text{};
    std::size_t size = 0;

    explicit NumberText(double value)
        : size(static_cast<std::size_t>(WriteJsonNumber(value, text.data()) - text.data())) {}
    std::string_view view() const { return {text.data(), size}; }
};

using LongitudeTexts = std::array<NumberText, kBodyCount>;
LongitudeTexts LongitudeTextsOf(const ChartPositions& positions);

// Where a longitude stands: its sign, the degrees within it, its nakshatra
// and pada; sign kNoSign for a longitude that is not a number of the circle.
struct Standing {
    std::int16_t sign = kNoSign;
    double degreeInSign = 0.0;
    int nakshatra = 0;
    int pada = 0;
};
Standing StandingOf(double longitude);

inline constexpr std::array<std::string_view, kSignCount> kQuotedSigns = {
    "\"Ari\"", "\"Tau\"", "\"Gem\"", "\"Can\"", "\"Leo\"", "\"Vir\"",
    "\"Lib\"", "\"Sco\"", "\"Sag\"", "\"Cap\"", "\"Aqu\"", "\"Pis\""};

// The bodies in the order of their names, as the sorted keys of a varga put
// them after "Asc".
inline constexpr std::array<Body, kBodyCount> kBodiesByName = {
    Body::Jupiter, Body::Ketu,   Body::Mars, Body::Mercury, Body::Moon,
    Body::Rahu,    Body::Saturn, Body::Sun,  Body::Venus};

// The charts in the order of their ids, and of their titles: the JSON's
// keys are sorted, as Qt's writer sorts them.
const std::array<std::size_t, kChartKinds.size()>& ChartsById();
const std::array<std::size_t, kChartKinds.size()>& ChartsByTitle();

// Room for each compact form, with the slack its fixed-size copies need.
inline constexpr std::size_t kAscendantRoom = 256;
inline constexpr std::size_t kBodiesRoom = 3072;
inline constexpr std::size_t kVargasRoom = 64 + 512 * kChartKinds.size();

char* CompactAscendant(char* out, const Standing& at, const NumberText& longitude);
char* CompactBodies(char* out, const ChartPositions& positions, const LongitudeTexts& longitudes);
char* CompactVargas(char* out, const ReportCharts& charts);

}  // namespace amsaview::json
