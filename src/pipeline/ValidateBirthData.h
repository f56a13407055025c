#pragma once

#include <optional>

#include "model/FormInput.h"
#include "model/ValidationFailure.h"

namespace amsaview {

// The checks of the form in their fixed order, every pick-list row inside its
// list first; the first that fails is returned.
std::optional<ValidationFailure> ValidateBirthData(const FormInput& form);

}  // namespace amsaview
