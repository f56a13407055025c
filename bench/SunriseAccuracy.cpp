// Prints how far the built-in sunrise and sunset fall from Swiss Ephemeris's
// rise and set routine over 1,000 random births, 1901..2050, latitudes ±60°.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "panchanga/BuiltInSunDay.h"
#include "swiss/EphemerisSettings.h"
#include "swiss/SwissEphemeris.h"
#include "swiss/SwissSunDay.h"

namespace {

void Print(const char* what, std::vector<double>& seconds) {
    std::sort(seconds.begin(), seconds.end());
    const auto at = [&](double share) {
        return seconds[static_cast<std::size_t>(share * static_cast<double>(seconds.size() - 1))];
    };
    std::printf("%s: %zu events, median %.1f s, 95th percentile %.1f s, max %.1f s\n", what,
                seconds.size(), at(0.5), at(0.95), seconds.back());
}

}  // namespace

int main() {
    std::mt19937 random(25);
    std::uniform_int_distribution<int> days(0, 54786);  // 1901-01-01 .. 2050-12-31
    std::uniform_real_distribution<double> latitude(-60, 60);
    std::uniform_real_distribution<double> longitude(-180, 180);
    const std::string path(amsaview::PackagedSwissDataPath());
    const double first = amsaview::JulianDayUt(1901, 1, 1, 0);

    std::vector<double> rises;
    std::vector<double> sets;
    for (int birth = 0; birth < 1000; ++birth) {
        const double lon = longitude(random);
        const double lat = latitude(random);
        const double midnight = first + days(random) - std::round(lon / 15) / 24;
        const amsaview::SunDay builtIn = amsaview::BuiltInSunDay(midnight, lon, lat);
        const amsaview::SwissSunEvents swiss = amsaview::SwissSunDay(path, midnight, lon, lat);
        if (builtIn.sunrise && swiss.sunrise) {
            rises.push_back(std::fabs(*builtIn.sunrise - *swiss.sunrise) * 86400);
        } else if (builtIn.sunrise || swiss.sunrise) {
            std::printf("only one method has a sunrise at %.2f, %.2f on JD %.1f\n", lat, lon,
                        midnight);
        }
        if (builtIn.sunset && swiss.sunset) {
            sets.push_back(std::fabs(*builtIn.sunset - *swiss.sunset) * 86400);
        }
    }
    Print("sunrise", rises);
    Print("sunset", sets);
    return 0;
}
