#include <gtest/gtest.h>

#include "birthclock/BirthClock.h"

namespace amsaview {
namespace {

struct RowCase {
    const char* what;
    ClockReading clock;
    std::optional<ZoneRowChoice> expected;
};

// Rows read off the zone list by hand.
TEST(ZoneRowForClock, PicksTheRowAUserOfThePlaceKnows) {
    const RowCase cases[] = {
        {"India standard", {19800, false, "IST"}, ZoneRowChoice{34, false}},
        {"India war time: IST plus the box", {23400, true, "+0630"}, ZoneRowChoice{34, true}},
        {"New York summer: EST plus the box, not CDT",
         {-14400, true, "EDT"},
         ZoneRowChoice{27, true}},
        {"Madrid summer: CET plus the box, not BST", {7200, true, "CEST"}, ZoneRowChoice{20, true}},
        {"London 1969 standard BST", {3600, false, "BST"}, ZoneRowChoice{16, false}},
        {"London winter", {0, false, "GMT"}, ZoneRowChoice{29, false}},
        {"Paris winter: CET before BST", {3600, false, "CET"}, ZoneRowChoice{20, false}},
        {"no letters: first row of that offset", {-10800, false, "-03"}, ZoneRowChoice{4, false}},
        {"Madras local mean time", {19270, false, "LMT"}, std::nullopt},
        {"Nepal", {20700, false, "+0545"}, std::nullopt},
        {"Chatham summer", {49500, true, "+1345"}, std::nullopt},
    };
    for (const RowCase& c : cases) {
        EXPECT_EQ(ZoneRowForClock(c.clock), c.expected) << c.what;
    }
}

struct ResolveCase {
    const char* what;
    const char* zone;
    LocalDateTime local;
    RepeatedMoment repeated;
    int offsetSeconds;
    std::optional<int> row;
    bool dst;
};

TEST(ResolveBirthClock, SettlesRowOrExactOffset) {
    const ResolveCase cases[] = {
        {"Chennai 1990",
         "Asia/Kolkata",
         {1990, 1, 1, 12, 0},
         RepeatedMoment::Ask,
         19800,
         34,
         false},
        {"Chennai 1943 war time",
         "Asia/Kolkata",
         {1943, 6, 1, 12, 0},
         RepeatedMoment::Ask,
         23400,
         34,
         true},
        {"Madras 1901 local mean time",
         "Asia/Kolkata",
         {1901, 1, 1, 12, 0},
         RepeatedMoment::Ask,
         5 * 3600 + 21 * 60 + 10,
         std::nullopt,
         false},
        {"Kathmandu 1987",
         "Asia/Kathmandu",
         {1987, 6, 1, 12, 0},
         RepeatedMoment::Ask,
         20700,
         std::nullopt,
         false},
        {"Madrid repeated, earlier",
         "Europe/Madrid",
         {1983, 9, 25, 2, 30},
         RepeatedMoment::Earlier,
         7200,
         20,
         true},
        {"Madrid repeated, later",
         "Europe/Madrid",
         {1983, 9, 25, 2, 30},
         RepeatedMoment::Later,
         3600,
         20,
         false},
    };
    for (const ResolveCase& c : cases) {
        const auto outcome = ResolveBirthClock(c.zone, c.local, "here", c.repeated);
        const auto* clock = std::get_if<BirthClock>(&outcome);
        ASSERT_NE(clock, nullptr) << c.what;
        EXPECT_EQ(clock->reading.utcOffsetSeconds, c.offsetSeconds) << c.what;
        FormInput form;
        form.zoneRow = 7;
        form.dst = !c.dst;
        ApplyBirthClock(*clock, form);
        if (c.row) {
            EXPECT_EQ(form.zoneRow, c.row) << c.what;
            EXPECT_EQ(form.dst, c.dst) << c.what;
            EXPECT_FALSE(form.exactClock) << c.what;
        } else {
            ASSERT_TRUE(form.exactClock) << c.what;
            EXPECT_EQ(form.exactClock->utcOffsetSeconds, c.offsetSeconds) << c.what;
            EXPECT_EQ(form.exactClock->zone, c.zone) << c.what;
            EXPECT_FALSE(form.dst) << c.what;
        }
    }
}

TEST(ResolveBirthClock, NamesWhatCannotBeSettled) {
    using Kind = BirthClockProblem::Kind;
    const struct {
        const char* zone;
        LocalDateTime local;
        Kind kind;
        const char* message;
    } cases[] = {
        {"Europe/Madrid",
         {1983, 3, 27, 2, 30},
         Kind::Skipped,
         "02:30 on 27 March 1983 did not exist in Madrid: clocks went from 02:00 to 03:00"},
        {"Europe/Madrid",
         {1983, 9, 25, 2, 30},
         Kind::Repeated,
         "02:30 on 25 September 1983 happened twice in Madrid: first on CEST +02:00, then on CET "
         "+01:00"},
        {"Mars/Olympus", {1983, 3, 27, 2, 30}, Kind::UnknownZone, "Unknown time zone Mars/Olympus"},
    };
    for (const auto& c : cases) {
        const auto outcome = ResolveBirthClock(c.zone, c.local, "Madrid", RepeatedMoment::Ask);
        const auto* problem = std::get_if<BirthClockProblem>(&outcome);
        ASSERT_NE(problem, nullptr) << c.message;
        EXPECT_EQ(problem->kind, c.kind) << c.message;
        EXPECT_EQ(problem->message, c.message);
    }
}

TEST(BirthClockText, SaysWhetherTheListHoldsIt) {
    const auto found =
        ResolveBirthClock("Asia/Kolkata", {1990, 1, 1, 12, 0}, "Chennai", RepeatedMoment::Ask);
    EXPECT_EQ(BirthClockText(std::get<BirthClock>(found)), "Clock on that date: IST +05:30");
    const auto old =
        ResolveBirthClock("Asia/Kolkata", {1901, 1, 1, 12, 0}, "Madras", RepeatedMoment::Ask);
    EXPECT_EQ(BirthClockText(std::get<BirthClock>(old)),
              "MMT +05:21:10 (not in the list)");  // Madras mean time
    const struct {
        const char* zone;
        LocalDateTime local;
        const char* description;
    } exact[] = {
        {"Asia/Kolkata", {1901, 1, 1, 12, 0}, "Asia/Kolkata +05:21:10 (MMT)"},
        {"Asia/Kolkata", {1850, 1, 1, 12, 0}, "Asia/Kolkata +05:53:28, local mean time"},
        {"Asia/Kathmandu", {1987, 6, 1, 12, 0}, "Asia/Kathmandu +05:45"},
    };
    for (const auto& c : exact) {
        FormInput form;
        const auto settled = ResolveBirthClock(c.zone, c.local, "", RepeatedMoment::Ask);
        ApplyBirthClock(std::get<BirthClock>(settled), form);
        ASSERT_TRUE(form.exactClock) << c.description;
        EXPECT_EQ(form.exactClock->description, c.description);
    }
}

// Offsets read off the zone database with zdump: Madrid on 25 September
// 1983 went from CEST +02:00 back to CET +01:00 at 03:00; Dublin on 1 October
// 1916 from Irish summer time +00:34:39 back to GMT at 03:00.
TEST(MomentKeepingOffset, ChoosesTheMomentThatKeptTheSavedOffset) {
    const struct {
        const char* what;
        const char* zone;
        LocalDateTime local;
        int offsetSeconds;
        RepeatedMoment expected;
    } cases[] = {
        {"Madrid, summer offset",
         "Europe/Madrid",
         {1983, 9, 25, 2, 30},
         7200,
         RepeatedMoment::Earlier},
        {"Madrid, winter offset",
         "Europe/Madrid",
         {1983, 9, 25, 2, 30},
         3600,
         RepeatedMoment::Later},
        {"Madrid, neither", "Europe/Madrid", {1983, 9, 25, 2, 30}, 0, RepeatedMoment::Ask},
        {"Dublin, exact summer offset",
         "Europe/Dublin",
         {1916, 10, 1, 2, 30},
         2079,
         RepeatedMoment::Earlier},
        {"Dublin, GMT", "Europe/Dublin", {1916, 10, 1, 2, 30}, 0, RepeatedMoment::Later},
        {"Madrid, a time seen once",
         "Europe/Madrid",
         {1983, 9, 25, 3, 30},
         3600,
         RepeatedMoment::Ask},
        {"Madrid, a skipped time",
         "Europe/Madrid",
         {1983, 3, 27, 2, 30},
         7200,
         RepeatedMoment::Ask},
        {"unknown zone", "Mars/Olympus", {1983, 9, 25, 2, 30}, 7200, RepeatedMoment::Ask},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MomentKeepingOffset(c.zone, c.local, c.offsetSeconds), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace amsaview
