#pragma once

#include <optional>

#include "model/FormInput.h"
#include "model/ValidationFailure.h"
#include "pipeline/ChartResult.h"

namespace amsaview {

// Validates the form and, when it passes, computes the whole chart into
// `result`. Returns the first failed check instead, leaving `result` untouched.
std::optional<ValidationFailure> ComputeChart(const FormInput& form, ChartResult& result);

}  // namespace amsaview
