#include "birthclock/ZoneRowMatch.h"

#include <array>
#include <string>
#include <string_view>

#include "model/TimeZoneTable.h"

namespace amsaview {
namespace {

// The letters of a row: the second comma-separated part of its list text.
std::string_view RowLetters(std::string_view listText) {
    const auto first = listText.find(',');
    if (first == std::string_view::npos) {
        return {};
    }
    std::string_view rest = listText.substr(first + 1);
    rest = rest.substr(0, rest.find(','));
    while (!rest.empty() && rest.front() == ' ') {
        rest.remove_prefix(1);
    }
    while (!rest.empty() && rest.back() == ' ') {
        rest.remove_suffix(1);
    }
    return rest;
}

// The row under the box is a standard-time row, so a summer clock's letters
// are matched in their standard form too: EDT → EST, CEST → CET.
std::array<std::string, 3> LettersToMatch(const ClockReading& clock) {
    std::array<std::string, 3> letters{clock.abbreviation, {}, {}};
    if (!clock.daylightSaving) {
        return letters;
    }
    const std::string& summer = clock.abbreviation;
    if (const auto at = summer.rfind("DT"); at != std::string::npos && at + 2 == summer.size()) {
        letters[1] = summer.substr(0, at) + "ST";
    }
    if (summer.size() >= 3 && summer.ends_with("ST")) {
        letters[2] = summer.substr(0, summer.size() - 2) + "T";
    }
    return letters;
}

}  // namespace

std::optional<ZoneRowChoice> ZoneRowForClock(const ClockReading& clock) {
    const std::int32_t standard =
        clock.utcOffsetSeconds - (clock.daylightSaving ? kDaylightSavingSeconds : 0);
    const auto letters = LettersToMatch(clock);
    std::optional<int> firstFit;
    for (int row = 0; row < kTimeZoneCount; ++row) {
        const TimeZone& zone = TimeZoneTable[static_cast<std::size_t>(row)];
        if (zone.standardOffsetSeconds != standard) {
            continue;
        }
        const std::string_view rowLetters = RowLetters(zone.listText);
        for (const std::string& wanted : letters) {
            if (!wanted.empty() && wanted == rowLetters) {
                return ZoneRowChoice{row, clock.daylightSaving};
            }
        }
        if (!firstFit) {
            firstFit = row;
        }
    }
    if (!firstFit) {
        return std::nullopt;
    }
    return ZoneRowChoice{*firstFit, clock.daylightSaving};
}

}  // namespace amsaview
