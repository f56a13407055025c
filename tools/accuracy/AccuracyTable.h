#pragma once

#include <array>
#include <ostream>
#include <vector>

#include "ProgramPositions.h"
#include "SwissReference.h"

namespace accuracy {

// Collects the program's error against the reference birth by birth and
// prints it as a Markdown table.
class AccuracyTable {
  public:
    void Add(const ProgramPositions& program, const RowValues& reference);
    void Print(std::ostream& out) const;

  private:
    enum Division { kSign, kNakshatra, kPada, kNavamsa, kDivisionCount };

    std::array<std::vector<double>, kRowCount> errorMinutes_;
    std::array<std::array<int, kDivisionCount>, kRowCount> differs_{};
    int births_ = 0;
};

}  // namespace accuracy
