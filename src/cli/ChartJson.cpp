#include "cli/ChartJson.h"

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "astro/TimeBases.h"
#include "cli/BirthTimesJson.h"
#include "cli/ChartJsonKeys.h"
#include "cli/DashaJson.h"
#include "cli/JsonNumber.h"
#include "clock/ClockTexts.h"
#include "model/LookupLists.h"
#include "pipeline/ChartCaptions.h"
#include "pipeline/ChartDasha.h"
#include "pipeline/ChartReport.h"
#include "vedic/Nakshatra.h"

namespace amsaview {
namespace {

// Which escapes a text needs. Qt writes the rarer control characters as
// \u00xx with small hex letters, rapidjson with capitals; the output keeps
// Qt's. The common escapes (quote, backslash, \b \f \n \r \t) both write alike.
enum class Escapes : unsigned char { None, Common, Rare };

constexpr std::array<Escapes, 256> kEscapesOfByte = [] {
    std::array<Escapes, 256> escapes{};
    for (int byte = 0; byte < 0x20; ++byte) {
        escapes[static_cast<std::size_t>(byte)] = Escapes::Rare;
    }
    for (const char common : {'\n', '\r', '\t', '\b', '\f', '"', '\\'}) {
        escapes[static_cast<unsigned char>(common)] = Escapes::Common;
    }
    return escapes;
}();

constexpr Escapes EscapesIn(std::string_view text) {
    Escapes found = Escapes::None;
    for (const char c : text) {
        found = std::max(found, kEscapesOfByte[static_cast<unsigned char>(c)]);
    }
    return found;
}

// A key written in the code: checked while compiling to need no escape.
struct PlainKey {
    consteval PlainKey(const char* key) : text(key) {
        if (EscapesIn(text) != Escapes::None) {
            throw "a key must need no escape";
        }
    }
    std::string_view text;
};

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

// rapidjson copies a raw value and escapes a text byte by byte; here a text
// with nothing to escape, a number and a caption are copied whole.
template <typename Base>
class ChartWriter : public Base {
  public:
    using Base::Base;

    // A value written in place: `fill` gets room for `most` bytes and says
    // how many it used; the separator or indent its place needs comes first.
    template <typename Fill>
    void InPlace(rapidjson::Type type, std::size_t most, Fill fill) {
        Base::RawValue("", 0, type);
        char* const room = Base::os_->Push(most);
        Base::os_->Pop(most - fill(room));
    }

    void Raw(std::string_view json, rapidjson::Type type) {
        InPlace(type, json.size(), [json](char* room) {
            std::memcpy(room, json.data(), json.size());
            return json.size();
        });
    }

    void Text(std::string_view text) {
        switch (EscapesIn(text)) {
            case Escapes::None:
                Quoted(text);
                break;
            case Escapes::Common:
                Base::String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
                break;
            case Escapes::Rare:
                Raw(QtEscapedString(text), rapidjson::kStringType);
                break;
        }
    }

    void Key(PlainKey key) { Quoted(key.text); }
    void KeyText(std::string_view key) { Text(key); }

    void Number(double value) {
        InPlace(rapidjson::kNumberType, kJsonNumberRoom, [value](char* room) {
            return static_cast<std::size_t>(WriteJsonNumber(value, room) - room);
        });
    }

    // A text known to need no escape.
    void Quoted(std::string_view text) {
        InPlace(rapidjson::kStringType, text.size() + 2, [text](char* room) {
            room[0] = '"';
            std::memcpy(room + 1, text.data(), text.size());
            room[text.size() + 1] = '"';
            return text.size() + 2;
        });
    }
};

using LineWriter = ChartWriter<rapidjson::Writer<rapidjson::StringBuffer>>;
using IndentedWriter = ChartWriter<rapidjson::PrettyWriter<rapidjson::StringBuffer>>;

// rapidjson writes fastest into its own buffer, and a new writer allocates
// its stack afresh: one of each per thread and kind of writer, reused.
template <typename Writer>
struct ReusedWriter {
    rapidjson::StringBuffer buffer;
    Writer writer{buffer};

