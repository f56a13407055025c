#pragma once

#include <string>
#include <string_view>

#include "dasha/Vimshottari.h"
#include "model/BirthData.h"
#include "pipeline/ChartResult.h"

namespace amsaview {

// The Vimshottari dasha of a chart: from the Moon its method computed and the
// birth's universal second, counted in the chart's dasha year.
VimshottariDasha ChartDasha(const ChartResult& result);

// "Saturn".
std::string_view DashaLordName(Body lord);

// "Saturn dasha, balance 12 y 3 m 4 d": the balance told as astrologers tell
// it, in months of a twelfth of the dasha year and days of a thirtieth of
// that month, to the nearest day.
std::string DashaBalanceText(const DashaBalance& balance);

// "Dasha years of 365.2425 days (Gregorian)", to name beside the dates.
std::string DashaYearText(DashaYear year);

// "1963-04-12 14:03:22": a moment on the birth's own clock, its offset held
// for the whole life as the chart's other dates are.
std::string DashaLocalText(const BirthData& birth, UtSeconds moment);

// "1963-04-12 08:33:22 UT".
std::string DashaUtText(UtSeconds moment);

// "1963-04-12T08:33:22Z", as the JSON writes moments, at `out` without a
// terminating zero; returns its end. Years 0 .. 9999, which the periods of a
// birth the program takes never leave.
inline constexpr std::size_t kIsoMomentSize = 20;
char* WriteIsoMoment(char* out, UtSeconds moment);

}  // namespace amsaview
