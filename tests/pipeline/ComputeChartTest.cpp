#include <gtest/gtest.h>

#include <climits>

#include "astro/TimeBases.h"
#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

using testing::DelhiForm;
using testing::GreenwichNoonJ2000;

ChartResult Computed(const FormInput& form) {
    ChartResult result;
    const auto failure = ComputeChart(form, result);
    EXPECT_FALSE(failure.has_value()) << failure->message;
    return result;
}

TEST(ComputeChart, NoonJ2000AtGreenwichFillsEveryText) {
    const ResultTexts texts = Computed(GreenwichNoonJ2000()).texts;
    EXPECT_EQ(texts.lblName, "RAM KUMAR");
    EXPECT_EQ(texts.lblDOB, "January/1/2000");
    EXPECT_EQ(texts.lblTOB, "12:0");
    EXPECT_EQ(texts.lblLatitude, "0\u00B0 0'");
    EXPECT_EQ(texts.lblLongitude, "0\u00B0 0'");
    EXPECT_EQ(texts.lblAyanamsha, "-23\u00B0 51' 14\"");
    EXPECT_EQ(texts.lblLagna, "Pisces (Meena)");
    EXPECT_EQ(texts.lblLagnaPosition, "17 Pis 31");
    EXPECT_EQ(texts.lblNakshatra, "Swati");
    EXPECT_EQ(texts.lblRashi, "Thula");
    EXPECT_EQ(texts.lblLord, "Rahu");
    EXPECT_EQ(texts.lblPada, "4");
    EXPECT_EQ(texts.planet[0], "16 Sag 31");
    EXPECT_EQ(texts.planet[1], "19 Lib 27");
    EXPECT_EQ(texts.planet[7], "11 Can 11");
    EXPECT_EQ(texts.planet[8], "11 Cap 11");
}

TEST(ComputeChart, BirthDetailsAsPlainNumbers) {
    FormInput form = DelhiForm(1975, 3, 7, 9, 5);
    form.latDegrees = "12";
    form.latMinutes = "5";
    form.south = true;
    const ResultTexts texts = Computed(form).texts;
    EXPECT_EQ(texts.lblDOB, "March/7/1975");
    EXPECT_EQ(texts.lblTOB, "9:5");
    EXPECT_EQ(texts.lblLatitude, "12\u00B0 5'");  // no hemisphere, no leading zero
    EXPECT_EQ(texts.lblLongitude, "77\u00B0 12'");
    EXPECT_EQ(texts.lblCity, "New Delhi");
    EXPECT_EQ(texts.lblState, "Delhi");
    EXPECT_EQ(texts.lblCountry, "India");
}

TEST(ComputeChart, NameOfABirthFileIsWrittenInCapitals) {
    FormInput form = DelhiForm(1975, 3, 7, 9, 5);
    form.name =
        "Ren\xC3\xA9"
        "e d\xE2\x80\x99Souza";
    EXPECT_EQ(Computed(form).texts.lblName,
              "REN\xC3\x89"
              "E D\xE2\x80\x99SOUZA");
}

TEST(ComputeChart, EmptyPlaceIsShownEmpty) {
    FormInput form = DelhiForm(1975, 3, 7, 9, 5);
    form.city = form.state = form.country = "";
    const ResultTexts texts = Computed(form).texts;
    EXPECT_EQ(texts.lblCity, "");
    EXPECT_EQ(texts.lblCountry, "");
}

TEST(ComputeChart, FailedCheckChangesNothing) {
    ChartResult result = Computed(DelhiForm(1975, 3, 7, 9, 5));
    const ChartResult before = result;
    FormInput form = GreenwichNoonJ2000();
    form.name = " ";
    const auto failure = ComputeChart(form, result);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->message, "Please Enter Name");
    EXPECT_EQ(result, before);
}

// A register or a birth file hands over rows the windows never would.
TEST(ComputeChart, RowOutsideItsListIsRefusedBeforeAnythingReadsIt) {
    struct Case {
        const char* field;
        int FormInput::*row;
        int count;
        const char* message;
    };
    const Case kCases[] = {
        {"month", &FormInput::monthRow, 12,
         "The month must be a row from 0 to 11 (January to December)"},
        {"day", &FormInput::dayRow, 31, "The day must be a row from 0 to 30 (day 1 to day 31)"},
        {"year", &FormInput::yearRow, 150, "The year must be a row from 0 to 149 (1901 to 2050)"},
        {"hour", &FormInput::hourRow, 24, "The hour must be a row from 0 to 23"},
        {"minute", &FormInput::minuteRow, 60, "The minute must be a row from 0 to 59"},
        {"second", &FormInput::secondRow, 60, "The second must be a row from 0 to 59"},
    };
    ChartResult result = Computed(DelhiForm(1975, 3, 7, 9, 5));
    const ChartResult before = result;
    for (const Case& c : kCases) {
        for (const int row : {-1, c.count, c.count + 1000, INT_MAX, INT_MIN}) {
            FormInput form = DelhiForm(1975, 1, 1, 9, 5);
            form.*c.row = row;
            const auto failure = ComputeChart(form, result);
            ASSERT_TRUE(failure.has_value()) << c.field << " row " << row;
            EXPECT_EQ(*failure,
                      (ValidationFailure{c.message, MessageIcon::Critical, FormField::None}))
                << c.field << " row " << row;
            EXPECT_EQ(result, before) << c.field << " row " << row;
        }
        FormInput form = DelhiForm(1975, 1, 1, 9, 5);
        form.*c.row = c.count - 1;
        ChartResult last;
        EXPECT_FALSE(ComputeChart(form, last).has_value()) << c.field << " last row";
    }
}

