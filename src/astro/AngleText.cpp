#include "astro/AngleText.h"

#include <algorithm>
#include <cmath>

#include "input/TextUtil.h"

namespace amsaview {
namespace {

// A value such as 5.1 is stored just below itself; this much of an
// arc-second added before cutting keeps it at 5° 6' 0" without ever
// lifting a real 59" to the next minute.
constexpr double kGuardSeconds = 1e-5;
constexpr long kSecondsPerDegree = 3600;

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

std::string Text(const DegreesMinutesSeconds& dms, std::string_view afterSeconds) {
    std::string text = std::to_string(dms.degrees);
    text += kDegreeMark;
    text += std::to_string(dms.minutes) + "' " + std::to_string(dms.seconds);
    text += afterSeconds;
    return text;
}

std::string TwoDigits(std::string_view digits) {
    return digits.size() <= 1 ? "0" + std::string(digits) : std::string(digits);
}

}  // namespace

std::string FormatLongitude(double angleDegrees) {
    const double magnitude = std::fabs(angleDegrees);
    const long signIndex = static_cast<long>(std::floor(magnitude / 30));
    const std::string_view sign =
        signIndex < 12 ? SignAbbreviationString.substr(3 * static_cast<std::size_t>(signIndex), 3)
                       : std::string_view{};
    const DegreesMinutesSeconds dms = Split(magnitude - 30.0 * static_cast<double>(signIndex), 30);
    return Text(dms, "\" ") + std::string(sign);
}

std::string FormatSignedAngle(double angleDegrees) {
    const double magnitude = std::fabs(angleDegrees);
    const DegreesMinutesSeconds dms = Split(magnitude, std::floor(magnitude) + 1);
    // The minus stays even when the whole degrees are 0: -0.5 is -0° 30' 0".
    return (angleDegrees < 0 ? "-" : "") + Text(dms, "\"");
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
    return TwoDigits(degrees) + " " + std::string(sign) + " " + TwoDigits(minutes);
}

}  // namespace amsaview
