#include "app/ChartJson.h"

#include <QJsonArray>

#include "astro/TimeBases.h"
#include "charts/DivisionalRules.h"

namespace amsaview {
namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

template <typename Container>
QJsonArray TextArray(const Container& texts) {
    QJsonArray array;
    for (const auto& text : texts) {
        array.append(Text(text));
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
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:00Z", ut.year, ut.month, ut.day, ut.hour,
                             ut.minute);
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
QJsonObject DivisionalCharts(const ChartBoxes& boxes) {
    QJsonObject charts;
    for (const DivisionalChart& chart : kDivisionalCharts) {
        charts.insert(
            QString::fromUtf8(chart.title.data(), static_cast<qsizetype>(chart.title.size())),
            TextArray(BoxesOf(boxes, chart)));
    }
    return charts;
}

}  // namespace

QJsonObject ChartToJson(const ChartResult& result) {
    const ResultTexts& t = result.texts;
    return {
        {"lblName", Text(t.lblName)},
        {"lblDOB", Text(t.lblDOB)},
        {"lblTOB", Text(t.lblTOB)},
        {"lblLatitude", Text(t.lblLatitude)},
        {"lblLongitude", Text(t.lblLongitude)},
        {"lblCity", Text(t.lblCity)},
        {"lblState", Text(t.lblState)},
        {"lblCountry", Text(t.lblCountry)},
        {"planet", TextArray(t.planet)},
        {"retrograde", RetrogradeFlags(result.positions)},
        {"lblAyanamsha", Text(t.lblAyanamsha)},
        {"lblLagna", Text(t.lblLagna)},
        {"lblNakshatra", Text(t.lblNakshatra)},
        {"lblLagnaPosition", Text(t.lblLagnaPosition)},
        {"lblRashi", Text(t.lblRashi)},
        {"lblLord", Text(t.lblLord)},
        {"lblPada", Text(t.lblPada)},
        {"values", Values(result)},
        {"rashiChart", TextArray(result.boxes.rashi)},
        {"divisionalCharts", DivisionalCharts(result.boxes)},
    };
}

}  // namespace amsaview
