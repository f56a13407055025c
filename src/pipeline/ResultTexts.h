#pragma once

#include <array>
#include <string>

#include "model/BirthData.h"
#include "model/ChartPositions.h"

namespace amsaview {

// Every caption the result window shows for one chart, named after its label.
struct ResultTexts {
    std::string lblName;
    std::string lblDOB;
    std::string lblTOB;
    std::string lblLatitude;
    std::string lblLongitude;
    std::string lblCity;
    std::string lblState;
    std::string lblCountry;
    std::array<std::string, kBodyCount> planet;
    std::string lblAyanamsha;
    std::string lblLagna;
    std::string lblNakshatra;
    std::string lblLagnaPosition;
    std::string lblRashi;
    std::string lblLord;
    std::string lblPada;

    bool operator==(const ResultTexts&) const = default;
};

// Writes every caption from the birth and the computed positions. A caption
// whose source matches nothing (a Lagna text without a sign) keeps its text.
void FillResultTexts(const BirthData& birth, const ChartPositions& positions, ResultTexts& texts);

}  // namespace amsaview
