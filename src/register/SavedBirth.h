#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/FormInput.h"

namespace amsaview {

using BirthId = std::int64_t;

// One birth as the register keeps it: exactly what the form held, plus what
// the user adds to it. Texts are UTF-8.
struct SavedBirth {
    BirthId id = 0;  // 0 until the register has stored it
    FormInput form;  // its exact clock included, when a place gave one
    std::string note;
    std::string created;   // UTC, ISO 8601 with milliseconds; set by the register
    std::string modified;  // UTC, ISO 8601 with milliseconds; set by the register

    bool operator==(const SavedBirth&) const = default;
};

// One row of the list of saved births: enough to recognise a person.
struct BirthSummary {
    BirthId id = 0;
    std::string name;
    int year = 0;  // calendar numbers, not list rows
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::string city;
    std::string state;
    std::string country;

    bool operator==(const BirthSummary&) const = default;
};

}  // namespace amsaview
