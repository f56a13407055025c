#pragma once

#include <cstddef>

namespace amsaview {

// Room for any number WriteJsonNumber writes.
inline constexpr std::size_t kJsonNumberRoom = 32;

// A number as Qt's JSON writer prints it: the shortest digits that read back
// as the same double, in decimal or exponent form, whichever is shorter
// (a two-digit exponent at least: 1e-05). Not finite: null. Writes at `out`,
// which has kJsonNumberRoom bytes, and returns the end of what it wrote.
char* WriteJsonNumber(double value, char* out);

}  // namespace amsaview
