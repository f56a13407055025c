#include "register/BirthFileText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace amsaview {
namespace {

constexpr std::size_t kLongitudeDegreesLength = 3;
constexpr std::size_t kCoordinateLength = 2;

std::string TwoDigits(int value) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d", value);
    return text.data();
}

// Exactly `width` digits making a number from `first` to `last`.
std::optional<int> Number(std::string_view text, std::size_t width, int first, int last) {
    if (text.size() != width ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        value = value * 10 + (c - '0');
    }
    if (value < first || value > last) {
        return std::nullopt;
    }
    return value;
}

struct Coordinate {
    std::string degrees;
    std::string minutes;
    bool positive = true;
};

std::string CoordinateText(const std::string& degrees, bool positive, const std::string& minutes,
                           char positiveLetter, char negativeLetter) {
    return degrees + (positive ? positiveLetter : negativeLetter) + minutes;
}

std::optional<Coordinate> ReadCoordinate(std::string_view text, std::size_t degreesLength,
                                         char positiveLetter, char negativeLetter) {
    const std::size_t letter = text.find_first_not_of("0123456789");
    if (letter == std::string_view::npos ||
        (text[letter] != positiveLetter && text[letter] != negativeLetter)) {
        return std::nullopt;
    }
    const std::string_view degrees = text.substr(0, letter);
    const std::string_view minutes = text.substr(letter + 1);
    if (!IsCoordinateBoxText(degrees, degreesLength) ||
        !IsCoordinateBoxText(minutes, kCoordinateLength)) {
        return std::nullopt;
    }
    return Coordinate{std::string(degrees), std::string(minutes), text[letter] == positiveLetter};
}

}  // namespace

bool IsCoordinateBoxText(std::string_view text, std::size_t maxLength) {
    return text.size() <= maxLength &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string DateText(const FormInput& form) {
    std::array<char, 48> text{};  // room for any int, though rows are small
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d", kFirstYear + form.yearRow,
                  form.monthRow + 1, form.dayRow + 1);
    return text.data();
}

std::string TimeText(const FormInput& form) {
    return TwoDigits(form.hourRow) + ':' + TwoDigits(form.minuteRow) + ':' +
           TwoDigits(form.secondRow);
}

std::string LongitudeText(const FormInput& form) {
    return CoordinateText(form.lonDegrees, form.east, form.lonMinutes, 'E', 'W');
}

std::string LatitudeText(const FormInput& form) {
    return CoordinateText(form.latDegrees, !form.south, form.latMinutes, 'N', 'S');
}

bool ReadDateText(std::string_view text, FormInput& form) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    const auto year = Number(text.substr(0, 4), 4, kFirstYear, kLastYear);
    const auto month = Number(text.substr(5, 2), 2, 1, 12);
    const auto day = Number(text.substr(8, 2), 2, 1, 31);
    if (!year || !month || !day) {
        return false;
    }
    form.yearRow = *year - kFirstYear;
    form.monthRow = *month - 1;
    form.dayRow = *day - 1;
    return true;
}

bool ReadTimeText(std::string_view text, FormInput& form) {
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') {
        return false;
    }
    const auto hour = Number(text.substr(0, 2), 2, 0, 23);
    const auto minute = Number(text.substr(3, 2), 2, 0, 59);
    const auto second = Number(text.substr(6, 2), 2, 0, 59);
    if (!hour || !minute || !second) {
        return false;
    }
    form.hourRow = *hour;
    form.minuteRow = *minute;
    form.secondRow = *second;
    return true;
}

bool ReadLongitudeText(std::string_view text, FormInput& form) {
    const auto coordinate = ReadCoordinate(text, kLongitudeDegreesLength, 'E', 'W');
    if (!coordinate) {
        return false;
    }
    form.lonDegrees = coordinate->degrees;
    form.lonMinutes = coordinate->minutes;
    form.east = coordinate->positive;
    return true;
}

bool ReadLatitudeText(std::string_view text, FormInput& form) {
    const auto coordinate = ReadCoordinate(text, kCoordinateLength, 'N', 'S');
    if (!coordinate) {
        return false;
    }
    form.latDegrees = coordinate->degrees;
    form.latMinutes = coordinate->minutes;
    form.south = !coordinate->positive;
    return true;
}

}  // namespace amsaview
