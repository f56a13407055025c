#include <gtest/gtest.h>

#include <set>

#include "swiss/EphemerisSettings.h"

namespace amsaview {
namespace {

TEST(EphemerisSettings, KeysReadBackAndDifferFromEachOther) {
    std::set<std::string_view> keys;
    std::set<std::string_view> names;
    for (AyanamsaMode mode : kAyanamsaModes) {
        EXPECT_EQ(AyanamsaModeFromKey(CommandLineKey(mode)), mode) << CommandLineKey(mode);
        keys.insert(CommandLineKey(mode));
        names.insert(DisplayName(mode));
    }
    EXPECT_EQ(keys.size(), kAyanamsaModes.size());
    EXPECT_EQ(names.size(), kAyanamsaModes.size());
    for (LunarNode node : kLunarNodes) {
        EXPECT_EQ(LunarNodeFromKey(CommandLineKey(node)), node) << CommandLineKey(node);
    }
    for (EphemerisKind kind : kEphemerisKinds) {
        EXPECT_EQ(EphemerisKindFromKey(CommandLineKey(kind)), kind) << CommandLineKey(kind);
    }
}

TEST(EphemerisSettings, UnknownKeysAreRefused) {
    for (const char* key : {"", "Lahiri", "lahiri ", "icrc", "tropical", "Swiss"}) {
        EXPECT_FALSE(AyanamsaModeFromKey(key)) << '"' << key << '"';
        EXPECT_FALSE(EphemerisKindFromKey(key)) << '"' << key << '"';
        EXPECT_FALSE(LunarNodeFromKey(key)) << '"' << key << '"';
    }
}

TEST(EphemerisSettings, MethodDescriptions) {
    struct Case {
        EphemerisSettings settings;
        const char* description;
    };
    const Case kCases[] = {
        {{}, "Built-in method"},
        {{EphemerisKind::BuiltIn, AyanamsaMode::Raman, LunarNode::True, ""}, "Built-in method"},
        {{EphemerisKind::Swiss, AyanamsaMode::Lahiri, LunarNode::Mean, ""},
         "Swiss Ephemeris, Lahiri ayanamsa, mean node"},
        {{EphemerisKind::Swiss, AyanamsaMode::FaganBradley, LunarNode::True, ""},
         "Swiss Ephemeris, Fagan-Bradley ayanamsa, true node"},
        {{EphemerisKind::Swiss, AyanamsaMode::Tropical, LunarNode::Mean, ""},
         "Swiss Ephemeris, tropical (no ayanamsa), mean node"},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(MethodDescription(c.settings), c.description);
    }
}

}  // namespace
}  // namespace amsaview
