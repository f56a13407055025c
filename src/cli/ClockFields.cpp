#include "cli/ClockFields.h"

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <initializer_list>
#include <string_view>

#include "birthclock/BirthPlace.h"

namespace amsaview {
namespace {

constexpr std::size_t kMostCandidates = 20;

std::optional<std::string> Conflict(const BirthFields& fields, BirthField given,
                                    std::initializer_list<BirthField> excluded) {
    for (const BirthField other : excluded) {
        if (fields[other]) {
            return OptionName(given) + " cannot be combined with " + OptionName(other);
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> SettleClockFields(const BirthFields& fields, RepeatedMoment repeated,
                                             FormInput& form) {
    using enum BirthField;
    std::string zone;
    std::string placeName;
    if (fields[Place]) {
        if (auto conflict =
                Conflict(fields, Place, {Tz, Lon, Lat, Zone, Dst, City, State, Country})) {
            return conflict;
        }
        const auto found = PlaceAtlas().Search(*fields[Place], 1);
        if (found.empty()) {
            return "No place in the atlas matches \"" + *fields[Place] + "\"";
        }
        ApplyPlace(found.front(), form);
        zone = found.front().timeZone;
        placeName = found.front().name;
    } else if (fields[Tz]) {
        if (auto conflict = Conflict(fields, Tz, {Zone, Dst})) {
            return conflict;
        }
        zone = *fields[Tz];
        placeName = form.city.empty() ? zone : form.city;
    } else if (repeated != RepeatedMoment::Ask) {
        return "--earlier and --later need --place or --tz";
    } else {
        return std::nullopt;
    }
    const auto settled = ResolveBirthClock(zone, LocalMomentOf(form), placeName, repeated);
    if (const auto* problem = std::get_if<BirthClockProblem>(&settled)) {
        if (problem->kind == BirthClockProblem::Kind::Repeated) {
            return problem->message + "; say which with --earlier or --later";
        }
        return problem->message;
    }
    ApplyBirthClock(std::get<BirthClock>(settled), form);
    return std::nullopt;
}

std::string PlaceCandidatesJson(const std::string& typed) {
    rapidjson::StringBuffer buffer;
    rapidjson::PrettyWriter<rapidjson::StringBuffer> writer(buffer);
    const auto text = [&writer](std::string_view value) {
        writer.String(value.data(), static_cast<rapidjson::SizeType>(value.size()));
    };
    writer.StartArray();
    for (const Place& place : PlaceAtlas().Search(typed, kMostCandidates)) {
        writer.StartObject();
        writer.Key("name");
        text(place.name);
        writer.Key("state");
        text(place.state);
        writer.Key("country");
        text(place.country);
        writer.Key("lat");
        writer.Double(place.latitude);
        writer.Key("lon");
        writer.Double(place.longitude);
        writer.Key("zone");
        text(place.timeZone);
        writer.EndObject();
    }
    writer.EndArray();
    return std::string(buffer.GetString(), buffer.GetSize()) + "\n";
}

}  // namespace amsaview
