#include <gtest/gtest.h>

#include <array>
#include <string>

#include "pipeline/ChartCaptions.h"
#include "pipeline/ComputeChart.h"
#include "retro/Retrograde.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

using Flags = std::array<bool, kRetrogradePlanetCount>;

struct MarkCase {
    const char* what;
    int year, month, day;
    Flags flags;  // Mercury, Venus, Mars, Jupiter, Saturn
};

const MarkCase kMarkCases[] = {
    {"nothing retrograde", 2020, 1, 15, {false, false, false, false, false}},
    {"Mercury and Jupiter", 2004, 4, 7, {true, false, false, true, false}},
    {"all but Mars", 2020, 6, 20, {true, true, false, true, true}},
    {"Mars alone", 2020, 10, 1, {false, false, true, false, false}},
};

TEST(MarkRetrogrades, FlagsRetrogradePlanetsOnly) {
    for (const MarkCase& c : kMarkCases) {
        BirthData birth;
        birth.year = static_cast<std::int16_t>(c.year);
        birth.month = static_cast<std::int16_t>(c.month);
        birth.day = static_cast<std::int16_t>(c.day);
        birth.hour = 12;
        ChartPositions positions;
        positions.retrograde.fill(true);  // whatever an earlier chart left
        MarkRetrogrades(birth, positions);
        EXPECT_EQ(positions.retrograde, c.flags) << c.what;
    }
}

FormInput FormFor(int year, int month, int day, int hour, int minute, int zoneRow) {
    FormInput form = testing::DelhiForm(year, month, day, hour, minute);
    form.zoneRow = zoneRow;
    return form;
}

// How often a text occurs in a chart's captions.
int MarksIn(const ChartCaptions& captions, std::string_view text) {
    int count = 0;
    for (const std::string& caption : captions) {
        for (auto at = caption.find(text); at != std::string::npos;
             at = caption.find(text, at + 1)) {
            ++count;
        }
    }
    return count;
}

TEST(MarkRetrogrades, SecondChartInARowMarksOnce) {
    ChartResult result;
    const FormInput form = testing::DelhiForm(2020, 2, 18, 9, 5);
    ASSERT_FALSE(ComputeChart(form, result).has_value());
    ASSERT_FALSE(ComputeChart(form, result).has_value());
    EXPECT_EQ(result.positions.retrograde, (Flags{true, false, false, false, false}));
    EXPECT_EQ(MarksIn(RashiCaptions(result.placements), "Budha (R) "), 1);
    EXPECT_EQ(MarksIn(DivisionalCaptions(result.placements, 4), "Mercury (R) "), 1);

    // A later chart without retrograde Mercury loses the mark.
    ASSERT_FALSE(ComputeChart(testing::DelhiForm(2020, 1, 15, 9, 5), result).has_value());
    EXPECT_EQ(MarksIn(RashiCaptions(result.placements), "(R)"), 0);
    EXPECT_EQ(MarksIn(DivisionalCaptions(result.placements, 4), "(R)"), 0);
}

TEST(MarkRetrogrades, UsesTheLocalDateWithoutTheZone) {
    struct ZoneCase {
        const char* what;
        FormInput form;
        bool mercury;
    };
    constexpr int kIndia = 34;            // 5 h 30 ahead of UT
    constexpr int kPacificStandard = 54;  // 8 h behind UT
    const ZoneCase cases[] = {
        {"18 February local, 17 February in UT", FormFor(2020, 2, 18, 0, 10, kIndia), true},
        {"9 March local, 10 March in UT", FormFor(2020, 3, 9, 23, 50, kPacificStandard), true},
        {"17 February local, 18 February in UT", FormFor(2020, 2, 17, 20, 0, kPacificStandard),
         false},
        {"10 March local, 9 March in UT", FormFor(2020, 3, 10, 2, 0, kIndia), false},
    };
    for (const ZoneCase& c : cases) {
        ChartResult result;
        ASSERT_FALSE(ComputeChart(c.form, result).has_value()) << c.what;
        EXPECT_EQ(result.positions.retrograde[0], c.mercury) << c.what;
    }
}

}  // namespace
}  // namespace amsaview
