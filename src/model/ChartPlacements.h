#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "model/ChartPositions.h"
#include "model/LookupLists.h"

namespace amsaview {

// The nine bodies in chart order; the value is the slot in every body list.
enum class Body : std::uint8_t { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu };

constexpr std::size_t SlotOf(Body body) {
    return static_cast<std::size_t>(body);
}

// The charts cut on the minute texts, and those cut on the exact longitude.
inline constexpr int kDivisionalChartCount = 7;
inline constexpr int kExactVargaCount = 8;

// Mercury .. Saturn carry a flag of their own; the lights and nodes never
// turn back.
inline bool IsMarkedRetrograde(const ChartPositions& positions, Body body) {
    const std::size_t slot = SlotOf(body);
    return slot >= SlotOf(Body::Mercury) && slot <= SlotOf(Body::Saturn) &&
           positions.retrograde[slot - SlotOf(Body::Mercury)];
}

struct PlacedBody {
    Body body = Body::Sun;
    bool retrograde = false;

    bool operator==(const PlacedBody&) const = default;
};

// The bodies standing in one sign, in the order they were placed. Fixed
// room for all nine: a chart is placed millions of times in a batch.
class SignBox {
  public:
    void clear() { count_ = 0; }
    void add(PlacedBody placed) { bodies_[count_++] = placed; }
    std::span<const PlacedBody> bodies() const { return {bodies_.data(), count_}; }

    bool operator==(const SignBox& other) const {
        return std::ranges::equal(bodies(), other.bodies());
    }

  private:
    std::array<PlacedBody, kBodyCount> bodies_{};
    std::size_t count_ = 0;
};

// A sign that a text failed to name: the chart leaves its body or Lagna out.
inline constexpr std::int16_t kNoSign = -1;

// One chart: the bodies in each sign, Aries .. Pisces, and the Lagna's sign.
struct ChartPlacement {
    std::array<SignBox, kSignCount> signs;
    std::int16_t ascendant = kNoSign;

    bool operator==(const ChartPlacement&) const = default;
};

// The Rashi chart and the divisional charts, the latter in the order of the
// divisional rules table, then the exact-longitude charts in theirs.
struct ChartPlacements {
    ChartPlacement rashi;
    std::array<ChartPlacement, kDivisionalChartCount> divisional;
    std::array<ChartPlacement, kExactVargaCount> exact;

    bool operator==(const ChartPlacements&) const = default;
};

}  // namespace amsaview
