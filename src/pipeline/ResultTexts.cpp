#include "pipeline/ResultTexts.h"

#include "astro/AngleText.h"
#include "model/LookupLists.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

constexpr std::array<std::string_view, kSignCount> kLagnaNames = {
    "Aries (Mesha)",         "Taurus (Vrishabha)", "Gemini (Mithuna)",  "Cancer (Kataka)",
    "Leo (Simha)",           "Virgo (Kanya)",      "Libra (Thula)",     "Scorpio (Vrishcika)",
    "Sagittarius (Dhanush)", "Capricorn (Makara)", "Aquarius (Kumbha)", "Pisces (Meena)"};

std::string Coordinate(int degrees, int minutes) {
    return std::to_string(degrees) + std::string(kDegreeMark) + std::to_string(minutes) + "'";
}

}  // namespace

void FillResultTexts(const BirthData& birth, const ChartPositions& positions, ResultTexts& texts) {
    texts.lblName = birth.name;
    texts.lblDOB = std::string(MonthNames[static_cast<std::size_t>(birth.month - 1)]) + "/" +
                   std::to_string(birth.day) + "/" + std::to_string(birth.year);
    texts.lblTOB = std::to_string(birth.hour) + ":" + std::to_string(birth.minute);
    texts.lblLatitude = Coordinate(birth.latDegrees, birth.latMinutes);
    texts.lblLongitude = Coordinate(birth.lonDegrees, birth.lonMinutes);
    texts.lblCity = birth.city;
    texts.lblState = birth.state;
    texts.lblCountry = birth.country;
    texts.planet = positions.positionText;
    texts.lblAyanamsha = positions.ayanamsaText;

    if (const auto sign = SignOfLongForm(positions.ascendantText)) {
        texts.lblLagna = kLagnaNames[static_cast<std::size_t>(*sign)];
    }

    texts.lblNakshatra = positions.nakshatraName;
    texts.lblLagnaPosition = ShortPositionText(positions.ascendantText);
    texts.lblRashi = positions.rashiName;
    if (const auto entry = LookupLordAndPada(texts.lblNakshatra, texts.lblRashi)) {
        texts.lblLord = entry->lord;
        // The Moon's own quarter: the table's pada count per sign reads as a
        // wrong pada to every astrologer.
        texts.lblPada = std::to_string(NakshatraPadaOf(positions.moonSidereal));
    }
}

}  // namespace amsaview
