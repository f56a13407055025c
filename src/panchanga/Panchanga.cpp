#include "panchanga/Panchanga.h"

#include <array>
#include <cmath>
#include <optional>

#include "panchanga/PanchangaNames.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

// Widths in arc-minutes, so a whole-minute angle falls in its part exactly.
constexpr double kNakshatraWidth = 800;
constexpr double kTithiWidth = 720;
constexpr double kKaranaWidth = 360;
// A hundredth of a second: the moments are shown to the second.
constexpr double kDayTolerance = 0.01 / 86400;
constexpr int kMostSteps = 30;

double Normalize(double degrees) {
    const double reduced = std::fmod(degrees, 360.0);
    return reduced < 0 ? reduced + 360 : reduced;
}

// (-180, 180]: how far `degrees` is past a target.
double Past(double degrees) {
    const double reduced = Normalize(degrees);
    return reduced > 180 ? reduced - 360 : reduced;
}

// The angles whose steady growth marks each element; all of them always
// grow, the Moon outrunning the Sun.
enum class Measure { Elongation, Moon, Sum };

struct MeasureRule {
    double width;     // arc-minutes
    double meanRate;  // degrees a day, to start the search
};

MeasureRule RuleOf(Measure measure) {
    switch (measure) {
        case Measure::Elongation:
            return {kTithiWidth, 12.19};
        case Measure::Moon:
            return {kNakshatraWidth, 13.18};
        case Measure::Sum:
            return {kNakshatraWidth, 14.19};
    }
    return {kTithiWidth, 12.19};
}

double AngleOf(Measure measure, const SiderealLights& lights) {
    switch (measure) {
        case Measure::Elongation:
            return Normalize(lights.moon - lights.sun);
        case Measure::Moon:
            return Normalize(lights.moon);
        case Measure::Sum:
            return Normalize(lights.moon + lights.sun);
    }
    return 0;
}

int PartOf(double angle, double width, int count) {
    const int part = static_cast<int>(std::floor(angle * 60 / width));
    return (part < 0 ? 0 : part >= count ? count - 1 : part) + 1;
}

// The moment near `from` at which the measure reaches `target`, by the secant
// method started from the measure's mean rate. The lights move smoothly, so a
// handful of steps reach a hundredth of a second.
double Crossing(const LightsAt& lights, Measure measure, double target, double from,
                double angleAtFrom) {
    const double meanRate = RuleOf(measure).meanRate;
    double t0 = from;
    double g0 = Past(angleAtFrom - target);
    double t1 = t0 - g0 / meanRate;
    for (int step = 0; step < kMostSteps; ++step) {
        const double g1 = Past(AngleOf(measure, lights(t1)) - target);
        const double slope = t1 != t0 ? (g1 - g0) / (t1 - t0) : 0;
        // A slope far from any the lights can have means the step crossed a
        // wrap; fall back on the mean rate.
        const double rate = slope > 0.2 * meanRate && slope < 5 * meanRate ? slope : meanRate;
        const double next = t1 - g1 / rate;
        t0 = t1;
        g0 = g1;
        t1 = next;
        if (std::fabs(t1 - t0) < kDayTolerance) {
            break;
        }
    }
    return t1;
}

// The lights at five moments 0.6 days apart around the birth, the birth in
// the middle. No element lasts 27 hours, so every end the panchanga needs
// lies among them; a cubic through four of them finds a crossing to a few
// seconds, and one step on the lights themselves makes it exact. The seven
// crossings share these four evaluations where each would otherwise search
// on its own from the birth.
class LightsAround {
  public:
    LightsAround(const LightsAt& lights, double birth, const SiderealLights& atBirth)
        : lights_(lights) {
        for (int node = 0; node < kNodes; ++node) {
            times_[static_cast<std::size_t>(node)] = birth + (node - kMiddle) * kStep;
            at_[static_cast<std::size_t>(node)] =
                node == kMiddle ? atBirth : lights(times_[static_cast<std::size_t>(node)]);
        }
    }

