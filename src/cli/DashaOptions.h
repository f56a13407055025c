#pragma once

#include "dasha/DashaYear.h"

namespace amsaview {

inline constexpr int kDefaultDashaLevels = 2;

// --dasha-year and --dasha-levels: how a chart's dasha is counted and how
// many of its levels the JSON writes, 1 (the mahadashas) .. 3.
struct DashaOptions {
    DashaYear year;
    int levels = kDefaultDashaLevels;

    bool operator==(const DashaOptions&) const = default;
};

}  // namespace amsaview
