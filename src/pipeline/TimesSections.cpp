#include "pipeline/TimesSections.h"

#include <cmath>
#include <memory>
#include <stdexcept>

#include "panchanga/PanchangaNames.h"
#include "pipeline/BirthTimes.h"
#include "pipeline/ChartPanchanga.h"
#include "pipeline/WindowTexts.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

// A universal moment on the birth's clock, as the other times of the chart.
std::string ClockText(const BirthData& birth, double julianDayUt) {
    const double seconds = (julianDayUt - BirthJulianDayUt(birth)) * 86400;
    return LocalClockText(birth, static_cast<int>(std::lround(seconds)));
}

std::string Span(const BirthData& birth, const PanchangaSpan& span, std::string name) {
    return std::to_string(span.number) + " " + name + ", " + ClockText(birth, span.start) +
           " \u2013 " + ClockText(birth, span.end);
}

std::string SunText(const BirthData& birth, const std::optional<double>& moment, PolarDay polar) {
    if (moment) {
        return ClockText(birth, *moment);
    }
    switch (polar) {
        case PolarDay::MidnightSun:
            return "none: the Sun stays up";
        case PolarDay::PolarNight:
            return "none: the Sun stays down";
        case PolarDay::None:
            break;
    }
    return "none that date";
}

ReportSection PanchangaSection(const BirthData& birth, const Panchanga& p) {
    const std::string nakshatra(NakshatraNames[static_cast<std::size_t>(p.nakshatra.number - 1)]);
    return {"panchanga",
            "Panchanga",
            {{"vara", "Vara", VaraText(p)},
             {"tithi", "Tithi",
              Span(birth, p.tithi,
                   std::string(TithiName(p.tithi.number)) + " (" +
                       std::string(PakshaName(p.tithi.number)) + ")")},
             {"nakshatra", "Nakshatra",
              Span(birth, p.nakshatra, nakshatra + " pada " + std::to_string(p.pada))},
             {"yoga", "Yoga", Span(birth, p.yoga, std::string(YogaName(p.yoga.number)))},
             {"karana", "Karana", Span(birth, p.karana, std::string(KaranaName(p.karana.number)))},
             {"sunrise", "Sunrise", SunText(birth, p.sun.sunrise, p.sun.polar)},
             {"sunset", "Sunset", SunText(birth, p.sun.sunset, p.sun.polar)}},
            {}};
}

ReportSection WindowsSection(const BirthData& birth, const std::vector<TimeWindow>& windows) {
    ReportTable table{{"Chart", "Sign", "From", "To", "Margin"}, {}};
    for (const WindowRow& row : WindowRows(birth, windows)) {
        table.rows.push_back({row.chart, row.value, row.from, row.to,
                              row.close ? row.margin + ", under a minute" : row.margin});
    }
    return {"windows", "Lagna holds", {}, {std::move(table)}};
}

ReportSection Failed(std::string_view id, std::string_view title, const std::exception& error) {
    return {id, title, {{"failure", "Not computed", error.what()}}, {}};
}

}  // namespace

void AddBirthTimesSections(const ChartResult& result, std::vector<ReportSection>& sections) {
    try {
        const std::unique_ptr<PositionSource> source = MakePositionSource(result.method);
        const BirthTimes times = ComputeBirthTimes(result, *source, true);
        sections.push_back(PanchangaSection(result.birth, times.panchanga));
        sections.push_back(WindowsSection(result.birth, *times.windows));
    } catch (const std::runtime_error& error) {
        sections.push_back(Failed("panchanga", "Panchanga", error));
        sections.push_back(Failed("windows", "Lagna holds", error));
    }
}

}  // namespace amsaview
