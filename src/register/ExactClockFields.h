#pragma once

#include <optional>
#include <string>

#include "model/FormInput.h"

namespace amsaview {

// A birth's exact clock as the register's columns and the birth files' keys
// hold it: three values, all null for a birth on a zone row.
struct ExactClockFields {
    std::optional<std::string> zone;
    std::optional<int> utcOffsetSeconds;
    std::optional<std::string> description;
};

inline ExactClockFields FieldsOf(const std::optional<ExactClock>& clock) {
    if (!clock) {
        return {};
    }
    return {clock->zone, clock->utcOffsetSeconds, clock->description};
}

// The offset decides: without it there is no exact clock to compute with.
inline std::optional<ExactClock> ClockOf(const ExactClockFields& fields) {
    if (!fields.utcOffsetSeconds) {
        return std::nullopt;
    }
    return ExactClock{*fields.utcOffsetSeconds, fields.description.value_or(""),
                      fields.zone.value_or("")};
}

}  // namespace amsaview
