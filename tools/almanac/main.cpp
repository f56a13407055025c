// Prints the almanac table of tests/astro/AlmanacTest.cpp: for a few births
// from 1901 to 2050, the J2000 geocentric longitudes of the Sun and the five
// planets, and the sidereal Moon, Rahu, Ketu and ascendant.
//
// Written apart from the program, from the published sources:
// - planets: the mean Keplerian elements at J2000 and their rates per Julian
//   century of E. M. Standish (JPL, valid 1800-2050), geometric, without
//   light time; Kepler's equation solved by bisection;
// - Moon: the Swiss Ephemeris, ecliptic of date without nutation, at the
//   given moment read as dynamical time (the program's lunar series ignores
//   delta T);
// - the mean node of date: J. Meeus, Astronomical Algorithms, 2nd ed., 47.7;
// - the program's own models where it has chosen one: the ayanamsa and sidereal time from 1900, with universal hours
//   entering sidereal time at rate one; the ayanamsa of the Moon from 2000.
#include <swephexp.h>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRad = kPi / 180;

double Wrap360(double degrees) {
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360 : degrees;
}

// Julian date of a Gregorian calendar moment (Meeus, chapter 7).
double JulianDate(int year, int month, int day, double hours) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    const int b = 2 - a + a / 4;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + b -
           1524.5 + hours / 24;
}

// a (AU), e, i, Ω, ϖ, L (degrees) at J2000 and per century (AU, 1, arc-seconds).
struct Elements {
    const char* name;
    double a, da, e, de, i, di, node, dnode, peri, dperi, mean, dmean;
};

constexpr std::array<Elements, 6> kElements = {{
    {"Mercury", 0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30,
     77.45645, 573.57, 252.25084, 538101628.29},
    {"Venus", 0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89,
     131.53298, -108.80, 181.97973, 210664136.06},
    {"Earth-Moon", 1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064,
     -18228.25, 102.94719, 1198.28, 100.46435, 129597740.63},
    {"Mars", 1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {"Jupiter", 5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17,
     14.75385, 839.93, 34.40438, 10925078.35},
    {"Saturn", 9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05,
     92.43194, -1948.89, 49.94432, 4401052.95},
}};

struct Vector {
    double x, y, z;
};

// E − e sin E = M by bisection on [M − e, M + e]: slow and sure.
double EccentricAnomaly(double meanAnomaly, double e) {
    double low = meanAnomaly - e;
    double high = meanAnomaly + e;
    for (int step = 0; step < 200; ++step) {
        const double middle = (low + high) / 2;
        (middle - e * std::sin(middle) < meanAnomaly ? low : high) = middle;
    }
    return (low + high) / 2;
}

Vector Heliocentric(const Elements& el, double centuries) {
    const double t = centuries;
    const double a = el.a + el.da * t;
    const double e = el.e + el.de * t;
    const double i = (el.i + el.di * t / 3600) * kRad;
    const double node = (el.node + el.dnode * t / 3600) * kRad;
    const double peri = (el.peri + el.dperi * t / 3600) * kRad;
    const double mean = (el.mean + el.dmean * t / 3600) * kRad;
    const double meanAnomaly = std::remainder(mean - peri, 2 * kPi);
    const double eccentric = EccentricAnomaly(meanAnomaly, e);
    // Position in the orbit's plane, x towards perihelion.
    const double xp = a * (std::cos(eccentric) - e);
    const double yp = a * std::sqrt(1 - e * e) * std::sin(eccentric);
    const double w = peri - node;  // argument of perihelion
    const double cw = std::cos(w), sw = std::sin(w), cn = std::cos(node), sn = std::sin(node);
    const double ci = std::cos(i), si = std::sin(i);
    return {(cw * cn - sw * sn * ci) * xp + (-sw * cn - cw * sn * ci) * yp,
            (cw * sn + sw * cn * ci) * xp + (-sw * sn + cw * cn * ci) * yp,
            (sw * si) * xp + (cw * si) * yp};
}

double GeocentricJ2000(int body, double centuries) {
    const Vector earth = Heliocentric(kElements[2], centuries);
    const Vector target = body == 2 ? Vector{0, 0, 0} : Heliocentric(kElements[body], centuries);
    return Wrap360(std::atan2(target.y - earth.y, target.x - earth.x) / kRad);
}

// The ayanamsa from 1900 that the ascendant and the nodes use (negative).
double Ayanamsa1900(double t) {
    const double node = Wrap360((933060 - 6962911 * t + 7.5 * t * t) / 3600);
    const double twiceSun = (259205536.0 * t + 2013816.0) / 3600;
    const double nutation = 1.27 * std::sin(twiceSun * kRad) + 17.23 * std::sin(node * kRad);
    return (nutation - 5025.64 * t - 1.11 * t * t - 80861.27) / 3600;
}

// The ayanamsa from 2000 that the Moon uses (negative).
double Ayanamsa2000(double t) {
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double sun = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    const double nutation = 17.23 * std::sin(node * kRad) + 1.27 * std::sin(sun * kRad);
    return (nutation - 5025.64 * t - 1.11 * t * t - 85886.27) / 3600;
}

struct Birth {
    int year, month, day, hour, minute;  // universal time
    int lonDegrees, lonMinutes;          // east positive, both of one sign
    int latDegrees, latMinutes;          // north positive, both of one sign
};

constexpr Birth kBirths[] = {
    {1901, 1, 1, 0, 0, 0, -7, 51, 29},       {1935, 6, 21, 6, 15, 77, 12, 28, 36},
    {1969, 7, 20, 20, 17, -95, -22, 29, 45}, {2012, 2, 29, 12, 0, 151, 12, -33, -52},
    {2050, 12, 31, 23, 59, -3, -41, 40, 25},
};

}  // namespace

