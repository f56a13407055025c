#pragma once

#include <optional>

#include "pipeline/ChartResult.h"
#include "model/FormInput.h"
#include "model/ValidationFailure.h"

namespace amsaview {

// Validates the form and, when it passes, computes the whole chart into
// `result`. Returns the first failed check instead, leaving `result` untouched.
std::optional<ValidationFailure> ComputeChart(const FormInput& form, ChartResult& result);

}  // namespace amsaview
