#include "astro/Ascendant.h"

#include <cmath>

#include "astro/AngleText.h"
#include "astro/Numeric.h"
#include "astro/TimeBases.h"

namespace amsaview {

double Ayanamsa(double centuries1900) {
    const double t = centuries1900;
    double node = (933060 - 6962911 * t + t * (7.5 * t)) / 3600;
    while (node >= 360) {
        node -= 360;
    }
    const double twiceSunLongitude = (259205536.0 * t + 2013816.0) / 3600;
    const double nutationSeconds =
        1.27 * std::sin(twiceSunLongitude * kDegToRad) + 17.23 * std::sin(node * kDegToRad);
    return ((nutationSeconds - t * (5025.64 + 1.11 * t)) - 80861.27) / 3600;
}

double LocalSiderealTime(const BirthMoment& moment) {
    const double t = moment.centuries1900;
    // Universal hours enter at factor 1, not the sidereal rate: every chart
    // the program has drawn was computed that way.
    double theta = 15 * (6.6460656 + 2400.0513 * t + 2.58e-05 * t * t + moment.universalHours) -
                   moment.longitude;
    while (theta >= 360) {
        theta -= 360;
    }
    return theta;
}

double TropicalAscendant(double localSiderealTime, double latitude, double centuries1900) {
    const double ramc = localSiderealTime * kDegToRad;
    const double obliquity = (23.452294 - 0.0130125 * centuries1900) * kDegToRad;
    const double y = std::cos(ramc);
    const double x = -std::sin(ramc) * std::cos(obliquity) -
                     std::sin(obliquity) * std::tan(latitude * kDegToRad);
    double ascendant = ArcTan2(y, x);
    if (ascendant < 0) {
        ascendant += kPi;
    }
    if (std::cos(ramc) < 0) {
        ascendant += kPi;
    }
    ascendant *= kRadToDeg;
    while (ascendant >= 360) {
        ascendant -= 360;
    }
    return ascendant;
}

void ComputeAscendant(const BirthData& birth, ChartPositions& positions) {
    const BirthMoment moment = PrepareBirthMoment(birth);
    positions.ayanamsa = Ayanamsa(moment.centuries1900);
    positions.ayanamsaText = FormatSignedAngle(positions.ayanamsa);

    const double tropical =
        TropicalAscendant(LocalSiderealTime(moment), moment.latitude, moment.centuries1900);
    positions.ascendant = Normalize360(tropical + positions.ayanamsa);
    positions.ascendantText = FormatLongitude(positions.ascendant);
}

}  // namespace amsaview
