#include <gtest/gtest.h>

#include "charts/DivisionalRules.h"
#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

int NamesIn(std::span<const std::string, kSignCount> boxes) {
    int names = 0;
    for (const std::string& box : boxes) {
        for (std::size_t at = box.find("\r\n"); at != std::string::npos;
             at = box.find("\r\n", at + 2)) {
            ++names;
        }
        EXPECT_EQ(box.find("Asc"), std::string::npos);
        EXPECT_EQ(box.find("ssss"), std::string::npos);
    }
    return names;
}

TEST(ChartsInComputeChart, EveryChartHoldsTheNineBodiesAndNoAscendant) {
    const FormInput form = testing::DelhiForm(1975, 3, 7, 9, 5);
    ChartResult result;
    ASSERT_FALSE(ComputeChart(form, result));

    EXPECT_EQ(NamesIn(result.boxes.rashi), 9);
    for (const DivisionalChart& chart : kDivisionalCharts) {
        EXPECT_EQ(NamesIn(BoxesOf(result.boxes, chart)), 9) << chart.title;
    }
}

}  // namespace
}  // namespace amsaview
