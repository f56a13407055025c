#include "pipeline/TimeWindows.h"

#include <algorithm>
#include <unordered_map>

#include "astro/AngleText.h"
#include "charts/DivisionalRules.h"
#include "charts/ExactVargas.h"
#include "charts/SignPosition.h"
#include "pipeline/ChartKinds.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

// A sign lasts two hours on average; a step of an eighth of a part stays
// shorter than any part's stretch up to the polar circles. Powers of two, so
// the charts' steps and halvings meet on the same seconds and share them.
int StepFor(int partsPerSign) {
    const int eighth = 7200 / (8 * partsPerSign);
    int step = 1;
    while (step * 2 <= eighth) {
        step *= 2;
    }
    return step;
}

SignPosition LagnaPosition(const ChartPositions& positions) {
    return ReadSignPosition(ShortPositionText(positions.ascendantText));
}

// Every value of every subject at the moments charted so far.
class ChartedMoments {
  public:
    ChartedMoments(const BirthData& birth, const PositionSource& source,
                   std::span<const WindowSubject> subjects)
        : birth_(birth), source_(source), subjects_(subjects) {}

    int Value(std::size_t subject, int seconds) {
        auto found = values_.find(seconds);
        if (found == values_.end()) {
            source_.Compute(ShiftedBirth(birth_, seconds), positions_);
            std::vector<int> values;
            values.reserve(subjects_.size());
            for (const WindowSubject& each : subjects_) {
                values.push_back(each.value(positions_));
            }
            found = values_.emplace(seconds, std::move(values)).first;
        }
        return found->second[subject];
    }

  private:
    const BirthData& birth_;
    const PositionSource& source_;
    std::span<const WindowSubject> subjects_;
    ChartPositions positions_;
    std::unordered_map<int, std::vector<int>> values_;
};

// The last second, counted outwards in `direction`, that still has the
// birth's value: steps out until the value differs, then halves the last step.
std::optional<int> Edge(ChartedMoments& moments, std::size_t subject, int step, int direction) {
    const int value = moments.Value(subject, 0);
    int same = 0;
    int differs = 0;
    while (differs == 0) {
        const int next = std::min(same + step, kWindowSearchSeconds);
        if (moments.Value(subject, direction * next) != value) {
            differs = next;
        } else if (next == kWindowSearchSeconds) {
            return std::nullopt;
        } else {
            same = next;
        }
    }
    while (differs - same > 1) {
        const int middle = same + (differs - same) / 2;
        (moments.Value(subject, direction * middle) == value ? same : differs) = middle;
    }
    return direction * same;
}

}  // namespace

BirthData ShiftedBirth(const BirthData& birth, int seconds) {
    // Universal time is the clock less its offset: a smaller offset is a later moment.
    BirthData shifted = birth;
    shifted.utcOffsetSeconds -= seconds;
    return shifted;
}

std::vector<WindowSubject> ChartWindowSubjects() {
    std::vector<WindowSubject> subjects;
    // The Lagna as each chart places it: by the minute text for the older
    // charts, by the exact longitude for the others.
    for (const ChartKind& kind : kChartKinds) {
        const std::string id(kind.id);
        if (kind.rule != nullptr) {
            const DivisionalChart& chart = *kind.rule;
            subjects.push_back({id,
                                [&chart](const ChartPositions& p) {
                                    const SignPosition lagna = LagnaPosition(p);
                                    return chart.targetSign(lagna.sign,
                                                            PartOf(chart, lagna.minuteInSign)) %
                                           kSignCount;
                                },
                                StepFor(chart.partCount)});
        } else if (kind.exact != nullptr) {
            // The Trimsamsa's narrowest part, 5°, is wider than its thirtieth.
            const ExactVarga& chart = *kind.exact;
            subjects.push_back(
                {id,
                 [&chart](const ChartPositions& p) { return ExactVargaSign(chart, p.ascendant); },
                 StepFor(chart.partCount)});
        } else {
            subjects.push_back(
                {id, [](const ChartPositions& p) { return LagnaPosition(p).sign; }, StepFor(1)});
        }
    }
    // A pada of 3° 20′ lasts about six hours of the Moon's motion.
    subjects.push_back({"moonPada",
                        [](const ChartPositions& p) {
                            return NakshatraOf(p.moonSidereal) * 4 +
                                   NakshatraPadaOf(p.moonSidereal) - 1;
                        },
                        2048});
    return subjects;
}

std::vector<TimeWindow> FindTimeWindows(const BirthData& birth, const PositionSource& source,
                                        std::span<const WindowSubject> subjects) {
    ChartedMoments moments(birth, source, subjects);
    std::vector<TimeWindow> windows;
    windows.reserve(subjects.size());
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        const int step = std::max(1, subjects[i].stepSeconds);
        windows.push_back({subjects[i].id, moments.Value(i, 0), Edge(moments, i, step, -1),
                           Edge(moments, i, step, +1)});
    }
    return windows;
}

}  // namespace amsaview
