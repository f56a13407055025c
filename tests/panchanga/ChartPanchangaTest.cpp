#include <gtest/gtest.h>

#include <string>

#include "pipeline/ChartPanchanga.h"
#include "pipeline/PositionSource.h"
#include "pipeline/SwissPositionSource.h"
#include "support/BirthExamples.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

constexpr double kSecond = 1.0 / 86400;

BirthData Delhi(int year, int month, int day, int hour, int minute) {
    BirthData birth = testing::GreenwichBirth(year, month, day, hour, minute);
    birth.utcOffsetSeconds = 5 * 3600 + 1800;
    birth.lonDegrees = 77;
    birth.lonMinutes = 12;
    birth.isEast = true;
    birth.latDegrees = 28;
    birth.latMinutes = 36;
    return birth;
}

const BirthData kBirths[] = {
    Delhi(1947, 8, 15, 0, 0), Delhi(2024, 3, 1, 4, 10),    testing::GreenwichBirth(1901, 1, 1, 0),
    testing::NoonJ2000(),     Delhi(2050, 12, 31, 23, 59),
};

std::string What(const BirthData& birth) {
    return std::to_string(birth.year) + "-" + std::to_string(birth.month) + "-" +
           std::to_string(birth.day) + " " + std::to_string(birth.hour) + ":" +
           std::to_string(birth.minute);
}

EphemerisSettings SwissLahiri() {
    return {EphemerisKind::Swiss, AyanamsaMode::Lahiri, LunarNode::Mean, ""};
}

TEST(ChartPanchanga, BuiltInLightsAreTheChartsOwn) {
    for (const BirthData& birth : kBirths) {
        ChartPositions positions;
        BuiltInPositionSource().Compute(birth, positions);
        const SiderealLights lights = BuiltInLights(BirthJulianDayUt(birth));
        EXPECT_NEAR(lights.sun, positions.siderealLongitude[0], 1e-7) << What(birth);
        EXPECT_NEAR(lights.moon, positions.moonSidereal, 1e-7) << What(birth);
    }
}

// Each element holds a second inside both ends and has changed a second outside.
void ExpectSpansCloseOnTheirNumbers(const Panchanga& p, const LightsAt& lights,
                                    const std::string& what) {
    struct Element {
        const char* name;
        const PanchangaSpan& span;
        int (*of)(const SiderealLights&);
    };
    const Element elements[] = {
        {"tithi", p.tithi, TithiOf},
        {"yoga", p.yoga, YogaOf},
        {"karana", p.karana, KaranaOf},
        {"nakshatra", p.nakshatra, [](const SiderealLights& l) { return NakshatraOf(l.moon) + 1; }},
    };
    for (const Element& e : elements) {
        const std::string at = what + ": " + e.name + " " + std::to_string(e.span.number);
        EXPECT_EQ(e.of(lights(e.span.start + kSecond)), e.span.number) << at << " after its start";
        EXPECT_NE(e.of(lights(e.span.start - kSecond)), e.span.number) << at << " before its start";
        EXPECT_EQ(e.of(lights(e.span.end - kSecond)), e.span.number) << at << " before its end";
        EXPECT_NE(e.of(lights(e.span.end + kSecond)), e.span.number) << at << " after its end";
    }
}

TEST(ChartPanchanga, BuiltInSpansEndWhereTheirElementsChange) {
    for (const BirthData& birth : kBirths) {
        const Panchanga p = ChartPanchanga(birth, EphemerisSettings{});
        ExpectSpansCloseOnTheirNumbers(p, BuiltInLights, What(birth));
        const double moment = BirthJulianDayUt(birth);
        EXPECT_LE(p.tithi.start, moment);
        EXPECT_GT(p.tithi.end, moment);
        EXPECT_EQ(p.tithi.number, TithiOf(BuiltInLights(moment))) << What(birth);
    }
}

