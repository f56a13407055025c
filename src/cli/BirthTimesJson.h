#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "model/BirthData.h"
#include "model/LookupLists.h"
#include "panchanga/PanchangaNames.h"
#include "pipeline/BirthTimes.h"
#include "pipeline/ChartPanchanga.h"
#include "vedic/Nakshatra.h"

// The keys `panchanga` and `timeWindows` of the chart object, for any of the
// chart JSON's writers; keys in alphabetical order, as the rest of the object.
namespace amsaview::json {

template <typename Writer>
void MomentOrNull(Writer& writer, const std::optional<double>& julianDayUt) {
    if (julianDayUt) {
        writer.Text(UtcText(*julianDayUt));
    } else {
        writer.Null();
    }
}

template <typename Writer, typename Extra>
void Element(Writer& writer, const PanchangaSpan& span, std::string_view name, Extra extra) {
    writer.StartObject();
    writer.Key("end");
    writer.Text(UtcText(span.end));
    writer.Key("name");
    writer.Text(name);
    writer.Key("number");
    writer.Int(span.number);
    extra();
    writer.Key("start");
    writer.Text(UtcText(span.start));
    writer.EndObject();
}

template <typename Writer>
void PanchangaObject(Writer& writer, const Panchanga& p) {
    writer.StartObject();
    writer.Key("karana");
    Element(writer, p.karana, KaranaName(p.karana.number), [] {});
    writer.Key("nakshatra");
    Element(writer, p.nakshatra, NakshatraNames[static_cast<std::size_t>(p.nakshatra.number - 1)],
            [&] {
                writer.Key("pada");
                writer.Int(p.pada);
            });
    writer.Key("polar");
    switch (p.sun.polar) {
        case PolarDay::None:
            writer.Null();
            break;
        case PolarDay::MidnightSun:
            writer.Text("day");
            break;
        case PolarDay::PolarNight:
            writer.Text("night");
            break;
    }
    writer.Key("sunrise");
    MomentOrNull(writer, p.sun.sunrise);
    writer.Key("sunset");
    MomentOrNull(writer, p.sun.sunset);
    writer.Key("tithi");
    Element(writer, p.tithi, TithiName(p.tithi.number), [&] {
        writer.Key("paksha");
        writer.Text(PakshaName(p.tithi.number));
    });
    writer.Key("vara");
    writer.StartObject();
    writer.Key("name");
    writer.Text(kVaraNames[static_cast<std::size_t>(p.vara)]);
    writer.Key("number");
    writer.Int(p.vara);
    writer.EndObject();
    writer.Key("yoga");
    Element(writer, p.yoga, YogaName(p.yoga.number), [] {});
    writer.EndObject();
}

template <typename Writer>
void WindowEnd(Writer& writer, double birth, const std::optional<int>& seconds) {
    if (seconds) {
        writer.Text(UtcText(birth + *seconds / 86400.0));
    } else {
        writer.Null();
    }
}

template <typename Writer>
void TimeWindowsObject(Writer& writer, const BirthData& birthData,
                       const std::vector<TimeWindow>& windows) {
    const double birth = BirthJulianDayUt(birthData);
    std::vector<const TimeWindow*> byId;
    for (const TimeWindow& window : windows) {
        byId.push_back(&window);
    }
    std::sort(byId.begin(), byId.end(),
              [](const TimeWindow* a, const TimeWindow* b) { return a->id < b->id; });
    writer.StartObject();
    for (const TimeWindow* window : byId) {
        writer.KeyText(window->id);
        writer.StartObject();
        writer.Key("from");
        WindowEnd(writer, birth, window->earliest);
        if (window->id == "moonPada") {
            writer.Key("nakshatra");
            writer.Text(NakshatraNames[static_cast<std::size_t>(window->value / 4)]);
            writer.Key("pada");
            writer.Int(window->value % 4 + 1);
        } else {
            writer.Key("sign");
            writer.Text(SignAbbreviations[static_cast<std::size_t>(window->value)]);
        }
        writer.Key("to");
        WindowEnd(writer, birth, window->latest);
        writer.EndObject();
    }
    writer.EndObject();
}

}  // namespace amsaview::json
