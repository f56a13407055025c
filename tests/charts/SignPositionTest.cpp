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

}  // namespace
}  // namespace amsaview
