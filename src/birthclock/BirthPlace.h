#pragma once

#include "atlas/Place.h"
#include "model/FormInput.h"

namespace amsaview {

// City, state, country and both coordinates of the form set to the place:
// degrees and minutes rounded to the nearest minute, with the hemispheres.
void ApplyPlace(const Place& place, FormInput& form);

}  // namespace amsaview