    void AppendTo(std::string& out) const {
        out.append(buffer.GetString(), buffer.GetSize());
        out += '\n';
    }
};

template <typename Writer>
ReusedWriter<Writer>& FreshWriter() {
    thread_local ReusedWriter<Writer> reused;
    reused.buffer.Clear();
    reused.writer.Reset(reused.buffer);
    return reused;
}

template <typename Writer, typename Container>
void TextArray(Writer& writer, const Container& texts) {
    writer.StartArray();
    for (const auto& text : texts) {
        writer.Text(text);
    }
    writer.EndArray();
}

// A caption's text is its bodies' pieces in a row, and JSON escapes byte by
// byte, so the escaped caption is the escaped pieces in a row: each piece is
// escaped once, from a caption of that body alone, and copied whole.
struct EscapedPiece {
    std::array<char, 32> text{};
    std::size_t size = 0;
};

struct EscapedPieces {
    std::array<EscapedPiece, kBodyCount> direct;
    std::array<EscapedPiece, kBodyCount> retrograde;
};

EscapedPiece EscapedWithoutQuotes(std::string_view text) {
    rapidjson::StringBuffer buffer;
    LineWriter writer(buffer);
    writer.Text(text);
    EscapedPiece piece;
    piece.size = buffer.GetSize() - 2;
    if (piece.size > piece.text.size()) {
        throw std::length_error("a body's caption is too long to escape once");
    }
    std::copy_n(buffer.GetString() + 1, piece.size, piece.text.begin());
    return piece;
}

EscapedPieces EscapeEachBody(const BodyNames& names) {
    EscapedPieces pieces;
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        for (const bool retrograde : {false, true}) {
            SignBox alone;
            alone.add({static_cast<Body>(slot), retrograde});
            (retrograde ? pieces.retrograde : pieces.direct)[slot] =
                EscapedWithoutQuotes(SignBoxCaption(alone, names));
        }
    }
    return pieces;
}

template <typename Writer>
void CaptionArray(Writer& writer, const ChartPlacement& placement, const EscapedPieces& pieces) {
    constexpr std::size_t kPieceRoom = EscapedPiece{}.text.size();
    writer.StartArray();
    for (const SignBox& box : placement.signs) {
        writer.InPlace(rapidjson::kStringType, 2 + kBodyCount * kPieceRoom, [&](char* room) {
            char* at = room;
            *at++ = '"';
            for (const PlacedBody& placed : box.bodies()) {
                const EscapedPiece& piece =
                    (placed.retrograde ? pieces.retrograde : pieces.direct)[SlotOf(placed.body)];
                std::copy_n(piece.text.begin(), kPieceRoom, at);  // whole: a fixed-size copy
                at += piece.size;
            }
            *at++ = '"';
            return static_cast<std::size_t>(at - room);
        });
    }
    writer.EndArray();
}

using json::LongitudeTexts;
using json::Standing;

template <typename Writer>
constexpr bool kCompact = std::is_same_v<Writer, LineWriter>;

template <typename Writer>
void SignOrNull(Writer& writer, std::int16_t sign) {
    if (sign == kNoSign) {
        writer.Null();
    } else {
        writer.Raw(json::kQuotedSigns[static_cast<std::size_t>(sign)], rapidjson::kStringType);
    }
}

// The fields of a standing, keys sorted; `longitude` goes between
// degreeInSign and nakshatra.
template <typename Writer>
void StandingFields(Writer& writer, const Standing& at, std::string_view longitude) {
    writer.Key("degreeInSign");
    if (at.sign == kNoSign) {
        writer.Null();
    } else {
        writer.Number(at.degreeInSign);
    }
    writer.Key("longitude");
    writer.Raw(longitude, rapidjson::kNumberType);
    writer.Key("nakshatra");
    if (at.sign == kNoSign) {
        writer.Null();
    } else {
        writer.Quoted(NakshatraNames[static_cast<std::size_t>(at.nakshatra)]);
    }
    writer.Key("pada");
    if (at.sign == kNoSign) {
        writer.Null();
    } else {
        writer.Int(at.pada);
    }
}

// A value the batch writes whole, in its compact form.
template <typename Writer, typename Compact>
void Whole(Writer& writer, rapidjson::Type type, std::size_t most, Compact compact) {
    writer.InPlace(type, most,
                   [&](char* room) { return static_cast<std::size_t>(compact(room) - room); });
}

template <typename Writer>
void Ascendant(Writer& writer, const ChartPositions& positions, const json::NumberText& longitude) {
    const Standing at = json::StandingOf(positions.ascendant);
    if constexpr (kCompact<Writer>) {
        Whole(writer, rapidjson::kObjectType, json::kAscendantRoom,
              [&](char* room) { return json::CompactAscendant(room, at, longitude); });
    } else {
        writer.StartObject();
        StandingFields(writer, at, longitude.view());
        writer.Key("sign");
        SignOrNull(writer, at.sign);
        writer.EndObject();
    }
}

template <typename Writer>
void Bodies(Writer& writer, const ChartPositions& positions, const LongitudeTexts& longitudes) {
    if constexpr (kCompact<Writer>) {
        Whole(writer, rapidjson::kArrayType, json::kBodiesRoom,
              [&](char* room) { return json::CompactBodies(room, positions, longitudes); });
    } else {
        writer.StartArray();
        for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
            const Standing at = json::StandingOf(positions.siderealLongitude[slot]);
            writer.StartObject();
            writer.Key("body");
            writer.Quoted(kPlanetNames[slot]);
            StandingFields(writer, at, longitudes[slot].view());
            writer.Key("retrograde");
            writer.Bool(IsMarkedRetrograde(positions, static_cast<Body>(slot)));
            writer.Key("sign");
            SignOrNull(writer, at.sign);
            writer.EndObject();
        }
        writer.EndArray();
    }
}

