#include <gtest/gtest.h>

#include "charts/DivisionalRules.h"
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
}

}  // namespace
}  // namespace amsaview
