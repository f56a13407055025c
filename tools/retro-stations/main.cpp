// Writes the five retrograde station tables from the Swiss Ephemeris:
//   retro-stations OUTPUT_FOLDER
// Nothing is written unless every table comes out complete.

#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <swephexp.h>

#include "FixedPeriods.h"
#include "StationSearch.h"
#include "StationText.h"

namespace {

constexpr const char* kEphemerisFolder = "/usr/share/libswe/ephe";

struct Planet {
    std::string_view name;
    int sweId;
    std::string_view fileName;
    int periodCount;
};

constexpr std::array<Planet, 5> kPlanets = {{
    {"Mercury", SE_MERCURY, "mercury.txt", 476},
    {"Venus", SE_VENUS, "venus.txt", 95},
    {"Mars", SE_MARS, "mars.txt", 71},
    {"Jupiter", SE_JUPITER, "jupiter.txt", 139},
    {"Saturn", SE_SATURN, "saturn.txt", 146},
}};

struct TextPeriod {
    std::string retrograde;
    std::string direct;
};

double JulianDayOfEntry(std::string_view entry) {
    int month = 0, day = 0, year = 0, hour = 0, minute = 0;
    if (std::sscanf(std::string(entry).c_str(), "%d,%d,%d,%d,%d,", &month, &day, &year, &hour,
                    &minute) != 5) {
        throw std::runtime_error("malformed fixed entry " + std::string(entry));
    }
    return swe_julday(year, month, day, hour + minute / 60.0, SE_GREG_CAL);
}

// The ephemeris period whose retrograde station lies nearest to an entry.
std::size_t NearestPeriod(const std::vector<StationPeriod>& periods, std::string_view entry) {
    const double target = JulianDayOfEntry(entry);
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < periods.size(); ++i) {
        if (std::abs(periods[i].retrogradeJd - target) <
            std::abs(periods[nearest].retrogradeJd - target)) {
            nearest = i;
        }
    }
    if (periods.empty() || std::abs(periods[nearest].retrogradeJd - target) > 1.0) {
        throw std::runtime_error("no ephemeris station near " + std::string(entry));
    }
    return nearest;
}

const FixedPeriod& FixedAt(std::string_view planet, int index) {
    for (const FixedPeriod& fixed : kFixedPeriods) {
        if (fixed.planet == planet && fixed.index == index) {
            return fixed;
        }
    }
    throw std::runtime_error("no fixed period " + std::to_string(index) + " for " +
                             std::string(planet));
}

long long MinutesApart(std::string_view fixedEntry, double ephemerisJd) {
    return std::llround((JulianDayOfEntry(fixedEntry) - ephemerisJd) * 1440.0);
}

std::vector<TextPeriod> BuildTable(const Planet& planet) {
    // From before the first station of 1900 to after the last direct station of 2051.
    const double searchFromJd = swe_julday(1899, 10, 1, 0.0, SE_GREG_CAL);
    const double searchToJd = swe_julday(2052, 1, 1, 0.0, SE_GREG_CAL);
    const std::vector<StationPeriod> all =
        FindRetrogradePeriods(planet.sweId, searchFromJd, searchToJd);
    const std::size_t first = NearestPeriod(all, FixedAt(planet.name, 0).retrograde);
    const std::size_t last =
        NearestPeriod(all, FixedAt(planet.name, planet.periodCount - 1).retrograde);
    const std::vector<StationPeriod> kept(all.begin() + static_cast<long>(first),
                                          all.begin() + static_cast<long>(last) + 1);
    if (static_cast<int>(kept.size()) != planet.periodCount) {
        throw std::runtime_error(std::string(planet.name) + ": " + std::to_string(kept.size()) +
                                 " periods, expected " + std::to_string(planet.periodCount));
    }

    std::vector<TextPeriod> table;
    for (const StationPeriod& period : kept) {
        table.push_back({EntryText(period.retrogradeJd), EntryText(period.directJd)});
    }
    for (const FixedPeriod& fixed : kFixedPeriods) {
        if (fixed.planet != planet.name) {
            continue;
        }
        const std::size_t i = NearestPeriod(kept, fixed.retrograde);
        if (fixed.index && static_cast<std::size_t>(*fixed.index) != i) {
            throw std::runtime_error(std::string(planet.name) + ": fixed period " +
                                     std::to_string(*fixed.index) + " lands at " +
                                     std::to_string(i));
        }
        std::cerr << planet.name << " " << i << ": ephemeris " << table[i].retrograde << " "
                  << table[i].direct << " fixed " << fixed.retrograde << " " << fixed.direct
                  << " (minutes later: " << MinutesApart(fixed.retrograde, kept[i].retrogradeJd)
                  << ", " << MinutesApart(fixed.direct, kept[i].directJd) << ")\n";
        table[i] = {std::string(fixed.retrograde), std::string(fixed.direct)};
    }
    return table;
}

void WriteTable(const std::string& path, const std::vector<TextPeriod>& table) {
    std::ofstream out(path, std::ios::binary);
    for (const TextPeriod& period : table) {
        out << period.retrograde << '\t' << period.direct << '\n';
    }
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: retro-stations OUTPUT_FOLDER\n";
        return 2;
    }
    const std::string folder = argv[1];
    swe_set_ephe_path(kEphemerisFolder);
    try {
        std::vector<std::vector<TextPeriod>> tables;
        for (const Planet& planet : kPlanets) {
            tables.push_back(BuildTable(planet));
        }
        for (std::size_t p = 0; p < kPlanets.size(); ++p) {
            WriteTable(folder + "/" + std::string(kPlanets[p].fileName), tables[p]);
        }
    } catch (const std::exception& error) {
        std::cerr << "retro-stations: " << error.what() << "\n";
        swe_close();
        return 1;
    }
    swe_close();
    return 0;
}
