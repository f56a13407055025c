#include "app/ChartJson.h"

#include <QJsonArray>

#include "astro/TimeBases.h"
#include "charts/DivisionalRules.h"
#include "pipeline/ChartCaptions.h"
#include "qtcommon/QtText.h"

namespace amsaview {
namespace {

template <typename Container>
QJsonArray TextArray(const Container& texts) {
    QJsonArray array;
    for (const auto& text : texts) {
        array.append(ToQString(text));
    }
    return array;
}

// Mercury, Venus, Mars, Jupiter, Saturn.
QJsonArray RetrogradeFlags(const ChartPositions& positions) {
    QJsonArray flags;
    for (const bool retrograde : positions.retrograde) {
        flags.append(retrograde);
    }
    return flags;
}

QString IsoUniversalTime(const BirthData& birth) {
    const UtMoment ut = PlanetMoment(birth);
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02dZ", ut.year, ut.month, ut.day, ut.hour,
                             ut.minute, ut.second);
}

QJsonObject Values(const ChartResult& result) {
    QJsonArray longitudes;
    for (const double longitude : result.positions.siderealLongitude) {
        longitudes.append(longitude);
    }
    return {
        {"ayanamsa", result.positions.ayanamsa},
        {"ascendant", result.positions.ascendant},
        {"moonSidereal", result.positions.moonSidereal},
        {"universalTime", IsoUniversalTime(result.birth)},
        {"longitudes", longitudes},
    };
}

// Each chart's twelve box texts, Aries .. Pisces, under its tab title.
QJsonObject DivisionalCharts(const ChartPlacements& placements) {
    QJsonObject charts;
    for (std::size_t chart = 0; chart < kDivisionalCharts.size(); ++chart) {
        charts.insert(ToQString(kDivisionalCharts[chart].title),
                      TextArray(DivisionalCaptions(placements, chart)));
    }
    return charts;
}

}  // namespace

QJsonObject ChartToJson(const ChartResult& result) {
    const ResultTexts& t = result.texts;
    return {
        {"lblName", ToQString(t.lblName)},
        {"lblDOB", ToQString(t.lblDOB)},
        {"lblTOB", ToQString(t.lblTOB)},
        {"lblLatitude", ToQString(t.lblLatitude)},
        {"lblLongitude", ToQString(t.lblLongitude)},
        {"lblCity", ToQString(t.lblCity)},
        {"lblState", ToQString(t.lblState)},
        {"lblCountry", ToQString(t.lblCountry)},
        {"planet", TextArray(t.planet)},
        {"retrograde", RetrogradeFlags(result.positions)},
        {"lblAyanamsha", ToQString(t.lblAyanamsha)},
        {"lblLagna", ToQString(t.lblLagna)},
        {"lblNakshatra", ToQString(t.lblNakshatra)},
        {"lblLagnaPosition", ToQString(t.lblLagnaPosition)},
        {"lblRashi", ToQString(t.lblRashi)},
        {"lblLord", ToQString(t.lblLord)},
        {"lblPada", ToQString(t.lblPada)},
        {"values", Values(result)},
        {"rashiChart", TextArray(RashiCaptions(result.placements))},
        {"divisionalCharts", DivisionalCharts(result.placements)},
    };
}

}  // namespace amsaview
