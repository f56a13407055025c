#include "cli/BatchRun.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <thread>
#include <vector>

#include "cli/ChartJson.h"
#include "cli/ParseBirth.h"
#include "pipeline/ComputeChart.h"

namespace amsaview {
namespace {

struct Slice {
    std::string out;
    long charted = 0;
    long failed = 0;
};

void ChartSlice(const std::vector<BatchRow>& rows, const PositionSource& source, std::size_t begin,
                std::size_t end, bool windows, const DashaOptions& dasha, Slice& slice) {
    ChartResult scratch;
    slice.out.clear();
    slice.charted = 0;
    slice.failed = 0;
    for (std::size_t i = begin; i < end; ++i) {
        ++(ChartRow(rows[i], source, scratch, slice.out, windows, dasha) ? slice.charted
                                                                         : slice.failed);
    }
}

std::size_t ReadChunk(BirthReader& reader, std::vector<BatchRow>& rows) {
    std::size_t count = 0;
    while (count < rows.size() && reader.Next(rows[count])) {
        ++count;
    }
    return count;
}

}  // namespace

bool ChartRow(const BatchRow& row, const PositionSource& source, ChartResult& scratch,
              std::string& out, bool windows, const DashaOptions& dasha) {
    if (!row.error.empty()) {
        AppendErrorJsonLine(row.error, row.line, out);
        return false;
    }
    const auto form = ParseBirth(row.fields);
    if (const auto* error = std::get_if<std::string>(&form)) {
        AppendErrorJsonLine(*error, row.line, out);
        return false;
    }
    if (const auto failure = ComputeChart(std::get<FormInput>(form), source, scratch,
                                          CalculationOptions{dasha.year})) {
        AppendErrorJsonLine(failure->message, row.line, out);
        return false;
    }
    BirthTimes times;
    try {
        times = ComputeBirthTimes(scratch, source, windows);
    } catch (const std::runtime_error& error) {
        AppendErrorJsonLine(error.what(), row.line, out);
        return false;
    }
    AppendChartJsonLine(scratch, row.line, out, &times, dasha.levels);
    return true;
}

std::size_t RowsPerChunk(unsigned jobs) {
    return std::max<std::size_t>(kRowsInFlight / 2, jobs);
}

BatchOutcome RunBatch(BirthReader& reader, const PositionSource& source, std::FILE* output,
                      unsigned jobs, const BatchProgress& progress, bool windows,
                      const DashaOptions& dasha) {
    BatchOutcome outcome;
    const std::size_t chunkSize = RowsPerChunk(jobs);
    std::vector<BatchRow> current(chunkSize);
    std::vector<BatchRow> next(chunkSize);
    std::vector<Slice> slices(jobs);
    std::size_t count = ReadChunk(reader, current);
    while (count > 0) {
        // Each job charts a contiguous share, so the shares join in order.
        const std::size_t share = (count + jobs - 1) / jobs;
        std::size_t nextCount = 0;
        if (jobs == 1) {
            ChartSlice(current, source, 0, count, windows, dasha, slices[0]);
            nextCount = ReadChunk(reader, next);
        } else {
            std::vector<std::jthread> workers;
            for (unsigned job = 0; job < jobs; ++job) {
                const std::size_t begin = std::min(count, job * share);
                const std::size_t end = std::min(count, begin + share);
                workers.emplace_back(ChartSlice, std::cref(current), std::cref(source), begin, end,
                                     windows, std::cref(dasha), std::ref(slices[job]));
            }
            nextCount = ReadChunk(reader, next);
        }
        for (const Slice& slice : slices) {
            if (std::fwrite(slice.out.data(), 1, slice.out.size(), output) != slice.out.size()) {
                outcome.outputError = std::strerror(errno);
                return outcome;
            }
            outcome.charted += slice.charted;
            outcome.failed += slice.failed;
        }
        outcome.rows += static_cast<long>(count);
        progress(outcome.rows, reader.bytesRead());
        std::swap(current, next);
        count = nextCount;
    }
    if (std::fflush(output) != 0) {
        outcome.outputError = std::strerror(errno);
    }
    outcome.inputError = reader.inputError();
    return outcome;
}

}  // namespace amsaview
