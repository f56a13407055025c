#pragma once

#include "dasha/Vimshottari.h"
#include "model/BirthData.h"

namespace amsaview {

// The birth's local date and clock time, to its second, less its clock offset.
UtSeconds BirthUtSeconds(const BirthData& birth);

}  // namespace amsaview
