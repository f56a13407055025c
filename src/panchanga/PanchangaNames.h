#pragma once

#include <array>
#include <string_view>

namespace amsaview {

inline constexpr int kTithiCount = 30;
inline constexpr int kYogaCount = 27;
inline constexpr int kKaranaCount = 60;

inline constexpr std::array<std::string_view, 7> kVaraNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

inline constexpr std::array<std::string_view, kYogaCount> kYogaNames = {
    "Vishkambha", "Priti",  "Ayushman",  "Saubhagya", "Shobhana", "Atiganda", "Sukarma",
    "Dhriti",     "Shula",  "Ganda",     "Vriddhi",   "Dhruva",   "Vyaghata", "Harshana",
    "Vajra",      "Siddhi", "Vyatipata", "Variyana",  "Parigha",  "Shiva",    "Siddha",
    "Sadhya",     "Shubha", "Shukla",    "Brahma",    "Indra",    "Vaidhriti"};

// Tithi 1..30: the same fourteen names in each fortnight, Purnima and Amavasya closing them.
std::string_view TithiName(int tithi);

// "Shukla" for tithis 1..15, "Krishna" for 16..30.
std::string_view PakshaName(int tithi);

// Karana 1..60: Kimstughna, then Bava .. Vishti eight times over, then the
// three fixed karanas of the dark fortnight's end.
std::string_view KaranaName(int karana);

// Yoga 1..27.
std::string_view YogaName(int yoga);

}  // namespace amsaview
