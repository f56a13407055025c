#pragma once

#include <optional>

#include "input/FormInput.h"
#include "input/ValidationFailure.h"

namespace amsaview {

// The checks of the form in their fixed order; the first that fails is returned.
std::optional<ValidationFailure> ValidateBirthData(const FormInput& form);

}  // namespace amsaview
