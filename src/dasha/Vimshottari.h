#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "dasha/DashaYear.h"
#include "model/ChartPlacements.h"

namespace amsaview {

// The lords of the cycle in their order from Ashwini's, and their years.
inline constexpr int kDashaLordCount = 9;
inline constexpr std::array<Body, kDashaLordCount> kDashaLords = {
    Body::Ketu, Body::Venus,   Body::Sun,    Body::Moon,   Body::Mars,
    Body::Rahu, Body::Jupiter, Body::Saturn, Body::Mercury};
inline constexpr std::array<int, kDashaLordCount> kDashaLordYears = {7,  20, 6,  10, 7,
                                                                     18, 16, 19, 17};
inline constexpr int kDashaCycleYears = 120;

// Mahadasha, antardasha, pratyantardasha.
inline constexpr int kDashaLevels = 3;

// Seconds of universal time since 1970-01-01 00:00:00; negative before.
using UtSeconds = std::int64_t;

struct DashaPeriod {
    Body lord = Body::Ketu;
    UtSeconds start = 0;
    UtSeconds end = 0;  // the next period's start

    bool operator==(const DashaPeriod&) const = default;
};

// What is left at birth of the first mahadasha.
struct DashaBalance {
    Body lord = Body::Ketu;
    double years = 0.0;     // in dasha years
    double fraction = 0.0;  // of the whole period, 0 < fraction <= 1
};

// 9, 81 and 729 periods at levels 1, 2 and 3.
constexpr int DashaPeriodCount(int level) {
    int count = 1;
    for (int i = 0; i < level; ++i) {
        count *= kDashaLordCount;
    }
    return count;
}

// The first of the nine sub-periods of a period, at the level below it.
constexpr int FirstSubPeriod(int index) {
    return index * kDashaLordCount;
}

// Indices of the running period at each level, mahadasha first: within its
// level, counted from the first period of the life.
using DashaPath = std::array<int, kDashaLevels>;

// The Vimshottari periods of one life, three levels deep, from the Moon's
// sidereal longitude at birth. Every bound is rounded to the second once, so
// a period's sub-periods fill it to the second.
class VimshottariDasha {
  public:
    VimshottariDasha(double moonSidereal, UtSeconds birth, DashaYear year);

    // 0 Ashwini .. 26 Revati.
    int moonNakshatra() const { return nakshatra_; }
    DashaBalance balance() const { return balance_; }
    DashaYear year() const { return year_; }

    // level 1..3, index 0 .. DashaPeriodCount(level) - 1 in order of time.
    DashaPeriod Period(int level, int index) const;

    // None before the first mahadasha begins or once the last has ended.
    std::optional<DashaPath> RunningAt(UtSeconds moment) const;

  private:
    static constexpr int kLeafCount = DashaPeriodCount(kDashaLevels);

    DashaYear year_;
    int nakshatra_ = 0;
    int firstLord_ = 0;  // index into kDashaLords
    DashaBalance balance_;
    std::array<UtSeconds, kLeafCount + 1> bounds_{};  // pratyantardasha starts and the last end
};

}  // namespace amsaview
