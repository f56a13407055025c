#pragma once

#include <array>

#include "Birth.h"
#include "SwissReference.h"

namespace accuracy {

// What the program computes for a birth, through the same path as its form.
struct ProgramPositions {
    RowValues values{};  // as SwissReference gives them
    // The sign of each body's box in the program's Navamsa chart, which it
    // reads from the minute-rounded position text.
    std::array<int, kBodyRows> drawnNavamsa{};
};

ProgramPositions ComputeProgramPositions(const Birth& birth);

}  // namespace accuracy
