#pragma once

#include <string>
#include <variant>

#include "cli/BirthFields.h"
#include "model/FormInput.h"

namespace amsaview {

// The form input the fields describe, or the one line that says what is wrong
// with them. Both the single-birth mode and every batch row come through here,
// so the same bad value gets the same message.
std::variant<FormInput, std::string> ParseBirth(const BirthFields& fields);

}  // namespace amsaview