template <typename Writer>
void Vargas(Writer& writer, const ReportCharts& charts) {
    if constexpr (kCompact<Writer>) {
        Whole(writer, rapidjson::kObjectType, json::kVargasRoom,
              [&](char* room) { return json::CompactVargas(room, charts); });
    } else {
        writer.StartObject();
        for (const std::size_t index : json::ChartsById()) {
            const ReportChart& chart = charts[index];
            writer.KeyText(chart.kind->id);
            writer.StartObject();
            writer.Key("Asc");
            SignOrNull(writer, chart.ascendantSign);
            for (const Body body : json::kBodiesByName) {
                writer.KeyText(kPlanetNames[SlotOf(body)]);
                SignOrNull(writer, chart.bodySign[SlotOf(body)]);
            }
            writer.EndObject();
        }
        writer.EndObject();
    }
}

// The source and, for Swiss Ephemeris, its options, by their command-line keys.
template <typename Writer>
void Method(Writer& writer, const EphemerisSettings& method) {
    writer.StartObject();
    if (method.kind == EphemerisKind::Swiss) {
        writer.Key("ayanamsa");
        writer.Text(CommandLineKey(method.ayanamsa));
    }
    writer.Key("ephemeris");
    writer.Text(CommandLineKey(method.kind));
    if (method.kind == EphemerisKind::Swiss) {
        writer.Key("node");
        writer.Text(CommandLineKey(method.node));
    }
    writer.EndObject();
}

// "%04d-%02d-%02dT%02d:%02d:%02dZ"; printf is slow, so the digits of a moment
// within those widths are written directly.
std::string_view IsoMoment(const UtMoment& ut, std::array<char, 64>& text) {
    const auto within = [](int value, int limit) { return value >= 0 && value < limit; };
    if (!within(ut.year, 10000) || !within(ut.month, 100) || !within(ut.day, 100) ||
        !within(ut.hour, 100) || !within(ut.minute, 100) || !within(ut.second, 100)) {
        const int length = std::snprintf(text.data(), text.size(), "%04d-%02d-%02dT%02d:%02d:%02dZ",
                                         ut.year, ut.month, ut.day, ut.hour, ut.minute, ut.second);
        return {text.data(), static_cast<std::size_t>(length)};
    }
    char* at = text.data();
    const auto digits = [&at](int value, int width, char after) {
        for (int i = width - 1; i >= 0; --i) {
            at[i] = static_cast<char>('0' + value % 10);
            value /= 10;
        }
        at += width;
        *at++ = after;
    };
    digits(ut.year, 4, '-');
    digits(ut.month, 2, '-');
    digits(ut.day, 2, 'T');
    digits(ut.hour, 2, ':');
    digits(ut.minute, 2, ':');
    digits(ut.second, 2, 'Z');
    return {text.data(), static_cast<std::size_t>(at - text.data())};
}

