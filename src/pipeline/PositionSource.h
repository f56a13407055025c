#pragma once

#include <memory>

#include "model/BirthData.h"
#include "model/ChartPositions.h"
#include "swiss/EphemerisSettings.h"

namespace amsaview {

// Where a chart's numbers come from: the ayanamsa, the ascendant, the nine
// sidereal longitudes with their speeds, the Moon's nakshatra and rashi, and
// the five retrograde marks, each with the text the result window shows.
class PositionSource {
  public:
    virtual ~PositionSource() = default;

    // Throws SwissEphemerisError (or another std::runtime_error) when the
    // source cannot compute this birth; `positions` is then unspecified.
    virtual void Compute(const BirthData& birth, ChartPositions& positions) const = 0;

    // The choice this source stands for, to name it beside the chart.
    virtual const EphemerisSettings& Settings() const = 0;
};

// The program's own method: the Keplerian planets, the lunar series and the
// station tables. It gives no speeds.
class BuiltInPositionSource final : public PositionSource {
  public:
    void Compute(const BirthData& birth, ChartPositions& positions) const override;
    const EphemerisSettings& Settings() const override { return settings_; }

  private:
    EphemerisSettings settings_;
};

// The source `settings` chooses. Throws SwissEphemerisError when Swiss
// Ephemeris is chosen and its data files are missing.
std::unique_ptr<PositionSource> MakePositionSource(const EphemerisSettings& settings);

}  // namespace amsaview
