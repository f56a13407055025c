#include "pipeline/SwissPositionSource.h"

#include "astro/AngleText.h"
#include "astro/TimeBases.h"
#include "vedic/Nakshatra.h"

namespace amsaview {

SwissRequest SwissRequestOf(const BirthData& birth) {
    const BirthMoment moment = PrepareBirthMoment(birth);
    // The birth moment counts longitude positive to the west; Swiss Ephemeris, to the east.
    return {JulianDayUt(birth.year, birth.month, birth.day, moment.universalHours),
            -moment.longitude, moment.latitude};
}

void SwissPositionSource::Compute(const BirthData& birth, ChartPositions& positions) const {
    const SwissPositions swiss = ephemeris_.Compute(SwissRequestOf(birth));

    // The chart keeps the ayanamsa as the correction added to tropical longitudes.
    positions.ayanamsa = -swiss.ayanamsa;
    positions.ayanamsaText = FormatSignedAngle(positions.ayanamsa);
    positions.ascendant = swiss.ascendant;
    positions.ascendantText = FormatLongitude(swiss.ascendant);

    for (std::size_t i = 0; i < kSwissBodyCount; ++i) {
        positions.siderealLongitude[i] = swiss.bodies[i].longitude;
        positions.speed[i] = swiss.bodies[i].speed;
        positions.positionText[i] = ShortPositionText(FormatLongitude(swiss.bodies[i].longitude));
    }
    for (std::size_t i = 0; i < kRetrogradePlanetCount; ++i) {
        positions.retrograde[i] =
            swiss.bodies[static_cast<std::size_t>(SwissBody::Mercury) + i].retrograde;
    }

    const double moon = swiss[SwissBody::Moon].longitude;
    positions.moonSidereal = moon;
    positions.moonText = FormatLongitude(moon);
    positions.nakshatraName = NakshatraNames[static_cast<std::size_t>(NakshatraOf(moon))];
    positions.rashiName = std::string(RashiNameOf(positions.moonText).value_or(""));
}

}  // namespace amsaview
