#pragma once

#include <optional>
#include <string_view>

namespace amsaview {

// Removes leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanks(std::string_view text);

// The value of a text that is a whole number once its blanks are removed
// ("77", " 5 ", "-3"); nothing for empty text, other characters or an
// absurdly long number.
std::optional<int> ParseWholeNumber(std::string_view text);

}  // namespace amsaview
