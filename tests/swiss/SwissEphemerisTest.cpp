#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "SwissFixtures.h"
#include "swiss/SwissEphemeris.h"

namespace amsaview {
namespace {

constexpr double kArcSecond = 1.0 / 3600;
constexpr double kSpeedTolerance = 2e-7;  // swetest prints seven decimals

double DegreesApart(double a, double b) {
    const double difference = std::fabs(std::fmod(a - b, 360.0));
    return std::min(difference, 360 - difference);
}

EphemerisSettings Swiss(AyanamsaMode ayanamsa, LunarNode node = LunarNode::Mean) {
    return {EphemerisKind::Swiss, ayanamsa, node, ""};
}

SwissRequest RequestFor(const fixtures::SwissBirth& birth) {
    const double hours = birth.hour + birth.minute / 60.0 + birth.second / 3600.0;
    return {JulianDayUt(birth.year, birth.month, birth.day, hours), birth.longitude,
            birth.latitude};
}

TEST(JulianDayUt, MatchesSwetest) {
    for (const fixtures::SwissBirth& birth : fixtures::kSwissBirths) {
        EXPECT_NEAR(RequestFor(birth).julianDayUt, birth.julianDayUt, 1e-8) << birth.what;
    }
}

TEST(SwissEphemeris, LahiriBirthsAgreeWithSwetest) {
    const SwissEphemeris source(Swiss(AyanamsaMode::Lahiri));
    for (const fixtures::SwissBirth& birth : fixtures::kSwissBirths) {
        const SwissPositions positions = source.Compute(RequestFor(birth));
        for (std::size_t i = 0; i < 7; ++i) {
            const SwissBodyPosition& body = positions.bodies[i];
            const std::string what =
                std::string(birth.what) + ", " + std::string(kSwissBodyNames[i]);
            EXPECT_LE(DegreesApart(body.longitude, birth.longitudes[i]), kArcSecond) << what;
            EXPECT_NEAR(body.speed, birth.speeds[i], kSpeedTolerance) << what;
            EXPECT_EQ(body.retrograde, i >= 2 && birth.speeds[i] < 0) << what;
        }
        const SwissBodyPosition& rahu = positions[SwissBody::Rahu];
        const SwissBodyPosition& ketu = positions[SwissBody::Ketu];
        EXPECT_LE(DegreesApart(rahu.longitude, birth.meanNode), kArcSecond) << birth.what;
        EXPECT_LE(DegreesApart(ketu.longitude, birth.meanNode + 180), kArcSecond) << birth.what;
        EXPECT_NEAR(rahu.speed, birth.meanNodeSpeed, kSpeedTolerance) << birth.what;
        EXPECT_LT(ketu.longitude, 360) << birth.what;
        // The mean node always moves backwards; only planets are marked.
        EXPECT_FALSE(rahu.retrograde || ketu.retrograde) << birth.what;
        EXPECT_NEAR(positions.ayanamsa, birth.ayanamsa, kArcSecond) << birth.what;
        EXPECT_LE(DegreesApart(positions.ascendant, birth.ascendant), kArcSecond) << birth.what;
    }
}

TEST(SwissEphemeris, TrueNodeAgreesWithSwetest) {
    const SwissEphemeris source(Swiss(AyanamsaMode::Lahiri, LunarNode::True));
    for (const fixtures::SwissBirth& birth : fixtures::kSwissBirths) {
        const SwissPositions positions = source.Compute(RequestFor(birth));
        const SwissBodyPosition& rahu = positions[SwissBody::Rahu];
        EXPECT_LE(DegreesApart(rahu.longitude, birth.trueNode), kArcSecond) << birth.what;
        EXPECT_NEAR(rahu.speed, birth.trueNodeSpeed, kSpeedTolerance) << birth.what;
        EXPECT_LE(DegreesApart(positions[SwissBody::Ketu].longitude, birth.trueNode + 180),
                  kArcSecond)
            << birth.what;
        EXPECT_LE(DegreesApart(positions[SwissBody::Sun].longitude, birth.longitudes[0]),
                  kArcSecond)
            << birth.what;
    }
}

// 10 May 1990 02:15 UT at Sydney under every ayanamsa.
constexpr SwissRequest kSydney1990{2448021.59375, 151.2093, -33.8688};

TEST(SwissEphemeris, EachAyanamsaAgreesWithSwetest) {
    for (const fixtures::SwissModeCase& mode : fixtures::kSwissModes) {
        const SwissPositions positions = SwissEphemeris(Swiss(mode.mode)).Compute(kSydney1990);
        const std::string_view what = DisplayName(mode.mode);
        EXPECT_NEAR(positions.ayanamsa, mode.ayanamsa, kArcSecond) << what;
        EXPECT_LE(DegreesApart(positions[SwissBody::Moon].longitude, mode.moon), kArcSecond)
            << what;
        EXPECT_LE(DegreesApart(positions.ascendant, mode.ascendant), kArcSecond) << what;
    }
}

TEST(SwissEphemeris, AyanamsaDifferencesOf1990) {
    auto ayanamsa = [](AyanamsaMode mode) {
        return SwissEphemeris(Swiss(mode)).Compute(kSydney1990).ayanamsa;
    };
    const double lahiri = ayanamsa(AyanamsaMode::Lahiri);
    // Raman about 1°27′ and Krishnamurti about 5′49″ behind Lahiri.
    EXPECT_NEAR((lahiri - ayanamsa(AyanamsaMode::Raman)) * 60, 87, 0.5);
    EXPECT_NEAR((lahiri - ayanamsa(AyanamsaMode::Krishnamurti)) * 3600, 349, 1);
    EXPECT_EQ(ayanamsa(AyanamsaMode::Tropical), 0);
}

// Mercury's speed changes sign between 00:53 and 00:54 UT on 17 February 2020
// (swetest: +0.0000683 and -0.0000528 degrees a day).
TEST(SwissEphemeris, RetrogradeFromTheMinuteOfTheStation) {
    struct Case {
        int minute;
        bool retrograde;
    };
    constexpr Case kCases[] = {{50, false}, {53, false}, {54, true}, {58, true}};
    const SwissEphemeris source(Swiss(AyanamsaMode::Lahiri));
    for (const Case& c : kCases) {
        const double jd = JulianDayUt(2020, 2, 17, c.minute / 60.0);
        const SwissPositions positions = source.Compute({jd, 0, 51.5});
        EXPECT_EQ(positions[SwissBody::Mercury].retrograde, c.retrograde) << "00:" << c.minute;
        EXPECT_FALSE(positions[SwissBody::Saturn].retrograde) << "00:" << c.minute;
    }
}

// The message of the error `make` throws; empty when it throws none.
template <typename Make>
std::string ErrorOf(Make make) {
    try {
        make();
    } catch (const SwissEphemerisError& error) {
        return error.what();
    }
    return {};
}

constexpr const char* kMissingFolder = "/nonexistent/amsaview-ephe";

EphemerisSettings InFolder(std::string folder) {
    EphemerisSettings settings = Swiss(AyanamsaMode::Lahiri);
    settings.dataPath = std::move(folder);
    return settings;
}

TEST(SwissEphemeris, MissingDataFolderIsAnError) {
    const std::string message = ErrorOf([] { SwissEphemeris source(InFolder(kMissingFolder)); });
    EXPECT_NE(message.find(kMissingFolder), std::string::npos) << message;
    EXPECT_NE(message.find("no data file"), std::string::npos) << message;

    // The packaged folder works again on the same thread afterwards.
    const SwissEphemeris packaged(Swiss(AyanamsaMode::Lahiri));
    EXPECT_EQ(packaged.DataPath(), PackagedSwissDataPath());
    EXPECT_GT(packaged.Compute(kSydney1990).ayanamsa, 23);
}

TEST(SwissEphemeris, MissingDataFolderIsAnErrorOnEveryThread) {
    ErrorOf([] { SwissEphemeris source(InFolder(kMissingFolder)); });
    std::string message;
    std::thread([&message] {
        message = ErrorOf([] { SwissEphemeris source(InFolder(kMissingFolder)); });
    }).join();
    EXPECT_NE(message.find(kMissingFolder), std::string::npos) << message;
}

TEST(SwissEphemeris, DateBeyondTheDataFilesIsAnError) {
    const SwissEphemeris source(Swiss(AyanamsaMode::Lahiri));
    const std::string message = ErrorOf([&source] {
        source.Compute({JulianDayUt(1700, 1, 1, 12), 0, 0});
    });
    EXPECT_NE(message.find("1700-01-01"), std::string::npos) << message;
    EXPECT_NE(message.find(source.DataPath()), std::string::npos) << message;
}

// With the planets' file alone the library takes the Moon from its fallback
// yet still flags it as from the file; only its message tells.
TEST(SwissEphemeris, AFolderWithoutTheMoonsFileIsAnError) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "amsaview-ephe-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    std::filesystem::create_symlink(std::filesystem::path(PackagedSwissDataPath()) / "sepl_18.se1",
                                    folder / "sepl_18.se1");
    const std::string message =
        ErrorOf([&folder] { SwissEphemeris source(InFolder(folder.string())); });
    std::filesystem::remove_all(folder);
    EXPECT_NE(message.find("Swiss Ephemeris has no data file"), std::string::npos) << message;
    EXPECT_NE(message.find("semo_18.se1"), std::string::npos) << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    EXPECT_NE(message.find(folder.string()), std::string::npos) << message;
}