TEST(ComputeChart, TimeZoneRowOutsideTheListIsRefused) {
    const ValidationFailure expected{"The time zone must be a row from 0 to 70",
                                     MessageIcon::Critical, FormField::None};
    for (const int row : {-1, 71, INT_MAX, INT_MIN}) {
        FormInput form = DelhiForm(1975, 3, 7, 9, 5);
        form.zoneRow = row;
        ChartResult result;
        EXPECT_EQ(ComputeChart(form, result), expected) << "zone row " << row;
    }
    FormInput form = DelhiForm(1975, 3, 7, 9, 5);
    form.zoneRow = 70;
    ChartResult result;
    EXPECT_FALSE(ComputeChart(form, result).has_value()) << "zone row 70";
    form.zoneRow = std::nullopt;  // nothing selected keeps the earlier shift
    EXPECT_FALSE(ComputeChart(form, result).has_value()) << "no zone row";
}

TEST(ComputeChart, SecondsMoveTheChart) {
    // In 59 s the sky turns 59 × 360.9856° / 86400 = 14.8′; at 28° 36′ N the
    // ascendant's rate against it stays between about 0.7 and 1.4.
    FormInput form = DelhiForm(1975, 3, 7, 0, 5);
    const ChartResult onTheMinute = Computed(form);
    form.secondRow = 59;
    const ChartResult late = Computed(form);
    EXPECT_EQ(late.birth.second, 59);
    const double ascendantMinutes =
        (late.positions.ascendant - onTheMinute.positions.ascendant) * 60;
    EXPECT_GT(ascendantMinutes, 10) << "00:05:00 to 00:05:59 in Delhi, 1975-03-07";
    EXPECT_LT(ascendantMinutes, 20) << "00:05:00 to 00:05:59 in Delhi, 1975-03-07";
    EXPECT_GT(late.positions.moonSidereal, onTheMinute.positions.moonSidereal);

    // Over one minute every position moves evenly: 59 s lie 59/60 of the way.
    form.minuteRow = 6;
    form.secondRow = 0;
    const ChartResult next = Computed(form);
    const auto between = [](double from, double to) { return from + (to - from) * 59 / 60; };
    EXPECT_NEAR(late.positions.ascendant,
                between(onTheMinute.positions.ascendant, next.positions.ascendant), 1e-4);
    EXPECT_NEAR(late.positions.moonSidereal,
                between(onTheMinute.positions.moonSidereal, next.positions.moonSidereal), 1e-6);
    EXPECT_NEAR(
        late.positions.siderealLongitude[0],
        between(onTheMinute.positions.siderealLongitude[0], next.positions.siderealLongitude[0]),
        1e-8);
}

TEST(ComputeChart, TheRowAndDaylightSavingGiveTheOffset) {
    struct Case {
        const char* what;
        std::optional<int> row;
        bool dst;
        std::int32_t expected;
    };
    // The form before each case is the Indian one of the first chart.
    const Case kCases[] = {
        {"Indian row", 34, false, 19800},
        {"Indian row, daylight saving", 34, true, 23400},
        {"Newfoundland, daylight saving", 50, true, -9000},
        {"no row: the last standard offset", std::nullopt, false, 19800},
        {"no row, daylight saving on top of it", std::nullopt, true, 23400},
    };
    for (const Case& c : kCases) {
        ChartResult result;
        ASSERT_FALSE(ComputeChart(DelhiForm(1975, 3, 7, 9, 5), result));
        FormInput form = DelhiForm(1975, 3, 7, 9, 5);
        form.zoneRow = c.row;
        form.dst = c.dst;
        ASSERT_FALSE(ComputeChart(form, result)) << c.what;
        EXPECT_EQ(result.birth.utcOffsetSeconds, c.expected) << c.what;
        EXPECT_EQ(result.birth.dst, c.dst) << c.what;
    }
}

