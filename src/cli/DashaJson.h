#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include <rapidjson/rapidjson.h>

#include "dasha/Vimshottari.h"
#include "pipeline/ChartDasha.h"
#include "vedic/Nakshatra.h"

// The key `dasha` of the chart object, for any of the chart JSON's writers;
// keys in alphabetical order, as the rest of the object.
namespace amsaview::json {

// The periods of one level as an array, each with its sub-periods down to
// `levels`; the compact form, written whole for the batch.
inline constexpr std::size_t kDashaPeriodRoom = 112;
constexpr std::size_t DashaPeriodsRoom(int levels) {
    int periods = 0;
    for (int level = 1; level <= levels; ++level) {
        periods += DashaPeriodCount(level);
    }
    return kDashaPeriodRoom * static_cast<std::size_t>(periods);
}
char* CompactDashaPeriods(char* out, const VimshottariDasha& dasha, int levels);

template <typename Writer>
void Moment(Writer& writer, UtSeconds moment) {
    writer.InPlace(rapidjson::kStringType, kIsoMomentSize + 2, [moment](char* room) {
        room[0] = '"';
        char* end = WriteIsoMoment(room + 1, moment);
        *end++ = '"';
        return static_cast<std::size_t>(end - room);
    });
}

// `count` periods of `level` from `first`, and theirs below them.
template <typename Writer>
void PeriodArray(Writer& writer, const VimshottariDasha& dasha, int level, int first, int count,
                 int levels) {
    writer.StartArray();
    for (int index = first; index < first + count; ++index) {
        const DashaPeriod period = dasha.Period(level, index);
        writer.StartObject();
        writer.Key("end");
        Moment(writer, period.end);
        writer.Key("lord");
        writer.Quoted(DashaLordName(period.lord));
        if (level < levels) {
            writer.Key("periods");
            PeriodArray(writer, dasha, level + 1, FirstSubPeriod(index), kDashaLordCount, levels);
        }
        writer.Key("start");
        Moment(writer, period.start);
        writer.EndObject();
    }
    writer.EndArray();
}

// `levels` 1 .. 3; the dasha holds no more.
template <typename Writer>
void DashaObject(Writer& writer, const VimshottariDasha& dasha, int requestedLevels, bool compact) {
    const int levels = std::clamp(requestedLevels, 1, kDashaLevels);
    writer.StartObject();
    writer.Key("balance");
    writer.StartObject();
    writer.Key("lord");
    writer.Quoted(DashaLordName(dasha.balance().lord));
    writer.Key("years");
    writer.Number(dasha.balance().years);
    writer.EndObject();
    writer.Key("levels");
    writer.Int(levels);
    writer.Key("moonNakshatra");
    writer.Quoted(NakshatraNames[static_cast<std::size_t>(dasha.moonNakshatra())]);
    writer.Key("periods");
    if (compact) {
        writer.InPlace(rapidjson::kArrayType, DashaPeriodsRoom(levels), [&](char* room) {
            return static_cast<std::size_t>(CompactDashaPeriods(room, dasha, levels) - room);
        });
    } else {
        PeriodArray(writer, dasha, 1, 0, kDashaLordCount, levels);
    }
    writer.Key("system");
    writer.Quoted("vimshottari");
    writer.Key("year");
    writer.Quoted(dasha.year().name());
    writer.Key("yearDays");
    writer.Number(dasha.year().days());
    writer.EndObject();
}

}  // namespace amsaview::json
