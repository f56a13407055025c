#pragma once

#include <array>

#include "Birth.h"

namespace accuracy {

// Sidereal degrees by row (see kRowNames); the ayanamsa as a positive angle.
using RowValues = std::array<double, kRowCount>;

// Lahiri sidereal positions from the Swiss Ephemeris data files: true
// positions, mean node for Rahu, Ketu opposite. Throws when the library
// did not use its files (it would fall back silently to a coarser theory).
class SwissReference {
  public:
    SwissReference();
    ~SwissReference();
    SwissReference(const SwissReference&) = delete;
    SwissReference& operator=(const SwissReference&) = delete;

    RowValues At(const Birth& birth) const;
};

}  // namespace accuracy
