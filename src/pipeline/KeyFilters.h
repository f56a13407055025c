#pragma once

#include <optional>

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

// The four coordinate boxes take digits only.
FilteredKey FilterCoordinateKey(char32_t key);

// The name box takes letters and blanks and writes every letter as a capital.
FilteredKey FilterNameKey(char32_t key);

}  // namespace amsaview
