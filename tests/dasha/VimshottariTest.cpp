#include "dasha/Vimshottari.h"

#include <gtest/gtest.h>

#include <cmath>

#include "dasha/BirthMoment.h"
#include "model/LookupLists.h"

namespace amsaview {
namespace {

constexpr UtSeconds kNoonJ2000 = 946728000;  // 2000-01-01 12:00:00 UT
constexpr double kArcSecond = 1.0 / 3600.0;
constexpr double kNakshatra = 40.0 / 3.0;
constexpr UtSeconds kGregorianYear = 31556952;  // 365.2425 × 86400

std::string_view Name(Body body) {
    return kPlanetNames[SlotOf(body)];
}

TEST(Vimshottari, LordAndBalanceAcrossANakshatra) {
    struct Case {
        double moon;
        int nakshatra;
        std::string_view lord;
        double balanceYears;
    };
    // Balance = (1 - traversed) × the lord's years; one arc-second of a
    // nakshatra is 3 / 144000 of it.
    const Case kCases[] = {
        {0.0, 0, "Ketu", 7.0},                                           // Ashwini opens
        {80.0, 6, "Jupiter", 16.0},                                      // Punarvasu opens
        {100.0, 7, "Saturn", 9.5},                                       // Pushya, halfway
        {kNakshatra - kArcSecond, 0, "Ketu", 7.0 * 3 / 144000},          // Ashwini's last second
        {kNakshatra * 9 - kArcSecond, 8, "Mercury", 17.0 * 3 / 144000},  // Aslesha's last
        {360.0 - kArcSecond, 26, "Mercury", 17.0 * 3 / 144000},          // Revati's last
        {460.0, 7, "Saturn", 9.5},                                       // a turn past Pushya
        {-260.0, 7, "Saturn", 9.5},                                      // a turn before it
    };
    for (const Case& c : kCases) {
        const VimshottariDasha dasha(c.moon, kNoonJ2000, DashaYear{});
        EXPECT_EQ(dasha.moonNakshatra(), c.nakshatra) << "Moon " << c.moon;
        EXPECT_EQ(Name(dasha.balance().lord), c.lord) << "Moon " << c.moon;
        EXPECT_NEAR(dasha.balance().years, c.balanceYears, 1e-9) << "Moon " << c.moon;
        EXPECT_EQ(dasha.Period(1, 0).lord, dasha.balance().lord) << "Moon " << c.moon;
    }
}

// Moon at 100°: halfway through Pushya, so Saturn's 19 years began 9.5
// Gregorian years before noon, 2000-01-01 UT:
// 946728000 - 9.5 × 31556952 = 646936956 (1990-07-02 16:42:36 UT).
TEST(Vimshottari, NineMahadashasOfOneBirth) {
    const VimshottariDasha dasha(100.0, kNoonJ2000, DashaYear{});
    struct Maha {
        std::string_view lord;
        int yearsBefore;  // since Saturn's start
    };
    constexpr Maha kMahas[] = {{"Saturn", 0}, {"Mercury", 19}, {"Ketu", 36},
                               {"Venus", 43}, {"Sun", 63},     {"Moon", 69},
                               {"Mars", 79},  {"Rahu", 86},    {"Jupiter", 104}};
    constexpr UtSeconds kSaturnStart = 646936956;
    for (int maha = 0; maha < 9; ++maha) {
        const DashaPeriod period = dasha.Period(1, maha);
        EXPECT_EQ(Name(period.lord), kMahas[maha].lord) << maha;
        EXPECT_EQ(period.start, kSaturnStart + kMahas[maha].yearsBefore * kGregorianYear)
            << kMahas[maha].lord;
    }
    EXPECT_EQ(dasha.Period(1, 8).end, kSaturnStart + 120 * kGregorianYear);
    EXPECT_EQ(dasha.Period(1, 8).end, 4433771196);
}

TEST(Vimshottari, AntardashasOfTheFirstMahadasha) {
    // Saturn's 19 years cut as 19 × years(X) / 120, from Saturn on; each start
    // is 646936956 + 31556952 × 19 × (years before it) / 120, rounded:
    // the remainders are 72, 48 and 24 of 120, never a half.
    const VimshottariDasha dasha(100.0, kNoonJ2000, DashaYear{});
    constexpr std::pair<std::string_view, UtSeconds> kAntars[] = {
        {"Saturn", 646936956}, {"Mercury", 741870787}, {"Ketu", 826811582},
        {"Venus", 861787204},  {"Sun", 961717552},     {"Moon", 991696657},
        {"Mars", 1041661831},  {"Rahu", 1076637452},   {"Jupiter", 1166574766},
    };
    for (int antar = 0; antar < 9; ++antar) {
        const DashaPeriod period = dasha.Period(2, antar);
        EXPECT_EQ(Name(period.lord), kAntars[antar].first) << antar;
        EXPECT_EQ(period.start, kAntars[antar].second) << kAntars[antar].first;
    }
    EXPECT_EQ(dasha.Period(2, 8).end, dasha.Period(1, 1).start);
}

TEST(Vimshottari, EachYearChoice) {
    // Moon at 0°: Ketu's 7 years and the whole cycle start at birth.
    struct Case {
        std::string_view name;
        double days;
        UtSeconds ketuEnd, cycleEnd;  // birth + 7 and + 120 years, rounded
    };
    constexpr Case kCases[] = {
        {"gregorian", 365.2425, 7 * kGregorianYear, 120 * kGregorianYear},
        {"julian", 365.25, 7 * UtSeconds{31557600}, 120 * UtSeconds{31557600}},
        {"sidereal", 365.256364, 220907049, 3786977982},  // 31558149.8496 s a year
        {"savana", 360.0, 7 * UtSeconds{31104000}, 120 * UtSeconds{31104000}},
    };
    for (const Case& c : kCases) {
        const auto year = ParseDashaYear(c.name);
        ASSERT_TRUE(year) << c.name;
        EXPECT_EQ(year->name(), c.name);
        EXPECT_EQ(year->days(), c.days) << c.name;
        const VimshottariDasha dasha(0.0, kNoonJ2000, *year);
        EXPECT_EQ(dasha.Period(1, 0).start, kNoonJ2000) << c.name;
        EXPECT_EQ(dasha.Period(1, 0).end, kNoonJ2000 + c.ketuEnd) << c.name;
        EXPECT_EQ(dasha.Period(1, 8).end, kNoonJ2000 + c.cycleEnd) << c.name;
    }
    EXPECT_EQ(DashaYear{}.name(), "gregorian");
    EXPECT_FALSE(ParseDashaYear("Gregorian"));
    EXPECT_FALSE(ParseDashaYear(""));
}

// Every period is cut into nine that follow each other without a gap, fill
// it to the second, start with its own lord and follow the cycle, each as
// long as its share years(X) / 120 of the parent: within the second its two
// rounded bounds may cost, and a sixth of a second more for the parent's own
// (20 / 120 the largest share).
void ExpectSubPeriodsFill(const VimshottariDasha& dasha, const char* what) {
    for (int level = 1; level < kDashaLevels; ++level) {
        for (int index = 0; index < DashaPeriodCount(level); ++index) {
            const DashaPeriod parent = dasha.Period(level, index);
            UtSeconds at = parent.start;
            int lord =
                static_cast<int>(std::find(kDashaLords.begin(), kDashaLords.end(), parent.lord) -
                                 kDashaLords.begin());
            for (int sub = 0; sub < kDashaLordCount; ++sub) {
                const DashaPeriod child = dasha.Period(level + 1, 9 * index + sub);
                const auto cycle = static_cast<std::size_t>((lord + sub) % 9);
                ASSERT_EQ(child.start, at) << what << " level " << level << " period " << index;
                EXPECT_EQ(child.lord, kDashaLords[cycle]) << what << " level " << level;
                const double share = static_cast<double>(parent.end - parent.start) *
                                     kDashaLordYears[cycle] / kDashaCycleYears;
                EXPECT_NEAR(static_cast<double>(child.end - child.start), share, 1.0 + 1.0 / 6)
                    << what << " level " << level << " period " << index;
                at = child.end;
            }
            EXPECT_EQ(at, parent.end) << what << " level " << level << " period " << index;
        }
    }
}

TEST(Vimshottari, SubPeriodsFillTheirPeriodToTheSecond) {
    for (const auto& choice : kDashaYearChoices) {
        for (const double moon : {0.0, 100.0, 217.345678, 359.9999}) {
            ExpectSubPeriodsFill(VimshottariDasha(moon, kNoonJ2000, {choice.kind}),
                                 choice.name.data());
        }
    }
}

TEST(Vimshottari, RunningPeriodAtADate) {
    const VimshottariDasha dasha(100.0, kNoonJ2000, DashaYear{});
    // 2024-06-01 00:00 UT: Mercury's mahadasha (from 1246519044), its Saturn
    // antardasha (from 1698046432.2) and in that Mercury's pratyantardasha:
    // Saturn's share 17 × 19 × 19 / 14400 years ends at 1711495391.535.
    const auto running = dasha.RunningAt(1717200000);
    ASSERT_TRUE(running);
    EXPECT_EQ(Name(dasha.Period(1, (*running)[0]).lord), "Mercury");
    EXPECT_EQ(Name(dasha.Period(2, (*running)[1]).lord), "Saturn");
    EXPECT_EQ(Name(dasha.Period(3, (*running)[2]).lord), "Mercury");
    EXPECT_EQ(dasha.Period(3, (*running)[2]).start, 1711495392);
    EXPECT_EQ(dasha.Period(3, (*running)[2]).end, 1723528671);
    EXPECT_EQ((*running)[0], (*running)[1] / 9);
    EXPECT_EQ((*running)[1], (*running)[2] / 9);

    // A period owns its first second, not the second after its end.
    EXPECT_EQ(dasha.RunningAt(1246519044)->at(0), 1);
    EXPECT_EQ(dasha.RunningAt(1246519043)->at(0), 0);
    EXPECT_EQ(dasha.RunningAt(646936956)->at(2), 0);
    EXPECT_FALSE(dasha.RunningAt(646936955));
    EXPECT_EQ(dasha.RunningAt(4433771195)->at(2), 728);
    EXPECT_FALSE(dasha.RunningAt(4433771196));
}

TEST(Vimshottari, BirthsAtTheEdgesOfTheYearsTheProgramTakes) {
    BirthData early;
    early.year = 1901;
    early.hour = 5;
    early.minute = 30;
    early.utcOffsetSeconds = 19800;                 // +05:30
    EXPECT_EQ(BirthUtSeconds(early), -2177452800);  // 1901-01-01 00:00 UT

    BirthData late;
    late.year = 2050;
    late.month = 12;
    late.day = 31;
    late.hour = 23;
    late.minute = 59;
    late.utcOffsetSeconds = -3600;
    EXPECT_EQ(BirthUtSeconds(late), 2556144000 + 59 * 60);  // 2051-01-01 00:59 UT

    BirthData leapDay;
    leapDay.year = 2000;
    leapDay.month = 2;
    leapDay.day = 29;
    leapDay.hour = 12;
    leapDay.utcOffsetSeconds = 19800;
    EXPECT_EQ(BirthUtSeconds(leapDay), 951805800);  // 2000-02-29 06:30 UT
    // An exact clock's seconds count: 06:30:47 UT.
    leapDay.second = 47;
    EXPECT_EQ(BirthUtSeconds(leapDay), 951805847);

    // Moon at 0°: the cycle runs 120 years from birth, into 2020 and 2170.
    const VimshottariDasha first(0.0, BirthUtSeconds(early), DashaYear{});
    EXPECT_EQ(first.Period(1, 8).end, -2177452800 + 120 * kGregorianYear);
    const VimshottariDasha last(0.0, BirthUtSeconds(late), DashaYear{});
    EXPECT_EQ(last.Period(1, 8).end, 2556147540 + 120 * kGregorianYear);
    ASSERT_TRUE(last.RunningAt(6000000000));  // 2160
    ExpectSubPeriodsFill(first, "1901");
    ExpectSubPeriodsFill(last, "2050");
}

}  // namespace
}  // namespace amsaview