// The same moment typed two ways must give the same chart: a western place on
// Central European Time, and a daylight-saving clock.
TEST(ComputeChart, OneUniversalTimeWhateverTheZoneOrDaylightSaving) {
    FormInput greenwich = GreenwichNoonJ2000();
    greenwich.lonDegrees = "3";
    greenwich.lonMinutes = "41";
    greenwich.east = false;
    greenwich.latDegrees = "40";
    greenwich.latMinutes = "25";

    FormInput madrid = greenwich;
    madrid.zoneRow = 20;  // Central European Time: one hour ahead
    madrid.hourRow = 13;

    FormInput summer = greenwich;
    summer.hourRow = 13;
    summer.dst = true;

    const ChartPositions expected = Computed(greenwich).positions;
    for (const FormInput* form : {&madrid, &summer}) {
        const ChartPositions positions = Computed(*form).positions;
        EXPECT_EQ(positions.ascendant, expected.ascendant);
        EXPECT_EQ(positions.moonSidereal, expected.moonSidereal);
        EXPECT_EQ(positions.siderealLongitude, expected.siderealLongitude);
        EXPECT_EQ(positions.positionText, expected.positionText);
    }
}

TEST(FillResultTexts, PadaIsTheMoonsOwnQuarter) {
    struct Case {
        double moon;
        const char* nakshatra;
        const char* rashi;
        const char* lord;
        const char* pada;
    };
    // The table's count of quarters per sign would read 1, 4 and 2 here.
    constexpr Case kCases[] = {
        {35, "Krittika", "Vrishabha", "Sun", "3"},
        {190, "Swati", "Thula", "Rahu", "2"},
        {303, "Dhanishtha", "Kumbha", "Mars", "3"},
    };
    for (const Case& c : kCases) {
        ChartPositions positions;
        positions.moonSidereal = c.moon;
        positions.nakshatraName = c.nakshatra;
        positions.rashiName = c.rashi;
        ResultTexts texts;
        FillResultTexts(BirthData{}, positions, texts);
        EXPECT_EQ(texts.lblLord, c.lord) << c.moon;
        EXPECT_EQ(texts.lblPada, c.pada) << c.moon;
    }
}

TEST(FillResultTexts, UnmatchedSourcesKeepTheirCaptions) {
    ResultTexts texts;
    texts.lblLagna = "Leo (Simha)";
    texts.lblLord = "Ketu";
    texts.lblPada = "2";
    ChartPositions positions;
    positions.ascendantText = "0\u00B0 0' 0\" ";  // 360° has no sign
    positions.nakshatraName = "Magha";
    positions.rashiName = "";
    FillResultTexts(BirthData{}, positions, texts);
    EXPECT_EQ(texts.lblLagna, "Leo (Simha)");
    EXPECT_EQ(texts.lblLord, "Ketu");
    EXPECT_EQ(texts.lblPada, "2");
}

// An exact offset stands for the zone row and the box, to the second.
TEST(ComputeChart, ExactOffsetStandsForTheRowAndBox) {
    FormInput greenwich = GreenwichNoonJ2000();
    FormInput exactHour = greenwich;
    exactHour.hourRow = 13;
    exactHour.zoneRow = 34;  // ignored, as is the box
    exactHour.dst = true;
    exactHour.exactClock = ExactClock{3600, "Europe/Paris +01:00 (CET)", "Europe/Paris"};
    const ChartResult expected = Computed(greenwich);
    const ChartResult exact = Computed(exactHour);
    EXPECT_EQ(exact.positions.ascendant, expected.positions.ascendant);
    EXPECT_EQ(exact.positions.moonSidereal, expected.positions.moonSidereal);
    EXPECT_EQ(exact.positions.siderealLongitude, expected.positions.siderealLongitude);
    EXPECT_EQ(exact.birth.utcOffsetSeconds, 3600);
    EXPECT_FALSE(exact.birth.dst);

    // 17:21 on Madras mean time (+05:21:10) is 11:59:50 UT: ten seconds
    // before noon, about 0.042° of sidereal time earlier on the ascendant.
    FormInput madras = greenwich;
    madras.hourRow = 17;
    madras.minuteRow = 21;
    madras.exactClock = ExactClock{5 * 3600 + 21 * 60 + 10, "", "Asia/Kolkata"};
    const ChartResult mean = Computed(madras);
    const UtMoment ut = PlanetMoment(mean.birth);
    EXPECT_EQ(ut.hour * 3600 + ut.minute * 60 + ut.second, 11 * 3600 + 59 * 60 + 50);
    const double ascendantStep = expected.positions.ascendant - mean.positions.ascendant;
    EXPECT_GT(ascendantStep, 0.02);
    EXPECT_LT(ascendantStep, 0.08);
}

}  // namespace
}  // namespace amsaview
