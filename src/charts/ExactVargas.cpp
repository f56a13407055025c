#include "charts/ExactVargas.h"

#include <algorithm>
#include <cmath>

#include "charts/DivisionalRules.h"

namespace amsaview {
namespace {

// The signs the rules name that the older charts' rules do not.
constexpr int kTaurus = 1;
constexpr int kGemini = 2;
constexpr int kVirgo = 5;
constexpr int kScorpio = 7;
constexpr int kSagittarius = 8;
constexpr int kAquarius = 10;
constexpr int kPisces = 11;

// Aries movable, Taurus fixed, Gemini dual, and so on round the zodiac.
constexpr int StartByQuality(int sign, int movable, int fixed, int dual) {
    constexpr int kQualities = 3;
    const std::array<int, kQualities> start = {movable, fixed, dual};
    return start[static_cast<std::size_t>(sign % kQualities)];
}

// Fire, earth, air, water repeat from Aries.
constexpr int StartByElement(int sign, int fire, int earth, int air, int water) {
    constexpr int kElements = 4;
    const std::array<int, kElements> start = {fire, earth, air, water};
    return start[static_cast<std::size_t>(sign % kElements)];
}

// The unequal parts of the Trimsamsa: each part's upper bound in degrees and
// its sign; odd signs count from Mars's five degrees, even ones from Venus's.
struct TrimsamsaPart {
    double below;
    int sign;
};
constexpr std::array<TrimsamsaPart, 5> kOddTrimsamsa = {{
    {5, kAries},
    {10, kAquarius},
    {18, kSagittarius},
    {25, kGemini},
    {30, kLibra},
}};
constexpr std::array<TrimsamsaPart, 5> kEvenTrimsamsa = {{
    {5, kTaurus},
    {12, kVirgo},
    {20, kPisces},
    {25, kCapricorn},
    {30, kScorpio},
}};

int Trimsamsa(const VargaPoint& point) {
    const auto& parts = IsOddSign(point.sign) ? kOddTrimsamsa : kEvenTrimsamsa;
    for (const TrimsamsaPart& part : parts) {
        if (point.degree < part.below) {
            return part.sign;
        }
    }
    return parts.back().sign;
}

// A longitude's sign and degrees within it, 0 <= degree < 30.
struct SignDegree {
    int sign;
    double degree;
};

SignDegree SignDegreeOf(double siderealLongitude) {
    constexpr double kTurn = 360.0;
    constexpr double kSignWidth = 30.0;
    double longitude = siderealLongitude;
    // fmod costs more than the rest of a chart; positions are seldom outside.
    if (longitude < 0 || longitude >= kTurn) {
        longitude = std::fmod(longitude, kTurn);
        if (longitude < 0) {
            longitude += kTurn;
        }
        // A hair below 0° leaves a whole turn after the addition: 0° Aries.
        if (longitude >= kTurn) {
            longitude = 0.0;
        }
    }
    const int sign = std::min(static_cast<int>(longitude / kSignWidth), kSignCount - 1);
    // The division may round a hair below a sign's end up into the next sign,
    // leaving a degree a hair below 0.
    return {sign, std::max(longitude - sign * kSignWidth, 0.0)};
}

int TargetSign(const ExactVarga& chart, SignDegree at) {
    // A degree a hair under 30 may round into a part past the last.
    const int part =
        std::min(static_cast<int>(at.degree * chart.partCount / 30.0), chart.partCount - 1);
    return chart.targetSign({at.sign, at.degree, part}) % kSignCount;
}

}  // namespace

const std::array<ExactVarga, kExactVargaCount> kExactVargas = {{
    {"D16", 16,
     [](const VargaPoint& p) {
         return StartByQuality(p.sign, kAries, kLeo, kSagittarius) + p.part;
     }},
    {"D20", 20,
     [](const VargaPoint& p) {
         return StartByQuality(p.sign, kAries, kSagittarius, kLeo) + p.part;
     }},
    {"D24", 24, [](const VargaPoint& p) { return (IsOddSign(p.sign) ? kLeo : kCancer) + p.part; }},
    {"D27", 27,
     [](const VargaPoint& p) {
         return StartByElement(p.sign, kAries, kCancer, kLibra, kCapricorn) + p.part;
     }},
    {"D30", 30, Trimsamsa},
    {"D40", 40, [](const VargaPoint& p) { return (IsOddSign(p.sign) ? kAries : kLibra) + p.part; }},
    {"D45", 45,
     [](const VargaPoint& p) {
         return StartByQuality(p.sign, kAries, kLeo, kSagittarius) + p.part;
     }},
    {"D60", 60, [](const VargaPoint& p) { return p.sign + p.part; }},
}};

namespace {

// Each body's sign and degree and its retrograde mark, read once for all
// the charts.
struct Bodies {
    std::array<SignDegree, kBodyCount> at{};
    std::array<bool, kBodyCount> retrograde{};
    SignDegree ascendant{};
};

Bodies ReadBodies(const ChartPositions& positions) {
    Bodies bodies;
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        bodies.at[slot] = SignDegreeOf(positions.siderealLongitude[slot]);
        bodies.retrograde[slot] = IsMarkedRetrograde(positions, static_cast<Body>(slot));
    }
    bodies.ascendant = SignDegreeOf(positions.ascendant);
    return bodies;
}

void Place(const ExactVarga& chart, const Bodies& bodies, ChartPlacement& placement) {
    for (SignBox& box : placement.signs) {
        box.clear();
    }
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        const int sign = TargetSign(chart, bodies.at[slot]);
        placement.signs[static_cast<std::size_t>(sign)].add(
            {static_cast<Body>(slot), bodies.retrograde[slot]});
    }
    placement.ascendant = static_cast<std::int16_t>(TargetSign(chart, bodies.ascendant));
}

}  // namespace

int ExactVargaSign(const ExactVarga& chart, double siderealLongitude) {
    return TargetSign(chart, SignDegreeOf(siderealLongitude));
}

void PlaceExactVarga(const ExactVarga& chart, const ChartPositions& positions,
                     ChartPlacement& placement) {
    Place(chart, ReadBodies(positions), placement);
}

void PlaceExactVargas(const ChartPositions& positions,
                      std::array<ChartPlacement, kExactVargaCount>& charts) {
    const Bodies bodies = ReadBodies(positions);
    for (std::size_t chart = 0; chart < kExactVargaCount; ++chart) {
        Place(kExactVargas[chart], bodies, charts[chart]);
    }
}

}  // namespace amsaview
