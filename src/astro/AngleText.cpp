#include "astro/AngleText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

#include "model/LookupLists.h"
#include "model/TextUtil.h"

namespace amsaview {
namespace {

// A value such as 5.1 is stored just below itself; this much of an
// arc-second added before cutting keeps it at 5° 6' 0" without ever
// lifting a real 59" to the next minute.
constexpr double kGuardSeconds = 1e-5;
constexpr long kSecondsPerDegree = 3600;

// Below this an angle's arc-seconds are a whole number a long holds exactly;
// no angle the program computes comes anywhere near it.
constexpr double kLargestWritable = 1e12;

bool IsWritable(double angleDegrees) {
    return std::isfinite(angleDegrees) && std::fabs(angleDegrees) < kLargestWritable;
}

struct DegreesMinutesSeconds {
    long degrees;
    long minutes;
    long seconds;
};

// Splits a magnitude below `limitDegrees` (exclusive) into cut parts.
DegreesMinutesSeconds Split(double magnitude, double limitDegrees) {
    const long limit = static_cast<long>(limitDegrees) * kSecondsPerDegree - 1;
    const long total = std::min(
        static_cast<long>(std::floor(magnitude * kSecondsPerDegree + kGuardSeconds)), limit);
    return {total / kSecondsPerDegree, total / 60 % 60, total % 60};
}

void AppendNumber(std::string& text, long number) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), number);
    text.append(digits, result.ptr);
}

std::string Text(const DegreesMinutesSeconds& dms, std::string_view afterSeconds) {
    std::string text;
    text.reserve(24);
    AppendNumber(text, dms.degrees);
    text += kDegreeMark;
    AppendNumber(text, dms.minutes);
    text += "' ";
    AppendNumber(text, dms.seconds);
    text += afterSeconds;
    return text;
}

void AppendTwoDigits(std::string& text, std::string_view digits) {
    if (digits.size() <= 1) {
        text += '0';
    }
    text += digits;
}

}  // namespace

std::string FormatLongitude(double angleDegrees) {
    if (!IsWritable(angleDegrees)) {
        return {};
    }
    const double magnitude = std::fabs(angleDegrees);
    const long signIndex = static_cast<long>(std::floor(magnitude / 30));
    const std::string_view sign = signIndex < kSignCount
                                      ? SignAbbreviations[static_cast<std::size_t>(signIndex)]
                                      : std::string_view{};
    const DegreesMinutesSeconds dms = Split(magnitude - 30.0 * static_cast<double>(signIndex), 30);
    std::string text = Text(dms, "\" ");
    text += sign;
    return text;
}

std::string FormatSignedAngle(double angleDegrees) {
    if (!IsWritable(angleDegrees)) {
        return {};
    }
    const double magnitude = std::fabs(angleDegrees);
    const DegreesMinutesSeconds dms = Split(magnitude, std::floor(magnitude) + 1);
    // The minus stays even when the whole degrees are 0: -0.5 is -0° 30' 0".
    return (angleDegrees < 0 ? "-" : "") + Text(dms, "\"");
}

std::optional<std::int16_t> SignOfLongForm(std::string_view longFormText) {
    const std::string_view text = TrimBlanks(longFormText);
    return FindSign(text.substr(text.size() - std::min<std::size_t>(3, text.size())));
}

std::string ShortPositionText(std::string_view longFormText) {
    const std::string_view text = TrimBlanks(longFormText);
    const std::size_t degreeAt = std::min(text.find("\u00B0"), text.size());
    const std::size_t minutesFrom =
        std::min(degreeAt + std::string_view("\u00B0").size(), text.size());
    const std::size_t minuteAt = std::max(std::min(text.find('\''), text.size()), minutesFrom);

    const std::string_view degrees = TrimBlanks(text.substr(0, degreeAt));
    const std::string_view minutes = TrimBlanks(text.substr(minutesFrom, minuteAt - minutesFrom));
    const std::string_view sign = TrimBlanks(
        longFormText.substr(longFormText.size() - std::min<std::size_t>(3, longFormText.size())));
    std::string shortForm;
    shortForm.reserve(9);
    AppendTwoDigits(shortForm, degrees);
    shortForm += ' ';
    shortForm += sign;
    shortForm += ' ';
    AppendTwoDigits(shortForm, minutes);
    return shortForm;
}

}  // namespace amsaview
