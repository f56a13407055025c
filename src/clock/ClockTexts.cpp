#include "clock/ClockTexts.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace amsaview {
namespace {

std::string TwoDigits(int value) {
    std::array<char, 16> text{};
    std::snprintf(text.data(), text.size(), "%02d", value);
    return text.data();
}

std::string ClockTime(int hour, int minute, int second) {
    std::string text = TwoDigits(hour) + ":" + TwoDigits(minute);
    if (second != 0) {
        text += ":" + TwoDigits(second);
    }
    return text;
}

std::string ClockTime(const LocalDateTime& local) {
    return ClockTime(local.hour, local.minute, local.second);
}

bool IsNumericAbbreviation(std::string_view abbreviation) {
    return !abbreviation.empty() && (abbreviation.front() == '+' || abbreviation.front() == '-');
}

std::string InPlace(std::string_view placeName) {
    return placeName.empty() ? std::string("there") : "in " + std::string(placeName);
}

std::string CalendarDay(const LocalDateTime& local) {
    static constexpr std::array<std::string_view, 12> kMonths = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    const std::string_view month = local.month >= 1 && local.month <= 12
                                       ? kMonths[static_cast<std::size_t>(local.month - 1)]
                                       : std::string_view("?");
    return std::to_string(local.day) + " " + std::string(month) + " " + std::to_string(local.year);
}

bool SameDay(const LocalDateTime& a, const LocalDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

}  // namespace

std::string FormatUtcOffset(int seconds) {
    const char sign = seconds < 0 ? '-' : '+';
    const long long magnitude = std::llabs(static_cast<long long>(seconds));  // INT_MIN too
    return sign + ClockTime(static_cast<int>(magnitude / 3600),
                            static_cast<int>(magnitude / 60 % 60),
                            static_cast<int>(magnitude % 60));
}

std::string ClockLabel(const ClockReading& clock) {
    const std::string offset = FormatUtcOffset(clock.utcOffsetSeconds);
    if (clock.abbreviation == "LMT") {
        return "Local mean time " + offset;
    }
    if (clock.abbreviation.empty() || IsNumericAbbreviation(clock.abbreviation)) {
        return offset;
    }
    return clock.abbreviation + " " + offset;
}

std::string DescribeClock(const ClockReading& clock) {
    return ClockLabel(clock) + (clock.daylightSaving ? ", daylight saving" : "");
}

std::string FormatLocalMoment(const LocalDateTime& local) {
    return ClockTime(local) + " on " + CalendarDay(local);
}

std::string SkippedTimeMessage(const LocalDateTime& local, const ClockChange& change,
                               std::string_view placeName) {
    const std::string skipped = FormatLocalMoment(local) + " did not exist " + InPlace(placeName);
    const LocalDateTime& from = change.oldClock;
    const LocalDateTime& to = change.newClock;
    if (SameDay(from, to)) {
        return skipped + ": clocks went from " + ClockTime(from) + " to " + ClockTime(to);
    }
    // A change across midnight names its days; one from midnight to midnight
    // left out a whole day (Apia, 30 December 2011).
    const bool wholeDays = ClockTime(from) == "00:00" && ClockTime(to) == "00:00";
    return skipped +
           (wholeDays ? ": the whole day was skipped, as clocks went from "
                      : ": clocks went from ") +
           FormatLocalMoment(from) + " to " + FormatLocalMoment(to);
}

std::string RepeatedTimeMessage(const LocalDateTime& local, const ClockChange& change,
                                std::string_view placeName) {
    return FormatLocalMoment(local) + " happened twice " + InPlace(placeName) + ": first on " +
           ClockLabel(change.before) + ", then on " + ClockLabel(change.after);
}

}  // namespace amsaview
