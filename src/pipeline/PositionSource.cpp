#include "pipeline/PositionSource.h"

#include "astro/Ascendant.h"
#include "astro/Planets.h"
#include "pipeline/SwissPositionSource.h"
#include "retro/Retrograde.h"
#include "vedic/Nakshatra.h"

namespace amsaview {

void BuiltInPositionSource::Compute(const BirthData& birth, ChartPositions& positions) const {
    ComputeAscendant(birth, positions);
    ComputeVedicDetails(birth, positions);
    ComputePlanets(birth, positions);
    MarkRetrogrades(birth, positions);
    positions.speed = {};
}

std::unique_ptr<PositionSource> MakePositionSource(const EphemerisSettings& settings) {
    if (settings.kind == EphemerisKind::Swiss) {
        return std::make_unique<SwissPositionSource>(settings);
    }
    return std::make_unique<BuiltInPositionSource>();
}

}  // namespace amsaview