int main() {
    swe_set_ephe_path(const_cast<char*>("/usr/share/libswe/ephe"));
    std::printf(
        "    // UT; longitude, latitude (degrees, minutes); Sun, Moon, Mercury .. Saturn,\n"
        "    // Rahu, Ketu; ascendant\n");
    for (const Birth& b : kBirths) {
        const double jd = JulianDate(b.year, b.month, b.day, b.hour + b.minute / 60.0);
        const double t2000 = (jd - 2451545) / 36525;
        const double t1900 = (jd - 2415020) / 36525;
        const double ayanamsa = Ayanamsa1900(t1900);

        std::array<double, 6> planet{};
        for (int body = 0; body < 6; ++body) {
            planet[static_cast<std::size_t>(body)] = GeocentricJ2000(body, t2000);
        }

        double moon[6];
        char error[AS_MAXCH];
        if (swe_calc(jd, SE_MOON, SEFLG_SWIEPH | SEFLG_NONUT, moon, error) < 0 ||
            (swe_calc(jd, SE_MOON, SEFLG_SWIEPH | SEFLG_NONUT, moon, error) & SEFLG_SWIEPH) == 0) {
            std::fprintf(stderr, "Swiss Ephemeris files not used: %s\n", error);
            return 1;
        }
        const double moonSidereal = Wrap360(moon[0] + Ayanamsa2000(t2000));

        const double t = t2000;
        const double meanNode = 125.0445479 - 1934.1362891 * t + 0.0020754 * t * t +
                                t * t * t / 467441 - t * t * t * t / 60616000;
        const double rahu = Wrap360(meanNode + ayanamsa);
        const double ketu = Wrap360(rahu + 180);

        const double utHours = b.hour + b.minute / 60.0;
        const double eastLongitude = b.lonDegrees + b.lonMinutes / 60.0;
        const double latitude = b.latDegrees + b.latMinutes / 60.0;
        const double siderealTime =
            Wrap360(15 * (6.6460656 + 2400.0513 * t1900 + 2.58e-05 * t1900 * t1900 + utHours) +
                    eastLongitude);
        const double obliquity = (23.452294 - 0.0130125 * t1900) * kRad;
        const double ramc = siderealTime * kRad;
        const double tropicalAscendant =
            Wrap360(std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(obliquity) +
                                                 std::tan(latitude * kRad) * std::sin(obliquity))) /
                    kRad);
        const double ascendant = Wrap360(tropicalAscendant + ayanamsa);

        std::printf(
            "    {%d, %d, %d, %d, %d, %d, %d, %d, %d,\n     {%.6f, %.6f, %.6f, %.6f, %.6f, %.6f, "
            "%.6f, "
            "%.6f, %.6f}, %.6f},\n",
            b.year, b.month, b.day, b.hour, b.minute, b.lonDegrees, b.lonMinutes, b.latDegrees,
            b.latMinutes, planet[2], moonSidereal, planet[0], planet[1], planet[3], planet[4],
            planet[5], rahu, ketu, ascendant);
    }
    swe_close();
    return 0;
}
