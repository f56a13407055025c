#pragma once

#include <cstdint>
#include <string_view>

#include "model/LookupLists.h"

namespace amsaview {

// As FindSign, but an abbreviation that matches no sign counts as Aries.
std::int16_t SignIndexOf(std::string_view abbreviation);

// Characters 4-6 of a short position text ("16 Sag 31" gives "Sag"); fewer,
// or none, when the text is shorter.
std::string_view SignAbbreviationIn(std::string_view positionText);

// Where a body stands inside its sign, read from its short position text.
struct SignPosition {
    int sign = 0;          // SignIndexOf the abbreviation
    int minuteInSign = 0;  // 60 × degrees + minutes
};

// Degrees and minutes are the leading digits of their fields, none counting
// as 0, so a malformed text still gives a position.
SignPosition ReadSignPosition(std::string_view positionText);

}  // namespace amsaview
