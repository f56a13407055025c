#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace amsaview {

// A reading of a wall clock, as a person at the place would have read it.
struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

// The clock a place kept during one period of its history.
struct ClockReading {
    int utcOffsetSeconds = 0;  // local clock minus UT
    bool daylightSaving = false;
    std::string abbreviation;  // as the database writes it: "IST", "LMT", "+0630"

    friend bool operator==(const ClockReading&, const ClockReading&) = default;
};

enum class LocalTimeKind {
    Unique,    // the clock showed this time exactly once
    Skipped,   // the clocks jumped over it
    Repeated,  // the clocks were put back and showed it twice
};

// A change of the clock next to a skipped or repeated local time.
struct ClockChange {
    ClockReading before;     // for a repeated time: the earlier of the two moments
    ClockReading after;      // for a repeated time: the later of the two moments
    LocalDateTime oldClock;  // what the old clock would have shown at the change ("02:00")
    LocalDateTime newClock;  // what the new clock showed at that instant ("03:00")
};

struct ClockAtBirth {
    LocalTimeKind kind = LocalTimeKind::Unique;
    ClockReading inForce;               // meaningful for Unique only
    std::optional<ClockChange> change;  // set for Skipped and Repeated
};

// The clock in force at the zone (an IANA name such as "Asia/Kolkata") when
// its clocks showed `local`. Empty for a zone the database does not know and
// for a date or time that is not on the calendar (31 April, 24:00).
std::optional<ClockAtBirth> ClockInForce(std::string_view ianaZone, const LocalDateTime& local);

bool IsKnownZone(std::string_view ianaZone);

// The version of the database in use, e.g. "2026f"; "unknown" when it does
// not say.
std::string TzDatabaseVersion();

}  // namespace amsaview
