#pragma once

#include "pipeline/PositionSource.h"
#include "swiss/SwissEphemeris.h"

namespace amsaview {

// Swiss Ephemeris behind the chart's texts: the same captions as the built-in
// method, computed from the library's apparent positions, retrograde where a
// planet's longitude speed is negative at the birth minute.
class SwissPositionSource final : public PositionSource {
  public:
    // Throws SwissEphemerisError when the data files are missing.
    explicit SwissPositionSource(const EphemerisSettings& settings)
        : settings_(settings), ephemeris_(settings) {}

    void Compute(const BirthData& birth, ChartPositions& positions) const override;
    const EphemerisSettings& Settings() const override { return settings_; }

  private:
    EphemerisSettings settings_;
    SwissEphemeris ephemeris_;
};

// The universal moment and east/north-positive place of a birth.
SwissRequest SwissRequestOf(const BirthData& birth);

}  // namespace amsaview
