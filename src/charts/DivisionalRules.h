#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "model/ChartPlacements.h"

namespace amsaview {

inline constexpr int kMinutesPerSign = 1800;

// The signs the rules name by index.
inline constexpr int kAries = 0;
inline constexpr int kCancer = 3;
inline constexpr int kLeo = 4;
inline constexpr int kLibra = 6;
inline constexpr int kCapricorn = 9;

// Aries, Gemini, Leo, ... (even index) are the zodiac's odd signs.
constexpr bool IsOddSign(int sign) {
    return sign % 2 == 0;
}

// Navamsa counts from the first sign of the element: fire, earth, air, water.
inline constexpr std::array<int, 4> kNavamsaStart = {kAries, kCapricorn, kLibra, kCancer};

// One divisional chart. A sign's 1800 arc-minutes are cut into partCount
// parts; part k ends at (k + 1) × partWidth inclusive, the last part at 1800.
// targetSign gives the box of part k of sign s, counted on modulo 12.
struct DivisionalChart {
    std::string_view title;
    int slotBase;  // first of its twelve lblPlanet labels in the result window
    int partCount;
    int partWidth;  // arc-minutes
    int (*targetSign)(int s, int k);
};

// Title, slot base, parts, part width, target sign of part k in sign s; in
// the order of the result window's tabs.
inline constexpr std::array<DivisionalChart, kDivisionalChartCount> kDivisionalCharts = {{
    {"Hora", 0, 2, 900,
     [](int s, int k) {
         return IsOddSign(s) ? (k == 0 ? kLeo : kCancer) : (k == 0 ? kCancer : kLeo);
     }},
    {"Drekkana", 12, 3, 600, [](int s, int k) { return s + 4 * k; }},
    {"Chaturthamsa", 72, 4, 450, [](int s, int k) { return s + 3 * k; }},
    {"Saptamsa", 24, 7, 257, [](int s, int k) { return (IsOddSign(s) ? s : s + 6) + k; }},
    {"Navamsa", 36, 9, 200, [](int s, int k) { return kNavamsaStart[s % 4] + k; }},
    {"Dasamsa", 48, 10, 180, [](int s, int k) { return (IsOddSign(s) ? s : s + 8) + k; }},
    {"Dwadasamsa", 60, 12, 150, [](int s, int k) { return s + k; }},
}};

// The parts fill the sign: the last is as wide as the others, or one
// arc-minute wider where 1800 does not divide evenly (the Saptamsa's 257).
constexpr bool PartsFillTheSign(const DivisionalChart& chart) {
    const int lastPart = kMinutesPerSign - (chart.partCount - 1) * chart.partWidth;
    return lastPart == chart.partWidth || lastPart == chart.partWidth + 1;
}
static_assert(std::ranges::all_of(kDivisionalCharts, PartsFillTheSign));

// Part k runs from k × width + 1 to (k + 1) × width, so a body on a bound
// stays in the earlier part; m = 0 opens part 0 and the last part runs on to
// the end of the sign (past it too, for a malformed text).
constexpr int PartOf(const DivisionalChart& chart, int minuteInSign) {
    return std::clamp((minuteInSign - 1) / chart.partWidth, 0, chart.partCount - 1);
}

}  // namespace amsaview
