#pragma once

#include <string>
#include <string_view>

namespace amsaview {

// What the result window says about a report section beside its rows: the
// frame's element name and caption, the heading and the help under the tabs.
struct SectionTexts {
    std::string frame;
    std::string caption;
    std::string heading;
    std::string help;
};

// A section the window was composed with keeps its names and help; any other
// is named after its id and headed with its title.
SectionTexts TextsOfSection(std::string_view id, std::string_view title);

// The element name of a row's value: "lblDOB", "lblTOB" and "lblAyanamsha" as
// composed, the others "lbl" and the row's id ("lblCity", "lblLagnaPosition").
std::string ValueLabelName(std::string_view rowId);

// The element name of a table's cell: the positions' values as composed
// ("planet_0"), others "<section>_<row>_<column>".
std::string CellLabelName(std::string_view sectionId, std::size_t row, std::size_t column);

}  // namespace amsaview
