#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/ChartPlacements.h"

namespace amsaview {

inline constexpr std::string_view kRetrogradeMarker = " (R) ";

// Which names a chart shows: English in the divisional charts, Sanskrit in
// the Rashi chart.
using BodyNames = std::array<std::string_view, kBodyCount>;

// A sign box's caption: "" when empty; each body adds "\r\n" and its name,
// with the marker after a retrograde one.
std::string SignBoxCaption(const SignBox& box, const BodyNames& names);

using ChartCaptions = std::array<std::string, kSignCount>;

// The twelve captions, Aries .. Pisces.
ChartCaptions RashiCaptions(const ChartPlacements& placements);
ChartCaptions DivisionalCaptions(const ChartPlacements& placements, std::size_t chart);

}  // namespace amsaview
