#include "retro/Retrograde.h"

namespace amsaview {

void MarkRetrogrades(const BirthData&, ChartPositions& positions, DisplayNames&) {
    positions.retrograde = {};
}

}  // namespace amsaview