template <typename Writer>
void Values(Writer& writer, const ChartResult& result, std::string_view ascendant,
            const LongitudeTexts& longitudes) {
    const ChartPositions& positions = result.positions;
    writer.StartObject();
    writer.Key("ascendant");
    writer.Raw(ascendant, rapidjson::kNumberType);
    writer.Key("ayanamsa");
    writer.Number(positions.ayanamsa);
    writer.Key("longitudes");
    writer.StartArray();
    for (const json::NumberText& longitude : longitudes) {
        writer.Raw(longitude.view(), rapidjson::kNumberType);
    }
    writer.EndArray();
    writer.Key("method");
    Method(writer, result.method);
    writer.Key("moonSidereal");
    writer.Number(positions.moonSidereal);
    writer.Key("universalTime");
    std::array<char, 64> iso{};
    const std::string_view moment = IsoMoment(PlanetMoment(result.birth), iso);
    writer.Text(moment);
    writer.Key("utcOffset");
    const std::string offset = FormatUtcOffset(result.birth.utcOffsetSeconds);
    writer.Text(offset);
    writer.EndObject();
}

template <typename Writer>
void Chart(Writer& writer, const ChartResult& result, std::optional<long> line,
           const BirthTimes* times, int dashaLevels) {
    const ResultTexts& t = result.texts;
    const auto text = [&writer](PlainKey key, const std::string& value) {
        writer.Key(key);
        writer.Text(value);
    };
    static const EscapedPieces kEnglish = EscapeEachBody(kPlanetNames);
    static const EscapedPieces kSanskrit = EscapeEachBody(kVedicPlanetNames);
    const ReportCharts charts = ReportChartsOf(result);
    // Written twice each, under values and beside their signs: made once.
    const json::NumberText ascendant(result.positions.ascendant);
    const LongitudeTexts longitudes = json::LongitudeTextsOf(result.positions);
    writer.StartObject();
    writer.Key("ascendant");
    Ascendant(writer, result.positions, ascendant);
    writer.Key("bodies");
    Bodies(writer, result.positions, longitudes);
    writer.Key("dasha");
    json::DashaObject(writer, ChartDasha(result), dashaLevels, kCompact<Writer>);
    writer.Key("divisionalCharts");
    writer.StartObject();
    for (const std::size_t index : json::ChartsByTitle()) {
        const ReportChart& chart = charts[index];
        if (chart.kind->rule != nullptr) {
            writer.KeyText(chart.kind->title);
            CaptionArray(writer, *chart.placement,
                         chart.kind->names == &kPlanetNames ? kEnglish : kSanskrit);
        }
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
    if (times != nullptr) {
        writer.Key("panchanga");
        json::PanchangaObject(writer, times->panchanga);
    }
    writer.Key("planet");
    TextArray(writer, t.planet);
    writer.Key("rashiChart");
    CaptionArray(writer, *charts[0].placement, kSanskrit);
    writer.Key("retrograde");  // Mercury, Venus, Mars, Jupiter, Saturn
    writer.StartArray();
    for (const bool retrograde : result.positions.retrograde) {
        writer.Bool(retrograde);
    }
    writer.EndArray();
    if (times != nullptr && times->windows) {
        writer.Key("timeWindows");
        json::TimeWindowsObject(writer, result.birth, *times->windows);
    }
    writer.Key("values");
    Values(writer, result, ascendant.view(), longitudes);
    writer.Key("vargas");
    Vargas(writer, charts);
    writer.EndObject();
}

}  // namespace

void AppendChartJson(const ChartResult& result, std::string& out, const BirthTimes* times,
                     int dashaLevels) {
    auto& reused = FreshWriter<IndentedWriter>();
    Chart(reused.writer, result, std::nullopt, times, dashaLevels);
    reused.AppendTo(out);
}

void AppendChartJsonLine(const ChartResult& result, long line, std::string& out,
                         const BirthTimes* times, int dashaLevels) {
    auto& reused = FreshWriter<LineWriter>();
    Chart(reused.writer, result, line, times, dashaLevels);
    reused.AppendTo(out);
}

void AppendErrorJsonLine(std::string_view message, long line, std::string& out) {
    auto& reused = FreshWriter<LineWriter>();
    auto& writer = reused.writer;
    writer.StartObject();
    writer.Key("error");
    writer.Text(message);
    writer.Key("line");
    writer.Int64(line);
    writer.EndObject();
    reused.AppendTo(out);
}

}  // namespace amsaview
