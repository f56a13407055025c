#include "export/VargaTable.h"

namespace amsaview {
namespace {

std::string SignCell(std::int16_t sign, bool retrograde) {
    if (sign == kNoSign) {
        return {};
    }
    std::string cell(SignAbbreviations[static_cast<std::size_t>(sign)]);
    if (retrograde) {
        cell += " (R)";
    }
    return cell;
}

}  // namespace

ReportTable VargaTable(const ReportCharts& charts) {
    ReportTable table;
    table.columns.push_back("");
    for (const ReportChart& chart : charts) {
        table.columns.push_back(chart.kind->id);
    }
    std::vector<std::string> ascendant{"Asc"};
    for (const ReportChart& chart : charts) {
        ascendant.push_back(SignCell(chart.ascendantSign, false));
    }
    table.rows.push_back(std::move(ascendant));
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        std::vector<std::string> row{std::string(kPlanetNames[slot])};
        for (const ReportChart& chart : charts) {
            row.push_back(SignCell(chart.bodySign[slot], chart.retrograde[slot]));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace amsaview
