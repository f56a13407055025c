#include "SwissReference.h"

#include <stdexcept>
#include <string>

#include <swephexp.h>

namespace accuracy {
namespace {

constexpr const char* kEphemerisFolder = "/usr/share/libswe/ephe";
constexpr int kFlags = SEFLG_SWIEPH | SEFLG_SIDEREAL;

// Chart order Sun..Rahu; Ketu is derived.
constexpr int kSweBodies[kBodyRows - 1] = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                           SE_MARS, SE_JUPITER, SE_SATURN,  SE_MEAN_NODE};

double Wrap360(double degrees) {
    while (degrees < 0) {
        degrees += 360;
    }
    while (degrees >= 360) {
        degrees -= 360;
    }
    return degrees;
}

}  // namespace

SwissReference::SwissReference() {
    swe_set_ephe_path(kEphemerisFolder);
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
}

SwissReference::~SwissReference() {
    swe_close();
}

RowValues SwissReference::At(const Birth& birth) const {
    const double jdUt = swe_julday(birth.year, birth.month, birth.day,
                                   birth.hour + birth.minute / 60.0, SE_GREG_CAL);
    RowValues values{};
    char error[AS_MAXCH] = {};
    for (int row = 0; row < kBodyRows - 1; ++row) {
        double result[6] = {};
        const int flags = swe_calc_ut(jdUt, kSweBodies[row], kFlags, result, error);
        if (flags < 0 || (flags & SEFLG_SWIEPH) == 0) {
            throw std::runtime_error(std::string("Swiss Ephemeris data not used for ") +
                                     kRowNames[row] + " at JD " + std::to_string(jdUt) + ": " +
                                     error);
        }
        values[static_cast<std::size_t>(row)] = result[0];
    }
    values[8] = Wrap360(values[7] + 180);

    double cusps[13] = {};
    double angles[10] = {};
    if (swe_houses_ex(jdUt, SEFLG_SIDEREAL, birth.NorthLatitude(), birth.EastLongitude(), 'E',
                      cusps, angles) < 0) {
        throw std::runtime_error("no ascendant at JD " + std::to_string(jdUt));
    }
    values[kAscendantRow] = angles[0];

    double ayanamsa = 0;
    if (swe_get_ayanamsa_ex_ut(jdUt, SEFLG_SWIEPH, &ayanamsa, error) < 0) {
        throw std::runtime_error(std::string("no ayanamsa: ") + error);
    }
    values[kAyanamsaRow] = ayanamsa;
    return values;
}

}  // namespace accuracy
