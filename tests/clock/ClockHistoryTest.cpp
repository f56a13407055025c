#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "clock/ClockHistory.h"

// Expected clocks are read off `zdump -v` for the same zones.

namespace amsaview {

void PrintTo(const ClockReading& clock, std::ostream* out) {
    *out << clock.abbreviation << ' ' << clock.utcOffsetSeconds
         << (clock.daylightSaving ? " DST" : "");
}

void PrintTo(const LocalDateTime& t, std::ostream* out) {
    *out << t.year << '-' << t.month << '-' << t.day << ' ' << t.hour << ':' << t.minute << ':'
         << t.second;
}

namespace {

std::string Named(std::string_view zone, const LocalDateTime& t) {
    std::ostringstream text;
    text << zone << ' ';
    PrintTo(t, &text);
    return text.str();
}

TEST(ClockInForce, UniqueLocalTimesAcrossHistory) {
    struct Case {
        std::string_view zone;
        LocalDateTime local;
        ClockReading expected;
    };
    const Case kCases[] = {
        {"Asia/Kolkata", {1943, 6, 1, 12, 0}, {23400, true, "+0630"}},  // war time
        {"Asia/Kolkata", {1901, 1, 1, 12, 0}, {19270, false, "MMT"}},   // Madras mean time
        {"Asia/Kolkata", {1850, 1, 1, 12, 0}, {21208, false, "LMT"}},   // before any railway time
        {"Asia/Kolkata", {1990, 6, 1, 12, 0}, {19800, false, "IST"}},
        {"Asia/Calcutta", {1943, 6, 1, 12, 0}, {23400, true, "+0630"}},  // an old name, linked
        {"Europe/London", {1969, 1, 1, 12, 0}, {3600, false, "BST"}},    // British Standard Time
        {"America/New_York", {1920, 7, 1, 12, 0}, {-14400, true, "EDT"}},
        {"Asia/Kathmandu", {1985, 6, 1, 12, 0}, {19800, false, "+0530"}},
        {"Asia/Kathmandu", {1987, 6, 1, 12, 0}, {20700, false, "+0545"}},
        {"Europe/Madrid", {1983, 3, 27, 1, 59, 59}, {3600, false, "CET"}},  // last second before
        {"Europe/Madrid", {1983, 3, 27, 3, 0, 0}, {7200, true, "CEST"}},    // first second after
        // Past 2037 the zone file's closing rule takes over.
        {"Europe/Madrid", {2050, 7, 1, 12, 0}, {7200, true, "CEST"}},
        {"Europe/Madrid", {2050, 1, 15, 12, 0}, {3600, false, "CET"}},
        {"Asia/Kathmandu", {2050, 7, 1, 12, 0}, {20700, false, "+0545"}},
        {"Asia/Kolkata", {2050, 7, 1, 12, 0}, {19800, false, "IST"}},
    };
    for (const Case& c : kCases) {
        const auto clock = ClockInForce(c.zone, c.local);
        ASSERT_TRUE(clock.has_value()) << Named(c.zone, c.local);
        EXPECT_EQ(clock->kind, LocalTimeKind::Unique) << Named(c.zone, c.local);
        EXPECT_EQ(clock->inForce, c.expected) << Named(c.zone, c.local);
        EXPECT_FALSE(clock->change.has_value()) << Named(c.zone, c.local);
    }
}

TEST(ClockInForce, SkippedAndRepeatedTimesNameTheChange) {
    struct Case {
        std::string_view zone;
        LocalDateTime local;
        LocalTimeKind kind;
        ClockReading before, after;
        LocalDateTime oldClock, newClock;
    };
    const Case kCases[] = {
        {"Europe/Madrid",
         {1983, 3, 27, 2, 30},
         LocalTimeKind::Skipped,
         {3600, false, "CET"},
         {7200, true, "CEST"},
         {1983, 3, 27, 2, 0},
         {1983, 3, 27, 3, 0}},
        {"Europe/Madrid",
         {1983, 9, 25, 2, 30},
         LocalTimeKind::Repeated,
         {7200, true, "CEST"},
         {3600, false, "CET"},
         {1983, 9, 25, 3, 0},
         {1983, 9, 25, 2, 0}},
        // Madras mean time gave way to IST at midnight: 8 min 50 s vanished.
        {"Asia/Kolkata",
         {1906, 1, 1, 0, 5},
         LocalTimeKind::Skipped,
         {19270, false, "MMT"},
         {19800, false, "IST"},
         {1906, 1, 1, 0, 0},
         {1906, 1, 1, 0, 8, 50}},
        {"America/New_York",
         {1920, 10, 31, 1, 30},
         LocalTimeKind::Repeated,
         {-14400, true, "EDT"},
         {-18000, false, "EST"},
         {1920, 10, 31, 2, 0},
         {1920, 10, 31, 1, 0}},
        {"Europe/Madrid",
         {2050, 3, 27, 2, 30},
         LocalTimeKind::Skipped,
         {3600, false, "CET"},
         {7200, true, "CEST"},
         {2050, 3, 27, 2, 0},
         {2050, 3, 27, 3, 0}},
        {"Europe/Madrid",
         {2050, 10, 30, 2, 30},
         LocalTimeKind::Repeated,
         {7200, true, "CEST"},
         {3600, false, "CET"},
         {2050, 10, 30, 3, 0},
         {2050, 10, 30, 2, 0}},
    };
    for (const Case& c : kCases) {
        const auto clock = ClockInForce(c.zone, c.local);
        ASSERT_TRUE(clock.has_value()) << Named(c.zone, c.local);
        EXPECT_EQ(clock->kind, c.kind) << Named(c.zone, c.local);
        ASSERT_TRUE(clock->change.has_value()) << Named(c.zone, c.local);
        EXPECT_EQ(clock->change->before, c.before) << Named(c.zone, c.local);
        EXPECT_EQ(clock->change->after, c.after) << Named(c.zone, c.local);
        EXPECT_EQ(clock->change->oldClock, c.oldClock) << Named(c.zone, c.local);
        EXPECT_EQ(clock->change->newClock, c.newClock) << Named(c.zone, c.local);
    }
}

TEST(ClockInForce, NothingForUnknownZonesOrImpossibleMoments) {
    struct Case {
        std::string_view zone;
        LocalDateTime local;
    };
    const Case kCases[] = {
        {"Mars/Olympus_Mons", {1983, 3, 1, 12, 0}},
        {"", {1983, 3, 1, 12, 0}},
        {"../../etc/passwd", {1983, 3, 1, 12, 0}},
        {"right/Europe/Madrid", {1983, 3, 1, 12, 0}},  // leap-second clocks are not civil time
        {"Europe/Madrid", {1983, 2, 29, 12, 0}},
        {"Europe/Madrid", {2000, 4, 31, 12, 0}},
        {"Europe/Madrid", {2000, 13, 1, 12, 0}},
        {"Europe/Madrid", {2000, 0, 1, 12, 0}},
        {"Europe/Madrid", {2000, 1, 1, 24, 0}},
        {"Europe/Madrid", {2000, 1, 1, 12, 60}},
        {"Europe/Madrid", {2000, 1, 1, 12, 0, -1}},
        {"Europe/Madrid", {40000, 1, 1, 12, 0}},
    };
    for (const Case& c : kCases) {
        EXPECT_FALSE(ClockInForce(c.zone, c.local).has_value()) << Named(c.zone, c.local);
    }
    EXPECT_TRUE(ClockInForce("Europe/Madrid", {2000, 2, 29, 23, 59, 59}).has_value());
}

TEST(IsKnownZone, KnowsDatabaseNamesOnly) {
    EXPECT_TRUE(IsKnownZone("Asia/Kolkata"));
    EXPECT_TRUE(IsKnownZone("America/Argentina/Cordoba"));
    EXPECT_FALSE(IsKnownZone("Asia/Chennai"));
    EXPECT_FALSE(IsKnownZone("asia/kolkata"));
}

TEST(TzDatabaseVersion, NamesARelease) {
    EXPECT_TRUE(std::regex_match(TzDatabaseVersion(), std::regex("[0-9]{4}[a-z]+")))
        << TzDatabaseVersion();
}

}  // namespace
}  // namespace amsaview
