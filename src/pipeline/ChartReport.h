#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dasha/Vimshottari.h"
#include "pipeline/ChartKinds.h"
#include "pipeline/ChartResult.h"

namespace amsaview {

// One chart of a result: what every drawing and the JSON show of it.
struct ReportChart {
    const ChartKind* kind = nullptr;
    const ChartPlacement* placement = nullptr;        // the boxes, held by the result
    std::array<std::int16_t, kBodyCount> bodySign{};  // Sun .. Ketu; kNoSign when left out
    std::array<bool, kBodyCount> retrograde{};
    std::int16_t ascendantSign = kNoSign;
};

// The charts of a result in the order of kChartKinds. Cheap: no text is
// made, so the batch can walk it for every birth.
using ReportCharts = std::array<ReportChart, kChartKinds.size()>;
ReportCharts ReportChartsOf(const ChartResult& result);

// The twelve box captions of a chart, Aries .. Pisces, in its kind's names.
ChartCaptions BoxCaptions(const ReportChart& chart);

// A caption and its value, named for the edges that keep their own names.
struct ReportRow {
    std::string_view id;
    std::string_view caption;
    std::string value;
};

struct ReportTable {
    std::vector<std::string_view> columns;
    std::vector<std::vector<std::string>> rows;
};

// A part of the result that the window shows on a tab of its own and the
// pages as a block.
struct ReportSection {
    std::string_view id;
    std::string_view title;
    std::vector<ReportRow> rows;
    std::vector<ReportTable> tables;
};

// The dasha is a tree of 9 × 9 × 9 periods walked by level and index
// (VimshottariDasha::Period, FirstSubPeriod); its texts come from
// pipeline/ChartDasha.h where they are shown.
struct ChartReport {
    ReportCharts charts;
    std::vector<ReportSection> sections;  // birth, clock, vedic, positions, panchanga, windows
    VimshottariDasha dasha;
};

// The report refers into the result, which must outlive it.
ChartReport BuildChartReport(const ChartResult& result);

// The first chart of this id, or none.
const ReportChart* FindChart(const ReportCharts& charts, std::string_view id);
// The first section of this id, or none.
const ReportSection* FindSection(const ChartReport& report, std::string_view id);

}  // namespace amsaview
