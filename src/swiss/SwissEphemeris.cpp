#include "swiss/SwissEphemeris.h"

#include <swephexp.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "swiss/SwissSession.h"

namespace amsaview {
namespace {

// The library ignores a longer path and silently searches its default folders.
constexpr std::size_t kLongestDataPath = AS_MAXCH - 1 - 13;

// The folder the library will search: SE_EPHE_PATH, when set and short
// enough for it, wins over the one asked for.
std::string FolderInUse(const std::string& asked) {
    const char* fromEnvironment = std::getenv("SE_EPHE_PATH");
    if (fromEnvironment != nullptr && fromEnvironment[0] != '\0' &&
        std::strlen(fromEnvironment) <= kLongestDataPath) {
        return fromEnvironment;
    }
    return asked;
}

int32 SiderealMode(AyanamsaMode mode) {
    switch (mode) {
        case AyanamsaMode::Lahiri:
            return SE_SIDM_LAHIRI;
        case AyanamsaMode::LahiriIcrc:
            return SE_SIDM_LAHIRI_ICRC;
        case AyanamsaMode::TrueChitra:
            return SE_SIDM_TRUE_CITRA;
        case AyanamsaMode::Krishnamurti:
            return SE_SIDM_KRISHNAMURTI;
        case AyanamsaMode::Raman:
            return SE_SIDM_RAMAN;
        case AyanamsaMode::FaganBradley:
            return SE_SIDM_FAGAN_BRADLEY;
        case AyanamsaMode::Tropical:
            break;
    }
    return SE_SIDM_LAHIRI;  // unused: tropical positions carry no sidereal flag
}

constexpr std::array<int, 7> kPlanetNumbers = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                               SE_MARS, SE_JUPITER, SE_SATURN};

std::string DateText(double julianDayUt) {
    int year = 0, month = 0, day = 0;
    double hours = 0;
    swe_revjul(julianDayUt, SE_GREG_CAL, &year, &month, &day, &hours);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

[[noreturn]] void ThrowLibraryError(std::string_view what, const char* libraryMessage) {
    std::string message = "Swiss Ephemeris could not compute ";
    message += what;
    if (libraryMessage[0] != '\0') {
        message += ": ";
        message += libraryMessage;
    }
    throw SwissEphemerisError(message);
}

constexpr char kBasicDataYears[] = "the files of swe-basic-data cover 1800 to 2399";

// The library's message, which may break its lines, as one line.
std::string OneLine(std::string_view message) {
    std::string line;
    for (const char c : message) {
        if (c == '\n' || c == '\r') {
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
        } else {
            line += c;
        }
    }
    while (!line.empty() && (line.back() == ' ' || line.back() == ';')) {
        line.pop_back();
    }
    return line;
}

SwissBodyPosition Body(double julianDayUt, int number, int32 flags, std::string_view name,
                       const std::string& dataPath) {
    double values[6] = {};
    char libraryMessage[AS_MAXCH] = "";
    const int32 used = swe_calc_ut(julianDayUt, number, flags, values, libraryMessage);
    if (used < 0) {
        ThrowLibraryError(name, libraryMessage);
    }
    // Without its files the library falls back to a lower-precision method.
    // It says so in these flags, or, when the Moon's file alone is missing,
    // only in its message while the flags still claim the files.
    if ((used & SEFLG_SWIEPH) == 0) {
        throw SwissEphemerisError("Swiss Ephemeris has no data file for the " + std::string(name) +
                                  " on " + DateText(julianDayUt) + " in the folder \"" + dataPath +
                                  "\" (" + kBasicDataYears + ")");
    }
    if (libraryMessage[0] != '\0') {
        throw SwissEphemerisError("Swiss Ephemeris has no data file it needs for " +
                                  DateText(julianDayUt) + " in the folder \"" + dataPath + "\" (" +
                                  kBasicDataYears + "): " + OneLine(libraryMessage));
    }
    return {values[0], values[3], false};
}

}  // namespace

std::string SwissEphemerisVersion() {
    char version[AS_MAXCH] = "";
    return swe_version(version);
}

double JulianDayUt(int year, int month, int day, double hours) {
    return swe_julday(year, month, day, hours, SE_GREG_CAL);
}

SwissEphemeris::SwissEphemeris(const EphemerisSettings& settings)
    : ayanamsa_(settings.ayanamsa),
      node_(settings.node),
      dataPath_(FolderInUse(settings.dataPath.empty() ? std::string(PackagedSwissDataPath())
                                                      : settings.dataPath)) {
    if (dataPath_.size() > kLongestDataPath) {
        throw SwissEphemerisError("The Swiss Ephemeris data folder's name is longer than " +
                                  std::to_string(kLongestDataPath) + " characters: \"" + dataPath_ +
                                  "\"");
    }
    Compute({JulianDayUt(2000, 1, 1, 12), 0, 0});  // fails here when the files are missing
}

SwissPositions SwissEphemeris::Compute(const SwissRequest& request) const {
    const bool sidereal = ayanamsa_ != AyanamsaMode::Tropical;
    const int32 flags = SEFLG_SWIEPH | SEFLG_SPEED | (sidereal ? SEFLG_SIDEREAL : 0);
    const double jd = request.julianDayUt;
    SwissPositions positions;

    UseSwissDataPath(dataPath_);
    swe_set_sid_mode(SiderealMode(ayanamsa_), 0, 0);

    for (std::size_t i = 0; i < kPlanetNumbers.size(); ++i) {
        positions.bodies[i] = Body(jd, kPlanetNumbers[i], flags, kSwissBodyNames[i], dataPath_);
        positions.bodies[i].retrograde =
            static_cast<SwissBody>(i) >= SwissBody::Mercury && positions.bodies[i].speed < 0;
    }

    const int nodeNumber = node_ == LunarNode::Mean ? SE_MEAN_NODE : SE_TRUE_NODE;
    const SwissBodyPosition rahu = Body(jd, nodeNumber, flags, "Rahu", dataPath_);
    positions[SwissBody::Rahu] = rahu;
    positions[SwissBody::Ketu] = {std::fmod(rahu.longitude + 180, 360), rahu.speed, false};

    if (sidereal) {
        char libraryMessage[AS_MAXCH] = "";
        if (swe_get_ayanamsa_ex_ut(jd, SEFLG_SWIEPH, &positions.ayanamsa, libraryMessage) < 0) {
            ThrowLibraryError("the ayanamsa", libraryMessage);
        }
    }

    // Whole-sign houses: any system gives the same ascendant, and this one
    // also works beyond the polar circles.
    double cusps[13] = {};
    double angles[10] = {};
    if (swe_houses_ex(jd, flags & ~SEFLG_SPEED, request.latitude, request.longitude, 'W', cusps,
                      angles) < 0) {
        ThrowLibraryError("the ascendant", "");
    }
    positions.ascendant = angles[0];
    return positions;
}

}  // namespace amsaview
