#include <gtest/gtest.h>

#include "charts/DivisionalRules.h"
#include "charts/ExactVargas.h"
#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

// How often each body stands in the chart.
std::array<int, kBodyCount> Placings(const ChartPlacement& chart) {
    std::array<int, kBodyCount> count{};
    for (const SignBox& box : chart.signs) {
        for (const PlacedBody& placed : box.bodies()) {
            ++count[SlotOf(placed.body)];
        }
    }
    return count;
}

TEST(ChartsInComputeChart, EveryChartHoldsEachBodyOnce) {
    constexpr std::array<int, kBodyCount> kOnceEach = {1, 1, 1, 1, 1, 1, 1, 1, 1};
    ChartResult result;
    ASSERT_FALSE(ComputeChart(testing::DelhiForm(1975, 3, 7, 9, 5), result));
    EXPECT_EQ(Placings(result.placements.rashi), kOnceEach);
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        EXPECT_EQ(Placings(result.placements.divisional[chart]), kOnceEach)
            << kDivisionalCharts[chart].title;
    }
    // The exact-longitude charts are the result's too, as their rules place them.
    std::array<ChartPlacement, kExactVargaCount> exact;
    PlaceExactVargas(result.positions, exact);
    for (std::size_t chart = 0; chart < kExactVargas.size(); ++chart) {
        EXPECT_EQ(Placings(result.placements.exact[chart]), kOnceEach) << kExactVargas[chart].id;
        EXPECT_NE(result.placements.exact[chart].ascendant, kNoSign) << kExactVargas[chart].id;
        EXPECT_EQ(result.placements.exact[chart], exact[chart]) << kExactVargas[chart].id;
    }
}

}  // namespace
}  // namespace amsaview
