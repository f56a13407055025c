#pragma once

#include <optional>
#include <string>

#include "model/FormInput.h"
#include "model/ValidationFailure.h"

namespace amsaview {

// The coordinate look-up needs the whole place: city, state and country, in
// that order. A blank counts as text here.
std::optional<ValidationFailure> ValidatePlaceForLookup(const FormInput& form);

// The text handed to the map search: the place alone, city state country.
std::string PlaceSearchText(const FormInput& form);

}  // namespace amsaview
