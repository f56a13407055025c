#pragma once

#include <array>
#include <string_view>

#include "charts/DivisionalRules.h"

namespace amsaview {

// What the result window shows for each divisional chart beside its title and
// boxes, in tab order (the order of kDivisionalCharts).
struct DivisionalView {
    std::string_view frame;    // the chart frame's element name
    std::string_view caption;  // lblHeader when the chart's tab is chosen
    std::string_view description;
};

inline constexpr std::array<DivisionalView, kDivisionalChartCount> kDivisionalViews = {{
    {"fraHora", "Hora:",
     " When a sign is divided into two equal parts, each is called a Hora. In an odd sign the "
     "Sun rules the first hora and the Moon the second; in an even sign the Moon rules the first "
     "and the Sun the second. The Hora chart is read for wealth."},
    {"fraDrekkana", "Drekkana:",
     " When a sign is divided into three equal parts, then each part is called the Drekkana. "
     "The lord of the sign itself rules the first part, the lord of the 5th sign from it the "
     "second and the lord of the 9th sign from it the third. The Drekkana chart is read for "
     "brothers and sisters."},
    {"fraChaturthamsa", "Chaturthamsa:",
     " Rules over the educational affairs. Each sign is divided into four equal parts of 7 "
     "degrees 30 minutes, ruled in turn by the lord of the sign itself and by the lords of the "
     "4th, 7th and 10th signs from it."},
    {"fraSaptamsa", "Saptamsa:",
     " When a sign is divided into seven equal parts, each part is known as Sapthamsa. The "
     "parts are counted from the sign itself when it is odd and from the 7th sign from it when "
     "it is even. The Saptamsa chart is read for children."},
    {"fraNavamsa", "Navamsa:",
     " The most important subdivision amongst the Hindus. Each sign is divided into nine equal "
     "parts of 3 degrees 20 minutes. The Navamsa chart is read for marriage and the partner, "
     "and every forecast made from the birth chart is weighed against it."},
    {"fraDasamsa", "Dasamsa:",
     " The division of each sign into 10 equal parts is known as dasamsa. The parts are "
     "counted from the sign itself when it is odd and from the 9th sign from it when it is "
     "even. The Dasamsa chart is read for occupation and career."},
    {"fraDwadasamsa", "Dwadasamsa:",
     " When a sign is divided into twelve equal parts, each part is called the Dwadasamsa. The "
     "parts are ruled in turn by the lords of the twelve signs, counted from the sign itself. "
     "The Dwadasamsa chart is read for father and mother."},
}};

constexpr bool CaptionsNameTheirCharts() {
    for (std::size_t chart = 0; chart < kDivisionalViews.size(); ++chart) {
        const std::string_view title = kDivisionalCharts[chart].title;
        if (kDivisionalViews[chart].frame.substr(3) != title ||
            kDivisionalViews[chart].caption.substr(0, title.size()) != title) {
            return false;
        }
    }
    return true;
}
static_assert(CaptionsNameTheirCharts());

inline constexpr std::string_view kRashiCaption = "Rashi :";
inline constexpr std::string_view kHoraButtonCaption = "Hora :";
inline constexpr std::string_view kRashiDescription =
    " Rasi means Sign. A sign is an arc of 30 degrees, and the twelve signs that make up the "
    "circle of the zodiac are the twelve Rasis. The Rasi chart shows the sign every planet "
    "occupied at birth and speaks of health, wealth, fame and prosperity, and of the events "
    "that befall the body.";

// The three tabs of the left panel: the frame each shows, its heading and help.
struct DetailsView {
    std::string_view frame;
    std::string_view tab;
    std::string_view heading;
    std::string_view help;
};

inline constexpr std::array<DetailsView, 3> kDetailsViews = {{
    {"fraDetails", "Birth Details", " About you ",
     "The birth details are necessary for any Vedic Astrology calculations. The date and the "
     "local time of birth, with the longitude and latitude of the birthplace, fix where every "
     "planet stood and which sign was rising at that moment."},
    {"fraVedic", "Vedic Details", " Vedic Details",
     "This software displays the details pertaining to your input birth details. The Lagna is "
     "the ascendant, the sign rising in the east at birth. The Nakshatra is the birth star, the "
     "lunar mansion in which the Moon stood, and the Rashi is the Vedic Moon sign; both follow "
     "from the Moon's position at birth."},
    {"fraWestern", "Planetary Position", " Planetary Details",
     "The position of the different planets in different signs at the time of birth is "
     "essential for all calculations. The seven planets, Sun to Saturn, and the two nodes of "
     "the Moon, Rahu and Ketu, are listed here with their degrees and minutes in their signs."},
}};

}  // namespace amsaview