TEST(ChartPanchanga, SwissSpansUseSwissLights) {
    const SwissEphemeris ephemeris(SwissLahiri());
    const LightsAt lights = [&](double jd) {
        const SwissPositions s = ephemeris.Compute({jd, 0, 0});
        return SiderealLights{s[SwissBody::Sun].longitude, s[SwissBody::Moon].longitude};
    };
    for (const BirthData& birth : kBirths) {
        const Panchanga p = ChartPanchanga(birth, SwissLahiri());
        ExpectSpansCloseOnTheirNumbers(p, lights, What(birth) + " (Swiss Ephemeris)");
        ChartPositions positions;
        SwissPositionSource(SwissLahiri()).Compute(birth, positions);
        EXPECT_EQ(p.nakshatra.number, NakshatraOf(positions.moonSidereal) + 1) << What(birth);
        EXPECT_EQ(p.pada, NakshatraPadaOf(positions.moonSidereal)) << What(birth);
    }
}

TEST(ChartPanchanga, VaraJustBeforeAndAfterSunrise) {
    // 2024-03-01 was a Friday; Delhi's sunrise that morning came near 06:45 IST.
    const Panchanga noon = ChartPanchanga(Delhi(2024, 3, 1, 12, 0), EphemerisSettings{});
    ASSERT_TRUE(noon.sun.sunrise);
    const double sunriseMinutes =
        (*noon.sun.sunrise - BirthJulianDayUt(Delhi(2024, 3, 1, 0, 0))) * 24 * 60;
    EXPECT_NEAR(sunriseMinutes, 6 * 60 + 45, 5) << "Delhi's sunrise, minutes after midnight IST";

    const int before = static_cast<int>(sunriseMinutes);  // the minute before sunrise
    const Panchanga early =
        ChartPanchanga(Delhi(2024, 3, 1, before / 60, before % 60), EphemerisSettings{});
    const Panchanga late = ChartPanchanga(Delhi(2024, 3, 1, (before + 1) / 60, (before + 1) % 60),
                                          EphemerisSettings{});
    EXPECT_EQ(early.civilWeekday, 5);
    EXPECT_EQ(early.vara, 4);
    EXPECT_EQ(VaraText(early), "Friday (before sunrise: Thursday's vara)");
    EXPECT_EQ(late.vara, 5);
    EXPECT_EQ(VaraText(late), "Friday");
}

TEST(ChartPanchanga, PolarNightKeepsTheCivilWeekday) {
    BirthData birth = testing::GreenwichBirth(2024, 12, 21, 6);  // a Saturday
    birth.latDegrees = 69;
    birth.latMinutes = 39;
    birth.lonDegrees = 18;
    birth.lonMinutes = 57;
    birth.isEast = true;
    birth.utcOffsetSeconds = 3600;
    for (const EphemerisSettings& method : {EphemerisSettings{}, SwissLahiri()}) {
        const Panchanga p = ChartPanchanga(birth, method);
        EXPECT_EQ(p.sun.polar, PolarDay::PolarNight) << MethodDescription(method);
        EXPECT_FALSE(p.sun.sunrise);
        EXPECT_EQ(p.vara, 6);
        EXPECT_EQ(VaraText(p), "Saturday");
    }
}

TEST(UtcText, JulianDaysToTheSecond) {
    EXPECT_EQ(UtcText(2451545.0), "2000-01-01T12:00:00Z");
    EXPECT_EQ(UtcText(2440587.5), "1970-01-01T00:00:00Z");
    EXPECT_EQ(UtcText(2415020.5), "1900-01-01T00:00:00Z");
    EXPECT_EQ(UtcText(2451544.5 - 0.4 * kSecond), "2000-01-01T00:00:00Z");
    EXPECT_EQ(UtcText(2451544.5 - 0.6 * kSecond), "1999-12-31T23:59:59Z");
    EXPECT_EQ(UtcText(2469807.5), "2050-01-01T00:00:00Z");
}

}  // namespace
}  // namespace amsaview
