#include "cli/ChartJsonKeys.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "vedic/Nakshatra.h"

namespace amsaview::json {
namespace {

static_assert([] {
    for (std::size_t sign = 0; sign < kSignCount; ++sign) {
        if (kQuotedSigns[sign].substr(1, 3) != SignAbbreviations[sign]) {
            return false;
        }
    }
    for (std::size_t i = 1; i < kBodiesByName.size(); ++i) {
        if (!(kPlanetNames[SlotOf(kBodiesByName[i - 1])] <
              kPlanetNames[SlotOf(kBodiesByName[i])])) {
            return false;
        }
    }
    return std::string_view("Asc") < kPlanetNames[SlotOf(kBodiesByName[0])];
}());

template <typename Key>
std::array<std::size_t, kChartKinds.size()> SortedBy(Key key) {
    std::array<std::size_t, kChartKinds.size()> order{};
    for (std::size_t index = 0; index < order.size(); ++index) {
        order[index] = index;
    }
    std::ranges::sort(order, {}, [key](std::size_t index) { return key(kChartKinds[index]); });
    return order;
}

// Texts copied in fixed-size pieces, which the compiler turns into a few
// moves instead of a call: each is padded to its piece, the output has the
// room, and the pointer advances only by the text's own length.
template <std::size_t kRoom>
struct Padded {
    std::array<char, kRoom> text{};
    std::size_t size = 0;

    constexpr Padded() = default;
    constexpr explicit Padded(std::string_view from) : size(from.size()) {
        for (std::size_t i = 0; i < from.size(); ++i) {
            text[i] = from[i];
        }
    }
};

template <std::size_t kRoom>
char* Put(char* out, const Padded<kRoom>& piece) {
    std::memcpy(out, piece.text.data(), kRoom);
    return out + piece.size;
}

template <std::size_t kSize>
char* Put(char* out, const char (&literal)[kSize]) {
    std::memcpy(out, literal, kSize - 1);
    return out + kSize - 1;
}

using Piece = Padded<32>;

// "Ari" quoted, or null: five bytes at most.
const std::array<Padded<8>, kSignCount + 1>& QuotedSigns() {
    static const auto kSigns = [] {
        std::array<Padded<8>, kSignCount + 1> signs{};
        for (std::size_t sign = 0; sign < kSignCount; ++sign) {
            signs[sign] = Padded<8>(kQuotedSigns[sign]);
        }
        signs[kSignCount] = Padded<8>("null");
        return signs;
    }();
    return kSigns;
}

char* PutSign(char* out, std::int16_t sign) {
    return Put(out, QuotedSigns()[sign == kNoSign ? kSignCount : static_cast<std::size_t>(sign)]);
}

// degreeInSign .. pada, the keys a body shares with the ascendant.
char* PutStanding(char* out, const Standing& at, const NumberText& longitude) {
    static const auto kNakshatras = [] {
        std::array<Piece, NakshatraNames.size()> names{};
        for (std::size_t i = 0; i < names.size(); ++i) {
            names[i] = Piece("\"" + std::string(NakshatraNames[i]) + "\"");
        }
        return names;
    }();
    const bool nowhere = at.sign == kNoSign;
    out = Put(out, "\"degreeInSign\":");
    out = nowhere ? Put(out, "null") : WriteJsonNumber(at.degreeInSign, out);
    out = Put(out, ",\"longitude\":");
    std::memcpy(out, longitude.text.data(), longitude.text.size());
    out += longitude.size;
    out = Put(out, ",\"nakshatra\":");
    if (nowhere) {
        return Put(out, "null,\"pada\":null");
    }
    out = Put(out, kNakshatras[static_cast<std::size_t>(at.nakshatra)]);
    out = Put(out, ",\"pada\":");
    *out++ = static_cast<char>('0' + at.pada);
    return out;
}

}  // namespace

LongitudeTexts LongitudeTextsOf(const ChartPositions& positions) {
    return [&]<std::size_t... slot>(std::index_sequence<slot...>) {
        return LongitudeTexts{NumberText(positions.siderealLongitude[slot])...};
    }
    (std::make_index_sequence<kBodyCount>());
}

Standing StandingOf(double longitude) {
    if (!(longitude >= 0.0 && longitude < 360.0)) {
        return {};
    }
    const auto sign = static_cast<std::int16_t>(std::min(11.0, std::floor(longitude / 30.0)));
    return {sign, longitude - 30.0 * sign, NakshatraOf(longitude), NakshatraPadaOf(longitude)};
}

const std::array<std::size_t, kChartKinds.size()>& ChartsById() {
    static const auto kOrder = SortedBy([](const ChartKind& kind) { return kind.id; });
    return kOrder;
}

const std::array<std::size_t, kChartKinds.size()>& ChartsByTitle() {
    static const auto kOrder = SortedBy([](const ChartKind& kind) { return kind.title; });
    return kOrder;
}

char* CompactAscendant(char* out, const Standing& at, const NumberText& longitude) {
    *out++ = '{';
    out = PutStanding(out, at, longitude);
    out = Put(out, ",\"sign\":");
    out = PutSign(out, at.sign);
    *out++ = '}';
    return out;
}

char* CompactBodies(char* out, const ChartPositions& positions, const LongitudeTexts& longitudes) {
    static const auto kHeads = [] {
        std::array<Piece, kBodyCount> heads{};
        for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
            heads[slot] = Piece(",{\"body\":\"" + std::string(kPlanetNames[slot]) + "\",");
        }
        return heads;
    }();
    char* const start = out;
    for (std::size_t slot = 0; slot < kBodyCount; ++slot) {
        const Standing at = StandingOf(positions.siderealLongitude[slot]);
        out = Put(out, kHeads[slot]);
        out = PutStanding(out, at, longitudes[slot]);
        out = IsMarkedRetrograde(positions, static_cast<Body>(slot))
                  ? Put(out, ",\"retrograde\":true,\"sign\":")
                  : Put(out, ",\"retrograde\":false,\"sign\":");
        out = PutSign(out, at.sign);
        *out++ = '}';
    }
    *start = '[';  // in place of the first head's comma
    *out++ = ']';
    return out;
}

char* CompactVargas(char* out, const ReportCharts& charts) {
    // ,"Jupiter": .. ,"Venus": and each chart's opening, ready to copy.
    static const auto kKeys = [] {
        std::array<Piece, kBodyCount> keys{};
        for (std::size_t i = 0; i < kBodyCount; ++i) {
            keys[i] = Piece(",\"" + std::string(kPlanetNames[SlotOf(kBodiesByName[i])]) + "\":");
        }
        return keys;
    }();
    static const auto kOpenings = [] {
        std::array<Piece, kChartKinds.size()> openings{};
        for (std::size_t index = 0; index < openings.size(); ++index) {
            openings[index] = Piece(",\"" + std::string(kChartKinds[index].id) + "\":{\"Asc\":");
        }
        return openings;
    }();
    char* const start = out;
    for (const std::size_t index : ChartsById()) {
        const ReportChart& chart = charts[index];
        out = Put(out, kOpenings[index]);
        out = PutSign(out, chart.ascendantSign);
        for (std::size_t i = 0; i < kBodyCount; ++i) {
            out = Put(out, kKeys[i]);
            out = PutSign(out, chart.bodySign[SlotOf(kBodiesByName[i])]);
        }
        *out++ = '}';
    }
    *start = '{';  // in place of the first opening's comma
    *out++ = '}';
    return out;
}

}  // namespace amsaview::json
