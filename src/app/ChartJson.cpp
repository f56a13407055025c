#include "app/ChartJson.h"

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "app/JsonNumber.h"
#include "astro/TimeBases.h"
#include "charts/DivisionalRules.h"
#include "clock/ClockTexts.h"
#include "pipeline/ChartCaptions.h"

namespace amsaview {
namespace {

// rapidjson writes fastest into its own buffer; one per thread, reused.
rapidjson::StringBuffer& Buffer() {
    thread_local rapidjson::StringBuffer buffer;
    buffer.Clear();
    return buffer;
}

void AppendBuffer(const rapidjson::StringBuffer& buffer, std::string& out) {
    out.append(buffer.GetString(), buffer.GetSize());
    out += '\n';
}

bool NeedsHexEscape(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\n' && c != '\r' && c != '\t' &&
            c != '\b' && c != '\f') {
            return true;
        }
    }
    return false;
}

// Qt writes the rarer control characters as \u00xx with small hex letters,
// rapidjson with capitals; the output keeps Qt's.
std::string QtEscapedString(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\b':
                quoted += "\\b";
                break;
            case '\f':
                quoted += "\\f";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\r':
                quoted += "\\r";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    quoted += "\\u00";
                    quoted += kHex[byte >> 4];
                    quoted += kHex[byte & 0xF];
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + '"';
}

template <typename Writer>
void Text(Writer& writer, std::string_view text) {
    if (NeedsHexEscape(text)) {
        const std::string quoted = QtEscapedString(text);
        writer.RawValue(quoted.data(), quoted.size(), rapidjson::kStringType);
    } else {
        writer.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
    }
}

template <typename Writer>
void Number(Writer& writer, double value) {
    thread_local std::string text;
    text.clear();
    AppendJsonNumber(value, text);
    writer.RawValue(text.data(), text.size(), rapidjson::kNumberType);
}

template <typename Writer, typename Container>
void TextArray(Writer& writer, const Container& texts) {
    writer.StartArray();
    for (const auto& text : texts) {
        Text(writer, text);
    }
    writer.EndArray();
}

// The divisional charts in the order of their titles.
const std::array<const DivisionalChart*, kDivisionalChartCount>& ChartsByTitle() {
    static const auto kSorted = [] {
        std::array<const DivisionalChart*, kDivisionalChartCount> charts{};
        std::transform(kDivisionalCharts.begin(), kDivisionalCharts.end(), charts.begin(),
                       [](const DivisionalChart& chart) { return &chart; });
        std::sort(charts.begin(), charts.end(),
                  [](const auto* a, const auto* b) { return a->title < b->title; });
        return charts;
    }();
    return kSorted;
}

template <typename Writer>
void KeyValue(Writer& writer, std::string_view key) {
    writer.String(key.data(), static_cast<rapidjson::SizeType>(key.size()));
}

// The source and, for Swiss Ephemeris, its options, by their command-line keys.
template <typename Writer>
void Method(Writer& writer, const EphemerisSettings& method) {
    writer.StartObject();
    if (method.kind == EphemerisKind::Swiss) {
        writer.Key("ayanamsa");
        KeyValue(writer, CommandLineKey(method.ayanamsa));
    }
    writer.Key("ephemeris");
    KeyValue(writer, CommandLineKey(method.kind));
    if (method.kind == EphemerisKind::Swiss) {
        writer.Key("node");
        KeyValue(writer, CommandLineKey(method.node));
    }
    writer.EndObject();
}

template <typename Writer>
void Values(Writer& writer, const ChartResult& result) {
    const ChartPositions& positions = result.positions;
    writer.StartObject();
    writer.Key("ascendant");
    Number(writer, positions.ascendant);
    writer.Key("ayanamsa");
    Number(writer, positions.ayanamsa);
    writer.Key("longitudes");
    writer.StartArray();
    for (const double longitude : positions.siderealLongitude) {
        Number(writer, longitude);
    }
    writer.EndArray();
    writer.Key("method");
    Method(writer, result.method);
    writer.Key("moonSidereal");
    Number(writer, positions.moonSidereal);
    writer.Key("universalTime");
    const UtMoment ut = PlanetMoment(result.birth);
    std::array<char, 64> iso{};
    const int length = std::snprintf(iso.data(), iso.size(), "%04d-%02d-%02dT%02d:%02d:%02dZ",
                                     ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second);
    writer.String(iso.data(), static_cast<rapidjson::SizeType>(length));
    writer.Key("utcOffset");
    const std::string offset = FormatUtcOffset(result.birth.utcOffsetSeconds);
    writer.String(offset.data(), static_cast<rapidjson::SizeType>(offset.size()));
    writer.EndObject();
}

template <typename Writer>
void Chart(Writer& writer, const ChartResult& result, std::optional<long> line) {
    const ResultTexts& t = result.texts;
    const auto text = [&writer](const char* key, const std::string& value) {
        writer.Key(key);
        Text(writer, value);
    };
    writer.StartObject();
    writer.Key("divisionalCharts");
    writer.StartObject();
    for (const DivisionalChart* chart : ChartsByTitle()) {
        writer.Key(chart->title.data(), static_cast<rapidjson::SizeType>(chart->title.size()));
        TextArray(writer,
                  DivisionalCaptions(result.placements,
                                     static_cast<std::size_t>(chart - kDivisionalCharts.data())));
    }
    writer.EndObject();
    text("lblAyanamsha", t.lblAyanamsha);
    text("lblCity", t.lblCity);
    text("lblCountry", t.lblCountry);
    text("lblDOB", t.lblDOB);
    text("lblLagna", t.lblLagna);
    text("lblLagnaPosition", t.lblLagnaPosition);
    text("lblLatitude", t.lblLatitude);
    text("lblLongitude", t.lblLongitude);
    text("lblLord", t.lblLord);
    text("lblNakshatra", t.lblNakshatra);
    text("lblName", t.lblName);
    text("lblPada", t.lblPada);
    text("lblRashi", t.lblRashi);
    text("lblState", t.lblState);
    text("lblTOB", t.lblTOB);
    if (line) {
        writer.Key("line");
        writer.Int64(*line);
    }
    writer.Key("planet");
    TextArray(writer, t.planet);
    writer.Key("rashiChart");
    TextArray(writer, RashiCaptions(result.placements));
    writer.Key("retrograde");  // Mercury, Venus, Mars, Jupiter, Saturn
    writer.StartArray();
    for (const bool retrograde : result.positions.retrograde) {
        writer.Bool(retrograde);
    }
    writer.EndArray();
    writer.Key("values");
    Values(writer, result);
    writer.EndObject();
}

}  // namespace

void AppendChartJson(const ChartResult& result, std::string& out) {
    rapidjson::StringBuffer& buffer = Buffer();
    rapidjson::PrettyWriter<rapidjson::StringBuffer> writer(buffer);
    Chart(writer, result, std::nullopt);
    AppendBuffer(buffer, out);
}

void AppendChartJsonLine(const ChartResult& result, long line, std::string& out) {
    rapidjson::StringBuffer& buffer = Buffer();
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    Chart(writer, result, line);
    AppendBuffer(buffer, out);
}

void AppendErrorJsonLine(std::string_view message, long line, std::string& out) {
    rapidjson::StringBuffer& buffer = Buffer();
    rapidjson::Writer<rapidjson::StringBuffer> writer(buffer);
    writer.StartObject();
    writer.Key("error");
    Text(writer, message);
    writer.Key("line");
    writer.Int64(line);
    writer.EndObject();
    AppendBuffer(buffer, out);
}

}  // namespace amsaview
