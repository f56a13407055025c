#include <gtest/gtest.h>

#include "clock/ZoneFileRule.h"

namespace amsaview {
namespace {

using namespace std::string_view_literals;

TEST(FooterOfZoneFile, ReadsTheLastLineOfVersionTwoFiles) {
    struct Case {
        std::string_view name;
        std::string_view contents;
        std::optional<std::string> footer;
    };
    const Case kCases[] = {
        {"version 2", "TZif2\0\n\x01\nCET-1CEST,M3.5.0,M10.5.0/3\n"sv,
         "CET-1CEST,M3.5.0,M10.5.0/3"},
        {"version 3, quoted", "TZif3\0\0\n<+0545>-5:45\n"sv, "<+0545>-5:45"},
        {"empty rule", "TZif2\0\0\n\n"sv, std::nullopt},
        {"version 1 has none", "TZif\0\0\0\nEST5\n"sv, std::nullopt},
        {"no closing newline", "TZif2\0\0\nEST5"sv, std::nullopt},
        {"not a zone file", "#!/bin/sh\nEST5\n"sv, std::nullopt},
        {"empty", ""sv, std::nullopt},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(FooterOfZoneFile(c.contents), c.footer) << c.name;
    }
}

TEST(ZoneFileRule, ReadsTheInstalledZone) {
    // As `tail -c 30 /usr/share/zoneinfo/Europe/Madrid` shows.
    EXPECT_EQ(ZoneFileRule("Europe/Madrid"), "CET-1CEST,M3.5.0,M10.5.0/3");
    EXPECT_EQ(ZoneFileRule("Nowhere/Else"), std::nullopt);
    EXPECT_EQ(ZoneFileRule("../zoneinfo/Europe/Madrid"), std::nullopt);
    EXPECT_EQ(ZoneFileRule("/usr/share/zoneinfo/Europe/Madrid"), std::nullopt);
}

}  // namespace
}  // namespace amsaview
