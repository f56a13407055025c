#include "pipeline/ChartReport.h"

#include <cstdio>

#include "astro/TimeBases.h"
#include "pipeline/ChartDasha.h"
#include "pipeline/TimesSections.h"
#include "swiss/EphemerisSettings.h"

namespace amsaview {
namespace {

constexpr std::array<std::string_view, kBodyCount> kPositionCaptions = {
    "Surya / Sun",    "Chandra / Moon", "Budha / Mercury",   "Shukra / Venus",   "Mangala / Mars",
    "Guru / Jupiter", "Shani / Saturn", "Rahu / North Node", "Ketu / South Node"};

ReportChart ChartOf(const ChartKind& kind, const ChartPlacement& placement) {
    ReportChart chart;
    chart.kind = &kind;
    chart.placement = &placement;
    chart.bodySign.fill(kNoSign);
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        for (const PlacedBody& placed : placement.signs[sign].bodies()) {
            chart.bodySign[SlotOf(placed.body)] = static_cast<std::int16_t>(sign);
            chart.retrograde[SlotOf(placed.body)] = placed.retrograde;
        }
    }
    chart.ascendantSign = placement.ascendant;
    return chart;
}

// "UTC+05:30"; seconds only when the clock has them, as a place's mean time does.
std::string OffsetText(std::int32_t seconds) {
    const char sign = seconds < 0 ? '-' : '+';
    const std::int64_t magnitude = seconds < 0 ? -std::int64_t{seconds} : seconds;
    std::array<char, 32> text{};
    int length = std::snprintf(text.data(), text.size(), "UTC%c%02lld:%02lld", sign,
                               static_cast<long long>(magnitude / 3600),
                               static_cast<long long>(magnitude / 60 % 60));
    if (magnitude % 60 != 0) {
        length +=
            std::snprintf(text.data() + length, text.size() - static_cast<std::size_t>(length),
                          ":%02lld", static_cast<long long>(magnitude % 60));
    }
    return {text.data(), static_cast<std::size_t>(length)};
}

// "UTC+02:00 (daylight saving included), Central European Time (CET)" for a
// zone row; an exact clock's own description names its offset already.
std::string ClockText(const BirthData& birth) {
    if (birth.clockIsExact && !birth.clockName.empty()) {
        return birth.clockName;
    }
    std::string text = OffsetText(birth.utcOffsetSeconds);
    if (birth.dst) {
        text += " (daylight saving included)";
    }
    if (!birth.clockName.empty()) {
        text += ", " + birth.clockName;
    }
    return text;
}

// UT from the same clock as the chart's JSON, so the two cannot disagree.
std::string UniversalTimeText(const BirthData& birth) {
    const UtMoment ut = PlanetMoment(birth);
    std::array<char, 64> text{};
    int length = std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d", ut.year,
                               ut.month, ut.day, ut.hour, ut.minute);
    if (birth.utcOffsetSeconds % 60 != 0) {
        length += std::snprintf(text.data() + length,
                                text.size() - static_cast<std::size_t>(length), ":%02d", ut.second);
    }
    return {text.data(), static_cast<std::size_t>(length)};
}

ReportSection BirthSection(const ResultTexts& t) {
    return {"birth",
            "Birth Details",
            {{"name", "Name", t.lblName},
             {"date", "Date of Birth", t.lblDOB},
             {"time", "Time of Birth", t.lblTOB},
             {"longitude", "Longitude", t.lblLongitude},
             {"latitude", "Latitude", t.lblLatitude},
             {"city", "City", t.lblCity},
             {"state", "State", t.lblState},
             {"country", "Country", t.lblCountry}},
            {}};
}

ReportSection ClockSection(const ChartResult& result) {
    return {"clock",
            "Clock",
            {{"clock", "Clock", ClockText(result.birth)},
             {"universalTime", "UT", UniversalTimeText(result.birth)},
             {"method", "Positions", MethodDescription(result.method)}},
            {}};
}

ReportSection VedicSection(const ResultTexts& t) {
    return {"vedic",
            "Vedic Details",
            {{"ayanamsa", "Ayanamsa", t.lblAyanamsha},
             {"lagna", "Lagna / Asc", t.lblLagna},
             {"nakshatra", "Nakshatra", t.lblNakshatra},
             {"rashi", "Rashi", t.lblRashi},
             {"pada", "Pada", t.lblPada},
             {"lord", "Lord", t.lblLord},
             {"lagnaPosition", "Lagna Position", t.lblLagnaPosition}},
            {}};
}

ReportSection PositionsSection(const ChartResult& result) {
    ReportTable table{{"Planet", "Position", "Retrograde"}, {}};
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        const bool retrograde = IsMarkedRetrograde(result.positions, static_cast<Body>(slot));
        table.rows.push_back({std::string(kPositionCaptions[slot]), result.texts.planet[slot],
                              retrograde ? "(R)" : ""});
    }
    return {"positions", "Planetary Positions", {}, {std::move(table)}};
}

}  // namespace

const ChartPlacement& PlacementOf(const ChartKind& kind, const ChartPlacements& placements) {
    if (kind.rule != nullptr) {
        return placements.divisional[DivisionalIndex(kind)];
    }
    if (kind.exact != nullptr) {
        return placements.exact[ExactIndex(kind)];
    }
    return placements.rashi;
}

ReportCharts ReportChartsOf(const ChartResult& result) {
    ReportCharts charts;
    for (std::size_t index = 0; index < kChartKinds.size(); ++index) {
        const ChartKind& kind = kChartKinds[index];
        charts[index] = ChartOf(kind, PlacementOf(kind, result.placements));
    }
    return charts;
}

ChartCaptions BoxCaptions(const ReportChart& chart) {
    ChartCaptions captions;
    for (std::size_t sign = 0; sign < captions.size(); ++sign) {
        captions[sign] = SignBoxCaption(chart.placement->signs[sign], *chart.kind->names);
    }
    return captions;
}

ChartReport BuildChartReport(const ChartResult& result) {
    ChartReport report{ReportChartsOf(result), {}, ChartDasha(result)};
    report.sections.push_back(BirthSection(result.texts));
    report.sections.push_back(ClockSection(result));
    report.sections.push_back(VedicSection(result.texts));
    report.sections.push_back(PositionsSection(result));
    AddBirthTimesSections(result, report.sections);
    return report;
}

const ReportChart* FindChart(const ReportCharts& charts, std::string_view id) {
    for (const ReportChart& chart : charts) {
        if (chart.kind->id == id) {
            return &chart;
        }
    }
    return nullptr;
}

const ReportSection* FindSection(const ChartReport& report, std::string_view id) {
    for (const ReportSection& section : report.sections) {
        if (section.id == id) {
            return &section;
        }
    }
    return nullptr;
}

}  // namespace amsaview
