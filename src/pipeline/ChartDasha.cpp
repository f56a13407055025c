#include "pipeline/ChartDasha.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "dasha/BirthMoment.h"
#include "model/LookupLists.h"

namespace amsaview {
namespace {

// "YYYY-MM-DD", the separator, "hh:mm:ss" and the tail.
std::string CivilText(UtSeconds moment, char separator, std::string_view tail) {
    using namespace std::chrono;
    const sys_seconds at{seconds{moment}};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss clock{at - day};
    char text[64];
    const int length = std::snprintf(
        text, sizeof text, "%04d-%02u-%02u%c%02lld:%02lld:%02lld%.*s",
        static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
        static_cast<unsigned>(date.day()), separator, static_cast<long long>(clock.hours().count()),
        static_cast<long long>(clock.minutes().count()),
        static_cast<long long>(clock.seconds().count()), static_cast<int>(tail.size()),
        tail.data());
    return {text, static_cast<std::size_t>(length)};
}

}  // namespace

VimshottariDasha ChartDasha(const ChartResult& result) {
    return VimshottariDasha(result.positions.moonSidereal, BirthUtSeconds(result.birth),
                            result.options.dashaYear);
}

std::string_view DashaLordName(Body lord) {
    return kPlanetNames[SlotOf(lord)];
}

std::string DashaBalanceText(const DashaBalance& balance) {
    constexpr long long kDaysAYear = 360;
    constexpr long long kDaysAMonth = 30;
    const long long days = std::llround(balance.years * kDaysAYear);
    return std::string(DashaLordName(balance.lord)) + " dasha, balance " +
           std::to_string(days / kDaysAYear) + " y " +
           std::to_string(days % kDaysAYear / kDaysAMonth) + " m " +
           std::to_string(days % kDaysAMonth) + " d";
}

std::string DashaYearText(DashaYear year) {
    std::string name(year.name());
    name.front() = static_cast<char>(name.front() - 'a' + 'A');
    char days[32];
    std::snprintf(days, sizeof days, "%.10g", year.days());
    return "Dasha years of " + std::string(days) + " days (" + name + ")";
}

std::string DashaLocalText(const BirthData& birth, UtSeconds moment) {
    return CivilText(moment + birth.utcOffsetSeconds, ' ', "");
}

std::string DashaUtText(UtSeconds moment) {
    return CivilText(moment, ' ', " UT");
}

std::string DashaIsoText(UtSeconds moment) {
    return CivilText(moment, 'T', "Z");
}

}  // namespace amsaview
