#pragma once

#include <string>

#include "atlas/Place.h"

namespace amsaview {

// "Chennai, Tamil Nadu, India"; an empty state is left out. Searching the
// atlas for this text finds the place again.
std::string FormatPlace(const Place& place);

}  // namespace amsaview