// The library searches SE_EPHE_PATH over the folder asked for; the message
// names the folder searched.
TEST(SwissEphemeris, TheFolderNamedIsTheOneSearched) {
    ASSERT_EQ(setenv("SE_EPHE_PATH", kMissingFolder, 1), 0);
    const std::string message = ErrorOf([] { SwissEphemeris source(Swiss(AyanamsaMode::Lahiri)); });
    unsetenv("SE_EPHE_PATH");
    EXPECT_NE(message.find(kMissingFolder), std::string::npos) << message;
    EXPECT_EQ(message.find(PackagedSwissDataPath()), std::string::npos) << message;
}

TEST(SwissEphemeris, OverlongDataFolderIsAnError) {
    const std::string folder = "/" + std::string(300, 'x');
    const std::string message = ErrorOf([&folder] { SwissEphemeris source(InFolder(folder)); });
    EXPECT_NE(message.find("longer than"), std::string::npos) << message;
}

// Sources made on one thread and used on others keep their own ayanamsa.
TEST(SwissEphemeris, ThreadsKeepTheirOwnAyanamsa) {
    std::vector<SwissEphemeris> sources;
    for (const fixtures::SwissModeCase& mode : fixtures::kSwissModes) {
        sources.emplace_back(Swiss(mode.mode));
    }
    std::vector<int> mismatches(sources.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        threads.emplace_back([&, i] {
            for (int round = 0; round < 30; ++round) {
                SwissRequest request = kSydney1990;
                request.julianDayUt += round % 2 == 0 ? 0 : 1;  // defeat the library's cache
                const SwissPositions positions = sources[i].Compute(request);
                if (round % 2 == 0 && DegreesApart(positions[SwissBody::Moon].longitude,
                                                   fixtures::kSwissModes[i].moon) > kArcSecond) {
                    ++mismatches[i];
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        EXPECT_EQ(mismatches[i], 0) << DisplayName(fixtures::kSwissModes[i].mode);
    }
}

}  // namespace
}  // namespace amsaview
