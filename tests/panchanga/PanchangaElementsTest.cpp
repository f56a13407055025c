#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "panchanga/Panchanga.h"
#include "panchanga/PanchangaNames.h"

namespace amsaview {
namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kBirth = 2460000.5;

// Lights moving at constant rates, so every moment below is worked by hand:
// the elongation grows 12° a day, the Moon 13°, their sum 14°.
LightsAt Steady(double sunAtBirth, double moonAtBirth) {
    return [=](double julianDayUt) {
        const double days = julianDayUt - kBirth;
        return SiderealLights{std::fmod(sunAtBirth + days + 720, 360),
                              std::fmod(moonAtBirth + 13 * days + 7200, 360)};
    };
}

Panchanga At(double sun, double moon) {
    return ComputePanchanga(kBirth, 3, SunDay{}, Steady(sun, moon));
}

void ExpectSpan(const PanchangaSpan& span, int number, double daysBefore, double daysAfter,
                const std::string& what) {
    EXPECT_EQ(span.number, number) << what;
    EXPECT_NEAR(span.start, kBirth - daysBefore, 0.5 * kSecond)
        << what << ": start, tolerance half a second";
    EXPECT_NEAR(span.end, kBirth + daysAfter, 0.5 * kSecond)
        << what << ": end, tolerance half a second";
}

TEST(PanchangaElements, MoonJustPastTheSunNearTheWrap) {
    // Sun 359.5°, Moon 0.2°: elongation 0.7°, sum 359.7°.
    const Panchanga p = At(359.5, 0.2);
    ExpectSpan(p.tithi, 1, 0.7 / 12, 11.3 / 12, "tithi 1 Shukla Pratipada");
    ExpectSpan(p.karana, 1, 0.7 / 12, 5.3 / 12, "karana 1 Kimstughna");
    ExpectSpan(p.nakshatra, 1, 0.2 / 13, (40.0 / 3 - 0.2) / 13, "Aswini");
    EXPECT_EQ(p.pada, 1);
    ExpectSpan(p.yoga, 27, (359.7 - 26 * 40.0 / 3) / 14, 0.3 / 14, "yoga 27 Vaidhriti");
}

TEST(PanchangaElements, MoonJustBehindTheSunEndsTheMonth) {
    // Elongation 359.9°: the last tithi and karana, each ending at the new moon.
    const Panchanga p = At(10, 9.9);
    ExpectSpan(p.tithi, 30, 11.9 / 12, 0.1 / 12, "tithi 30 Amavasya");
    ExpectSpan(p.karana, 60, 5.9 / 12, 0.1 / 12, "karana 60 Naga");
    EXPECT_EQ(p.nakshatra.number, 1);
    EXPECT_EQ(p.yoga.number, 2);  // sum 19.9°
}

TEST(PanchangaElements, EachElementOnTheFirstMomentOfItsRange) {
    // Sun 300°, Moon 120°: elongation 180° begins tithi 16 and karana 31, the
    // Moon opens Magha's first pada and the sum 60° lies in yoga 5
    // (53° 20′ .. 66° 40′), all at the birth itself.
    const Panchanga p = At(300, 120);
    ExpectSpan(p.tithi, 16, 0, 1, "tithi 16 Krishna Pratipada");
    ExpectSpan(p.karana, 31, 0, 0.5, "karana 31");
    ExpectSpan(p.nakshatra, 10, 0, (40.0 / 3) / 13, "Magha");
    EXPECT_EQ(p.pada, 1);
    ExpectSpan(p.yoga, 5, (60 - 160.0 / 3) / 14, (200.0 / 3 - 60) / 14, "yoga 5 Shobhana");
}

TEST(PanchangaElements, EachElementOnTheLastMomentOfItsRange) {
    // One hundredth of a degree short of each element's end.
    const double e = 0.01;
    const Panchanga p = At(100, 100 + 168 - e);  // elongation 167.99°: tithi 14's end
    ExpectSpan(p.tithi, 14, (12 - e) / 12, e / 12, "tithi 14 Chaturdashi");
    ExpectSpan(p.karana, 28, (6 - e) / 12, e / 12, "karana 28");
    EXPECT_EQ(p.nakshatra.number, 21);  // Moon 267.99°: 20 × 13° 20′ is 266.67°
    EXPECT_EQ(p.pada, 1);

    const Panchanga q = At(200, 360 - e);  // the Moon closes Revati
    ExpectSpan(q.nakshatra, 27, (360 - e - 26 * 40.0 / 3) / 13, e / 13, "Revati");
    EXPECT_EQ(q.pada, 4);
}

TEST(PanchangaElements, SunNear359Degrees) {
    // Sun 359.9°, Moon 180°: elongation 180.1°, sum 179.9°.
    const Panchanga p = At(359.9, 180);
    ExpectSpan(p.tithi, 16, 0.1 / 12, 11.9 / 12, "tithi 16 across the Sun's wrap");
    ExpectSpan(p.yoga, 14, (179.9 - 13 * 40.0 / 3) / 14, (14 * 40.0 / 3 - 179.9) / 14,
               "yoga 14 across the Sun's wrap");
}

// Lights that speed up and slow down as the real ones do (the Moon's
// equation of centre and evection, the Sun's own), and lights far slower
// than any real ones, whose elements outlast the days around the birth
// that the ends are first sought in. Each end is checked on the lights
// alone: a second inside it the element holds, a second outside it has
// changed.
TEST(PanchangaElements, EndsOfUnevenAndSlowLights) {
    constexpr double kTwoPi = 6.283185307179586;
    const auto uneven = [](double rate, double wobble) {
        return [rate, wobble](double julianDayUt) {
            const double d = julianDayUt - kBirth;
            const double moon = rate * d + wobble * (6.29 * std::sin(kTwoPi * d / 27.55) +
                                                     1.27 * std::sin(kTwoPi * d / 31.8 + 1));
            const double sun = 0.9856 * d + 1.91 * std::sin(kTwoPi * d / 365.26);
            return SiderealLights{std::fmod(sun + 7200, 360), std::fmod(moon + 7200, 360)};
        };
    };
    for (const auto& [rate, wobble] : {std::pair{13.18, 1.0}, std::pair{4.5, 0.1}}) {
        const auto base = uneven(rate, wobble);
        for (int day = 0; day < 30; ++day) {
            const double birth = kBirth + day * 1.37;
            const LightsAt lights = base;
            const Panchanga p = ComputePanchanga(birth, 0, SunDay{}, lights);
            const auto tithi = [&](double at) { return TithiOf(lights(at)); };
            const auto karana = [&](double at) { return KaranaOf(lights(at)); };
            const auto yoga = [&](double at) { return YogaOf(lights(at)); };
            const auto nakshatra = [&](double at) {
                return static_cast<int>(std::floor(lights(at).moon * 3 / 40)) + 1;
            };
            const auto expectEnds = [&](const PanchangaSpan& span, const auto& element,
                                        const char* name) {
                const std::string what = std::string(name) + ", rate " + std::to_string(rate) +
                                         ", day " + std::to_string(day);
                EXPECT_EQ(element(birth), span.number) << what;
                EXPECT_LE(span.start, birth) << what;
                EXPECT_GT(span.end, birth) << what;
                EXPECT_EQ(element(span.start + kSecond), span.number) << what << ": start";
                EXPECT_NE(element(span.start - kSecond), span.number) << what << ": start";
                EXPECT_EQ(element(span.end - kSecond), span.number) << what << ": end";
                EXPECT_NE(element(span.end + kSecond), span.number) << what << ": end";
            };
            expectEnds(p.tithi, tithi, "tithi");
            expectEnds(p.karana, karana, "karana");
            expectEnds(p.yoga, yoga, "yoga");
            expectEnds(p.nakshatra, nakshatra, "nakshatra");
        }
    }
}

TEST(PanchangaElements, ElementsFromTheLightsAlone) {
    EXPECT_EQ(TithiOf({0, 0}), 1);
    EXPECT_EQ(TithiOf({12, 0}), 30);  // elongation 348°
    EXPECT_EQ(TithiOf({0, 180}), 16);
    EXPECT_EQ(KaranaOf({0, 6}), 2);
    EXPECT_EQ(KaranaOf({6, 0}), 60);
    EXPECT_EQ(YogaOf({350, 10}), 1);  // sum 360° is 0°
    EXPECT_EQ(YogaOf({180, 179.99}), 27);
}

TEST(PanchangaNames, KaranasAtTheirTurns) {
    const std::pair<int, std::string_view> expected[] = {
        {1, "Kimstughna"}, {2, "Bava"},     {3, "Balava"},       {8, "Vishti"}, {9, "Bava"},
        {57, "Vishti"},    {58, "Shakuni"}, {59, "Chatushpada"}, {60, "Naga"}};
    for (const auto& [karana, name] : expected) {
        EXPECT_EQ(KaranaName(karana), name) << "karana " << karana;
    }
}

TEST(PanchangaNames, TithisPakshasAndYogas) {
    EXPECT_EQ(TithiName(1), "Pratipada");
    EXPECT_EQ(TithiName(14), "Chaturdashi");
    EXPECT_EQ(TithiName(15), "Purnima");
    EXPECT_EQ(TithiName(16), "Pratipada");
    EXPECT_EQ(TithiName(29), "Chaturdashi");
    EXPECT_EQ(TithiName(30), "Amavasya");
    EXPECT_EQ(PakshaName(15), "Shukla");
    EXPECT_EQ(PakshaName(16), "Krishna");
    EXPECT_EQ(YogaName(1), "Vishkambha");
    EXPECT_EQ(YogaName(27), "Vaidhriti");
}

TEST(PanchangaVara, CountedFromSunrise) {
    constexpr double kSunrise = kBirth + 0.25;
    const LightsAt lights = Steady(0, 100);
    const SunDay day{kSunrise, kSunrise + 0.5, PolarDay::None};
    const Panchanga before = ComputePanchanga(kSunrise - kSecond, 5, day, lights);
    const Panchanga after = ComputePanchanga(kSunrise + kSecond, 5, day, lights);
    EXPECT_EQ(before.vara, 4) << "a second before sunrise on a Friday: Thursday's vara";
    EXPECT_EQ(before.civilWeekday, 5);
    EXPECT_EQ(after.vara, 5) << "a second after sunrise";
    const Panchanga sunday = ComputePanchanga(kSunrise - kSecond, 0, day, lights);
    EXPECT_EQ(sunday.vara, 6) << "before sunrise on a Sunday: Saturday's vara";
    const Panchanga polar =
        ComputePanchanga(kSunrise - kSecond, 5, SunDay{{}, {}, PolarDay::PolarNight}, lights);
    EXPECT_EQ(polar.vara, 5) << "no sunrise that date: the civil weekday";
}

TEST(PanchangaVara, WeekdayOfJulianDayNumber) {
    EXPECT_EQ(WeekdayOfJulianDayNumber(2451545), 6);  // 2000-01-01, a Saturday
    EXPECT_EQ(WeekdayOfJulianDayNumber(2415021), 1);  // 1900-01-01, a Monday
    EXPECT_EQ(WeekdayOfJulianDayNumber(2460311), 1);  // 2024-01-01, a Monday
}

}  // namespace
}  // namespace amsaview
