#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "charts/ChartBoxes.h"

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
    int slotBase;  // first of its twelve lblPlanet slots
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

constexpr int UpperBound(const DivisionalChart& chart, int part) {
    return part == chart.partCount - 1 ? kMinutesPerSign : (part + 1) * chart.partWidth;
}

// The first part whose upper bound m does not exceed: a body on a bound stays
// in the earlier part. Past 1800 (a malformed text) it is the last part.
constexpr int PartOf(const DivisionalChart& chart, int minuteInSign) {
    int part = 0;
    while (part < chart.partCount - 1 && minuteInSign > UpperBound(chart, part)) {
        ++part;
    }
    return part;
}

// The twelve boxes, Aries .. Pisces, of one divisional chart.
inline std::span<const std::string, kSignCount> BoxesOf(const ChartBoxes& boxes,
                                                        const DivisionalChart& chart) {
    return std::span<const std::string, kSignCount>(boxes.lblPlanet.data() + chart.slotBase,
                                                    kSignCount);
}

}  // namespace amsaview
