#include "dasha/Vimshottari.h"

#include <algorithm>
#include <cmath>

namespace amsaview {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int kNakshatraCount = 27;

// Three levels deep a period lasts years(a) × years(b) × years(c) / 120²
// dasha years: whole numbers of this unit.
constexpr std::int64_t kLeafUnitsPerYear = std::int64_t{kDashaCycleYears} * kDashaCycleYears;
constexpr std::int64_t kTicksPerSecond = 10000;

int NextLord(int lord, int steps) {
    return (lord + steps) % kDashaLordCount;
}

}  // namespace

VimshottariDasha::VimshottariDasha(double moonSidereal, UtSeconds birth, DashaYear year)
    : year_(year) {
    double moon = std::fmod(moonSidereal, 360.0);
    if (moon < 0) {
        moon += 360.0;
    }
    // A hair below 0° Aries leaves a whole turn after the addition.
    if (moon >= 360.0) {
        moon = 0.0;
    }
    // 13° 20′ is 40/3 degrees: 3/40 of the longitude counts nakshatras without
    // the inexact 13.333…, so 80° opens Punarvasu exactly.
    const double mansions = moon * 3.0 / 40.0;
    nakshatra_ = std::min(static_cast<int>(mansions), kNakshatraCount - 1);
    const double traversed = std::clamp(mansions - nakshatra_, 0.0, 1.0);
    firstLord_ = nakshatra_ % kDashaLordCount;

    const int firstYears = kDashaLordYears[static_cast<std::size_t>(firstLord_)];
    balance_ = {kDashaLords[static_cast<std::size_t>(firstLord_)], (1.0 - traversed) * firstYears,
                1.0 - traversed};

    // Counted in whole ten-thousandths of a second, which every year choice
    // is, the bounds are exact sums rounded once.
    const std::int64_t yearTicks =
        std::llround(year.days() * kSecondsPerDay * static_cast<double>(kTicksPerSecond));
    const std::int64_t ticksBeforeBirth =
        std::llround(traversed * firstYears * static_cast<double>(yearTicks));
    // The first start as a whole second and the ticks past it.
    const std::int64_t ticksPastSecond =
        (kTicksPerSecond - ticksBeforeBirth % kTicksPerSecond) % kTicksPerSecond;
    const UtSeconds startSecond = birth - (ticksBeforeBirth + ticksPastSecond) / kTicksPerSecond;
    const std::int64_t origin = ticksPastSecond * kLeafUnitsPerYear;

    // Each bound from the whole units elapsed since the first start, never
    // from the previous bound, so no rounding piles up over 120 years.
    // Everything is in ticks × 120² here and stays positive: the division
    // rounds half up.
    constexpr std::int64_t kDivisor = kLeafUnitsPerYear * kTicksPerSecond;
    std::int64_t units = 0;
    std::size_t leaf = 0;
    bounds_[0] = startSecond + (origin + kDivisor / 2) / kDivisor;
    for (int a = 0; a < kDashaLordCount; ++a) {
        const int maha = NextLord(firstLord_, a);
        for (int b = 0; b < kDashaLordCount; ++b) {
            const int antar = NextLord(maha, b);
            const int mahaAntar = kDashaLordYears[static_cast<std::size_t>(maha)] *
                                  kDashaLordYears[static_cast<std::size_t>(antar)];
            for (int c = 0; c < kDashaLordCount; ++c) {
                const int pratyantar = NextLord(antar, c);
                units += mahaAntar * kDashaLordYears[static_cast<std::size_t>(pratyantar)];
                bounds_[++leaf] =
                    startSecond + (origin + units * yearTicks + kDivisor / 2) / kDivisor;
            }
        }
    }
}

DashaPeriod VimshottariDasha::Period(int level, int index) const {
    const auto stride = static_cast<std::size_t>(DashaPeriodCount(kDashaLevels - level));
    // The lord steps on by each index digit: sub-periods start with their
    // parent's lord.
    int lord = firstLord_;
    for (int rest = index; rest > 0; rest /= kDashaLordCount) {
        lord = NextLord(lord, rest % kDashaLordCount);
    }
    const auto first = static_cast<std::size_t>(index) * stride;
    return {kDashaLords[static_cast<std::size_t>(lord)], bounds_[first], bounds_[first + stride]};
}

std::optional<DashaPath> VimshottariDasha::RunningAt(UtSeconds moment) const {
    if (moment < bounds_.front() || moment >= bounds_.back()) {
        return std::nullopt;
    }
    const auto after = std::upper_bound(bounds_.begin(), bounds_.end(), moment);
    const auto leaf = static_cast<int>(after - bounds_.begin()) - 1;
    return DashaPath{leaf / DashaPeriodCount(2), leaf / DashaPeriodCount(1), leaf};
}

}  // namespace amsaview
