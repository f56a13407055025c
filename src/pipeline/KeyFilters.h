#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/ValidationFailure.h"

namespace amsaview {

inline constexpr char32_t kBackspaceKey = 8;
inline constexpr char32_t kEnterKey = 13;

// What a keystroke filter made of one typed character: the character to
// insert (0 when it is discarded) and, for a refused key, the message to show.
struct FilteredKey {
    char32_t key = 0;
    std::optional<ValidationFailure> refusal;

    bool operator==(const FilteredKey&) const = default;
};

// What a text filter made of a whole text put into a box at once (pasted or
// dropped): the text to insert, or the refusal of all of it.
struct FilteredText {
    std::u32string text;
    std::optional<ValidationFailure> refusal;

    bool operator==(const FilteredText&) const = default;
};

// The four coordinate boxes take digits only.
FilteredKey FilterCoordinateKey(char32_t key);

// The name box takes the characters of real names: letters of any script with
// their combining marks, blanks, apostrophes (' and ’), hyphens and full
// stops, and writes every letter that has a capital as one.
FilteredKey FilterNameKey(char32_t key);

// The typed rules for a whole text. One character a key would be refused for
// refuses all of it with that key's message: inserting the rest would make a
// value the user never wrote ("12.5" degrees as 125).
FilteredText FilterCoordinateText(std::u32string_view text);
FilteredText FilterNameText(std::u32string_view text);

// The name rule for a UTF-8 name that did not come through the box (the
// command line, batch rows, birth files). Text that is not UTF-8 is refused.
struct FilteredName {
    std::string text;
    std::optional<ValidationFailure> refusal;

    bool operator==(const FilteredName&) const = default;
};

FilteredName FilterNameUtf8(std::string_view name);

}  // namespace amsaview
