#pragma once

#include <array>
#include <string_view>

namespace amsaview {

inline constexpr int kSignCount = 12;

// Slot 12 stays empty so that a search past Pisces finds nothing.
inline constexpr std::array<std::string_view, 13> SignAbbreviations = {
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis", ""};

inline constexpr std::array<std::string_view, kSignCount> SignNamesVedic = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"};

inline constexpr std::array<std::string_view, kSignCount> SignLords = {
    "Kuja",  "Sukra", "Budha", "Chandra", "Ravi", "Budha",
    "Sukra", "Kuja",  "Guru",  "Sani",    "Sani", "Guru"};

inline constexpr std::array<std::string_view, 12> MonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// Slot 9 is the ascendant; slot 10 is never filled.
inline constexpr std::array<std::string_view, 11> kPlainPlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc", ""};
inline constexpr std::array<std::string_view, 11> kPlainVedicPlanetNames = {
    "Surya", "Chandra", "Budha", "Shukra", "Mangala", "Guru", "Shani", "Rahu", "Ketu", "ssss", ""};

}  // namespace amsaview
