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

char* WriteIsoMoment(char* out, UtSeconds moment) {
    // Civil date from days since 1970 (H. Hinnant's reckoning); the batch
    // writes ninety periods a chart, too many for printf.
    constexpr std::int64_t kDay = 86400;
    const std::int64_t days = (moment >= 0 ? moment : moment - (kDay - 1)) / kDay;
    const std::int64_t second = moment - days * kDay;
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    const std::int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    const auto digits = [&out](std::int64_t value, int width, char after) {
        for (int i = width - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        out += width;
        *out++ = after;
    };
    digits(year, 4, '-');
    digits(month, 2, '-');
    digits(day, 2, 'T');
    digits(second / 3600, 2, ':');
    digits(second / 60 % 60, 2, ':');
    digits(second % 60, 2, 'Z');
    return out;
}

}  // namespace amsaview
