#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "cli/BirthFields.h"
#include "cli/ChartOptions.h"

namespace amsaview {

// One birth of a batch: its fields, or what makes the row unreadable.
struct BatchRow {
    long line = 0;  // where the row starts in the input, from 1
    BirthFields fields;
    std::string error;
};

// The births of a CSV file with a header row or of a JSON Lines file, one at
// a time.
class BirthReader {
  public:
    virtual ~BirthReader() = default;

    // The next row; false at the end or when the input itself cannot be read
    // any further (then inputError() says why).
    virtual bool Next(BatchRow& row) = 0;
    virtual long long bytesRead() const = 0;
    const std::string& inputError() const { return inputError_; }

  protected:
    std::string inputError_;
};

// Reads a CSV file's header at once: a reader whose inputError() is set when
// the header is missing or names an unknown, repeated or too few columns.
std::unique_ptr<BirthReader> OpenBirthReader(std::FILE* file, BatchFormat format);

}  // namespace amsaview
