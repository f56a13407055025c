#pragma once

#include <string>

namespace amsaview {

// A number as Qt's JSON writer prints it: the shortest digits that read back
// as the same double, in decimal or exponent form, whichever is shorter
// (a two-digit exponent at least: 1e-05). Not finite: null.
void AppendJsonNumber(double value, std::string& out);

}  // namespace amsaview
