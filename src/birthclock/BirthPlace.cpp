#include "birthclock/BirthPlace.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace amsaview {
namespace {

// Rounding never gives a value the form refuses: 179°59.7' stays 179°59'.
void SetDegreesMinutes(double degrees, int largestDegrees, std::string& wholeDegrees,
                       std::string& minutes) {
    const long rounded = std::lround(std::fabs(degrees) * 60.0);
    const long total = std::min<long>(rounded, largestDegrees * 60L + 59);
    wholeDegrees = std::to_string(total / 60);
    minutes = std::to_string(total % 60);
}

}  // namespace

void ApplyPlace(const Place& place, FormInput& form) {
    form.city = place.name;
    form.state = place.state;
    form.country = place.country;
    SetDegreesMinutes(place.longitude, 179, form.lonDegrees, form.lonMinutes);
    form.east = place.longitude >= 0.0;
    SetDegreesMinutes(place.latitude, 89, form.latDegrees, form.latMinutes);
    form.south = place.latitude < 0.0;
}

}  // namespace amsaview
