#pragma once

#include <optional>
#include <string>

#include "cli/BirthFields.h"
#include "birthclock/BirthClock.h"
#include "model/FormInput.h"

namespace amsaview {

// With a place or a zone name among the fields, sets the form's coordinates
// (for a place) and its clock from the history of that zone on the form's
// date and time. The one line that says what is wrong otherwise: a place not
// found, a skipped local time, a repeated one with no moment chosen.
std::optional<std::string> SettleClockFields(const BirthFields& fields, RepeatedMoment repeated,
                                             FormInput& form);

// The candidates for what was typed, best first, as one JSON array.
std::string PlaceCandidatesJson(const std::string& typed);

}  // namespace amsaview
