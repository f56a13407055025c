#pragma once

#include <array>
#include <string_view>

#include "charts/DivisionalRules.h"
#include "charts/ExactVargas.h"
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
    const DivisionalChart* rule;        // the charts cut on the minute texts
    const BodyNames* names;             // the names its boxes show
    const ExactVarga* exact = nullptr;  // the charts cut on the exact longitude
};

inline constexpr std::size_t kChartKindCount = 1 + kDivisionalChartCount + kExactVargaCount;

inline constexpr std::array<ChartKind, kChartKindCount> kChartKinds = {{
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
    {"D16", "Shodasamsa", "Sixteenths", "Shodasamsa", "Shodasamsa:",
     " When a sign is divided into sixteen equal parts of 1 degree 52 minutes 30 seconds, each "
     "part is called a Shodasamsa or Kalamsa. The parts are counted from Aries in a movable "
     "sign, from Leo in a fixed sign and from Sagittarius in a dual sign. The Shodasamsa chart "
     "is read for vehicles, comforts and happiness.",
     nullptr, &kPlanetNames, &kExactVargas[0]},
    {"D20", "Vimsamsa", "Twentieths", "Vimsamsa", "Vimsamsa:",
     " When a sign is divided into twenty equal parts of 1 degree 30 minutes, each part is "
     "called a Vimsamsa. The parts are counted from Aries in a movable sign, from Sagittarius in "
     "a fixed sign and from Leo in a dual sign. The Vimsamsa chart is read for worship and "
     "spiritual progress.",
     nullptr, &kPlanetNames, &kExactVargas[1]},
    {"D24", "Chaturvimsamsa", "Twenty-fourths", "Chaturvimsamsa", "Chaturvimsamsa:",
     " When a sign is divided into twenty-four equal parts of 1 degree 15 minutes, each part is "
     "called a Chaturvimsamsa or Siddhamsa. The parts are counted from Leo in an odd sign and "
     "from Cancer in an even sign. The Chaturvimsamsa chart is read for learning and "
     "education.",
     nullptr, &kPlanetNames, &kExactVargas[2]},
    {"D27", "Saptavimsamsa", "Twenty-sevenths", "Saptavimsamsa", "Saptavimsamsa:",
     " When a sign is divided into twenty-seven equal parts of 1 degree 6 minutes 40 seconds, "
     "each part is called a Saptavimsamsa or Bhamsa. The parts are counted from Aries in a fire "
     "sign, from Cancer in an earth sign, from Libra in an air sign and from Capricorn in a "
     "water sign. The Saptavimsamsa chart is read for strength and weakness.",
     nullptr, &kPlanetNames, &kExactVargas[3]},
    {"D30", "Trimsamsa", "Thirtieths", "Trimsamsa", "Trimsamsa:",
     " The Trimsamsa cuts a sign into five unequal parts ruled by Mars, Saturn, Jupiter, "
     "Mercury and Venus: of 5, 5, 8, 7 and 5 degrees in an odd sign, falling in Aries, "
     "Aquarius, Sagittarius, Gemini and Libra, and the same lords in the reverse order in an "
     "even sign, in Taurus, Virgo, Pisces, Capricorn and Scorpio. The Trimsamsa chart is read "
     "for misfortunes and illness.",
     nullptr, &kPlanetNames, &kExactVargas[4]},
    {"D40", "Khavedamsa", "Fortieths", "Khavedamsa", "Khavedamsa:",
     " When a sign is divided into forty equal parts of 45 minutes, each part is called a "
     "Khavedamsa. The parts are counted from Aries in an odd sign and from Libra in an even "
     "sign. The Khavedamsa chart is read for the good and ill effects the mother's line "
     "brings.",
     nullptr, &kPlanetNames, &kExactVargas[5]},
    {"D45", "Akshavedamsa", "Forty-fifths", "Akshavedamsa", "Akshavedamsa:",
     " When a sign is divided into forty-five equal parts of 40 minutes, each part is called an "
     "Akshavedamsa. The parts are counted from Aries in a movable sign, from Leo in a fixed sign "
     "and from Sagittarius in a dual sign. The Akshavedamsa chart is read for character and "
     "conduct, and for what the father's line brings.",
     nullptr, &kPlanetNames, &kExactVargas[6]},
    {"D60", "Shashtiamsa", "Sixtieths", "Shashtiamsa", "Shashtiamsa:",
     " When a sign is divided into sixty equal parts of 30 minutes, each part is called a "
     "Shashtiamsa. The parts are counted from the sign itself. The sages give the Shashtiamsa "
     "chart the greatest weight of all the divisions: it is read for the deeds of past lives "
     "that colour every part of this one.",
     nullptr, &kPlanetNames, &kExactVargas[7]},
}};

// The one chart of neither rule: its boxes are the signs themselves.
constexpr bool IsRashi(const ChartKind& kind) {
    return kind.rule == nullptr && kind.exact == nullptr;
}

// Each divisional rule is one chart, named as its rule; the Rashi chart comes
// first. Checked by a test: GCC's sanitizers keep pointer comparisons out of
// constant expressions.
constexpr bool EveryRuleIsOneChart() {
    if (!IsRashi(kChartKinds[0])) {
        return false;
    }
    for (const ChartKind& kind : kChartKinds) {
        if (kind.rule != nullptr && kind.exact != nullptr) {
            return false;
        }
    }
    for (const ExactVarga& rule : kExactVargas) {
        int found = 0;
        for (const ChartKind& kind : kChartKinds) {
            if (kind.exact == &rule) {
                found += kind.id == rule.id && kind.caption.starts_with(kind.title) ? 1 : 9;
            }
        }
        if (found != 1) {
            return false;
        }
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
    return kChartKinds.size() == 1 + kDivisionalCharts.size() + kExactVargas.size();
}

// The place of a divisional chart's placement in ChartPlacements::divisional.
constexpr std::size_t DivisionalIndex(const ChartKind& kind) {
    return static_cast<std::size_t>(kind.rule - kDivisionalCharts.data());
}

// And an exact-longitude chart's in ChartPlacements::exact.
constexpr std::size_t ExactIndex(const ChartKind& kind) {
    return static_cast<std::size_t>(kind.exact - kExactVargas.data());
}

// The boxes of a chart of this kind among a result's placements.
const ChartPlacement& PlacementOf(const ChartKind& kind, const ChartPlacements& placements);

}  // namespace amsaview
