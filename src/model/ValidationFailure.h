#pragma once

#include <string>

namespace amsaview {

enum class MessageIcon { Critical, Information };

// The box that takes the keyboard focus after a failed check.
enum class FormField {
    None,
    Name,
    LonDegrees,
    LonMinutes,
    LatDegrees,
    LatMinutes,
    City,
    State,
    Country
};

struct ValidationFailure {
    std::string message;
    MessageIcon icon = MessageIcon::Critical;
    FormField focus = FormField::None;

    bool operator==(const ValidationFailure&) const = default;
};

}  // namespace amsaview
