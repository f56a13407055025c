#include "pipeline/ChartDasha.h"

#include <gtest/gtest.h>

#include <cmath>

#include "pipeline/ChartReport.h"
#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

// 1947-03-15 00:30 at +05:30 is 1947-03-14 19:00 UT: 8328 days and five
// hours before 1970.
constexpr UtSeconds kDelhiBirthUt = -719557200;

ChartResult DelhiBirth(DashaYear year) {
    ChartResult result;
    EXPECT_FALSE(ComputeChart(testing::DelhiForm(1947, 3, 15, 0, 30), EphemerisSettings{}, result,
                              CalculationOptions{year}));
    return result;
}

// The first mahadasha began the traversed part of the Moon's nakshatra, in
// its lord's years, before the birth's universal second.
TEST(ChartDasha, FromTheChartsMoonAndTheBirthsUniversalSecond) {
    for (const DashaYearChoice& choice : kDashaYearChoices) {
        const ChartResult result = DelhiBirth({choice.kind});
        const VimshottariDasha dasha = BuildChartReport(result).dasha;
        EXPECT_EQ(dasha.year().kind, choice.kind) << choice.name;
        EXPECT_EQ(NakshatraNames[static_cast<std::size_t>(dasha.moonNakshatra())],
                  result.texts.lblNakshatra)
            << choice.name;

        const double mansions = result.positions.moonSidereal * 3 / 40;
        const double traversed = mansions - std::floor(mansions);
        const int years = kDashaLordYears[static_cast<std::size_t>(dasha.moonNakshatra() % 9)];
        const double before = traversed * years * choice.days * 86400;
        EXPECT_NEAR(static_cast<double>(dasha.Period(1, 0).start), kDelhiBirthUt - before, 1.0)
            << choice.name << ", Moon " << result.positions.moonSidereal;
        EXPECT_NEAR(static_cast<double>(dasha.Period(1, 8).end - dasha.Period(1, 0).start),
                    120 * choice.days * 86400, 1.0)
            << choice.name;
    }
}

TEST(ChartDasha, TheDefaultYearIsGregorian) {
    ChartResult result;
    ASSERT_FALSE(ComputeChart(testing::DelhiForm(1947, 3, 15, 0, 30), result));
    EXPECT_EQ(result.options.dashaYear.kind, DashaYearKind::Gregorian);
    EXPECT_EQ(ChartDasha(result).year().days(), 365.2425);
}

TEST(ChartDasha, SubPeriodsAreNineAtTheLevelBelow) {
    const VimshottariDasha dasha = ChartDasha(DelhiBirth({}));
    for (const int index : {0, 4, 8}) {
        const DashaPeriod maha = dasha.Period(1, index);
        EXPECT_EQ(dasha.Period(2, FirstSubPeriod(index)).start, maha.start) << index;
        EXPECT_EQ(dasha.Period(2, FirstSubPeriod(index)).lord, maha.lord) << index;
        EXPECT_EQ(dasha.Period(2, FirstSubPeriod(index) + 8).end, maha.end) << index;
    }
}

TEST(DashaTexts, BalanceInYearsMonthsAndDays) {
    struct Case {
        DashaBalance balance;
        std::string_view text;
    };
    // × 360 days: 4417.2 → 12 y 97 d; 2520; 29.88 → 30; 0.036 → 0.
    const Case kCases[] = {
        {{Body::Saturn, 12.27, 0.6458}, "Saturn dasha, balance 12 y 3 m 7 d"},
        {{Body::Ketu, 7.0, 1.0}, "Ketu dasha, balance 7 y 0 m 0 d"},
        {{Body::Venus, 0.083, 0.00415}, "Venus dasha, balance 0 y 1 m 0 d"},
        {{Body::Mercury, 0.0001, 0.0000059}, "Mercury dasha, balance 0 y 0 m 0 d"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(DashaBalanceText(c.balance), c.text) << c.balance.years;
    }
}

TEST(DashaTexts, EachYearIsNamed) {
    EXPECT_EQ(DashaYearText({DashaYearKind::Gregorian}),
              "Dasha years of 365.2425 days (Gregorian)");
    EXPECT_EQ(DashaYearText({DashaYearKind::Julian}), "Dasha years of 365.25 days (Julian)");
    EXPECT_EQ(DashaYearText({DashaYearKind::Sidereal}),
              "Dasha years of 365.256364 days (Sidereal)");
    EXPECT_EQ(DashaYearText({DashaYearKind::Savana}), "Dasha years of 360 days (Savana)");
}

TEST(DashaTexts, MomentsOnTheBirthsClockAndInUniversalTime) {
    BirthData birth;
    birth.utcOffsetSeconds = 19800;
    EXPECT_EQ(DashaLocalText(birth, 0), "1970-01-01 05:30:00");
    birth.utcOffsetSeconds = -18000;
    EXPECT_EQ(DashaLocalText(birth, 0), "1969-12-31 19:00:00");
    EXPECT_EQ(DashaUtText(-1), "1969-12-31 23:59:59 UT");
    EXPECT_EQ(DashaUtText(-2177452800), "1901-01-01 00:00:00 UT");
}

TEST(DashaTexts, IsoMomentsAcrossCenturiesAndLeapDays) {
    const std::pair<UtSeconds, std::string_view> kCases[] = {
        {0, "1970-01-01T00:00:00Z"},           {-1, "1969-12-31T23:59:59Z"},
        {-2177452800, "1901-01-01T00:00:00Z"}, {646936956, "1990-07-02T16:42:36Z"},
        {951782400, "2000-02-29T00:00:00Z"},  // 2000 is a leap year
        {4107542399, "2100-02-28T23:59:59Z"},  {4107542400, "2100-03-01T00:00:00Z"},  // 2100 is not
        {4433771196, "2110-07-02T19:06:36Z"},  // where a life's last periods end
    };
    for (const auto& [moment, text] : kCases) {
        char room[kIsoMomentSize + 1] = {};
        EXPECT_EQ(WriteIsoMoment(room, moment), room + kIsoMomentSize) << moment;
        EXPECT_EQ(std::string_view(room), text) << moment;
    }
}

}  // namespace
}  // namespace amsaview
