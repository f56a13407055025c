#include "ui/result/SectionTexts.h"

#include <array>
#include <cctype>

namespace amsaview {
namespace {

struct ComposedSection {
    std::string_view id;
    SectionTexts texts;
};

const std::array<ComposedSection, 6> kComposed = {{
    {"birth",
     {"fraDetails", "Your Details", " About you ",
      "The birth details are necessary for any Vedic Astrology calculations. The date and the "
      "local time of birth, with the longitude and latitude of the birthplace, fix where every "
      "planet stood and which sign was rising at that moment."}},
    {"vedic",
     {"fraVedic", "Other Vedic Details", " Vedic Details",
      "This software displays the details pertaining to your input birth details. The Lagna is "
      "the ascendant, the sign rising in the east at birth. The Nakshatra is the birth star, the "
      "lunar mansion in which the Moon stood, and the Rashi is the Vedic Moon sign; both follow "
      "from the Moon's position at birth."}},
    {"positions",
     {"fraWestern", "Vedic Planetary Position", " Planetary Details",
      "The position of the different planets in different signs at the time of birth is "
      "essential for all calculations. The seven planets, Sun to Saturn, and the two nodes of "
      "the Moon, Rahu and Ketu, are listed here with their degrees and minutes in their signs."}},
    {"panchanga",
     {"fraPanchanga", "Panchanga", " Panchanga",
      "The five limbs of the day of birth: the weekday counted from sunrise, the lunar day, the "
      "Moon's nakshatra, the yoga of Sun and Moon and the half lunar day, each with the times "
      "it began and ends on the birth's clock."}},
    {"windows",
     {"fraWindows", "Lagna holds", " Lagna holds",
      "How long around the given time each chart's Lagna, and the Moon's pada, stay as they "
      "are: a margin under a minute means the chart hangs on the exact second of birth."}},
    {"dasha",
     {"fraDasha", "Vimshottari Dasha", " Vimshottari Dasha",
      "The planetary periods of a life, counted from the Moon's nakshatra at birth. Each "
      "mahadasha opens into its antardashas and those into their pratyantardashas; the periods "
      "running on the chosen date are marked and opened."}},
}};

}  // namespace

SectionTexts TextsOfSection(std::string_view id, std::string_view title) {
    for (const ComposedSection& section : kComposed) {
        if (section.id == id) {
            return section.texts;
        }
    }
    const std::string name(title);
    return {"fra_" + std::string(id), name, " " + name, {}};
}

std::string ValueLabelName(std::string_view rowId) {
    if (rowId == "date") {
        return "lblDOB";
    }
    if (rowId == "time") {
        return "lblTOB";
    }
    if (rowId == "ayanamsa") {
        return "lblAyanamsha";
    }
    std::string name = "lbl" + std::string(rowId);
    if (name.size() > 3) {
        name[3] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[3])));
    }
    return name;
}

std::string CellLabelName(std::string_view sectionId, std::size_t row, std::size_t column) {
    if (sectionId == "positions" && column == 1) {
        return "planet_" + std::to_string(row);
    }
    return std::string(sectionId) + "_" + std::to_string(row) + "_" + std::to_string(column);
}

}  // namespace amsaview
