#include "pipeline/WindowTexts.h"

#include <algorithm>
#include <cstdio>

#include "astro/TimeBases.h"
#include "model/LookupLists.h"
#include "vedic/Nakshatra.h"

namespace amsaview {

std::string MarginText(int seconds) {
    const int hours = seconds / 3600;
    const int minutes = seconds / 60 % 60;
    const int rest = seconds % 60;
    if (hours > 0) {
        return std::to_string(hours) + " h " + std::to_string(minutes) + " min " +
               std::to_string(rest) + " s";
    }
    if (minutes > 0) {
        return std::to_string(minutes) + " min " + std::to_string(rest) + " s";
    }
    return std::to_string(rest) + " s";
}

std::string LocalClockText(const BirthData& birth, int seconds) {
    // Read with no offset, the moved birth's universal time is its local clock.
    const UtMoment at = PlanetMoment(ShiftedBirth(birth, seconds + birth.utcOffsetSeconds));
    char text[64];
    if (at.year == birth.year && at.month == birth.month && at.day == birth.day) {
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", at.hour, at.minute, at.second);
    } else {
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", at.year, at.month, at.day,
                      at.hour, at.minute, at.second);
    }
    return text;
}

std::string WindowValueText(const TimeWindow& window) {
    if (window.id == "moonPada") {
        return std::string(NakshatraNames[static_cast<std::size_t>(window.value / 4)]) + " " +
               std::to_string(window.value % 4 + 1);
    }
    return std::string(SignAbbreviations[static_cast<std::size_t>(window.value)]);
}

std::vector<WindowRow> WindowRows(const BirthData& birth, const std::vector<TimeWindow>& windows) {
    std::vector<WindowRow> rows;
    for (const TimeWindow& window : windows) {
        WindowRow row;
        row.chart = window.id == "moonPada" ? "Moon's pada" : window.id;
        row.value = WindowValueText(window);
        row.from = window.earliest ? LocalClockText(birth, *window.earliest) : "over a day before";
        row.to = window.latest ? LocalClockText(birth, *window.latest) : "over a day after";
        // How far the birth time may move either way and keep the value.
        const int before = window.earliest ? -*window.earliest : kWindowSearchSeconds;
        const int after = window.latest ? *window.latest : kWindowSearchSeconds;
        const int margin = std::min(before, after);
        row.margin = MarginText(margin);
        row.close = margin < 60;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace amsaview
