#include "pipeline/BirthTimes.h"

#include "pipeline/ChartPanchanga.h"

namespace amsaview {

BirthTimes ComputeBirthTimes(const ChartResult& result, const PositionSource& source,
                             bool withWindows) {
    BirthTimes times{ChartPanchanga(result.birth, result.method), std::nullopt};
    if (withWindows) {
        static const std::vector<WindowSubject> kSubjects = ChartWindowSubjects();
        times.windows = FindTimeWindows(result.birth, source, kSubjects);
    }
    return times;
}

}  // namespace amsaview
