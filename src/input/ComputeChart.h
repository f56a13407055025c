#pragma once

#include <optional>

#include "input/ChartResult.h"
#include "input/FormInput.h"
#include "input/ValidationFailure.h"

namespace amsaview {

// Validates the form and, when it passes, computes the whole chart into
// `result`. Returns the first failed check instead, leaving `result` untouched.
std::optional<ValidationFailure> ComputeChart(const FormInput& form, ChartResult& result);

}  // namespace amsaview
