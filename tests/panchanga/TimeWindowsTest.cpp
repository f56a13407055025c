#include <gtest/gtest.h>

#include <string>

#include "pipeline/SwissPositionSource.h"
#include "pipeline/TimeWindows.h"
#include "pipeline/WindowTexts.h"
#include "support/BirthExamples.h"

namespace amsaview {
namespace {

BirthData At(int year, int month, int day, int hour, int minute, int lonDegrees, bool east,
             int latDegrees, bool south, int offsetSeconds) {
    BirthData birth = testing::GreenwichBirth(year, month, day, hour, minute);
    birth.lonDegrees = static_cast<std::int16_t>(lonDegrees);
    birth.isEast = east;
    birth.latDegrees = static_cast<std::int16_t>(latDegrees);
    birth.isSouth = south;
    birth.utcOffsetSeconds = offsetSeconds;
    return birth;
}

const BirthData kBirths[] = {
    At(1980, 5, 17, 11, 58, 77, true, 28, false, 19800),    // Delhi
    At(1901, 1, 1, 0, 0, 0, false, 0, false, 0),            // the first day Amsaview charts
    At(2050, 12, 31, 23, 30, 43, false, 22, true, -10800),  // Rio de Janeiro
    At(2001, 9, 9, 3, 3, 10, true, 59, false, 3600),        // Oslo, where signs rise fast
};

int ValueAt(const WindowSubject& subject, const BirthData& birth, const PositionSource& source,
            int seconds) {
    ChartPositions positions;
    source.Compute(ShiftedBirth(birth, seconds), positions);
    return subject.value(positions);
}

// Charted a second inside each end the value holds; a second outside it has changed.
void ExpectWindowsCloseOnTheirEdges(const BirthData& birth, const PositionSource& source,
                                    const std::string& what) {
    const std::vector<WindowSubject> subjects = ChartWindowSubjects();
    const std::vector<TimeWindow> windows = FindTimeWindows(birth, source, subjects);
    ASSERT_EQ(windows.size(), subjects.size());
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        const TimeWindow& w = windows[i];
        const std::string at = what + " " + w.id;
        ASSERT_TRUE(w.earliest && w.latest) << at << ": no change within a day";
        EXPECT_LE(*w.earliest, 0) << at;
        EXPECT_GE(*w.latest, 0) << at;
        EXPECT_EQ(ValueAt(subjects[i], birth, source, *w.earliest), w.value) << at << " from";
        EXPECT_NE(ValueAt(subjects[i], birth, source, *w.earliest - 1), w.value)
            << at << " a second before from";
        EXPECT_EQ(ValueAt(subjects[i], birth, source, *w.latest), w.value) << at << " to";
        EXPECT_NE(ValueAt(subjects[i], birth, source, *w.latest + 1), w.value)
            << at << " a second after to";
    }
}

TEST(TimeWindows, BuiltInWindowsCloseOnTheirEdges) {
    for (const BirthData& birth : kBirths) {
        ExpectWindowsCloseOnTheirEdges(birth, BuiltInPositionSource(), std::to_string(birth.year));
    }
}

TEST(TimeWindows, SwissWindowsCloseOnTheirEdges) {
    const SwissPositionSource source(
        {EphemerisKind::Swiss, AyanamsaMode::Lahiri, LunarNode::Mean, ""});
    ExpectWindowsCloseOnTheirEdges(kBirths[0], source, "Swiss Ephemeris 1980");
}

TEST(TimeWindows, ChartsAndMoonPadaInOrder) {
    const std::vector<WindowSubject> subjects = ChartWindowSubjects();
    std::vector<std::string> ids;
    for (const WindowSubject& s : subjects) {
        ids.push_back(s.id);
    }
    const std::vector<std::string> expected = {"D1",  "D2",  "D3",  "D4",  "D7",      "D9",
                                               "D10", "D12", "D16", "D20", "D24",     "D27",
                                               "D30", "D40", "D45", "D60", "moonPada"};
    EXPECT_EQ(ids, expected);
}

TEST(TimeWindows, LagnaWindowsHaveTheLengthsOfTheirParts) {
    // At 28° N a sign rises in 1 1/2 to 2 1/2 hours, a navamsa in 10 to 17 minutes.
    const std::vector<WindowSubject> subjects = ChartWindowSubjects();
    const std::vector<TimeWindow> windows =
        FindTimeWindows(kBirths[0], BuiltInPositionSource(), subjects);
    const auto length = [&windows](std::string_view id) {
        for (const TimeWindow& w : windows) {
            if (w.id == id) {
                return *w.latest - *w.earliest + 1;
            }
        }
        ADD_FAILURE() << "no window " << id;
        return 0;
    };
    EXPECT_GT(length("D1"), 80 * 60);
    EXPECT_LT(length("D1"), 160 * 60);
    EXPECT_GT(length("D9"), 9 * 60);
    EXPECT_LT(length("D9"), 18 * 60);
    // A Trimsamsa part is 5° to 8° of its sign: 13 to 43 minutes.
    EXPECT_GT(length("D30"), 13 * 60);
    EXPECT_LT(length("D30"), 43 * 60);
    // A Shashtiamsa is half a degree: 80 to 160 seconds.
    EXPECT_GT(length("D60"), 80);
    EXPECT_LT(length("D60"), 160);
    // The Moon's pada: 3° 20′ at 12° to 15° a day.
    EXPECT_GT(length("moonPada"), 5 * 3600);
    EXPECT_LT(length("moonPada"), 7 * 3600);
}

TEST(TimeWindows, AValueThatNeverChangesHoldsPastTheDaySearched) {
    const WindowSubject steady{"steady", [](const ChartPositions&) { return 7; }, 4096};
    const std::vector<TimeWindow> windows =
        FindTimeWindows(kBirths[0], BuiltInPositionSource(), {&steady, 1});
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0].value, 7);
    EXPECT_FALSE(windows[0].earliest);
    EXPECT_FALSE(windows[0].latest);
}