    // As Crossing: the moment the measure reaches `target` nearest the birth
    // in the sense of Past; none when it falls outside the nodes.
    std::optional<double> Find(Measure measure, double target) const {
        // The measure unwrapped across the nodes: it grows less than a turn
        // from one to the next.
        std::array<double, kNodes> angle{};
        const auto middle = static_cast<std::size_t>(kMiddle);
        angle[middle] = AngleOf(measure, at_[middle]);
        for (std::size_t node = middle + 1; node < kNodes; ++node) {
            angle[node] = angle[node - 1] +
                          Normalize(AngleOf(measure, at_[node]) - AngleOf(measure, at_[node - 1]));
        }
        for (std::size_t node = middle; node-- > 0;) {
            angle[node] = angle[node + 1] -
                          Normalize(AngleOf(measure, at_[node + 1]) - AngleOf(measure, at_[node]));
        }
        const double wanted = angle[middle] - Past(angle[middle] - target);
        std::size_t below = 0;
        while (below + 1 < kNodes && angle[below + 1] <= wanted) {
            ++below;
        }
        if (angle[0] > wanted || below + 1 == kNodes) {
            return std::nullopt;
        }
        // Four nodes around the interval, as centred as the ends allow.
        const std::size_t first = std::min<std::size_t>(below > 0 ? below - 1 : 0, kNodes - 4);
        const auto cubic = [&](double t, double& slope) {
            double value = 0;
            slope = 0;
            for (std::size_t i = first; i < first + 4; ++i) {
                double basis = 1;
                double derivative = 0;
                for (std::size_t j = first; j < first + 4; ++j) {
                    if (j != i) {
                        const double span = times_[i] - times_[j];
                        derivative = derivative * (t - times_[j]) / span + basis / span;
                        basis *= (t - times_[j]) / span;
                    }
                }
                value += angle[i] * basis;
                slope += angle[i] * derivative;
            }
            return value;
        };
        const double from = times_[below];
        double t = from + kStep * (wanted - angle[below]) / (angle[below + 1] - angle[below]);
        double slope = 0;
        for (int step = 0; step < kCubicSteps; ++step) {
            t -= (cubic(t, slope) - wanted) / slope;
        }
        cubic(t, slope);
        const double miss = Past(AngleOf(measure, lights_(t)) - target);
        return t - miss / slope;
    }

  private:
    static constexpr int kNodes = 5;
    static constexpr int kMiddle = 2;
    static constexpr double kStep = 0.6;  // days
    static constexpr int kCubicSteps = 4;

    const LightsAt& lights_;
    std::array<double, kNodes> times_{};
    std::array<SiderealLights, kNodes> at_{};
};

double CrossingNear(const LightsAround& around, const LightsAt& lights, Measure measure,
                    double target, double from, double angleAtFrom) {
    if (const auto found = around.Find(measure, target)) {
        return *found;
    }
    return Crossing(lights, measure, target, from, angleAtFrom);
}

PanchangaSpan SpanOf(const LightsAround& around, const LightsAt& lights, Measure measure, double at,
                     double angle, int count) {
    const double width = RuleOf(measure).width;
    PanchangaSpan span;
    span.number = PartOf(angle, width, count);
    span.start = CrossingNear(around, lights, measure, (span.number - 1) * width / 60, at, angle);
    span.end =
        CrossingNear(around, lights, measure, Normalize(span.number * width / 60), at, angle);
    return span;
}

}  // namespace

int TithiOf(const SiderealLights& lights) {
    return PartOf(AngleOf(Measure::Elongation, lights), kTithiWidth, kTithiCount);
}

int KaranaOf(const SiderealLights& lights) {
    return PartOf(AngleOf(Measure::Elongation, lights), kKaranaWidth, kKaranaCount);
}

int YogaOf(const SiderealLights& lights) {
    return PartOf(AngleOf(Measure::Sum, lights), kNakshatraWidth, kYogaCount);
}

int WeekdayOfJulianDayNumber(double julianDayNumber) {
    return static_cast<int>(std::fmod(std::floor(julianDayNumber) + 1, 7));
}

Panchanga ComputePanchanga(double julianDayUt, int civilWeekday, const SunDay& sun,
                           const LightsAt& lights) {
    const SiderealLights atBirth = lights(julianDayUt);
    const double elongation = AngleOf(Measure::Elongation, atBirth);
    const double moon = AngleOf(Measure::Moon, atBirth);

    Panchanga panchanga;
    panchanga.civilWeekday = civilWeekday;
    panchanga.sun = sun;
    panchanga.vara =
        sun.sunrise && julianDayUt < *sun.sunrise ? (civilWeekday + 6) % 7 : civilWeekday;
    const LightsAround around(lights, julianDayUt, atBirth);
    panchanga.tithi =
        SpanOf(around, lights, Measure::Elongation, julianDayUt, elongation, kTithiCount);
    panchanga.nakshatra = SpanOf(around, lights, Measure::Moon, julianDayUt, moon, 27);
    panchanga.pada = NakshatraPadaOf(moon);
    panchanga.yoga = SpanOf(around, lights, Measure::Sum, julianDayUt,
                            AngleOf(Measure::Sum, atBirth), kYogaCount);

    // A karana is half a tithi: one of its ends is the tithi's.
    PanchangaSpan& karana = panchanga.karana;
    karana.number = PartOf(elongation, kKaranaWidth, kKaranaCount);
    const double middle =
        (karana.number % 2 == 1 ? karana.number : karana.number - 1) * kKaranaWidth / 60;
    const double halfway =
        CrossingNear(around, lights, Measure::Elongation, middle, julianDayUt, elongation);
    karana.start = karana.number % 2 == 1 ? panchanga.tithi.start : halfway;
    karana.end = karana.number % 2 == 1 ? halfway : panchanga.tithi.end;
    return panchanga;
}

}  // namespace amsaview
