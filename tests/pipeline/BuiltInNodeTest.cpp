#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "pipeline/ComputeChart.h"
#include "support/FormExamples.h"

namespace amsaview {
namespace {

constexpr double kToleranceMinutes = 0.5;
constexpr int kGreenwichRow = 29;

double MinutesApart(double a, double b) {
    return std::fabs(std::remainder(a - b, 360.0)) * 60;
}

// The built-in mean node of date against Swiss Ephemeris's mean node, both
// Lahiri, on births drawn from a fixed seed; the nodes are geocentric, so
// the place is Greenwich.
TEST(BuiltInNode, WithinHalfAnArcMinuteOfSwissMeanNode) {
    std::mt19937 draw(20);
    const EphemerisSettings swiss{EphemerisKind::Swiss, AyanamsaMode::Lahiri, LunarNode::Mean, ""};
    for (int i = 0; i < 40; ++i) {
        FormInput form = testing::GreenwichNoonJ2000();
        form.yearRow = static_cast<int>(draw() % (kLastYear - kFirstYear + 1));
        form.monthRow = static_cast<int>(draw() % 12);
        form.dayRow = static_cast<int>(draw() % 28);
        form.hourRow = static_cast<int>(draw() % 24);
        form.minuteRow = static_cast<int>(draw() % 60);
        form.zoneRow = kGreenwichRow;
        const std::string when =
            std::to_string(kFirstYear + form.yearRow) + "-" + std::to_string(form.monthRow + 1) +
            "-" + std::to_string(form.dayRow + 1) + " " + std::to_string(form.hourRow) + ":" +
            std::to_string(form.minuteRow) + " UT";

        ChartResult builtIn;
        ChartResult reference;
        ASSERT_FALSE(ComputeChart(form, builtIn)) << when;
        ASSERT_FALSE(ComputeChart(form, swiss, reference)) << when;
        EXPECT_LE(MinutesApart(builtIn.positions.siderealLongitude[7],
                               reference.positions.siderealLongitude[7]),
                  kToleranceMinutes)
            << "Rahu on " << when << ": " << builtIn.positions.siderealLongitude[7] << " against "
            << reference.positions.siderealLongitude[7];
        EXPECT_LE(MinutesApart(builtIn.positions.siderealLongitude[8],
                               reference.positions.siderealLongitude[8]),
                  kToleranceMinutes)
            << "Ketu on " << when << ": " << builtIn.positions.siderealLongitude[8] << " against "
            << reference.positions.siderealLongitude[8];
    }
}

}  // namespace
}  // namespace amsaview
