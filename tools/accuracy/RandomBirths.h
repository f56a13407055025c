#pragma once

#include <cstdint>
#include <vector>

#include "Birth.h"

namespace accuracy {

// Births spread evenly over 1901-2050, any minute of the day, any longitude,
// latitudes up to 66° either side (beyond, the ascendant turns erratic for
// every method). The same seed gives the same births on every system.
std::vector<Birth> RandomBirths(int count, std::uint32_t seed);

}  // namespace accuracy
