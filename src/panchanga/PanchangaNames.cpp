#include "panchanga/PanchangaNames.h"

namespace amsaview {
namespace {

constexpr std::array<std::string_view, 14> kFortnightTithis = {
    "Pratipada", "Dwitiya", "Tritiya", "Chaturthi", "Panchami", "Shashthi",   "Saptami",
    "Ashtami",   "Navami",  "Dashami", "Ekadashi",  "Dwadashi", "Trayodashi", "Chaturdashi"};

constexpr std::array<std::string_view, 7> kMovableKaranas = {
    "Bava", "Balava", "Kaulava", "Taitila", "Garaja", "Vanija", "Vishti"};

}  // namespace

std::string_view TithiName(int tithi) {
    if (tithi == 15) {
        return "Purnima";
    }
    if (tithi == kTithiCount) {
        return "Amavasya";
    }
    return kFortnightTithis[static_cast<std::size_t>((tithi - 1) % 15)];
}

std::string_view PakshaName(int tithi) {
    return tithi <= 15 ? "Shukla" : "Krishna";
}

std::string_view KaranaName(int karana) {
    switch (karana) {
        case 1:
            return "Kimstughna";
        case 58:
            return "Shakuni";
        case 59:
            return "Chatushpada";
        case kKaranaCount:
            return "Naga";
        default:
            return kMovableKaranas[static_cast<std::size_t>((karana - 2) % 7)];
    }
}

std::string_view YogaName(int yoga) {
    return kYogaNames[static_cast<std::size_t>(yoga - 1)];
}

}  // namespace amsaview
