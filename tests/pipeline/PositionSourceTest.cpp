#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"
#include "swiss/SwissEphemeris.h"
#include "swiss/SwissFixtures.h"

namespace amsaview {
namespace {

constexpr double kArcSecond = 1.0 / 3600;
constexpr int kGreenwichRow = 29;

double DegreesApart(double a, double b) {
    const double difference = std::fabs(std::fmod(a - b, 360.0));
    return std::min(difference, 360 - difference);
}

EphemerisSettings Swiss(AyanamsaMode ayanamsa = AyanamsaMode::Lahiri,
                        LunarNode node = LunarNode::Mean) {
    return {EphemerisKind::Swiss, ayanamsa, node, ""};
}

// A form in universal time at a place given to the arc-minute, as typed.
FormInput UniversalForm(int year, int month, int day, int hour, int minute, int lonDegrees,
                        int lonMinutes, bool east, int latDegrees, int latMinutes, bool south) {
    FormInput form = testing::DelhiForm(year, month, day, hour, minute);
    form.lonDegrees = std::to_string(lonDegrees);
    form.lonMinutes = std::to_string(lonMinutes);
    form.east = east;
    form.latDegrees = std::to_string(latDegrees);
    form.latMinutes = std::to_string(latMinutes);
    form.south = south;
    form.zoneRow = kGreenwichRow;
    return form;
}

FormInput FormOf(const fixtures::SwissBirth& birth) {
    return UniversalForm(birth.year, birth.month, birth.day, birth.hour, birth.minute, 0, 0, true,
                         0, 0, false);
}

ChartResult Computed(const FormInput& form, const EphemerisSettings& settings,
                     const std::string& what) {
    ChartResult result;
    const auto failure = ComputeChart(form, settings, result);
    EXPECT_FALSE(failure.has_value()) << what << ": " << (failure ? failure->message : "");
    return result;
}

// Planets and nodes are geocentric: the place does not move them, so every
// fixture birth to the whole minute serves.
TEST(SwissThroughComputeChart, LongitudesAgreeWithSwetest) {
    for (const fixtures::SwissBirth& birth : fixtures::kSwissBirths) {
        if (birth.second != 0) {
            continue;
        }
        for (const LunarNode node : kLunarNodes) {
            const ChartResult result =
                Computed(FormOf(birth), Swiss(AyanamsaMode::Lahiri, node), birth.what);
            const ChartPositions& p = result.positions;
            for (std::size_t i = 0; i < 7; ++i) {
                const std::string what =
                    std::string(birth.what) + ", " + std::string(kSwissBodyNames[i]);
                EXPECT_LE(DegreesApart(p.siderealLongitude[i], birth.longitudes[i]), kArcSecond)
                    << what;
                EXPECT_NEAR(p.speed[i], birth.speeds[i], 2e-7) << what;
            }
            const double rahu = node == LunarNode::Mean ? birth.meanNode : birth.trueNode;
            EXPECT_LE(DegreesApart(p.siderealLongitude[7], rahu), kArcSecond) << birth.what;
            EXPECT_LE(DegreesApart(p.siderealLongitude[8], rahu + 180), kArcSecond) << birth.what;
            EXPECT_NEAR(-p.ayanamsa, birth.ayanamsa, kArcSecond) << birth.what;
            EXPECT_LE(DegreesApart(p.moonSidereal, birth.longitudes[1]), kArcSecond) << birth.what;
            EXPECT_EQ(result.method, Swiss(AyanamsaMode::Lahiri, node)) << birth.what;
        }
    }
}

// Ascendants printed by swetest -sid1 -house<lon>,<lat>,W for the places as
// typed to the arc-minute.
TEST(SwissThroughComputeChart, AscendantAgreesWithSwetestInBothHemispheres) {
    const struct {
        const char* what;
        FormInput form;
        double ascendant;
        std::string lagna;
    } cases[] = {
        {"1901 Kolkata", UniversalForm(1901, 3, 15, 6, 30, 88, 22, true, 22, 34, false), 75.1509126,
         "Gemini (Mithuna)"},
        {"1990 Sydney", UniversalForm(1990, 5, 10, 2, 15, 151, 12, true, 33, 52, true), 103.4968725,
         "Cancer (Kataka)"},
        {"2003 Buenos Aires", UniversalForm(2003, 11, 29, 14, 5, 58, 23, false, 34, 36, true),
         295.2860215, "Capricorn (Makara)"},
    };
    for (const auto& c : cases) {
        const ChartResult result = Computed(c.form, Swiss(), c.what);
        EXPECT_LE(DegreesApart(result.positions.ascendant, c.ascendant), kArcSecond) << c.what;
        EXPECT_EQ(result.texts.lblLagna, c.lagna) << c.what;
    }
}

// Every caption follows the source: the Sydney Moon of swetest stands at
// 208.5148474 = 28° 30' 53" Libra, in the third pada of Vishakha.
TEST(SwissThroughComputeChart, CaptionsFollowTheSource) {
    const ChartResult result = Computed(
        UniversalForm(1990, 5, 10, 2, 15, 151, 12, true, 33, 52, true), Swiss(), "1990 Sydney");
    EXPECT_EQ(result.texts.lblAyanamsha, "-23\u00B0 43' 31\"");  // 23.7254745°
    EXPECT_EQ(result.texts.planet[1], "28 Lib 30");
    EXPECT_EQ(result.texts.lblNakshatra, "Vishakha");
    EXPECT_EQ(result.texts.lblRashi, "Thula");
    EXPECT_EQ(result.texts.lblPada, "3");
}

// Raman and Krishnamurti stand about 1° 27' and 5' 49" behind Lahiri in 1990.
TEST(SwissThroughComputeChart, AyanamsaNamesChooseTheirModes) {
    const FormInput form = UniversalForm(1990, 5, 10, 2, 15, 0, 0, true, 0, 0, false);
    const double lahiri = -Computed(form, Swiss(AyanamsaMode::Lahiri), "Lahiri").positions.ayanamsa;
    const struct {
        AyanamsaMode mode;
        double behindLahiri;
    } cases[] = {
        {AyanamsaMode::Raman, 1 + 27 / 60.0},
        {AyanamsaMode::Krishnamurti, (5 * 60 + 49) / 3600.0},
    };
    for (const auto& c : cases) {
        const double ayanamsa = -Computed(form, Swiss(c.mode), "").positions.ayanamsa;
        EXPECT_NEAR(lahiri - ayanamsa, c.behindLahiri, 30 * kArcSecond) << DisplayName(c.mode);
    }
    const ChartResult tropical = Computed(form, Swiss(AyanamsaMode::Tropical), "tropical");
    EXPECT_EQ(tropical.positions.ayanamsa, 0) << "tropical";
    EXPECT_LE(DegreesApart(tropical.positions.siderealLongitude[0], 25.4523771 + 23.7254745),
              kArcSecond)
        << "tropical Sun";
}

// Mercury turned retrograde on 2020-02-17 at 00:54 UT; the station tables
// mark whole local days, the Swiss source the minute.
TEST(SwissThroughComputeChart, RetrogradeTurnsAtTheStationMinute) {
    const struct {
        int minute;
        bool retrograde;
    } cases[] = {{53, false}, {55, true}};
    for (const auto& c : cases) {
        const FormInput form = UniversalForm(2020, 2, 17, 0, c.minute, 0, 0, true, 0, 0, false);
        const ChartResult result = Computed(form, Swiss(), "00:" + std::to_string(c.minute));
        EXPECT_EQ(result.positions.retrograde[0], c.retrograde) << "00:" << c.minute;
        EXPECT_EQ(result.positions.speed[2] < 0, c.retrograde) << "00:" << c.minute;
    }
}

TEST(SwissThroughComputeChart, MissingDataFolderIsAClearFailureThatChangesNothing) {
    ChartResult result;
    ASSERT_FALSE(ComputeChart(testing::DelhiForm(1975, 3, 7, 9, 5), result));
    const ChartResult before = result;
    EphemerisSettings settings = Swiss();
    settings.dataPath = "/nonexistent/ephe";
    const auto failure = ComputeChart(testing::DelhiForm(1990, 1, 1, 0, 0), settings, result);
    ASSERT_TRUE(failure.has_value());
    EXPECT_NE(failure->message.find("Swiss Ephemeris"), std::string::npos) << failure->message;
    EXPECT_NE(failure->message.find(settings.dataPath), std::string::npos) << failure->message;
    EXPECT_EQ(failure->icon, MessageIcon::Critical);
    EXPECT_EQ(result, before);
}

// A form's own fault is named before the source is even tried.
TEST(SwissThroughComputeChart, FormFaultComesFirst) {
    FormInput form = testing::DelhiForm(1990, 1, 1, 0, 0);
    form.name.clear();
    EphemerisSettings settings = Swiss();
    settings.dataPath = "/nonexistent/ephe";
    ChartResult result;
    const auto failure = ComputeChart(form, settings, result);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->focus, FormField::Name) << failure->message;
}

// The built-in method through the settings is the two-argument chart exactly,
// and a built-in chart after a Swiss one keeps nothing of it.
TEST(BuiltInThroughComputeChart, SameChartWhicheverWayItIsAsked) {
    for (const auto& form :
         {testing::DelhiForm(1975, 3, 7, 9, 5), testing::DelhiForm(2020, 2, 17, 6, 25),
          testing::GreenwichNoonJ2000()}) {
        ChartResult plain;
        ASSERT_FALSE(ComputeChart(form, plain));
        ChartResult afterSwiss;
        ASSERT_FALSE(ComputeChart(form, Swiss(), afterSwiss));
        ASSERT_FALSE(ComputeChart(form, EphemerisSettings{}, afterSwiss));
        EXPECT_EQ(afterSwiss, plain);
        EXPECT_EQ(plain.method, EphemerisSettings{});
        EXPECT_EQ(plain.positions.speed, (std::array<double, kBodyCount>{}));
    }
}

}  // namespace
}  // namespace amsaview
