#pragma once

#include <optional>

#include "clock/ClockHistory.h"

namespace amsaview {

struct ZoneRowChoice {
    int row = 0;
    bool dst = false;

    friend bool operator==(const ZoneRowChoice&, const ZoneRowChoice&) = default;
};

// The row of the zone list (and the daylight-saving box) that gives exactly
// this clock's offset: a row's own offset for standard time, a row's offset
// plus one hour under daylight saving. Among rows that fit, the one whose
// letters match the clock's comes first, so a user of the place recognises
// it. None where no row fits (local mean time, +05:45).
std::optional<ZoneRowChoice> ZoneRowForClock(const ClockReading& clock);

}  // namespace amsaview
