#pragma once

#include <array>
#include <string_view>

#include "charts/DivisionalRules.h"
#include "pipeline/ChartCaptions.h"

namespace amsaview {

// One chart the program draws and writes. kChartKinds is the only list of
// them: the window's tabs, the pages, the files and the JSON all walk it.
struct ChartKind {
    std::string_view id;        // "D1", "D9": the JSON's key
    std::string_view title;     // drawn in the chart's centre and on its tab
    std::string_view english;   // "Ninths"
    std::string_view sanskrit;  // "Navamsa"
    std::string_view caption;   // the heading under the chart while it is on view
    std::string_view description;
    const DivisionalChart* rule;  // none for the Rashi chart
    const BodyNames* names;       // the names its boxes show
};

inline constexpr std::array<ChartKind, 1 + kDivisionalChartCount> kChartKinds = {{
    {"D1", "Rashi Chart", "Signs", "Rashi", "Rashi :",
     " Rasi means Sign. A sign is an arc of 30 degrees, and the twelve signs that make up the "
     "circle of the zodiac are the twelve Rasis. The Rasi chart shows the sign every planet "
     "occupied at birth and speaks of health, wealth, fame and prosperity, and of the events "
     "that befall the body.",
     nullptr, &kVedicPlanetNames},
    {"D2", "Hora", "Halves", "Hora", "Hora:",
     " When a sign is divided into two equal parts, each is called a Hora. In an odd sign the "
     "Sun rules the first hora and the Moon the second; in an even sign the Moon rules the first "
     "and the Sun the second. The Hora chart is read for wealth.",
     &kDivisionalCharts[0], &kPlanetNames},
    {"D3", "Drekkana", "Thirds", "Drekkana", "Drekkana:",
     " When a sign is divided into three equal parts, then each part is called the Drekkana. "
     "The lord of the sign itself rules the first part, the lord of the 5th sign from it the "
     "second and the lord of the 9th sign from it the third. The Drekkana chart is read for "
     "brothers and sisters.",
     &kDivisionalCharts[1], &kPlanetNames},
    {"D4", "Chaturthamsa", "Quarters", "Chaturthamsa", "Chaturthamsa:",
     " Rules over the educational affairs. Each sign is divided into four equal parts of 7 "
     "degrees 30 minutes, ruled in turn by the lord of the sign itself and by the lords of the "
     "4th, 7th and 10th signs from it.",
     &kDivisionalCharts[2], &kPlanetNames},
    {"D7", "Saptamsa", "Sevenths", "Saptamsa", "Saptamsa:",
     " When a sign is divided into seven equal parts, each part is known as Sapthamsa. The "
     "parts are counted from the sign itself when it is odd and from the 7th sign from it when "
     "it is even. The Saptamsa chart is read for children.",
     &kDivisionalCharts[3], &kPlanetNames},
    {"D9", "Navamsa", "Ninths", "Navamsa", "Navamsa:",
     " The most important subdivision amongst the Hindus. Each sign is divided into nine equal "
     "parts of 3 degrees 20 minutes. The Navamsa chart is read for marriage and the partner, "
     "and every forecast made from the birth chart is weighed against it.",
     &kDivisionalCharts[4], &kPlanetNames},
    {"D10", "Dasamsa", "Tenths", "Dasamsa", "Dasamsa:",
     " The division of each sign into 10 equal parts is known as dasamsa. The parts are "
     "counted from the sign itself when it is odd and from the 9th sign from it when it is "
     "even. The Dasamsa chart is read for occupation and career.",
     &kDivisionalCharts[5], &kPlanetNames},
    {"D12", "Dwadasamsa", "Twelfths", "Dwadasamsa", "Dwadasamsa:",
     " When a sign is divided into twelve equal parts, each part is called the Dwadasamsa. The "
     "parts are ruled in turn by the lords of the twelve signs, counted from the sign itself. "
     "The Dwadasamsa chart is read for father and mother.",
     &kDivisionalCharts[6], &kPlanetNames},
}};

// Each divisional rule is one chart, named as its rule; the Rashi chart comes
// first. Checked by a test: GCC's sanitizers keep pointer comparisons out of
// constant expressions.
constexpr bool EveryRuleIsOneChart() {
    if (kChartKinds[0].rule != nullptr) {
        return false;
    }
    for (const DivisionalChart& rule : kDivisionalCharts) {
        int found = 0;
        for (const ChartKind& kind : kChartKinds) {
            if (kind.rule == &rule) {
                found += kind.title == rule.title && kind.caption.starts_with(rule.title) ? 1 : 9;
            }
        }
        if (found != 1) {
            return false;
        }
    }
    return kChartKinds.size() == 1 + kDivisionalCharts.size();
}

// The place of a divisional chart's placement in ChartPlacements::divisional.
constexpr std::size_t DivisionalIndex(const ChartKind& kind) {
    return static_cast<std::size_t>(kind.rule - kDivisionalCharts.data());
}

}  // namespace amsaview
