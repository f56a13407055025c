#pragma once

#include <optional>

#include "model/FormInput.h"
#include "model/ValidationFailure.h"
#include "pipeline/CalculationOptions.h"
#include "pipeline/ChartResult.h"
#include "pipeline/PositionSource.h"
#include "swiss/EphemerisSettings.h"

namespace amsaview {

// Validates the form and, when it passes, computes the whole chart into
// `result`. Returns the first failed check instead, or the position source's
// failure (Swiss Ephemeris without its files), leaving `result` untouched.
std::optional<ValidationFailure> ComputeChart(const FormInput& form,
                                              const EphemerisSettings& settings,
                                              ChartResult& result,
                                              const CalculationOptions& options = {});

// The same with a source made once for many charts.
std::optional<ValidationFailure> ComputeChart(const FormInput& form, const PositionSource& source,
                                              ChartResult& result,
                                              const CalculationOptions& options = {});

// The built-in method.
std::optional<ValidationFailure> ComputeChart(const FormInput& form, ChartResult& result);

}  // namespace amsaview
