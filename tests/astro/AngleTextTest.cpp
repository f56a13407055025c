#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/AngleText.h"

namespace amsaview {
namespace {

TEST(FormatLongitude, WritesDegreesMinutesSecondsWithinTheSign) {
    struct Case {
        double angle;
        const char* expected;
    };
    const Case kCases[] = {
        {256.5256, "16\u00B0 31' 32\" Sag"},
        {0, "0\u00B0 0' 0\" Ari"},
        {359.99999, "29\u00B0 59' 59\" Pis"},
        {10.99999, "10\u00B0 59' 59\" Ari"},  // cut, never rounded up to 11°
        {5.1, "5\u00B0 6' 0\" Ari"},          // stored just below 5.1, still 6'
        {30, "0\u00B0 0' 0\" Tau"},
        {-256.5256, "16\u00B0 31' 32\" Sag"},  // the magnitude is formatted
        {360, "0\u00B0 0' 0\" "},              // past Pisces there is no sign
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(FormatLongitude(c.angle), c.expected) << c.angle;
    }
}

TEST(FormatLongitude, NeverLiftsAValueIntoTheNextSign) {
    EXPECT_EQ(FormatLongitude(std::nextafter(30.0, 0.0)), "29\u00B0 59' 59\" Ari");
    EXPECT_EQ(FormatLongitude(std::nextafter(360.0, 0.0)), "29\u00B0 59' 59\" Pis");
}

TEST(FormatSignedAngle, KeepsTheSignOfTheNumber) {
    EXPECT_EQ(FormatSignedAngle(-23.85399), "-23\u00B0 51' 14\"");
    EXPECT_EQ(FormatSignedAngle(23.85399), "23\u00B0 51' 14\"");
    // Whole degrees of 0 must not lose the minus.
    EXPECT_EQ(FormatSignedAngle(-0.5), "-0\u00B0 30' 0\"");
    EXPECT_EQ(FormatSignedAngle(0), "0\u00B0 0' 0\"");
}

TEST(AngleText, NoTextForWhatIsNotAnAngle) {
    constexpr double kCases[] = {std::numeric_limits<double>::quiet_NaN(),
                                 std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::max(),
                                 std::numeric_limits<double>::lowest(),
                                 1e12,
                                 -1e12};
    for (const double angle : kCases) {
        EXPECT_EQ(FormatLongitude(angle), "") << angle;
        EXPECT_EQ(FormatSignedAngle(angle), "") << angle;
        EXPECT_EQ(ShortPositionText(FormatLongitude(angle)), "0  0") << angle;
    }
    // Just inside the bound: 999999999999.5° is 33333333333 signs and 9.5°.
    EXPECT_EQ(FormatLongitude(999999999999.5), "9\u00B0 30' 0\" ");
    EXPECT_EQ(FormatSignedAngle(-999999999999.5), "-999999999999\u00B0 30' 0\"");
}

TEST(ShortPositionText, PadsDegreesAndMinutesAndDropsSeconds) {
    EXPECT_EQ(ShortPositionText(FormatLongitude(256.5256)), "16 Sag 31");
    EXPECT_EQ(ShortPositionText(FormatLongitude(5.1)), "05 Ari 06");
    EXPECT_EQ(ShortPositionText(FormatLongitude(0)), "00 Ari 00");
    EXPECT_EQ(ShortPositionText("  3\u00B0 7' 9\" Can"), "03 Can 07");
}

TEST(ShortPositionText, IsAlwaysNineCharactersBelow360) {
    for (double angle = 0; angle < 360; angle += 0.37) {
        const std::string text = ShortPositionText(FormatLongitude(angle));
        ASSERT_EQ(text.size(), 9u) << angle << " gave " << text;
        EXPECT_EQ(text[2], ' ');
        EXPECT_EQ(text[6], ' ');
    }
}

TEST(ShortPositionText, SurvivesTextWithoutMarks) {
    for (const char* text : {"", "Leo", "'", "\u00B0", "12' 5\u00B0 Ari", "\u00B0'"}) {
        EXPECT_NO_THROW(ShortPositionText(text)) << text;
    }
}

}  // namespace
}  // namespace amsaview