TEST(WindowTexts, MarginsAndLocalClock) {
    EXPECT_EQ(MarginText(0), "0 s");
    EXPECT_EQ(MarginText(59), "59 s");
    EXPECT_EQ(MarginText(200), "3 min 20 s");
    EXPECT_EQ(MarginText(7205), "2 h 0 min 5 s");

    const BirthData delhi = kBirths[0];  // 11:58 IST on 1980-05-17
    EXPECT_EQ(LocalClockText(delhi, 0), "11:58:00");
    EXPECT_EQ(LocalClockText(delhi, -3725), "10:55:55");
    EXPECT_EQ(LocalClockText(delhi, 12 * 3600 + 2 * 60), "1980-05-18 00:00:00");
}

TEST(WindowTexts, RowsGiveTheNearerChangeAndMarkAnyUnderAMinute) {
    const BirthData delhi = kBirths[0];
    const std::vector<TimeWindow> windows = {
        {"D9", 4, -200, 600},
        {"D60", 1, -59, 3000},
        {"moonPada", 8 * 4 + 1, std::nullopt, 60},
    };
    const std::vector<WindowRow> rows = WindowRows(delhi, windows);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].chart, "D9");
    EXPECT_EQ(rows[0].value, "Leo");
    EXPECT_EQ(rows[0].from, "11:54:40");
    EXPECT_EQ(rows[0].to, "12:08:00");
    EXPECT_EQ(rows[0].margin, "3 min 20 s");
    EXPECT_FALSE(rows[0].close);
    EXPECT_EQ(rows[1].margin, "59 s");
    EXPECT_TRUE(rows[1].close);
    EXPECT_EQ(rows[2].chart, "Moon's pada");
    EXPECT_EQ(rows[2].value, "Aslesha 2");
    EXPECT_EQ(rows[2].from, "over a day before");
    EXPECT_EQ(rows[2].margin, "1 min 0 s");
    EXPECT_FALSE(rows[2].close);
}

}  // namespace
}  // namespace amsaview
