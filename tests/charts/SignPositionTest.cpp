#include "charts/SignPosition.h"

#include <gtest/gtest.h>

namespace amsaview {
namespace {

TEST(SignIndexOf, MatchesExactlyAndCountsTheRestAsAries) {
    struct Case {
        std::string_view abbreviation;
        int sign;
    };
    constexpr Case kCases[] = {
        {"Ari", 0}, {"Tau", 1},  {"Can", 3}, {"Sag", 8}, {"Pis", 11},
        {"pis", 0}, {"Pis ", 0}, {"Pi", 0},  {"", 0},    {"Xyz", 0},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(SignIndexOf(c.abbreviation), c.sign) << '"' << c.abbreviation << '"';
    }
}

TEST(FindSign, FindsNothingForAnUnknownOrEmptyAbbreviation) {
    EXPECT_EQ(FindSign("Aqu"), 10);
    EXPECT_FALSE(FindSign("aqu"));
    EXPECT_FALSE(FindSign(""));  // the empty slot after Pisces is not a sign
}

TEST(ReadSignPosition, ReadsWellFormedAndMalformedTextsWithinBounds) {
    struct Case {
        std::string_view text;
        int sign, minuteInSign;
    };
    constexpr Case kCases[] = {
        {"16 Sag 31", 8, 991},
        {"00 Ari 00", 0, 0},
        {"29 Pis 59", 11, 1799},
        {"", 0, 0},
        {"1", 0, 60},
        {"16 Sa", 0, 960},
        {"16 Leo", 4, 960},
        {"16 Leo 3", 4, 963},
        {"xx Leo yy", 4, 0},
        {"16 Leo 31 extra", 4, 991},
    };
    for (const Case& c : kCases) {
        const SignPosition at = ReadSignPosition(c.text);
        EXPECT_EQ(at.sign, c.sign) << '"' << c.text << '"';
        EXPECT_EQ(at.minuteInSign, c.minuteInSign) << '"' << c.text << '"';
    }
}

}  // namespace
}  // namespace amsaview
