#include "vedic/Nakshatra.h"

#include <algorithm>
#include <cmath>

#include "astro/AngleText.h"
#include "model/LookupLists.h"
#include "vedic/MoonLongitude.h"

namespace amsaview {
namespace {

constexpr double kArcMinutesPerNakshatra = 800;
constexpr double kArcMinutesPerPada = 200;

}  // namespace

int NakshatraOf(double siderealLongitude) {
    return static_cast<int>(std::floor(siderealLongitude * 60 / kArcMinutesPerNakshatra));
}

int NakshatraPadaOf(double siderealLongitude) {
    const auto quarters =
        static_cast<long>(std::floor(siderealLongitude * 60 / kArcMinutesPerPada));
    return static_cast<int>(quarters % 4) + 1;
}

std::optional<std::string_view> RashiNameOf(std::string_view longFormText) {
    if (const auto sign = SignOfLongForm(longFormText)) {
        return SignNamesVedic[static_cast<std::size_t>(*sign)];
    }
    return std::nullopt;
}

std::optional<LordAndPadas> LookupLordAndPada(std::string_view nakshatraCaption,
                                              std::string_view rashiCaption) {
    if (std::find(SignNamesVedic.begin(), SignNamesVedic.end(), rashiCaption) ==
        SignNamesVedic.end()) {
        return std::nullopt;
    }
    for (const SignNakshatraRow& row : SignNakshatraTable) {
        if (row.nakshatra == nakshatraCaption) {
            return LordAndPadas{row.lord, row.padas};
        }
    }
    return std::nullopt;
}

void ComputeVedicDetails(const BirthData& birth, ChartPositions& positions) {
    const MoonPosition moon = MoonSiderealLongitude(PrepareBirthMoment(birth));
    positions.moonSidereal = moon.sidereal;
    positions.moonText = moon.longForm;
    positions.nakshatraName = NakshatraNames[static_cast<std::size_t>(NakshatraOf(moon.sidereal))];
    if (const auto rashi = RashiNameOf(moon.longForm)) {
        positions.rashiName = *rashi;
    }
}

}  // namespace amsaview
