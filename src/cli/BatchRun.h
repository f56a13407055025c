#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "cli/BirthReader.h"
#include "cli/DashaOptions.h"
#include "pipeline/ChartResult.h"
#include "pipeline/PositionSource.h"

namespace amsaview {

struct BatchOutcome {
    long rows = 0;
    long charted = 0;
    long failed = 0;
    std::string inputError;   // the input could not be read to its end
    std::string outputError;  // the output was lost
};

// Rows done and input bytes read so far, after each written chunk.
using BatchProgress = std::function<void(long rows, long long bytesRead)>;

// One output line for one row: the chart plus its line number, or the error.
// Returns whether the row charted.
// With `windows`, the line carries the time windows besides the panchanga.
bool ChartRow(const BatchRow& row, const PositionSource& source, ChartResult& scratch,
              std::string& out, bool windows = false, const DashaOptions& dasha = {});

// Rows held at once, charted and read ahead together, whatever the jobs.
inline constexpr std::size_t kRowsInFlight = 1024;
// A chunk's rows: half of those in flight, and one at least for each job.
std::size_t RowsPerChunk(unsigned jobs);

// Charts every row the reader gives from `source` and writes one line each to
// `output`, in input order: `jobs` threads chart one chunk while the next is
// read, so memory stays flat.
BatchOutcome RunBatch(BirthReader& reader, const PositionSource& source, std::FILE* output,
                      unsigned jobs, const BatchProgress& progress, bool windows = false,
                      const DashaOptions& dasha = {});

}  // namespace amsaview
